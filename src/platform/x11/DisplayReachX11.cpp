// SPDX-License-Identifier: MIT
#include "platform/DisplayReach.h"

#include <xcb/xcb.h>

#include <cstdlib>
#include <string_view>

namespace {

std::string_view environment(const char *name)
{
    const char *value = std::getenv(name);
    return value ? std::string_view(value) : std::string_view();
}

// Qt takes the X11 plugin when asked for it by name, and by default when no
// Wayland compositor is announced.
bool qtWillUseX11()
{
    const std::string_view platform = environment("QT_QPA_PLATFORM");
    if (!platform.empty())
        return platform.substr(0, 3) == "xcb";
    return environment("WAYLAND_DISPLAY").empty();
}

} // namespace

bool DisplayReach::sessionNamed()
{
    return !environment("DISPLAY").empty() || !environment("WAYLAND_DISPLAY").empty() ||
           !environment("QT_QPA_PLATFORM").empty();
}

bool DisplayReach::platformsToChooseFrom()
{
    return true;
}

std::string DisplayReach::problem()
{
    const std::string_view display = environment("DISPLAY");
    if (display.empty() || !qtWillUseX11())
        return {};
    xcb_connection_t *connection = xcb_connect(nullptr, nullptr);
    const int error = xcb_connection_has_error(connection);
    xcb_disconnect(connection);
    if (error == 0)
        return {};
    return "cannot open the X display \"" + std::string(display) +
           "\" named by DISPLAY: no X server answers there, or it refused the connection.";
}
