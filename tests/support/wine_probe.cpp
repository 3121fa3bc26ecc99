// SPDX-License-Identifier: MIT
// The Wine tests' eyes inside Wine's virtual desktop, where the X tools see
// one window only.
//   wine_probe: lists the visible top-level windows, topmost first, one
//     "title|left|top|right|bottom|foreground|process id|client left|client
//     top" line each;
//   wine_probe --turns CAPTION SECONDS: prints, at each change of what the
//     window CAPTION shows, the milliseconds past the whole second of the
//     tick counter (GetTickCount64), the clock the program itself reads;
//   wine_probe --multimedia-timer: raises the timer resolution to 1 ms and
//     runs a multimedia timer once, as a program must not: the calls a trace
//     of the Wine tests has to see.
#include <windows.h>

#include <mmsystem.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

int list()
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
        POINT client = {0, 0};
        ClientToScreen(window, &client);
        std::printf("%s|%ld|%ld|%ld|%ld|%d|%lu|%ld|%ld\n", title, frame.left, frame.top,
                    frame.right, frame.bottom, window == foreground, process, client.x, client.y);
    }
    return 0;
}

int turns(const char *caption, int seconds)
{
    const HWND window = FindWindowA(nullptr, caption);
    RECT client;
    if (!window || !GetClientRect(window, &client))
        return 1;
    const int width = client.right;
    const int height = client.bottom;
    const HDC screen = GetDC(window);
    const HDC copy = CreateCompatibleDC(screen);
    const HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
    SelectObject(copy, bitmap);
    BITMAPINFO format = {};
    format.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    std::vector<std::uint32_t> pixels(static_cast<std::size_t>(width) * height);
    std::vector<std::uint32_t> shown;
    const ULONGLONG end = GetTickCount64() + 1000ULL * seconds;
    while (GetTickCount64() < end) {
        BitBlt(copy, 0, 0, width, height, screen, 0, 0, SRCCOPY);
        const ULONGLONG seen = GetTickCount64();
        GetDIBits(copy, bitmap, 0, height, pixels.data(), &format, DIB_RGB_COLORS);
        if (!shown.empty() && pixels != shown) {
            std::printf("%llu\n", seen % 1000);
            std::fflush(stdout);
        }
        shown = pixels;
        Sleep(1);
    }
    DeleteObject(bitmap);
    DeleteDC(copy);
    ReleaseDC(window, screen);
    return 0;
}

int multimediaTimer()
{
    timeBeginPeriod(1);
    const auto fired = [](UINT, UINT, DWORD_PTR, DWORD_PTR, DWORD_PTR) {};
    const MMRESULT timer = timeSetEvent(10, 1, fired, 0, TIME_ONESHOT);
    Sleep(50);
    timeKillEvent(timer);
    timeEndPeriod(1);
    return timer == 0 ? 1 : 0;
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc == 2 && std::strcmp(argv[1], "--multimedia-timer") == 0)
        return multimediaTimer();
    if (argc == 4 && std::strcmp(argv[1], "--turns") == 0)
        return turns(argv[2], std::atoi(argv[3]));
    return list();
}
