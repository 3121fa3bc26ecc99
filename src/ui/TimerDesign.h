// SPDX-License-Identifier: MIT
#pragma once

// One timer of a window as designed: its name, whether it is created
// enabled, and the name of the handler its ticks run, which a failure
// message names. A window lists its timers in firing order.
struct TimerDesign
{
    const char *name;
    bool enabled;
    const char *handler;
};
