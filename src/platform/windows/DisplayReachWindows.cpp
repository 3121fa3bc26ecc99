// SPDX-License-Identifier: MIT
#include "platform/DisplayReach.h"

// The Windows desktop is there whenever the program can start at all.
bool DisplayReach::sessionNamed()
{
    return true;
}

// Under Wine the X and Wayland variables are passed on all the same, and
// would ask for a plugin Windows has not.
bool DisplayReach::platformsToChooseFrom()
{
    return false;
}

std::string DisplayReach::problem()
{
    return {};
}
