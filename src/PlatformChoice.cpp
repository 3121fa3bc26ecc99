#include "PlatformChoice.h"

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
#ifdef Q_OS_WIN
    // One platform there; under Wine the X and Wayland variables are passed
    // on all the same, and would ask for a plugin Windows has not.
    return;
#endif
    const QByteArray platform = forced([](const char *name) { return qgetenv(name); });
    if (!platform.isEmpty())
        qputenv("QT_QPA_PLATFORM", platform);
}

} // namespace PlatformChoice
