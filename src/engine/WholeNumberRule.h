// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <optional>

// Cuts a value down to the whole number below it. The value is first rounded
// to `places` decimals so that the tiny error that 15-digit texts add along
// the chain (2.99999999999 for an exact 3) does not cost a whole unit; the
// places lie well below one millisecond of the unit in question.
namespace WholeNumberRule {

inline constexpr int dayPlaces = 10;
inline constexpr int hourPlaces = 8;
inline constexpr int minutePlaces = 6;
inline constexpr int secondPlaces = 4;

// Empty when the value is not finite or the result does not fit 32 bits.
[[nodiscard]] std::optional<std::int32_t> apply(double value, int places);

} // namespace WholeNumberRule
