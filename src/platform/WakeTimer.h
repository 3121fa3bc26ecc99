// SPDX-License-Identifier: MIT
#pragma once

#include <functional>
#include <memory>

// The native timer that wakes the program's timer service. On free desktops
// Qt's precise timer; on Windows a window timer, which fires on the system's
// own tick and never asks for a finer one: Qt turns its precise timers, and
// every timer under 20 ms, into multimedia timers that hold the whole system
// at a 1 ms timer resolution for as long as they exist, which keeps a
// laptop's processor out of its deep idle states.
class WakeTimer
{
public:
    // `fired` runs on the thread that started the timer, from its event loop.
    static std::unique_ptr<WakeTimer> forPlatform(std::function<void()> fired);
    virtual ~WakeTimer() = default;
    WakeTimer(const WakeTimer &) = delete;
    WakeTimer &operator=(const WakeTimer &) = delete;

    // Fires every `interval` milliseconds from now, until stopped or started
    // anew; 0 fires as soon as the timer service of the system allows.
    virtual void start(int interval) = 0;
    virtual void stop() = 0;
    [[nodiscard]] virtual bool isActive() const = 0;
    // Milliseconds until it next fires; only meaningful while active.
    [[nodiscard]] virtual int remainingTime() const = 0;

protected:
    WakeTimer() = default;
};
