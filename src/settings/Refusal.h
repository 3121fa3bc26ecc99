// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

#include <optional>

// The outcome of a save: empty when it was stored, otherwise the reason it
// was not, worded for the user.
using Refusal = std::optional<QString>;
