#include "gridmodel.h"

#include "gridsimgeleri.h"
#include "sayibicimi.h"
#include "sonuctablosu.h"

#include <QHash>
#include <QLocale>

#include <algorithm>

namespace dorvanto {

namespace {
bool isNumericType(FieldType t)
{
    return t == FieldType::Int || t == FieldType::Int64 || t == FieldType::Float || t == FieldType::Currency;
}
} // namespace

GridModel::GridModel(QObject *parent) : QAbstractTableModel(parent) {}

// ---- resets ---------------------------------------------------------------------------

void GridModel::beginReset()
{
    if (!m_resetting) {
        m_resetting = true;
        beginResetModel();
    }
}

void GridModel::endReset()
{
    if (m_resetting) {
        m_resetting = false;
        ++m_generation;
        endResetModel();
        emit summariesChanged();
        emit rowsRebuilt();
    }
}

// ---- columns --------------------------------------------------------------------------

void GridModel::setColumns(std::vector<GridColumn> columns)
{
    beginReset();
    m_columns = std::move(columns);
    m_filters.clear();
    m_sortColumn = -1;
    m_groupColumn = -1;
    resolveFields();
    rebuild();
    endReset();
}

int GridModel::columnOf(const QString &key) const
{
    for (std::size_t i = 0; i < m_columns.size(); ++i)
        if (m_columns[i].key().compare(key, Qt::CaseInsensitive) == 0)
            return int(i);
    return -1;
}

int GridModel::tableColumn(int c) const
{
    if (c < 0 || std::size_t(c) >= m_fieldIndex.size())
        return -1;
    return m_fieldIndex[std::size_t(c)];
}

void GridModel::resolveFields()
{
    m_fieldIndex.assign(m_columns.size(), -1);
    ResultTable *t = table();
    if (!t)
        return;
    for (std::size_t i = 0; i < m_columns.size(); ++i)
        if (!m_columns[i].field.isEmpty())
            m_fieldIndex[i] = t->fieldIndex(m_columns[i].field);
}

// ---- source ---------------------------------------------------------------------------

ResultTable *GridModel::table() const { return m_source ? m_source->table() : nullptr; }

int GridModel::sourceRowCount() const
{
    if (!m_source || !m_source->table())
        return 0;
    return m_source->rowCount();
}

void GridModel::setSource(ResultTableModel *source)
{
    beginReset();
    for (auto &c : m_conn)
        disconnect(c);
    m_source = source;
    if (source) {
        m_conn[0] = connect(source, &QAbstractItemModel::modelAboutToBeReset, this, [this] { beginReset(); });
        m_conn[1] = connect(source, &QAbstractItemModel::modelReset, this, [this] {
            beginReset();
            resolveFields();
            rebuild();
            endReset();
        });
        m_conn[2] = connect(source, &QAbstractItemModel::dataChanged, this,
                            [this](const QModelIndex &tl, const QModelIndex &br) { sourceDataChanged(tl, br); });
        m_conn[3] = connect(source, &QObject::destroyed, this, [this] { setSource(nullptr); });
    }
    resolveFields();
    rebuild();
    endReset();
}

void GridModel::sourceDataChanged(const QModelIndex &tl, const QModelIndex &br)
{
    if (m_resetting || !tl.isValid())
        return;
    bool summaries = false;
    std::vector<int> cols;
    for (std::size_t c = 0; c < m_columns.size(); ++c) {
        const int tc = m_fieldIndex[c];
        if (tc >= tl.column() && tc <= br.column()) {
            cols.push_back(int(c));
            if (m_columns[c].footer == Summary::Sum)
                summaries = true;
        }
    }
    if (cols.empty())
        return;
    for (int r = tl.row(); r <= br.row(); ++r) {
        const int g = gridRow(r);
        if (g < 0)
            continue;
        for (int c : cols)
            emit dataChanged(index(g, c), index(g, c));
    }
    if (summaries) {
        computeSummaries();
        if (m_grouped && rowCount() > 0)
            emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
        emit summariesChanged();
    }
}

// ---- rows -----------------------------------------------------------------------------

void GridModel::rebuild()
{
    m_rows.clear();
    m_entries.clear();
    m_groups.clear();
    m_mapped = false;
    m_grouped = false;
    const int n = sourceRowCount();
    const int sortTc = m_sortColumn >= 0 ? tableColumn(m_sortColumn) : -1;
    const int groupTc = m_groupColumn >= 0 ? tableColumn(m_groupColumn) : -1;
    if (m_filters.isEmpty() && sortTc < 0 && groupTc < 0) {
        computeSummaries();
        return;
    }
    m_mapped = true;
    m_rows.reserve(std::size_t(n));
    for (int r = 0; r < n; ++r)
        if (m_filters.isEmpty() || passesFilters(r))
            m_rows.push_back(r);
    if (sortTc >= 0) {
        const bool desc = m_sortOrder == Qt::DescendingOrder;
        std::stable_sort(m_rows.begin(), m_rows.end(), [&](int a, int b) {
            const int c = compareRows(sortTc, a, b);
            return desc ? c > 0 : c < 0;
        });
    }
    if (groupTc >= 0) {
        m_grouped = true;
        std::stable_sort(m_rows.begin(), m_rows.end(), [&](int a, int b) { return compareRows(groupTc, a, b) < 0; });
        ResultTable *t = table();
        const QString caption = m_columns[std::size_t(m_groupColumn)].headerText();
        for (int i = 0; i < int(m_rows.size()); ++i) {
            if (m_groups.empty() || compareRows(groupTc, m_rows[std::size_t(m_groups.back().first)], m_rows[std::size_t(i)]) != 0) {
                Group g;
                g.first = i;
                QString v = t->displayText(m_rows[std::size_t(i)], groupTc);
                g.key = v;
                g.text = caption + QStringLiteral(" : ") + (v.isEmpty() ? QStringLiteral("(Boş)") : v);
                g.expanded = m_expandedKeys.contains(v);
                m_groups.push_back(g);
            }
            ++m_groups.back().count;
        }
        rebuildEntries();
    }
    computeSummaries();
}

void GridModel::rebuildEntries()
{
    m_entries.clear();
    m_entries.reserve(m_groups.size() * 2 + m_rows.size());
    for (int g = 0; g < int(m_groups.size()); ++g) {
        const Group &gr = m_groups[std::size_t(g)];
        m_entries.push_back(-1 - 2 * g);
        if (gr.expanded)
            for (int i = gr.first; i < gr.first + gr.count; ++i)
                m_entries.push_back(m_rows[std::size_t(i)]);
        if (m_groupFooters)
            m_entries.push_back(-2 - 2 * g);
    }
}

int GridModel::rowCount(const QModelIndex &parent) const
{
    if (parent.isValid())
        return 0;
    if (m_grouped)
        return int(m_entries.size());
    if (m_mapped)
        return int(m_rows.size());
    return sourceRowCount();
}

int GridModel::columnCount(const QModelIndex &parent) const { return parent.isValid() ? 0 : int(m_columns.size()); }

int GridModel::tableRow(int gridRow) const
{
    if (gridRow < 0)
        return -1;
    if (m_grouped) {
        if (std::size_t(gridRow) >= m_entries.size())
            return -1;
        const int e = m_entries[std::size_t(gridRow)];
        return e >= 0 ? e : -1;
    }
    if (m_mapped)
        return std::size_t(gridRow) < m_rows.size() ? m_rows[std::size_t(gridRow)] : -1;
    return gridRow < sourceRowCount() ? gridRow : -1;
}

int GridModel::gridRow(int tableRow) const
{
    if (tableRow < 0)
        return -1;
    if (m_grouped) {
        auto it = std::find(m_entries.begin(), m_entries.end(), tableRow);
        return it == m_entries.end() ? -1 : int(it - m_entries.begin());
    }
    if (m_mapped) {
        auto it = std::find(m_rows.begin(), m_rows.end(), tableRow);
        return it == m_rows.end() ? -1 : int(it - m_rows.begin());
    }
    return tableRow < sourceRowCount() ? tableRow : -1;
}

GridModel::RowKind GridModel::rowKind(int gridRow) const
{
    if (!m_grouped || gridRow < 0 || std::size_t(gridRow) >= m_entries.size())
        return RowKind::Data;
    const int e = m_entries[std::size_t(gridRow)];
    if (e >= 0)
        return RowKind::Data;
    return ((-1 - e) % 2 == 0) ? RowKind::GroupHeader : RowKind::GroupFooter;
}

int GridModel::groupOf(int gridRow) const
{
    if (!m_grouped || gridRow < 0 || std::size_t(gridRow) >= m_entries.size())
        return -1;
    const int e = m_entries[std::size_t(gridRow)];
    return e >= 0 ? -1 : (-1 - e) / 2;
}

int GridModel::dataRowCount() const { return m_mapped ? int(m_rows.size()) : sourceRowCount(); }

// ---- values ---------------------------------------------------------------------------

QString GridModel::cellText(int tableRow, int column) const
{
    const int tc = tableColumn(column);
    ResultTable *t = table();
    if (tc < 0 || !t || tableRow < 0 || tableRow >= t->recordCount())
        return {};
    const GridColumn &col = m_columns[std::size_t(column)];
    switch (col.kind) {
    case CellKind::Status:
        return t->isNull(tableRow, tc) ? QString() : DurumAciklamasi(t->asInteger(tableRow, tc));
    case CellKind::YesNo:
        return t->isNull(tableRow, tc) ? QString() : EvetHayirMetni(col.yesNoIcon, t->asInteger(tableRow, tc) == 1);
    case CellKind::CheckBox:
        return t->isNull(tableRow, tc) ? QString() : QString::number(t->asInteger(tableRow, tc));
    case CellKind::Picture:
        return {};
    default:
        return t->displayText(tableRow, tc);
    }
}

QVariant GridModel::cellValue(int tableRow, int column) const
{
    const int tc = tableColumn(column);
    ResultTable *t = table();
    if (tc < 0 || !t || tableRow < 0 || tableRow >= t->recordCount())
        return {};
    return t->value(tableRow, tc);
}

double GridModel::numericValue(int tableRow, int column) const
{
    const int tc = tableColumn(column);
    ResultTable *t = table();
    if (tc < 0 || !t)
        return 0.0;
    const ColumnData &cd = t->data().columns[std::size_t(tc)];
    if (cd.nulls[std::size_t(tableRow)])
        return 0.0;
    if (cd.isInteger())
        return double(cd.ints[std::size_t(tableRow)]);
    if (cd.isReal())
        return cd.reals[std::size_t(tableRow)];
    if (cd.isText())
        return QLocale().toDouble(cd.texts[std::size_t(tableRow)]);
    return 0.0;
}

int GridModel::compareRows(int tc, int a, int b) const
{
    const ColumnData &cd = table()->data().columns[std::size_t(tc)];
    const bool na = cd.nulls[std::size_t(a)] != 0, nb = cd.nulls[std::size_t(b)] != 0;
    if (na || nb)
        return na == nb ? 0 : (na ? -1 : 1);
    if (cd.isInteger()) {
        const qint64 x = cd.ints[std::size_t(a)], y = cd.ints[std::size_t(b)];
        return x < y ? -1 : (x > y ? 1 : 0);
    }
    if (cd.isReal()) {
        const double x = cd.reals[std::size_t(a)], y = cd.reals[std::size_t(b)];
        return x < y ? -1 : (x > y ? 1 : 0);
    }
    if (cd.isText())
        return cd.texts[std::size_t(a)].compare(cd.texts[std::size_t(b)], Qt::CaseInsensitive);
    return 0;
}

QVariant GridModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount() || index.column() >= columnCount())
        return {};
    const int r = index.row(), c = index.column();
    const GridColumn &col = m_columns[std::size_t(c)];
    const RowKind rk = rowKind(r);
    if (role == RowKindRole)
        return int(rk);
    if (role == KindRole)
        return int(col.kind);
    if (rk == RowKind::GroupHeader) {
        if (role == Qt::DisplayRole || role == Qt::ToolTipRole)
            return groupText(groupOf(r));
        if (role == TableRowRole)
            return -1;
        return {};
    }
    if (rk == RowKind::GroupFooter) {
        if (role == Qt::DisplayRole)
            return groupSummaryText(groupOf(r), c);
        if (role == Qt::TextAlignmentRole)
            return int(Qt::AlignRight | Qt::AlignVCenter);
        if (role == TableRowRole)
            return -1;
        return {};
    }
    const int tr = tableRow(r);
    const int tc = tableColumn(c);
    ResultTable *t = table();
    switch (role) {
    case TableRowRole: return tr;
    case Qt::DisplayRole:
        if (col.kind == CellKind::Text || col.kind == CellKind::MultiLine)
            return tc >= 0 ? t->displayText(tr, tc) : QString();
        return {};
    case Qt::ToolTipRole:
        if (col.kind == CellKind::Status || col.kind == CellKind::YesNo)
            return cellText(tr, c);
        return {};
    case Qt::DecorationRole:
        if (tc < 0 || t->isNull(tr, tc))
            return {};
        if (col.kind == CellKind::Status)
            return DurumSimgesi(t->asInteger(tr, tc));
        if (col.kind == CellKind::YesNo && t->asInteger(tr, tc) == 1)
            return EvetSimgesi(col.yesNoIcon);
        return {};
    case Qt::CheckStateRole:
        if (col.kind == CellKind::CheckBox)
            return (tc >= 0 && !t->isNull(tr, tc) && t->asInteger(tr, tc) == 1) ? Qt::Checked : Qt::Unchecked;
        return {};
    case Qt::TextAlignmentRole: {
        if (col.alignment)
            return int(col.alignment | ((col.alignment & Qt::AlignVertical_Mask) ? Qt::Alignment() : Qt::AlignVCenter));
        if (col.kind == CellKind::Status || col.kind == CellKind::YesNo || col.kind == CellKind::CheckBox
            || col.kind == CellKind::Picture)
            return int(Qt::AlignCenter);
        if (col.kind == CellKind::MultiLine)
            return int(Qt::AlignLeft | Qt::AlignTop);
        if (tc >= 0 && isNumericType(t->fieldDef(tc).type))
            return int(Qt::AlignRight | Qt::AlignVCenter);
        return int(Qt::AlignLeft | Qt::AlignVCenter);
    }
    case Qt::EditRole:
    case RawValueRole: return tc >= 0 ? t->value(tr, tc) : QVariant();
    default: return {};
    }
}

QVariant GridModel::headerData(int section, Qt::Orientation o, int role) const
{
    if (o != Qt::Horizontal || section < 0 || std::size_t(section) >= m_columns.size())
        return {};
    if (role == Qt::DisplayRole || role == Qt::ToolTipRole)
        return m_columns[std::size_t(section)].headerText();
    return {};
}

Qt::ItemFlags GridModel::flags(const QModelIndex &index) const
{
    // Read-only: never editable, and check boxes are not user-checkable either.
    if (!index.isValid())
        return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemNeverHasChildren;
}

// ---- filter ---------------------------------------------------------------------------

bool GridModel::passesFilters(int tableRow, int skipColumn) const
{
    for (auto it = m_filters.cbegin(); it != m_filters.cend(); ++it) {
        if (it.key() == skipColumn)
            continue;
        if (cellText(tableRow, it.key()) != it.value())
            return false;
    }
    return true;
}

void GridModel::setFilter(int column, const QString &value)
{
    if (column < 0 || std::size_t(column) >= m_columns.size())
        return;
    beginReset();
    m_filters.insert(column, value);
    rebuild();
    endReset();
}

void GridModel::clearFilter(int column)
{
    if (!m_filters.contains(column))
        return;
    beginReset();
    m_filters.remove(column);
    rebuild();
    endReset();
}

void GridModel::clearFilters()
{
    if (m_filters.isEmpty())
        return;
    beginReset();
    m_filters.clear();
    rebuild();
    endReset();
}

QStringList GridModel::distinctValues(int column, int limit) const
{
    const int tc = tableColumn(column);
    const int n = sourceRowCount();
    if (tc < 0 || n == 0)
        return {};
    QHash<QString, int> first;
    for (int r = 0; r < n && first.size() < limit; ++r) {
        if (!passesFilters(r, column))
            continue;
        const QString text = cellText(r, column);
        if (!first.contains(text))
            first.insert(text, r);
    }
    std::vector<std::pair<QString, int>> items;
    items.reserve(std::size_t(first.size()));
    for (auto it = first.cbegin(); it != first.cend(); ++it)
        items.emplace_back(it.key(), it.value());
    std::sort(items.begin(), items.end(), [&](const auto &a, const auto &b) {
        const int c = compareRows(tc, a.second, b.second);
        if (c != 0)
            return c < 0;
        return a.first.localeAwareCompare(b.first) < 0;
    });
    QStringList out;
    out.reserve(qsizetype(items.size()));
    for (const auto &it : items)
        out << it.first;
    return out;
}

// ---- sort, groups ---------------------------------------------------------------------

void GridModel::sort(int column, Qt::SortOrder order)
{
    if (!m_sortingAllowed && column >= 0)
        return;
    if (column == m_sortColumn && order == m_sortOrder)
        return;
    beginReset();
    m_sortColumn = column;
    m_sortOrder = order;
    rebuild();
    endReset();
}

void GridModel::setGroupColumn(int column)
{
    if (column == m_groupColumn)
        return;
    beginReset();
    m_groupColumn = column;
    m_expandedKeys.clear();
    rebuild();
    endReset();
}

void GridModel::setGroupFooters(bool on)
{
    if (on == m_groupFooters)
        return;
    beginReset();
    m_groupFooters = on;
    rebuild();
    endReset();
}

QString GridModel::groupText(int group) const
{
    return group >= 0 && std::size_t(group) < m_groups.size() ? m_groups[std::size_t(group)].text : QString();
}

int GridModel::groupSize(int group) const
{
    return group >= 0 && std::size_t(group) < m_groups.size() ? m_groups[std::size_t(group)].count : 0;
}

bool GridModel::isGroupExpanded(int group) const
{
    return group >= 0 && std::size_t(group) < m_groups.size() && m_groups[std::size_t(group)].expanded;
}

void GridModel::setGroupExpanded(int group, bool expanded)
{
    if (group < 0 || std::size_t(group) >= m_groups.size())
        return;
    Group &g = m_groups[std::size_t(group)];
    if (g.expanded == expanded)
        return;
    const auto hdr = std::find(m_entries.begin(), m_entries.end(), -1 - 2 * group);
    const int pos = int(hdr - m_entries.begin());
    if (expanded) {
        if (g.count > 0) {
            beginInsertRows({}, pos + 1, pos + g.count);
            g.expanded = true;
            m_entries.insert(m_entries.begin() + pos + 1, m_rows.begin() + g.first, m_rows.begin() + g.first + g.count);
            endInsertRows();
        } else {
            g.expanded = true;
        }
        m_expandedKeys.insert(g.key.toString());
    } else {
        if (g.count > 0) {
            beginRemoveRows({}, pos + 1, pos + g.count);
            g.expanded = false;
            m_entries.erase(m_entries.begin() + pos + 1, m_entries.begin() + pos + 1 + g.count);
            endRemoveRows();
        } else {
            g.expanded = false;
        }
        m_expandedKeys.remove(g.key.toString());
    }
}

void GridModel::expandAll()
{
    beginReset();
    for (Group &g : m_groups) {
        g.expanded = true;
        m_expandedKeys.insert(g.key.toString());
    }
    if (m_grouped)
        rebuildEntries();
    endReset();
}

void GridModel::collapseAll()
{
    beginReset();
    m_expandedKeys.clear();
    for (Group &g : m_groups)
        g.expanded = false;
    if (m_grouped)
        rebuildEntries();
    endReset();
}

int GridModel::groupRowAt(int group, int i) const
{
    if (group < 0 || std::size_t(group) >= m_groups.size())
        return -1;
    const Group &g = m_groups[std::size_t(group)];
    return i >= 0 && i < g.count ? m_rows[std::size_t(g.first + i)] : -1;
}

// ---- summaries ------------------------------------------------------------------------

void GridModel::computeSummaries()
{
    m_sums.assign(m_columns.size(), 0.0);
    m_dataRows = dataRowCount();
    for (std::size_t c = 0; c < m_columns.size(); ++c) {
        if (m_columns[c].footer != Summary::Sum || m_fieldIndex[c] < 0)
            continue;
        double s = 0.0;
        forEachDataRow([&](int r) { s += numericValue(r, int(c)); });
        m_sums[c] = s;
    }
    for (Group &g : m_groups) {
        g.sums.assign(m_columns.size(), 0.0);
        for (std::size_t c = 0; c < m_columns.size(); ++c) {
            if (m_columns[c].footer != Summary::Sum || m_fieldIndex[c] < 0)
                continue;
            double s = 0.0;
            for (int i = g.first; i < g.first + g.count; ++i)
                s += numericValue(m_rows[std::size_t(i)], int(c));
            g.sums[c] = s;
        }
    }
}

double GridModel::summaryValue(int column) const
{
    if (column < 0 || std::size_t(column) >= m_columns.size())
        return 0.0;
    switch (m_columns[std::size_t(column)].footer) {
    case Summary::Count: return m_dataRows;
    case Summary::Sum: return m_sums[std::size_t(column)];
    default: return 0.0;
    }
}

double GridModel::groupSummaryValue(int group, int column) const
{
    if (group < 0 || std::size_t(group) >= m_groups.size() || column < 0 || std::size_t(column) >= m_columns.size())
        return 0.0;
    const Group &g = m_groups[std::size_t(group)];
    switch (m_columns[std::size_t(column)].footer) {
    case Summary::Count: return g.count;
    case Summary::Sum: return g.sums.size() > std::size_t(column) ? g.sums[std::size_t(column)] : 0.0;
    default: return 0.0;
    }
}

QString GridModel::formatSummary(int column, Summary kind, double value) const
{
    if (kind == Summary::Count)
        return QString::number(qint64(value));
    const int tc = tableColumn(column);
    ResultTable *t = table();
    if (tc >= 0 && t) {
        const FieldDef &def = t->fieldDef(tc);
        if ((def.type == FieldType::Float || def.type == FieldType::Currency) && !def.displayFormat.isEmpty())
            return FormatFloat(def.displayFormat, value);
        if (def.type == FieldType::Int || def.type == FieldType::Int64 || def.type == FieldType::Bool)
            return QString::number(qint64(value));
    }
    return QLocale().toString(value, 'g', 15);
}

QString GridModel::summaryText(int column) const
{
    if (column < 0 || std::size_t(column) >= m_columns.size() || !attached())
        return {};
    const Summary kind = m_columns[std::size_t(column)].footer;
    if (kind == Summary::None)
        return {};
    return formatSummary(column, kind, summaryValue(column));
}

QString GridModel::groupSummaryText(int group, int column) const
{
    if (column < 0 || std::size_t(column) >= m_columns.size())
        return {};
    const Summary kind = m_columns[std::size_t(column)].footer;
    if (kind == Summary::None)
        return {};
    return formatSummary(column, kind, groupSummaryValue(group, column));
}

// ---- search ---------------------------------------------------------------------------

int GridModel::findPrefix(int column, const QString &prefix, int from) const
{
    if (prefix.isEmpty() || tableColumn(column) < 0)
        return -1;
    const int n = rowCount();
    for (int g = std::max(0, from); g < n; ++g) {
        const int tr = tableRow(g);
        if (tr < 0)
            continue;
        if (cellText(tr, column).startsWith(prefix, Qt::CaseInsensitive))
            return g;
    }
    return -1;
}

} // namespace dorvanto
