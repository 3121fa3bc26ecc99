// SPDX-License-Identifier: MIT
#include "platform/Workspaces.h"

#include <QWidget>

namespace Workspaces {

// Windows shows a tool window on the virtual desktop it was opened on; the
// desktop switcher moves it.
void showOnEvery(QWidget &) {}

void bringHere(QWidget &window)
{
    window.raise();
    window.activateWindow();
}

} // namespace Workspaces
