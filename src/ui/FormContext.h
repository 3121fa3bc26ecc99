// SPDX-License-Identifier: MIT
#pragma once

class FailureReporter;
class Settings;
class TimerService;

// What every window needs from the running program.
struct FormContext
{
    Settings &settings;
    TimerService &timers;
    FailureReporter &failures;
};
