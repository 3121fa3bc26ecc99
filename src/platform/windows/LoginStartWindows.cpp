// SPDX-License-Identifier: MIT
#include "platform/LoginStart.h"

#include <QDir>
#include <QSettings>

namespace LoginStart {
namespace {

// VH_WTK_RUN_KEY names another key for tests, so that a test run never
// touches the user's own list of programs started at login.
QString chosenRunKey()
{
    const QString chosen = qEnvironmentVariable("VH_WTK_RUN_KEY");
    return chosen.isEmpty()
               ? QStringLiteral(
                     "HKEY_CURRENT_USER\\Software\\Microsoft\\Windows\\CurrentVersion\\Run")
               : chosen;
}

} // namespace

Outcome enable(const Entry &entry)
{
    const QString runKey = chosenRunKey();
    QSettings run(runKey, QSettings::NativeFormat);
    run.setValue(entry.id, u'"' + QDir::toNativeSeparators(entry.executable) + u'"');
    run.sync();
    if (run.status() != QSettings::NoError)
        return {false,
                QStringLiteral("Could not write the value %1 under %2.").arg(entry.id, runKey)};
    return {true, QStringLiteral("%1 will start at login: wrote the value %2 under %3.")
                      .arg(entry.name, entry.id, runKey)};
}

Outcome disable(const Entry &entry)
{
    const QString runKey = chosenRunKey();
    QSettings run(runKey, QSettings::NativeFormat);
    if (!run.contains(entry.id)) {
        return {true, QStringLiteral("%1 was not set to start at login: there is no value %2 "
                                     "under %3.")
                          .arg(entry.name, entry.id, runKey)};
    }
    run.remove(entry.id);
    run.sync();
    if (run.status() != QSettings::NoError)
        return {false,
                QStringLiteral("Could not remove the value %1 under %2.").arg(entry.id, runKey)};
    return {true, QStringLiteral("%1 will no longer start at login: removed the value %2 under %3.")
                      .arg(entry.name, entry.id, runKey)};
}

} // namespace LoginStart
