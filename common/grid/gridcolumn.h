// Column definitions of the data grids, and the width arithmetic that the screens'
// layout routines share. Plain data and functions: no widgets here.
//
// Every list of the program is a DataGrid (datagrid.h) over a result table; a screen
// describes its grid by a vector of GridColumn, in the order the columns appear:
//
//     std::vector<GridColumn> kolonlar = {
//         GridColumn("DURUM", "Durum", 1).status(),
//         GridColumn("OEM1", "Oem1", 2).hidden().countInFooter(),
//         GridColumn("BARKOD", "Barkod", 2),
//         GridColumn("STOK_STOKNO").hidden().notOffered(),
//         GridColumn("RESIM", "Resim", 1).yesNo(YesNoIcon::Picture),
//         GridColumn("MIKTAR", "Miktar", 1).sumInFooter(),
//         GridColumn::custom("FIYATBILGISI", "Fiyat Bilgisi", 2, fiyatBlokuCiz).hidden(),
//     };
//     grid->setColumns(kolonlar);
//     grid->bind(&stok);
#pragma once

#include <QModelIndex>
#include <QString>
#include <Qt>

#include <functional>
#include <vector>

class QPainter;
class QStyleOptionViewItem;

namespace dorvanto {

// How a cell is drawn.
enum class CellKind {
    Text,       // the field's display text (floats in their display format)
    MultiLine,  // text wrapped over the row's height, top-left
    Status,     // availability status DURUM 0..5 as its icon only (DurumSimgesi)
    YesNo,      // 1 = the column's "yes" icon, anything else = nothing
    CheckBox,   // an integer field drawn as a check box (ticked = 1); never edited by the grid
    Custom,     // drawn by the column's paint callback
    Picture,    // image bytes (a blob field) drawn scaled into the cell
};

// The icon a YesNo column shows for 1.
enum class YesNoIcon { Picture, New, Campaign };

// A footer (and group footer) summary under a column.
enum class Summary { None, Count, Sum };

// Paints a custom cell: the painter, the cell's option (rect, state, palette, font) and
// the row of the result table. Selection background is already drawn.
using CellPainter = std::function<void(QPainter *painter, const QStyleOptionViewItem &option, int tableRow)>;

struct GridColumn {
    GridColumn() = default;
    explicit GridColumn(QString fieldName, QString captionText = {}, int widthWeight = 1)
        : field(std::move(fieldName)), caption(std::move(captionText)), weight(widthWeight)
    {
    }
    // A column without a field, drawn by `paint`; `key` names it for the API.
    static GridColumn custom(QString key, QString captionText, int widthWeight, CellPainter painter)
    {
        GridColumn c;
        c.name = std::move(key);
        c.caption = std::move(captionText);
        c.weight = widthWeight;
        c.kind = CellKind::Custom;
        c.paint = std::move(painter);
        return c;
    }

    QString field;             // result-table field; empty for a custom column
    QString name;              // key of a column without field (else the field is its key)
    QString caption;           // header text; empty: the field name
    int weight = 1;            // share in the weights layout rule
    bool visible = true;       // shown at start
    bool offered = true;       // may be shown or hidden through the column chooser
    Qt::Alignment alignment;   // empty: numbers right, the rest left; vertically centred
    int width = 0;             // width at start in pixels (0: 100)
    bool fixedWidth = false;   // the user cannot resize it; best fit and weights skip it
    CellKind kind = CellKind::Text;
    YesNoIcon yesNoIcon = YesNoIcon::Picture;
    Summary footer = Summary::None;
    CellPainter paint;         // Custom cells
    int customFitWidth = 0;    // best-fit width of a Custom column (0: keep its width)

    // Chainable settings for the column tables of the screens.
    GridColumn &hidden() { visible = false; return *this; }
    GridColumn &shown(bool on = true) { visible = on; return *this; }
    GridColumn &notOffered() { offered = false; return *this; }
    GridColumn &offer(bool on = true) { offered = on; return *this; }
    GridColumn &align(Qt::Alignment a) { alignment = a; return *this; }
    GridColumn &startWidth(int px) { width = px; return *this; }
    GridColumn &fixed(int px) { width = px; fixedWidth = true; return *this; }
    GridColumn &status() { kind = CellKind::Status; return *this; }
    GridColumn &yesNo(YesNoIcon icon) { kind = CellKind::YesNo; yesNoIcon = icon; return *this; }
    GridColumn &checkBox() { kind = CellKind::CheckBox; return *this; }
    GridColumn &multiLine() { kind = CellKind::MultiLine; return *this; }
    GridColumn &picture() { kind = CellKind::Picture; return *this; }
    GridColumn &countInFooter() { footer = Summary::Count; return *this; }
    GridColumn &sumInFooter() { footer = Summary::Sum; return *this; }

    QString key() const { return field.isEmpty() ? name : field; }
    QString headerText() const { return caption.isEmpty() ? field : caption; }
};

// The weights layout rule: S is the sum of the weights of the visible columns and each
// visible column gets weight * trunc((gridWidth - 30) / S), the division done in floating
// point and truncated toward zero before the multiplication. Answers one width per column,
// -1 for a column that is left alone (hidden, or `skip` set); all -1 when S is 0. A unit
// below zero (a grid narrower than 30 pixels) counts as 0 rather than a negative width.
std::vector<int> weightedWidths(const std::vector<int> &weights, const std::vector<bool> &visible, int gridWidth,
                                const std::vector<bool> &skip = {});

// The same rule filling the width exactly (autowidth grids): every visible column gets its
// share of `available` by weight (weight 0 counts as 1) and the last one the remainder.
std::vector<int> stretchedWidths(const std::vector<int> &weights, const std::vector<bool> &visible, int available,
                                 const std::vector<bool> &skip = {});

// The picture of a result table's display format as an Excel number format
// ("#,###,##0.00" -> "#,##0.00"); empty for an empty picture.
QString excelNumberFormat(const QString &picture);

} // namespace dorvanto
