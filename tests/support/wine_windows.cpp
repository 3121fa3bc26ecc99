// SPDX-License-Identifier: MIT
// Lists the visible top-level windows of the desktop, topmost first, one
// "title|left|top|right|bottom|foreground|process id" line each, for the Wine test:
// inside Wine's virtual desktop the X tools see one window only.
#include <windows.h>

#include <cstdio>

int main()
{
    const HWND foreground = GetForegroundWindow();
    for (HWND window = GetTopWindow(nullptr); window; window = GetWindow(window, GW_HWNDNEXT)) {
        char title[256];
        RECT frame;
        if (!IsWindowVisible(window) || GetWindowTextA(window, title, sizeof title) == 0 ||
            !GetWindowRect(window, &frame))
            continue;
        DWORD process = 0;
        GetWindowThreadProcessId(window, &process);
        std::printf("%s|%ld|%ld|%ld|%ld|%d|%lu\n", title, frame.left, frame.top, frame.right,
                    frame.bottom, window == foreground, process);
    }
}
