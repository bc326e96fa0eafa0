#include "progressmodel.h"

#include <cmath>

namespace core {

bool ProgressModel::setMaximum(double maximum)
{
    if (!std::isfinite(maximum) || !(maximum > minimum()))
        return false;
    m_maximum = maximum;
    if (m_value > m_maximum)
        m_value = m_maximum;
    return true;
}

bool ProgressModel::setValue(double value)
{
    if (!std::isfinite(value) || value < minimum() || value > m_maximum)
        return false;
    m_value = value;
    return true;
}

} // namespace core
