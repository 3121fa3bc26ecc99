// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

// How the program names itself to the desktop. The id names the desktop
// entry, the AppStream metadata and the icon, and is the Wayland app id;
// the version comes from the build.
namespace ProgramIdentity {

inline const QString id = QStringLiteral("example.voltharbor.VhWrenTicker");
inline const QString name = QStringLiteral("VH-WREN-TICKER");
inline const QString summary = QStringLiteral("Shows how long the computer has been running");
inline const QString version = QStringLiteral(VH_VERSION);
// The name the executable is installed under, which names its settings.
inline const QString executable = QStringLiteral("vh-wren-ticker");

// The name of the file this process was started from, without its folder
// and extension: a renamed copy is a program of its own, with settings, a
// login entry and a strip of its own. Needs the application object.
[[nodiscard]] QString runningExecutable();

} // namespace ProgramIdentity
