#include "bannerlar.h"

#include "beklesin.h"
#include "servermethods.h"

#include <QBuffer>
#include <QImageReader>
#include <QLabel>
#include <QMovie>

namespace dorvanto {

bool BannerYukle(const ServerConnection &bagc, BannerTuru tur, BannerKarari &karar)
{
    karar = {};
    std::unique_ptr<ServerConnection> klon;
    try {
        klon = bagc.Clone();
    } catch (const std::exception &) {
        return false;
    }
    if (!BaglantiAc(*klon, true))
        return false;
    try {
        TServerMethods1Client istemci(*klon);
        qint64 boy = 0;
        QIODevice *akis = nullptr;
        switch (tur) {
        case BannerTuru::Ust: akis = istemci.BannerResimVer(boy); break;
        case BannerTuru::Serit: akis = istemci.BannerResimVer2(boy); break;
        case BannerTuru::Alt: akis = istemci.BannerResimVer3(boy); break;
        }
        QByteArray baytlar;
        bool tam = false;
        if (boy != 0 && akis) {
            akis->seek(0);
            tam = AkisiOku(akis, boy, baytlar);
        }
        karar = BannerKarariVer(tur, boy, tam, std::move(baytlar));
    } catch (const std::exception &) {
        karar = {};  // a failed banner does not appear
    }
    klon->Close();
    return true;
}

namespace {
// Loads a GIF into an animator label; answers the GIF's height, -1 when it does not decode.
int gifYukle(QLabel *l, const QByteArray &baytlar)
{
    auto *tampon = new QBuffer;
    tampon->setData(baytlar);
    tampon->open(QIODevice::ReadOnly);
    auto *film = new QMovie(tampon, "gif", l);
    tampon->setParent(film);
    if (!film->isValid()) {
        delete film;
        return -1;
    }
    film->jumpToFrame(0);
    const int yukseklik = film->currentImage().height();
    if (QMovie *eski = l->movie())
        eski->deleteLater();
    l->setMovie(film);
    film->start();
    return yukseklik;
}
} // namespace

void BannerGoster(BannerTuru tur, const BannerKarari &k, const BannerHedefleri &h)
{
    switch (k.eylem) {
    case BannerKarari::Hicbiri:
        return;
    case BannerKarari::SeritTemizle:
        if (h.RxGIFAnimator2) {
            if (QMovie *eski = h.RxGIFAnimator2->movie())
                eski->deleteLater();
            h.RxGIFAnimator2->clear();
            h.RxGIFAnimator2->setFixedHeight(0);
        }
        return;
    case BannerKarari::AltPanelBos:
        if (h.Panel5)
            h.Panel5->setFixedHeight(AltPanelYuksekligi(-1));
        return;
    case BannerKarari::Goster:
        break;
    }
    if (tur == BannerTuru::Ust && h.RxGIFAnimator1) {
        // the header banner is stretched over its fixed 409 x 100 place
        if (gifYukle(h.RxGIFAnimator1, k.baytlar) >= 0 && h.RxGIFAnimator1->movie())
            h.RxGIFAnimator1->movie()->setScaledSize(h.RxGIFAnimator1->size());
    } else if (tur == BannerTuru::Serit && h.RxGIFAnimator2) {
        const int y = gifYukle(h.RxGIFAnimator2, k.baytlar);
        if (y >= 0)
            h.RxGIFAnimator2->setFixedHeight(y);
    } else if (tur == BannerTuru::Alt) {
        QImage bmp = ResimCoz(k.baytlar, QByteArrayLiteral("bmp"));
        if (bmp.isNull())
            return;
        if (h.Image3)
            h.Image3->setPixmap(QPixmap::fromImage(bmp));
        if (h.RealTimeMarquee1) {
            h.RealTimeMarquee1->setFixedHeight(bmp.height());
            h.RealTimeMarquee1->setVisible(true);
        }
        if (h.Panel5)
            h.Panel5->setFixedHeight(AltPanelYuksekligi(bmp.height()));
    }
}

namespace {
void yukleGoster(const ServerConnection &bagc, BannerTuru tur, const BannerHedefleri &h)
{
    BannerKarari k;
    if (!BannerYukle(bagc, tur, k))
        return;
    GuiIpligindeCalistir([&] { BannerGoster(tur, k, h); });
}
} // namespace

void BannerREsimAl(const ServerConnection &bagc, const BannerHedefleri &h) { yukleGoster(bagc, BannerTuru::Ust, h); }
void BannerREsimAlUst(const ServerConnection &bagc, const BannerHedefleri &h) { yukleGoster(bagc, BannerTuru::Serit, h); }
void BannerREsimAlAlt(const ServerConnection &bagc, const BannerHedefleri &h) { yukleGoster(bagc, BannerTuru::Alt, h); }

} // namespace dorvanto
