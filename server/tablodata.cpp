#include "tablodata.h"

#include <QLocale>
#include <QTimeZone>

#include <cmath>

namespace dorvanto {

namespace {
struct TypeName {
    FieldType type;
    const char *name;
};
constexpr TypeName kTypeNames[] = {
    {FieldType::String, "string"}, {FieldType::Memo, "memo"},       {FieldType::Int, "int"},
    {FieldType::Int64, "int64"},   {FieldType::Float, "float"},     {FieldType::Currency, "currency"},
    {FieldType::Bool, "bool"},     {FieldType::Date, "date"},       {FieldType::DateTime, "datetime"},
    {FieldType::Blob, "blob"},
};

const QDateTime &epoch()
{
    static const QDateTime e(QDate(1899, 12, 30), QTime(0, 0), Qt::UTC);
    return e;
}
} // namespace

const char *fieldTypeName(FieldType t)
{
    for (const auto &tn : kTypeNames)
        if (tn.type == t)
            return tn.name;
    return "string";
}

bool fieldTypeFromName(const QString &name, FieldType &out)
{
    for (const auto &tn : kTypeNames)
        if (name == QLatin1String(tn.name)) {
            out = tn.type;
            return true;
        }
    return false;
}

bool ColumnData::isInteger() const
{
    return def.type == FieldType::Int || def.type == FieldType::Int64 || def.type == FieldType::Bool;
}

bool ColumnData::isReal() const
{
    return def.type == FieldType::Float || def.type == FieldType::Currency || def.type == FieldType::Date
        || def.type == FieldType::DateTime;
}

bool ColumnData::isText() const { return def.type == FieldType::String || def.type == FieldType::Memo; }

void ColumnData::reserve(std::size_t n)
{
    nulls.reserve(n);
    if (isInteger())
        ints.reserve(n);
    else if (isReal())
        reals.reserve(n);
    else if (isText())
        texts.reserve(n);
    else
        blobs.reserve(n);
}

void ColumnData::appendNull()
{
    nulls.push_back(1);
    if (isInteger())
        ints.push_back(0);
    else if (isReal())
        reals.push_back(0.0);
    else if (isText())
        texts.emplace_back();
    else
        blobs.emplace_back();
}

void ColumnData::clearValues()
{
    ints.clear();
    reals.clear();
    texts.clear();
    blobs.clear();
    nulls.clear();
}

int TableData::indexOf(const QString &name) const
{
    for (int i = 0; i < columnCount(); ++i)
        if (columns[i].def.name.compare(name, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

void TableData::addColumn(const FieldDef &def)
{
    ColumnData c;
    c.def = def;
    for (int r = 0; r < rowCount; ++r)
        c.appendNull();
    columns.push_back(std::move(c));
}

QVariant TableData::value(int row, int col) const
{
    const ColumnData &c = columns[col];
    if (c.nulls[row])
        return {};
    switch (c.def.type) {
    case FieldType::Int: return QVariant(int(c.ints[row]));
    case FieldType::Int64: return QVariant(qlonglong(c.ints[row]));
    case FieldType::Bool: return QVariant(c.ints[row] != 0);
    case FieldType::Float:
    case FieldType::Currency:
    case FieldType::Date:
    case FieldType::DateTime: return QVariant(c.reals[row]);
    case FieldType::String:
    case FieldType::Memo: return QVariant(c.texts[row]);
    case FieldType::Blob: return QVariant(c.blobs[row]);
    }
    return {};
}

qint64 TableData::asInt64(int row, int col) const
{
    const ColumnData &c = columns[col];
    if (c.nulls[row])
        return 0;
    if (c.isInteger())
        return c.ints[row];
    if (c.isReal())
        return qRound64(c.reals[row]);
    if (c.isText()) {
        bool ok = false;
        const qint64 v = c.texts[row].trimmed().toLongLong(&ok);
        if (!ok)
            throw TableError(QStringLiteral("'%1' geçerli bir tamsayı değil").arg(c.texts[row]));
        return v;
    }
    throw TableError(QStringLiteral("%1 alanı sayıya çevrilemez").arg(c.def.name));
}

double TableData::asFloat(int row, int col) const
{
    const ColumnData &c = columns[col];
    if (c.nulls[row])
        return 0.0;
    if (c.isReal())
        return c.reals[row];
    if (c.isInteger())
        return double(c.ints[row]);
    if (c.isText()) {
        const QString t = c.texts[row].trimmed();
        bool ok = false;
        double v = QLocale().toDouble(t, &ok);
        if (!ok)
            v = t.toDouble(&ok);
        if (!ok)
            throw TableError(QStringLiteral("'%1' geçerli bir sayı değil").arg(c.texts[row]));
        return v;
    }
    throw TableError(QStringLiteral("%1 alanı sayıya çevrilemez").arg(c.def.name));
}

QString TableData::asString(int row, int col) const
{
    const ColumnData &c = columns[col];
    if (c.nulls[row])
        return {};
    switch (c.def.type) {
    case FieldType::String:
    case FieldType::Memo: return c.texts[row];
    case FieldType::Int:
    case FieldType::Int64: return QString::number(c.ints[row]);
    case FieldType::Bool: return c.ints[row] ? QStringLiteral("True") : QStringLiteral("False");
    case FieldType::Float:
    case FieldType::Currency: {
        QLocale loc;
        loc.setNumberOptions(QLocale::OmitGroupSeparator);
        return loc.toString(c.reals[row], 'g', 15);
    }
    case FieldType::Date: return QLocale().toString(dateTimeFromDays(c.reals[row]).date(), QLocale::ShortFormat);
    case FieldType::DateTime: return QLocale().toString(dateTimeFromDays(c.reals[row]), QLocale::ShortFormat);
    case FieldType::Blob: return QString::fromUtf8(c.blobs[row]);
    }
    return {};
}

int TableData::appendRow()
{
    for (ColumnData &c : columns)
        c.appendNull();
    return rowCount++;
}

void TableData::set(int row, int col, const QVariant &v)
{
    ColumnData &c = columns[col];
    if (!v.isValid() || v.isNull()) {
        c.nulls[row] = 1;
        return;
    }
    bool ok = true;
    if (c.isInteger()) {
        if (c.def.type == FieldType::Bool && v.typeId() == QMetaType::Bool)
            c.ints[row] = v.toBool() ? 1 : 0;
        else
            c.ints[row] = v.toLongLong(&ok);
    } else if (c.isReal()) {
        c.reals[row] = v.toDouble(&ok);
    } else if (c.isText()) {
        c.texts[row] = v.toString();
    } else {
        c.blobs[row] = v.toByteArray();
    }
    if (!ok)
        throw TableError(QStringLiteral("%1 alanına '%2' değeri yazılamaz").arg(c.def.name, v.toString()));
    c.nulls[row] = 0;
}

void TableData::clearRows()
{
    for (ColumnData &c : columns)
        c.clearValues();
    rowCount = 0;
}

QDateTime dateTimeFromDays(double days)
{
    const qint64 ms = qRound64(days * 86400000.0);
    return epoch().addMSecs(ms);
}

double daysFromDateTime(const QDateTime &dt)
{
    QDateTime u(dt.date(), dt.time(), Qt::UTC);
    return double(epoch().msecsTo(u)) / 86400000.0;
}

} // namespace dorvanto
