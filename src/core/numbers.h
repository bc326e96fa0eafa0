#pragma once

#include <QLocale>
#include <QString>

#include <optional>

namespace core {

// Reads a number as the user typed it, in the given locale (a decimal comma in German).
// Blanks around the number are allowed; "inf", "nan" and values beyond a double's range
// are not numbers.
std::optional<double> readNumber(const QString &text, const QLocale &locale = QLocale());

// Fixed point with two decimals, no group separator: "501,69" in German. Never "-0,00".
QString formatFixed2(double value, const QLocale &locale = QLocale());

// The shortest form, at most 15 significant digits, no group separator: 1 -> "1",
// 1.5 -> "1,5" in German, 0.1 + 0.2 -> "0,3".
QString formatShort(double value, const QLocale &locale = QLocale());

} // namespace core
