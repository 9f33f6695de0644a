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

// The digits that dates, times and angles are cut into: a shape test of any length, and a value
// only where an int holds it (twelve decimals of a degree once overflowed it).
TEST(DigitsValue, ReadsDigitsAndRefusesTheRest) {
    EXPECT_EQ(DigitsValue("2024", 4), 2024);
    EXPECT_EQ(DigitsValue("07", 2), 7);
    EXPECT_EQ(DigitsValue("999999999", 12), 999999999);
    for (const char* text : {"", "12345", "-1", "+1", " 1", "1a", "1.5"})
        EXPECT_EQ(DigitsValue(text, 4), std::nullopt) << "text: \"" << text << '"';
    EXPECT_EQ(DigitsValue("518887108088", 12), std::nullopt);
    EXPECT_TRUE(IsDigits("518887108088", 12));
    EXPECT_FALSE(IsDigits("5188871080889", 12));
    EXPECT_FALSE(IsDigits("", 12));
    const TextSplit split = SplitAt("77:13E", ':');
    EXPECT_EQ(std::pair(split.Head, split.Tail),
              std::pair(std::string_view("77"), std::string_view("13E")));
    EXPECT_TRUE(split.HasTail);
    EXPECT_FALSE(SplitAt("77", ':').HasTail);
}

} // namespace
