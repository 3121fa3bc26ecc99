// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>

// Milliseconds since the operating system started, including time suspended.
class TickSource
{
public:
    virtual ~TickSource() = default;
    [[nodiscard]] virtual std::uint64_t milliseconds() const = 0;
};
