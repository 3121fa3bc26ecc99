// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <string_view>

// The one number syntax of the program, for the value cells and the stored
// settings alike: an optional sign, digits with at most one "." (at least one
// digit in all), then optionally "E" or "e", an optional sign and digits.
// Independent of the user's locale.
namespace NumberScanner {

// Length of the longest leading number in text, 0 when there is none. An
// exponent letter without digits after it is not part of the number.
[[nodiscard]] std::size_t leadingLength(std::string_view text);

// True when an unsigned number as leadingLength() matches it is at least 1:
// its first non-zero digit, exponent included, has a decimal place of 0 or
// more. Tells overflow from underflow when a conversion finds the number
// beyond its type's range. False for zero.
[[nodiscard]] bool atLeastOne(std::string_view unsignedNumber);

// Converts text that is wholly one number as leadingLength() matches it.
// Beyond the type's range: an infinity of the number's sign when too large,
// zero of its sign when too small.
template <typename Number> [[nodiscard]] Number convert(std::string_view number);

extern template float convert<float>(std::string_view);
extern template double convert<double>(std::string_view);

} // namespace NumberScanner
