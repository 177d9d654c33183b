// The search box's character folding: Turkish letters typed into `araedit` become
// their plain Latin counterparts before they reach the box, and the box keeps its
// text in upper case, so a search text holds no Turkish-specific letter.
#pragma once

#include <QChar>
#include <QString>

namespace dorvanto {

// One typed character after folding (ğ→g, ü→u, ş→s, ö→o, ç→c, ı→I, Ğ→G, Ü→U, Ş→S,
// İ→I, Ö→O, Ç→C); every other character passes unchanged.
QChar AramaKarakteriKatla(QChar c);

// What the box holds for a typed text: each character folded, then upper case.
QString AramaMetniKatla(const QString &yazilan);

} // namespace dorvanto
