#include "platform/ZOrder.h"

#ifdef _WIN32
#include "platform/ZOrderWindows.h"
#else
#include "platform/ZOrderStaysOnTopHint.h"
#include "platform/ZOrderX11.h"
#endif

std::unique_ptr<ZOrder> ZOrder::forPlatform()
{
#ifdef _WIN32
    return std::make_unique<ZOrderWindows>();
#else
    if (std::unique_ptr<ZOrder> x11 = ZOrderX11::forThisSession())
        return x11;
    return std::make_unique<ZOrderStaysOnTopHint>();
#endif
}
