// The conversion of the form's numeric texts: signs, fractions, halves to even, and refusals.
#include "app/NumericText.h"

#include <gtest/gtest.h>

namespace {

struct Conversion {
    const char* text;
    std::optional<std::int16_t> expected;
};

class TextToInteger16Test : public ::testing::TestWithParam<Conversion> {};

TEST_P(TextToInteger16Test, ConvertsOrRefuses) {
    const Conversion& c = GetParam();
    EXPECT_EQ(TextToInteger16(c.text), c.expected) << "text: \"" << c.text << "\"";
}

INSTANTIATE_TEST_SUITE_P(WholeNumbersAndSigns, TextToInteger16Test,
                         ::testing::Values(Conversion{"0", 0}, Conversion{"82", 82},
                                           Conversion{"007", 7}, Conversion{"-5", -5},
                                           Conversion{"+12", 12}, Conversion{"-30", -30},
                                           Conversion{"  45 ", 45}, Conversion{"-0", 0}));

INSTANTIATE_TEST_SUITE_P(
    FractionsRoundHalvesToEven, TextToInteger16Test,
    ::testing::Values(Conversion{"12.5", 12}, Conversion{"13.5", 14}, Conversion{"0.5", 0},
                      Conversion{"1.5", 2}, Conversion{"2.5", 2}, Conversion{"-0.5", 0},
                      Conversion{"-1.5", -2}, Conversion{"-2.5", -2}, Conversion{"2.50000", 2},
                      Conversion{"2.500001", 3}, Conversion{"2.49999", 2}, Conversion{"5.3", 5},
                      Conversion{"5.", 5}, Conversion{".7", 1}, Conversion{"-.5", 0}));

INSTANTIATE_TEST_SUITE_P(
    TheLimitsOfSixteenBits, TextToInteger16Test,
    ::testing::Values(Conversion{"32767", 32767}, Conversion{"-32768", -32768},
                      Conversion{"32768", std::nullopt}, Conversion{"-32769", std::nullopt},
                      Conversion{"99999", std::nullopt}, Conversion{"32767.4", 32767},
                      Conversion{"32767.5", std::nullopt}, Conversion{"-32768.5", -32768},
                      Conversion{"-32768.6", std::nullopt},
                      Conversion{"000000000000000000000000000012", 12},
                      Conversion{"123456789012345678901234567890", std::nullopt}));

INSTANTIATE_TEST_SUITE_P(
    TextsThatAreNotNumbers, TextToInteger16Test,
    ::testing::Values(Conversion{"", std::nullopt}, Conversion{"   ", std::nullopt},
                      Conversion{"-", std::nullopt}, Conversion{".", std::nullopt},
                      Conversion{"+-1", std::nullopt}, Conversion{"1.2.3", std::nullopt},
                      Conversion{"abc", std::nullopt}, Conversion{"12abc", std::nullopt},
                      Conversion{"1e3", std::nullopt}, Conversion{"1 2", std::nullopt},
                      Conversion{"nan", std::nullopt}, Conversion{"inf", std::nullopt},
                      Conversion{"0x10", std::nullopt}, Conversion{"1,000", std::nullopt}));

} // namespace
