// SPDX-License-Identifier: MIT
#include "platform/MinimiseWatch.h"

namespace {

// A Win32 tool window without a minimise box is only minimised through its
// owner, which Qt reports as a window state.
class MinimiseWatchWindows final : public MinimiseWatch
{
public:
    void restore() override {}
};

} // namespace

std::unique_ptr<MinimiseWatch> MinimiseWatch::forPlatform(QWidget &, std::function<void()>)
{
    return std::make_unique<MinimiseWatchWindows>();
}
