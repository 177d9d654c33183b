#include "gridcolumn.h"

#include <cmath>

namespace dorvanto {

namespace {
bool counts(const std::vector<bool> &visible, const std::vector<bool> &skip, std::size_t i)
{
    return i < visible.size() && visible[i] && !(i < skip.size() && skip[i]);
}
} // namespace

std::vector<int> weightedWidths(const std::vector<int> &weights, const std::vector<bool> &visible, int gridWidth,
                                const std::vector<bool> &skip)
{
    std::vector<int> out(weights.size(), -1);
    long long sum = 0;
    for (std::size_t i = 0; i < weights.size(); ++i)
        if (counts(visible, skip, i))
            sum += weights[i];
    if (sum <= 0)
        return out;
    const double unitExact = double(gridWidth - 30) / double(sum);
    const long long unit = std::max(0LL, (long long)std::trunc(unitExact));
    for (std::size_t i = 0; i < weights.size(); ++i)
        if (counts(visible, skip, i))
            out[i] = int(std::max(0LL, weights[i] * unit));
    return out;
}

std::vector<int> stretchedWidths(const std::vector<int> &weights, const std::vector<bool> &visible, int available,
                                 const std::vector<bool> &skip)
{
    std::vector<int> out(weights.size(), -1);
    long long sum = 0;
    std::size_t last = weights.size();
    for (std::size_t i = 0; i < weights.size(); ++i)
        if (counts(visible, skip, i)) {
            sum += std::max(1, weights[i]);
            last = i;
        }
    if (sum <= 0 || available <= 0)
        return out;
    int used = 0;
    for (std::size_t i = 0; i < weights.size(); ++i) {
        if (!counts(visible, skip, i))
            continue;
        if (i == last) {
            out[i] = std::max(0, available - used);
        } else {
            out[i] = int((long long)available * std::max(1, weights[i]) / sum);
            used += out[i];
        }
    }
    return out;
}

QString excelNumberFormat(const QString &picture)
{
    if (picture.isEmpty())
        return {};
    bool grouping = false;
    int minInt = 0;
    QString decimals;
    bool afterPoint = false;
    for (QChar ch : picture) {
        if (ch == QLatin1Char('.')) {
            afterPoint = true;
        } else if (!afterPoint) {
            if (ch == QLatin1Char(','))
                grouping = true;
            else if (ch == QLatin1Char('0'))
                ++minInt;
        } else if (ch == QLatin1Char('0') || ch == QLatin1Char('#')) {
            decimals += ch;
        }
    }
    QString ints = QString(std::max(minInt, 1), QLatin1Char('0'));
    if (grouping)
        ints = QStringLiteral("#,") + QString(std::max(0, 3 - int(ints.size())), QLatin1Char('#')) + ints;
    QString out = ints;
    if (!decimals.isEmpty())
        out += QLatin1Char('.') + decimals;
    return out;
}

} // namespace dorvanto
