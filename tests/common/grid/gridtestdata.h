// A small basket-like table the grid tests share.
#pragma once

#include "gridcolumn.h"
#include "sayibicimi.h"
#include "sonuctablosu.h"

#include <QVariantList>

#include <vector>

namespace gridtest {

using namespace dorvanto;

// SEC, DURUM, RESIM, BARKOD, STOKADI, MIKTAR, NETTUTAR, VEREN, SIRANO
inline TableData basketData()
{
    TableData d;
    d.addColumn(FieldDef("SEC", FieldType::Int));
    d.addColumn(FieldDef("DURUM", FieldType::Int));
    d.addColumn(FieldDef("RESIM", FieldType::Int));
    d.addColumn(FieldDef("BARKOD", FieldType::String, 30));
    d.addColumn(FieldDef("STOKADI", FieldType::String, 100));
    d.addColumn(FieldDef("MIKTAR", FieldType::Int));
    d.addColumn(FieldDef("NETTUTAR", FieldType::Float));
    d.addColumn(FieldDef("VEREN", FieldType::String, 30));
    d.addColumn(FieldDef("SIRANO", FieldType::Int));
    const QList<QVariantList> rows = {
        {1, 1, 1, "AB100", "FREN BALATASI ÖN", 2, 1234.5, "ALİ", 11},
        {0, 0, 0, "AB200", "YAĞ FİLTRESİ", 5, 99.99, "VELİ", 12},
        {1, 3, 1, "CD300", "AMORTİSÖR ARKA SAĞ", 1, 2500.0, "ALİ", 13},
        {0, 5, QVariant(), "AB210", "HAVA FİLTRESİ", 3, 45.1, "AYŞE", 14},
    };
    for (const QVariantList &vals : rows) {
        const int r = d.appendRow();
        for (int c = 0; c < vals.size(); ++c)
            d.set(r, c, vals.at(c));
    }
    return d;
}

inline void loadBasket(ResultTable &t)
{
    t.loadFromPacket(basketData());
    applyMoneyFormat(t);
}

inline std::vector<GridColumn> basketColumns()
{
    return {
        GridColumn("SEC", "Seç", 1).checkBox().notOffered(),
        GridColumn("DURUM", "Durum", 1).status(),
        GridColumn("RESIM", "Resim", 1).yesNo(YesNoIcon::Picture),
        GridColumn("BARKOD", "Barkod", 2).countInFooter(),
        GridColumn("STOKADI", "Stok Açıklama", 3),
        GridColumn("MIKTAR", "Miktar", 1).sumInFooter(),
        GridColumn("NETTUTAR", "Net Tutar", 1).sumInFooter(),
        GridColumn("VEREN", "Veren", 1),
        GridColumn("SIRANO").hidden().notOffered(),
    };
}

} // namespace gridtest
