// SPDX-License-Identifier: MIT
#include "platform/windows/ZOrderWindows.h"

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

} // namespace

ZOrder::Handle ZOrderWindows::foregroundWindow()
{
    return reinterpret_cast<Handle>(GetForegroundWindow());
}

void ZOrderWindows::demote(Handle window)
{
    insertAfter(window, HWND_NOTOPMOST);
}

void ZOrderWindows::promote(Handle window)
{
    insertAfter(window, HWND_TOPMOST);
}

std::unique_ptr<ZOrder> ZOrder::forPlatform()
{
    // Only Qt's windows platform gives windows an HWND; the offscreen one the
    // tests use gives numbers that name no window.
    if (QGuiApplication::platformName() == u"windows")
        return std::make_unique<ZOrderWindows>();
    return std::make_unique<ZOrderStaysOnTopHint>();
}
