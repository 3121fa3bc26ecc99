// SPDX-License-Identifier: MIT
#include "platform/ProcessStart.h"

// Windows has no XDG variables to heed and no signal for a file size limit.
void ProcessStart::prepare() {}
