// SPDX-License-Identifier: MIT
// Tests of the tithi report: the nine texts by index, the empty slot 30 and indexes out of range;
// the almanac's names of the tithis.
#include "engine/report/TithiReport.h"

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

std::optional<TithiReportTexts> ReportOf(double index) {
    CalculationRecord rec;
    rec.TithiIndex = index;
    return MakeTithiReport(rec);
}

TEST(TithiReport, TheRowsOfTheNewAndFullMoons) {
    const std::pair<double, TithiReportTexts> rows[] = {
        {0,
         {"16", "PRATIPADA", "Shukla", "Agni", "Nanda", "Vriddhi (Increase)",
          "This is good for all auspicious and religious functions.", "In-Auspicious",
          Inauspicious}},
        {14,
         {"0", "PURNIMA", "Shukla", "Moon", "Poorna", "Sober",
          "This is a day to perform austere rituals.", "Auspicious", Auspicious}},
        {15,
         {"1", "PRATIPADA", "Krishna", "Agni", "Nanda", "Vriddhi (Increase)",
          "This is good for all auspicious and religious functions.", "Auspicious", Auspicious}},
        {29,
         {"15", "AMAVASYA", "Krishna", "Pitara", "Poorna", "Sober",
          "This is a day to perform austere rituals.", "In-Auspicious", Inauspicious}},
        {30, {}},                     // the empty slot
        {14.5, ReportOf(14).value()}, // halves round to the even index
        {15.5, ReportOf(16).value()},
    };
    for (const auto& [index, texts] : rows)
        EXPECT_EQ(ReportOf(index), texts) << "index " << index;
}

TEST(TithiReport, EveryIndexFollowsTheRulesOfTheTables) {
    const std::set<int> inauspicious{0, 1, 2, 3, 4, 8, 13, 18, 23, 25, 26, 27, 28, 29};
    const char* groups[] = {"Nanda", "Bhadra", "Jaya", "Rikta", "Poorna"};
    for (int i = 0; i < 30; ++i) {
        const TithiReportTexts texts = ReportOf(i).value_or(TithiReportTexts{});
        const bool bad = inauspicious.count(i) != 0;
        EXPECT_EQ(texts[0], std::to_string((i + 16) % 30)) << "index " << i;
        EXPECT_EQ(texts[2], i < 15 ? "Shukla" : "Krishna") << "index " << i;
        EXPECT_EQ(texts[4], groups[i % 5]) << "index " << i;
        EXPECT_EQ(texts[7], bad ? "In-Auspicious" : "Auspicious") << "index " << i;
        EXPECT_EQ(texts[8], bad ? Inauspicious : Auspicious) << "index " << i;
        if (i != 14 && i != 29) {
            // The two fortnights share names, lords, features and natures.
            const TithiReportTexts other = ReportOf(i < 15 ? i + 15 : i - 15).value();
            for (int column : {1, 3, 5, 6})
                EXPECT_EQ(texts[column], other[column]) << "index " << i << ", column " << column;
        }
    }
}

TEST(TithiReport, NothingOutsideTheTables) {
    for (double index : {-1.0, -0.51, 30.51, 31.0, 1e300, -1e300, std::nan(""), double{INFINITY}})
        EXPECT_FALSE(ReportOf(index).has_value()) << "index " << index;
}

TEST(TithiTitle, FortnightAndName) {
    std::string titles;
    for (int index : {0, 8, 13, 14, 15, 16, 29, -1, 30})
        titles += TithiTitle(index) + '|';
    EXPECT_EQ(titles, "Shukla Pratipada|Shukla Navami|Shukla Chaturdashi|Purnima|Krishna "
                      "Pratipada|Krishna Dvitiya|Amavasya|||");
}

} // namespace
