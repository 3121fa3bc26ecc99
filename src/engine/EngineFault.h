// SPDX-License-Identifier: MIT
#pragma once

#include <string>

// Why one run of an engine handler stopped early. Runs that fail the same way
// compare equal, so a caller can report each distinct failure once.
struct EngineFault
{
    enum class Kind
    {
        DivisionByZero,
        Overflow,
        InvalidOperation,
        WholeNumberOutOfRange,
    };

    std::string handler;
    std::string cell; // the cell (or integer) that kept its old contents
    Kind kind = Kind::Overflow;

    [[nodiscard]] std::string describe() const;
    bool operator==(const EngineFault &) const = default;
};
