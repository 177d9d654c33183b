// The building blocks of the stand-in server without HTTP: the JSON writer against
// the client's own table decoder, the PDF writer (read back with pdftotext), the
// pictures, the money and search helpers, the schema and the demo seed.
#include "belgeler.h"
#include "demoveri.h"
#include "jsonyazici.h"
#include "ortak.h"
#include "pdfyazici.h"
#include "resimler.h"
#include "sema.h"
#include "veritabani.h"

#include <tablojson.h>

#include <QBuffer>
#include <QCryptographicHash>
#include <QImageReader>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include <cmath>
#include <limits>

using namespace dorvanto;
using namespace dorvanto::appserver;

class TestSunucuIc : public QObject {
    Q_OBJECT

    static QString pdfMetni(const QByteArray &pdf)
    {
        if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
            return QString();
        QProcess p;
        p.start(QStringLiteral("pdftotext"), {QStringLiteral("-"), QStringLiteral("-")});
        p.waitForStarted();
        p.write(pdf);
        p.closeWriteChannel();
        p.waitForFinished(20000);
        return p.exitCode() == 0 ? QString::fromUtf8(p.readAllStandardOutput()) : QStringLiteral("<pdftotext hatası>");
    }

    static QByteArray tabloOzeti(Vt &vt, const char *sql)
    {
        QCryptographicHash h(QCryptographicHash::Sha256);
        auto k = vt.hazirla(sql);
        while (k.adim())
            for (int i = 0; i < k.sutunSayisi(); ++i)
                h.addData(k.bosMu(i) ? QByteArray("\x01") : k.blob(i) + '\x00');
        return h.result().toHex();
    }

private slots:
    void tabloIstemcininCozucusuyleOkunur()
    {
        QTemporaryDir d;
        Vt vt(d.filePath(QStringLiteral("t.db")));
        vt.calistir("CREATE TABLE t(a, b, c, d, e, f, g);"
                    "INSERT INTO t VALUES (1, 'Çağrı \"tırnak\" \\ ters\nsatır\t', 2.5, 46000.75, NULL, x'00FF10', 'uzun metin');"
                    "INSERT INTO t VALUES (-7, NULL, NULL, 46001, 1, NULL, NULL);");
        auto k = vt.hazirla("SELECT a, b, c, d, e, f, g FROM t ORDER BY rowid");
        Tablo t({{"A", Tur::Tam}, {"B", Tur::Metin, 40}, {"C", Tur::Reel}, {"D", Tur::Tarih}, {"E", Tur::Mantik},
                 {"F", Tur::Blob}, {"G", Tur::Memo}});
        QCOMPARE(t.doldur(k), 2);
        const QByteArray json = t.json();
        TableData td;
        try {
            td = TabloJsonOku(std::string_view(json.constData(), size_t(json.size())));
        } catch (const ServerError &e) {
            QFAIL(qPrintable(e.message() + QStringLiteral(" / ") + QString::fromUtf8(json)));
        }
        QCOMPARE(td.rowCount, 2);
        QCOMPARE(td.columnCount(), 7);
        QCOMPARE(td.columns[1].def.size, 40);
        QVERIFY(td.columns[3].def.type == FieldType::Date);
        QCOMPARE(td.asInt64(0, 0), 1);
        QCOMPARE(td.asString(0, 1), QStringLiteral("Çağrı \"tırnak\" \\ ters\nsatır\t"));
        QCOMPARE(td.asFloat(0, 2), 2.5);
        QCOMPARE(td.asFloat(0, 3), 46000.0);  // a date is a whole day
        QVERIFY(td.isNull(0, 4));
        QCOMPARE(td.value(0, 5).toByteArray(), QByteArray("\x00\xFF\x10", 3));
        QCOMPARE(td.asInt64(1, 0), -7);
        QVERIFY(!td.isNull(1, 1));  // texts are never null on the wire
        QCOMPARE(td.asString(1, 1), QString());
        QVERIFY(td.isNull(1, 2));
        QCOMPARE(td.asInt64(1, 4), 1);
    }

    void sayilarJsonaUygun()
    {
        QByteArray c;
        jsonReelYaz(c, std::numeric_limits<double>::quiet_NaN());
        QCOMPARE(c, QByteArray("0"));
        c.clear();
        jsonReelYaz(c, std::numeric_limits<double>::infinity());
        QCOMPARE(c, QByteArray("0"));
        c.clear();
        jsonReelYaz(c, 0.1);
        QCOMPARE(c, QByteArray("0.1"));
        c.clear();
        jsonMetinYaz(c, QStringLiteral("a\x01" "b"));
        QCOMPARE(c, QByteArray("\"a\\u0001b\""));
        QCOMPARE(Sonuc().tam(3).akis("ab").govde(), QByteArray("{\"result\":[3,\"YWI=\"]}"));
        QCOMPARE(Sonuc().govde(), QByteArray("{\"result\":[]}"));
        QCOMPARE(hataGovdesi(QStringLiteral("Hata \"x\"")), QByteArray("{\"error\":\"Hata \\\"x\\\"\"}"));
    }

    void yardimcilar_data()
    {
        QTest::addColumn<QString>("girdi");
        QTest::addColumn<QString>("beklenen");
        QTest::newRow("katlama") << QStringLiteral("şoför çığ İĞNE ılık") << QStringLiteral("SOFOR CIG IGNE ILIK");
        QTest::newRow("ascii") << QStringLiteral("fiat doblo") << QStringLiteral("FIAT DOBLO");
    }
    void yardimcilar()
    {
        QFETCH(QString, girdi);
        QFETCH(QString, beklenen);
        QCOMPARE(AramaBicimi(girdi), beklenen);
    }
    void paraVeIndirim()
    {
        QCOMPARE(ParaYazisi(1234567.891), QStringLiteral("1.234.567,89"));
        QCOMPARE(ParaYazisi(0), QStringLiteral("0,00"));
        QCOMPARE(ParaYazisi(-5.5), QStringLiteral("-5,50"));
        QCOMPARE(ParaYazisi(999.995), QStringLiteral("1.000,00"));
        QCOMPARE(IndirimYazisi(25, 10, 0, 0), QStringLiteral("25+10"));
        QCOMPARE(IndirimYazisi(0, 0, 0, 0), QStringLiteral("0"));
        QCOMPARE(IndirimYazisi(12.5, 0, 2, 0), QStringLiteral("12.5+2"));
        QCOMPARE(NetFiyat(100, 25, 10, 0, 0), 67.5);
        QCOMPARE(NetFiyat(547.8, 25, 10, 0, 0), 369.77);  // 369.765: half a cent rounds up
        QCOMPARE(Yuvarla2(-1.005), -1.01);
        QCOMPARE(GundenTarih(GunSayisi(QDate(2026, 12, 1))), QDate(2026, 12, 1));
        QCOMPARE(GunSayisi(QDate(1899, 12, 31)), 1.0);
    }

    void pdfTurkceMetin()
    {
        PdfBelge pdf;
        pdf.yazi(50, 780, 14, QStringLiteral("Çağrı Şişli İğdır Öğün Üzüm ışık"), true);
        pdf.yazi(50, 760, 10, QStringLiteral("Parantez (içi) ve \\ ters bölü"));
        pdf.yeniSayfa();
        pdf.yazi(50, 780, 10, QStringLiteral("İkinci sayfa"));
        const QByteArray b = pdf.bitir();
        QVERIFY(b.startsWith("%PDF-1.4"));
        QCOMPARE(pdf.sayfaSayisi(), 2);
        const QString metin = pdfMetni(b);
        if (metin.isNull())
            QSKIP("pdftotext yok");
        QVERIFY2(metin.contains(QStringLiteral("Çağrı Şişli İğdır Öğün Üzüm ışık")), qPrintable(metin));
        QVERIFY(metin.contains(QStringLiteral("Parantez (içi) ve \\ ters bölü")));
        QVERIFY(metin.contains(QStringLiteral("İkinci sayfa")));
    }

    void belgelerVeridenYapilir()
    {
        QTemporaryDir d;
        Vt vt(d.filePath(QStringLiteral("demo.db")));
        SemayiKur(vt);
        DemoVeriYukle(vt, TohumAyari{300});
        const int pos = int(vt.hazirla("SELECT MIN(sanalpos) FROM hareket WHERE sanalpos > 0").tekTam());
        QVERIFY(pos > 0);
        const QString carikod = vt.hazirla("SELECT c.carikod FROM hareket h JOIN cari c ON c.carino = h.carino WHERE h.sanalpos = ?")
                                    .bagla(1, pos).tekMetin();
        const QByteArray makbuz = SanalPosMakbuzu(vt, pos);
        QVERIFY(makbuz.startsWith("%PDF"));
        QVERIFY(SanalPosMakbuzu(vt, 0).isEmpty());
        QVERIFY(SanalPosMakbuzu(vt, 424242).isEmpty());
        const QByteArray ozet = RaporPdf(vt, 6, 1001, QStringLiteral("MEHMET YILMAZ"), GunSayisi(DemoGunu()), GunSayisi(DemoGunu()));
        const QByteArray toplu = RaporPdf(vt, 6, 0, QStringLiteral("."), GunSayisi(DemoGunu()), GunSayisi(DemoGunu()));
        const QByteArray tablo = RaporPdf(vt, 7, 1001, QStringLiteral("MEHMET YILMAZ"), 0, GunSayisi(DemoGunu()));
        QVERIFY_THROWS_EXCEPTION(VtHatasi, RaporPdf(vt, 3, 1001, {}, 0, 0));
        const QString m = pdfMetni(makbuz);
        if (m.isNull())
            QSKIP("pdftotext yok");
        QVERIFY2(m.contains(QStringLiteral("Sanal POS Tahsilat Makbuzu")), qPrintable(m));
        QVERIFY(m.contains(carikod));
        QVERIFY(m.contains(QStringLiteral("Kredi Kartı")));
        QVERIFY(pdfMetni(ozet).contains(QStringLiteral("Cari Özeti")));
        QVERIFY(pdfMetni(ozet).contains(QStringLiteral("Devir Bakiyesi")));
        QVERIFY(pdfMetni(toplu).contains(QStringLiteral("Cari Toplu Alacak Vadeleri")));
        // a representative's user name selects that representative's customers only
        const QString kendi = pdfMetni(RaporPdf(vt, 6, 0, QStringLiteral("SATICI"), GunSayisi(DemoGunu()), GunSayisi(DemoGunu())));
        const QString ad = pdfMetni(RaporPdf(vt, 6, 0, QStringLiteral("MEHMET YILMAZ"), GunSayisi(DemoGunu()), GunSayisi(DemoGunu())));
        const QString tumu = pdfMetni(toplu);
        // representative 1 has the customers with odd numbers
        static const QRegularExpression kod(QStringLiteral("120\\.01\\.(\\d{4})"));
        int kendiSayisi = 0;
        for (auto it = kod.globalMatch(kendi); it.hasNext();) {
            QVERIFY(it.next().captured(1).toInt() % 2 == 1);
            ++kendiSayisi;
        }
        QVERIFY(kendiSayisi > 0);
        QVERIFY(tumu.count(QStringLiteral("120.01.")) > kendiSayisi);
        QCOMPARE(ad.count(QStringLiteral("120.01.")), kendiSayisi);
        QVERIFY(pdfMetni(tablo).contains(QStringLiteral("Toplam Satış")));
    }

    void resimler()
    {
        QString tur;
        for (int stokno : {1001, 1002, 1017}) {
            const QByteArray b = ParcaResmi(stokno, QStringLiteral("FIA-FR-001001"), QStringLiteral("FREN BALATASI"), tur);
            QImage img;
            QVERIFY(img.loadFromData(b));
            QCOMPARE(img.size(), QSize(320, 240));
            QCOMPARE(tur, stokno == 1017 ? QStringLiteral("image/bmp") : stokno % 2 ? QStringLiteral("image/png") : QStringLiteral("image/jpeg"));
        }
        const QByteArray gif = GifAfis(409, 100, 4, QStringLiteral("DORVANTO"));
        QBuffer buf;
        buf.setData(gif);
        QImageReader r(&buf, "gif");
        QVERIFY(r.canRead());
        QCOMPARE(r.imageCount(), 4);
        QVERIFY(r.supportsAnimation());
        QImage kare = r.read();
        QCOMPARE(kare.size(), QSize(409, 100));
        const QImage bmp = QImage::fromData(BmpAfis(600, 60, QStringLiteral("x")), "BMP");
        QCOMPARE(bmp.size(), QSize(600, 60));
        QCOMPARE(QImage::fromData(DuyuruResmi(1, QStringLiteral("a"), QStringLiteral("b")), "JPEG").size(), QSize(600, 400));
    }

    void semaSurumu()
    {
        QTemporaryDir d;
        const QString yol = d.filePath(QStringLiteral("s.db"));
        {
            Vt vt(yol);
            SemayiKur(vt);
            SemayiKur(vt);  // again: nothing to do
            QCOMPARE(vt.hazirla("PRAGMA user_version").tekTam(), qint64(SemaSurumu));
            // a file of version 1 is brought up to date
            vt.calistir("DROP INDEX stok_barkod; PRAGMA user_version=1");
            SemayiKur(vt);
            QCOMPARE(vt.hazirla("PRAGMA user_version").tekTam(), qint64(SemaSurumu));
            QCOMPARE(vt.hazirla("SELECT COUNT(*) FROM sqlite_master WHERE type='index' AND name='stok_barkod'").tekTam(), 1);
            vt.calistir("PRAGMA user_version=99");
        }
        Vt vt(yol);
        QVERIFY_THROWS_EXCEPTION(VtHatasi, SemayiKur(vt));
    }

    void tohumHerMakinedeAyni()
    {
        QTemporaryDir d;
        QByteArray ozet[2];
        for (int i = 0; i < 2; ++i) {
            Vt vt(d.filePath(QStringLiteral("t%1.db").arg(i)));
            SemayiKur(vt);
            DemoVeriYukle(vt, TohumAyari{500});
            for (const char *sql : {"SELECT * FROM stok ORDER BY stokno", "SELECT * FROM cari ORDER BY carino",
                                    "SELECT * FROM sepet ORDER BY sirano", "SELECT * FROM siparis ORDER BY idno",
                                    "SELECT * FROM siparissatir ORDER BY sirano", "SELECT * FROM hareket ORDER BY idno",
                                    "SELECT * FROM faturasatir ORDER BY sirano", "SELECT sirano, tur, baslik, arama FROM duyuru",
                                    "SELECT * FROM kullanici ORDER BY sirano"})
                ozet[i] += tabloOzeti(vt, sql);
            QVERIFY_THROWS_EXCEPTION(VtHatasi, DemoVeriYukle(vt, TohumAyari{500}));  // only into an empty database
        }
        QCOMPARE(ozet[0], ozet[1]);
    }

    void kayitKurallari()
    {
        QTemporaryDir d;
        Vt vt(d.filePath(QStringLiteral("k.db")));
        SemayiKur(vt);
        DemoVeriYukle(vt, TohumAyari{100});
        const int a = MakineyiKaydet(vt, {QStringLiteral("M1"), QStringLiteral("ALİ"), QStringLiteral("şifre"), 3, 0, 4});
        QVERIFY(a > 0);
        // names and passwords are stored as given
        auto k = vt.hazirla("SELECT adi, sifre, carino FROM kullanici WHERE sirano = ?");
        k.bagla(1, a);
        QVERIFY(k.adim());
        QCOMPARE(k.metin(0), QStringLiteral("ALİ"));
        QCOMPARE(k.metin(1), QStringLiteral("şifre"));
        QVERIFY(k.tam(2) > 1060);
        QCOMPARE(MakineyiKaydet(vt, {QStringLiteral("M1"), QStringLiteral("VELİ"), QStringLiteral("x"), 2, 1005, 4}), a);
        QVERIFY_THROWS_EXCEPTION(VtHatasi, MakineyiKaydet(vt, {QStringLiteral("  "), QStringLiteral("A"), QStringLiteral("B"), 3, 0, 4}));
        QVERIFY_THROWS_EXCEPTION(VtHatasi, MakineyiKaydet(vt, {QStringLiteral("M2"), QString(), QStringLiteral("B"), 3, 0, 4}));
        QVERIFY_THROWS_EXCEPTION(VtHatasi, MakineyiKaydet(vt, {QStringLiteral("M2"), QStringLiteral("A"), QStringLiteral("B"), 0, 0, 4}));
        QVERIFY_THROWS_EXCEPTION(VtHatasi, MakineyiKaydet(vt, {QStringLiteral("M2"), QStringLiteral("A"), QStringLiteral("B"), 3, 5, 4}));
    }
};

QTEST_MAIN(TestSunucuIc)
#include "test_sunucu_ic.moc"
