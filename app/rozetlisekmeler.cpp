#include "rozetlisekmeler.h"

#include "sekmebasligi.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QStyleOptionTab>

namespace dorvanto {

RozetliSekmeCubugu::RozetliSekmeCubugu(QWidget *parent) : QTabBar(parent)
{
    setDrawBase(false);
    setExpanding(false);
    setUsesScrollButtons(true);
    setElideMode(Qt::ElideNone);
}

QSize RozetliSekmeCubugu::tabSizeHint(int index) const
{
    if (m_boyut.isValid())
        return m_boyut;
    const TSonuc s = SekmeBasligiCoz(tabText(index));
    const QFontMetrics fm(font());
    int w = fm.horizontalAdvance(s.baslik) + 24;
    if (!tabIcon(index).isNull())
        w += iconSize().width() + 6;
    if (!s.rozet.isEmpty())
        w += fm.horizontalAdvance(s.rozet) + 4;
    return QSize(std::max(w, 60), std::max(fm.height() + 16, 32));
}

void RozetliSekmeCubugu::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QPalette pal = palette();
    const QColor koyu = pal.color(QPalette::Active, QPalette::Highlight).darker(135);
    for (int i = 0; i < count(); ++i) {
        if (!isTabVisible(i))
            continue;
        const QRect r = tabRect(i).adjusted(1, 2, -1, 0);
        if (!r.isValid())
            continue;
        const bool secili = i == currentIndex();
        QStyleOptionTab opt;
        initStyleOption(&opt, i);
        const bool sicak = opt.state.testFlag(QStyle::State_MouseOver);

        // Background in three states: selected, hot under the mouse, normal.
        QColor ust, alt;
        if (secili) {
            ust = koyu.lighter(125);
            alt = koyu;
        } else if (sicak) {
            ust = pal.color(QPalette::Active, QPalette::Highlight).lighter(130);
            alt = pal.color(QPalette::Active, QPalette::Highlight);
        } else {
            ust = pal.color(QPalette::Active, QPalette::Highlight).lighter(115);
            alt = pal.color(QPalette::Active, QPalette::Highlight).darker(110);
        }
        QLinearGradient g(r.topLeft(), r.bottomLeft());
        g.setColorAt(0, ust);
        g.setColorAt(1, alt);
        QPainterPath yol;
        yol.addRoundedRect(QRectF(r).adjusted(0.5, 0.5, -0.5, 4), 5, 5);
        p.setClipRect(r);
        p.fillPath(yol, g);
        p.setPen(QPen(secili ? QColor(255, 200, 60) : alt.darker(130), secili ? 2 : 1));
        // only the outline: a brush left over from an earlier badge would veil the tab
        p.setBrush(Qt::NoBrush);
        p.drawPath(yol);
        p.setClipping(false);

        // The image at the left, vertically centred.
        QRect metinAlani = r.adjusted(0, 5, 0, -5);
        const QIcon simge = tabIcon(i);
        if (!simge.isNull()) {
            const QSize is = iconSize();
            const QRect ir(r.left() + 4, r.top() + (r.height() - is.height()) / 2, is.width(), is.height());
            simge.paint(&p, ir, Qt::AlignCenter, isTabEnabled(i) ? QIcon::Normal : QIcon::Disabled);
            metinAlani.setLeft(ir.right() + 2);
        }

        const TSonuc s = SekmeBasligiCoz(tabText(i));
        p.setFont(font());
        p.setPen(isTabEnabled(i) ? QColor(Qt::white) : QColor(220, 220, 220));
        p.drawText(metinAlani, Qt::AlignCenter | Qt::TextWordWrap, s.baslik);

        if (!s.rozet.isEmpty()) {
            const QRect rozetAlani = metinAlani.adjusted(2, -3, -2, 3);
            QFont rf = font();
            rf.setBold(true);
            p.setFont(rf);
            p.setPen(QColor(230, 20, 20));
            // a light plate under the badge keeps red readable on the blue tab
            const QRect br = QFontMetrics(rf).boundingRect(rozetAlani, Qt::AlignRight | Qt::AlignTop, s.rozet);
            p.setBrush(QColor(255, 255, 255, 220));
            p.setPen(Qt::NoPen);
            p.drawRoundedRect(br.adjusted(-2, 0, 2, 0), 3, 3);
            p.setPen(QColor(220, 0, 0));
            p.drawText(rozetAlani, Qt::AlignRight | Qt::AlignTop, s.rozet);
        }
    }
}

RozetliSekmeler::RozetliSekmeler(QWidget *parent) : QTabWidget(parent), m_cubuk(new RozetliSekmeCubugu(this))
{
    setTabBar(m_cubuk);
    setDocumentMode(false);
}

} // namespace dorvanto
