#include "yardimci.h"

#include "sayibicimi.h"
#include "sonuctablosu.h"

namespace dorvanto {

void ParaFormatla(ResultTable &tablo) { applyMoneyFormat(tablo); }

double IkiHaneYuvarla(double x, const QLocale &yerel)
{
    QString metin = FormatFloat(QStringLiteral("#,###,##.00"), x, yerel);
    metin.remove(yerel.groupSeparator());
    if (metin.startsWith(yerel.decimalPoint()) || metin.startsWith(yerel.negativeSign() + yerel.decimalPoint()))
        metin.insert(metin.indexOf(yerel.decimalPoint()), QLatin1Char('0'));
    QLocale ayristirici = yerel;
    ayristirici.setNumberOptions(QLocale::RejectGroupSeparator);
    bool ok = false;
    const double sonuc = ayristirici.toDouble(metin, &ok);
    return ok ? sonuc : x;
}

} // namespace dorvanto
