// SPDX-License-Identifier: MIT
// The conversion of a numeric text of the form into a 16-bit integer, and the digits and
// splits that the readings of dates, times and angles are cut with.
#include "engine/input/NumericText.h"

#include <algorithm>
#include <limits>

namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}
bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

std::string_view TrimBlanks(std::string_view text) {
    while (!text.empty() && IsBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

} // namespace

std::optional<std::int16_t> TextToInteger16(std::string_view text) {
    text = TrimBlanks(text);
    std::size_t pos = 0;
    bool negative = false;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
        negative = text[pos] == '-';
        ++pos;
    }

    // The whole part, held exactly as long as it can still fit; beyond that it only grows.
    constexpr std::int64_t beyondRange = 100000;
    std::int64_t whole = 0;
    std::size_t digits = 0;
    for (; pos < text.size() && IsDigit(text[pos]); ++pos, ++digits) {
        if (whole < beyondRange)
            whole = whole * 10 + (text[pos] - '0');
    }

    // The fraction decides the rounding: its first digit, and whether anything follows it.
    int firstFractionDigit = 0;
    bool restOfFractionNonZero = false;
    if (pos < text.size() && text[pos] == '.') {
        ++pos;
        for (std::size_t k = 0; pos < text.size() && IsDigit(text[pos]); ++pos, ++digits, ++k) {
            if (k == 0)
                firstFractionDigit = text[pos] - '0';
            else if (text[pos] != '0')
                restOfFractionNonZero = true;
        }
    }
    if (digits == 0 || pos != text.size())
        return std::nullopt;

    const bool aboveHalf =
        firstFractionDigit > 5 || (firstFractionDigit == 5 && restOfFractionNonZero);
    const bool exactlyHalf = firstFractionDigit == 5 && !restOfFractionNonZero;
    if (aboveHalf || (exactlyHalf && whole % 2 == 1))
        ++whole;

    const std::int64_t value = negative ? -whole : whole;
    if (value < std::numeric_limits<std::int16_t>::min() ||
        value > std::numeric_limits<std::int16_t>::max())
        return std::nullopt;
    return static_cast<std::int16_t>(value);
}

bool IsDigits(std::string_view text, std::size_t maxDigits) {
    return !text.empty() && text.size() <= maxDigits &&
           std::all_of(text.begin(), text.end(), IsDigit);
}

std::optional<int> DigitsValue(std::string_view text, std::size_t maxDigits) {
    // Nine digits at the most: ten could pass what an int holds.
    constexpr std::size_t MostDigits = 9;
    if (!IsDigits(text, std::min(maxDigits, MostDigits))) {
        return std::nullopt;
    }
    int value = 0;
    for (char c : text) {
        value = value * 10 + (c - '0');
    }
    return value;
}

TextSplit SplitAt(std::string_view text, char separator) {
    const auto at = text.find(separator);
    if (at == std::string_view::npos) {
        return {text, {}, false};
    }
    return {text.substr(0, at), text.substr(at + 1), true};
}
