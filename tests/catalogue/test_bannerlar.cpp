// The banner loads against the stand-in server: shown when the stream is whole, left
// out when it is shorter than announced or the server fails.
#include "bannerlar.h"
#include "baglanti.h"
#include "mesajgoster.h"
#include "testsunucusu.h"

#include <QLabel>
#include <QMovie>
#include <QtTest>

using namespace dorvanto;

class TestBannerlar : public QObject {
    Q_OBJECT
    std::unique_ptr<test::TestSunucusu> sunucu;
    ServerConnection bagc;

private slots:
    void initTestCase()
    {
        MesajSinama::Ac();
        SetBaglantiBeklemesiMs(5);
        sunucu = std::make_unique<test::TestSunucusu>();
        QVERIFY2(sunucu->basladi(), qPrintable(sunucu->hata()));
        bagc.setHostName(sunucu->host());
        bagc.setPort(sunucu->port());
    }
    void init() { sunucu->reset(); }

    void banner_data()
    {
        QTest::addColumn<int>("tur");
        QTest::addColumn<QString>("yontem");
        QTest::newRow("header") << int(BannerTuru::Ust) << "BannerResimVer";
        QTest::newRow("strip") << int(BannerTuru::Serit) << "BannerResimVer2";
        QTest::newRow("bottom") << int(BannerTuru::Alt) << "BannerResimVer3";
    }
    void banner()
    {
        QFETCH(int, tur);
        QFETCH(QString, yontem);
        BannerKarari k;
        QVERIFY(BannerYukle(bagc, BannerTuru(tur), k));
        // The demo data has all three banners.
        QCOMPARE(int(k.eylem), int(BannerKarari::Goster));
        QVERIFY(k.baytlar.size() >= AltBannerEnAzBayt);

        QVERIFY(sunucu->fault(yontem, "truncate", 1));
        QVERIFY(BannerYukle(bagc, BannerTuru(tur), k));
        QCOMPARE(int(k.eylem), int(BannerKarari::Hicbiri));

        QVERIFY(sunucu->fault(yontem, "error", 1));
        QVERIFY(BannerYukle(bagc, BannerTuru(tur), k));
        QCOMPARE(int(k.eylem), int(BannerKarari::Hicbiri));
        QVERIFY(MesajSinama::Kayitlar().isEmpty());   // server errors are swallowed
    }

    void gosterim()
    {
        QLabel ust, serit, img;
        ust.setFixedSize(409, 100);
        QWidget marquee, panel;
        marquee.hide();
        serit.setFixedHeight(0);
        panel.setFixedHeight(40);
        BannerHedefleri h{&ust, &serit, &img, &marquee, &panel};
        for (BannerTuru t : {BannerTuru::Ust, BannerTuru::Serit, BannerTuru::Alt}) {
            BannerKarari k;
            QVERIFY(BannerYukle(bagc, t, k));
            BannerGoster(t, k, h);
        }
        QVERIFY(ust.movie() && ust.movie()->isValid());
        // the header banner is stretched over its place whatever the GIF's own size
        QCOMPARE(ust.movie()->currentImage().size(), QSize(409, 100));
        QVERIFY(serit.movie() && serit.movie()->isValid());
        QVERIFY(serit.height() > 0);
        QVERIFY(!img.pixmap().isNull());
        QVERIFY(!marquee.isHidden());
        QCOMPARE(panel.height(), img.pixmap().height() + 40);

        // Announced size 0: the strip is cleared to height 0, the bottom panel is 40.
        BannerKarari sifir = BannerKarariVer(BannerTuru::Serit, 0, false, {});
        BannerGoster(BannerTuru::Serit, sifir, h);
        QCOMPARE(serit.height(), 0);
        QVERIFY(!serit.movie());
        BannerGoster(BannerTuru::Alt, BannerKarariVer(BannerTuru::Alt, 0, false, {}), h);
        QCOMPARE(panel.height(), 40);
    }
};

QTEST_MAIN(TestBannerlar)
#include "test_bannerlar.moc"
