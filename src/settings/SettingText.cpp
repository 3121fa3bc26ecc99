// SPDX-License-Identifier: MIT
#include "settings/SettingText.h"

#include "engine/NumberScanner.h"

#include <array>
#include <charconv>
#include <cmath>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>

namespace SettingText {
namespace {

// The trimmed text as ASCII when it is one number in the accepted syntax.
std::optional<std::string> numberText(const QString &text)
{
    const QString trimmed = text.trimmed();
    std::string ascii;
    ascii.reserve(static_cast<std::size_t>(trimmed.size()));
    for (const QChar c : trimmed) {
        if (c.unicode() > 0x7f)
            return std::nullopt;
        ascii.push_back(static_cast<char>(c.unicode()));
    }
    const std::size_t length = NumberScanner::leadingLength(ascii);
    if (length == 0 || length != ascii.size())
        return std::nullopt;
    return ascii;
}

template <typename Number> std::variant<Number, Fault> parse(const QString &text)
{
    const std::optional<std::string> number = numberText(text);
    if (!number)
        return Fault::NotANumber;
    const Number value = NumberScanner::convert<Number>(*number);
    if (!std::isfinite(value))
        return Fault::OutOfRange;
    return value;
}

double roundHalfToEven(double value)
{
    const double lower = std::floor(value);
    const double fraction = value - lower;
    if (fraction < 0.5)
        return lower;
    if (fraction > 0.5)
        return lower + 1.0;
    return std::fmod(lower, 2.0) == 0.0 ? lower : lower + 1.0;
}

} // namespace

std::variant<float, Fault> toSingle(const QString &text)
{
    return parse<float>(text);
}

std::variant<qint16, Fault> toInteger16(const QString &text)
{
    const std::variant<double, Fault> reading = parse<double>(text);
    if (const Fault *fault = std::get_if<Fault>(&reading))
        return *fault;
    const double rounded = roundHalfToEven(std::get<double>(reading));
    if (rounded < -32768.0 || rounded > 32767.0)
        return Fault::OutOfRange;
    return static_cast<qint16>(rounded);
}

QString fromSingle(float value)
{
    if (value == 0.0f)
        return QStringLiteral("0"); // also for -0, which would otherwise show as "-0"

    std::array<char, 64> buffer{};
    char *const first = buffer.data();
    char *const last = buffer.data() + buffer.size();
    if (!std::isfinite(value)) {
        const auto result = std::to_chars(first, last, value);
        return QString::fromLatin1(first, result.ptr - first);
    }

    // "d.dddddde+xx" holds the value rounded to seven significant digits; the
    // digits are then laid out again without the exponent where that reads
    // better.
    const auto result = std::to_chars(first, last, value, std::chars_format::scientific, 6);
    std::string_view scientific(first, static_cast<std::size_t>(result.ptr - first));
    const bool negative = scientific.front() == '-';
    if (negative)
        scientific.remove_prefix(1);
    const std::size_t e = scientific.find('e');
    std::string digits(1, scientific.front());
    digits.append(scientific.substr(2, e - 2));
    while (digits.size() > 1 && digits.back() == '0')
        digits.pop_back();

    int exponent = 0;
    std::string_view exponentText = scientific.substr(e + 1);
    const bool negativeExponent = exponentText.front() == '-';
    exponentText.remove_prefix(1);
    std::from_chars(exponentText.data(), exponentText.data() + exponentText.size(), exponent);
    if (negativeExponent)
        exponent = -exponent;

    const int count = static_cast<int>(digits.size());
    std::string text = negative ? "-" : "";
    if (exponent < -4) {
        text += digits.front();
        if (count > 1) {
            text += '.';
            text.append(digits, 1);
        }
        const std::string magnitude = std::to_string(-exponent);
        text += "E-";
        if (magnitude.size() < 2)
            text += '0';
        text += magnitude;
    } else if (exponent < 0) {
        text += "0.";
        text.append(static_cast<std::size_t>(-exponent - 1), '0');
        text += digits;
    } else if (exponent + 1 >= count) {
        text += digits;
        text.append(static_cast<std::size_t>(exponent + 1 - count), '0');
    } else {
        text.append(digits, 0, static_cast<std::size_t>(exponent + 1));
        text += '.';
        text.append(digits, static_cast<std::size_t>(exponent + 1));
    }
    return QString::fromLatin1(text);
}

} // namespace SettingText
