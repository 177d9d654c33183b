#include "gorunum.h"

#include <QFontDatabase>

#include <QApplication>
#include <QLineEdit>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPalette>
#include <QStyleFactory>
#include <QTimer>

#include <algorithm>
#include <cmath>

namespace dorvanto {

void GorunumUygula(QApplication &app)
{
    // The screens are designed in Tahoma. Where it is missing the condensed DejaVu
    // face stands in: about as wide, with every Turkish letter.
    const QStringList yuzler = QFontDatabase::families();
    if (!yuzler.contains(QStringLiteral("Tahoma")) && yuzler.contains(QStringLiteral("DejaVu Sans Condensed")))
        QFont::insertSubstitution(QStringLiteral("Tahoma"), QStringLiteral("DejaVu Sans Condensed"));
    app.setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QPalette p;
    const QColor pencere(232, 240, 250);
    const QColor dugme(214, 228, 246);
    const QColor vurgu(33, 102, 184);
    p.setColor(QPalette::Window, pencere);
    p.setColor(QPalette::WindowText, QColor(16, 38, 72));
    p.setColor(QPalette::Base, Qt::white);
    p.setColor(QPalette::AlternateBase, QColor(240, 246, 253));
    p.setColor(QPalette::ToolTipBase, QColor(255, 255, 225));
    p.setColor(QPalette::ToolTipText, Qt::black);
    p.setColor(QPalette::Text, QColor(16, 30, 50));
    p.setColor(QPalette::Button, dugme);
    p.setColor(QPalette::ButtonText, QColor(16, 38, 72));
    p.setColor(QPalette::BrightText, Qt::red);
    p.setColor(QPalette::Highlight, vurgu);
    p.setColor(QPalette::HighlightedText, Qt::white);
    p.setColor(QPalette::Link, vurgu);
    p.setColor(QPalette::PlaceholderText, QColor(120, 130, 150));
    p.setColor(QPalette::Disabled, QPalette::Text, QColor(140, 150, 165));
    p.setColor(QPalette::Disabled, QPalette::ButtonText, QColor(140, 150, 165));
    p.setColor(QPalette::Disabled, QPalette::WindowText, QColor(140, 150, 165));
    app.setPalette(p);
}

QPixmap LogoResmi(const QSize &boyut)
{
    QPixmap pm(boyut);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r(2, 2, boyut.width() - 4, boyut.height() - 4);
    QLinearGradient g(r.topLeft(), r.bottomRight());
    g.setColorAt(0, QColor(18, 64, 140));
    g.setColorAt(1, QColor(40, 120, 205));
    p.setBrush(g);
    p.setPen(Qt::NoPen);
    p.drawRoundedRect(r, 10, 10);
    // a gear
    const qreal cap = r.height() * 0.62;
    const QPointF merkez(r.left() + r.height() * 0.5, r.center().y());
    p.setBrush(QColor(255, 196, 40));
    QPainterPath disli;
    for (int i = 0; i < 8; ++i) {
        const qreal a = i * M_PI / 4;
        QRectF dis(0, 0, cap * 0.22, cap * 0.22);
        dis.moveCenter(merkez + QPointF(std::cos(a), std::sin(a)) * cap * 0.42);
        disli.addRect(dis);
    }
    QRectF govde(0, 0, cap * 0.8, cap * 0.8);
    govde.moveCenter(merkez);
    disli.addEllipse(govde);
    p.drawPath(disli.simplified());
    p.setBrush(QColor(18, 64, 140));
    QRectF delik(0, 0, cap * 0.32, cap * 0.32);
    delik.moveCenter(merkez);
    p.drawEllipse(delik);
    // the name
    const qreal x = r.left() + r.height() * 1.0;
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setBold(true);
    f.setPixelSize(int(r.height() * 0.34));
    p.setFont(f);
    p.setPen(Qt::white);
    p.drawText(QRectF(x, r.top() + r.height() * 0.12, r.right() - x - 6, r.height() * 0.45),
               Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("DORVANTO"));
    f.setBold(false);
    f.setPixelSize(int(r.height() * 0.17));
    p.setFont(f);
    p.setPen(QColor(255, 220, 120));
    p.drawText(QRectF(x, r.top() + r.height() * 0.55, r.right() - x - 6, r.height() * 0.3),
               Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("OTOMOTİV YEDEK PARÇA"));
    return pm;
}

QPixmap GirisArkaPlani(const QSize &boyut)
{
    QPixmap pm(boyut);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient g(0, 0, 0, boyut.height());
    g.setColorAt(0, QColor(16, 56, 124));
    g.setColorAt(0.55, QColor(42, 116, 196));
    g.setColorAt(1, QColor(210, 226, 246));
    p.fillRect(pm.rect(), g);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 22));
    for (int i = 0; i < 5; ++i)
        p.drawEllipse(QPointF(boyut.width() * (0.2 + 0.18 * i), boyut.height() * 0.32), 90.0 - i * 12, 90.0 - i * 12);
    return pm;
}

QIcon Simge(const QString &ad, const QColor &renk)
{
    QPixmap pm(48, 48);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    QPen kalem(renk, 4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    p.setPen(kalem);
    p.setBrush(Qt::NoBrush);
    if (ad == QLatin1String("ara")) {
        p.drawEllipse(QRectF(8, 8, 22, 22));
        p.drawLine(QPointF(27, 27), QPointF(40, 40));
    } else if (ad == QLatin1String("temizle")) {
        p.drawLine(12, 12, 36, 36);
        p.drawLine(36, 12, 12, 36);
    } else if (ad == QLatin1String("menu")) {
        for (int y : {12, 24, 36})
            p.drawLine(10, y, 38, y);
    } else if (ad == QLatin1String("stok") || ad == QLatin1String("liste")) {
        p.drawRect(QRectF(8, 8, 32, 32));
        for (int y : {18, 26, 34})
            p.drawLine(14, y - 2, 34, y - 2);
    } else if (ad == QLatin1String("sepet")) {
        p.drawPolyline(QPolygonF({QPointF(6, 10), QPointF(12, 10), QPointF(17, 30), QPointF(38, 30), QPointF(42, 16), QPointF(14, 16)}));
        p.drawEllipse(QPointF(19, 38), 3, 3);
        p.drawEllipse(QPointF(35, 38), 3, 3);
    } else if (ad == QLatin1String("onceki") || ad == QLatin1String("goruldu")) {
        p.drawEllipse(QRectF(8, 8, 32, 32));
        p.drawLine(24, 24, 24, 14);
        p.drawLine(24, 24, 32, 28);
    } else if (ad == QLatin1String("ekstre") || ad == QLatin1String("bakiye")) {
        p.drawRect(QRectF(12, 6, 24, 36));
        p.drawLine(17, 16, 31, 16);
        p.drawLine(17, 24, 31, 24);
        p.drawLine(17, 32, 26, 32);
    } else if (ad == QLatin1String("yeni") || ad == QLatin1String("alindi")) {
        p.drawLine(24, 8, 24, 40);
        p.drawLine(8, 24, 40, 24);
    } else if (ad == QLatin1String("kampanya")) {
        p.drawPolygon(QPolygonF({QPointF(24, 6), QPointF(29, 19), QPointF(42, 19), QPointF(31, 27), QPointF(35, 41),
                                 QPointF(24, 33), QPointF(13, 41), QPointF(17, 27), QPointF(6, 19), QPointF(19, 19)}));
    } else if (ad == QLatin1String("duyuru")) {
        p.drawPolygon(QPolygonF({QPointF(8, 18), QPointF(18, 18), QPointF(34, 8), QPointF(34, 40), QPointF(18, 30), QPointF(8, 30)}));
    } else if (ad == QLatin1String("pos")) {
        p.drawRoundedRect(QRectF(6, 12, 36, 24), 4, 4);
        p.drawLine(6, 20, 42, 20);
    } else if (ad == QLatin1String("onay") || ad == QLatin1String("hazir")) {
        p.drawPolyline(QPolygonF({QPointF(10, 24), QPointF(20, 34), QPointF(38, 14)}));
    } else if (ad == QLatin1String("eksik")) {
        p.drawEllipse(QRectF(8, 8, 32, 32));
        p.drawLine(16, 24, 32, 24);
    } else if (ad == QLatin1String("sevk")) {
        p.drawRect(QRectF(4, 14, 24, 18));
        p.drawPolyline(QPolygonF({QPointF(28, 20), QPointF(38, 20), QPointF(44, 28), QPointF(44, 32), QPointF(28, 32)}));
        p.drawEllipse(QPointF(13, 37), 3, 3);
        p.drawEllipse(QPointF(36, 37), 3, 3);
    } else if (ad == QLatin1String("musteri")) {
        p.drawEllipse(QRectF(16, 6, 16, 16));
        p.drawArc(QRectF(8, 24, 32, 30), 0, 180 * 16);
    } else {
        p.drawEllipse(QRectF(10, 10, 28, 28));
    }
    return QIcon(pm);
}

MesgulGostergesi::MesgulGostergesi(QWidget *parent) : QWidget(parent), m_zaman(new QTimer(this))
{
    m_zaman->setInterval(80);
    connect(m_zaman, &QTimer::timeout, this, [this] {
        m_adim = (m_adim + 1) % 12;
        update();
    });
    setFixedSize(sizeHint());
}

void MesgulGostergesi::Baslat()
{
    show();
    m_zaman->start();
}

void MesgulGostergesi::Durdur()
{
    m_zaman->stop();
    hide();
}

bool MesgulGostergesi::Calisiyor() const { return m_zaman->isActive(); }

void MesgulGostergesi::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.translate(width() / 2.0, height() / 2.0);
    const qreal yaricap = std::min(width(), height()) / 2.0 - 2;
    for (int i = 0; i < 12; ++i) {
        QColor c = palette().color(QPalette::Highlight);
        c.setAlphaF(0.15 + 0.85 * (((i - m_adim + 12) % 12) / 11.0));
        p.setPen(QPen(c, 2.5, Qt::SolidLine, Qt::RoundCap));
        p.save();
        p.rotate(i * 30);
        p.drawLine(QPointF(0, -yaricap * 0.45), QPointF(0, -yaricap));
        p.restore();
    }
}

void BuyukHarfZorla(QLineEdit *e)
{
    QObject::connect(e, &QLineEdit::textEdited, e, [e](const QString &t) {
        const QString u = t.toUpper();
        if (u != t) {
            const int p = e->cursorPosition();
            e->setText(u);
            e->setCursorPosition(std::min(p, int(u.size())));
        }
    });
}

} // namespace dorvanto
