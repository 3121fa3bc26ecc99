// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <cstddef>
#include <string_view>

// The entry named `name` in one of a window's design tables, its controls or
// its timers. Worked out when the program is compiled: a name that the table
// lacks, say one misspelt, does not compile.
template <typename Design, std::size_t N>
consteval const Design &designed(const std::array<Design, N> &table, std::string_view name)
{
    for (const Design &design : table) {
        if (std::string_view(design.name) == name)
            return design;
    }
    throw "this name is not in the window's design table";
}
