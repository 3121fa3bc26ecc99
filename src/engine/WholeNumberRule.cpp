#include "WholeNumberRule.h"

#include <cmath>
#include <limits>

namespace WholeNumberRule {

std::optional<std::int32_t> apply(double value, int places)
{
    if (!std::isfinite(value))
        return std::nullopt;

    const double scale = std::pow(10.0, places);
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
