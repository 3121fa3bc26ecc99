#pragma once

// The XDG Base Directory variables as the rules read them.
namespace XdgFolders {

// A relative XDG_CONFIG_HOME, XDG_CACHE_HOME or XDG_RUNTIME_DIR is invalid
// and to be ignored: each such variable is removed from this process's
// environment, before Qt or the settings read it, and one line on standard
// error names them.
void ignoreRelative();

} // namespace XdgFolders
