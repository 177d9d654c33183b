// Times the grid over a 100,000-row result table: opening it (attach and first paint),
// scrolling a page, best fit of every column, and for reference the header filter,
// sorting, grouping and the spreadsheet export. Prints milliseconds and memory.
//
//   QT_QPA_PLATFORM=offscreen ./bench_grid [rows]
#include "datagrid.h"
#include "gridexcel.h"
#include "sayibicimi.h"
#include "sonuctablosu.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QScrollBar>
#include <QTableView>

#include <cstdio>

using namespace dorvanto;

namespace {

long rssKiB()
{
    QFile f(QStringLiteral("/proc/self/status"));
    if (!f.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : f.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toLong();
    return -1;
}

TableData stockTable(int rows)
{
    TableData d;
    const char *texts[] = {"OEM1", "OEM2", "OEM3", "BARKOD", "ADI", "OEM4", "FINISHKOD", "URETICIKODU", "DIGERADI", "MARKA", "MODEL", "ANAGRUP", "BIRIM", "INDIRIMYAZI"};
    d.addColumn(FieldDef("DURUM", FieldType::Int));
    d.addColumn(FieldDef("STOK_STOKNO", FieldType::Int));
    d.addColumn(FieldDef("RESIM", FieldType::Int));
    d.addColumn(FieldDef("Y", FieldType::Int));
    d.addColumn(FieldDef("K", FieldType::Int));
    for (const char *t : texts)
        d.addColumn(FieldDef(QString::fromLatin1(t), FieldType::String, 50));
    for (const char *f : {"LISTEFIYAT1", "KAMPFIYAT", "NETFIYAT", "KDVDAHIL", "KALAN"})
        d.addColumn(FieldDef(QString::fromLatin1(f), FieldType::Float));
    for (auto &c : d.columns)
        c.reserve(std::size_t(rows));
    const char *makes[] = {"FORD", "FIAT", "RENAULT", "TOYOTA", "VOLKSWAGEN", "HYUNDAI", "OPEL", "PEUGEOT"};
    const char *words[] = {"FREN BALATASI", "YAĞ FİLTRESİ", "HAVA FİLTRESİ", "AMORTİSÖR", "DEBRİYAJ SETİ", "RADYATÖR", "SİLECEK", "ALTERNATÖR"};
    quint32 seed = 12345;
    auto rnd = [&seed] { seed = seed * 1103515245u + 12345u; return (seed >> 8) & 0xFFFFFF; };
    for (int r = 0; r < rows; ++r) {
        const int row = d.appendRow();
        d.set(row, 0, int(rnd() % 6));
        d.set(row, 1, 100000 + r);
        d.set(row, 2, int(rnd() % 2));
        d.set(row, 3, int(rnd() % 2));
        d.set(row, 4, int(rnd() % 2));
        int c = 5;
        for (int i = 0; i < 14; ++i, ++c) {
            QString v;
            switch (i) {
            case 4: v = QStringLiteral("%1 %2 %3").arg(QString::fromUtf8(words[rnd() % 8]), QString::fromLatin1(makes[rnd() % 8])).arg(rnd() % 1000); break;
            case 9: v = QString::fromLatin1(makes[rnd() % 8]); break;
            case 12: v = QStringLiteral("ADET"); break;
            case 13: v = QStringLiteral("%%1 + %%2").arg(rnd() % 40).arg(rnd() % 10); break;
            default: v = QStringLiteral("%1-%2").arg(rnd() % 100000, 5, 10, QLatin1Char('0')).arg(rnd() % 1000); break;
            }
            d.set(row, c, v);
        }
        for (int i = 0; i < 5; ++i, ++c)
            d.set(row, c, double(rnd() % 10000000) / 100.0);
    }
    return d;
}

std::size_t tableBytes(const TableData &d)
{
    std::size_t n = 0;
    for (const ColumnData &c : d.columns) {
        n += c.nulls.size() + c.ints.size() * sizeof(qint64) + c.reals.size() * sizeof(double);
        for (const QString &s : c.texts)
            n += sizeof(QString) + std::size_t(s.size()) * 2 + 24;
    }
    return n;
}

std::vector<GridColumn> stockColumns()
{
    return {
        GridColumn("DURUM", "Durum", 1).status(),
        GridColumn("OEM1", "Oem1", 2).countInFooter(),
        GridColumn("BARKOD", "Barkod", 2),
        GridColumn("ADI", "Açıklama", 4),
        GridColumn("STOK_STOKNO").hidden().notOffered(),
        GridColumn("FINISHKOD", "Finish Kod", 2),
        GridColumn("RESIM", "Resim", 1).yesNo(YesNoIcon::Picture),
        GridColumn("MARKA", "Marka", 2),
        GridColumn("MODEL", "Model", 2),
        GridColumn("KALAN", "KALAN", 1).sumInFooter(),
        GridColumn("LISTEFIYAT1", "Liste Fiyatı", 2),
        GridColumn("KAMPFIYAT", "Kampanyalı Fiyat", 2),
        GridColumn("Y", "Yeni", 1).yesNo(YesNoIcon::New),
        GridColumn("K", "Kampanyalı", 1).yesNo(YesNoIcon::Campaign),
        GridColumn("INDIRIMYAZI", "İndirim Oran", 2),
        GridColumn("NETFIYAT", "Net Fiyatı", 2),
        GridColumn("KDVDAHIL", "KDV Dahil Fiyat", 3).sumInFooter(),
    };
}

double ms(QElapsedTimer &t) { return double(t.nsecsElapsed()) / 1e6; }

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    const int rows = argc > 1 ? QByteArray(argv[1]).toInt() : 100000;
    std::printf("grid benchmark, %d rows\n", rows);

    ResultTable table;
    QElapsedTimer t;
    t.start();
    TableData data = stockTable(rows);
    const std::size_t bytes = tableBytes(data);
    table.assign(std::move(data));
    applyMoneyFormat(table);
    std::printf("  %-34s %9.1f ms (table data about %.1f MiB)\n", "build the table (not the grid)", ms(t), bytes / 1048576.0);

    DataGrid grid;
    grid.setColumns(stockColumns());
    grid.setRowHeight(60);
    grid.setHeaderHeight(40);
    grid.setRowIndicator(true);
    grid.setFilterButtons(true);
    grid.setFooterVisible(true);
    grid.resize(1280, 800);
    grid.show();
    app.processEvents();

    const long rssBefore = rssKiB();
    grid.detach();
    t.restart();
    grid.bind(&table);
    grid.attach();
    grid.view()->viewport()->repaint();
    grid.footer()->repaint();
    const double open = ms(t);
    std::printf("  %-34s %9.1f ms\n", "open (attach + first paint)", open);
    const long rssAfter = rssKiB();
    std::printf("  %-34s %9.1f KiB (%.1f bytes per row; the grid model itself keeps none)\n", "memory of binding the grid",
                double(rssAfter - rssBefore), rows ? double(rssAfter - rssBefore) * 1024.0 / rows : 0.0);

    QScrollBar *bar = grid.view()->verticalScrollBar();
    double worstScroll = 0, sumScroll = 0;
    const int pages = 20;
    for (int i = 0; i < pages; ++i) {
        t.restart();
        bar->setValue(bar->value() + bar->pageStep());
        grid.view()->viewport()->repaint();
        const double s = ms(t);
        worstScroll = std::max(worstScroll, s);
        sumScroll += s;
    }
    std::printf("  %-34s %9.1f ms (worst of %d, mean %.1f)\n", "scroll a page and paint", worstScroll, pages, sumScroll / pages);

    t.restart();
    bar->setValue(bar->maximum());
    grid.view()->viewport()->repaint();
    std::printf("  %-34s %9.1f ms\n", "jump to the end and paint", ms(t));

    t.restart();
    grid.bestFit();
    grid.view()->viewport()->repaint();
    std::printf("  %-34s %9.1f ms\n", "best fit of every column", ms(t));

    t.restart();
    grid.applyWeights();
    std::printf("  %-34s %9.1f ms\n", "weights layout rule", ms(t));

    t.restart();
    const QStringList values = grid.gridModel()->distinctValues(grid.columnIndex("MARKA"));
    std::printf("  %-34s %9.1f ms (%lld values)\n", "filter popup values (Marka)", ms(t), (long long)values.size());

    t.restart();
    grid.setColumnFilter("MARKA", values.value(0));
    grid.view()->viewport()->repaint();
    std::printf("  %-34s %9.1f ms (%d rows)\n", "filter by a value", ms(t), grid.rowCount());
    grid.clearFilter();

    t.restart();
    const int found = grid.gridModel()->findPrefix(grid.columnIndex("BARKOD"), QStringLiteral("99999"));
    std::printf("  %-34s %9.1f ms (row %d)\n", "incremental search, worst case", ms(t), found);

    t.restart();
    grid.gridModel()->sort(grid.columnIndex("NETFIYAT"), Qt::DescendingOrder);
    grid.view()->viewport()->repaint();
    std::printf("  %-34s %9.1f ms\n", "sort by a money column", ms(t));
    grid.gridModel()->sort(-1);

    t.restart();
    grid.groupBy(QStringLiteral("MARKA"));
    grid.view()->viewport()->repaint();
    std::printf("  %-34s %9.1f ms (%d groups)\n", "group by Marka", ms(t), grid.gridModel()->groupCount());
    grid.groupBy(QString());

    const QString file = QDir::temp().filePath(QStringLiteral("bench_grid.xlsx"));
    t.restart();
    QString error;
    const bool ok = GridExcelYaz(&grid, file, &error);
    std::printf("  %-34s %9.1f ms (%s, %.1f MiB)\n", "export to xlsx", ms(t), ok ? "ok" : qPrintable(error),
                QFileInfo(file).size() / 1048576.0);
    QFile::remove(file);
    return 0;
}
