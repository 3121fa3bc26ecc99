// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>

#include <functional>

// Which Qt platform to ask for before the application starts. On Wayland a
// window can neither place itself nor stay above others, so the strip would
// forget its position and the always-on-top keeper could do nothing; where
// XWayland is there too, the program runs through it instead.
namespace PlatformChoice {

using Environment = std::function<QByteArray(const char *name)>;

// The platform to force, or an empty text to leave Qt's own choice. The
// user's QT_QPA_PLATFORM always wins.
[[nodiscard]] QByteArray forced(const Environment &environment);

// Sets QT_QPA_PLATFORM for this process when the environment calls for it.
void apply();

} // namespace PlatformChoice
