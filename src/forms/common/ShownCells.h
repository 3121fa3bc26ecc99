// SPDX-License-Identifier: MIT
#pragma once

#include "engine/CellNames.h"
#include "ui/ControlDesign.h"

#include <span>

// True when the text fields among `designs` show each value cell meant for
// `window` exactly once, so a cell added or renamed in the table cannot be
// left out of a window, nor shown twice. Asked when the program is compiled.
constexpr bool showsEachCellOnce(std::span<const ControlDesign> designs, CellNames::Window window)
{
    for (const CellNames::Cell &cell : CellNames::cells) {
        int shown = 0;
        for (const ControlDesign &design : designs)
            shown += design.kind == ControlDesign::Kind::Text && cell.name == design.name ? 1 : 0;
        if (shown != ((cell.shownIn & window) != 0 ? 1 : 0))
            return false;
    }
    return true;
}
