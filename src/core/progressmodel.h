#pragma once

namespace core {

// The range of a progress display from 0 to a maximum. Unlike the toolkit's progress bar,
// which silently ignores such values, it refuses a maximum of 0 or below and a position
// outside the range and tells the caller, whose steps depend on the refusal.
class ProgressModel
{
public:
    double minimum() const { return 0.0; }
    double maximum() const { return m_maximum; }
    double value() const { return m_value; }

    // False, with nothing changed, unless 0 < maximum. A position above the new maximum
    // is brought down to it.
    bool setMaximum(double maximum);
    // False, with nothing changed, unless 0 <= value <= maximum.
    bool setValue(double value);

private:
    double m_maximum = 100.0;
    double m_value = 0.0;
};

} // namespace core
