// SPDX-License-Identifier: MIT
#pragma once

#include "platform/ZOrder.h"

#include <QString>

#include <functional>

// An X11 session that has no window manager following the Extended Window
// Manager Hints yet: one started at login may well come after the program.
// Until it is there the fallback serves; the first look at the foreground
// after it has come switches over for good.
class ZOrderAwaitingWindowManager final : public ZOrder
{
public:
    // What the window manager offers, or null while there is none.
    using Probe = std::function<std::unique_ptr<ZOrder>()>;
    using PrintLine = std::function<void(const QString &line)>;

    // Says once, by default on standard error, when it switches.
    ZOrderAwaitingWindowManager(std::unique_ptr<ZOrder> fallback, Probe probe,
                                PrintLine print = {});

    [[nodiscard]] bool waiting() const { return static_cast<bool>(m_probe); }

    // Looks for the window manager first while still waiting.
    [[nodiscard]] Handle foregroundWindow() override;
    void demote(Handle window) override;
    void promote(Handle window) override;

private:
    std::unique_ptr<ZOrder> m_current;
    Probe m_probe;
    PrintLine m_print;
};
