#include "platform/Workspaces.h"

#include "platform/X11Properties.h"

#include <QWidget>

#include <xcb/xcb.h>

namespace Workspaces {
namespace {

constexpr std::uint32_t everyDesktop = 0xFFFFFFFF;
// The standing EWMH gives requests from pagers and the like: the user's own.
constexpr std::uint32_t userRequest = 2;

} // namespace

void showOnEvery(QWidget *window)
{
    xcb_connection_t *connection = X11Properties::connection();
    if (!connection || !window)
        return;
    const auto id = static_cast<xcb_window_t>(window->winId());
    const bool mapped = window->isVisible();
    // Managers that know no sticky state may still honour the desktop.
    X11Properties::addState(connection, id, mapped,
                            X11Properties::atom(connection, "_NET_WM_STATE_STICKY"));
    const xcb_atom_t desktop = X11Properties::atom(connection, "_NET_WM_DESKTOP");
    if (mapped) {
        X11Properties::sendToRoot(connection, id, desktop, {everyDesktop, userRequest});
    } else {
        xcb_change_property(connection, XCB_PROP_MODE_REPLACE, id, desktop, XCB_ATOM_CARDINAL, 32,
                            1, &everyDesktop);
        xcb_flush(connection);
    }
}

void bringHere(QWidget *window)
{
    window->raise();
    window->activateWindow();
    xcb_connection_t *connection = X11Properties::connection();
    if (!connection)
        return;
    const auto id = static_cast<xcb_window_t>(window->winId());
    const xcb_window_t root = X11Properties::rootOf(connection);
    const xcb_atom_t desktop = X11Properties::atom(connection, "_NET_WM_DESKTOP");
    const std::vector<std::uint32_t> current = X11Properties::read32(
        connection, root, X11Properties::atom(connection, "_NET_CURRENT_DESKTOP"),
        XCB_ATOM_CARDINAL, 1);
    const std::vector<std::uint32_t> on =
        X11Properties::read32(connection, id, desktop, XCB_ATOM_CARDINAL, 1);
    if (!current.empty() && !on.empty() && on[0] != everyDesktop && on[0] != current[0])
        X11Properties::sendToRoot(connection, id, desktop, {current[0], userRequest});
    // A program's own activation (what Qt asks for) may only mark the window
    // as wanting attention where focus stealing is prevented; the user
    // started the program again to see the strip.
    X11Properties::sendToRoot(connection, id, X11Properties::atom(connection, "_NET_ACTIVE_WINDOW"),
                              {userRequest, XCB_CURRENT_TIME, 0});
}

} // namespace Workspaces
