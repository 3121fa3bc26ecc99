// SPDX-License-Identifier: MIT
#include "engine/WholeNumberRule.h"

#include <cmath>
#include <limits>

namespace WholeNumberRule {

std::optional<std::int32_t> apply(double value, int places)
{
    if (!std::isfinite(value))
        return std::nullopt;

    static constexpr double powersOfTen[] = {1e0, 1e1, 1e2, 1e3, 1e4, 1e5,
                                             1e6, 1e7, 1e8, 1e9, 1e10};
    const double scale = places >= 0 && places <= 10 ? powersOfTen[places] : std::pow(10.0, places);
    const double scaled = value * scale;
    double whole = 0.0;
    // Beyond 2^62 a double has no digits left at those places, so rounding to
    // them would change nothing; plain floor is exact there.
    if (std::fabs(scaled) < 0x1p62) {
        const auto units = std::llround(scaled);
        const auto perWhole = std::llround(scale);
        auto quotient = units / perWhole;
        if (units % perWhole != 0 && units < 0)
            --quotient;
        whole = static_cast<double>(quotient);
    } else {
        whole = std::floor(value);
    }

    if (whole < std::numeric_limits<std::int32_t>::min() ||
        whole > std::numeric_limits<std::int32_t>::max())
        return std::nullopt;
    return static_cast<std::int32_t>(whole);
}

} // namespace WholeNumberRule
