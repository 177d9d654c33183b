#include "stokkolonlari.h"

#include <algorithm>
#include <cmath>

namespace dorvanto {

const QVector<StokKolonu> &StokKolonlari()
{
    using G = StokKolonu::Gorunum;
    using T = StokKolonu::Teklif;
    static const QVector<StokKolonu> kolonlar = {
        {QStringLiteral("DURUM"), QStringLiteral("Durum"), 1, G::Evet, T::Evet, false},
        {QStringLiteral("OEM1"), QStringLiteral("Oem1"), 2, G::Hayir, T::Evet, false},
        {QStringLiteral("OEM2"), QStringLiteral("Oem2"), 2, G::Hayir, T::Evet, false},
        {QStringLiteral("OEM3"), QStringLiteral("Oem3"), 2, G::Hayir, T::Evet, false},
        {QStringLiteral("BARKOD"), QStringLiteral("Barkod"), 2, G::Evet, T::Evet, false},
        {QStringLiteral("ADI"), QStringLiteral("Açıklama"), 4, G::Evet, T::Evet, false},
        {QStringLiteral("OEM4"), QStringLiteral("Oem4"), 2, G::Hayir, T::Evet, false},
        {QStringLiteral("STOK_STOKNO"), QStringLiteral("STOK_STOKNO"), 1, G::Hayir, T::Hayir, false},
        {QStringLiteral("FINISHKOD"), QStringLiteral("Finish Kod"), 2, G::Hayir, T::Evet, false},
        {QStringLiteral("URETICIKODU"), QStringLiteral("Üretici Kod"), 2, G::Hayir, T::Evet, false},
        {QStringLiteral("RESIM"), QStringLiteral("Resim"), 1, G::Evet, T::Evet, false},
        {QStringLiteral("BARKOD_BARKODNO"), QStringLiteral("BARKOD_BARKODNO"), 1, G::Hayir, T::Hayir, false},
        {QStringLiteral("DIGERADI"), QStringLiteral("Diğer Adı"), 3, G::Hayir, T::Evet, false},
        {QStringLiteral("DPKOD"), QStringLiteral("DPKOD"), 2, G::Hayir, T::Hayir, false},
        {QStringLiteral("OEMNO"), QStringLiteral("Oem No"), 2, G::Hayir, T::Evet, false},
        {QStringLiteral("BIRIM"), QStringLiteral("Birim"), 1, G::Hayir, T::Evet, false},
        {QStringLiteral("MARKA"), QStringLiteral("Marka"), 2, G::Evet, T::Evet, false},
        {QStringLiteral("MODEL"), QStringLiteral("Model"), 2, G::Evet, T::Evet, false},
        {QStringLiteral("ANAGRUP"), QStringLiteral("Ana Grup"), 2, G::Hayir, T::Evet, false},
        {QStringLiteral("OZELKOD"), QStringLiteral("Özel Kod"), 2, G::Hayir, T::Evet, false},
        {QStringLiteral("KALAN"), QStringLiteral("KALAN"), 1, G::Tip12, T::Tip12, false},
        {QStringLiteral("PKOD"), QStringLiteral("PKOD"), 1, G::Hayir, T::Hayir, false},
        {QStringLiteral("KDV"), QStringLiteral("KDV"), 1, G::Hayir, T::Evet, false},
        {QStringLiteral("ALINANSIPARIS"), QStringLiteral("ALINANSIPARIS"), 1, G::Tip12, T::Tip12, false},
        {QStringLiteral("VERILENSIPARIS"), QStringLiteral("VERILENSIPARIS"), 1, G::Tip12, T::Tip12, false},
        {QStringLiteral("LISTEFIYAT1"), QStringLiteral("Liste Fiyatı"), 2, G::GenisDuzen, T::Evet, false},
        {QStringLiteral("KAMPFIYAT"), QStringLiteral("Kampanyalı Fiyat"), 2, G::GenisDuzen, T::Evet, true},
        {QStringLiteral("FIYAT"), QStringLiteral("Liste Fiyatı"), 2, G::Hayir, T::Evet, false},
        {QStringLiteral("Y"), QStringLiteral("Yeni"), 1, G::Evet, T::Evet, false},
        {QStringLiteral("K"), QStringLiteral("Kampanyalı"), 1, G::Evet, T::Evet, true},
        {QStringLiteral("INDIRIMYAZI"), QStringLiteral("İndirim Oran"), 2, G::Evet, T::Evet, false},
        {QStringLiteral("NETFIYAT"), QStringLiteral("Net Fiyatı"), 2, G::GenisDuzen, T::Evet, false},
        {QStringLiteral("KDVDAHIL"), QStringLiteral("KDV Dahil Fiyat"), 3, G::GenisDuzen, T::Evet, false},
        {QLatin1String(FiyatBilgisiKolonu), QStringLiteral("Fiyat Bilgisi"), 2, G::DarDuzen, T::Evet, false},
    };
    return kolonlar;
}

bool KolonTeklifEdilir(const StokKolonu &kolon, int musteriTipi)
{
    if (kolon.tip4Gizli && musteriTipi == 4)
        return false;
    switch (kolon.teklif) {
    case StokKolonu::Teklif::Evet: return true;
    case StokKolonu::Teklif::Hayir: return false;
    case StokKolonu::Teklif::Tip12: return musteriTipi == 1 || musteriTipi == 2;
    }
    return false;
}

bool KolonBaslangictaGorunur(const StokKolonu &kolon, int musteriTipi, bool genis)
{
    if (kolon.tip4Gizli && musteriTipi == 4)
        return false;
    switch (kolon.gorunum) {
    case StokKolonu::Gorunum::Evet: return true;
    case StokKolonu::Gorunum::Hayir: return false;
    case StokKolonu::Gorunum::Tip12: return musteriTipi == 1 || musteriTipi == 2;
    case StokKolonu::Gorunum::GenisDuzen: return genis;
    case StokKolonu::Gorunum::DarDuzen: return !genis;
    }
    return false;
}

int AgirlikBirimi(int gridGenisligi, int agirlikToplami)
{
    if (agirlikToplami <= 0)
        return 0;
    const double birim = std::trunc(double(gridGenisligi - 30) / double(agirlikToplami));
    return birim > 0 ? int(birim) : 0;
}

bool GenisDuzenFiyatKolonu(const QString &alan)
{
    return alan == QLatin1String("LISTEFIYAT1") || alan == QLatin1String("KAMPFIYAT")
        || alan == QLatin1String("NETFIYAT") || alan == QLatin1String("KDVDAHIL");
}

int DarSabitGenislik(const QString &alan)
{
    if (alan == QLatin1String("OEM1") || alan == QLatin1String("OEM2") || alan == QLatin1String("OEM3"))
        return DarOemGenisligi;
    if (alan == QLatin1String(FiyatBilgisiKolonu))
        return DarFiyatBilgisiGenisligi;
    return 0;
}

QVector<int> StokKolonGenislikleri(const QVector<bool> &gorunur, int gridGenisligi, bool genis, int sutunAlani)
{
    const QVector<StokKolonu> &k = StokKolonlari();
    QVector<int> genislik(k.size(), 0);
    int toplam = 0;
    for (int i = 0; i < k.size() && i < gorunur.size(); ++i)
        if (gorunur[i])
            toplam += k[i].agirlik;
    const int birim = AgirlikBirimi(gridGenisligi, toplam);
    int aciklama = -1, toplamGenislik = 0;
    for (int i = 0; i < k.size() && i < gorunur.size(); ++i) {
        if (!gorunur[i])
            continue;
        const int sabit = genis ? 0 : DarSabitGenislik(k[i].alan);
        genislik[i] = sabit > 0 ? sabit : k[i].agirlik * birim;
        toplamGenislik += genislik[i];
        if (k[i].alan == QLatin1String("ADI"))
            aciklama = i;
    }
    int alan = std::max(0, gridGenisligi - 30);
    if (sutunAlani >= 0)
        alan = std::min(alan, sutunAlani);
    const int tasan = toplamGenislik - alan;
    if (!genis && tasan > 0 && aciklama >= 0)
        genislik[aciklama] -= std::min(tasan, std::max(0, genislik[aciklama] - birim));
    return genislik;
}

} // namespace dorvanto
