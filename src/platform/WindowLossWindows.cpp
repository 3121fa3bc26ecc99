#include "platform/WindowLoss.h"

// Windows lets no other process destroy our windows, so there is nothing to
// watch for.
namespace {

class WindowsWindowLoss final : public WindowLoss
{};

} // namespace

std::unique_ptr<WindowLoss> WindowLoss::watch(QWidget &)
{
    return std::make_unique<WindowsWindowLoss>();
}

WindowLoss::~WindowLoss() = default;
