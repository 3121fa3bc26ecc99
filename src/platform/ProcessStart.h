// SPDX-License-Identifier: MIT
#pragma once

// What the process sets up for itself first, before Qt or the settings read
// the environment.
namespace ProcessStart {

// On free desktops: a relative XDG_CONFIG_HOME, XDG_CACHE_HOME or
// XDG_RUNTIME_DIR, which the XDG Base Directory rules call invalid, is
// removed from the environment, with one line on standard error naming
// them; and a file size limit fails a write, which says so, rather than
// killing the program without a word.
void prepare();

} // namespace ProcessStart
