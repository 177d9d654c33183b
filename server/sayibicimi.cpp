#include "sayibicimi.h"

#include <cmath>
#include <cstdio>
#include <string>

namespace dorvanto {

namespace {
struct Picture {
    bool grouping = false;
    int minInt = 0;
    int reqDec = 0;  // '0' after the point
    int optDec = 0;  // '#' after the point
};

Picture parse(const QString &picture)
{
    Picture p;
    bool afterPoint = false;
    for (QChar ch : picture) {
        if (ch == QLatin1Char('.')) {
            afterPoint = true;
        } else if (!afterPoint) {
            if (ch == QLatin1Char(','))
                p.grouping = true;
            else if (ch == QLatin1Char('0'))
                ++p.minInt;
        } else {
            if (ch == QLatin1Char('0'))
                p.reqDec += 1 + p.optDec, p.optDec = 0;
            else if (ch == QLatin1Char('#'))
                ++p.optDec;
        }
    }
    return p;
}

// Exact decimal digits of |v| with `decimals` places, rounded half away from zero.
// Answers integer digits and decimal digits separately.
void roundExact(double v, int decimals, std::string &intPart, std::string &decPart)
{
    // glibc prints the exact binary value; 1100 places cover every double.
    static thread_local std::string buf(1500, '\0');
    int n = std::snprintf(buf.data(), buf.size(), "%.1100f", std::fabs(v));
    std::string s(buf.data(), std::size_t(n));
    const std::size_t point = s.find('.');
    std::string ip = s.substr(0, point);
    std::string dp = s.substr(point + 1);
    const bool up = dp.size() > std::size_t(decimals) && dp[std::size_t(decimals)] >= '5';
    dp.resize(std::size_t(decimals));
    std::string digits = ip + dp;
    if (up) {
        int i = int(digits.size()) - 1;
        for (; i >= 0; --i) {
            if (digits[std::size_t(i)] == '9') {
                digits[std::size_t(i)] = '0';
            } else {
                ++digits[std::size_t(i)];
                break;
            }
        }
        if (i < 0)
            digits.insert(digits.begin(), '1');
    }
    intPart = digits.substr(0, digits.size() - std::size_t(decimals));
    decPart = digits.substr(digits.size() - std::size_t(decimals));
}
} // namespace

QString FormatFloat(const QString &picture, double value, const QLocale &locale)
{
    if (!std::isfinite(value))
        return locale.toString(value);
    const Picture p = parse(picture);
    const int decimals = p.reqDec + p.optDec;
    std::string ip, dp;
    roundExact(value, decimals, ip, dp);

    // Optional decimals are dropped when they are zero.
    while (int(dp.size()) > p.reqDec && dp.back() == '0')
        dp.pop_back();
    // Integer digits: strip leading zeros down to the required minimum.
    std::size_t firstNonZero = ip.find_first_not_of('0');
    std::string digits = firstNonZero == std::string::npos ? std::string() : ip.substr(firstNonZero);
    while (int(digits.size()) < p.minInt)
        digits.insert(digits.begin(), '0');

    const bool negative = std::signbit(value) && (digits.find_first_not_of('0') != std::string::npos
                                                  || dp.find_first_not_of('0') != std::string::npos);
    QString out;
    if (negative)
        out += locale.negativeSign();
    const QString group = locale.groupSeparator();
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (p.grouping && i > 0 && (digits.size() - i) % 3 == 0)
            out += group;
        out += QLatin1Char(digits[i]);
    }
    if (!dp.empty()) {
        out += locale.decimalPoint();
        out += QLatin1String(dp.c_str());
    }
    return out;
}

} // namespace dorvanto
