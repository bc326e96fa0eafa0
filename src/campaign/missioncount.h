#pragma once

#include <QLocale>
#include <QString>

#include <optional>

namespace campaign {

// The simple editor chains at most this many missions; a negative count asks for all of them.
inline constexpr int kMaxChainedMissions = 30;
// The extended editor refuses to collect more missions than this.
inline constexpr int kMaxCollectedMissions = 500;

// The number of missions typed into a count field, rounded to the nearest whole number (a
// half to the even neighbour: "2,5" is 2, "3,5" is 4). Empty when the text is no number or
// when the number lies beyond what a whole number can hold.
std::optional<int> readWholeCount(const QString &text, const QLocale &locale = QLocale());

// How many names the simple editor asks for a count that is not refused: the count itself,
// or all it can chain when the count is negative.
int namesToAsk(int count);

// Whether the extended editor has collected what its count field asks for. The field's text
// is compared with the count's decimal digits, so "03" or "3 " never complete.
bool countReached(const QString &countText, int collected);

} // namespace campaign
