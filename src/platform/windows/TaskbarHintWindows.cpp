// SPDX-License-Identifier: MIT
#include "platform/TaskbarHint.h"

namespace TaskbarHint {

// Qt gives tool windows WS_EX_TOOLWINDOW, which already keeps them out of the
// taskbar.
void exclude(QWidget &) {}

} // namespace TaskbarHint
