#include "HandrailSplitRules.h"

#include <cmath>

std::optional<QString> nextSplitOrderNumber(const QString& number)
{
    const int hash = number.indexOf(QLatin1Char('#'));
    const QString head = hash < 0 ? QString() : number.left(hash);
    const QString tail = hash < 0 ? number : number.mid(hash + 1);
    bool ok = false;
    const long long k = tail.trimmed().toLongLong(&ok);
    if (!ok)
        return std::nullopt;
    return head + QLatin1Char('#') + QString::number(k + 1);
}

bool splitSizesMatch(const QList<double>& pieces, double original)
{
    double sum = 0;
    for (double p : pieces)
        sum += p;
    return std::fabs(sum - original) < 1e-6;
}
