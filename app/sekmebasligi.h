// Tab caption convention: a caption is a plain title, or a decimal count, "=" and the
// title ("12=Sepet"). The tab shows the title, and the count in red parentheses when
// it is above 0. No widgets here.
#pragma once

#include <QString>

namespace dorvanto {

struct TSonuc {
    int sayi = 0;      // the count (0 when there is none or it is not an integer)
    QString baslik;    // the title shown
    QString rozet;     // the badge text, "(12)"; empty for no badge
};

// Parses a caption. The part before the first "=" is read as a decimal integer;
// a count that is not an integer (the balances badge may write an amount there)
// never breaks the tab bar: a positive number is shown in the badge as written,
// anything else gives no badge. The title is at most 100 characters.
TSonuc SekmeBasligiCoz(const QString &baslik);

// The caption of a title with a count ("12=Sepet").
QString SekmeBasligi(int sayi, const QString &baslik);

} // namespace dorvanto
