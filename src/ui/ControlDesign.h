// SPDX-License-Identifier: MIT
#pragma once

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
