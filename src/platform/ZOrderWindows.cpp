#ifdef _WIN32

#include "platform/ZOrderWindows.h"

#ifndef NOMINMAX
#define NOMINMAX
#endif
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

namespace {

// The flags the strip has always passed: position and size stay, and whether
// the window may come forward is left to the rules of Windows.
void insertAfter(ZOrder::Handle window, HWND position)
{
    SetWindowPos(reinterpret_cast<HWND>(window), position, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE);
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

#endif
