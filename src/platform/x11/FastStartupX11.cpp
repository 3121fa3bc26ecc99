// SPDX-License-Identifier: MIT
#include "platform/FastStartup.h"

// CLOCK_BOOTTIME starts anew at every boot, whatever ended the last one.
bool FastStartup::keepsTheCount()
{
    return false;
}
