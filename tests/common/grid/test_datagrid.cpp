#include "datagrid.h"
#include "gridtestdata.h"

#include <QBuffer>
#include <QHeaderView>
#include <QListWidget>
#include <QTableView>
#include <QtTest>

using namespace dorvanto;
using namespace gridtest;

class TestDataGrid : public QObject {
    Q_OBJECT
private:
    ResultTable *table = nullptr;
    DataGrid *grid = nullptr;

    QTableView *view() const { return grid->view(); }
    QHeaderView *header() const { return grid->view()->horizontalHeader(); }
    QPoint cellCenter(int gridRow, const char *key) const
    {
        const int c = grid->columnIndex(QString::fromLatin1(key));
        return view()->visualRect(grid->gridModel()->index(gridRow, c)).center();
    }
    QPoint filterButton(const char *key) const
    {
        const int c = grid->columnIndex(QString::fromLatin1(key));
        const int x = header()->sectionViewportPosition(c) + header()->sectionSize(c) - 4 - 7;
        return QPoint(x, header()->height() / 2);
    }
    QListWidget *popupList(QWidget *popup, const char *name) const
    {
        return popup ? popup->findChild<QListWidget *>(QString::fromLatin1(name)) : nullptr;
    }
    QStringList itemTexts(QListWidget *list) const
    {
        QStringList out;
        for (int i = 0; i < list->count(); ++i)
            out << list->item(i)->text();
        return out;
    }

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Turkish, QLocale::Turkey)); }
    void init()
    {
        table = new ResultTable;
        loadBasket(*table);
        grid = new DataGrid;
        grid->setColumns(basketColumns());
        grid->setRowHeight(30);
        grid->setHeaderHeight(40);
        grid->setFilterButtons(true);
        grid->setFooterVisible(true);
        grid->bind(table);
        grid->resize(1030, 400);
        grid->show();
        QVERIFY(QTest::qWaitForWindowExposed(grid));
    }
    void cleanup()
    {
        delete grid;
        delete table;
    }

    void bindsWithoutCopying()
    {
        QCOMPARE(grid->rowCount(), 4);
        QCOMPARE(view()->model(), grid->gridModel());
        QCOMPARE(grid->gridModel()->table(), table);
        QVERIFY(view()->isColumnHidden(grid->columnIndex("SIRANO")));
        QCOMPARE(view()->verticalHeader()->defaultSectionSize(), 30);
        QCOMPARE(header()->height(), 40);
        QCOMPARE(view()->selectionBehavior(), QAbstractItemView::SelectRows);
        QCOMPARE(view()->editTriggers(), QAbstractItemView::NoEditTriggers);
    }

    void weightsLayoutRule()
    {
        // visible weights sum to 20, a grid 1030 wide: unit 50
        std::vector<GridColumn> cols;
        const int weights[] = {1, 2, 2, 2, 4, 2, 1, 2, 2, 2};
        for (int i = 0; i < 10; ++i)
            cols.push_back(GridColumn(QStringLiteral("F%1").arg(i), {}, weights[i]));
        cols.push_back(GridColumn("GIZLI", {}, 7).hidden());
        grid->setColumns(cols);
        grid->setColumnWidth("GIZLI", 33);
        QSignalSpy resized(grid, &DataGrid::resized);
        grid->resize(1030, 300);
        QVERIFY(resized.count() >= 1);
        grid->applyWeights();
        QCOMPARE(grid->columnWidth("F4"), 200);
        QCOMPARE(grid->columnWidth("F0"), 50);
        QCOMPARE(grid->columnWidth("F1"), 100);
        QVERIFY(grid->isVisible() && grid->updatesEnabled()); // the bracket is closed again
        // nothing changes when no weighted column is visible
        for (int i = 0; i < 10; ++i)
            grid->setColumnVisible(QStringLiteral("F%1").arg(i), false);
        grid->applyWeights(500);
        QCOMPARE(grid->columnWidth("F0"), 0); // hidden
        grid->setColumnVisible("GIZLI", true);
        QCOMPARE(grid->columnWidth("GIZLI"), 33); // the rule left it alone
        QCOMPARE(grid->columnWidth("F4"), 0);
    }

    void autoWidthFillsTheView()
    {
        auto visibleSum = [this] {
            int sum = 0;
            for (int c = 0; c < grid->columnCount(); ++c)
                if (!view()->isColumnHidden(c))
                    sum += header()->sectionSize(c);
            return sum;
        };
        grid->setAutoWidth(true);
        QCOMPARE(visibleSum(), view()->viewport()->width());
        grid->setColumnVisible("STOKADI", false);
        QCOMPARE(visibleSum(), view()->viewport()->width());
        grid->resize(700, 300);
        QApplication::processEvents();
        QCOMPARE(visibleSum(), view()->viewport()->width());
    }

    void chooserOffersOnlyOfferedColumns()
    {
        grid->setColumnOffered("VEREN", false);
        grid->showColumnChooser();
        QListWidget *list = popupList(grid->columnChooser(), "kolonListesi");
        QVERIFY(list);
        QCOMPARE(itemTexts(list), (QStringList{"Durum", "Resim", "Barkod", "Stok Açıklama", "Miktar", "Net Tutar"}));
        QSignalSpy vis(grid, &DataGrid::columnVisibilityChanged);
        list->item(0)->setCheckState(Qt::Unchecked);
        QVERIFY(!grid->isColumnVisible("DURUM"));
        QCOMPARE(vis.count(), 1);
        QCOMPARE(vis.at(0).at(1).toBool(), false);
        list->item(0)->setCheckState(Qt::Checked);
        QVERIFY(grid->isColumnVisible("DURUM"));
        // a hidden offered column comes in unticked and can be shown
        grid->columnChooser()->close();
        grid->setColumnVisible("MIKTAR", false);
        grid->showColumnChooser();
        list = popupList(grid->columnChooser(), "kolonListesi");
        QVERIFY(list);
        QCOMPARE(list->item(4)->checkState(), Qt::Unchecked);
        list->item(4)->setCheckState(Qt::Checked);
        QVERIFY(grid->isColumnVisible("MIKTAR"));
        QVERIFY(grid->columnWidth("MIKTAR") > 8);
    }

    void chooserButtonWithRowIndicator()
    {
        grid->setRowIndicator(true);
        auto *button = view()->findChild<QWidget *>("kolonSecimDugmesi");
        QVERIFY(button);
        QVERIFY(button->isVisible());
        QTest::mouseClick(button, Qt::LeftButton);
        QVERIFY(grid->columnChooser());
    }

    void footerSums()
    {
        QVERIFY(grid->footer()->isVisible());
        QCOMPARE(grid->footerText("BARKOD"), QString("4"));
        QCOMPARE(grid->footerText("MIKTAR"), QString("11"));
        QCOMPARE(grid->footerText("NETTUTAR"), QString("3.879,59"));
        QVERIFY(grid->footerText("VEREN").isEmpty());
        grid->setColumnFilter("VEREN", "VELİ");
        QCOMPARE(grid->footerText("NETTUTAR"), QString("99,99"));
        grid->clearFilter();
        QCOMPARE(grid->footerText("NETTUTAR"), QString("3.879,59"));
    }

    void incrementalSearch()
    {
        view()->setFocus();
        grid->focusRow(0);
        grid->setFocusedColumn("BARKOD");
        QTest::keyClicks(view(), "ab2");
        QCOMPARE(grid->searchText(), QString("ab2"));
        QCOMPARE(grid->focusedRow(), 1);
        QCOMPARE(table->recNo(), 1);
        QTest::keyClick(view(), '1');
        QCOMPARE(grid->focusedRow(), 3);
        // a character no row continues with is not taken
        QTest::keyClick(view(), 'x');
        QCOMPARE(grid->searchText(), QString("ab21"));
        QCOMPARE(grid->focusedRow(), 3);
        QTest::keyClick(view(), Qt::Key_Backspace);
        QCOMPARE(grid->searchText(), QString("ab2"));
        QCOMPARE(grid->focusedRow(), 1);
        QTest::keyClick(view(), Qt::Key_Escape);
        QVERIFY(grid->searchText().isEmpty());
        // the focused column decides: "ALİ" is found in Veren, not in Barkod
        grid->setFocusedColumn("VEREN");
        QTest::keyClicks(view(), "AY");
        QCOMPARE(grid->focusedRow(), 3);
        // moving the focus ends the search
        QTest::keyClick(view(), Qt::Key_Up);
        QVERIFY(grid->searchText().isEmpty());
    }

    void filterPopup()
    {
        QTest::mouseClick(header()->viewport(), Qt::LeftButton, {}, filterButton("VEREN"));
        QListWidget *list = popupList(grid->filterPopup(), "filtreListesi");
        QVERIFY(list);
        QCOMPARE(itemTexts(list), (QStringList{"(Tümü)", "ALİ", "AYŞE", "VELİ"}));
        QCOMPARE(grid->gridModel()->sortColumn(), -1); // the button does not sort
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(1)).center());
        QTRY_VERIFY(!grid->filterPopup());
        QVERIFY(grid->isFiltered());
        QCOMPARE(grid->rowCount(), 2);
        QCOMPARE(grid->gridModel()->tableRow(1), 2);
        // "(Tümü)" lifts the column's filter
        QTest::mouseClick(header()->viewport(), Qt::LeftButton, {}, filterButton("VEREN"));
        list = popupList(grid->filterPopup(), "filtreListesi");
        QVERIFY(list);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(0)).center());
        QCOMPARE(grid->rowCount(), 4);
        // cleared by code
        grid->setColumnFilter("DURUM", "Var");
        QCOMPARE(grid->rowCount(), 1);
        grid->clearFilter();
        QVERIFY(!grid->isFiltered());
        QCOMPARE(grid->rowCount(), 4);
    }

    void checkBoxCellDoesNotEdit()
    {
        const int sec = table->fieldIndex("SEC");
        QSignalSpy changed(table, &ResultTable::valueChanged);
        QTest::mouseClick(view()->viewport(), Qt::LeftButton, {}, cellCenter(1, "SEC"));
        QCOMPARE(grid->focusedRow(), 1);
        QTest::mouseDClick(view()->viewport(), Qt::LeftButton, {}, cellCenter(1, "SEC")); // after the click above
        QTest::keyClick(view(), Qt::Key_Space);
        QTest::keyClick(view(), Qt::Key_F2);
        QCOMPARE(table->asInteger(1, sec), 0);
        QCOMPARE(changed.count(), 0);
        QVERIFY(!view()->indexWidget(grid->gridModel()->index(1, grid->columnIndex("SEC"))));
        // a change made by the screen is shown
        table->setValue(1, sec, 1);
        QCOMPARE(grid->gridModel()->index(1, grid->columnIndex("SEC")).data(Qt::CheckStateRole).toInt(), int(Qt::Checked));
    }

    void detachAndAttach()
    {
        QSignalSpy resets(grid->gridModel(), &QAbstractItemModel::modelReset);
        grid->detach();
        grid->beginUpdate();
        QCOMPARE(grid->rowCount(), 0);
        QCOMPARE(resets.count(), 1);
        TableData big = basketData();
        for (int i = 0; i < 1000; ++i) {
            const int r = big.appendRow();
            big.set(r, 3, QStringLiteral("X%1").arg(i));
            big.set(r, 5, 1);
        }
        table->loadFromPacket(std::move(big));
        table->setValue(0, 0, 0);
        table->setRecNo(7);
        QCOMPARE(resets.count(), 1);
        QCOMPARE(grid->rowCount(), 0);
        QVERIFY(!grid->isAttached());
        grid->attach();
        grid->endUpdate();
        QVERIFY(grid->isAttached());
        QCOMPARE(resets.count(), 2);
        QCOMPARE(grid->rowCount(), 1004);
        QCOMPARE(grid->footerText("MIKTAR"), QString("1011"));
        QCOMPARE(grid->focusedRow(), 7); // the table's cursor
        // detach nests
        grid->detach();
        grid->detach();
        grid->attach();
        QCOMPARE(grid->rowCount(), 0);
        grid->attach();
        QCOMPARE(grid->rowCount(), 1004);
    }

    void updateModeNests()
    {
        grid->beginUpdate();
        grid->beginUpdate();
        QVERIFY(!grid->updatesEnabled());
        grid->endUpdate();
        QVERIFY(grid->inUpdate());
        grid->endUpdate();
        QVERIFY(!grid->inUpdate());
        QVERIFY(grid->updatesEnabled());
        grid->endUpdate(); // an extra end is harmless
        QVERIFY(grid->updatesEnabled());
    }

    void focusFollowsTheTableCursorAndMovesIt()
    {
        QSignalSpy focus(grid, &DataGrid::focusedRowChanged);
        table->setRecNo(2);
        QCOMPARE(grid->focusedRow(), 2);
        QCOMPARE(focus.count(), 1);
        QCOMPARE(focus.at(0).at(0).toInt(), 2);
        QTest::mouseClick(view()->viewport(), Qt::LeftButton, {}, cellCenter(3, "BARKOD"));
        QCOMPARE(table->recNo(), 3);
        QCOMPARE(grid->focusedValue("SIRANO").toInt(), 14);
        // a reload puts the focus on the table's first row
        loadBasket(*table);
        QCOMPARE(grid->focusedRow(), 0);
        QCOMPARE(focus.last().at(0).toInt(), 0);
    }

    void doubleClickOpensDataRowsOnly()
    {
        QSignalSpy opened(grid, &DataGrid::rowDoubleClicked);
        // a real double click: press, release, then the double-click event
        QTest::mouseClick(view()->viewport(), Qt::LeftButton, {}, cellCenter(2, "STOKADI"));
        QTest::mouseDClick(view()->viewport(), Qt::LeftButton, {}, cellCenter(2, "STOKADI"));
        QCOMPARE(opened.count(), 1);
        QCOMPARE(opened.at(0).at(0).toInt(), 2);
        grid->groupBy("VEREN");
        QTest::mouseClick(view()->viewport(), Qt::LeftButton, {}, cellCenter(0, "STOKADI"));
        QTest::mouseDClick(view()->viewport(), Qt::LeftButton, {}, cellCenter(0, "STOKADI"));
        QCOMPARE(opened.count(), 1);
    }

    void bestFitMeasuresContent()
    {
        grid->setColumnWidth("STOKADI", 20);
        grid->setColumnWidth("NETTUTAR", 20);
        grid->bestFit();
        const QFontMetrics fm = view()->fontMetrics();
        QVERIFY(grid->columnWidth("STOKADI") >= fm.horizontalAdvance("AMORTİSÖR ARKA SAĞ"));
        QVERIFY(grid->columnWidth("NETTUTAR") >= fm.horizontalAdvance("2.500,00"));
        QVERIFY(grid->columnWidth("NETTUTAR") >= QFontMetrics(header()->font()).horizontalAdvance("Net Tutar"));
        // a long text far down the table is found without measuring every row
        TableData d = basketData();
        for (int i = 0; i < 5000; ++i) {
            const int r = d.appendRow();
            d.set(r, 4, QStringLiteral("KISA"));
        }
        const QString longest = QStringLiteral("ÇOK UZUN BİR AÇIKLAMA METNİ, TABLONUN EN SONUNDA DURUYOR");
        d.set(d.rowCount - 1, 4, longest);
        table->loadFromPacket(std::move(d));
        grid->bestFit();
        QVERIFY(grid->columnWidth("STOKADI") >= fm.horizontalAdvance(longest));
    }

    void groupingWithGroupRows()
    {
        grid->setGroupByBoxVisible(true);
        QVERIFY(grid->groupByBoxVisible());
        grid->groupBy("VEREN");
        QCOMPARE(grid->groupedBy(), QString("VEREN"));
        QCOMPARE(grid->rowCount(), 6);
        // a click on a group row opens it
        QTest::mouseClick(view()->viewport(), Qt::LeftButton, {}, cellCenter(0, "BARKOD"));
        QCOMPARE(grid->rowCount(), 8);
        QCOMPARE(grid->gridModel()->index(3, grid->columnIndex("NETTUTAR")).data().toString(), QString("3.734,50"));
        grid->collapseAll();
        QCOMPARE(grid->rowCount(), 6);
        grid->groupBy(QString());
        QCOMPARE(grid->rowCount(), 4);
    }

    void dragHeaderOntoGroupByBox()
    {
        grid->setGroupByBoxVisible(true);
        QApplication::processEvents();
        auto *box = grid->findChild<QWidget *>("groupByBox");
        QVERIFY(box && box->isVisible());
        const int c = grid->columnIndex("VEREN");
        const QPoint press(header()->sectionViewportPosition(c) + 10, header()->height() / 2);
        const QPoint onBox = header()->viewport()->mapFromGlobal(box->mapToGlobal(box->rect().center()));
        QVERIFY(onBox.y() < 0);
        QTest::mousePress(header()->viewport(), Qt::LeftButton, {}, press);
        QTest::mouseMove(header()->viewport(), QPoint(press.x(), -2));
        QTest::mouseMove(header()->viewport(), onBox);
        QTest::mouseRelease(header()->viewport(), Qt::LeftButton, {}, onBox);
        QCOMPARE(grid->groupedBy(), QString("VEREN"));
        QCOMPARE(grid->gridModel()->sortColumn(), -1); // the press did not become a sort
        QCOMPARE(header()->visualIndex(c), c);         // nor a column move
        QCOMPARE(grid->rowCount(), 6);
        // the chip's remove button ends the grouping
        auto *groupBox = static_cast<QWidget *>(box);
        QTest::mouseClick(groupBox, Qt::LeftButton, {}, QPoint(8 + groupBox->fontMetrics().horizontalAdvance("Veren") + 34 - 10, groupBox->height() / 2));
        QVERIFY(grid->groupedBy().isEmpty());
        QCOMPARE(grid->rowCount(), 4);
    }

    void sortingByHeaderUnlessForbidden()
    {
        const int c = grid->columnIndex("NETTUTAR");
        const QPoint at(header()->sectionViewportPosition(c) + 10, header()->height() / 2);
        QTest::mouseClick(header()->viewport(), Qt::LeftButton, {}, at);
        QCOMPARE(grid->gridModel()->sortColumn(), c);
        grid->setSortingAllowed(false);
        QCOMPARE(grid->gridModel()->sortColumn(), -1);
        QTest::mouseClick(header()->viewport(), Qt::LeftButton, {}, at);
        QCOMPARE(grid->gridModel()->sortColumn(), -1);
        for (int r = 0; r < 4; ++r)
            QCOMPARE(grid->gridModel()->tableRow(r), r);
    }

    void unboundPictureMode()
    {
        QImage img(40, 20, QImage::Format_RGB32);
        img.fill(Qt::red);
        QByteArray png;
        QBuffer buf(&png);
        buf.open(QIODevice::WriteOnly);
        img.save(&buf, "PNG");
        grid->setUnbound({GridColumn("RESIM").picture().fixed(605), GridColumn("ARAMA").hidden().notOffered(),
                          GridColumn("BASLIK").hidden().notOffered()});
        grid->setHeaderVisible(false);
        grid->setRowHeight(405);
        grid->setPixelScrolling(true);
        grid->appendRow({png, "#KAMPANYA#", "Kampanya"});
        grid->appendRow({QVariant(), "ABC ", "Resimsiz"});
        QCOMPARE(grid->rowCount(), 2);
        QCOMPARE(grid->columnWidth("RESIM"), 605);
        QCOMPARE(header()->sectionResizeMode(0), QHeaderView::Fixed);
        QCOMPARE(grid->gridModel()->index(0, 0).data(GridModel::RawValueRole).toByteArray(), png);
        // painting the rows decodes the picture
        view()->scrollToTop();
        const QImage shot = view()->viewport()->grab().toImage();
        QVERIFY(!shot.isNull());
        const QPoint centre = view()->visualRect(grid->gridModel()->index(0, 0)).center();
        QCOMPARE(QColor(shot.pixel(centre)), QColor(Qt::red));
        grid->focusRow(1);
        QCOMPARE(grid->focusedValue("ARAMA").toString(), QString("ABC "));
        grid->clearRows();
        QCOMPARE(grid->rowCount(), 0);
    }
};

QTEST_MAIN(TestDataGrid)
#include "test_datagrid.moc"
