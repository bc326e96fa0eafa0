#include "numbers.h"

#include <cmath>

namespace core {

std::optional<double> readNumber(const QString &text, const QLocale &locale)
{
    bool ok = false;
    const double value = locale.toDouble(QStringView(text).trimmed(), &ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value;
}

namespace {
QLocale withoutGroups(QLocale locale)
{
    locale.setNumberOptions(locale.numberOptions() | QLocale::OmitGroupSeparator);
    return locale;
}
} // namespace

QString formatFixed2(double value, const QLocale &locale)
{
    // Rounds away the sign of a value that shows as zero.
    if (std::fabs(value) < 0.005)
        value = 0.0;
    return withoutGroups(locale).toString(value, 'f', 2);
}

QString formatShort(double value, const QLocale &locale)
{
    if (value == 0.0)
        value = 0.0; // no "-0"
    return withoutGroups(locale).toString(value, 'g', 15);
}

} // namespace core
