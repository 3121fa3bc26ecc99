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
    const auto id = static_cast<xcb_window_t>(window->winId());
    const xcb_atom_t skipTaskbar = X11Properties::atom(connection, "_NET_WM_STATE_SKIP_TASKBAR");
    if (skipTaskbar == XCB_ATOM_NONE)
        return;

    if (!window->isVisible()) {
        // An unmapped window carries the hint as a property; Qt keeps atoms
        // already there when it writes its own states at map time.
        const xcb_atom_t state = X11Properties::atom(connection, "_NET_WM_STATE");
        xcb_change_property(connection, XCB_PROP_MODE_APPEND, id, state, XCB_ATOM_ATOM, 32, 1,
                            &skipTaskbar);
        xcb_flush(connection);
    } else {
        X11Properties::requestState(connection, id, true, skipTaskbar);
    }
}

} // namespace TaskbarHint
