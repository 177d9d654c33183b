// Draws a basket-like grid (check boxes, status and yes/no icons, header filter buttons,
// a row indicator, a footer) with its column chooser open into a PNG.
//
//   QT_QPA_PLATFORM=offscreen ./grid_screenshot docs/screenshots/grid.png
#include "datagrid.h"
#include "sayibicimi.h"
#include "sonuctablosu.h"

#include <QApplication>
#include <QFont>
#include <QPainter>
#include <QStyleFactory>
#include <QTableView>

#include <cstdio>

using namespace dorvanto;

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QApplication::setFont(QFont(QStringLiteral("DejaVu Sans"), 9));
    QLocale::setDefault(QLocale(QLocale::Turkish, QLocale::Turkey));
    const QString out = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("grid.png");

    TableData d;
    d.addColumn(FieldDef("SEC", FieldType::Int));
    d.addColumn(FieldDef("DURUM", FieldType::Int));
    d.addColumn(FieldDef("RESIM", FieldType::Int));
    d.addColumn(FieldDef("Y", FieldType::Int));
    d.addColumn(FieldDef("K", FieldType::Int));
    d.addColumn(FieldDef("BARKOD", FieldType::String));
    d.addColumn(FieldDef("STOKADI", FieldType::String));
    d.addColumn(FieldDef("MARKA", FieldType::String));
    d.addColumn(FieldDef("MIKTAR", FieldType::Int));
    d.addColumn(FieldDef("BIRIMFIYAT", FieldType::Float));
    d.addColumn(FieldDef("NETTUTAR", FieldType::Float));
    d.addColumn(FieldDef("VEREN", FieldType::String));
    const QList<QVariantList> rows = {
        {1, 1, 1, 0, 1, "FB-1042", "FREN BALATASI ÖN TAKIM", "FORD", 2, 845.5, 1521.9, "AHMET"},
        {1, 3, 1, 1, 0, "YF-2210", "YAĞ FİLTRESİ", "FIAT", 10, 96.75, 870.75, "AHMET"},
        {0, 2, 0, 0, 0, "AM-5531", "AMORTİSÖR ARKA SAĞ", "RENAULT", 1, 2480.0, 2232.0, "MERVE"},
        {1, 1, 1, 0, 0, "HF-0877", "HAVA FİLTRESİ", "TOYOTA", 4, 185.4, 667.44, "MERVE"},
        {0, 5, 0, 1, 1, "DS-3120", "DEBRİYAJ SETİ KOMPLE", "VOLKSWAGEN", 1, 6890.0, 5856.5, "AHMET"},
        {1, 4, 1, 0, 0, "RD-7781", "RADYATÖR (OTOMATİK VİTES)", "HYUNDAI", 1, 4125.9, 3713.31, "SELİN"},
        {0, 0, 0, 0, 0, "SL-0045", "SİLECEK SÜPÜRGESİ 600 MM", "OPEL", 6, 142.0, 766.8, "SELİN"},
        {1, 1, 1, 1, 0, "AL-9902", "ALTERNATÖR 90A", "PEUGEOT", 1, 5320.25, 4788.23, "AHMET"},
        {0, 3, 1, 0, 1, "BJ-1180", "BUJİ TAKIMI (4 ADET)", "FORD", 3, 310.0, 837.0, "MERVE"},
        {1, 2, 0, 0, 0, "TR-4410", "TRİGER SETİ", "FIAT", 1, 1875.0, 1687.5, "SELİN"},
        {0, 1, 1, 1, 0, "KS-2060", "KAMPANA SOL", "RENAULT", 2, 655.3, 1179.54, "AHMET"},
        {1, 5, 0, 0, 1, "SP-7713", "SU POMPASI", "TOYOTA", 1, 1240.0, 1116.0, "MERVE"},
    };
    for (const QVariantList &v : rows) {
        const int r = d.appendRow();
        for (int c = 0; c < v.size(); ++c)
            d.set(r, c, v.at(c));
    }
    ResultTable sepet;
    sepet.loadFromPacket(std::move(d));
    applyMoneyFormat(sepet);

    DataGrid grid;
    grid.setObjectName(QStringLiteral("cxGrid2"));
    grid.setColumns({
        GridColumn("SEC", "Seç", 1).checkBox().notOffered(),
        GridColumn("DURUM", "Durum", 1).status(),
        GridColumn("BARKOD", "Barkod", 2).countInFooter(),
        GridColumn("STOKADI", "Stok Açıklama", 3),
        GridColumn("MARKA", "Marka", 2),
        GridColumn("RESIM", "Resim", 1).yesNo(YesNoIcon::Picture),
        GridColumn("Y", "Yeni", 1).yesNo(YesNoIcon::New),
        GridColumn("K", "Kampanyalı", 1).yesNo(YesNoIcon::Campaign),
        GridColumn("MIKTAR", "Miktar", 1).sumInFooter(),
        GridColumn("BIRIMFIYAT", "Birim Fiyat", 1),
        GridColumn("NETTUTAR", "Net Tutar", 1).sumInFooter(),
        GridColumn("VEREN", "Veren", 1).hidden(),
    });
    grid.setRowHeight(32);
    grid.setHeaderHeight(40);
    grid.setRowIndicator(true);
    grid.setFilterButtons(true);
    grid.setFooterVisible(true);
    grid.bind(&sepet);
    grid.resize(1180, 520);
    grid.show();
    app.processEvents();
    // content widths, the room left over to the description
    grid.bestFit();
    int used = 0;
    for (int c = 0; c < grid.columnCount(); ++c)
        if (grid.isColumnVisible(grid.column(c).key()))
            used += grid.columnWidth(grid.column(c).key());
    grid.setColumnWidth(QStringLiteral("STOKADI"),
                        grid.columnWidth(QStringLiteral("STOKADI")) + std::max(0, grid.view()->viewport()->width() - used));
    sepet.setRecNo(3);
    grid.view()->setFocus();
    grid.showColumnChooser();
    app.processEvents();

    QPixmap shot = grid.grab();
    if (QWidget *chooser = grid.columnChooser()) {
        const QPoint at = chooser->mapToGlobal(QPoint(0, 0)) - grid.mapToGlobal(QPoint(0, 0));
        QPainter p(&shot);
        p.drawPixmap(at, chooser->grab());
        // the popup's shadow edge
        p.setPen(QColor(0, 0, 0, 60));
        p.drawLine(at + QPoint(chooser->width(), 2), at + QPoint(chooser->width(), chooser->height()));
        p.drawLine(at + QPoint(2, chooser->height()), at + QPoint(chooser->width(), chooser->height()));
    }
    if (!shot.save(out)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(out));
        return 1;
    }
    std::printf("wrote %s (%dx%d)\n", qPrintable(out), shot.width(), shot.height());
    return 0;
}
