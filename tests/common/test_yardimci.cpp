#include "sayibicimi.h"
#include "sonuctablosu.h"
#include "yardimci.h"

#include <QtTest>

using namespace dorvanto;

class TestYardimci : public QObject {
    Q_OBJECT
private slots:
    void moneyFormat_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("text");
        QTest::newRow("tr grouping") << "tr_TR" << 1234567.5 << "1.234.567,50";
        QTest::newRow("en grouping") << "en_US" << 1234567.5 << "1,234,567.50";
        QTest::newRow("tr zero keeps integer digit") << "tr_TR" << 0.0 << "0,00";
        QTest::newRow("tr negative") << "tr_TR" << -1234.005 << "-1.234,01";
        QTest::newRow("tr below half") << "tr_TR" << 1.005 << "1,00";
        QTest::newRow("tr carry") << "tr_TR" << 999.995 << "1.000,00";
    }
    void moneyFormat()
    {
        QFETCH(QString, locale);
        QFETCH(double, value);
        QFETCH(QString, text);
        QCOMPARE(FormatFloat(QLatin1String(ParaBicimi), value, QLocale(locale)), text);
    }

    void roundingPicture()
    {
        QCOMPARE(FormatFloat("#,###,##.00", 0.5, QLocale("tr_TR")), QString(",50"));
        QCOMPARE(FormatFloat("#,###,##.00", 0.5, QLocale("en_US")), QString(".50"));
    }

    void ikiHane_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<double>("in");
        QTest::addColumn<double>("out");
        for (const char *loc : {"tr_TR", "en_US", "de_CH"}) {
            QTest::addRow("%s 2.345", loc) << loc << 2.345 << 2.35;
            QTest::addRow("%s 1.005", loc) << loc << 1.005 << 1.0;
            QTest::addRow("%s 0.5", loc) << loc << 0.5 << 0.5;
            QTest::addRow("%s 1234567.891", loc) << loc << 1234567.891 << 1234567.89;
            QTest::addRow("%s -2.345", loc) << loc << -2.345 << -2.35;
            QTest::addRow("%s 0.125 exact half", loc) << loc << 0.125 << 0.13;
            QTest::addRow("%s 0", loc) << loc << 0.0 << 0.0;
        }
    }
    void ikiHane()
    {
        QFETCH(QString, locale);
        QFETCH(double, in);
        QFETCH(double, out);
        QCOMPARE(IkiHaneYuvarla(in, QLocale(locale)), out);
    }

    void paraFormatlaOnlyPlainFloats()
    {
        TableData d;
        d.addColumn({"FIYAT", FieldType::Float});
        d.addColumn({"TUTAR", FieldType::Currency});
        d.addColumn({"MIKTAR", FieldType::Int});
        const int r = d.appendRow();
        d.set(r, 0, 1234567.5);
        d.set(r, 1, 1234567.5);
        d.set(r, 2, 3);
        ResultTable t;
        t.loadFromPacket(std::move(d));
        QLocale::setDefault(QLocale("tr_TR"));
        ParaFormatla(t);
        QCOMPARE(t.fieldDef(0).displayFormat, QString("#,###,##0.00"));
        QVERIFY(t.fieldDef(1).displayFormat.isEmpty());
        QVERIFY(t.fieldDef(2).displayFormat.isEmpty());
        QCOMPARE(t.displayText(0, 0), QString("1.234.567,50"));
        QCOMPARE(t.asFloat(0, 0), 1234567.5); // the stored value is not changed
        QLocale::setDefault(QLocale::c());
    }
    void urlKodla_data()
    {
        QTest::addColumn<QString>("url");
        QTest::addColumn<QString>("beklenen");
        QTest::newRow("separators left alone") << "http://h.example:9090/a/b/pelyaro.html?carino=1&sube=2"
                                               << "http://h.example:9090/a/b/pelyaro.html?carino=1&sube=2";
        QTest::newRow("blank in query") << "http://h/p.html?firmasi=Oto Parça" << "http://h/p.html?firmasi=Oto%20Par%C3%A7a";
        QTest::newRow("s cedilla") << "http://h/p?x=\u015f" << "http://h/p?x=%C5%9F";
        QTest::newRow("plus kept in query") << "http://h/p?bakiye=+12" << "http://h/p?bakiye=+12";
        QTest::newRow("plus escaped in path") << "http://h/a+b.html" << "http://h/a%2Bb.html";
        QTest::newRow("blank in path") << "http://h/my docs/x.pdf" << "http://h/my%20docs/x.pdf";
        QTest::newRow("specials in path") << "http://h/*<>%\"{}|\\^[]`" << "http://h/%2A%3C%3E%25%22%7B%7D%7C%5C%5E%5B%5D%60";
        QTest::newRow("specials in query") << "http://h/?a=<b>&c=50%" << "http://h/?a=%3Cb%3E&c=50%25";
        QTest::newRow("fragment as it stands") << "http://h/p?a=1#k l" << "http://h/p?a=1#k l";
        QTest::newRow("no path") << "http://h.example:9090" << "http://h.example:9090";
        QTest::newRow("no scheme") << "pelyaro.html?firmasi=A B" << "pelyaro.html?firmasi=A%20B";
        QTest::newRow("turkish in path") << "http://h/\u0130ndir/\u00e7" << "http://h/%C4%B0ndir/%C3%A7";
    }
    void urlKodla()
    {
        QFETCH(QString, url);
        QFETCH(QString, beklenen);
        QCOMPARE(UrlKodla(url), beklenen);
    }

    void chromeYolu()
    {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString yer = dir.filePath("yer/chrome");
        const QString pathDir = dir.filePath("bin");
        QVERIFY(QDir().mkpath(dir.filePath("yer")));
        QVERIFY(QDir().mkpath(pathDir));
        // nothing installed anywhere
        QVERIFY(ChromeYolu({yer}, {pathDir}).isEmpty());
        QVERIFY(ChromeYolu({}, {}).isEmpty());
        // a browser on PATH
        QFile p(pathDir + "/chromium");
        QVERIFY(p.open(QIODevice::WriteOnly));
        p.close();
        QVERIFY(ChromeYolu({yer}, {pathDir}).isEmpty()); // not executable: not a program
        p.setPermissions(QFile::ReadOwner | QFile::ExeOwner);
        QCOMPARE(ChromeYolu({yer}, {pathDir}), pathDir + "/chromium");
        // a fixed place comes first
        QFile f(yer);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.close();
        f.setPermissions(QFile::ReadOwner | QFile::ExeOwner);
        QCOMPARE(ChromeYolu({yer}, {pathDir}), yer);
    }

    void ieSurumuIsZero() { QCOMPARE(IeSurumu(), 0); }

    void folders()
    {
        QStandardPaths::setTestModeEnabled(true);
        QVERIFY(!BelgelerKlasoru().isEmpty());
        QVERIFY(!YerelVeriKlasoru().isEmpty());
        QVERIFY(YerelVeriKlasoru() != BelgelerKlasoru());
        QStandardPaths::setTestModeEnabled(false);
    }
};

QTEST_GUILESS_MAIN(TestYardimci)
#include "test_yardimci.moc"
