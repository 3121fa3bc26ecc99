#include "engine/CellReading.h"

#include <cctype>
#include <charconv>
#include <limits>
#include <string>

namespace CellReading {
namespace {

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// Length of the longest leading number in text, 0 when there is none.
std::size_t numberLength(std::string_view text)
{
    std::size_t pos = 0;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-'))
        ++pos;

    std::size_t digits = 0;
    while (pos < text.size() && isDigit(text[pos])) {
        ++pos;
        ++digits;
    }
    if (pos < text.size() && text[pos] == '.') {
        ++pos;
        while (pos < text.size() && isDigit(text[pos])) {
            ++pos;
            ++digits;
        }
    }
    if (digits == 0)
        return 0;

    if (pos < text.size() && (text[pos] == 'E' || text[pos] == 'e')) {
        std::size_t exponentEnd = pos + 1;
        if (exponentEnd < text.size() && (text[exponentEnd] == '+' || text[exponentEnd] == '-'))
            ++exponentEnd;
        const std::size_t exponentDigitsStart = exponentEnd;
        while (exponentEnd < text.size() && isDigit(text[exponentEnd]))
            ++exponentEnd;
        if (exponentEnd > exponentDigitsStart)
            pos = exponentEnd;
    }
    return pos;
}

// Decimal exponent of the number's leading digit, to tell overflow from
// underflow when the number is outside a double's range.
long long magnitude(std::string_view unsignedNumber)
{
    long long leadingPosition = 0;
    bool seenNonZero = false;
    bool afterPoint = false;
    std::size_t pos = 0;
    for (; pos < unsignedNumber.size(); ++pos) {
        const char c = unsignedNumber[pos];
        if (c == '.') {
            afterPoint = true;
            continue;
        }
        if (!isDigit(c))
            break;
        if (!seenNonZero && c != '0') {
            seenNonZero = true;
        }
        if (afterPoint && !seenNonZero)
            --leadingPosition;
        else if (!afterPoint && seenNonZero)
            ++leadingPosition;
    }
    long long exponent = 0;
    if (pos < unsignedNumber.size()) {
        std::string_view rest = unsignedNumber.substr(pos + 1);
        bool negative = false;
        if (!rest.empty() && (rest.front() == '+' || rest.front() == '-')) {
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
    return leadingPosition + exponent;
}

// Reads a complete number as matched by numberLength().
double parseNumber(std::string_view number)
{
    bool negative = false;
    if (number.front() == '+' || number.front() == '-') {
        negative = number.front() == '-';
        number.remove_prefix(1);
    }
    double value = 0.0;
    const auto result = std::from_chars(number.data(), number.data() + number.size(), value,
                                        std::chars_format::general);
    if (result.ec == std::errc::result_out_of_range) {
        value = magnitude(number) > 0 ? std::numeric_limits<double>::infinity() : 0.0;
    }
    return negative ? -value : value;
}

} // namespace

double lenient(std::string_view text)
{
    // The engine's own texts never hold blanks: read them in place.
    if (text.find_first_of(" \t\n") == std::string_view::npos) {
        const std::size_t length = numberLength(text);
        return length == 0 ? 0.0 : parseNumber(text.substr(0, length));
    }
    std::string compact;
    compact.reserve(text.size());
    for (const char c : text) {
        if (c != ' ' && c != '\t' && c != '\n')
            compact.push_back(c);
    }
    const std::size_t length = numberLength(compact);
    if (length == 0)
        return 0.0;
    return parseNumber(std::string_view(compact).substr(0, length));
}

std::optional<double> strict(std::string_view text)
{
    const std::size_t length = numberLength(text);
    if (length == 0 || length != text.size())
        return std::nullopt;
    return parseNumber(text);
}

} // namespace CellReading
