#include "platform/TaskbarHint.h"

#include "platform/X11Properties.h"

#include <QWidget>

#include <xcb/xcb.h>

namespace TaskbarHint {

void exclude(QWidget *window)
{
    xcb_connection_t *connection = X11Properties::connection();
    if (!connection || !window)
        return;
    X11Properties::addState(connection, static_cast<xcb_window_t>(window->winId()),
                            window->isVisible(),
                            X11Properties::atom(connection, "_NET_WM_STATE_SKIP_TASKBAR"));
}

} // namespace TaskbarHint
