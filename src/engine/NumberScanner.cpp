// SPDX-License-Identifier: MIT
#include "engine/NumberScanner.h"

#include <charconv>
#include <limits>
#include <system_error>

namespace NumberScanner {
namespace {

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

bool isSign(char c)
{
    return c == '+' || c == '-';
}

std::size_t skipDigits(std::string_view text, std::size_t pos)
{
    while (pos < text.size() && isDigit(text[pos]))
        ++pos;
    return pos;
}

} // namespace

std::size_t leadingLength(std::string_view text)
{
    std::size_t pos = 0;
    if (pos < text.size() && isSign(text[pos]))
        ++pos;
    const std::size_t integerStart = pos;
    pos = skipDigits(text, pos);
    std::size_t digits = pos - integerStart;
    if (pos < text.size() && text[pos] == '.') {
        const std::size_t fractionStart = pos + 1;
        pos = skipDigits(text, fractionStart);
        digits += pos - fractionStart;
    }
    if (digits == 0)
        return 0;

    if (pos < text.size() && (text[pos] == 'E' || text[pos] == 'e')) {
        std::size_t exponentStart = pos + 1;
        if (exponentStart < text.size() && isSign(text[exponentStart]))
            ++exponentStart;
        const std::size_t exponentEnd = skipDigits(text, exponentStart);
        if (exponentEnd > exponentStart)
            pos = exponentEnd;
    }
    return pos;
}

bool atLeastOne(std::string_view number)
{
    long long leading = 0; // decimal place of the first non-zero digit
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
        if (!rest.empty() && isSign(rest.front())) {
            negative = rest.front() == '-';
            rest.remove_prefix(1);
        }
        // Past a billion the exponent only has to stay beyond every range.
        for (const char c : rest) {
            if (exponent < 1'000'000'000)
                exponent = exponent * 10 + (c - '0');
        }
        if (negative)
            exponent = -exponent;
    }
    return leading + exponent >= 0;
}

template <typename Number> Number convert(std::string_view number)
{
    bool negative = false;
    if (!number.empty() && isSign(number.front())) {
        negative = number.front() == '-';
        number.remove_prefix(1);
    }
    // std::from_chars never consults the C locale, unlike strtod.
    Number value = 0;
    const auto result = std::from_chars(number.data(), number.data() + number.size(), value,
                                        std::chars_format::general);
    if (result.ec == std::errc::result_out_of_range)
        value = atLeastOne(number) ? std::numeric_limits<Number>::infinity() : Number(0);
    return negative ? -value : value;
}

template float convert<float>(std::string_view);
template double convert<double>(std::string_view);

} // namespace NumberScanner
