// Tab caption parsing: the count before "=" and the title after it.
#include "sekmebasligi.h"

#include <QTest>

using namespace dorvanto;

class SekmeBasligiTesti : public QObject {
    Q_OBJECT
private slots:
    void coz_data()
    {
        QTest::addColumn<QString>("baslik");
        QTest::addColumn<int>("sayi");
        QTest::addColumn<QString>("gorunen");
        QTest::addColumn<QString>("rozet");
        QTest::newRow("sifir") << "0=Sepet" << 0 << "Sepet" << "";
        QTest::newRow("oniki") << "12=Sepet" << 12 << "Sepet" << "(12)";
        QTest::newRow("esittirsiz") << "Stok Listesi" << 0 << "Stok Listesi" << "";
        QTest::newRow("ilk esittir") << "3=a=b" << 3 << "a=b" << "(3)";
        QTest::newRow("negatif") << "-4=Duyurular" << -4 << "Duyurular" << "";
        QTest::newRow("bosluklu sayi") << " 7 =Sepet" << 7 << "Sepet" << "(7)";
        QTest::newRow("bos sayi") << "=Sepet" << 0 << "Sepet" << "";
        QTest::newRow("kesirli nokta") << "1234.56=Bakiyeler" << 0 << "Bakiyeler" << "(1234.56)";
        QTest::newRow("kesirli virgul") << "12,5=Bakiyeler" << 0 << "Bakiyeler" << "(12,5)";
        QTest::newRow("kesirli sifir") << "0.00=Bakiyeler" << 0 << "Bakiyeler" << "";
        QTest::newRow("metin") << "abc=Sepet" << 0 << "Sepet" << "";
        QTest::newRow("tasan sayi") << "99999999999=Sepet" << 0 << "Sepet" << "(99999999999)";
        QTest::newRow("yalniz esittir") << "=" << 0 << "" << "";
        QTest::newRow("bos") << "" << 0 << "" << "";
    }
    void coz()
    {
        QFETCH(QString, baslik);
        QFETCH(int, sayi);
        QFETCH(QString, gorunen);
        QFETCH(QString, rozet);
        const TSonuc s = SekmeBasligiCoz(baslik);
        QCOMPARE(s.sayi, sayi);
        QCOMPARE(s.baslik, gorunen);
        QCOMPARE(s.rozet, rozet);
    }
    void baslikYuzKarakter()
    {
        const QString uzun(150, QLatin1Char('x'));
        QCOMPARE(SekmeBasligiCoz(QStringLiteral("5=") + uzun).baslik.size(), 100);
        // without "=" the caption is shown whole
        QCOMPARE(SekmeBasligiCoz(uzun).baslik.size(), 150);
    }
    void olustur() { QCOMPARE(SekmeBasligi(0, QStringLiteral("Stok Listesi")), QStringLiteral("0=Stok Listesi")); }
};

QTEST_APPLESS_MAIN(SekmeBasligiTesti)
#include "test_sekmebasligi.moc"
