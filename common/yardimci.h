// Free-standing helpers used by many screens once their data has arrived.
#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>

namespace dorvanto {

class ResultTable;

// Sets the money display format "#,###,##0.00" on every plain floating-point field.
void ParaFormatla(ResultTable &tablo);

// x rounded to two decimals, half away from zero on the exact decimal expansion
// (through the "#,###,##.00" picture of the locale, as every computed amount is).
double IkiHaneYuvarla(double x, const QLocale &yerel = QLocale());

// The user's documents folder and the local application-data folder.
QString BelgelerKlasoru();
QString YerelVeriKlasoru();

// The URL with its path and query percent-encoded (UTF-8, upper-case hex).
QString UrlKodla(const QString &url);

// Full path of a Chrome or Chromium program, or empty: the first existing
// executable among the usual install places, then the program names on PATH.
QString ChromeYolu();
// The same search over given places and PATH folders (tests use it).
QString ChromeYolu(const QStringList &yerler, const QStringList &yolKlasorleri);

// Major version of the installed Internet Explorer: there is none here, 0.
int IeSurumu();

} // namespace dorvanto
