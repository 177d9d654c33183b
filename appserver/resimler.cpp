#include "resimler.h"

#include <QBuffer>
#include <QColor>
#include <QFont>
#include <QImage>
#include <QImageWriter>
#include <QLinearGradient>
#include <QFontMetrics>
#include <QPainter>

#include <vector>

namespace dorvanto::appserver {

namespace {

QColor renk(int n, int s = 160, int v = 220) { return QColor::fromHsv((n * 47) % 360, s, v); }

QByteArray yaz(const QImage &img, const char *bicim, int kalite = 85)
{
    QByteArray b;
    QBuffer buf(&b);
    buf.open(QIODevice::WriteOnly);
    QImageWriter w(&buf, bicim);
    w.setQuality(kalite);
    w.write(img);
    return b;
}

// ---- GIF ------------------------------------------------------------------------
// 128-colour palette (5 x 5 x 5 colour cube and three greys); pixels are written as
// literal LZW codes of constant width, with a clear code often enough that the
// decoder's table never grows past 8-bit codes.
std::vector<QRgb> gifPaleti()
{
    std::vector<QRgb> p;
    for (int r = 0; r < 5; ++r)
        for (int g = 0; g < 5; ++g)
            for (int b = 0; b < 5; ++b)
                p.push_back(qRgb(r * 255 / 4, g * 255 / 4, b * 255 / 4));
    p.push_back(qRgb(64, 64, 64));
    p.push_back(qRgb(160, 160, 160));
    p.push_back(qRgb(224, 224, 224));
    return p;
}

int paletIndeksi(QRgb c)
{
    auto k = [](int v) { return (v * 4 + 127) / 255; };
    return k(qRed(c)) * 25 + k(qGreen(c)) * 5 + k(qBlue(c));
}

class BitYazici {
public:
    void yaz(unsigned kod, int genislik)
    {
        m_birikim |= kod << m_bit;
        m_bit += genislik;
        while (m_bit >= 8) {
            m_veri.push_back(char(m_birikim & 0xff));
            m_birikim >>= 8;
            m_bit -= 8;
        }
    }
    QByteArray bitir()
    {
        if (m_bit > 0)
            m_veri.push_back(char(m_birikim & 0xff));
        return m_veri;
    }

private:
    QByteArray m_veri;
    unsigned m_birikim = 0;
    int m_bit = 0;
};

void u16(QByteArray &c, int v)
{
    c.append(char(v & 0xff));
    c.append(char((v >> 8) & 0xff));
}

} // namespace

QByteArray GifAfis(int w, int h, int kare, const QString &yazi)
{
    const auto palet = gifPaleti();
    QByteArray c("GIF89a");
    u16(c, w);
    u16(c, h);
    c.append(char(0xF6));  // global colour table, 7 bits per colour, 128 entries
    c.append(char(0));
    c.append(char(0));
    for (QRgb p : palet) {
        c.append(char(qRed(p)));
        c.append(char(qGreen(p)));
        c.append(char(qBlue(p)));
    }
    c.append("\x21\xFF\x0BNETSCAPE2.0\x03\x01\x00\x00\x00", 19);  // loop forever
    for (int f = 0; f < kare; ++f) {
        QImage img(w, h, QImage::Format_RGB32);
        QPainter p(&img);
        QLinearGradient g(0, 0, w, h);
        g.setColorAt(0, renk(f * 2 + 5, 200, 200));
        g.setColorAt(1, renk(f * 2 + 9, 200, 120));
        p.fillRect(img.rect(), g);
        QFont font(QStringLiteral("DejaVu Sans"));
        font.setPixelSize(std::max(10, h / 3));
        font.setBold(true);
        // the text always fits: smaller type for a narrow banner, and it drifts only
        // through the room that is left
        while (font.pixelSize() > 10 && QFontMetrics(font).horizontalAdvance(yazi) > w - 20)
            font.setPixelSize(font.pixelSize() - 1);
        p.setFont(font);
        p.setPen(Qt::white);
        const int bos = std::max(0, w - 20 - QFontMetrics(font).horizontalAdvance(yazi));
        const int x = 10 + (kare > 1 ? bos * f / (kare - 1) : 0);
        p.drawText(QRect(x, 0, w - x, h), Qt::AlignVCenter | Qt::AlignLeft, yazi);
        p.end();
        // graphic control: 80 cs delay
        c.append("\x21\xF9\x04\x00", 4);
        u16(c, 80);
        c.append(char(0));
        c.append(char(0));
        c.append(char(0x2C));
        u16(c, 0);
        u16(c, 0);
        u16(c, w);
        u16(c, h);
        c.append(char(0));
        c.append(char(7));  // LZW minimum code size
        BitYazici by;
        const unsigned temizle = 128, son = 129;
        int say = 0;
        by.yaz(temizle, 8);
        for (int y = 0; y < h; ++y) {
            const QRgb *satir = reinterpret_cast<const QRgb *>(img.constScanLine(y));
            for (int xx = 0; xx < w; ++xx) {
                if (say == 100) {
                    by.yaz(temizle, 8);
                    say = 0;
                }
                by.yaz(unsigned(paletIndeksi(satir[xx])), 8);
                ++say;
            }
        }
        by.yaz(son, 8);
        const QByteArray veri = by.bitir();
        for (qsizetype i = 0; i < veri.size(); i += 255) {
            const qsizetype n = std::min<qsizetype>(255, veri.size() - i);
            c.append(char(n));
            c.append(veri.constData() + i, n);
        }
        c.append(char(0));
    }
    c.append(char(0x3B));
    return c;
}

QByteArray BmpAfis(int w, int h, const QString &yazi)
{
    QImage img(w, h, QImage::Format_RGB32);
    QPainter p(&img);
    QLinearGradient g(0, 0, w, 0);
    g.setColorAt(0, QColor(0x1d, 0x4e, 0x89));
    g.setColorAt(1, QColor(0x4f, 0x9d, 0xd9));
    p.fillRect(img.rect(), g);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(std::max(10, h / 2));
    p.setFont(font);
    p.setPen(Qt::white);
    p.drawText(img.rect(), Qt::AlignCenter, yazi);
    p.end();
    return yaz(img, "bmp");
}

QByteArray DuyuruResmi(int no, const QString &baslik, const QString &altYazi)
{
    QImage img(600, 400, QImage::Format_RGB32);
    QPainter p(&img);
    QLinearGradient g(0, 0, 0, 400);
    g.setColorAt(0, renk(no * 3 + 1, 120, 250));
    g.setColorAt(1, renk(no * 3 + 2, 200, 150));
    p.fillRect(img.rect(), g);
    p.setPen(QPen(Qt::white, 6));
    p.drawRoundedRect(QRect(20, 20, 560, 360), 24, 24);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(40);
    font.setBold(true);
    p.setFont(font);
    p.drawText(QRect(40, 60, 520, 180), Qt::AlignCenter | Qt::TextWordWrap, baslik);
    font.setPixelSize(24);
    font.setBold(false);
    p.setFont(font);
    p.drawText(QRect(40, 250, 520, 100), Qt::AlignCenter | Qt::TextWordWrap, altYazi);
    p.end();
    return yaz(img, "jpeg", 80);
}

QByteArray ParcaResmi(int stokno, const QString &barkod, const QString &adi, QString &icerikTuru)
{
    QImage img(320, 240, QImage::Format_RGB32);
    img.fill(QColor(0xf4, 0xf6, 0xf9));
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor c = renk(stokno, 140, 200);
    p.setBrush(c);
    p.setPen(QPen(c.darker(150), 4));
    switch (stokno % 4) {
    case 0: p.drawEllipse(QPoint(160, 100), 70, 70); p.setBrush(QColor(0xf4, 0xf6, 0xf9)); p.drawEllipse(QPoint(160, 100), 25, 25); break;
    case 1: p.drawRoundedRect(QRect(80, 40, 160, 120), 16, 16); break;
    case 2: p.drawRect(QRect(60, 70, 200, 60)); p.drawRect(QRect(130, 30, 60, 140)); break;
    default: {
        const QPoint pts[] = {QPoint(160, 30), QPoint(250, 170), QPoint(70, 170)};
        p.drawPolygon(pts, 3);
    }
    }
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(18);
    font.setBold(true);
    p.setFont(font);
    p.setPen(Qt::black);
    p.drawText(QRect(0, 180, 320, 26), Qt::AlignCenter, barkod);
    font.setPixelSize(13);
    font.setBold(false);
    p.setFont(font);
    p.drawText(QRect(4, 208, 312, 28), Qt::AlignCenter, adi);
    p.end();
    if (stokno % 10 == 7) {
        icerikTuru = QStringLiteral("image/bmp");
        return yaz(img, "bmp");
    }
    if (stokno % 2 == 1) {
        icerikTuru = QStringLiteral("image/png");
        return yaz(img, "png");
    }
    icerikTuru = QStringLiteral("image/jpeg");
    return yaz(img, "jpeg", 85);
}

} // namespace dorvanto::appserver
