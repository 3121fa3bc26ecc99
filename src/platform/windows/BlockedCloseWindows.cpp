// SPDX-License-Identifier: MIT
#include "platform/BlockedClose.h"

// Windows disables the owner of a modal window, and the desktop refuses to
// close a disabled window: nothing to watch for.
namespace {

class BlockedCloseWindows final : public BlockedClose
{};

} // namespace

std::unique_ptr<BlockedClose> BlockedClose::forPlatform(QWidget &)
{
    return std::make_unique<BlockedCloseWindows>();
}

BlockedClose::~BlockedClose() = default;
