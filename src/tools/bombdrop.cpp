#include "bombdrop.h"

#include "core/numbers.h"

#include <cmath>
#include <optional>

namespace tools {

BombDrop computeBombDrop(double speedKmh, double heightMetres)
{
    const double fallTime = std::sqrt((heightMetres + heightMetres) / 9.81);
    const double distance = ((fallTime * speedKmh) / 3600.0) * 1000.0;
    return {distance, fallTime};
}

namespace {
// An empty field is a zero, which the missing-entry messages then point out.
std::optional<double> readField(const QString &text, const QLocale &locale)
{
    if (text.trimmed().isEmpty())
        return 0.0;
    return core::readNumber(text, locale);
}
} // namespace

BombDropOutcome evaluateBombDrop(const QString &speedText, const QString &heightText,
                                 const QLocale &locale)
{
    BombDropOutcome outcome;
    const std::optional<double> speed = readField(speedText, locale);
    if (!speed) {
        outcome.error = kSpeedNotNumber;
        return outcome;
    }
    const std::optional<double> height = readField(heightText, locale);
    if (!height) {
        outcome.error = kHeightNotNumber;
        return outcome;
    }
    // A bomb below the target never falls onto it: the root would have no real value.
    if (*height < 0.0) {
        outcome.error = kNegativeHeight;
        return outcome;
    }
    const BombDrop drop = computeBombDrop(*speed, *height);
    if (!std::isfinite(drop.distance) || !std::isfinite(drop.fallTime)) {
        outcome.error = kResultTooLarge;
        return outcome;
    }
    outcome.hasResult = true;
    outcome.distance = core::formatFixed2(drop.distance, locale);
    outcome.fallTime = core::formatFixed2(drop.fallTime, locale);
    if (*speed == 0.0)
        outcome.missing.append(kMissingSpeed);
    if (*height == 0.0)
        outcome.missing.append(kMissingHeight);
    return outcome;
}

} // namespace tools
