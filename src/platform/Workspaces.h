// SPDX-License-Identifier: MIT
#pragma once

class QWidget;

// A window without a taskbar entry cannot be fetched from another workspace,
// so it is shown on all of them, and a second start brings it to the user.
namespace Workspaces {

// Call once the native window exists (before and after it is shown).
void showOnEvery(QWidget &window);

// Brings the window to the current workspace and to the front, with the
// standing of a request the user made, which window managers that keep
// programs from stealing the focus still grant.
void bringHere(QWidget &window);

} // namespace Workspaces
