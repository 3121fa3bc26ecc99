// SPDX-License-Identifier: MIT
#pragma once

#include "platform/ZOrder.h"

#include <QString>

#include <functional>

// For sessions that hide other programs' windows (Wayland, an X11 window
// manager without the Extended Window Manager Hints, offscreen): the only
// topmost layer within reach is Qt's stays-on-top hint on our own windows.
class ZOrderStaysOnTopHint final : public ZOrder
{
public:
    using PrintLine = std::function<void(const QString &line)>;

    // Says once, by default on standard error, that nothing more is possible.
    explicit ZOrderStaysOnTopHint(PrintLine print = {});

    // Always 0: no window that could be reordered is in sight.
    [[nodiscard]] Handle foregroundWindow() override;
    void demote(Handle window) override;
    void promote(Handle window) override;

private:
    void setStaysOnTop(Handle window, bool on);

    PrintLine m_print;
    bool m_told = false;
};
