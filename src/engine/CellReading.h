// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <string_view>

// Turning a cell's text back into a number, independent of the user's locale.
namespace CellReading {

// Blanks, tabs and line feeds are ignored anywhere; then the longest leading
// number (sign, digits with at most one ".", optional exponent with digits) is
// taken and the rest ignored. No leading number reads as 0. A number beyond
// the range of a double reads as an infinity of its sign, so arithmetic on it
// fails visibly instead of silently.
[[nodiscard]] double lenient(std::string_view text);

// The whole text must be one number; used only on text the engine has just
// written.
[[nodiscard]] std::optional<double> strict(std::string_view text);

} // namespace CellReading
