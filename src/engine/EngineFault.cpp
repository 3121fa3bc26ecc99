// SPDX-License-Identifier: MIT
#include "engine/EngineFault.h"

namespace {

const char *kindText(EngineFault::Kind kind)
{
    switch (kind) {
    case EngineFault::Kind::DivisionByZero:
        return "division by zero";
    case EngineFault::Kind::Overflow:
        return "overflow";
    case EngineFault::Kind::InvalidOperation:
        return "invalid operation";
    case EngineFault::Kind::WholeNumberOutOfRange:
        return "whole number out of the 32-bit range";
    }
    return "arithmetic fault";
}

} // namespace

std::string EngineFault::describe() const
{
    return handler + ": " + kindText(kind) + " computing " + cell + "; run stopped";
}
