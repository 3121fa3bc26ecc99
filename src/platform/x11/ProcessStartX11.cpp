// SPDX-License-Identifier: MIT
#include "platform/ProcessStart.h"

#include "base/ErrorLine.h"

#include <QDir>
#include <QStringList>

#include <csignal>

namespace ProcessStart {
namespace {

void ignoreRelativeXdgFolders()
{
    QStringList ignored;
    for (const char *name : {"XDG_CONFIG_HOME", "XDG_CACHE_HOME", "XDG_RUNTIME_DIR"}) {
        const QString value = qEnvironmentVariable(name);
        if (value.isEmpty() || QDir::isAbsolutePath(value))
            continue;
        ignored << QStringLiteral("%1=\"%2\"").arg(QLatin1String(name), value);
        qunsetenv(name);
    }
    if (!ignored.isEmpty()) {
        ErrorLine::report(QStringLiteral("ignoring %1: the XDG Base Directory rules allow "
                                         "absolute paths only")
                              .arg(ignored.join(QStringLiteral(", "))));
    }
}

} // namespace

void prepare()
{
    std::signal(SIGXFSZ, SIG_IGN);
    ignoreRelativeXdgFolders();
}

} // namespace ProcessStart
