#include "missioncount.h"

#include "core/numbers.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace campaign {
namespace {

bool fitsWholeNumber(double value)
{
    return value >= double(std::numeric_limits<int>::min()) &&
           value <= double(std::numeric_limits<int>::max());
}

double roundHalfToEven(double value)
{
    const double nearest = std::round(value); // halves away from zero
    if (std::fabs(value - std::trunc(value)) == 0.5)
        return 2.0 * std::round(value / 2.0);
    return nearest;
}

} // namespace

std::optional<int> readWholeCount(const QString &text, const QLocale &locale)
{
    const std::optional<double> value = core::readNumber(text, locale);
    if (!value)
        return std::nullopt;
    const double rounded = roundHalfToEven(*value);
    if (!fitsWholeNumber(rounded))
        return std::nullopt;
    return int(rounded);
}

int namesToAsk(int count)
{
    return count < 0 ? kMaxChainedMissions : std::min(count, kMaxChainedMissions);
}

bool countReached(const QString &countText, int collected)
{
    return countText == QString::number(collected);
}

} // namespace campaign
