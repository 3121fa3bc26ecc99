// SPDX-License-Identifier: MIT
#include "engine/SystemTickSource.h"

#include <ctime>

std::uint64_t SystemTickSource::milliseconds() const
{
    // BOOTTIME goes on counting while the machine sleeps, as the uptime should.
    timespec now{};
    clock_gettime(CLOCK_BOOTTIME, &now);
    return static_cast<std::uint64_t>(now.tv_sec) * 1000u +
           static_cast<std::uint64_t>(now.tv_nsec) / 1'000'000u;
}
