// The basket's rules apart from any screen: the totals of the ticked lines, the
// checks of "Gönder", the order summary of the confirmation window, the payment
// page address, and the argument sets of the basket and order calls built from rows.
#pragma once

#include "sonuctablosu.h"
#include "transfernesneleri.h"

#include <QString>

namespace dorvanto {

// ---- totals ------------------------------------------------------------------------

struct SepetToplami {
    double toplam = 0;    // sum of TUTAR of the ticked lines
    double indirim = 0;   // sum of INDIRIMTUTAR of the ticked lines
    double net = 0;       // toplam - indirim
    double vergi = 0;     // the fixed 18 % of the net
    double genel = 0;     // net + vergi
};

// The fixed tax rate of the basket totals, whatever the lines' own KDV rates are.
inline constexpr double SepetVergiCarpani = 1.18;

// Adds up the lines whose SEC equals 1, rounding to two decimals after every
// addition; the tax is the rounded net x 1.18 minus the net. An inactive or empty
// table, or one without the fields, gives zeros. The cursor is not moved.
SepetToplami SepetToplamHesapla(const ResultTable &sepet);
SepetToplami SepetToplamHesapla(const TableData &sepet);

// The five texts of the totals panel, formatted "#,###,##0.00".
struct SepetToplamMetinleri {
    QString toplam, indirim, net, vergi, genel;
};
SepetToplamMetinleri SepetToplamMetni(const SepetToplami &t);

// True when the table is loaded, holds a line and one line has SEC equal to 1.
bool SeciliVarmi(const ResultTable &sepet);

// ---- checks of "Gönder" ------------------------------------------------------------

enum class GonderEngeli { Yok, ParcaYok, TeslimYok, KargoTuruYok, KargoFirmasiYok };

inline constexpr const char *ParcaYokMesaji = "Gönderilecek Parça Yok ";
inline constexpr const char *TeslimYokMesaji = "Lütfen Teslim Durumu Seçiniz !";
inline constexpr const char *KargoTuruYokMesaji = "Lütfen Kargo Türünü Seçiniz !";
inline constexpr const char *KargoFirmasiYokMesaji = "Lütfen Kargo  Seçiniz !";

// The first failing check in the order of "Gönder": a ticked line, a delivery status,
// a cargo type, a cargo firm (combo index above 0: entry 0 is the blank).
GonderEngeli GonderKontrol(bool seciliVar, bool teslimSecili, bool kargoTuruSecili, int firmaIndeksi);
// The warning of a failed check; empty for GonderEngeli::Yok.
QString GonderEngelMesaji(GonderEngeli e);

// ---- confirmation --------------------------------------------------------------------

struct SiparisOzetBilgisi {
    QString kullanici;   // ADI of the logged-in record
    QString cari;        // CariAdi of the logged-in record
    QString teslim;      // text of the chosen delivery status
    QString kargoTuru;   // text of the chosen cargo type
    QString tutar;       // the general total as displayed
    QString kargoFirmasi;
    QString aciklama;    // the note, its own line breaks kept
};

// Seven lines joined by CR LF, each an 11-character label and the value.
QString SiparisOzeti(const SiparisOzetBilgisi &b);

// ---- payment page ----------------------------------------------------------------------

inline constexpr const char *BakiyeAlinamadiMesaji = "Bağlantı Hatası \r\nLütfen Sonra Tekrar Deneyiniz !";
inline constexpr const char *TarayiciYokMesaji =
    "Sisteminiz Güvenli Değil\r\nÖdeme Alamıyoruz !\r\nLütfen Windows'u güncelleyiniz";

// The address before encoding: `taban` (ends in "/") + "pelyaro.html?carino=" + CARINO
// + "&sube=MERKEZ&firmasi=" + customer name + "&bakiye=" + balance text.
QString OdemeAdresi(const QString &taban, int carino, const QString &cariAdi, const QString &bakiye);
// The same, URL-encoded as it is handed to the browser.
QString KodluOdemeAdresi(const QString &taban, int carino, const QString &cariAdi, const QString &bakiye);

// ---- argument sets -----------------------------------------------------------------------

struct SepetEkleArgumanlari {
    int carino = 0;
    int stokno = 0;
    QString barkod;
    QString stokadi;
    double miktar = 0;
    double kdv = 0;
    double fiyat = 0;
    double ind1 = 0;
    int verenid = 0;
    int k = 0;
    double ind2 = 0, ind3 = 0, ind4 = 0;
};
// From the row at the cursor of a stock-type table (STOK_STOKNO, BARKOD, ADI, KDV,
// FIYAT, IND1..IND4, K). Throws TableError when a field is missing.
SepetEkleArgumanlari SepetEkleArgumanlariOku(const ResultTable &kaynak, double miktar, const TSonucBilgisi &sbilgi);

struct SepetGuncelleArgumanlari {
    int carino = 0;
    int stokno = 0;          // always 0: the line is addressed by its SIRANO
    QString barkod;          // as displayed
    QString stokadi;         // as displayed
    double miktar = 0;
    double kdv = 0;
    double fiyat = 0;
    double ind1 = 0;
    int verenid = 0;
    int sepetsirano = 0;
    double ind2 = 0, ind3 = 0, ind4 = 0;
};
// From the basket line at `satir` (BARKOD, STOKADI, KDV, INDIRIMORANI1..4).
SepetGuncelleArgumanlari SepetGuncelleArgumanlariOku(const ResultTable &sepet, int satir, int sirano, double miktar,
                                                     double birimFiyat, const TSonucBilgisi &sbilgi);

struct SiparisKaydetArgumanlari {
    int carino = 0;
    int teslim = 0;
    int kargo = 0;
    QString aciklama;
    int verenid = 0;
    int kargoyeni = 0;
};
SiparisKaydetArgumanlari SiparisKaydetArgumanlariOlustur(const TSonucBilgisi &sbilgi, int kargoFirmaId,
                                                         int kargoTuruId, int teslimId, const QString &aciklama);

// The description sent with a deleted line: BARKOD + "-" + STOKADI, both as displayed.
QString SatirSilAciklamasi(const ResultTable &sepet, int satir);

} // namespace dorvanto
