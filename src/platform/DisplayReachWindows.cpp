#include "platform/DisplayReach.h"

// The Windows desktop is there whenever the program can start at all.
std::string DisplayReach::problem()
{
    return {};
}
