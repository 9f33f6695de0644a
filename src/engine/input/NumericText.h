// SPDX-License-Identifier: MIT
// The conversion of a numeric text of the form into a 16-bit integer. Free of Qt, so that the
// command-line tool and the fuzzers can share it.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

// Converts a text such as "82", " -5 ", "+12.5" or "0.5" to the nearest 16-bit signed integer,
// halves going to the even neighbour (12.5 -> 12, 13.5 -> 14, -0.5 -> 0). Blanks around the
// number are ignored. Gives nothing for a text that is not a number ("", "-", "1.2.3", "abc",
// "1e3") or whose value lies outside -32768 ... 32767 once rounded.
std::optional<std::int16_t> TextToInteger16(std::string_view text);
