// The basket's rules: totals of the ticked lines, the checks of "Gönder", the order
// summary, the payment page address and the argument sets built from rows.
#include "sepethesap.h"
#include "yardimci.h"

#include <QLocale>
#include <QTest>
#include <QUrl>
#include <QUrlQuery>

using namespace dorvanto;

struct Satir {
    int sec;
    double tutar;
    double indirim;
};
Q_DECLARE_METATYPE(Satir)

namespace {

// A basket table with the fields the totals read, as SepetVer2 sends them.
void SepetDoldur(ResultTable &t, const QList<Satir> &satirlar, FieldType secTuru = FieldType::Int)
{
    TableData d;
    d.addColumn(FieldDef(QStringLiteral("SIRANO"), FieldType::Int));
    d.addColumn(FieldDef(QStringLiteral("SEC"), secTuru));
    d.addColumn(FieldDef(QStringLiteral("TUTAR"), FieldType::Float));
    d.addColumn(FieldDef(QStringLiteral("INDIRIMTUTAR"), FieldType::Float));
    d.addColumn(FieldDef(QStringLiteral("NETTUTAR"), FieldType::Float));
    int sira = 100;
    for (const Satir &s : satirlar) {
        const int r = d.appendRow();
        d.set(r, 0, sira++);
        d.set(r, 1, s.sec);
        d.set(r, 2, s.tutar);
        d.set(r, 3, s.indirim);
        d.set(r, 4, s.tutar - s.indirim);
    }
    t.loadFromPacket(std::move(d));
}

} // namespace

class TestSepetHesap : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

    void toplamlar_data();
    void toplamlar();
    void yuklenmemisSepetSifirVerir();
    void turkceYereldeMetinler();
    void seciliVarmi_data();
    void seciliVarmi();

    void gonderKontrolu_data();
    void gonderKontrolu();

    void siparisOzeti();
    void odemeAdresi();
    void kodluOdemeAdresi();

    void sepetEkleArgumanlari();
    void sepetGuncelleArgumanlari();
    void siparisKaydetArgumanlari();
    void satirSilAciklamasi();
};

void TestSepetHesap::toplamlar_data()
{
    QTest::addColumn<QList<Satir>>("satirlar");
    QTest::addColumn<QStringList>("beklenen");   // toplam, indirim, net, vergi, genel

    QTest::newRow("iki secili bir secilmemis")
        << QList<Satir>{{1, 100.00, 10.00}, {1, 50.00, 5.00}, {0, 999.99, 1.00}}
        << QStringList{"150.00", "15.00", "135.00", "24.30", "159.30"};
    QTest::newRow("33.33 ve 3.33") << QList<Satir>{{1, 33.33, 3.33}}
                                   << QStringList{"33.33", "3.33", "30.00", "5.40", "35.40"};
    // 0.25 x 1.18 is held as the double just below 0.295: the tax is 0.04, not 0.05.
    QTest::newRow("net 0.25") << QList<Satir>{{1, 0.25, 0.0}} << QStringList{"0.25", "0.00", "0.25", "0.04", "0.29"};
    QTest::newRow("bos sepet") << QList<Satir>{} << QStringList{"0.00", "0.00", "0.00", "0.00", "0.00"};
    QTest::newRow("hicbiri secili degil") << QList<Satir>{{0, 10.0, 1.0}, {0, 20.0, 2.0}}
                                          << QStringList{"0.00", "0.00", "0.00", "0.00", "0.00"};
    // Only SEC equal to 1 counts.
    QTest::newRow("SEC 2 sayilmaz") << QList<Satir>{{2, 10.0, 1.0}, {-1, 20.0, 2.0}, {1, 5.0, 0.0}}
                                    << QStringList{"5.00", "0.00", "5.00", "0.90", "5.90"};
    // Rounding after every addition: three times 0.004 stays 0.00 (a plain sum would be 0.01).
    QTest::newRow("her toplamada yuvarlama") << QList<Satir>{{1, 0.004, 0.0}, {1, 0.004, 0.0}, {1, 0.004, 0.0}}
                                             << QStringList{"0.00", "0.00", "0.00", "0.00", "0.00"};
    QTest::newRow("binlik ayirici") << QList<Satir>{{1, 1234567.5, 0.5}}
                                    << QStringList{"1,234,567.50", "0.50", "1,234,567.00", "222,222.06",
                                                   "1,456,789.06"};
    QTest::newRow("indirim tutardan buyuk") << QList<Satir>{{1, 10.0, 12.0}}
                                            << QStringList{"10.00", "12.00", "-2.00", "-0.36", "-2.36"};
}

void TestSepetHesap::toplamlar()
{
    QFETCH(QList<Satir>, satirlar);
    QFETCH(QStringList, beklenen);
    ResultTable sepet;
    SepetDoldur(sepet, satirlar);
    const SepetToplamMetinleri m = SepetToplamMetni(SepetToplamHesapla(sepet));
    QCOMPARE(m.toplam, beklenen[0]);
    QCOMPARE(m.indirim, beklenen[1]);
    QCOMPARE(m.net, beklenen[2]);
    QCOMPARE(m.vergi, beklenen[3]);
    QCOMPARE(m.genel, beklenen[4]);
}

void TestSepetHesap::yuklenmemisSepetSifirVerir()
{
    ResultTable sepet;
    const SepetToplami t = SepetToplamHesapla(sepet);
    QCOMPARE(t.genel, 0.0);
    QCOMPARE(SepetToplamMetni(t).genel, QStringLiteral("0.00"));
}

void TestSepetHesap::turkceYereldeMetinler()
{
    const QLocale onceki;
    QLocale::setDefault(QLocale(QLocale::Turkish, QLocale::Turkey));
    ResultTable sepet;
    SepetDoldur(sepet, {{1, 1500.00, 10.00}});
    const SepetToplamMetinleri m = SepetToplamMetni(SepetToplamHesapla(sepet));
    QLocale::setDefault(onceki);
    QCOMPARE(m.toplam, QStringLiteral("1.500,00"));
    QCOMPARE(m.net, QStringLiteral("1.490,00"));
    QCOMPARE(m.vergi, QStringLiteral("268,20"));
    QCOMPARE(m.genel, QStringLiteral("1.758,20"));
}

void TestSepetHesap::seciliVarmi_data()
{
    QTest::addColumn<QList<Satir>>("satirlar");
    QTest::addColumn<bool>("beklenen");
    QTest::newRow("bos") << QList<Satir>{} << false;
    QTest::newRow("hicbiri") << QList<Satir>{{0, 1, 0}, {2, 1, 0}} << false;
    QTest::newRow("sonuncu") << QList<Satir>{{0, 1, 0}, {1, 1, 0}} << true;
}

void TestSepetHesap::seciliVarmi()
{
    QFETCH(QList<Satir>, satirlar);
    QFETCH(bool, beklenen);
    ResultTable sepet;
    QVERIFY(!SeciliVarmi(sepet));   // never loaded
    SepetDoldur(sepet, satirlar);
    QCOMPARE(SeciliVarmi(sepet), beklenen);
}

void TestSepetHesap::gonderKontrolu_data()
{
    QTest::addColumn<bool>("secili");
    QTest::addColumn<bool>("teslim");
    QTest::addColumn<bool>("kargoTuru");
    QTest::addColumn<int>("firma");
    QTest::addColumn<int>("engel");
    QTest::addColumn<QString>("mesaj");

    // Each check wins over the ones after it.
    QTest::newRow("parca yok, hicbir sey secili degil") << false << false << false << 0
                                                        << int(GonderEngeli::ParcaYok)
                                                        << QStringLiteral("Gönderilecek Parça Yok ");
    QTest::newRow("parca yok, gerisi tamam") << false << true << true << 2 << int(GonderEngeli::ParcaYok)
                                             << QStringLiteral("Gönderilecek Parça Yok ");
    QTest::newRow("teslim yok") << true << false << false << 0 << int(GonderEngeli::TeslimYok)
                                << QStringLiteral("Lütfen Teslim Durumu Seçiniz !");
    QTest::newRow("kargo turu yok") << true << true << false << 1 << int(GonderEngeli::KargoTuruYok)
                                    << QStringLiteral("Lütfen Kargo Türünü Seçiniz !");
    QTest::newRow("bos firma") << true << true << true << 0 << int(GonderEngeli::KargoFirmasiYok)
                               << QStringLiteral("Lütfen Kargo  Seçiniz !");
    QTest::newRow("firma yok (-1)") << true << true << true << -1 << int(GonderEngeli::KargoFirmasiYok)
                                    << QStringLiteral("Lütfen Kargo  Seçiniz !");
    QTest::newRow("hepsi tamam") << true << true << true << 1 << int(GonderEngeli::Yok) << QString();
}

void TestSepetHesap::gonderKontrolu()
{
    QFETCH(bool, secili);
    QFETCH(bool, teslim);
    QFETCH(bool, kargoTuru);
    QFETCH(int, firma);
    QFETCH(int, engel);
    QFETCH(QString, mesaj);
    const GonderEngeli e = GonderKontrol(secili, teslim, kargoTuru, firma);
    QCOMPARE(int(e), engel);
    QCOMPARE(GonderEngelMesaji(e), mesaj);
}

void TestSepetHesap::siparisOzeti()
{
    SiparisOzetBilgisi b;
    b.kullanici = QStringLiteral("BAYI");
    b.cari = QStringLiteral("Özgür Oto Yedek Parça");
    b.teslim = QStringLiteral("Kargo ile");
    b.kargoTuru = QStringLiteral("Alıcı Ödemeli");
    b.tutar = QStringLiteral("1,159.30");
    b.kargoFirmasi = QStringLiteral("Yurtiçi Kargo");
    b.aciklama = QStringLiteral("birinci satır\r\nikinci\r\nüçüncü");
    const QString ozet = SiparisOzeti(b);
    QCOMPARE(ozet, QStringLiteral("Kullanıcı: BAYI\r\n"
                                  "Cari     : Özgür Oto Yedek Parça\r\n"
                                  "Teslim   : Kargo ile\r\n"
                                  "Kargo    : Alıcı Ödemeli\r\n"
                                  "Tutar    : 1,159.30\r\n"
                                  "Kargo    : Yurtiçi Kargo\r\n"
                                  "Açıklama : birinci satır\r\nikinci\r\nüçüncü"));
    // Every label is 11 characters, so the colons line up in a fixed-width font.
    const QStringList satirlar = ozet.split(QStringLiteral("\r\n"));
    QCOMPARE(satirlar.size(), 9);
    for (int i = 0; i < 7; ++i)
        QCOMPARE(satirlar[i].indexOf(QLatin1Char(':')), 9);
    QVERIFY(!ozet.endsWith(QStringLiteral("\r\n")));
}

void TestSepetHesap::odemeAdresi()
{
    const QString adres = OdemeAdresi(QStringLiteral("https://odeme.example/"), 57,
                                      QStringLiteral("Şahin Oto"), QStringLiteral("1.234,50 TL"));
    QCOMPARE(adres, QStringLiteral("https://odeme.example/pelyaro.html?carino=57&sube=MERKEZ&firmasi=Şahin Oto"
                                   "&bakiye=1.234,50 TL"));
    // A base without the closing slash gets one.
    QCOMPARE(OdemeAdresi(QStringLiteral("http://h:9090"), 1, {}, {}),
             QStringLiteral("http://h:9090/pelyaro.html?carino=1&sube=MERKEZ&firmasi=&bakiye="));
}

void TestSepetHesap::kodluOdemeAdresi()
{
    const QString ad = QStringLiteral("Çağrı Öztürk Oto Yedek Parça Ltd Şti");
    const QString bakiye = QStringLiteral("Bakiye: 12.345,67 TL (Borç)");
    const QString kodlu = KodluOdemeAdresi(QStringLiteral("http://127.0.0.1:9090/"), 57, ad, bakiye);
    QVERIFY2(kodlu.contains(QStringLiteral("?carino=57&sube=MERKEZ&firmasi=")), qPrintable(kodlu));
    QVERIFY2(!kodlu.contains(QLatin1Char(' ')), qPrintable(kodlu));
    for (const QChar c : kodlu)
        QVERIFY2(c.unicode() < 128, qPrintable(kodlu));
    // Decoded, the address is the one built.
    QCOMPARE(QUrl::fromPercentEncoding(kodlu.toUtf8()),
             OdemeAdresi(QStringLiteral("http://127.0.0.1:9090/"), 57, ad, bakiye));
    const QUrl url(kodlu, QUrl::StrictMode);
    QVERIFY2(url.isValid(), qPrintable(url.errorString()));
    QCOMPARE(url.host(), QStringLiteral("127.0.0.1"));
    QCOMPARE(url.path(), QStringLiteral("/pelyaro.html"));
    // An ordinary name is encoded exactly as the whole address would be.
    QCOMPARE(kodlu, UrlKodla(OdemeAdresi(QStringLiteral("http://127.0.0.1:9090/"), 57, ad, bakiye)));

    // Characters of the query's own syntax inside a value stay inside it.
    for (const QString &isim : {QStringLiteral("Ak & Kara Oto"), QStringLiteral("A+B Parça"), QStringLiteral("X=Y %100 #1")}) {
        const QUrlQuery q{QUrl(KodluOdemeAdresi(QStringLiteral("http://h/"), 57, isim, bakiye))};
        QCOMPARE(q.queryItemValue(QStringLiteral("firmasi"), QUrl::FullyDecoded), isim);
        QCOMPARE(q.queryItemValue(QStringLiteral("bakiye"), QUrl::FullyDecoded), bakiye);
        QCOMPARE(q.queryItemValue(QStringLiteral("carino")), QStringLiteral("57"));
    }
}

void TestSepetHesap::sepetEkleArgumanlari()
{
    TableData d;
    d.addColumn(FieldDef(QStringLiteral("STOK_STOKNO"), FieldType::Int));
    d.addColumn(FieldDef(QStringLiteral("BARKOD"), FieldType::String));
    d.addColumn(FieldDef(QStringLiteral("ADI"), FieldType::String));
    d.addColumn(FieldDef(QStringLiteral("KDV"), FieldType::Int));
    d.addColumn(FieldDef(QStringLiteral("FIYAT"), FieldType::Float));
    for (const char *f : {"IND1", "IND2", "IND3", "IND4"})
        d.addColumn(FieldDef(QString::fromLatin1(f), FieldType::Float));
    d.addColumn(FieldDef(QStringLiteral("K"), FieldType::Int));
    for (int i = 0; i < 2; ++i) {
        const int r = d.appendRow();
        d.set(r, 0, 1040 + i);
        d.set(r, 1, QStringLiteral("AB-%1").arg(i));
        d.set(r, 2, QStringLiteral("Fren balatası %1").arg(i));
        d.set(r, 3, 18);
        d.set(r, 4, 250.5 + i);
        d.set(r, 5, 10.0);
        d.set(r, 6, 5.0);
        d.set(r, 7, 2.5);
        d.set(r, 8, 1.0);
        d.set(r, 9, i);
    }
    ResultTable stok;
    stok.loadFromPacket(std::move(d));
    stok.setRecNo(1);
    TSonucBilgisi s;
    s.SetCARINO(57);
    s.SetSirano(9);
    const SepetEkleArgumanlari a = SepetEkleArgumanlariOku(stok, 3, s);
    QCOMPARE(a.carino, 57);
    QCOMPARE(a.stokno, 1041);
    QCOMPARE(a.barkod, QStringLiteral("AB-1"));
    QCOMPARE(a.stokadi, QStringLiteral("Fren balatası 1"));
    QCOMPARE(a.miktar, 3.0);
    QCOMPARE(a.kdv, 18.0);
    QCOMPARE(a.fiyat, 251.5);
    QCOMPARE(a.ind1, 10.0);
    QCOMPARE(a.ind2, 5.0);
    QCOMPARE(a.ind3, 2.5);
    QCOMPARE(a.ind4, 1.0);
    QCOMPARE(a.verenid, 9);
    QCOMPARE(a.k, 1);

    ResultTable eksik;
    TableData e;
    e.addColumn(FieldDef(QStringLiteral("STOK_STOKNO"), FieldType::Int));
    e.appendRow();
    eksik.loadFromPacket(std::move(e));
    QVERIFY_THROWS_EXCEPTION(TableError, SepetEkleArgumanlariOku(eksik, 1, s));
}

void TestSepetHesap::sepetGuncelleArgumanlari()
{
    TableData d;
    d.addColumn(FieldDef(QStringLiteral("SIRANO"), FieldType::Int));
    d.addColumn(FieldDef(QStringLiteral("STOKNO"), FieldType::Int));
    d.addColumn(FieldDef(QStringLiteral("BARKOD"), FieldType::String));
    d.addColumn(FieldDef(QStringLiteral("STOKADI"), FieldType::String));
    d.addColumn(FieldDef(QStringLiteral("KDV"), FieldType::Int));
    for (const char *f : {"INDIRIMORANI1", "INDIRIMORANI2", "INDIRIMORANI3", "INDIRIMORANI4"})
        d.addColumn(FieldDef(QString::fromLatin1(f), FieldType::Float));
    const int r = d.appendRow();
    d.set(r, 0, 77);
    d.set(r, 1, 1042);
    d.set(r, 2, QStringLiteral("XY-9"));
    d.set(r, 3, QStringLiteral("Yağ filtresi"));
    d.set(r, 4, 20);
    d.set(r, 5, 12.5);
    d.set(r, 6, 7.0);
    d.set(r, 7, 3.0);
    d.set(r, 8, 0.5);
    ResultTable sepet;
    sepet.loadFromPacket(std::move(d));
    TSonucBilgisi s;
    s.SetCARINO(57);
    s.SetSirano(9);
    const SepetGuncelleArgumanlari a = SepetGuncelleArgumanlariOku(sepet, 0, 77, 4, 99.9, s);
    QCOMPARE(a.carino, 57);
    QCOMPARE(a.stokno, 0);
    QCOMPARE(a.barkod, QStringLiteral("XY-9"));
    QCOMPARE(a.stokadi, QStringLiteral("Yağ filtresi"));
    QCOMPARE(a.miktar, 4.0);
    QCOMPARE(a.kdv, 20.0);
    QCOMPARE(a.fiyat, 99.9);
    QCOMPARE(a.ind1, 12.5);
    QCOMPARE(a.ind2, 7.0);
    QCOMPARE(a.ind3, 3.0);
    QCOMPARE(a.ind4, 0.5);
    QCOMPARE(a.verenid, 9);
    QCOMPARE(a.sepetsirano, 77);
}

void TestSepetHesap::siparisKaydetArgumanlari()
{
    TSonucBilgisi s;
    s.SetCARINO(57);
    s.SetSirano(9);
    const SiparisKaydetArgumanlari a =
        SiparisKaydetArgumanlariOlustur(s, 31, 2, 5, QStringLiteral("a\r\nb"));
    QCOMPARE(a.carino, 57);
    QCOMPARE(a.teslim, 5);
    QCOMPARE(a.kargo, 2);
    QCOMPARE(a.aciklama, QStringLiteral("a\r\nb"));
    QCOMPARE(a.verenid, 9);
    QCOMPARE(a.kargoyeni, 31);
}

void TestSepetHesap::satirSilAciklamasi()
{
    TableData d;
    d.addColumn(FieldDef(QStringLiteral("BARKOD"), FieldType::String));
    d.addColumn(FieldDef(QStringLiteral("STOKADI"), FieldType::String));
    const int r = d.appendRow();
    d.set(r, 0, QStringLiteral("AB-12"));
    d.set(r, 1, QStringLiteral("Şanzıman yağı"));
    ResultTable sepet;
    sepet.loadFromPacket(std::move(d));
    QCOMPARE(SatirSilAciklamasi(sepet, 0), QStringLiteral("AB-12-Şanzıman yağı"));
}

QTEST_GUILESS_MAIN(TestSepetHesap)
#include "test_sepethesap.moc"
