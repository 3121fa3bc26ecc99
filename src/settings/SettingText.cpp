#include "settings/SettingText.h"

#include <array>
#include <charconv>
#include <cmath>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>

namespace SettingText {
namespace {

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

std::size_t skipDigits(std::string_view text, std::size_t pos)
{
    while (pos < text.size() && isDigit(text[pos]))
        ++pos;
    return pos;
}

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

    std::size_t pos = 0;
    if (pos < ascii.size() && (ascii[pos] == '+' || ascii[pos] == '-'))
        ++pos;
    const std::size_t integerStart = pos;
    pos = skipDigits(ascii, pos);
    std::size_t digits = pos - integerStart;
    if (pos < ascii.size() && ascii[pos] == '.') {
        const std::size_t fractionStart = pos + 1;
        pos = skipDigits(ascii, fractionStart);
        digits += pos - fractionStart;
    }
    if (digits == 0)
        return std::nullopt;
    if (pos < ascii.size() && (ascii[pos] == 'E' || ascii[pos] == 'e')) {
        ++pos;
        if (pos < ascii.size() && (ascii[pos] == '+' || ascii[pos] == '-'))
            ++pos;
        const std::size_t exponentStart = pos;
        pos = skipDigits(ascii, pos);
        if (pos == exponentStart)
            return std::nullopt;
    }
    if (pos != ascii.size())
        return std::nullopt;
    return ascii;
}

// True when an unsigned number in the accepted syntax is at least 1, which
// tells overflow from underflow when the conversion finds it out of range.
bool atLeastOne(std::string_view number)
{
    long long leading = 0; // decimal exponent of the first non-zero digit
    bool found = false;
    long long integerDigits = 0;
    std::size_t pos = 0;
    for (; pos < number.size() && isDigit(number[pos]); ++pos) {
        if (!found && number[pos] != '0') {
            found = true;
            leading = integerDigits;
        }
        ++integerDigits;
    }
    if (found)
        leading = integerDigits - 1 - leading;
    if (pos < number.size() && number[pos] == '.') {
        long long place = 0;
        for (++pos; pos < number.size() && isDigit(number[pos]); ++pos) {
            --place;
            if (!found && number[pos] != '0') {
                found = true;
                leading = place;
            }
        }
    }
    if (!found)
        return false;

    long long exponent = 0;
    if (pos < number.size()) {
        std::string_view rest = number.substr(pos + 1);
        bool negative = false;
        if (rest.front() == '+' || rest.front() == '-') {
            negative = rest.front() == '-';
            rest.remove_prefix(1);
        }
        for (const char c : rest) {
            if (exponent < 1'000'000'000)
                exponent = exponent * 10 + (c - '0');
        }
        if (negative)
            exponent = -exponent;
    }
    return leading + exponent >= 0;
}

template <typename Number> std::variant<Number, Fault> parse(const QString &text)
{
    const std::optional<std::string> number = numberText(text);
    if (!number)
        return Fault::NotANumber;

    std::string_view digits = *number;
    bool negative = false;
    if (digits.front() == '+' || digits.front() == '-') {
        negative = digits.front() == '-';
        digits.remove_prefix(1);
    }
    // std::from_chars never consults the C locale, unlike strtod.
    Number value = 0;
    const auto result = std::from_chars(digits.data(), digits.data() + digits.size(), value,
                                        std::chars_format::general);
    if (result.ec == std::errc::result_out_of_range) {
        if (atLeastOne(digits))
            return Fault::OutOfRange;
        value = 0;
    } else if (result.ec != std::errc() || result.ptr != digits.data() + digits.size()) {
        return Fault::NotANumber;
    }
    if (!std::isfinite(value))
        return Fault::OutOfRange;
    return negative ? -value : value;
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
