#include "sepethesap.h"

#include <QUrl>

#include "sayibicimi.h"
#include "yardimci.h"

#include <QStringList>

namespace dorvanto {

namespace {

// SEC counts only when it is exactly 1 (a float 1.0 too, a text "1" too).
bool SeciliMi(const TableData &d, int satir, int secKolonu)
{
    const ColumnData &c = d.columns[std::size_t(secKolonu)];
    if (c.nulls[std::size_t(satir)])
        return false;
    if (c.isInteger())
        return c.ints[std::size_t(satir)] == 1;
    if (c.isReal())
        return c.reals[std::size_t(satir)] == 1.0;
    if (c.isText())
        return c.texts[std::size_t(satir)].trimmed() == QLatin1String("1");
    return false;
}

QString Para(double x) { return FormatFloat(QString::fromLatin1(ParaBicimi), x); }

} // namespace

SepetToplami SepetToplamHesapla(const TableData &d)
{
    SepetToplami t;
    const int sec = d.indexOf(QStringLiteral("SEC"));
    const int tutar = d.indexOf(QStringLiteral("TUTAR"));
    const int indirim = d.indexOf(QStringLiteral("INDIRIMTUTAR"));
    if (sec < 0 || tutar < 0 || indirim < 0) {
        return t;
    }
    double T = 0;
    double I = 0;
    for (int r = 0; r < d.rowCount; ++r) {
        if (!SeciliMi(d, r, sec))
            continue;
        T = IkiHaneYuvarla(T + d.asFloat(r, tutar));
        I = IkiHaneYuvarla(I + d.asFloat(r, indirim));
    }
    t.toplam = T;
    t.indirim = I;
    t.net = IkiHaneYuvarla(T - I);
    // The product is kept in double precision before the rounding: 0.25 x 1.18 lies
    // just below 0.295 and so gives 0.29.
    const double carpim = t.net * SepetVergiCarpani;
    t.vergi = IkiHaneYuvarla(carpim) - t.net;
    t.genel = IkiHaneYuvarla(t.net + t.vergi);
    return t;
}

SepetToplami SepetToplamHesapla(const ResultTable &sepet)
{
    if (!sepet.active())
        return {};
    return SepetToplamHesapla(sepet.data());
}

SepetToplamMetinleri SepetToplamMetni(const SepetToplami &t)
{
    return {Para(t.toplam), Para(t.indirim), Para(t.net), Para(t.vergi), Para(t.genel)};
}

bool SeciliVarmi(const ResultTable &sepet)
{
    if (!sepet.active() || sepet.isEmpty())
        return false;
    const int sec = sepet.fieldIndex(QStringLiteral("SEC"));
    if (sec < 0)
        return false;
    for (int r = 0; r < sepet.recordCount(); ++r)
        if (SeciliMi(sepet.data(), r, sec))
            return true;
    return false;
}

GonderEngeli GonderKontrol(bool seciliVar, bool teslimSecili, bool kargoTuruSecili, int firmaIndeksi)
{
    if (!seciliVar)
        return GonderEngeli::ParcaYok;
    if (!teslimSecili)
        return GonderEngeli::TeslimYok;
    if (!kargoTuruSecili)
        return GonderEngeli::KargoTuruYok;
    if (firmaIndeksi <= 0)
        return GonderEngeli::KargoFirmasiYok;
    return GonderEngeli::Yok;
}

QString GonderEngelMesaji(GonderEngeli e)
{
    switch (e) {
    case GonderEngeli::ParcaYok: return QString::fromUtf8(ParcaYokMesaji);
    case GonderEngeli::TeslimYok: return QString::fromUtf8(TeslimYokMesaji);
    case GonderEngeli::KargoTuruYok: return QString::fromUtf8(KargoTuruYokMesaji);
    case GonderEngeli::KargoFirmasiYok: return QString::fromUtf8(KargoFirmasiYokMesaji);
    case GonderEngeli::Yok: break;
    }
    return {};
}

QString SiparisOzeti(const SiparisOzetBilgisi &b)
{
    const QStringList satirlar = {
        QStringLiteral("Kullanıcı: ") + b.kullanici,
        QStringLiteral("Cari     : ") + b.cari,
        QStringLiteral("Teslim   : ") + b.teslim,
        QStringLiteral("Kargo    : ") + b.kargoTuru,
        QStringLiteral("Tutar    : ") + b.tutar,
        QStringLiteral("Kargo    : ") + b.kargoFirmasi,
        QStringLiteral("Açıklama : ") + b.aciklama,
    };
    return satirlar.join(QStringLiteral("\r\n"));
}

QString OdemeAdresi(const QString &taban, int carino, const QString &cariAdi, const QString &bakiye)
{
    QString t = taban;
    if (!t.endsWith(QLatin1Char('/')))
        t += QLatin1Char('/');
    return t + QStringLiteral("pelyaro.html?carino=") + QString::number(carino) +
           QStringLiteral("&sube=MERKEZ&firmasi=") + cariAdi + QStringLiteral("&bakiye=") + bakiye;
}

namespace {
// One value of the payment address's query, encoded as the whole address is, and in
// addition "&", "=" and "+": a customer named "Ak & Kara" keeps its whole name on
// the page instead of losing what follows the "&".
QString SorguDegeri(const QString &deger)
{
    return QString::fromLatin1(QUrl::toPercentEncoding(deger, QByteArrayLiteral("!$'(),./:;?@")));
}
} // namespace

QString KodluOdemeAdresi(const QString &taban, int carino, const QString &cariAdi, const QString &bakiye)
{
    QString t = taban;
    if (!t.endsWith(QLatin1Char('/')))
        t += QLatin1Char('/');
    return UrlKodla(t + QStringLiteral("pelyaro.html")) + QStringLiteral("?carino=") + QString::number(carino) +
           QStringLiteral("&sube=MERKEZ&firmasi=") + SorguDegeri(cariAdi) + QStringLiteral("&bakiye=") +
           SorguDegeri(bakiye);
}

SepetEkleArgumanlari SepetEkleArgumanlariOku(const ResultTable &kaynak, double miktar, const TSonucBilgisi &sbilgi)
{
    SepetEkleArgumanlari a;
    a.carino = sbilgi.CARINO();
    a.stokno = kaynak.fieldByName(QStringLiteral("STOK_STOKNO")).asInteger();
    a.barkod = kaynak.fieldByName(QStringLiteral("BARKOD")).asString();
    a.stokadi = kaynak.fieldByName(QStringLiteral("ADI")).asString();
    a.miktar = miktar;
    a.kdv = double(kaynak.fieldByName(QStringLiteral("KDV")).asInteger());
    a.fiyat = kaynak.fieldByName(QStringLiteral("FIYAT")).asFloat();
    a.ind1 = kaynak.fieldByName(QStringLiteral("IND1")).asFloat();
    a.verenid = sbilgi.Sirano();
    a.k = kaynak.fieldByName(QStringLiteral("K")).asInteger();
    a.ind2 = kaynak.fieldByName(QStringLiteral("IND2")).asFloat();
    a.ind3 = kaynak.fieldByName(QStringLiteral("IND3")).asFloat();
    a.ind4 = kaynak.fieldByName(QStringLiteral("IND4")).asFloat();
    return a;
}

SepetGuncelleArgumanlari SepetGuncelleArgumanlariOku(const ResultTable &sepet, int satir, int sirano, double miktar,
                                                     double birimFiyat, const TSonucBilgisi &sbilgi)
{
    auto kolon = [&](const char *ad) { return sepet.fieldByName(QString::fromLatin1(ad)).index(); };
    SepetGuncelleArgumanlari a;
    a.carino = sbilgi.CARINO();
    a.stokno = 0;
    a.barkod = sepet.displayText(satir, kolon("BARKOD"));
    a.stokadi = sepet.displayText(satir, kolon("STOKADI"));
    a.miktar = miktar;
    a.kdv = double(sepet.asInteger(satir, kolon("KDV")));
    a.fiyat = birimFiyat;
    a.ind1 = sepet.asFloat(satir, kolon("INDIRIMORANI1"));
    a.verenid = sbilgi.Sirano();
    a.sepetsirano = sirano;
    a.ind2 = sepet.asFloat(satir, kolon("INDIRIMORANI2"));
    a.ind3 = sepet.asFloat(satir, kolon("INDIRIMORANI3"));
    a.ind4 = sepet.asFloat(satir, kolon("INDIRIMORANI4"));
    return a;
}

SiparisKaydetArgumanlari SiparisKaydetArgumanlariOlustur(const TSonucBilgisi &sbilgi, int kargoFirmaId,
                                                         int kargoTuruId, int teslimId, const QString &aciklama)
{
    SiparisKaydetArgumanlari a;
    a.carino = sbilgi.CARINO();
    a.teslim = teslimId;
    a.kargo = kargoTuruId;
    a.aciklama = aciklama;
    a.verenid = sbilgi.Sirano();
    a.kargoyeni = kargoFirmaId;
    return a;
}

QString SatirSilAciklamasi(const ResultTable &sepet, int satir)
{
    const int barkod = sepet.fieldByName(QStringLiteral("BARKOD")).index();
    const int adi = sepet.fieldByName(QStringLiteral("STOKADI")).index();
    return sepet.displayText(satir, barkod) + QLatin1Char('-') + sepet.displayText(satir, adi);
}

} // namespace dorvanto
