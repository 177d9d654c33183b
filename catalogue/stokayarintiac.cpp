// The two openers of the add-to-basket dialog, which hand a confirmed dialog over to
// the basket operations.
#include "stokayarinti.h"

#include "sepetislemleri.h"
#include "sonuctablosu.h"
#include "transfernesneleri.h"

namespace dorvanto {

bool SatirdanSepeteEkle(QWidget *sahip, ResultTable &kaynak, Kaynak kaynakTuru, const TSonucBilgisi &sbilgi,
                        SepetIslemleri &sepet)
{
    const int satir = kaynak.recNo();
    if (satir < 0)
        return false;
    Tstokayarinti d(sahip, AlanTamsayi(kaynak, satir, QStringLiteral("STOK_STOKNO")));
    d.Doldur(kaynak, satir, kaynakTuru, sbilgi.MusteriTipi());
    if (StokAyrintiGoster(d) != QDialog::Accepted)
        return false;
    double miktar = 0;
    if (!d.Miktar(miktar))
        return false;
    // The add takes price and discounts from the row itself, still positioned on it.
    kaynak.setRecNo(satir);
    sepet.SepeteEkle(kaynak, miktar);
    return true;
}

bool SepetSatiriDegistir(QWidget *sahip, int sirano, const TSonucBilgisi &sbilgi, SepetIslemleri &sepet)
{
    ResultTable &tablo = sepet.sepet();
    if (!tablo.locate(QStringLiteral("SIRANO"), sirano))
        return false;
    const int satir = tablo.recNo();
    Tstokayarinti d(sahip, AlanTamsayi(tablo, satir, QStringLiteral("STOKNO")));
    d.Doldur(tablo, satir, Kaynak::SepetSatiri, sbilgi.MusteriTipi());
    if (StokAyrintiGoster(d) != QDialog::Accepted)
        return false;
    double miktar = 0;
    if (!d.Miktar(miktar))
        return false;
    const double birimFiyat = d.birimfiyat->deger();
    tablo.locate(QStringLiteral("SIRANO"), sirano);
    sepet.SepetSatirGuncelle(sirano, miktar, birimFiyat);
    sepet.SepetYukle();
    return true;
}

} // namespace dorvanto
