// Rules of the pictures: the content types a part photo is decoded from, the
// hexadecimal picture text of announcements and advertisements, and what the three
// start-up banners show for the stream the server answered.
#pragma once

#include <QByteArray>
#include <QBuffer>
#include <QImage>
#include <QString>

#include <memory>
#include <stdexcept>

namespace dorvanto {

// ---- part photos ----------------------------------------------------------------

// The decoder for a "Content-Type" header value: its first six characters dropped,
// the rest in lower case, then "png" → "png", "bmp" → "bmp", "jpeg" and "jpg" →
// "jpeg". Anything else (a parameter after the type included) answers empty: the
// picture is not decoded.
QByteArray ResimCozucuBul(const QString &icerikTuru);

// Decodes `veri` with the decoder named by ResimCozucuBul. A null image when the
// decoder is empty or the bytes do not decode as that kind.
QImage ResimCoz(const QByteArray &veri, const QByteArray &cozucu);

// ---- hexadecimal picture text ---------------------------------------------------

class HexHatasi : public std::runtime_error {
public:
    explicit HexHatasi(const QString &mesaj) : std::runtime_error(mesaj.toStdString()) {}
    QString message() const { return QString::fromUtf8(what()); }
};

// Two hexadecimal digits per byte (upper or lower case, no separators, no prefix);
// a last single digit makes a byte of its own ("4A4" → 74, 4). Throws HexHatasi
// for a pair that is not hexadecimal.
QByteArray HexCozBaytlar(const QString &metin);

// The same as a read-only byte stream positioned at 0.
std::unique_ptr<QBuffer> HexCoz(const QString &metin);

// ---- banners --------------------------------------------------------------------

enum class BannerTuru {
    Ust,    // header, right: `RxGIFAnimator1`, BannerResimVer, GIF
    Serit,  // strip under the search bar: `RxGIFAnimator2`, BannerResimVer2, GIF
    Alt     // bottom strip on the marquee: `Image3`, BannerResimVer3, Windows bitmap
};

// The ticker's own height inside the bottom panel `Panel5`.
inline constexpr int KayanYaziYuksekligi = 40;
// The smallest bottom banner that is shown at all.
inline constexpr int AltBannerEnAzBayt = 11;

// What the display step of a banner does.
struct BannerKarari {
    enum Eylem {
        Hicbiri,      // nothing changes
        SeritTemizle, // strip: clear its GIF, keep height 0
        AltPanelBos,  // bottom: panel height 40, no banner
        Goster        // show `baytlar`
    } eylem = Hicbiri;
    QByteArray baytlar;
};

// Decides from the announced size and the bytes the stream transfer rule gave
// (`tam`: they add up to the announced size). A short stream and a bottom banner
// under 11 bytes show nothing.
BannerKarari BannerKarariVer(BannerTuru tur, qint64 duyurulanBoy, bool tam, QByteArray baytlar);

// Height of the bottom panel for a bottom banner of `resimYuksekligi` pixels
// (negative: no banner): 40, or the picture's height + 40.
int AltPanelYuksekligi(int resimYuksekligi);

} // namespace dorvanto
