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
};

QTEST_GUILESS_MAIN(TestYardimci)
#include "test_yardimci.moc"
