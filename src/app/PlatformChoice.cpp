// SPDX-License-Identifier: MIT
#include "app/PlatformChoice.h"

#include "platform/DisplayReach.h"

#include <QtGlobal>

namespace PlatformChoice {

QByteArray forced(const Environment &environment)
{
    // An empty variable counts as unset, as it does for Qt and for X clients.
    if (!environment("QT_QPA_PLATFORM").isEmpty())
        return {};
    if (environment("WAYLAND_DISPLAY").isEmpty() || environment("DISPLAY").isEmpty())
        return {};
    return QByteArrayLiteral("xcb");
}

void apply()
{
    if (!DisplayReach::platformsToChooseFrom())
        return;
    const QByteArray platform = forced([](const char *name) { return qgetenv(name); });
    if (!platform.isEmpty())
        qputenv("QT_QPA_PLATFORM", platform);
}

} // namespace PlatformChoice
