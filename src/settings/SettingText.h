// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QtGlobal>

#include <variant>

// The text forms of stored settings. They never depend on the user's locale,
// so a store written under one locale reads back the same under any other.
namespace SettingText {

// Why a stored text gives no value.
enum class Fault
{
    NotANumber,
    OutOfRange,
};

// Blanks around the number are allowed; the number itself is an optional
// sign, digits with an optional "." and fraction, and an optional exponent.
// Anything else (grouping, a comma, hexadecimal, "inf") is not a number.
// Numbers too small for a float read as zero; too large ones are out of range.
[[nodiscard]] std::variant<float, Fault> toSingle(const QString &text);

// Same syntax; a fraction is rounded half to even, as the classic integer
// conversion does, and the result must fit 16 bits.
[[nodiscard]] std::variant<qint16, Fault> toInteger16(const QString &text);

// At most seven significant digits, "." as decimal point, no grouping.
// Whole values come out as plain digits however large; values below 1E-4 use
// an exponent ("1E-05"). Zero of either sign is "0".
[[nodiscard]] QString fromSingle(float value);

} // namespace SettingText
