// SPDX-License-Identifier: MIT
#pragma once

#include "engine/TickSource.h"

// The operating system's own count: full 64 bits, so it never wraps in
// practice (a 32-bit count would restart after 49.7 days).
class SystemTickSource final : public TickSource
{
public:
    [[nodiscard]] std::uint64_t milliseconds() const override;
};
