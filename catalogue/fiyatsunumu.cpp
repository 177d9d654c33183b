#include "fiyatsunumu.h"

#include "sayibicimi.h"
#include "sonuctablosu.h"
#include "yardimci.h"

#include <QFontMetrics>
#include <QPaintDevice>
#include <QRect>

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

namespace {

QFontMetrics olcu(const QFont &f, const QPaintDevice *aygit)
{
    return aygit ? QFontMetrics(f, aygit) : QFontMetrics(f);
}

QString satirlar(QString metin)
{
    metin.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    if (metin.endsWith(QLatin1Char('\n')))
        metin.chop(1);
    return metin;
}

} // namespace

QFont FiyatBilgisiYazisi(const QFont &taban, const QString &metin, const QSize &hucre, const QPaintDevice *aygit,
                         const QLocale &yerel)
{
    const int en = hucre.width() - 2 * FiyatBilgisiKenarBosluk;
    const int boy = hucre.height() - 2;   // a pixel of air above and below
    if (en <= 0 || boy <= 0)
        return taban;
    const bool punto = taban.pointSizeF() > 0;
    const double enKucuk = punto ? 6.0 : 8.0, adim = punto ? 0.5 : 1.0;
    double boyut = punto ? taban.pointSizeF() : double(taban.pixelSize());
    auto yazi = [&](double b) {
        QFont f = taban;
        if (punto)
            f.setPointSizeF(b);
        else
            f.setPixelSize(int(b));
        return f;
    };
    // the size a block of five-digit amounts fits in, its campaign line aside
    const double ornek = 99999.99;
    const QStringList ornekSatirlar =
        satirlar(FiyatBilgisiMetni(ornek, std::nullopt, ornek, ornek, yerel)).split(QLatin1Char('\n'));
    auto satirlarSigar = [&](const QFont &f) {
        const QFontMetrics m = olcu(f, aygit);
        for (const QString &s : ornekSatirlar)
            if (m.horizontalAdvance(s) > en)
                return false;
        return true;
    };
    while (boyut - adim >= enKucuk && !satirlarSigar(yazi(boyut)))
        boyut -= adim;
    // this block, wrapped as it is drawn, inside the cell
    const QString blok = satirlar(metin);
    auto hucreyeSigar = [&](const QFont &f) {
        const QRect r = olcu(f, aygit).boundingRect(QRect(0, 0, en, 100000), FiyatBilgisiHizasi, blok);
        return r.height() <= boy && r.width() <= en;
    };
    while (boyut - adim >= enKucuk && !hucreyeSigar(yazi(boyut)))
        boyut -= adim;
    return yazi(boyut);
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
