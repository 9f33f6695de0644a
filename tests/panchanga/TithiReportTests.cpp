// Tests of the tithi report: the nine texts by index, the empty slot 30 and indexes out of range.
#include "panchanga/TithiReport.h"

#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <string>

namespace {

const std::string Inauspicious =
    "Inauspicious Tithi brings about all kind of financial as well as personal losses. As a "
    "result of the malefic planetary effects, the native is bound to suffer from ill health, "
    "monetary problems and will have troubles and quarrels with everybody around him.";
const std::string Auspicious =
    "Time the most powerful factor in the accomplishment of any work. Nothing happens before the "
    "appropriate and auspicious time. The auspicious Tithi provides an opportunity to do the "
    "right thing at the time in order to get the best advantage for the progress, welfare & "
    "happiness of the native.";

TithiReportTexts ReportOf(double index) {
    CalculationRecord rec;
    rec.TithiIndex = index;
    const auto texts = MakeTithiReport(rec);
    EXPECT_TRUE(texts.has_value()) << "index " << index;
    return texts.value_or(TithiReportTexts{});
}

TEST(TithiReport, FirstTithiOfTheBrightFortnight) {
    EXPECT_EQ(ReportOf(0),
              (TithiReportTexts{"16", "PRATIPADA", "Shukla", "Agni", "Nanda", "Vriddhi (Increase)",
                                "This is good for all auspicious and religious functions.",
                                "In-Auspicious", Inauspicious}));
}

TEST(TithiReport, FullMoon) {
    EXPECT_EQ(ReportOf(14), (TithiReportTexts{"0", "PURNIMA", "Shukla", "Moon", "Poorna", "Sober",
                                              "This is a day to perform austere rituals.",
                                              "Auspicious", Auspicious}));
}

TEST(TithiReport, FirstTithiOfTheDarkFortnight) {
    EXPECT_EQ(ReportOf(15),
              (TithiReportTexts{"1", "PRATIPADA", "Krishna", "Agni", "Nanda", "Vriddhi (Increase)",
                                "This is good for all auspicious and religious functions.",
                                "Auspicious", Auspicious}));
}

TEST(TithiReport, NewMoon) {
    EXPECT_EQ(ReportOf(29), (TithiReportTexts{"15", "AMAVASYA", "Krishna", "Pitara", "Poorna",
                                              "Sober", "This is a day to perform austere rituals.",
                                              "In-Auspicious", Inauspicious}));
}

TEST(TithiReport, EveryIndexFollowsTheRulesOfTheTables) {
    const std::set<int> inauspicious{0, 1, 2, 3, 4, 8, 13, 18, 23, 25, 26, 27, 28, 29};
    const char* groups[] = {"Nanda", "Bhadra", "Jaya", "Rikta", "Poorna"};
    for (int i = 0; i < 30; ++i) {
        const TithiReportTexts texts = ReportOf(i);
        EXPECT_EQ(texts[0], std::to_string((i + 16) % 30)) << "index " << i;
        EXPECT_EQ(texts[2], i < 15 ? "Shukla" : "Krishna") << "index " << i;
        EXPECT_EQ(texts[4], groups[i % 5]) << "index " << i;
        const bool bad = inauspicious.count(i) != 0;
        EXPECT_EQ(texts[7], bad ? "In-Auspicious" : "Auspicious") << "index " << i;
        EXPECT_EQ(texts[8], bad ? Inauspicious : Auspicious) << "index " << i;
        if (i != 14 && i != 29) {
            // The two fortnights share names, lords, features and natures.
            const TithiReportTexts other = ReportOf(i < 15 ? i + 15 : i - 15);
            EXPECT_EQ(texts[1], other[1]) << "index " << i;
            EXPECT_EQ(texts[3], other[3]) << "index " << i;
            EXPECT_EQ(texts[5], other[5]) << "index " << i;
            EXPECT_EQ(texts[6], other[6]) << "index " << i;
        }
    }
}

TEST(TithiReport, SlotThirtyIsEmpty) {
    EXPECT_EQ(ReportOf(30), TithiReportTexts{});
}

TEST(TithiReport, IndexRoundsHalfToEven) {
    EXPECT_EQ(ReportOf(14.5)[1], "PURNIMA");
    EXPECT_EQ(ReportOf(15.5)[0], "2");
}

TEST(TithiReport, NothingOutsideTheTables) {
    for (double index : {-1.0, -0.51, 30.51, 31.0, 1e300, -1e300, std::nan(""), double{INFINITY}}) {
        CalculationRecord rec;
        rec.TithiIndex = index;
        EXPECT_FALSE(MakeTithiReport(rec).has_value()) << "index " << index;
        // The tables are filled all the same.
        EXPECT_EQ(rec.TithiNameTable[29], "Amavasya");
    }
}

} // namespace
