// SPDX-License-Identifier: MIT
#include "engine/SystemTickSource.h"

#include <windows.h>

std::uint64_t SystemTickSource::milliseconds() const
{
    return GetTickCount64();
}
