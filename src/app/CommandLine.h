// SPDX-License-Identifier: MIT
#pragma once

#include <QStringList>

#include <optional>

// The program's options. They are read before any window exists, so that
// they work without a display.
namespace CommandLine {

// Carries out what the arguments ask for. Returns the exit status when the
// program should end here, nothing when it should go on to show its strip.
[[nodiscard]] std::optional<int> handle(const QStringList &arguments);

} // namespace CommandLine
