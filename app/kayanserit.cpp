#include "kayanserit.h"

#include <QLabel>
#include <QPainter>

namespace dorvanto {

KayanSerit::KayanSerit(QLabel *kaynak, QWidget *parent) : QWidget(parent), m_kaynak(kaynak)
{
    setAutoFillBackground(true);
    m_zamanlayici.setInterval(20);
    connect(&m_zamanlayici, &QTimer::timeout, this, &KayanSerit::Ilerle);
}

void KayanSerit::setAdim(int piksel, int ms)
{
    m_adim = qMax(1, piksel);
    m_zamanlayici.setInterval(qMax(1, ms));
}

void KayanSerit::showEvent(QShowEvent *)
{
    m_zamanlayici.start();
}

void KayanSerit::hideEvent(QHideEvent *)
{
    m_zamanlayici.stop();
}

void KayanSerit::Ilerle()
{
    m_konum += m_adim;
    update();
}

void KayanSerit::paintEvent(QPaintEvent *)
{
    if (!m_kaynak)
        return;
    const QPixmap resim = m_kaynak->pixmap();
    if (resim.isNull() || resim.width() <= 0)
        return;
    QPainter p(this);
    // The picture stands at the left edge when the strip appears, moves out to the
    // left and comes back in from the right edge.
    const int tur = resim.width() + width();
    const int x = width() - ((m_konum + width()) % tur);
    p.drawPixmap(x, (height() - resim.height()) / 2, resim);
}

} // namespace dorvanto
