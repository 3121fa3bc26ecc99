// SPDX-License-Identifier: MIT
#pragma once

#include "engine/TickSource.h"

// Lets a test put the clock at any tick it wants.
class FixedTickSource final : public TickSource
{
public:
    std::uint64_t now = 0;

    [[nodiscard]] std::uint64_t milliseconds() const override { return now; }
};
