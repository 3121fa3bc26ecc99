// SPDX-License-Identifier: MIT
#include "engine/DecimalText.h"

#include <array>
#include <charconv>
#include <stdexcept>

namespace DecimalText {

std::string fromDouble(double value)
{
    if (value == 0.0)
        return "0"; // also for -0, which would otherwise show as "-0"

    // std::to_chars never consults the C locale, unlike printf.
    std::array<char, 64> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                      std::chars_format::general, 15);
    if (result.ec != std::errc())
        throw std::invalid_argument("value has no decimal text");

    std::string text(buffer.data(), result.ptr);
    for (auto &c : text) {
        if (c == 'e')
            c = 'E';
    }
    return text;
}

std::string fromInteger(std::int32_t value)
{
    return std::to_string(value);
}

std::string fromUnsigned(std::uint64_t value)
{
    return std::to_string(value);
}

} // namespace DecimalText
