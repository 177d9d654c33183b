// The self-update window: download, save, start with "/silent", end; and its errors.
#include "dosyaindir.h"
#include "modalbekle.h"

#include "mesajgoster.h"
#include "testsunucusu.h"

#include <QFile>
#include <QLabel>
#include <QStandardPaths>
#include <QTcpServer>
#include <QTest>

using namespace dorvanto;
using dorvanto::test::Kayitci;
using dorvanto::test::TestSunucusu;

class DosyaIndirTesti : public QObject {
    Q_OBJECT
    std::unique_ptr<TestSunucusu> sunucu;
    Kayitci kayit;

private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        sunucu = std::make_unique<TestSunucusu>();
        QVERIFY2(sunucu->basladi(), qPrintable(sunucu->hata()));
        kayit.Kur();
    }
    void init()
    {
        MesajSinama::Ac();
        kayit.Sifirla();
        qputenv("DORVANTO_DOWNLOAD_HOST", sunucu->adres().toUtf8());
    }

    void bilgiMetni_data()
    {
        QTest::addColumn<QString>("yerel");
        QTest::addColumn<qint64>("toplam");
        QTest::addColumn<qint64>("alinan");
        QTest::addColumn<QString>("beklenen");
        QTest::newRow("tr yarim") << "tr_TR" << qint64(2 * 1024 * 1024) << qint64(1024 * 1024)
                                  << "Bilgi: %50,00  İndirilen: 1,00/2,00 Mb";
        QTest::newRow("en ucte bir") << "en_US" << qint64(3 * 1024 * 1024) << qint64(1024 * 1024)
                                     << "Bilgi: %33.33  İndirilen: 1.00/3.00 Mb";
        QTest::newRow("tamam") << "tr_TR" << qint64(512 * 1024) << qint64(512 * 1024)
                               << "Bilgi: %100,00  İndirilen: 0,50/0,50 Mb";
    }
    void bilgiMetni()
    {
        QFETCH(QString, yerel);
        QFETCH(qint64, toplam);
        QFETCH(qint64, alinan);
        QFETCH(QString, beklenen);
        QCOMPARE(IndirmeBilgisi(toplam, alinan, QLocale(yerel)), beklenen);
    }

    void pencere()
    {
        Tdosyaindir d(nullptr, 5);
        QCOMPARE(d.windowTitle(), QStringLiteral("Dosya İndir"));
        QCOMPARE(d.size(), QSize(543, 309));
        QCOMPARE(d.findChild<QLabel *>(QStringLiteral("sLabel1"))->text(),
                 QStringLiteral("Dorvanto Otomotiv B2B Programının\nYeni versiyonu indirilecektir\nLütfen Bekleyiniz...!\nVersion: 5-4"));
        QCOMPARE(d.Adres(), sunucu->adres() + QStringLiteral("/exe/DorvantoSetup.exe"));
        QVERIFY(!d.basladi());
        // progress only with a known length
        auto *bilgi = d.findChild<QLabel *>(QStringLiteral("bilgi"));
        d.NetHTTPClient1ReceiveData(0, 100);
        QCOMPARE(bilgi->text(), QString());
        d.NetHTTPClient1ReceiveData(2048, 1024);
        QVERIFY(bilgi->text().startsWith(QStringLiteral("Bilgi: %")));
    }

    void indirirBaslatirBitirir()
    {
        const QString dosya = Tdosyaindir::KurulumDosyasi();
        {
            QFile eski(dosya);
            QVERIFY(eski.open(QIODevice::WriteOnly));
            eski.write("ONCEKI CALISMADAN KALAN");
        }
        Tdosyaindir d(nullptr, 3);
        QCOMPARE(d.exec(), int(QDialog::Accepted));
        QVERIFY(d.basladi());
        QCOMPARE(kayit.cikis, 1);
        QCOMPARE(kayit.baslatilan.size(), 1);
        QCOMPARE(kayit.baslatilan.first().first, dosya);
        QCOMPARE(kayit.baslatilan.first().second, QStringList{QStringLiteral("/silent")});
        QFile f(dosya);
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QByteArray indirilen = f.readAll();
        QCOMPARE(indirilen, sunucu->istek("GET", "/exe/DorvantoSetup.exe").govde);
        QVERIFY(!indirilen.isEmpty());
        QVERIFY(MesajSinama::Kayitlar().isEmpty());
    }

    void hata_data()
    {
        QTest::addColumn<QString>("sunucuAdresi");
        QTcpServer s;
        s.listen(QHostAddress::LocalHost);
        const int kapali = s.serverPort();
        s.close();
        QTest::newRow("baglanti yok") << QStringLiteral("http://127.0.0.1:%1").arg(kapali);
        QTest::newRow("dosya yok 404") << QStringLiteral("%1/olmayan").arg(sunucu->adres());
    }
    void hata()
    {
        QFETCH(QString, sunucuAdresi);
        qputenv("DORVANTO_DOWNLOAD_HOST", sunucuAdresi.toUtf8());
        const QString dosya = Tdosyaindir::KurulumDosyasi();
        {
            QFile eski(dosya);
            QVERIFY(eski.open(QIODevice::WriteOnly));
            eski.write("ESKI");
        }
        Tdosyaindir d(nullptr, 5);
        d.exec();
        QCOMPARE(kayit.cikis, 1);
        QVERIFY(kayit.baslatilan.isEmpty());
        const QList<GosterilenMesaj> k = MesajSinama::Kayitlar();
        QCOMPARE(k.size(), 1);
        QVERIFY(k.first().standart);
        QVERIFY2(k.first().metin.startsWith(QStringLiteral("Hata Oluştu !\nHata: ")), qPrintable(k.first().metin));
        QVERIFY(k.first().metin.size() > QStringLiteral("Hata Oluştu !\nHata: ").size());
        // nothing half-downloaded or left over stays behind as the installer
        QVERIFY(!QFile::exists(dosya));
    }
};

QTEST_MAIN(DosyaIndirTesti)
#include "test_dosyaindir.moc"
