// SPDX-License-Identifier: MIT
#pragma once

#include <functional>
#include <memory>

class QWidget;

// The window system's side of NeverMinimised, one per platform: notice of a
// window hidden where Qt does not tell, and the request that brings it back.
class MinimiseWatch
{
public:
    // Calls `hidden` whenever the window system hides `window` behind Qt's
    // back; does nothing where Qt's own window states tell everything.
    static std::unique_ptr<MinimiseWatch> forPlatform(QWidget &window,
                                                      std::function<void()> hidden);
    virtual ~MinimiseWatch() = default;
    MinimiseWatch(const MinimiseWatch &) = delete;
    MinimiseWatch &operator=(const MinimiseWatch &) = delete;

    // Asks the window system to show the window again.
    virtual void restore() = 0;

protected:
    MinimiseWatch() = default;
};
