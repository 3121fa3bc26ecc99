// SPDX-License-Identifier: MIT
#include "engine/CellReading.h"

#include "engine/NumberScanner.h"

#include <string>

namespace CellReading {
namespace {

double leadingNumber(std::string_view text)
{
    const std::size_t length = NumberScanner::leadingLength(text);
    return length == 0 ? 0.0 : NumberScanner::convert<double>(text.substr(0, length));
}

} // namespace

double lenient(std::string_view text)
{
    // The engine's own texts never hold blanks: read them in place.
    if (text.find_first_of(" \t\n") == std::string_view::npos)
        return leadingNumber(text);
    std::string compact;
    compact.reserve(text.size());
    for (const char c : text) {
        if (c != ' ' && c != '\t' && c != '\n')
            compact.push_back(c);
    }
    return leadingNumber(compact);
}

std::optional<double> strict(std::string_view text)
{
    const std::size_t length = NumberScanner::leadingLength(text);
    if (length == 0 || length != text.size())
        return std::nullopt;
    return NumberScanner::convert<double>(text);
}

} // namespace CellReading
