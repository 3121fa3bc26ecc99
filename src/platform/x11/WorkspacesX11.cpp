// SPDX-License-Identifier: MIT
#include "platform/Workspaces.h"

#include "platform/x11/PropertiesX11.h"

#include <QWidget>

#include <xcb/xcb.h>

namespace Workspaces {
namespace {

constexpr std::uint32_t everyDesktop = 0xFFFFFFFF;
// The standing EWMH gives requests from pagers and the like: the user's own.
constexpr std::uint32_t userRequest = 2;

} // namespace

void showOnEvery(QWidget &window)
{
    xcb_connection_t *connection = PropertiesX11::connection();
    if (!connection)
        return;
    const auto id = static_cast<xcb_window_t>(window.winId());
    const bool mapped = window.isVisible();
    // Managers that know no sticky state may still honour the desktop.
    PropertiesX11::addState(connection, id, mapped,
                            PropertiesX11::atom(connection, "_NET_WM_STATE_STICKY"));
    const xcb_atom_t desktop = PropertiesX11::atom(connection, "_NET_WM_DESKTOP");
    if (mapped) {
        PropertiesX11::sendToRoot(connection, id, desktop, {everyDesktop, userRequest});
    } else {
        xcb_change_property(connection, XCB_PROP_MODE_REPLACE, id, desktop, XCB_ATOM_CARDINAL, 32,
                            1, &everyDesktop);
        xcb_flush(connection);
    }
}

void bringHere(QWidget &window)
{
    window.raise();
    window.activateWindow();
    xcb_connection_t *connection = PropertiesX11::connection();
    if (!connection)
        return;
    const auto id = static_cast<xcb_window_t>(window.winId());
    const xcb_window_t root = PropertiesX11::rootOf(connection);
    const xcb_atom_t desktop = PropertiesX11::atom(connection, "_NET_WM_DESKTOP");
    const std::vector<std::uint32_t> current = PropertiesX11::read32(
        connection, root, PropertiesX11::atom(connection, "_NET_CURRENT_DESKTOP"),
        XCB_ATOM_CARDINAL, 1);
    const std::vector<std::uint32_t> on =
        PropertiesX11::read32(connection, id, desktop, XCB_ATOM_CARDINAL, 1);
    if (!current.empty() && !on.empty() && on[0] != everyDesktop && on[0] != current[0])
        PropertiesX11::sendToRoot(connection, id, desktop, {current[0], userRequest});
    // A program's own activation (what Qt asks for) may only mark the window
    // as wanting attention where focus stealing is prevented; the user
    // started the program again to see the strip.
    PropertiesX11::sendToRoot(connection, id, PropertiesX11::atom(connection, "_NET_ACTIVE_WINDOW"),
                              {userRequest, XCB_CURRENT_TIME, 0});
}

} // namespace Workspaces
