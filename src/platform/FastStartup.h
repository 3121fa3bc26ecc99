// SPDX-License-Identifier: MIT
#pragma once

// Whether "Shut down" keeps the tick counter going. With Windows' Fast
// Startup on (the default of Windows 10 and 11), a shutdown hibernates the
// kernel, so the count, like Task Manager's "Up time", runs on from the last
// restart; only a restart starts it anew.
namespace FastStartup {

// Read afresh at each call; false where the system does not say.
[[nodiscard]] bool keepsTheCount();

} // namespace FastStartup
