#include "aramakatlama.h"

namespace dorvanto {

QChar AramaKarakteriKatla(QChar c)
{
    switch (c.unicode()) {
    case 0x011F: return QLatin1Char('g');  // ğ
    case 0x00FC: return QLatin1Char('u');  // ü
    case 0x015F: return QLatin1Char('s');  // ş
    case 0x00F6: return QLatin1Char('o');  // ö
    case 0x00E7: return QLatin1Char('c');  // ç
    case 0x0131: return QLatin1Char('I');  // ı
    case 0x011E: return QLatin1Char('G');  // Ğ
    case 0x00DC: return QLatin1Char('U');  // Ü
    case 0x015E: return QLatin1Char('S');  // Ş
    case 0x0130: return QLatin1Char('I');  // İ
    case 0x00D6: return QLatin1Char('O');  // Ö
    case 0x00C7: return QLatin1Char('C');  // Ç
    default: return c;
    }
}

QString AramaMetniKatla(const QString &yazilan)
{
    QString sonuc;
    sonuc.reserve(yazilan.size());
    for (QChar c : yazilan)
        sonuc.append(AramaKarakteriKatla(c));
    // Unicode upper case, independent of the regional settings: 'i' becomes 'I'.
    return sonuc.toUpper();
}

} // namespace dorvanto
