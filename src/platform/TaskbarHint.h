// SPDX-License-Identifier: MIT
#pragma once

class QWidget;

// Keeps a window out of the taskbar. Qt's tool windows get no taskbar entry
// on Windows, but on X11 the window manager needs _NET_WM_STATE_SKIP_TASKBAR.
namespace TaskbarHint {

// Call once the native window exists (before and after it is shown).
void exclude(QWidget &window);

} // namespace TaskbarHint
