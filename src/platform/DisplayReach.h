// SPDX-License-Identifier: MIT
#pragma once

#include <string>

// Whether the display that Qt is about to open answers. Asked before the
// application object exists, because Qt aborts the process when it cannot
// connect to the display it chose.
namespace DisplayReach {

// False when the environment names no display at all, as in a plain text
// console or a service.
[[nodiscard]] bool sessionNamed();

// True where Qt has several platforms the program may choose among (X11,
// also through XWayland, and Wayland); Windows has one.
[[nodiscard]] bool platformsToChooseFrom();

// Empty when the display answers or no display connection will be made
// (another platform plugin, such as offscreen, is chosen); otherwise one
// line saying which display could not be reached.
[[nodiscard]] std::string problem();

} // namespace DisplayReach
