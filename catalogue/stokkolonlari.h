// The columns of the stock grid and its layout rule: captions, width weights, what
// is shown at start and offered in the column chooser, the customer-type rules and
// the wide/narrow switch at a window width of 1152 pixels.
#pragma once

#include <QString>
#include <QVector>

namespace dorvanto {

// The field name of the price block column, which has no field of its own.
inline constexpr const char *FiyatBilgisiKolonu = "FiyatBilgisi";

struct StokKolonu {
    enum class Gorunum {
        Evet,          // shown at start
        Hayir,         // hidden at start
        Tip12,         // shown only for customer types 1 and 2
        GenisDuzen,    // shown in the wide layout (the layout rule decides)
        DarDuzen       // shown in the narrow layout (the layout rule decides)
    };
    enum class Teklif {
        Evet,          // offered in the column chooser
        Hayir,         // never
        Tip12          // only for customer types 1 and 2
    };
    QString alan;
    QString baslik;    // the field name when the design has no caption
    int agirlik = 1;
    Gorunum gorunum = Gorunum::Evet;
    Teklif teklif = Teklif::Evet;
    bool tip4Gizli = false;   // never shown nor offered for customer type 4
};

// The stock grid's columns in order.
const QVector<StokKolonu> &StokKolonlari();

// Whether `kolon` is offered in the chooser / visible right after login for a user
// of `musteriTipi` (the layout-dependent columns as in the given layout).
bool KolonTeklifEdilir(const StokKolonu &kolon, int musteriTipi);
bool KolonBaslangictaGorunur(const StokKolonu &kolon, int musteriTipi, bool genis);

// The wide layout is used for a main window wider than 1152 pixels.
inline constexpr int GenisDuzenSiniri = 1152;
inline bool GenisDuzenMi(int pencereGenisligi) { return pencereGenisligi > GenisDuzenSiniri; }

// Row heights of the two layouts, the header height, the narrow layout's fixed widths.
inline constexpr int GenisSatirYuksekligi = 60;
inline constexpr int DarSatirYuksekligi = 100;
inline constexpr int BaslikYuksekligi = 40;
inline constexpr int DarOemGenisligi = 80;
inline constexpr int DarFiyatBilgisiGenisligi = 150;

// One weight unit of the layout rule: trunc((grid width − 30) / sum of visible
// weights), divided in floating point; 0 when nothing is visible.
int AgirlikBirimi(int gridGenisligi, int agirlikToplami);

// The fixed width a column has in the narrow layout: 80 for OEM1–OEM3, 150 for the
// price block, 0 for the columns that the weights size.
int DarSabitGenislik(const QString &alan);

// The layout rule for the columns that stay visible: each gets weight × unit, the unit
// being AgirlikBirimi of the grid's width and the sum of the visible weights; in the
// narrow layout OEM1–OEM3 then get 80 and the price block 150. Those fixed widths may
// exceed their weights' share (the price block's below a unit of 75, i.e. in every
// narrow window) and push the columns past the width the unit was taken from, which
// would leave the price block, the last column, partly out of view: the description
// column "Açıklama" then gives up the excess, keeping at least one unit; every other
// width stays as the rule gives it. The columns have the grid's width less 30 pixels,
// or `sutunAlani` when that is smaller (the grid's own frame, row indicator and
// scroll bar). `gorunur[i]` tells whether column i of StokKolonlari() is visible after
// the layout's own switches; the answer holds a width for every column (0 for hidden ones).
QVector<int> StokKolonGenislikleri(const QVector<bool> &gorunur, int gridGenisligi, bool genis,
                                   int sutunAlani = -1);

// The price columns that the layout switches: LISTEFIYAT1, KAMPFIYAT, NETFIYAT, KDVDAHIL.
bool GenisDuzenFiyatKolonu(const QString &alan);

} // namespace dorvanto
