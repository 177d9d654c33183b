// "Excel Kaydet": the export of a grid to a spreadsheet file.
//
// GridExcelKaydet asks for a file name with the save dialog (filter "Excel|*.xls*") and
// writes the grid there as a real .xlsx workbook (the chosen name's extension becomes
// "xlsx": a legacy .xls name on xlsx content would be a file no program opens). All rows
// are written, groups expanded, in the grid's order and filter; the visible columns in
// their order, captions as the header row, numbers as numbers (money in the money number
// format, dates as dates), group rows and footers as in the grid. Cancelling the dialog
// writes nothing; a failure is shown by the default error display. GUI thread only.
#pragma once

#include <QString>

#include <functional>

class QWidget;

namespace dorvanto {

class DataGrid;

// The save dialog: answers the chosen file name, or empty when cancelled. `filter` is the
// dialog's filter in the "description|pattern" form ("Excel|*.xls*").
using KaydetDiyaloguFn = std::function<QString(QWidget *parent, const QString &filter)>;
// Replaces the save dialog (tests answer a name or cancel); an empty function restores it.
void SetKaydetDiyalogu(KaydetDiyaloguFn dialog);

// The default error display: shows a message the user must acknowledge ("Hata").
using HataGostericiFn = std::function<void(QWidget *parent, const QString &message)>;
// Replaces the default error display (the shell installs its message dialog; tests record);
// an empty function restores the plain critical message box.
void SetVarsayilanHataGosterici(HataGostericiFn display);
void VarsayilanHataGoster(QWidget *parent, const QString &message);

// The export behind the "Excel Kaydet" buttons.
void GridExcelKaydet(DataGrid *grid, QWidget *window);

// Writes the grid to `path` as it is; answers false with a Turkish message on failure.
bool GridExcelYaz(const DataGrid *grid, const QString &path, QString *error = nullptr);

// The file name an export writes for a chosen name: its extension replaced by ".xlsx".
QString ExcelDosyaAdi(const QString &chosen);

} // namespace dorvanto
