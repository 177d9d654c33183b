#include "gridmodel.h"
#include "gridsimgeleri.h"
#include "gridtestdata.h"

#include <QtTest>

using namespace dorvanto;
using namespace gridtest;

class TestGridModel : public QObject {
    Q_OBJECT
private:
    ResultTable table;
    ResultTableModel *source = nullptr;
    GridModel *model = nullptr;
    int col(const char *key) const { return model->columnOf(QString::fromLatin1(key)); }

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Turkish, QLocale::Turkey)); }
    void init()
    {
        loadBasket(table);
        source = new ResultTableModel(&table);
        model = new GridModel;
        model->setColumns(basketColumns());
        model->setSource(source);
    }
    void cleanup()
    {
        delete model;
        delete source;
    }

    void columnsMapToFieldsByName()
    {
        QCOMPARE(model->columnCount(), 9);
        QCOMPARE(model->rowCount(), 4);
        QCOMPARE(model->headerData(col("STOKADI"), Qt::Horizontal).toString(), QString("Stok Açıklama"));
        QCOMPARE(model->headerData(col("SIRANO"), Qt::Horizontal).toString(), QString("SIRANO")); // no caption: field name
        QCOMPARE(model->tableColumn(col("NETTUTAR")), table.fieldIndex("NETTUTAR"));
    }

    void textCellsUseTheDisplayFormat()
    {
        QCOMPARE(model->index(0, col("NETTUTAR")).data().toString(), QString("1.234,50"));
        QCOMPARE(model->index(1, col("STOKADI")).data().toString(), QString("YAĞ FİLTRESİ"));
        QCOMPARE(Qt::Alignment(model->index(0, col("NETTUTAR")).data(Qt::TextAlignmentRole).toInt()),
                 Qt::AlignRight | Qt::AlignVCenter);
        QCOMPARE(Qt::Alignment(model->index(0, col("BARKOD")).data(Qt::TextAlignmentRole).toInt()),
                 Qt::AlignLeft | Qt::AlignVCenter);
    }

    void iconCellsShowIconsOnly_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("key");
        QTest::addColumn<bool>("icon");
        QTest::addColumn<QString>("tip");
        QTest::newRow("status 1") << 0 << "DURUM" << true << "Var";
        QTest::newRow("status 0") << 1 << "DURUM" << true << "Yok";
        QTest::newRow("status 5") << 3 << "DURUM" << true << "Tedarik Sürecinde";
        QTest::newRow("picture yes") << 0 << "RESIM" << true << "Var";
        QTest::newRow("picture no") << 1 << "RESIM" << false << "Yok";
        QTest::newRow("picture null") << 3 << "RESIM" << false << "";
    }
    void iconCellsShowIconsOnly()
    {
        QFETCH(int, row);
        QFETCH(QString, key);
        QFETCH(bool, icon);
        QFETCH(QString, tip);
        const QModelIndex i = model->index(row, model->columnOf(key));
        QVERIFY(i.data(Qt::DisplayRole).toString().isEmpty());
        QCOMPARE(!i.data(Qt::DecorationRole).value<QPixmap>().isNull(), icon);
        QCOMPARE(i.data(Qt::ToolTipRole).toString(), tip);
    }

    void statusIconsAreDistinct()
    {
        QSet<QByteArray> seen;
        for (int d = 0; d <= 5; ++d) {
            const QImage img = DurumSimgesi(d, 18).toImage();
            QVERIFY(!img.isNull());
            seen.insert(QByteArray(reinterpret_cast<const char *>(img.constBits()), img.sizeInBytes()));
        }
        QCOMPARE(seen.size(), 6);
        QVERIFY(DurumSimgesi(6).isNull());
        QVERIFY(DurumSimgesi(-1).isNull());
        QCOMPARE(DurumAciklamasi(2), QString("Telefon Açınız"));
        QCOMPARE(DurumAciklamasi(4), QString("Özel Sipariş"));
    }

    void checkBoxIsDrawnNeverEdited()
    {
        const QModelIndex on = model->index(0, col("SEC"));
        const QModelIndex off = model->index(1, col("SEC"));
        QCOMPARE(on.data(Qt::CheckStateRole).toInt(), int(Qt::Checked));
        QCOMPARE(off.data(Qt::CheckStateRole).toInt(), int(Qt::Unchecked));
        QVERIFY(!(model->flags(on) & Qt::ItemIsEditable));
        QVERIFY(!(model->flags(on) & Qt::ItemIsUserCheckable));
        QSignalSpy changed(model, &QAbstractItemModel::dataChanged);
        QVERIFY(!model->setData(off, Qt::Checked, Qt::CheckStateRole));
        QVERIFY(!model->setData(off, 1, Qt::EditRole));
        QCOMPARE(changed.count(), 0);
        QCOMPARE(table.asInteger(1, table.fieldIndex("SEC")), 0);
    }

    void localChangeReachesCellAndFooter()
    {
        QCOMPARE(model->summaryText(col("MIKTAR")), QString("11"));
        QSignalSpy changed(model, &QAbstractItemModel::dataChanged);
        QSignalSpy sums(model, &GridModel::summariesChanged);
        table.setValue(1, table.fieldIndex("SEC"), 1);
        QVERIFY(changed.count() >= 1);
        QCOMPARE(model->index(1, col("SEC")).data(Qt::CheckStateRole).toInt(), int(Qt::Checked));
        QCOMPARE(sums.count(), 0); // SEC carries no summary
        table.setValue(1, table.fieldIndex("MIKTAR"), 15);
        QCOMPARE(sums.count(), 1);
        QCOMPARE(model->summaryText(col("MIKTAR")), QString("21"));
    }

    void footerSummaries()
    {
        QCOMPARE(model->summaryText(col("BARKOD")), QString("4"));
        QCOMPARE(model->summaryText(col("MIKTAR")), QString("11"));
        QCOMPARE(model->summaryText(col("NETTUTAR")), QString("3.879,59"));
        QVERIFY(model->summaryText(col("STOKADI")).isEmpty());
        QCOMPARE(model->summaryValue(col("NETTUTAR")), 1234.5 + 99.99 + 2500.0 + 45.1);
    }

    void filterByDisplayText()
    {
        model->setFilter(col("VEREN"), "ALİ");
        QCOMPARE(model->rowCount(), 2);
        QCOMPARE(model->tableRow(0), 0);
        QCOMPARE(model->tableRow(1), 2);
        QCOMPARE(model->gridRow(2), 1);
        QCOMPARE(model->gridRow(1), -1);
        // the footer follows the filter
        QCOMPARE(model->summaryText(col("BARKOD")), QString("2"));
        QCOMPARE(model->summaryText(col("NETTUTAR")), QString("3.734,50"));
        // icon columns filter by their description
        model->setFilter(col("DURUM"), "Yolda");
        QCOMPARE(model->rowCount(), 1);
        QCOMPARE(model->tableRow(0), 2);
        model->clearFilters();
        QCOMPARE(model->rowCount(), 4);
        QVERIFY(!model->isFiltered());
    }

    void distinctValuesHonourOtherFilters()
    {
        QCOMPARE(model->distinctValues(col("VEREN")), (QStringList{"ALİ", "AYŞE", "VELİ"}));
        // numbers sort by value, not by text
        QCOMPARE(model->distinctValues(col("MIKTAR")), (QStringList{"1", "2", "3", "5"}));
        QCOMPARE(model->distinctValues(col("RESIM")), (QStringList{"", "Yok", "Var"}));
        model->setFilter(col("VEREN"), "ALİ");
        QCOMPARE(model->distinctValues(col("MIKTAR")), (QStringList{"1", "2"}));
        // its own filter does not narrow its own list
        QCOMPARE(model->distinctValues(col("VEREN")).size(), 3);
    }

    void sortByStoredValue()
    {
        model->sort(col("NETTUTAR"), Qt::DescendingOrder);
        QCOMPARE(model->tableRow(0), 2);
        QCOMPARE(model->tableRow(3), 3);
        model->sort(col("BARKOD"), Qt::AscendingOrder);
        QCOMPARE(model->index(0, col("BARKOD")).data().toString(), QString("AB100"));
        QCOMPARE(model->index(1, col("BARKOD")).data().toString(), QString("AB200"));
        QCOMPARE(model->index(2, col("BARKOD")).data().toString(), QString("AB210"));
        model->sort(-1);
        QCOMPARE(model->tableRow(1), 1);
    }

    void sortingForbidden()
    {
        model->setSortingAllowed(false);
        model->sort(col("NETTUTAR"), Qt::DescendingOrder);
        for (int r = 0; r < 4; ++r)
            QCOMPARE(model->tableRow(r), r);
    }

    void groupsWithFooters()
    {
        model->setGroupColumn(col("VEREN"));
        QCOMPARE(model->groupCount(), 3);
        // collapsed: header and footer per group
        QCOMPARE(model->rowCount(), 6);
        QCOMPARE(model->rowKind(0), GridModel::RowKind::GroupHeader);
        QCOMPARE(model->rowKind(1), GridModel::RowKind::GroupFooter);
        QCOMPARE(model->groupText(0), QString("Veren : ALİ"));
        QCOMPARE(model->groupSize(0), 2);
        QCOMPARE(model->groupSummaryText(0, col("BARKOD")), QString("2"));
        QCOMPARE(model->groupSummaryText(0, col("NETTUTAR")), QString("3.734,50"));
        QCOMPARE(model->index(1, col("NETTUTAR")).data().toString(), QString("3.734,50"));
        QCOMPARE(model->tableRow(0), -1);
        // the grand footer still covers every row
        QCOMPARE(model->summaryText(col("BARKOD")), QString("4"));

        QSignalSpy inserted(model, &QAbstractItemModel::rowsInserted);
        model->setGroupExpanded(0, true);
        QCOMPARE(inserted.count(), 1);
        QCOMPARE(model->rowCount(), 8);
        QCOMPARE(model->tableRow(1), 0);
        QCOMPARE(model->tableRow(2), 2);
        QCOMPARE(model->rowKind(3), GridModel::RowKind::GroupFooter);
        model->setGroupExpanded(0, false);
        QCOMPARE(model->rowCount(), 6);

        model->expandAll();
        QCOMPARE(model->rowCount(), 10);
        // a reload keeps the expanded groups expanded
        loadBasket(table);
        QCOMPARE(model->rowCount(), 10);
        model->collapseAll();
        QCOMPARE(model->rowCount(), 6);

        model->setGroupFooters(false);
        QCOMPARE(model->rowCount(), 3);
        model->setGroupColumn(-1);
        QCOMPARE(model->rowCount(), 4);
    }

    void prefixSearch_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("prefix");
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("row");
        QTest::newRow("first match") << "BARKOD" << "AB2" << 0 << 1;
        QTest::newRow("case-insensitive") << "BARKOD" << "cd" << 0 << 2;
        QTest::newRow("from a later row") << "BARKOD" << "AB" << 2 << 3;
        QTest::newRow("no match") << "BARKOD" << "ZZ" << 0 << -1;
        QTest::newRow("formatted numbers") << "NETTUTAR" << "2.5" << 0 << 2;
        QTest::newRow("empty prefix") << "BARKOD" << "" << 0 << -1;
    }
    void prefixSearch()
    {
        QFETCH(QString, key);
        QFETCH(QString, prefix);
        QFETCH(int, from);
        QFETCH(int, row);
        QCOMPARE(model->findPrefix(model->columnOf(key), prefix, from), row);
    }

    void detachedModelHearsNothing()
    {
        QSignalSpy resets(model, &QAbstractItemModel::modelReset);
        model->setSource(nullptr);
        QCOMPARE(resets.count(), 1);
        QCOMPARE(model->rowCount(), 0);
        QVERIFY(model->summaryText(col("BARKOD")).isEmpty());
        TableData big = basketData();
        for (int i = 0; i < 100; ++i) {
            const int r = big.appendRow();
            big.set(r, 3, QStringLiteral("X%1").arg(i));
        }
        table.assign(std::move(big));
        table.setValue(0, 0, 0);
        QCOMPARE(resets.count(), 1);
        model->setSource(source);
        QCOMPARE(resets.count(), 2);
        QCOMPARE(model->rowCount(), 104);
    }

    void resetsWhileTheTableIsDisabled()
    {
        // the table's update bracket is one reset, however many loads happen inside it
        QSignalSpy resets(model, &QAbstractItemModel::modelReset);
        table.disableControls();
        QCOMPARE(model->rowCount(), 0);
        table.loadFromPacket(basketData());
        table.emptyTable();
        table.loadFromPacket(basketData());
        QCOMPARE(resets.count(), 0);
        table.enableControls();
        QCOMPARE(resets.count(), 1);
        QCOMPARE(model->rowCount(), 4);
        // detaching inside the bracket is fine too
        table.disableControls();
        model->setSource(nullptr);
        table.enableControls();
        QCOMPARE(model->rowCount(), 0);
        model->setSource(source);
        QCOMPARE(model->rowCount(), 4);
    }

    void missingFieldGivesEmptyCells()
    {
        std::vector<GridColumn> cols = basketColumns();
        cols.push_back(GridColumn("YOKBOYLE", "Yok"));
        model->setColumns(cols);
        const int c = model->columnOf("YOKBOYLE");
        QCOMPARE(model->tableColumn(c), -1);
        QVERIFY(model->index(0, c).data().toString().isEmpty());
        QCOMPARE(model->findPrefix(c, "A"), -1);
    }
};

QTEST_MAIN(TestGridModel)
#include "test_gridmodel.moc"
