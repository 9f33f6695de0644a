// Tests of the karana, the almanac's names of the tithis, and the lines of the results panel.
#include "ephemeris/Ephemeris.h"
#include "panchanga/Karana.h"
#include "panchanga/TithiDay.h"
#include "panchanga/TithiReport.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// The fixed karanas stand at the conjunction; the movable ones follow Kimstughna in their
// cycle, so that Vishti falls on the halves the almanacs mark (eight in a month), the last on
// the first half of Krishna Chaturdashi.
TEST(KaranaTest, FixedAndMovableKaranasAtTheirPlaces) {
    const struct {
        double Elongation;
        int Index;
        const char* Name;
    } cases[] = {
        {0, 0, "Kimstughna"},     // first half of Shukla Pratipada
        {5.999, 0, "Kimstughna"}, // its last moment
        {6, 1, "Bava"},           // second half of Shukla Pratipada
        {12, 2, "Balava"},        // Shukla Dvitiya
        {42, 7, "Vishti"},        // second half of Shukla Chaturthi
        {48, 8, "Bava"},          // the cycle begins again
        {126, 21, "Vishti"},      // second half of Shukla Ekadasi
        {168, 28, "Vishti"},      // first half of Purnima
        {174, 29, "Bava"},        // second half of Purnima
        {180, 30, "Balava"},      // first half of Krishna Pratipada
        {210, 35, "Vishti"},      // second half of Krishna Tritiya
        {336, 56, "Vishti"},      // first half of Krishna Chaturdashi
        {342, 57, "Shakuni"},     // second half of Krishna Chaturdashi
        {348, 58, "Chatushpada"}, // first half of Amavasya
        {354, 59, "Naga"},        // second half of Amavasya
        {359.9999, 59, "Naga"},   // its last moment
        {360, 0, "Kimstughna"},   // a full turn is the conjunction
        {-0.1, -1, ""},           // no elongation
        {361, -1, ""},            // no elongation
    };
    for (const auto& c : cases) {
        EXPECT_EQ(KaranaIndex(c.Elongation), c.Index) << "elongation " << c.Elongation;
        EXPECT_EQ(KaranaName(KaranaIndex(c.Elongation)), c.Name) << "elongation " << c.Elongation;
    }
}

TEST(TithiTitleTest, FortnightAndName) {
    const struct {
        int Index;
        const char* Title;
    } cases[] = {{0, "Shukla Pratipada"},
                 {8, "Shukla Navami"},
                 {13, "Shukla Chaturdashi"},
                 {14, "Purnima"},
                 {15, "Krishna Pratipada"},
                 {16, "Krishna Dvitiya"},
                 {29, "Amavasya"},
                 {-1, ""},
                 {30, ""}};
    for (const auto& c : cases) {
        EXPECT_EQ(TithiTitle(c.Index), c.Title) << "index " << c.Index;
    }
}

CalculationRecord Delhi(int day, int hour, int minute) {
    CalculationRecord rec;
    rec.BirthYear = 2024;
    rec.BirthMonth = 1;
    rec.BirthDay = static_cast<std::int16_t>(day);
    rec.BirthHour = static_cast<std::int16_t>(hour);
    rec.BirthMinute = static_cast<std::int16_t>(minute);
    rec.ZoneHour = 5;
    rec.ZoneMinute = 30;
    rec.LonDeg = 77;
    rec.LonMin = 13;
    rec.LonEast = FlagTrue;
    rec.LatDeg = 28;
    rec.LatMin = 36;
    PrepareMoment(rec);
    return rec;
}

// Delhi, 11 January 2024, an hour after the new moon. The new moon fell at 11:57:25 UT and
// Shukla Pratipada ended at 08:53:53 UT on the 12th (Swiss Ephemeris, computed separately); the
// panel gives the first whole minute of each tithi: 17:28 and 14:24 Indian time. The Sun rose at
// 07:15 (the same ephemeris), on Paush Amavasya as the almanacs print it; at 18:30 the Moon leads
// the Sun by 0.6 degrees, the first half of Shukla Pratipada.
TEST(TithiDayTextsTest, TheLinesOfThePanel) {
    const auto texts = MakeTithiDayTexts(Delhi(11, 18, 30));
    ASSERT_TRUE(texts.has_value());
    EXPECT_EQ(texts->Times, "Began 11 Jan 2024 17:28 \u00b7 Ends 12 Jan 2024 14:24");
    EXPECT_EQ(texts->Sunrise, "At sunrise (07:15): Amavasya");
    EXPECT_EQ(texts->Karana, "Karana: Kimstughna");
}

} // namespace
