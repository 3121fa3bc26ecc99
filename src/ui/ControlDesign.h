// SPDX-License-Identifier: MIT
#pragma once

#include "engine/CellNames.h"

#include <span>
#include <string_view>

// One control of a window as designed, in twips of the client area. A window
// lists its controls in creation order and Form::addControls builds them.
struct ControlDesign
{
    enum class Kind
    {
        Picture,
        Text,
        MultiLine,
        Tick,
        Label,
        Button,
        Line, // left, top: one end; width, height: the other end
    };

    const char *name;
    Kind kind;
    int left;
    int top;
    int width;
    int height;
    const char *caption = nullptr; // buttons, tickboxes and labels
    int tab = -1;                  // -1: never takes the focus
    int look = 0;                  // the window's own dressing; 0 is none
};

// True when the text fields among `designs` show each value cell meant for
// `window` exactly once, so a cell added or renamed in the table cannot be
// left out of a window, nor shown twice.
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
