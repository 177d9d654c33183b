// The result table: the in-memory table every list of the program is loaded into
// (the client dataset of the original platform), with a cursor, typed fields,
// locate, display formats, and a Qt model for the grids that bind to it.
//
// Threads: a table that a grid is bound to is changed on the GUI thread only. A
// background load fills a table of its own (or a TableData) and the continuation
// hands the rows over with assign(), which costs a swap.
#pragma once

#include "tablodata.h"

#include <QAbstractTableModel>
#include <QObject>

namespace dorvanto {

class ResultTable;

// A field of the table at the cursor's row (the row of an empty table reads as null).
class Field {
public:
    Field(const ResultTable *table, int column) : t(table), col(column) {}
    int index() const { return col; }
    const FieldDef &def() const;
    QString name() const { return def().name; }
    bool isNull() const;
    int asInteger() const;
    qint64 asLargeInt() const;
    double asFloat() const;
    QString asString() const;
    bool asBoolean() const { return asLargeInt() != 0; }
    QVariant asVariant() const;
    QString displayText() const;

private:
    const ResultTable *t;
    int col;
};

class ResultTable : public QObject {
    Q_OBJECT
public:
    explicit ResultTable(QObject *parent = nullptr);

    // Structure
    bool active() const { return m_active; }
    int fieldCount() const { return m_data.columnCount(); }
    const FieldDef &fieldDef(int col) const { return m_data.columns[std::size_t(col)].def; }
    int fieldIndex(const QString &name) const { return m_data.indexOf(name); }
    // Throws TableError naming the field when there is none of that name.
    Field fieldByName(const QString &name) const;
    bool hasField(const QString &name) const { return fieldIndex(name) >= 0; }
    void setDisplayFormat(int col, const QString &picture);
    // Adds a column definition to a closed table (the design-time fields of a form).
    void addFieldDef(const FieldDef &def);

    // Rows
    int recordCount() const { return m_data.rowCount; }
    bool isEmpty() const { return m_data.rowCount == 0; }
    QVariant value(int row, int col) const { return m_data.value(row, col); }
    bool isNull(int row, int col) const { return m_data.isNull(row, col); }
    int asInteger(int row, int col) const { return int(m_data.asInt64(row, col)); }
    double asFloat(int row, int col) const { return m_data.asFloat(row, col); }
    QString asString(int row, int col) const { return m_data.asString(row, col); }
    // The text a grid shows: the display format for floats, dates in the locale.
    QString displayText(int row, int col) const;
    // A local change of one value (the basket's selection flag); bound views follow.
    void setValue(int row, int col, const QVariant &v);
    const TableData &data() const { return m_data; }

    // Cursor
    int recNo() const { return m_cursor; }      // 0-based; -1 on an empty table
    void setRecNo(int row);
    void first();
    void next();
    bool eof() const { return m_eof; }
    // Moves the cursor to the first row whose field equals `value` (numbers by value,
    // texts exactly). Answers false and leaves the cursor when there is none.
    bool locate(const QString &field, const QVariant &value);

    // Loads
    // Copies a reader into the table: an existing column definition at a position must
    // carry the reader's column name there (else TableError about additional columns);
    // positions without one take the reader's definition. Rows are replaced.
    void loadFromReader(const TableReader &reader);
    void loadFromReader(const TableData &reader);
    // A packet brings its own columns and rows and replaces both.
    void loadFromPacket(DataPacket packet);
    void loadFromPacket(TableData packet);
    // Takes over a whole table filled elsewhere (a background load): display formats
    // set on this table survive for columns of the same name.
    void assign(TableData &&data);
    void emptyTable();   // rows go, columns stay
    void close();        // rows and columns go

    // Bound views: while disabled, views see an empty table and get no per-row news;
    // enableControls() refreshes them once.
    void disableControls();
    void enableControls();
    bool controlsDisabled() const { return m_disabled > 0; }

signals:
    void aboutToReset();
    void resetDone();
    void valueChanged(int row, int col);
    void cursorMoved(int row);

private:
    void beginChange();
    void endChange();
    void resetCursor();

    TableData m_data;
    bool m_active = false;
    int m_cursor = -1;
    bool m_eof = true;
    int m_disabled = 0;
    bool m_resetPending = false;
};

// The grids' view of a result table. Display role: the formatted text; EditRole and
// RawValueRole: the stored value; header: the field name (screens set captions).
class ResultTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Roles { RawValueRole = Qt::UserRole + 1 };
    explicit ResultTableModel(ResultTable *table, QObject *parent = nullptr);
    ResultTable *table() const { return m_table; }

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation o, int role = Qt::DisplayRole) const override;

private:
    ResultTable *m_table;
    bool m_detached = false;
};

// Applies the money display format to every plain floating-point field.
void applyMoneyFormat(ResultTable &table);

} // namespace dorvanto
