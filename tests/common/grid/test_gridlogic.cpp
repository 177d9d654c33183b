#include "gridcolumn.h"

#include <QtTest>

using namespace dorvanto;

class TestGridLogic : public QObject {
    Q_OBJECT
private slots:
    void weights_data()
    {
        QTest::addColumn<QList<int>>("weights");
        QTest::addColumn<QList<bool>>("visible");
        QTest::addColumn<int>("gridWidth");
        QTest::addColumn<QList<int>>("widths");
        // visible weights sum to 20, grid 1030 wide: unit 50, a weight-4 column 200
        QTest::newRow("unit 50") << QList<int>{1, 2, 2, 4, 2, 2, 1, 1, 2, 3}
                                 << QList<bool>{true, true, true, true, true, true, true, true, true, true} << 1030
                                 << QList<int>{50, 100, 100, 200, 100, 100, 50, 50, 100, 150};
        QTest::newRow("hidden columns do not count and stay") << QList<int>{4, 2, 4} << QList<bool>{true, false, true} << 830
                                                              << QList<int>{400, -1, 400};
        // (1000 - 30) / 7 = 138.57..., truncated before the multiplication
        QTest::newRow("unit truncated first") << QList<int>{3, 4} << QList<bool>{true, true} << 1000 << QList<int>{414, 552};
        QTest::newRow("no visible weight: nothing") << QList<int>{0, 0, 3} << QList<bool>{true, true, false} << 900
                                                    << QList<int>{-1, -1, -1};
        QTest::newRow("weight 0 column gets width 0") << QList<int>{0, 1} << QList<bool>{true, true} << 130 << QList<int>{0, 100};
        QTest::newRow("grid narrower than 30: width 0") << QList<int>{1, 2} << QList<bool>{true, true} << 20 << QList<int>{0, 0};
    }
    void weights()
    {
        QFETCH(QList<int>, weights);
        QFETCH(QList<bool>, visible);
        QFETCH(int, gridWidth);
        QFETCH(QList<int>, widths);
        const std::vector<int> got = weightedWidths(std::vector<int>(weights.begin(), weights.end()),
                                                    std::vector<bool>(visible.begin(), visible.end()), gridWidth);
        QCOMPARE(QList<int>(got.begin(), got.end()), widths);
    }

    void weightsSkipFixedColumns()
    {
        const std::vector<int> got = weightedWidths({2, 5, 2}, {true, true, true}, 430, {false, true, false});
        QCOMPARE(got, (std::vector<int>{200, -1, 200}));
    }

    void stretchFillsExactly_data()
    {
        QTest::addColumn<int>("available");
        QTest::newRow("even") << 1000;
        QTest::newRow("odd remainder") << 997;
        QTest::newRow("tiny") << 3;
    }
    void stretchFillsExactly()
    {
        QFETCH(int, available);
        const std::vector<int> got = stretchedWidths({1, 3, 0, 2}, {true, true, true, false}, available);
        QCOMPARE(got[3], -1);
        QCOMPARE(got[0] + got[1] + got[2], available);
        QVERIFY(got[1] >= got[0]);
    }

    void excelFormats_data()
    {
        QTest::addColumn<QString>("picture");
        QTest::addColumn<QString>("excel");
        QTest::newRow("money") << QString(ParaBicimiText()) << "#,##0.00";
        QTest::newRow("two integer digits") << "#,###,##00.00" << "#,#00.00";
        QTest::newRow("no grouping") << "0.000" << "0.000";
        QTest::newRow("optional decimals") << "#,##0.##" << "#,##0.##";
        QTest::newRow("empty") << "" << "";
    }
    void excelFormats()
    {
        QFETCH(QString, picture);
        QFETCH(QString, excel);
        QCOMPARE(excelNumberFormat(picture), excel);
    }

    void columnDefaults()
    {
        const GridColumn c("KDV");
        QCOMPARE(c.headerText(), QString("KDV"));
        QCOMPARE(c.key(), QString("KDV"));
        QVERIFY(c.visible && c.offered);
        const GridColumn b = GridColumn::custom("FIYATBILGISI", "Fiyat Bilgisi", 2, {});
        QCOMPARE(b.key(), QString("FIYATBILGISI"));
        QCOMPARE(b.kind, CellKind::Custom);
        QVERIFY(b.field.isEmpty());
    }

private:
    static const char *ParaBicimiText() { return "#,###,##0.00"; }
};

QTEST_APPLESS_MAIN(TestGridLogic)
#include "test_gridlogic.moc"
