// Picture formatting of floating-point numbers, the way the display formats of the
// result tables and the two-decimal rounding of amounts expect it.
#pragma once

#include <QLocale>
#include <QString>

namespace dorvanto {

// Formats `value` by a picture of '#', '0', ',' and '.':
//  - a ',' before the decimal point turns on digit grouping (every three digits);
//  - the '0's before the point give the minimum number of integer digits (none: a
//    value below one is written without the leading zero, ".50");
//  - the placeholders after the point give the number of decimals, of which the
//    '0's are always written and trailing '#'s only when not zero.
// The exact decimal expansion of the double is rounded half away from zero, so a
// value stored slightly below a half rounds down. Separators are the locale's.
QString FormatFloat(const QString &picture, double value, const QLocale &locale = QLocale());

// The money display format of the result tables.
inline constexpr const char *ParaBicimi = "#,###,##0.00";

} // namespace dorvanto
