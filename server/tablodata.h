// Column-oriented table data: what a table result of the server decodes into, and
// the storage behind a result table. Plain data, movable, usable on any thread.
#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QVariant>

#include <cstdint>
#include <stdexcept>
#include <vector>

namespace dorvanto {

enum class FieldType { String, Memo, Int, Int64, Float, Currency, Bool, Date, DateTime, Blob };

// The wire name of a column type ("string", "int", ...) and back; unknown -> false.
const char *fieldTypeName(FieldType t);
bool fieldTypeFromName(const QString &name, FieldType &out);

struct FieldDef {
    FieldDef() = default;
    FieldDef(QString n, FieldType t, int s = 0) : name(std::move(n)), type(t), size(s) {}
    QString name;
    FieldType type = FieldType::String;
    int size = 0;           // maximum length of a string column, 0 when not given
    QString displayFormat;  // float picture, e.g. "#,###,##0.00"; empty = general format
};

class TableError : public std::runtime_error {
public:
    explicit TableError(const QString &message) : std::runtime_error(message.toStdString()) {}
    QString message() const { return QString::fromStdString(what()); }
};

// One column's values. Exactly one of the value vectors is used, by the type:
// numbers (Int, Int64, Bool) in ints, (Float, Currency, Date, DateTime) in reals,
// texts in texts, blobs in blobs. nulls[r] != 0 marks a missing value.
struct ColumnData {
    FieldDef def;
    std::vector<qint64> ints;
    std::vector<double> reals;
    std::vector<QString> texts;
    std::vector<QByteArray> blobs;
    std::vector<std::uint8_t> nulls;

    bool isInteger() const;   // Int, Int64, Bool
    bool isReal() const;      // Float, Currency, Date, DateTime
    bool isText() const;      // String, Memo
    void reserve(std::size_t n);
    void appendNull();
    void clearValues();
};

struct TableData {
    std::vector<ColumnData> columns;
    int rowCount = 0;

    int columnCount() const { return int(columns.size()); }
    int indexOf(const QString &name) const;  // case-insensitive; -1 when absent
    void addColumn(const FieldDef &def);
    bool isNull(int row, int col) const { return columns[col].nulls[row] != 0; }
    QVariant value(int row, int col) const;   // null -> invalid QVariant
    qint64 asInt64(int row, int col) const;   // null -> 0
    double asFloat(int row, int col) const;   // null -> 0
    QString asString(int row, int col) const; // null -> ""
    // Appends a row of nulls and answers its index; fill it with set().
    int appendRow();
    void set(int row, int col, const QVariant &v);
    void clearRows();
};

// Days since 1899-12-30 (the day-count form of dates on the wire) and back.
QDateTime dateTimeFromDays(double days);
double daysFromDateTime(const QDateTime &dt);

// A table result of a server method: a reader is copied into a result table's
// existing columns, a packet replaces the table's columns and rows.
struct TableReader {
    TableData data;
};
struct DataPacket {
    TableData data;
};

} // namespace dorvanto
