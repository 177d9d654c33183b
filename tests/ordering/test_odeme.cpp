// The "Sanal Pos" tab against the stand-in server: the balance asked on every showing,
// the browser started with the encoded payment address, and each way it can fail.
#include "odeme.h"

#include "baglanti.h"
#include "dagitimdegerleri.h"
#include "dislar.h"
#include "mesajgoster.h"
#include "sepethesap.h"
#include "testsunucusu.h"
#include "transfernesneleri.h"

#include <QJsonObject>
#include <QTest>
#include <QUrl>
#include <QUrlQuery>
#include <QWidget>

using namespace dorvanto;
using dorvanto::test::TestSunucusu;

class OdemeTesti : public QObject {
    Q_OBJECT
    std::unique_ptr<TestSunucusu> sunucu;
    ServerConnection bagc;
    TSonucBilgisi sbilgi;
    QWidget sahip;
    QList<QPair<QString, QStringList>> baslatilan;
    bool baslatmaBasarili = true;
    int stokListesineDonus = 0;

    std::unique_ptr<TOdemeSekmesi> sekme()
    {
        auto s = std::make_unique<TOdemeSekmesi>(bagc, sbilgi, &sahip);
        s->stokListesineDon = [this] { ++stokListesineDonus; };
        return s;
    }

private slots:
    void initTestCase()
    {
        sunucu = std::make_unique<TestSunucusu>();
        QVERIFY2(sunucu->basladi(), qPrintable(sunucu->hata()));
        SetBaglantiBekleyicisi([](int) {});
        SetProgramBaslatici([this](const QString &p, const QStringList &a) {
            baslatilan << qMakePair(p, a);
            return baslatmaBasarili;
        });
        qputenv("DORVANTO_PAYMENT_BASE", "https://odeme.example/");
    }
    void init()
    {
        bagc.setHostName(sunucu->host());
        bagc.setPort(sunucu->port());
        bagc.connectTimeoutMs = 1000;
        sbilgi = TSonucBilgisi();
        sbilgi.SetCARINO(1001);
        sbilgi.SetCariAdi(QStringLiteral("Şahin Oto Yedek Parça & Ticaret"));
        baslatilan.clear();
        baslatmaBasarili = true;
        stokListesineDonus = 0;
        SetTarayiciBulucu([] { return QStringLiteral("/opt/google/chrome/chrome"); });
        MesajSinama::Ac();
        sunucu->reset();
    }
    void cleanup()
    {
        SetTarayiciBulucu({});
        MesajSinama::Kapat();
    }

    void tarayiciAdresleAcilir()
    {
        auto s = sekme();
        QVERIFY(s->ssShow());
        const QString bakiye = CariDurumuVer(bagc, 1001);
        QVERIFY(!bakiye.isEmpty());
        QCOMPARE(baslatilan.size(), 1);
        QCOMPARE(baslatilan[0].first, QStringLiteral("/opt/google/chrome/chrome"));
        const QStringList &a = baslatilan[0].second;
        QCOMPARE(a.size(), 2);
        QCOMPARE(a[0], QStringLiteral("--start-maximized"));
        QCOMPARE(a[1], KodluOdemeAdresi(dagitim::OdemeTabani(), 1001, sbilgi.CariAdi(), bakiye));
        // The address carries no raw blank or Turkish letter and decodes back to the values.
        QVERIFY(!a[1].contains(QLatin1Char(' ')));
        QVERIFY(!a[1].contains(QStringLiteral("Ş")));
        const QUrlQuery q{QUrl(a[1])};
        QCOMPARE(q.queryItemValue(QStringLiteral("carino")), QStringLiteral("1001"));
        QCOMPARE(q.queryItemValue(QStringLiteral("sube")), QStringLiteral("MERKEZ"));
        QCOMPARE(q.queryItemValue(QStringLiteral("firmasi"), QUrl::FullyDecoded), sbilgi.CariAdi());
        QCOMPARE(q.queryItemValue(QStringLiteral("bakiye"), QUrl::FullyDecoded), bakiye);
        QVERIFY(MesajSinama::Kayitlar().isEmpty());
        QCOMPARE(stokListesineDonus, 0);
    }

    void herGosteriteBakiyeYenidenSorulur()
    {
        auto s = sekme();
        QVERIFY(s->ssShow());
        QVERIFY(s->ssShow());
        int sayi = 0;
        for (const QJsonValue v : sunucu->calls())
            sayi += v.toObject().value(QStringLiteral("method")).toString() == QStringLiteral("CariDurumVer");
        QCOMPARE(sayi, 2);
        QCOMPARE(baslatilan.size(), 2);
    }

    void bakiyeYoksaTarayiciAcilmaz_data()
    {
        QTest::addColumn<int>("durum");
        QTest::newRow("unknown customer: empty balance text") << 0;
        QTest::newRow("server error") << 1;
        QTest::newRow("server unreachable") << 2;
    }
    void bakiyeYoksaTarayiciAcilmaz()
    {
        QFETCH(int, durum);
        if (durum == 0)
            sbilgi.SetCARINO(987654);
        else if (durum == 1)
            QVERIFY(sunucu->fault(QStringLiteral("CariDurumVer"), QStringLiteral("error")));
        else
            bagc.setPort(1);
        auto s = sekme();
        QVERIFY(!s->ssShow());
        QVERIFY(baslatilan.isEmpty());
        QCOMPARE(stokListesineDonus, 1);
        // one message, the balance one; the connection check stays silent here
        QCOMPARE(MesajSinama::Kayitlar().size(), 1);
        QCOMPARE(MesajSinama::Kayitlar()[0].metin, QString::fromUtf8(BakiyeAlinamadiMesaji));
        QCOMPARE(MesajSinama::Kayitlar()[0].tur, int(mtHata));
    }

    void tarayiciYoksaUyari()
    {
        SetTarayiciBulucu([] { return QString(); });
        auto s = sekme();
        QVERIFY(!s->ssShow());
        QVERIFY(baslatilan.isEmpty());
        QCOMPARE(MesajSinama::Kayitlar().size(), 1);
        QCOMPARE(MesajSinama::Kayitlar()[0].metin, QString::fromUtf8(TarayiciYokMesaji));
        QCOMPARE(MesajSinama::Kayitlar()[0].tur, int(mtUyari));
        QCOMPARE(stokListesineDonus, 0);
    }

    void tarayiciBaslamazsaHata()
    {
        baslatmaBasarili = false;
        auto s = sekme();
        QVERIFY(!s->ssShow());
        QCOMPARE(baslatilan.size(), 1);
        QCOMPARE(MesajSinama::Kayitlar().size(), 1);
        QVERIFY(MesajSinama::Kayitlar()[0].metin.startsWith(QStringLiteral("Ödeme sayfası açılamadı !")));
        QCOMPARE(MesajSinama::Kayitlar()[0].tur, int(mtHata));
    }
};

QTEST_MAIN(OdemeTesti)
#include "test_odeme.moc"
