#include "gridexcel.h"

#include "datagrid.h"
#include "sonuctablosu.h"
#include "yardimci.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QHash>
#include <QHeaderView>
#include <QMessageBox>
#include <QTableView>

#include <xlsxwriter.h>

namespace dorvanto {

namespace {

KaydetDiyaloguFn &dialogSeam()
{
    static KaydetDiyaloguFn fn;
    return fn;
}

HataGostericiFn &errorSeam()
{
    static HataGostericiFn fn;
    return fn;
}

// "Excel|*.xls*" -> "Excel (*.xls*)"; pairs of description and pattern, '|'-separated.
QString qtFilter(const QString &filter)
{
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList out;
    for (int i = 0; i + 1 < parts.size(); i += 2)
        out << QStringLiteral("%1 (%2)").arg(parts.at(i), QString(parts.at(i + 1)).replace(QLatin1Char(';'), QLatin1Char(' ')));
    return out.join(QStringLiteral(";;"));
}

class Writer {
public:
    Writer(const DataGrid *grid, lxw_workbook *wb) : m_grid(grid), m_model(grid->gridModel()), m_wb(wb)
    {
        m_ws = workbook_add_worksheet(wb, "Sayfa1");
        const QHeaderView *h = grid->view()->horizontalHeader();
        for (int v = 0; v < h->count(); ++v) {
            const int c = h->logicalIndex(v);
            if (grid->view()->isColumnHidden(c))
                continue;
            const GridColumn &col = m_model->column(c);
            if (col.kind == CellKind::Picture || m_model->tableColumn(c) < 0)
                continue;
            m_cols.push_back(c);
        }
    }

    void write()
    {
        // header row
        for (std::size_t i = 0; i < m_cols.size(); ++i) {
            const int c = m_cols[i];
            worksheet_write_string(m_ws, 0, lxw_col_t(i), utf8(m_model->column(c).headerText()), format(QString(), true));
            const int px = m_grid->view()->horizontalHeader()->sectionSize(c);
            worksheet_set_column(m_ws, lxw_col_t(i), lxw_col_t(i), std::max(6.0, px / 7.0), nullptr);
        }
        m_row = 1;
        if (m_model->isGrouped()) {
            for (int g = 0; g < m_model->groupCount(); ++g) {
                worksheet_write_string(m_ws, m_row, 0, utf8(m_model->groupText(g)), format(QString(), true));
                ++m_row;
                for (int i = 0; i < m_model->groupSize(g); ++i)
                    dataRow(m_model->groupRowAt(g, i));
                if (m_model->groupFooters())
                    summaryRow([&](int c) { return m_model->groupSummaryValue(g, c); });
            }
        } else {
            m_model->forEachDataRow([this](int r) { dataRow(r); });
        }
        if (m_grid->footerVisible())
            summaryRow([&](int c) { return m_model->summaryValue(c); });
    }

private:
    const char *utf8(const QString &s)
    {
        m_buf = s.toUtf8();
        return m_buf.constData();
    }

    lxw_format *format(const QString &numFormat, bool bold)
    {
        const QString key = numFormat + (bold ? QStringLiteral("|b") : QStringLiteral("|"));
        if (auto it = m_formats.constFind(key); it != m_formats.constEnd())
            return *it;
        lxw_format *f = workbook_add_format(m_wb);
        if (!numFormat.isEmpty())
            format_set_num_format(f, numFormat.toUtf8().constData());
        if (bold)
            format_set_bold(f);
        m_formats.insert(key, f);
        return f;
    }

    QString numberFormat(int c) const
    {
        const FieldDef &def = m_model->table()->fieldDef(m_model->tableColumn(c));
        switch (def.type) {
        case FieldType::Float:
        case FieldType::Currency: return excelNumberFormat(def.displayFormat);
        case FieldType::Date: return QStringLiteral("dd.mm.yyyy");
        case FieldType::DateTime: return QStringLiteral("dd.mm.yyyy hh:mm:ss");
        default: return {};
        }
    }

    void dataRow(int r)
    {
        const ResultTable *t = m_model->table();
        for (std::size_t i = 0; i < m_cols.size(); ++i) {
            const int c = m_cols[i];
            const int tc = m_model->tableColumn(c);
            if (t->isNull(r, tc))
                continue;
            const ColumnData &cd = t->data().columns[std::size_t(tc)];
            if (cd.isInteger()) {
                worksheet_write_number(m_ws, m_row, lxw_col_t(i), double(cd.ints[std::size_t(r)]), nullptr);
            } else if (cd.isReal()) {
                const QString nf = numberFormat(c);
                worksheet_write_number(m_ws, m_row, lxw_col_t(i), cd.reals[std::size_t(r)], nf.isEmpty() ? nullptr : format(nf, false));
            } else if (cd.isText()) {
                worksheet_write_string(m_ws, m_row, lxw_col_t(i), utf8(cd.texts[std::size_t(r)]), nullptr);
            }
        }
        ++m_row;
    }

    template <typename F> void summaryRow(F value)
    {
        bool any = false;
        for (std::size_t i = 0; i < m_cols.size(); ++i) {
            const int c = m_cols[i];
            const Summary kind = m_model->column(c).footer;
            if (kind == Summary::None)
                continue;
            any = true;
            const QString nf = kind == Summary::Sum ? numberFormat(c) : QString();
            worksheet_write_number(m_ws, m_row, lxw_col_t(i), value(c), format(nf, true));
        }
        if (any)
            ++m_row;
    }

    const DataGrid *m_grid;
    const GridModel *m_model;
    lxw_workbook *m_wb;
    lxw_worksheet *m_ws = nullptr;
    std::vector<int> m_cols;
    QHash<QString, lxw_format *> m_formats;
    QByteArray m_buf;
    lxw_row_t m_row = 0;
};

} // namespace

void SetKaydetDiyalogu(KaydetDiyaloguFn dialog) { dialogSeam() = std::move(dialog); }

void SetVarsayilanHataGosterici(HataGostericiFn display) { errorSeam() = std::move(display); }

void VarsayilanHataGoster(QWidget *parent, const QString &message)
{
    if (errorSeam()) {
        errorSeam()(parent, message);
        return;
    }
    QMessageBox::critical(parent, QStringLiteral("Hata"), message);
}

QString ExcelDosyaAdi(const QString &chosen)
{
    if (chosen.isEmpty())
        return {};
    const QString suffix = QFileInfo(chosen).suffix();
    if (suffix.isEmpty())
        return chosen.endsWith(QLatin1Char('.')) ? chosen + QStringLiteral("xlsx") : chosen + QStringLiteral(".xlsx");
    return chosen.left(chosen.size() - suffix.size()) + QStringLiteral("xlsx");
}

bool GridExcelYaz(const DataGrid *grid, const QString &path, QString *error)
{
    auto fail = [&](const QString &why) {
        if (error)
            *error = QStringLiteral("Excel dosyası kaydedilemedi:\n%1\n%2").arg(QDir::toNativeSeparators(path), why);
        return false;
    };
    if (!grid || !grid->gridModel()->table())
        return fail(QStringLiteral("Kaydedilecek liste yok."));
    if (!QFileInfo(path).absoluteDir().exists())
        return fail(QStringLiteral("Klasör bulunamadı."));
    const QByteArray name = QFile::encodeName(path);
    lxw_workbook *wb = workbook_new(name.constData());
    if (!wb)
        return fail(QStringLiteral("Dosya oluşturulamadı."));
    Writer(grid, wb).write();
    const lxw_error rc = workbook_close(wb);
    if (rc != LXW_NO_ERROR) {
        return fail(rc == LXW_ERROR_CREATING_XLSX_FILE || rc == LXW_ERROR_CREATING_TMPFILE
                        ? QStringLiteral("Dosya oluşturulamadı (klasör yok ya da yazma izni yok).")
                        : QStringLiteral("Yazma hatası (%1).").arg(QString::fromUtf8(lxw_strerror(rc))));
    }
    return true;
}

void GridExcelKaydet(DataGrid *grid, QWidget *window)
{
    const QString filter = QStringLiteral("Excel|*.xls*");
    QString chosen;
    if (dialogSeam())
        chosen = dialogSeam()(window, filter);
    else
        chosen = QFileDialog::getSaveFileName(window, QStringLiteral("Kaydet"), BelgelerKlasoru(), qtFilter(filter));
    if (chosen.isEmpty())
        return;
    QString error;
    QApplication::setOverrideCursor(Qt::WaitCursor); // a long list takes seconds to write
    const bool ok = GridExcelYaz(grid, ExcelDosyaAdi(chosen), &error);
    QApplication::restoreOverrideCursor();
    if (!ok)
        VarsayilanHataGoster(window, error);
}

} // namespace dorvanto
