// SPDX-License-Identifier: MIT
#include "platform/TaskbarHint.h"

#include "platform/x11/PropertiesX11.h"

#include <QWidget>

#include <xcb/xcb.h>

namespace TaskbarHint {

void exclude(QWidget &window)
{
    xcb_connection_t *connection = PropertiesX11::connection();
    if (!connection)
        return;
    PropertiesX11::addState(connection, static_cast<xcb_window_t>(window.winId()),
                            window.isVisible(),
                            PropertiesX11::atom(connection, "_NET_WM_STATE_SKIP_TASKBAR"));
}

} // namespace TaskbarHint
