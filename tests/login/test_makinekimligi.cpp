// Computer ID rules with a fake source of disk serials and adapters, the 15-character
// names, trimming, and the real sysfs reader on a fake /sys/block tree.
#include "makinekimligi.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using namespace dorvanto;

namespace {
class SahteKaynak : public KimlikKaynagi {
public:
    QString seri;
    QList<Adaptor> adaptorler;
    QString DiskSeriNo() const override { return seri; }
    QList<Adaptor> Adaptorler() const override { return adaptorler; }
};

KimlikKaynagi::Adaptor Adaptor(const QByteArray &hex, bool okunabildi = true)
{
    KimlikKaynagi::Adaptor a;
    a.okunabildi = okunabildi;
    a.adres = QByteArray::fromHex(hex);
    return a;
}
} // namespace

Q_DECLARE_METATYPE(QList<dorvanto::KimlikKaynagi::Adaptor>)

class MakineKimligiTesti : public QObject {
    Q_OBJECT
private slots:
    void bilgisayarId_data()
    {
        QTest::addColumn<QString>("seri");
        QTest::addColumn<QList<KimlikKaynagi::Adaptor>>("adaptorler");
        QTest::addColumn<QString>("beklenen");
        const QList<KimlikKaynagi::Adaptor> yok;
        const QList<KimlikKaynagi::Adaptor> bir{Adaptor("001a2b3c4d5e")};
        QTest::newRow("seri") << "WD123456" << bir << "WD123456";
        QTest::newRow("bosluklar bas ic son") << "  WD 12 34 56  " << bir << "WD123456";
        QTest::newRow("kucuk harf buyur") << "ab12cd" << yok << "AB12CD";
        QTest::newRow("sekme ve satir sonu kirpilir") << "\tXY 9\r\n" << yok << "XY9";
        QTest::newRow("seri yok adaptor") << "" << bir << "00-1A-2B-3C-4D-5E";
        QTest::newRow("yalniz bosluk seri adaptor") << "   " << bir << "00-1A-2B-3C-4D-5E";
        QTest::newRow("sifir adaptor atlanir")
            << "" << QList<KimlikKaynagi::Adaptor>{Adaptor("000000000000"), Adaptor("a0b1c2d3e4f5")}
            << "A0-B1-C2-D3-E4-F5";
        QTest::newRow("ilk okunamayan arama biter")
            << "" << QList<KimlikKaynagi::Adaptor>{Adaptor("", false), Adaptor("a0b1c2d3e4f5")} << "";
        QTest::newRow("sifirdan sonra okunamayan")
            << "" << QList<KimlikKaynagi::Adaptor>{Adaptor("000000000000"), Adaptor("", false)} << "";
        QTest::newRow("hepsi sifir") << "" << QList<KimlikKaynagi::Adaptor>{Adaptor("000000000000")} << "";
        QTest::newRow("ikinci gercek adaptor kullanilmaz")
            << "" << QList<KimlikKaynagi::Adaptor>{Adaptor("001a2b3c4d5e"), Adaptor("a0b1c2d3e4f5")}
            << "00-1A-2B-3C-4D-5E";
        QTest::newRow("hic adaptor yok") << "" << yok << "";
        QTest::newRow("takma ad 15") << "WDWCC4N7KX2P1ZA" << yok << "100200300400";
        QTest::newRow("takma ad bosluklu") << " S3Z9 NB0K 8123 45X " << yok << "100200300400";
        QTest::newRow("takma ad 40")
            << "4a3f_0b21_9c7d_11e2_8f00_ac1f_6b2d_0e14." << yok << "2003004005006";
        QTest::newRow("takma ad tam esit olmali") << "WDWCC4N7KX2P1ZAX" << yok << "WDWCC4N7KX2P1ZAX";
    }
    void bilgisayarId()
    {
        QFETCH(QString, seri);
        QFETCH(QList<KimlikKaynagi::Adaptor>, adaptorler);
        QFETCH(QString, beklenen);
        SahteKaynak k;
        k.seri = seri;
        k.adaptorler = adaptorler;
        QCOMPARE(BilgisayarIdAl(k, TakmaAdlar()), beklenen);
    }
    void takmaAdTablosuSekli()
    {
        const TakmaAdTablosu &t = TakmaAdlar();
        QCOMPARE(int(t.size()), 3);
        QCOMPARE(t[0].first.size(), 15);
        QCOMPARE(t[1].first.size(), 15);
        QCOMPARE(t[2].first.size(), 40);
        QCOMPARE(t[0].second, t[1].second);
        QCOMPARE(t[0].second.size(), 12);
        QCOMPARE(t[2].second.size(), 13);
    }
    void ozelTablo()
    {
        SahteKaynak k;
        k.seri = QStringLiteral("ABC");
        QCOMPARE(BilgisayarIdAl(k, {{QStringLiteral("ABC"), QStringLiteral("42")}}), QStringLiteral("42"));
    }
    void onbesKarakter()
    {
        QCOMPARE(OnbesKarakterSiniri(QStringLiteral("123456789012345")), QStringLiteral("123456789012345"));
        QCOMPARE(OnbesKarakterSiniri(QStringLiteral("1234567890123456")), QString());
        QVERIFY(BilgisayarAdiAl().size() <= 15);
        QVERIFY(KullaniciAdiAl().size() <= 15);
    }
    void kirp()
    {
        QCOMPARE(Kirp(QStringLiteral("\x01 a b \x1f")), QStringLiteral("a b"));
        QCOMPARE(Kirp(QStringLiteral("   ")), QString());
    }
    void yerelIp()
    {
        const QString ip = YerelIpAl();
        QCOMPARE(ip.count(QLatin1Char('.')), 3);
    }
    void sysfsOkuyucu()
    {
        QTemporaryDir d;
        QDir k(d.path());
        // loop devices are no disks; the first real disk in name order wins
        for (const char *yol : {"loop0/device", "sda/device", "sdb/device"})
            QVERIFY(k.mkpath(QLatin1String(yol)));
        auto yaz = [&](const char *yol, const QByteArray &icerik) {
            QFile f(k.filePath(QLatin1String(yol)));
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(icerik);
        };
        yaz("loop0/device/serial", "LOOPSERI");
        yaz("sdb/device/serial", "IKINCI");
        SistemKimlikKaynagi kaynak(d.path());
        QCOMPARE(kaynak.DiskSeriNo(), QString());   // sda has none: not taken from sdb
        yaz("sda/serial", "  S 1 2\n");
        QCOMPARE(BilgisayarIdAl(kaynak, {}), QStringLiteral("S12"));
        yaz("sda/device/serial", "DEVSERI\n");
        QCOMPARE(Kirp(kaynak.DiskSeriNo()), QStringLiteral("DEVSERI"));
    }
    void ayarKlasoru()
    {
        QStandardPaths::setTestModeEnabled(true);
        const QString k = AyarKlasoru();
        QVERIFY(k.endsWith(QStringLiteral("/dorvanto")));
        QVERIFY(QDir(k).exists());
    }
};

QTEST_GUILESS_MAIN(MakineKimligiTesti)
#include "test_makinekimligi.moc"
