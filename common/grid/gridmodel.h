// The grid's model: the columns a screen defined, laid over a ResultTableModel without
// copying its rows. It adds what the result table's model does not know: the column
// order and captions, icons and check states, the header filter, sorting by the stored
// value, grouping with group rows and group footers, footer summaries and the prefix
// search of the incremental search.
//
// Rows: with no filter, sort or grouping the grid's rows are the table's rows and no
// per-row memory is used; otherwise one int per shown row maps grid rows to table rows
// (plus one per group row). Group rows are encoded as negative entries.
//
// Attached/detached: setSource(nullptr) lets go of the table (the grid shows no rows
// and hears nothing of the table's loads); setSource(model) takes it up again with one
// reset.
#pragma once

#include "gridcolumn.h"
#include "sonuctablosu.h"

#include <QAbstractTableModel>
#include <QMap>
#include <QPointer>
#include <QSet>

#include <vector>

namespace dorvanto {

class GridModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Roles {
        RawValueRole = Qt::UserRole + 1, // the stored value (data rows)
        TableRowRole,                    // the result-table row, -1 for group rows
        RowKindRole,                     // RowKind as int
        KindRole,                        // CellKind of the column as int
    };
    enum class RowKind { Data, GroupHeader, GroupFooter };

    explicit GridModel(QObject *parent = nullptr);

    // Columns
    void setColumns(std::vector<GridColumn> columns);
    const std::vector<GridColumn> &columns() const { return m_columns; }
    const GridColumn &column(int c) const { return m_columns[std::size_t(c)]; }
    GridColumn &column(int c) { return m_columns[std::size_t(c)]; }
    int columnOf(const QString &key) const;        // by field or name, case-insensitive; -1
    int tableColumn(int c) const;                  // the table's field index, -1 when absent

    // Source
    void setSource(ResultTableModel *source);      // nullptr: detached
    ResultTableModel *source() const { return m_source; }
    ResultTable *table() const;
    bool attached() const { return m_source != nullptr; }

    // Rows
    int tableRow(int gridRow) const;               // -1 for group rows / out of range
    int gridRow(int tableRow) const;               // -1 when filtered out or collapsed
    RowKind rowKind(int gridRow) const;
    int groupOf(int gridRow) const;                // group rows only, else -1
    int dataRowCount() const;                      // shown data rows (all groups, filtered)
    template <typename F> void forEachDataRow(F f) const;   // table rows in grid order

    // Header filter: a column's display text must equal the value; several columns AND.
    void setFilter(int column, const QString &value);
    void clearFilter(int column);
    void clearFilters();
    bool isFiltered() const { return !m_filters.isEmpty(); }
    bool hasFilter(int column) const { return m_filters.contains(column); }
    QString filterValue(int column) const { return m_filters.value(column); }
    // The distinct display texts of a column over the rows the other filters let through,
    // sorted, at most `limit` of them (the popup lists these).
    QStringList distinctValues(int column, int limit = 2000) const;

    // Sorting by the stored value (texts case-insensitively, nulls first).
    void setSortingAllowed(bool on) { m_sortingAllowed = on; }
    bool sortingAllowed() const { return m_sortingAllowed; }
    void sort(int column, Qt::SortOrder order = Qt::AscendingOrder) override;
    int sortColumn() const { return m_sortColumn; }

    // Grouping by one column (groups in ascending order of the stored value).
    void setGroupColumn(int column);               // -1: no grouping
    int groupColumn() const { return m_groupColumn; }
    void setGroupFooters(bool on);
    bool groupFooters() const { return m_groupFooters; }
    int groupCount() const { return int(m_groups.size()); }
    QString groupText(int group) const;            // "Caption : value"
    int groupSize(int group) const;
    bool isGroupExpanded(int group) const;
    void setGroupExpanded(int group, bool expanded);
    void expandAll();
    void collapseAll();
    int groupRowAt(int group, int i) const;        // table row of the i-th row of a group
    bool isGrouped() const { return m_grouped; }
    int generation() const { return m_generation; } // counts resets (picture caches)

    // Summaries of the footer (over the shown data rows) and of a group footer.
    double summaryValue(int column) const;
    QString summaryText(int column) const;
    double groupSummaryValue(int group, int column) const;
    QString groupSummaryText(int group, int column) const;

    // Text and stored value of a data cell.
    QString cellText(int tableRow, int column) const;
    QVariant cellValue(int tableRow, int column) const;

    // First grid row from `from` on whose cell in `column` starts with `prefix`
    // (case-insensitive); -1 when none.
    int findPrefix(int column, const QString &prefix, int from = 0) const;

    // QAbstractTableModel
    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation o, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    bool setData(const QModelIndex &, const QVariant &, int) override { return false; }

signals:
    void summariesChanged();
    void rowsRebuilt();

private:
    struct Group {
        QString text;
        QVariant key;
        int first = 0;     // range in m_rows
        int count = 0;
        bool expanded = false;
        std::vector<double> sums;
    };
    void beginReset();     // one model reset, however many begin calls come
    void endReset();
    void resolveFields();
    void rebuild();        // inside a model reset
    void rebuildEntries();
    void computeSummaries();
    void sourceDataChanged(const QModelIndex &tl, const QModelIndex &br);
    bool passesFilters(int tableRow, int skipColumn = -1) const;
    int compareRows(int tableCol, int a, int b) const;
    double numericValue(int tableRow, int column) const;
    QString formatSummary(int column, Summary kind, double value) const;
    int sourceRowCount() const;

    std::vector<GridColumn> m_columns;
    std::vector<int> m_fieldIndex;
    QPointer<ResultTableModel> m_source;
    QMetaObject::Connection m_conn[4];

    bool m_resetting = false;
    bool m_mapped = false;             // m_rows holds the rows (else identity)
    bool m_grouped = false;            // m_entries holds the rows
    std::vector<int> m_rows;           // table rows in grid order (filtered, sorted)
    std::vector<int> m_entries;        // grouped: >= 0 table row, -1-2g header, -2-2g footer
    std::vector<Group> m_groups;
    QSet<QString> m_expandedKeys;      // survive reloads
    bool m_groupFooters = true;

    QMap<int, QString> m_filters;
    bool m_sortingAllowed = true;
    int m_sortColumn = -1;
    Qt::SortOrder m_sortOrder = Qt::AscendingOrder;
    int m_groupColumn = -1;
    std::vector<double> m_sums;
    int m_dataRows = 0;
    int m_generation = 0;
};

template <typename F> void GridModel::forEachDataRow(F f) const
{
    if (!m_mapped) {
        const int n = sourceRowCount();
        for (int r = 0; r < n; ++r)
            f(r);
        return;
    }
    for (int r : m_rows)
        f(r);
}

} // namespace dorvanto
