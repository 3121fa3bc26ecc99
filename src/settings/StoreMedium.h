// SPDX-License-Identifier: MIT
#pragma once

#include "settings/Refusal.h"

#include <QString>

#include <functional>

// What the settings store needs to know of the medium its settings live in:
// a file on free desktops, the registry on Windows. CMake builds one of
// StoreMediumX11.cpp and StoreMediumWindows.cpp.
namespace StoreMedium {

// A best guess, from what is there, why `place` could not be written;
// QSettings itself only says that it failed.
[[nodiscard]] QString whyUnwritable(const QString &place);

// Before the first write to `place` in a run: when it holds anything but
// settings, which a write anew would drop, keeps a copy of it and says so
// through `print`. The reason when no copy could be made, and nothing must
// be written.
[[nodiscard]] Refusal keepIfDamaged(const QString &place,
                                    const std::function<void(const QString &)> &print);

} // namespace StoreMedium
