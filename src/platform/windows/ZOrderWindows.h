// SPDX-License-Identifier: MIT
#pragma once

#include "platform/ZOrder.h"

// The Win32 z-order: the foreground window and the topmost group.
class ZOrderWindows final : public ZOrder
{
public:
    [[nodiscard]] Handle foregroundWindow() override;
    void demote(Handle window) override;
    void promote(Handle window) override;
};
