#include "gridsimgeleri.h"

#include <QHash>
#include <QPainter>
#include <QPainterPath>
#include <QtMath>

namespace dorvanto {

namespace {

QPixmap blank(int size)
{
    QPixmap pm(size, size);
    pm.fill(Qt::transparent);
    return pm;
}

void disc(QPainter &p, const QRectF &r, const QColor &fill)
{
    p.setPen(QPen(fill.darker(135), r.width() / 18.0));
    p.setBrush(fill);
    p.drawEllipse(r);
}

QPen whitePen(qreal w)
{
    QPen pen(Qt::white, w);
    pen.setCapStyle(Qt::RoundCap);
    pen.setJoinStyle(Qt::RoundJoin);
    return pen;
}

QPolygonF star(const QPointF &c, qreal outer, qreal inner, int points)
{
    QPolygonF poly;
    for (int i = 0; i < points * 2; ++i) {
        const qreal a = -M_PI / 2 + i * M_PI / points;
        const qreal rad = (i % 2) ? inner : outer;
        poly << QPointF(c.x() + rad * std::cos(a), c.y() + rad * std::sin(a));
    }
    return poly;
}

} // namespace

QString DurumAciklamasi(int durum)
{
    switch (durum) {
    case 0: return QStringLiteral("Yok");
    case 1: return QStringLiteral("Var");
    case 2: return QStringLiteral("Telefon Açınız");
    case 3: return QStringLiteral("Yolda");
    case 4: return QStringLiteral("Özel Sipariş");
    case 5: return QStringLiteral("Tedarik Sürecinde");
    default: return {};
    }
}

QPixmap DurumSimgesi(int durum, int size)
{
    if (durum < 0 || durum > 5 || size <= 0)
        return {};
    // Grids ask for the same few icons on every paint: draw each once (GUI thread).
    static QHash<int, QPixmap> cache;
    const int key = size * 16 + durum;
    if (auto it = cache.constFind(key); it != cache.constEnd())
        return *it;
    QPixmap pm = blank(size);
    {
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal s = size;
    const QRectF r(s * 0.06, s * 0.06, s * 0.88, s * 0.88);
    const QPointF c = r.center();
    const qreal w = s / 8.0;
    switch (durum) {
    case 0: // none: red disc with a cross
        disc(p, r, QColor(0xd9, 0x3a, 0x2f));
        p.setPen(whitePen(w));
        p.drawLine(QPointF(s * 0.33, s * 0.33), QPointF(s * 0.67, s * 0.67));
        p.drawLine(QPointF(s * 0.67, s * 0.33), QPointF(s * 0.33, s * 0.67));
        break;
    case 1: // in stock: green disc with a tick
        disc(p, r, QColor(0x2e, 0xa0, 0x43));
        p.setPen(whitePen(w));
        p.drawPolyline(QPolygonF{QPointF(s * 0.28, s * 0.52), QPointF(s * 0.44, s * 0.68), QPointF(s * 0.72, s * 0.34)});
        break;
    case 2: { // call us: orange disc with a handset
        disc(p, r, QColor(0xf0, 0x8c, 0x1a));
        QPen pen = whitePen(w * 1.25);
        pen.setCapStyle(Qt::FlatCap);
        p.setPen(pen);
        p.setBrush(Qt::NoBrush);
        const QRectF arc(s * 0.27, s * 0.27, s * 0.46, s * 0.46);
        p.drawArc(arc, 200 * 16, 140 * 16);
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::white);
        p.drawEllipse(QPointF(s * 0.29, s * 0.62), w * 0.95, w * 0.95);
        p.drawEllipse(QPointF(s * 0.71, s * 0.62), w * 0.95, w * 0.95);
        break;
    }
    case 3: { // on the way: blue disc with an arrow
        disc(p, r, QColor(0x1f, 0x6f, 0xd1));
        p.setPen(whitePen(w));
        p.drawLine(QPointF(s * 0.28, c.y()), QPointF(s * 0.70, c.y()));
        p.drawPolyline(QPolygonF{QPointF(s * 0.52, s * 0.32), QPointF(s * 0.72, c.y()), QPointF(s * 0.52, s * 0.68)});
        break;
    }
    case 4: // special order: purple disc with a star
        disc(p, r, QColor(0x8e, 0x44, 0xad));
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::white);
        p.drawPolygon(star(c, s * 0.30, s * 0.13, 5));
        break;
    case 5: { // being supplied: amber disc with clock hands
        disc(p, r, QColor(0xe0, 0xb0, 0x10));
        p.setPen(whitePen(w));
        p.drawLine(c, QPointF(c.x(), s * 0.27));
        p.drawLine(c, QPointF(s * 0.68, c.y()));
        break;
    }
    }
    }
    cache.insert(key, pm);
    return pm;
}

QPixmap EvetSimgesi(YesNoIcon kind, int size)
{
    if (size <= 0)
        return {};
    static QHash<int, QPixmap> cache;
    const int key = size * 4 + int(kind);
    if (auto it = cache.constFind(key); it != cache.constEnd())
        return *it;
    QPixmap pm = blank(size);
    {
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal s = size;
    switch (kind) {
    case YesNoIcon::Picture: { // a framed landscape
        const QRectF frame(s * 0.08, s * 0.18, s * 0.84, s * 0.64);
        p.setPen(QPen(QColor(0x3b, 0x5b, 0x85), s / 14.0));
        p.setBrush(QColor(0xdd, 0xec, 0xfb));
        p.drawRoundedRect(frame, s * 0.08, s * 0.08);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0xf2, 0xb1, 0x1b));
        p.drawEllipse(QPointF(s * 0.68, s * 0.36), s * 0.08, s * 0.08);
        p.setBrush(QColor(0x3a, 0x8d, 0x3f));
        p.drawPolygon(QPolygonF{QPointF(s * 0.14, s * 0.76), QPointF(s * 0.40, s * 0.42), QPointF(s * 0.62, s * 0.76)});
        p.setBrush(QColor(0x2c, 0x6e, 0x31));
        p.drawPolygon(QPolygonF{QPointF(s * 0.46, s * 0.76), QPointF(s * 0.66, s * 0.52), QPointF(s * 0.86, s * 0.76)});
        break;
    }
    case YesNoIcon::New: // a green burst
        p.setPen(QPen(QColor(0x1e, 0x7e, 0x34), s / 16.0));
        p.setBrush(QColor(0x3c, 0xb3, 0x4f));
        p.drawPolygon(star(QPointF(s / 2, s / 2), s * 0.46, s * 0.30, 8));
        p.setPen(whitePen(s / 9.0));
        p.drawLine(QPointF(s * 0.5, s * 0.34), QPointF(s * 0.5, s * 0.66));
        p.drawLine(QPointF(s * 0.34, s * 0.5), QPointF(s * 0.66, s * 0.5));
        break;
    case YesNoIcon::Campaign: { // a red tag with a percent sign
        p.setPen(QPen(QColor(0xa8, 0x1c, 0x1c), s / 16.0));
        p.setBrush(QColor(0xe0, 0x33, 0x33));
        p.drawRoundedRect(QRectF(s * 0.08, s * 0.08, s * 0.84, s * 0.84), s * 0.18, s * 0.18);
        p.setPen(whitePen(s / 10.0));
        p.drawLine(QPointF(s * 0.32, s * 0.70), QPointF(s * 0.68, s * 0.30));
        p.setPen(QPen(Qt::white, s / 12.0));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(QPointF(s * 0.34, s * 0.34), s * 0.08, s * 0.08);
        p.drawEllipse(QPointF(s * 0.66, s * 0.66), s * 0.08, s * 0.08);
        break;
    }
    }
    }
    cache.insert(key, pm);
    return pm;
}

QString EvetHayirMetni(YesNoIcon kind, bool yes)
{
    if (kind == YesNoIcon::Picture)
        return yes ? QStringLiteral("Var") : QStringLiteral("Yok");
    return yes ? QStringLiteral("Evet") : QStringLiteral("Hayır");
}

} // namespace dorvanto
