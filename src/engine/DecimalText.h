// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <string>

// The two text forms of a value cell. Both always use "." and no grouping,
// whatever the user's locale.
namespace DecimalText {

// A finite double rounded to 15 significant digits, trailing zeros dropped,
// upper-case exponent form below 1E-4 and from 1E15 up; zero is "0".
[[nodiscard]] std::string fromDouble(double value);

[[nodiscard]] std::string fromInteger(std::int32_t value);
[[nodiscard]] std::string fromUnsigned(std::uint64_t value);

} // namespace DecimalText
