// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QtGlobal>

#include <algorithm>
#include <cmath>

// Doubles turned into whole numbers for display and comparison, always defined: NaN counts as 0 and
// anything beyond ±10^15 is held there first (a damaged file or a hand-edited record can carry 1e300,
// and converting that to an integer is undefined).
namespace WholeNumbers {

inline double held(double value)
{
    constexpr double kLimit = 1e15;
    return std::isnan(value) ? 0.0 : std::clamp(value, -kLimit, kLimit);
}

// Toward zero.
inline qint64 truncated(double value)
{
    return static_cast<qint64>(std::trunc(held(value)));
}

// Halves away from zero.
inline qint64 rounded(double value)
{
    return static_cast<qint64>(std::round(held(value)));
}

inline qint64 roundedUp(double value)
{
    return static_cast<qint64>(std::ceil(held(value)));
}

} // namespace WholeNumbers
