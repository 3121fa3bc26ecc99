// SPDX-License-Identifier: MIT
#include "platform/ZOrder.h"
#include "platform/ZOrderStaysOnTopHint.h"

#include <QGuiApplication>

#include <windows.h>

namespace {

// Position and size stay. Without SWP_NOACTIVATE each call would also
// activate the strip, once a second, and take the keyboard from whatever
// program the user is typing into.
void insertAfter(ZOrder::Handle window, HWND position)
{
    SetWindowPos(reinterpret_cast<HWND>(window), position, 0, 0, 0, 0,
                 SWP_NOACTIVATE | SWP_NOMOVE | SWP_NOSIZE);
}

// The Win32 z-order: the foreground window and the topmost group.
class ZOrderWindows final : public ZOrder
{
public:
    [[nodiscard]] Handle foregroundWindow() override
    {
        return reinterpret_cast<Handle>(GetForegroundWindow());
    }
    void demote(Handle window) override { insertAfter(window, HWND_NOTOPMOST); }
    void promote(Handle window) override { insertAfter(window, HWND_TOPMOST); }
};

} // namespace

std::unique_ptr<ZOrder> ZOrder::forPlatform()
{
    // Only Qt's windows platform gives windows an HWND; the offscreen one the
    // tests use gives numbers that name no window.
    if (QGuiApplication::platformName() == u"windows")
        return std::make_unique<ZOrderWindows>();
    return std::make_unique<ZOrderStaysOnTopHint>();
}
