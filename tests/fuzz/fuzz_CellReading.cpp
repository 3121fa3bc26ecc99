// SPDX-License-Identifier: MIT
#include "engine/CellReading.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

// Any text can stand in a cell: a hand-typed one, or what a failed step left.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char *>(data), size);
    const double lenient = CellReading::lenient(text);
    // Text that is one number and nothing else reads the same either way.
    if (const auto strict = CellReading::strict(text); strict && *strict != lenient)
        std::abort();
    return 0;
}
