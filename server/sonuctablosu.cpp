#include "sonuctablosu.h"

#include "sayibicimi.h"

#include <QLocale>

#include <cmath>

namespace dorvanto {

// ---- Field -----------------------------------------------------------------------

const FieldDef &Field::def() const { return t->fieldDef(col); }

bool Field::isNull() const { return t->recNo() < 0 || t->isNull(t->recNo(), col); }

int Field::asInteger() const { return int(asLargeInt()); }

qint64 Field::asLargeInt() const { return t->recNo() < 0 ? 0 : t->data().asInt64(t->recNo(), col); }

double Field::asFloat() const { return t->recNo() < 0 ? 0.0 : t->asFloat(t->recNo(), col); }

QString Field::asString() const { return t->recNo() < 0 ? QString() : t->asString(t->recNo(), col); }

QVariant Field::asVariant() const { return t->recNo() < 0 ? QVariant() : t->value(t->recNo(), col); }

QString Field::displayText() const { return t->recNo() < 0 ? QString() : t->displayText(t->recNo(), col); }

// ---- ResultTable -------------------------------------------------------------------

ResultTable::ResultTable(QObject *parent) : QObject(parent) {}

Field ResultTable::fieldByName(const QString &name) const
{
    const int i = fieldIndex(name);
    if (i < 0)
        throw TableError(QStringLiteral("%1: Field '%2' not found").arg(objectName(), name));
    return Field(this, i);
}

void ResultTable::setDisplayFormat(int col, const QString &picture)
{
    // Views pick the format up on their next paint; no reset is needed for it.
    m_data.columns[std::size_t(col)].def.displayFormat = picture;
}

void ResultTable::addFieldDef(const FieldDef &def)
{
    beginChange();
    m_data.addColumn(def);
    endChange();
}

QString ResultTable::displayText(int row, int col) const
{
    const ColumnData &c = m_data.columns[std::size_t(col)];
    if (c.nulls[std::size_t(row)])
        return {};
    if ((c.def.type == FieldType::Float || c.def.type == FieldType::Currency) && !c.def.displayFormat.isEmpty())
        return FormatFloat(c.def.displayFormat, c.reals[std::size_t(row)]);
    return m_data.asString(row, col);
}

void ResultTable::setValue(int row, int col, const QVariant &v)
{
    m_data.set(row, col, v);
    if (!controlsDisabled())
        emit valueChanged(row, col);
}

void ResultTable::setRecNo(int row)
{
    if (m_data.rowCount == 0) {
        resetCursor();
        return;
    }
    m_cursor = qBound(0, row, m_data.rowCount - 1);
    m_eof = false;
    if (!controlsDisabled())
        emit cursorMoved(m_cursor);
}

void ResultTable::first()
{
    if (m_data.rowCount == 0) {
        resetCursor();
        return;
    }
    setRecNo(0);
}

void ResultTable::next()
{
    if (m_eof)
        return;
    if (m_cursor + 1 >= m_data.rowCount) {
        m_eof = true; // the cursor stays on the last row, as a dataset's does
        return;
    }
    setRecNo(m_cursor + 1);
}

bool ResultTable::locate(const QString &field, const QVariant &value)
{
    const int col = fieldIndex(field);
    if (col < 0)
        throw TableError(QStringLiteral("%1: Field '%2' not found").arg(objectName(), field));
    const ColumnData &c = m_data.columns[std::size_t(col)];
    const int n = m_data.rowCount;
    if (c.isInteger() || c.isReal()) {
        bool ok = false;
        const double want = value.toDouble(&ok);
        if (!ok)
            return false;
        for (int r = 0; r < n; ++r) {
            if (c.nulls[std::size_t(r)])
                continue;
            const double have = c.isInteger() ? double(c.ints[std::size_t(r)]) : c.reals[std::size_t(r)];
            if (have == want) {
                setRecNo(r);
                return true;
            }
        }
        return false;
    }
    const QString want = value.toString();
    for (int r = 0; r < n; ++r) {
        if (!c.nulls[std::size_t(r)] && m_data.asString(r, col) == want) {
            setRecNo(r);
            return true;
        }
    }
    return false;
}

void ResultTable::loadFromReader(const TableReader &reader) { loadFromReader(reader.data); }

void ResultTable::loadFromReader(const TableData &reader)
{
    // Check the whole structure before anything changes.
    for (int i = 0; i < reader.columnCount() && i < m_data.columnCount(); ++i) {
        if (m_data.columns[std::size_t(i)].def.name.compare(reader.columns[std::size_t(i)].def.name, Qt::CaseInsensitive) != 0)
            throw TableError(QStringLiteral("Cannot perform this operation on a table with additional columns: "
                                            "column %1 is '%2', the result brings '%3'")
                                 .arg(i)
                                 .arg(m_data.columns[std::size_t(i)].def.name, reader.columns[std::size_t(i)].def.name));
    }
    beginChange();
    TableData fresh;
    const int keep = m_data.columnCount();
    for (int i = 0; i < std::max(keep, reader.columnCount()); ++i) {
        FieldDef def = i < keep ? m_data.columns[std::size_t(i)].def : reader.columns[std::size_t(i)].def;
        fresh.addColumn(def);
    }
    // Values: columns the reader brings are copied (implicitly shared texts), the
    // rest of the table's own columns stay null.
    fresh.rowCount = reader.rowCount;
    for (int i = 0; i < fresh.columnCount(); ++i) {
        ColumnData &dst = fresh.columns[std::size_t(i)];
        if (i < reader.columnCount() && reader.columns[std::size_t(i)].def.type == dst.def.type) {
            const ColumnData &src = reader.columns[std::size_t(i)];
            dst.ints = src.ints;
            dst.reals = src.reals;
            dst.texts = src.texts;
            dst.blobs = src.blobs;
            dst.nulls = src.nulls;
        } else {
            dst.clearValues();
            for (int r = 0; r < reader.rowCount; ++r)
                dst.appendNull();
            if (i < reader.columnCount())
                for (int r = 0; r < reader.rowCount; ++r)
                    fresh.set(r, i, reader.value(r, i));
        }
    }
    m_data = std::move(fresh);
    m_active = true;
    resetCursor();
    first();
    endChange();
}

void ResultTable::loadFromPacket(DataPacket packet) { loadFromPacket(std::move(packet.data)); }

void ResultTable::loadFromPacket(TableData packet)
{
    beginChange();
    m_data = std::move(packet);
    m_active = true;
    resetCursor();
    first();
    endChange();
}

void ResultTable::assign(TableData &&data)
{
    beginChange();
    for (ColumnData &c : data.columns) {
        const int old = m_data.indexOf(c.def.name);
        if (old >= 0 && c.def.displayFormat.isEmpty())
            c.def.displayFormat = m_data.columns[std::size_t(old)].def.displayFormat;
    }
    std::swap(m_data, data);
    m_active = true;
    resetCursor();
    first();
    endChange();
}

void ResultTable::emptyTable()
{
    beginChange();
    m_data.clearRows();
    resetCursor();
    endChange();
}

void ResultTable::close()
{
    beginChange();
    m_data = TableData();
    m_active = false;
    resetCursor();
    endChange();
}

void ResultTable::disableControls()
{
    if (m_disabled++ == 0)
        emit aboutToReset(); // views let go of the rows until enableControls()
}

void ResultTable::enableControls()
{
    if (m_disabled == 0)
        return;
    if (--m_disabled == 0) {
        emit resetDone();
        if (m_cursor >= 0)
            emit cursorMoved(m_cursor);
    }
}

void ResultTable::beginChange()
{
    if (!controlsDisabled())
        emit aboutToReset();
}

void ResultTable::endChange()
{
    if (!controlsDisabled()) {
        emit resetDone();
        if (m_cursor >= 0)
            emit cursorMoved(m_cursor);
    }
}

void ResultTable::resetCursor()
{
    m_cursor = -1;
    m_eof = true;
}

// ---- ResultTableModel --------------------------------------------------------------

ResultTableModel::ResultTableModel(ResultTable *table, QObject *parent) : QAbstractTableModel(parent), m_table(table)
{
    m_detached = table->controlsDisabled();
    connect(table, &ResultTable::aboutToReset, this, [this] {
        beginResetModel();
        m_detached = true;
    });
    connect(table, &ResultTable::resetDone, this, [this] {
        m_detached = false;
        endResetModel();
    });
    connect(table, &ResultTable::valueChanged, this, [this](int row, int col) {
        const QModelIndex i = index(row, col);
        emit dataChanged(i, i);
    });
    connect(table, &QObject::destroyed, this, [this] {
        beginResetModel();
        m_table = nullptr;
        endResetModel();
    });
}

int ResultTableModel::rowCount(const QModelIndex &parent) const
{
    if (parent.isValid() || m_detached || !m_table)
        return 0;
    return m_table->recordCount();
}

int ResultTableModel::columnCount(const QModelIndex &parent) const
{
    if (parent.isValid() || m_detached || !m_table)
        return 0;
    return m_table->fieldCount();
}

QVariant ResultTableModel::data(const QModelIndex &index, int role) const
{
    if (!m_table || m_detached || !index.isValid() || index.row() >= m_table->recordCount()
        || index.column() >= m_table->fieldCount())
        return {};
    switch (role) {
    case Qt::DisplayRole: return m_table->displayText(index.row(), index.column());
    case Qt::EditRole:
    case RawValueRole: return m_table->value(index.row(), index.column());
    default: return {};
    }
}

QVariant ResultTableModel::headerData(int section, Qt::Orientation o, int role) const
{
    if (role != Qt::DisplayRole || !m_table || m_detached)
        return {};
    if (o == Qt::Horizontal) {
        if (section < m_table->fieldCount())
            return m_table->fieldDef(section).name;
        return {};
    }
    return section + 1;
}

void applyMoneyFormat(ResultTable &table)
{
    for (int i = 0; i < table.fieldCount(); ++i)
        if (table.fieldDef(i).type == FieldType::Float)
            table.setDisplayFormat(i, QLatin1String(ParaBicimi));
}

} // namespace dorvanto
