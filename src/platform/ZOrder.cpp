#include "platform/ZOrder.h"

#include "platform/ZOrderStaysOnTopHint.h"

#ifdef _WIN32
#include "platform/ZOrderWindows.h"

#include <QGuiApplication>
#else
#include "platform/X11Properties.h"
#include "platform/ZOrderAwaitingWindowManager.h"
#include "platform/ZOrderX11.h"
#endif

std::unique_ptr<ZOrder> ZOrder::forPlatform()
{
#ifdef _WIN32
    // Only Qt's windows platform gives windows an HWND; the offscreen one the
    // tests use gives numbers that name no window.
    if (QGuiApplication::platformName() == u"windows")
        return std::make_unique<ZOrderWindows>();
    return std::make_unique<ZOrderStaysOnTopHint>();
#else
    if (std::unique_ptr<ZOrder> x11 = ZOrderX11::forThisSession())
        return x11;
    auto fallback = std::make_unique<ZOrderStaysOnTopHint>();
    if (!X11Properties::connection())
        return fallback;
    return std::make_unique<ZOrderAwaitingWindowManager>(
        std::move(fallback),
        []() -> std::unique_ptr<ZOrder> { return ZOrderX11::forThisSession(); });
#endif
}
