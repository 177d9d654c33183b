// Pictures of the stand-in server, drawn deterministically: part pictures (JPEG,
// PNG, BMP), announcement and advertisement pictures (JPEG), banners (animated GIF,
// Windows bitmap). Needs a QGuiApplication for the lettering (offscreen is enough).
#pragma once

#include <QByteArray>
#include <QString>

namespace dorvanto::appserver {

// The picture of a part and its content type ("image/jpeg", "image/png", "image/bmp").
QByteArray ParcaResmi(int stokno, const QString &barkod, const QString &adi, QString &icerikTuru);

// A 600 x 400 JPEG with a title, for announcements and opening advertisements.
QByteArray DuyuruResmi(int no, const QString &baslik, const QString &altYazi);

// An animated GIF of `kare` frames with a moving text.
QByteArray GifAfis(int genislik, int yukseklik, int kare, const QString &yazi);

// A Windows bitmap strip.
QByteArray BmpAfis(int genislik, int yukseklik, const QString &yazi);

} // namespace dorvanto::appserver
