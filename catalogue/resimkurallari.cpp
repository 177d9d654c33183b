#include "resimkurallari.h"

#include <QImageReader>

namespace dorvanto {

QByteArray ResimCozucuBul(const QString &icerikTuru)
{
    const QString kalan = icerikTuru.mid(6).toLower();
    if (kalan == QLatin1String("png"))
        return QByteArrayLiteral("png");
    if (kalan == QLatin1String("bmp"))
        return QByteArrayLiteral("bmp");
    if (kalan == QLatin1String("jpeg") || kalan == QLatin1String("jpg"))
        return QByteArrayLiteral("jpeg");
    return {};
}

QImage ResimCoz(const QByteArray &veri, const QByteArray &cozucu)
{
    if (cozucu.isEmpty() || veri.isEmpty())
        return {};
    QBuffer tampon;
    tampon.setData(veri);
    tampon.open(QIODevice::ReadOnly);
    QImageReader okuyucu(&tampon, cozucu);
    // The decoder is the one the header named; never guess another from the bytes.
    okuyucu.setDecideFormatFromContent(false);
    QImage resim;
    if (!okuyucu.read(&resim))
        return {};
    return resim;
}

namespace {
int hexDegeri(QChar c)
{
    const char16_t u = c.unicode();
    if (u >= '0' && u <= '9')
        return u - '0';
    if (u >= 'a' && u <= 'f')
        return u - 'a' + 10;
    if (u >= 'A' && u <= 'F')
        return u - 'A' + 10;
    return -1;
}
} // namespace

QByteArray HexCozBaytlar(const QString &metin)
{
    QByteArray sonuc;
    sonuc.reserve(metin.size() / 2 + 1);
    for (qsizetype i = 0; i < metin.size(); i += 2) {
        const int y = hexDegeri(metin.at(i));
        if (i + 1 >= metin.size()) {
            if (y < 0)
                throw HexHatasi(QStringLiteral("'%1' geçerli bir onaltılık sayı değil").arg(metin.mid(i, 1)));
            sonuc.append(char(y));
            break;
        }
        const int d = hexDegeri(metin.at(i + 1));
        if (y < 0 || d < 0)
            throw HexHatasi(QStringLiteral("'%1' geçerli bir onaltılık sayı değil").arg(metin.mid(i, 2)));
        sonuc.append(char((y << 4) | d));
    }
    return sonuc;
}

std::unique_ptr<QBuffer> HexCoz(const QString &metin)
{
    auto akis = std::make_unique<QBuffer>();
    akis->setData(HexCozBaytlar(metin));
    akis->open(QIODevice::ReadOnly);
    akis->seek(0);
    return akis;
}

BannerKarari BannerKarariVer(BannerTuru tur, qint64 duyurulanBoy, bool tam, QByteArray baytlar)
{
    BannerKarari k;
    if (duyurulanBoy == 0) {
        if (tur == BannerTuru::Serit)
            k.eylem = BannerKarari::SeritTemizle;
        else if (tur == BannerTuru::Alt)
            k.eylem = BannerKarari::AltPanelBos;
        return k;
    }
    if (!tam || duyurulanBoy < 0 || baytlar.size() != duyurulanBoy)
        return k;  // never half a picture
    if (tur == BannerTuru::Alt && baytlar.size() < AltBannerEnAzBayt)
        return k;
    k.eylem = BannerKarari::Goster;
    k.baytlar = std::move(baytlar);
    return k;
}

int AltPanelYuksekligi(int resimYuksekligi)
{
    return resimYuksekligi < 0 ? KayanYaziYuksekligi : resimYuksekligi + KayanYaziYuksekligi;
}

} // namespace dorvanto
