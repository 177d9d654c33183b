// Transfer objects: plain data classes that travel as JSON between the client and
// the application server ({"type": "<unit>.<Class>", "id": n, "fields": {...}}).
//
// Each class is declared from one field list (name, C++ type, default), so the
// property, its setter, the copy and the JSON form can never disagree. A field
// "FCariAdi" has the property CariAdi() and the setter SetCariAdi().
#pragma once

#include <QByteArray>
#include <QJsonObject>
#include <QJsonValue>
#include <QString>
#include <QVector>

#include <memory>
#include <stdexcept>

namespace dorvanto {

// Raised when a JSON value is not the form of the expected transfer object.
class TransferError : public std::runtime_error {
public:
    explicit TransferError(const QString &mesaj) : std::runtime_error(mesaj.toStdString()) {}
    QString mesaj() const { return QString::fromStdString(what()); }
};

namespace json {
// Strict readers for one member of "fields": a member of the wrong JSON kind is an
// error (a server that sends a string where a number belongs is not guessed at).
void oku(const QJsonValue &v, QString &hedef, const char *alan);
void oku(const QJsonValue &v, int &hedef, const char *alan);
void oku(const QJsonValue &v, double &hedef, const char *alan);
void oku(const QJsonValue &v, bool &hedef, const char *alan);
inline QJsonValue yaz(const QString &v) { return QJsonValue(v); }
inline QJsonValue yaz(int v) { return QJsonValue(v); }
inline QJsonValue yaz(double v) { return QJsonValue(v); }
inline QJsonValue yaz(bool v) { return QJsonValue(v); }

// Ordered text form: the wire keeps "type", "id", "fields" and the fields in
// declaration order, which QJsonObject (sorted keys) cannot.
void metin(QByteArray &cikti, const QString &v);
void metin(QByteArray &cikti, int v);
void metin(QByteArray &cikti, double v);
void metin(QByteArray &cikti, bool v);
void zarfBasi(QByteArray &cikti, const char *tip, int id);

// Checks the envelope and answers its "fields" object. Throws TransferError.
QJsonObject alanlar(const QJsonObject &nesne, const char *tip);
QJsonObject zarf(const char *tip, int id, const QJsonObject &alanlar);
} // namespace json

#define DORVANTO_PROP_DECL(tip, ad, varsayilan)                         \
public:                                                                 \
    const tip &ad() const { return F##ad; }                             \
    void Set##ad(const tip &deger) { F##ad = deger; }                   \
                                                                        \
private:                                                                \
    tip F##ad = varsayilan;

#define DORVANTO_PROP_COPY(tip, ad, varsayilan) Set##ad(kaynak.ad());
#define DORVANTO_PROP_TOJSON(tip, ad, varsayilan) a.insert(QStringLiteral("F" #ad), json::yaz(F##ad));
#define DORVANTO_PROP_TOTEXT(tip, ad, varsayilan)                       \
    cikti.append(ilk ? "\"F" #ad "\":" : ",\"F" #ad "\":");               \
    ilk = false;                                                        \
    json::metin(cikti, F##ad);

#define DORVANTO_PROP_FROMJSON(tip, ad, varsayilan)                     \
    {                                                                   \
        auto it = a.constFind(QStringLiteral("F" #ad));                 \
        if (it != a.constEnd())                                         \
            json::oku(*it, n->F##ad, "F" #ad);                          \
    }

// Declares a transfer class from its field list. `KOPYA` is the body of Kopyala.
#define DORVANTO_TRANSFER_SINIFI(Sinif, BIRIM, ALANLAR)                                 \
    class Sinif {                                                                       \
        ALANLAR(DORVANTO_PROP_DECL)                                                     \
    public:                                                                             \
        static constexpr const char *TipAdi = BIRIM "." #Sinif;                         \
        QJsonObject JsonAlanlari() const {                                              \
            QJsonObject a;                                                              \
            ALANLAR(DORVANTO_PROP_TOJSON)                                               \
            return a;                                                                   \
        }                                                                               \
        QJsonObject Json(int id = 1) const { return json::zarf(TipAdi, id, JsonAlanlari()); } \
        /* the ordered wire text of the object */                                       \
        void JsonYaz(QByteArray &cikti, int id = 1) const {                             \
            json::zarfBasi(cikti, TipAdi, id);                                          \
            [[maybe_unused]] bool ilk = true;                                           \
            ALANLAR(DORVANTO_PROP_TOTEXT)                                               \
            cikti.append("}}");                                                         \
        }                                                                               \
        /* null gives no object; a wrong "type" or field kind throws TransferError */  \
        static std::unique_ptr<Sinif> JsondanOku(const QJsonValue &v) {                 \
            if (v.isNull() || v.isUndefined())                                          \
                return nullptr;                                                         \
            if (!v.isObject())                                                          \
                throw TransferError(QStringLiteral("%1 bekleniyordu, gelen değer nesne değil").arg(TipAdi)); \
            const QJsonObject a = json::alanlar(v.toObject(), TipAdi);                  \
            auto n = std::make_unique<Sinif>();                                         \
            ALANLAR(DORVANTO_PROP_FROMJSON)                                             \
            return n;                                                                   \
        }

#define DORVANTO_TRANSFER_SON };

// ---- unit baglantiu ---------------------------------------------------------------

#define TSONUCBILGISI_ALANLARI(X)      \
    X(QString, BILGISAYARID, {})       \
    X(QString, SaticiMail, {})         \
    X(int, Sirano, 0)                  \
    X(QString, CariAdi, {})            \
    X(QString, SIFRE, {})              \
    X(int, SaticiNo, 0)                \
    X(int, CARINO, 0)                  \
    X(int, AKTIF, 0)                   \
    X(QString, Kullanicimail, {})      \
    X(QString, ADI, {})                \
    X(QString, SaticiTelefon, {})      \
    X(QString, carikod, {})            \
    X(bool, Varmi, false)              \
    X(QString, SaticiAdi, {})          \
    X(QString, BilgiSayarAdi, {})      \
    X(QString, Disip, {})              \
    X(QString, Icip, {})               \
    X(QString, BilgisayarKullanici, {})\
    X(int, MusteriTipi, 1)             \
    X(int, Version, 1)

// The logged-in record: one instance lives in the main window; every server method
// that acts for the user receives a fresh copy made with Kopyala.
DORVANTO_TRANSFER_SINIFI(TSonucBilgisi, "baglantiu", TSONUCBILGISI_ALANLARI)
public:
    void Kopyala(const TSonucBilgisi &kaynak)
    {
        SetBILGISAYARID(kaynak.BILGISAYARID());
        SetSaticiMail(kaynak.SaticiMail());
        SetSirano(kaynak.Sirano());
        SetCariAdi(kaynak.CariAdi());
        SetSIFRE(kaynak.SIFRE());
        SetSaticiNo(kaynak.SaticiNo());
        SetCARINO(kaynak.CARINO());
        SetAKTIF(kaynak.AKTIF());
        SetKullanicimail(kaynak.Kullanicimail());
        SetADI(kaynak.ADI());
        SetSaticiTelefon(kaynak.SaticiTelefon());
        Setcarikod(kaynak.carikod());
        SetVarmi(kaynak.Varmi());
        SetSaticiAdi(kaynak.SaticiAdi());
        SetBILGISAYARID(kaynak.BILGISAYARID());
        SetDisip(kaynak.Disip());
        SetIcip(kaynak.Icip());
        SetBilgisayarKullanici(kaynak.BilgisayarKullanici());
        SetBilgiSayarAdi(kaynak.BilgiSayarAdi());
        SetMusteriTipi(kaynak.MusteriTipi());
        SetVersion(kaynak.Version());
    }
    // A fresh copy, the form in which the record is handed to the proxy.
    std::unique_ptr<TSonucBilgisi> Kopya() const
    {
        auto k = std::make_unique<TSonucBilgisi>();
        k->Kopyala(*this);
        return k;
    }
DORVANTO_TRANSFER_SON

#define TSIPARISDIPAYRINTI_ALANLARI(X) \
    X(QString, SizinMesaj, {})         \
    X(QString, Durumu, {})             \
    X(QString, Veren, {})              \
    X(QString, Kargo, {})              \
    X(QString, BizimMesaj, {})         \
    X(QString, TeslimCinsi, {})        \
    X(QString, KargoCinsi, {})         \
    X(QString, SaticiNotu, {})

DORVANTO_TRANSFER_SINIFI(TSiparisDipAyrinti, "baglantiu", TSIPARISDIPAYRINTI_ALANLARI)
public:
    void Kopyala(const TSiparisDipAyrinti &kaynak) { TSIPARISDIPAYRINTI_ALANLARI(DORVANTO_PROP_COPY) }
DORVANTO_TRANSFER_SON

#define TTUSSONUCLARI_ALANLARI(X) \
    X(int, Alindi, 0)             \
    X(int, Onaylandi, 0)          \
    X(int, ParcaliHazirlandi, 0)  \
    X(int, SevkEdildi, 0)         \
    X(int, Hazirlandi, 0)         \
    X(int, Goruldu, 0)

DORVANTO_TRANSFER_SINIFI(TTusSonuclari, "baglantiu", TTUSSONUCLARI_ALANLARI)
public:
    void Kopyala(const TTusSonuclari &kaynak) { TTUSSONUCLARI_ALANLARI(DORVANTO_PROP_COPY) }
DORVANTO_TRANSFER_SON

// ---- unit mobilstokunit -----------------------------------------------------------

#define TACILISEKRAN_ALANLARI(X) \
    X(int, SiraNo, 0)            \
    X(QString, Resim, {})        \
    X(QString, Baslik, {})       \
    X(QString, Arama, {})

// One opening-advertisement or announcement screen (no Kopyala).
DORVANTO_TRANSFER_SINIFI(TAcilisEkran, "mobilstokunit", TACILISEKRAN_ALANLARI)
DORVANTO_TRANSFER_SON

using TAcilisEkranlar = QVector<TAcilisEkran>;

// The announcement screens: one field FEkranlar, an array of TAcilisEkran.
class TAcilisEkranlariki {
public:
    static constexpr const char *TipAdi = "mobilstokunit.TAcilisEkranlariki";
    const TAcilisEkranlar &Ekranlar() const { return FEkranlar; }
    void SetEkranlar(const TAcilisEkranlar &d) { FEkranlar = d; }
    QJsonObject JsonAlanlari() const;
    QJsonObject Json(int id = 1) const;
    void JsonYaz(QByteArray &cikti, int id = 1) const;
    static std::unique_ptr<TAcilisEkranlariki> JsondanOku(const QJsonValue &v);

private:
    TAcilisEkranlar FEkranlar;
};

#define TMOBILCARIBILGISI_ALANLARI(X) \
    X(QString, BILGISAYARID, {})      \
    X(QString, SEHIR, {})             \
    X(QString, FAX1, {})              \
    X(QString, SATICIMAIL, {})        \
    X(QString, SATICIADI, {})         \
    X(QString, CARIADI, {})           \
    X(QString, EMAIL, {})             \
    X(QString, VERGIDAIRESI, {})      \
    X(QString, YETKILI, {})           \
    X(QString, AltGrup, {})           \
    X(QString, TEL2, {})              \
    X(QString, SIFRE, {})             \
    X(QString, GSM, {})               \
    X(QString, TEL1, {})              \
    X(QString, ADRES2, {})            \
    X(double, TLBORC, 0.0)            \
    X(double, TLALACAK, 0.0)          \
    X(QString, ADRES1, {})            \
    X(QString, ULKE, {})              \
    X(QString, AnaGrup, {})           \
    X(int, CARINO, 0)                 \
    X(double, TLBAKIYE, 0.0)          \
    X(QString, VERGINO, {})           \
    X(QString, MAIL, {})              \
    X(QString, OzelKod, {})           \
    X(QString, KULLANICIADI, {})      \
    X(QString, SATICITELEFON, {})     \
    X(QString, CARIKOD, {})           \
    X(QString, FAX2, {})              \
    X(QString, ILCE, {})

DORVANTO_TRANSFER_SINIFI(TMobilCariBilgisi, "mobilstokunit", TMOBILCARIBILGISI_ALANLARI)
public:
    void Kopyala(const TMobilCariBilgisi &kaynak) { TMOBILCARIBILGISI_ALANLARI(DORVANTO_PROP_COPY) }
DORVANTO_TRANSFER_SON

#define TMOBILSTOK_KOPYALANAN(X)         \
    X(int, StokNo, 0)                    \
    X(int, ResimVar, 0)                  \
    X(QString, Resim, {})                \
    X(int, Yeni, 0)                      \
    X(QString, Departman, {})            \
    X(double, VerilenSiparis, 0.0)       \
    X(QString, AltGrup, {})              \
    X(int, Durum, 0)                     \
    X(QString, Renk, {})                 \
    X(QString, Birim, QStringLiteral("ADET")) \
    X(double, KDV, 20.0)                 \
    X(double, AlinanSiparis, 0.0)        \
    X(double, Isk2, 0.0)                 \
    X(QString, AnaGrup, {})              \
    X(QString, Kod, {})                  \
    X(double, Isk3, 0.0)                 \
    X(double, ListeFiyati, 0.0)          \
    X(QString, Beden, {})                \
    X(double, NetFiyat, 0.0)             \
    X(double, Isk1, 0.0)                 \
    X(double, KDVliFiyat, 0.0)           \
    X(double, Isk4, 0.0)                 \
    X(QString, OzelKod, {})              \
    X(int, Kampnayali, 0)                \
    X(QString, Barkod, {})               \
    X(double, IndirimOran, 0.0)          \
    X(double, Kalan, 0.0)                \
    X(QString, UreticiKod, {})           \
    X(double, KampanyaliFiyat, 0.0)      \
    X(QString, OemNo, {})                \
    X(int, BarkodNo, 0)

// Declaration order: the copied fields, then PKod and DpKod, then Adi and Fiyat.
#define TMOBILSTOK_ALANLARI(X)  \
    TMOBILSTOK_KOPYALANAN(X)    \
    X(QString, PKod, {})        \
    X(QString, DpKod, {})       \
    X(QString, Adi, {})         \
    X(double, Fiyat, 0.0)

DORVANTO_TRANSFER_SINIFI(TMobilStok, "mobilstokunit", TMOBILSTOK_ALANLARI)
public:
    // Copies every field except PKod and DpKod.
    void Kopyala(const TMobilStok &kaynak)
    {
        TMOBILSTOK_KOPYALANAN(DORVANTO_PROP_COPY)
        SetAdi(kaynak.Adi());
        SetFiyat(kaynak.Fiyat());
    }
DORVANTO_TRANSFER_SON

#define TMOBILSEPET_ALANLARI(X)     \
    X(int, KARGOID, 0)              \
    X(int, StokNo, 0)               \
    X(double, TARIH, 0.0)           \
    X(int, SIRANO, 0)               \
    X(QString, CARIADI, {})         \
    X(double, VERILISTARIHI, 0.0)   \
    X(int, Durum, 0)                \
    X(double, MIKTAR, 0.0)          \
    X(int, VERENIDNO, 0)            \
    X(double, NETTUTAR, 0.0)        \
    X(double, KDVLITUTAR, 0.0)      \
    X(double, KDV, 0.0)             \
    X(int, AKTAR, 0)                \
    X(QString, SAAT, {})            \
    X(double, VERGITUTARI, 0.0)     \
    X(QString, PKod, {})            \
    X(QString, MODEL, {})           \
    X(double, INDIRIMTUTAR, 0.0)    \
    X(int, STOK_STOKNO, 0)          \
    X(double, BIRIMFIYAT, 0.0)      \
    X(int, SEC, 0)                  \
    X(QString, OEM2, {})            \
    X(QString, OEM3, {})            \
    X(QString, AnaGrup, {})         \
    X(QString, MARKA, {})           \
    X(QString, VEREN, {})           \
    X(QString, STOKADI, {})         \
    X(QString, OEM1, {})            \
    X(int, CARINO, 0)               \
    X(int, VERENSIRANO, 0)          \
    X(int, ACIKLAMA, 0)             \
    X(double, INDIRIMORANI2, 0.0)   \
    X(QString, OEM4, {})            \
    X(QString, KUR, {})             \
    X(double, INDIRIMORANI3, 0.0)   \
    X(int, SIPARISNO, 0)            \
    X(double, IDNO, 0.0)            \
    X(QString, OzelKod, {})         \
    X(QString, DpKod, {})           \
    X(double, KURTL, 0.0)           \
    X(double, INDIRIMORANI1, 0.0)   \
    X(QString, DIGERADI, {})        \
    X(QString, Barkod, {})          \
    X(double, TUTAR, 0.0)           \
    X(QString, URETICIKODU, {})     \
    X(double, Kalan, 0.0)           \
    X(QString, FINISHKOD, {})       \
    X(QString, CARIKOD, {})         \
    X(double, NETBIRIMFIYAT, 0.0)   \
    X(QString, OemNo, {})           \
    X(int, TESLIMID, 0)             \
    X(int, ResimVar, 0)             \
    X(QString, Resim, {})

// Dates (TARIH, VERILISTARIHI) travel as day counts since 1899-12-30.
DORVANTO_TRANSFER_SINIFI(TMobilSepet, "mobilstokunit", TMOBILSEPET_ALANLARI)
public:
    void Kopyala(const TMobilSepet &kaynak) { TMOBILSEPET_ALANLARI(DORVANTO_PROP_COPY) }
DORVANTO_TRANSFER_SON

using TMobilStoklar = std::vector<std::unique_ptr<TMobilStok>>;
using TMobilSepetler = std::vector<std::unique_ptr<TMobilSepet>>;

} // namespace dorvanto
