// DataGrid: the grid every list of the program is shown in.
//
// A DataGrid shows a result table through its model (rows are never copied into
// widgets), with the columns the screen defines (gridcolumn.h). On top of Qt's table
// view it has what the lists need:
//
//  - read-only row selection in the selected-row colour, fixed row and header heights,
//    an optional row indicator (the focused row's triangle), focus on a row that
//    follows the table's cursor and moves it;
//  - cell kinds: text in the field's display format, status icon, yes/no icon, check
//    box (drawn, never edited), multi-line text, custom-drawn cells, pictures;
//  - the column chooser (the offered columns may be shown and hidden), best fit, the
//    weights layout rule and stretched columns;
//  - header filter buttons with a popup of the column's distinct values, cleared by
//    clearFilter(); sorting by a header click unless the screen forbids it;
//  - incremental search: typed text moves the focus to the first row whose focused
//    column starts with it (Backspace shortens, Escape or moving the focus ends it);
//  - a footer row of summaries aligned with the columns;
//  - grouping by a column with collapsed group rows and group footers, and the
//    group-by box (drag a header onto it, or use the header's menu);
//  - detach()/attach() and beginUpdate()/endUpdate() for loads of many rows;
//  - an unbound mode for rows added by code (the announcements' pictures).
//
// Typical use by a screen:
//
//     auto *grid = new DataGrid(this);
//     grid->setObjectName("cxGrid1");
//     grid->setColumns({GridColumn("DURUM", "Durum", 1).status(), ...});
//     grid->setRowHeight(60); grid->setHeaderHeight(40);
//     grid->bind(&stok);
//     connect(grid, &DataGrid::resized, this, &Tanaform::StokKolonlariAyarla);
//     connect(grid, &DataGrid::rowDoubleClicked, this, &Tanaform::cxGrid1DBTableView1DblClick);
//
//     // a load:
//     grid->detach(); grid->beginUpdate(); grid->clearFilter();
//     ... fill `stok` ...
//     grid->attach(); grid->endUpdate();
//
// Rows are identified by their row in the result table ("table row"); the grid's own
// row order (filter, sort, groups) stays inside the grid. GUI thread only.
#pragma once

#include "gridcolumn.h"
#include "gridmodel.h"

#include <QColor>
#include <QPointer>
#include <QWidget>

#include <vector>

class QTableView;
class QToolButton;

namespace dorvanto {

class GridTableView;
class GridHeader;
class GridFooter;
class GroupByBox;

class DataGrid : public QWidget {
    Q_OBJECT
public:
    explicit DataGrid(QWidget *parent = nullptr);
    ~DataGrid() override;

    // ---- binding ----------------------------------------------------------------------
    // The columns, in their order. Resets filter, sort and grouping.
    void setColumns(std::vector<GridColumn> columns);
    // Binds to a table (a model of the table is made for the grid) or to an existing model.
    void bind(ResultTable *table);
    void bind(ResultTableModel *model);
    ResultTable *table() const;
    GridModel *gridModel() const { return m_model; }
    QTableView *view() const;

    // Unbound mode: the grid keeps its own table with one field per column (the field
    // names of the columns; Picture columns hold bytes, the rest text) and rows are added
    // by code.
    void setUnbound(std::vector<GridColumn> columns);
    void appendRow(const QVariantList &values);   // values in column order
    void clearRows();

    // Detached, the grid shows no rows and hears nothing of the table; attach() takes the
    // table's current content up with one reset. Nests.
    void detach();
    void attach();
    bool isAttached() const { return m_detachCount == 0; }

    // Update mode: no painting until the matching endUpdate(), which repaints once. Nests.
    void beginUpdate();
    void endUpdate();
    bool inUpdate() const { return m_updateCount > 0; }

    // ---- look -------------------------------------------------------------------------
    void setRowHeight(int px);
    int rowHeight() const { return m_rowHeight; }
    void setHeaderHeight(int px);
    int headerHeight() const { return m_headerHeight; }
    void setHeaderVisible(bool on);
    void setRowIndicator(bool on);                 // the narrow column left of the rows
    bool hasRowIndicator() const;
    void setSelectionColor(const QColor &c);       // selected rows' background (#D2F0F9)
    QColor selectionColor() const { return m_selectionColor; }
    void setFocusRectVisible(bool on);
    void setPixelScrolling(bool on);
    void setColumnMoving(bool on);
    void setColumnSizing(bool on);

    // ---- columns ----------------------------------------------------------------------
    int columnCount() const;
    int columnIndex(const QString &key) const;    // by field, or by name for custom columns
    const GridColumn &column(int c) const;
    void setColumnVisible(const QString &key, bool visible);
    bool isColumnVisible(const QString &key) const;
    void setColumnOffered(const QString &key, bool offered);
    bool isColumnOffered(const QString &key) const;
    void setColumnWidth(const QString &key, int px);
    int columnWidth(const QString &key) const;
    void setColumnCaption(const QString &key, const QString &caption);

    // The weights layout rule over the grid's width (or `gridWidth`), in one update bracket.
    void applyWeights(int gridWidth = -1);
    // Every visible column to the width of its content (see the .cpp for what is measured).
    void bestFit();
    void bestFitColumn(int c);
    // Columns share the view's width by weight, on every resize (autowidth).
    void setAutoWidth(bool on);

    // The column chooser: a popup with a check box per offered column.
    void setColumnChooserEnabled(bool on);
    void showColumnChooser();
    QWidget *columnChooser() const;               // the open chooser, or nullptr

    // ---- focus ------------------------------------------------------------------------
    int focusedRow() const;                        // table row, -1 when none
    void focusRow(int tableRow);
    QVariant focusedValue(const QString &field) const;
    int focusedColumn() const;                     // grid column of the focused cell
    void setFocusedColumn(const QString &key);
    int rowCount() const;                          // the grid's rows (incl. group rows)

    // ---- filter, sort -----------------------------------------------------------------
    void setFilterButtons(bool on);
    bool filterButtons() const { return m_filterButtons; }
    void setColumnFilter(const QString &key, const QString &value);
    void clearFilter();                            // every column's filter
    bool isFiltered() const;
    void showFilterPopup(int column);
    QWidget *filterPopup() const;                 // the open popup, or nullptr
    void setSortingAllowed(bool on);

    // ---- incremental search -----------------------------------------------------------
    void setIncrementalSearch(bool on);
    bool incrementalSearch() const { return m_incrementalSearch; }
    QString searchText() const;

    // ---- footer -----------------------------------------------------------------------
    void setFooterVisible(bool on);
    bool footerVisible() const;
    QString footerText(const QString &key) const;
    QWidget *footer() const;

    // ---- groups -----------------------------------------------------------------------
    void setGroupByBoxVisible(bool on);
    bool groupByBoxVisible() const;
    void groupBy(const QString &key);              // empty: no grouping
    QString groupedBy() const;
    void setGroupFooters(bool on);
    void expandAll();
    void collapseAll();

signals:
    void focusedRowChanged(int tableRow);
    void rowDoubleClicked(int tableRow);
    void columnVisibilityChanged(int column, bool visible);
    void resized();

protected:
    void resizeEvent(QResizeEvent *e) override;
    bool eventFilter(QObject *o, QEvent *e) override;

private:
    friend class GridTableView;
    void applyColumnState();
    void applyColumnVisibility(int c);
    void applyAutoWidth();
    void updateChooserButton();
    void onCurrentChanged(int gridRow);
    void onTableCursor(int tableRow);
    void afterRebuild();
    int measureColumn(int c) const;

    GridModel *m_model = nullptr;
    GridTableView *m_view = nullptr;
    GridHeader *m_header = nullptr;
    GridFooter *m_footer = nullptr;
    GroupByBox *m_groupBox = nullptr;
    QToolButton *m_chooserButton = nullptr;
    QPointer<QWidget> m_chooser;
    QPointer<QWidget> m_filterPopup;
    QPointer<ResultTableModel> m_bound;           // what attach() takes up
    ResultTableModel *m_ownModel = nullptr;       // made by bind(table)
    ResultTable *m_ownTable = nullptr;            // unbound mode
    QMetaObject::Connection m_cursorConn;

    int m_detachCount = 0;
    int m_updateCount = 0;
    int m_rowHeight = 24;
    int m_headerHeight = 28;
    QColor m_selectionColor{0xD2, 0xF0, 0xF9};
    bool m_filterButtons = false;
    bool m_incrementalSearch = true;
    bool m_autoWidth = false;
    bool m_chooserEnabled = true;
    bool m_syncing = false;
    int m_lastTableRow = -1;
};

} // namespace dorvanto
