#include "fiyatsunumu.h"

#include "sayibicimi.h"
#include "sonuctablosu.h"
#include "yardimci.h"

#include <cmath>

namespace dorvanto {

namespace {

QString tutar(std::optional<double> v, const QLocale &yerel)
{
    return v ? FormatFloat(QLatin1String(ParaBicimi), *v, yerel) : QString();
}

const QString crlf = QStringLiteral("\r\n");

} // namespace

QString FiyatBilgisiMetni(std::optional<double> listeFiyati, std::optional<double> kampanyaFiyati,
                          std::optional<double> netFiyat, std::optional<double> kdvDahil, const QLocale &yerel)
{
    QString s = QStringLiteral("Liste Fiyatı: ") + tutar(listeFiyati, yerel) + crlf;
    if (kampanyaFiyati && *kampanyaFiyati > 0)
        s += QStringLiteral("Kampanyalı Fiyat: ") + tutar(kampanyaFiyati, yerel) + crlf;
    s += QStringLiteral("NetFiyat: ") + tutar(netFiyat, yerel) + crlf;
    s += QStringLiteral("KDV li Fiyat: ") + tutar(kdvDahil, yerel) + crlf;
    return s;
}

QString FiyatBilgisiMetni(const ResultTable &tablo, int satir, const QLocale &yerel)
{
    return FiyatBilgisiMetni(AlanReelVarsa(tablo, satir, QStringLiteral("LISTEFIYAT1")),
                             AlanReelVarsa(tablo, satir, QStringLiteral("KAMPFIYAT")),
                             AlanReelVarsa(tablo, satir, QStringLiteral("NETFIYAT")),
                             AlanReelVarsa(tablo, satir, QStringLiteral("KDVDAHIL")), yerel);
}

QColor FiyatHucreRengi(int satir, bool secili)
{
    if (secili)
        return QColor::fromRgb(SeciliSatirRengi);
    return satir % 2 == 0 ? QColor(0xFC, 0xF6, 0xFE) : QColor(0xF4, 0xF9, 0xFF);
}

double KdvDahilFiyat(double net, double kdv)
{
    // The division, the addition and the multiplication in double precision, in that order.
    const double carpan = kdv / 100.0 + 1.0;
    return IkiHaneYuvarla(net * carpan);
}

std::optional<double> AlanReelVarsa(const ResultTable &tablo, int satir, const QString &alan)
{
    const int i = tablo.fieldIndex(alan);
    if (i < 0 || satir < 0 || satir >= tablo.recordCount() || tablo.isNull(satir, i))
        return std::nullopt;
    const QVariant v = tablo.value(satir, i);
    bool ok = false;
    const double d = v.toDouble(&ok);
    if (!ok || !std::isfinite(d))
        return std::nullopt;
    return d;
}

double AlanReel(const ResultTable &tablo, int satir, const QString &alan)
{
    return AlanReelVarsa(tablo, satir, alan).value_or(0.0);
}

int AlanTamsayi(const ResultTable &tablo, int satir, const QString &alan)
{
    const int i = tablo.fieldIndex(alan);
    if (i < 0 || satir < 0 || satir >= tablo.recordCount() || tablo.isNull(satir, i))
        return 0;
    const FieldType t = tablo.fieldDef(i).type;
    if (t == FieldType::Float || t == FieldType::Currency) {
        const double d = tablo.asFloat(satir, i);
        return std::isfinite(d) ? int(std::lround(d)) : 0;
    }
    if (t == FieldType::String || t == FieldType::Memo)
        return tablo.asString(satir, i).trimmed().toInt();
    return tablo.asInteger(satir, i);
}

QString AlanMetin(const ResultTable &tablo, int satir, const QString &alan)
{
    const int i = tablo.fieldIndex(alan);
    if (i < 0 || satir < 0 || satir >= tablo.recordCount())
        return {};
    return tablo.displayText(satir, i);
}

bool KampanyaliSatir(const ResultTable &tablo, int satir)
{
    return AlanTamsayi(tablo, satir, QStringLiteral("K")) > 0;
}

FiyatSunumu FiyatSunumuHesapla(const ResultTable &tablo, int satir, Kaynak kaynak, int musteriTipi)
{
    FiyatSunumu f;
    const QString kampanyali = QStringLiteral("Kampanyalı ");
    const QString kampanyaliFiyat = QStringLiteral("Kampanyalı Fiyat:");

    if (kaynak == Kaynak::SepetSatiri) {
        f.birimFiyat = AlanReel(tablo, satir, QStringLiteral("BIRIMFIYAT"));
        f.netFiyat = AlanReel(tablo, satir, QStringLiteral("NETBIRIMFIYAT"));
        f.kdvDahil = KdvDahilFiyat(f.netFiyat, AlanReel(tablo, satir, QStringLiteral("KDV")));
        f.toplamTabani = f.kdvDahil;
        return f;
    }

    const QString indirimYazi = AlanMetin(tablo, satir, QStringLiteral("INDIRIMYAZI"));
    const bool kampanya = KampanyaliSatir(tablo, satir);
    f.birimFiyat = AlanReel(tablo, satir, QStringLiteral("FIYAT"));
    f.netFiyat = AlanReel(tablo, satir, QStringLiteral("NETFIYAT"));
    f.kdvDahil = AlanReel(tablo, satir, QStringLiteral("KDVDAHIL"));
    f.toplamTabani = f.kdvDahil;

    if (kaynak == Kaynak::KampanyaListesi || kampanya) {
        f.indirimEtiketi = kampanyali + indirimYazi;
        f.fiyatEtiketi = kampanyaliFiyat;
    } else if (kaynak == Kaynak::StokListesi) {
        f.indirimEtiketi = QStringLiteral("İndirim: %") + indirimYazi;
    } else {  // new products without campaign: the client's own tax-inclusive price
        f.kdvDahil = KdvDahilFiyat(f.netFiyat, AlanReel(tablo, satir, QStringLiteral("KDV")));
        f.indirimEtiketi = QStringLiteral("İndirim:  % ") + indirimYazi;
    }
    f.birimFiyatDuzenlenir = (musteriTipi == 1 || musteriTipi == 2)
        && (kaynak == Kaynak::StokListesi || kaynak == Kaynak::YeniStoklar);
    return f;
}

double SatirToplami(double miktar, double taban) { return IkiHaneYuvarla(miktar * taban); }

bool MiktarOku(const QString &metin, double &miktar, const QLocale &yerel)
{
    const QString t = metin.trimmed();
    if (t.isEmpty())
        return false;
    bool ok = false;
    const double d = yerel.toDouble(t, &ok);
    if (!ok || !std::isfinite(d))
        return false;
    miktar = d;
    return true;
}

} // namespace dorvanto
