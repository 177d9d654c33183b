// How prices and discounts are shown: the multi-line price block of the stock grid,
// its row colours, the price presentation of the add-to-basket dialog for each kind
// of row it is opened from, and the dialog's total. Every amount the client computes
// itself goes through IkiHaneYuvarla; every other amount is shown as the server sent it.
#pragma once

#include <QColor>
#include <QFont>
#include <QLocale>
#include <QSize>
#include <QString>

#include <optional>

namespace dorvanto {

class ResultTable;

// Where the row of the add-to-basket dialog comes from.
enum class Kaynak { StokListesi, YeniStoklar, KampanyaListesi, SepetSatiri };

// ---- price block of the stock grid ---------------------------------------------

// The cell text, one line per amount, each ended by "\r\n":
//   "Liste Fiyatı: " list price; "Kampanyalı Fiyat: " campaign price (only above 0);
//   "NetFiyat: " net price; "KDV li Fiyat: " tax-inclusive price.
// Amounts in the money format "#,###,##0.00". A missing (null) amount leaves its
// line with the label alone; a missing campaign price counts as no campaign.
QString FiyatBilgisiMetni(std::optional<double> listeFiyati, std::optional<double> kampanyaFiyati,
                          std::optional<double> netFiyat, std::optional<double> kdvDahil,
                          const QLocale &yerel = QLocale());

// The same for one row of a stock-type table (LISTEFIYAT1, KAMPFIYAT, NETFIYAT, KDVDAHIL).
QString FiyatBilgisiMetni(const ResultTable &tablo, int satir, const QLocale &yerel = QLocale());

// Background of a price-block cell: #D2F0F9 selected, else #FCF6FE for even row
// indices (the first row is 0) and #F4F9FF for odd ones.
QColor FiyatHucreRengi(int satir, bool secili);
inline constexpr QRgb SeciliSatirRengi = 0xFFD2F0F9;

// Margin of the price block text inside its cell, left and right.
inline constexpr int FiyatBilgisiKenarBosluk = 10;

// The block's text is drawn right-aligned and vertically centred into the cell narrowed
// by the margins, wrapping the lines that do not fit, without an end ellipsis.
inline constexpr int FiyatBilgisiHizasi = int(Qt::AlignRight | Qt::AlignVCenter | Qt::TextWordWrap);

// The font of the price block `metin` (lines ended by "\r\n") in a cell of `hucre` pixels.
// The cell is 150 pixels wide in the narrow layout and 100 high, which the grid's own
// font does not always fill legibly: the block keeps the family and weight of `taban`
// (the grid's font) and takes the largest size, not above the grid's, at which a list,
// net and tax-inclusive line of 99,999.99 each fit the width on one line (the longer
// campaign line may wrap after its label). A block that, wrapped, is still taller than
// the cell or holds a word wider than the line (amounts of millions) is drawn smaller
// still until it fits; never below 6 points (8 pixels for a font sized in pixels).
// `aygit` is the device drawn on (its resolution), or none for the screen's.
QFont FiyatBilgisiYazisi(const QFont &taban, const QString &metin, const QSize &hucre,
                         const QPaintDevice *aygit = nullptr, const QLocale &yerel = QLocale());

// ---- add-to-basket dialog ------------------------------------------------------

// Tax-inclusive price of a net price: IkiHaneYuvarla(net × (kdv / 100 + 1)).
double KdvDahilFiyat(double net, double kdv);

// What the dialog shows for a row.
struct FiyatSunumu {
    double birimFiyat = 0;     // under the price label (`birimfiyat`)
    double netFiyat = 0;       // under the discount label (`indtutar`)
    double kdvDahil = 0;       // under "KDV Dahil:" (`kdvdahiltutar`)
    double toplamTabani = 0;   // `kdvlifiyat`: base of the first total
    QString indirimEtiketi = QStringLiteral("İndirim:");   // `indirimoran`
    QString fiyatEtiketi = QStringLiteral("Fiyat:");       // `Label2`
    bool birimFiyatDuzenlenir = false;
};

// The presentation of row `satir` of `tablo` coming from `kaynak`, for a user of
// customer type `musteriTipi`. A stock-type row reads FIYAT, NETFIYAT, KDVDAHIL,
// KDV, INDIRIMYAZI and K; a basket line BIRIMFIYAT, NETBIRIMFIYAT and KDV. A field the
// row does not have reads as 0 (or empty text). A K of 0 or below is no campaign.
FiyatSunumu FiyatSunumuHesapla(const ResultTable &tablo, int satir, Kaynak kaynak, int musteriTipi);

// Whether the row is a campaign row (K above 0).
bool KampanyaliSatir(const ResultTable &tablo, int satir);

// The dialog total: IkiHaneYuvarla(miktar × taban).
double SatirToplami(double miktar, double taban);

// The quantity text read as a number in the regional format (grouping allowed).
// Answers false for an empty or unreadable text.
bool MiktarOku(const QString &metin, double &miktar, const QLocale &yerel = QLocale());

// Reading helpers for rows whose fields may be missing or null.
double AlanReel(const ResultTable &tablo, int satir, const QString &alan);
int AlanTamsayi(const ResultTable &tablo, int satir, const QString &alan);
QString AlanMetin(const ResultTable &tablo, int satir, const QString &alan);
std::optional<double> AlanReelVarsa(const ResultTable &tablo, int satir, const QString &alan);

} // namespace dorvanto
