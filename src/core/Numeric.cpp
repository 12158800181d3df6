#include "Numeric.h"

#include <cfenv>
#include <cmath>
#include <cstdio>
#include <cstdlib>

qint64 Ceil(double x)
{
    // Far beyond any size; keeps the conversion defined for absurd input.
    constexpr double limit = 4e18;
    if (std::isnan(x))
        return 0;
    if (std::fabs(x) > limit)
        return x > 0 ? qint64(limit) : -qint64(limit);
    const double whole = std::trunc(x);
    return qint64(whole) + (x - whole > 0 ? 1 : 0);
}

double Round(double x)
{
    // nearbyint follows the current rounding mode; the default (to nearest)
    // rounds halves to even.
    return std::nearbyint(x);
}

double oneDecimal(double x)
{
    if (!std::isfinite(x))
        return x;
    const double ax = std::fabs(x);
    // The only binary values exactly half-way between two tenths end in .25
    // or .75; printf would round those to even, the rule wants away from zero.
    if (std::fmod(ax * 4, 2.0) == 1.0) {
        const double up = std::ceil(ax * 10) / 10;
        return x < 0 ? -up : up;
    }
    char buf[400];
    std::snprintf(buf, sizeof buf, "%.1f", x);
    return std::strtod(buf, nullptr);
}

QString numberText(double x)
{
    if (x == 0)
        return QStringLiteral("0"); // never "-0"
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.15g", x);
    return QString::fromLatin1(buf);
}

std::optional<double> parseNumber(const QString& text)
{
    const QString t = text.trimmed();
    if (t.isEmpty())
        return std::nullopt;
    // Only plain decimal notation: "nan", "inf" and hex are not sizes.
    for (QChar c : t) {
        if (!(c.isDigit() || c == u'.' || c == u'-' || c == u'+' || c == u'e' || c == u'E'))
            return std::nullopt;
    }
    bool ok = false;
    const double v = t.toDouble(&ok);
    if (!ok || !std::isfinite(v))
        return std::nullopt;
    return v;
}

std::optional<qint64> parseWholeNumber(const QString& text)
{
    bool ok = false;
    const qint64 v = text.trimmed().toLongLong(&ok);
    if (!ok)
        return std::nullopt;
    return v;
}

QString notANumberMessage(const QString& text)
{
    return QStringLiteral("“%1”不是有效的数值").arg(text.trimmed());
}
