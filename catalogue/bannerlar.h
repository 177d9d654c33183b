// The three banner loads of the start-up task: the GIF at the right of the header
// (BannerResimVer), the GIF strip under the search bar (BannerResimVer2) and the bitmap
// on the bottom marquee (BannerResimVer3). Each loads on its own clone of the main
// connection; only the display step touches controls, on the GUI thread, and the
// calling task waits for it. A failed banner simply does not appear.
#pragma once

#include "resimkurallari.h"

#include <QPointer>

class QLabel;
class QWidget;

namespace dorvanto {

class ServerConnection;

// The controls of the main window the banners are shown in (any may be missing).
struct BannerHedefleri {
    QPointer<QLabel> RxGIFAnimator1;     // header, right
    QPointer<QLabel> RxGIFAnimator2;     // strip under the search bar, height 0 until loaded
    QPointer<QLabel> Image3;             // the bottom strip's bitmap
    QPointer<QWidget> RealTimeMarquee1;  // the marquee that carries it, hidden until loaded
    QPointer<QWidget> Panel5;            // the bottom panel: ticker (40) + bottom strip
};

// The load of one banner (any thread): clone, connection check with its message,
// the server method, the stream transfer rule, the decision. Server errors are
// swallowed (no banner). False when the connection could not be opened.
bool BannerYukle(const ServerConnection &bagc, BannerTuru tur, BannerKarari &karar);

// The display step (GUI thread).
void BannerGoster(BannerTuru tur, const BannerKarari &karar, const BannerHedefleri &h);

// Load and show, for the start-up task (worker thread: waits for the display step).
void BannerREsimAl(const ServerConnection &bagc, const BannerHedefleri &h);
void BannerREsimAlUst(const ServerConnection &bagc, const BannerHedefleri &h);
void BannerREsimAlAlt(const ServerConnection &bagc, const BannerHedefleri &h);

} // namespace dorvanto
