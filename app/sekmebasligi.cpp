#include "sekmebasligi.h"

#include <QLocale>

#include <cmath>

namespace dorvanto {

TSonuc SekmeBasligiCoz(const QString &baslik)
{
    TSonuc s;
    s.baslik = baslik;
    const int p = baslik.indexOf(QLatin1Char('='));
    if (p < 0)
        return s;
    s.baslik = baslik.mid(p + 1, 100);
    const QString sayiMetni = baslik.left(p).trimmed();
    bool tamsayi = false;
    const int n = sayiMetni.toInt(&tamsayi, 10);
    if (tamsayi) {
        s.sayi = n;
        if (n > 0)
            s.rozet = QStringLiteral("(%1)").arg(n);
        return s;
    }
    // Not an integer: an amount with a decimal point or comma, or text.
    bool sayi = false;
    double d = sayiMetni.toDouble(&sayi);
    if (!sayi) {
        QString virgulsuz = sayiMetni;
        d = QLocale(QLocale::Turkish).toDouble(virgulsuz, &sayi);
    }
    if (sayi && std::isfinite(d) && d > 0)
        s.rozet = QStringLiteral("(%1)").arg(sayiMetni);
    return s;
}

QString SekmeBasligi(int sayi, const QString &baslik) { return QString::number(sayi) + QLatin1Char('=') + baslik; }

} // namespace dorvanto
