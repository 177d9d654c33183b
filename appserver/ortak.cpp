#include "ortak.h"

#include <cmath>

namespace dorvanto::appserver {

QString AramaBicimi(const QString &s)
{
    QString c;
    c.reserve(s.size());
    for (QChar ch : s) {
        switch (ch.unicode()) {
        case u'ğ': case u'Ğ': c += u'G'; break;
        case u'ü': case u'Ü': c += u'U'; break;
        case u'ş': case u'Ş': c += u'S'; break;
        case u'ö': case u'Ö': c += u'O'; break;
        case u'ç': case u'Ç': c += u'C'; break;
        case u'ı': case u'İ': case u'i': c += u'I'; break;
        default: c += ch.toUpper();
        }
    }
    return c;
}

double Yuvarla2(double v) { return std::round(v * 100.0 + (v >= 0 ? 1e-9 : -1e-9)) / 100.0; }

double NetFiyat(double f, double i1, double i2, double i3, double i4)
{
    return Yuvarla2(f * (1 - i1 / 100) * (1 - i2 / 100) * (1 - i3 / 100) * (1 - i4 / 100));
}

QString IndirimYazisi(double i1, double i2, double i3, double i4)
{
    QStringList p;
    for (double i : {i1, i2, i3, i4})
        if (i != 0)
            p << QString::number(i, 'g', 6);
    return p.isEmpty() ? QStringLiteral("0") : p.join(u'+');
}

QString ParaYazisi(double v)
{
    const bool eksi = v < 0;
    const qint64 kurus = qint64(std::llround(std::fabs(v) * 100));
    QString tam = QString::number(kurus / 100);
    for (int i = int(tam.size()) - 3; i > 0; i -= 3)
        tam.insert(i, u'.');
    return (eksi ? QStringLiteral("-") : QString()) + tam + u',' + QStringLiteral("%1").arg(kurus % 100, 2, 10, QChar(u'0'));
}

double GunSayisi(const QDate &d) { return double(QDate(1899, 12, 30).daysTo(d)); }
QDate GundenTarih(double gun) { return QDate(1899, 12, 30).addDays(qint64(std::floor(gun))); }

} // namespace dorvanto::appserver
