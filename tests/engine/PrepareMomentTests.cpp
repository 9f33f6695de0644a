// SPDX-License-Identifier: MIT
// Tests of the moment preparation and the hemisphere rule: the zone with daylight saving, the
// signed longitude, and the Universal Time of the moment with its date.
#include "engine/report/Tithi.h"
#include "support/Moments.h"

#include <gtest/gtest.h>

namespace {

// Expected values worked by hand. East of Greenwich the zone is ahead of Universal Time and
// daylight saving grows it; west of it, and on the meridian itself whichever button is chosen,
// the zone is behind and daylight saving shrinks it.
TEST(PrepareMoment, TheHemisphereRuleAndDaylightSaving) {
    const struct {
        const char* What;
        MomentInputs Moment;
        double ZoneHours, Longitude, UniversalHours;
        int UtYear, UtMonth, UtDay;
    } cases[] = {
        {"east", {2000, 7, 31, 12, 0, 5, 30, 82, 30, true}, 5.5, -82.5, 6.5, 2000, 7, 31},
        {"west, saving", WithDst({2000, 7, 31, 12, 0, 5, 0, 74}), 4, 74, 16, 2000, 7, 31},
        {"east, saving", WithDst({2000, 7, 31, 12, 0, 1, 0, 10, 0, true}), 2, -10, 10, 2000, 7, 31},
        {"meridian, saving", WithDst({2000, 7, 31, 12, 0, 0, 0, 0, 0, true}), -1, 0, 11, 2000, 7,
         31},
        {"meridian", {2024, 7, 4, 12, 0, 2, 0, 0, 0, true}, 2, 0, 14, 2024, 7, 4},
        {"minutes", {2000, 7, 31, 6, 30, 3, 45, 0, 45, false}, 3.75, 0.75, 10.25, 2000, 7, 31},
        {"east, the day before",
         {2024, 3, 1, 2, 0, 5, 30, 77, 0, true},
         5.5,
         -77,
         -3.5,
         2024,
         2,
         29},
        {"west, the next day", {2023, 12, 31, 21, 0, 5, 0, 74}, 5, 74, 26, 2024, 1, 1},
    };
    for (const auto& c : cases) {
        CalculationRecord rec = Prepared(c.Moment);
        EXPECT_DOUBLE_EQ(rec.ZoneHours, c.ZoneHours) << c.What;
        EXPECT_DOUBLE_EQ(rec.Longitude, c.Longitude) << c.What;
        EXPECT_DOUBLE_EQ(ComputeTithiMoment(rec).UniversalHours, c.UniversalHours) << c.What;
        EXPECT_TRUE(rec.CalYear == c.UtYear && rec.CalMonth == c.UtMonth && rec.CalDay == c.UtDay)
            << c.What << ": " << rec.CalYear << '-' << rec.CalMonth << '-' << rec.CalDay;
        // A second run must not apply daylight saving again.
        PrepareMoment(rec);
        EXPECT_DOUBLE_EQ(rec.ZoneHours, c.ZoneHours) << c.What << ", after a second run";
    }
}

} // namespace
