// SPDX-License-Identifier: MIT
#include "settings/SettingText.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <variant>

// Stored texts come from a file anyone may edit.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QString text =
        QString::fromUtf8(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    const auto single = SettingText::toSingle(text);
    const auto integer = SettingText::toInteger16(text);
    // Both take the same syntax, and the integer is the number rounded.
    if (const auto *whole = std::get_if<qint16>(&integer)) {
        const auto *number = std::get_if<float>(&single);
        if (!number || std::abs(*number - static_cast<float>(*whole)) > 0.51F)
            std::abort();
    }
    return 0;
}
