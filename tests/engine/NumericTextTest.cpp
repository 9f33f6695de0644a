// SPDX-License-Identifier: MIT
// The conversion of the form's numeric texts: signs, fractions, halves to even, and refusals.
#include "engine/input/NumericText.h"

#include <gtest/gtest.h>

namespace {

TEST(TextToInteger16, ConvertsOrRefuses) {
    // Whole numbers and signs; fractions, halves to the even neighbour; the limits of sixteen
    // bits.
    const std::pair<const char*, int> converted[] = {
        {"0", 0},         {"82", 82},         {"007", 7},         {"-5", -5},
        {"+12", 12},      {"  45 ", 45},      {"-0", 0},          {"12.5", 12},
        {"13.5", 14},     {"0.5", 0},         {"1.5", 2},         {"-0.5", 0},
        {"-1.5", -2},     {"-2.5", -2},       {"2.50000", 2},     {"2.500001", 3},
        {"2.49999", 2},   {"5.", 5},          {".7", 1},          {"-.5", 0},
        {"32767", 32767}, {"-32768", -32768}, {"32767.4", 32767}, {"-32768.5", -32768}};
    for (const auto& [text, expected] : converted)
        EXPECT_EQ(TextToInteger16(text), expected) << "text: \"" << text << '"';
    EXPECT_EQ(TextToInteger16("000000000000000000000000000012"), 12);

    // Beyond sixteen bits, and texts that are not numbers.
    for (const char* text :
         {"32768", "-32769", "99999", "32767.5", "-32768.6", "123456789012345678901234567890",
          "",      "   ",    "-",     ".",       "+-1",      "1.2.3",
          "abc",   "12abc",  "1e3",   "1 2",     "nan",      "inf",
          "0x10",  "1,000"})
        EXPECT_EQ(TextToInteger16(text), std::nullopt) << "text: \"" << text << '"';
}

} // namespace
