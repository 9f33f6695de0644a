// SPDX-License-Identifier: MIT
// The conversion of a numeric text of the form into a 16-bit integer, and the small pieces the
// readings of dates, times and angles are cut with. Free of Qt, so that the command-line tool and
// the fuzzers can share them.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

// Converts a text such as "82", " -5 ", "+12.5" or "0.5" to the nearest 16-bit signed integer,
// halves going to the even neighbour (12.5 -> 12, 13.5 -> 14, -0.5 -> 0). Blanks around the
// number are ignored. Gives nothing for a text that is not a number ("", "-", "1.2.3", "abc",
// "1e3") or whose value lies outside -32768 ... 32767 once rounded.
std::optional<std::int16_t> TextToInteger16(std::string_view text);

// IsDigits: whether a text is one to maxDigits ASCII digits, and nothing else (no sign, no blank,
// no exponent).
bool IsDigits(std::string_view text, std::size_t maxDigits);

// DigitsValue: the whole number such a text writes, for up to nine digits (what an int holds);
// nothing for any other text.
std::optional<int> DigitsValue(std::string_view text, std::size_t maxDigits);

// A text cut at the first separator: "A<sep>B" gives A and B; without a separator, the whole
// text and an empty tail (HasTail false).
struct TextSplit {
    std::string_view Head, Tail;
    bool HasTail{};
};
TextSplit SplitAt(std::string_view text, char separator);
