// SPDX-License-Identifier: MIT
// The one reading of a place and a moment: the form's boxes to a place and a clock or a refusal,
// the command line's angles, and the readings a clock skips or shows twice.
#include "engine/input/PlaceReading.h"
#include "support/TestClocks.h"

#include <gtest/gtest.h>

#include <variant>

// The boxes as a failure names them.
std::ostream& operator<<(std::ostream& out, const PlaceTexts& t) {
    return out << '"' << t.LonDeg << "\" \"" << t.LonMin << "\" " << (t.LonEast ? 'E' : 'W')
               << " \"" << t.LatDeg << "\" \"" << t.LatMin << "\" " << (t.LatSouth ? 'S' : 'N')
               << " zone \"" << t.ZoneHour << "\" \"" << t.ZoneMinute << '"'
               << (t.Dst ? " DST" : "");
}

namespace {

constexpr bool E = true, W = false, N = false, S = true;

// Places and offsets worked by hand from the form's rules: degrees + minutes / 60, West and
// South negative; the zone's magnitude takes the longitude's side of Greenwich (the meridian
// counts as west), and daylight saving puts the clock an hour ahead on either side. The examples
// with daylight saving are those of the moment's preparation: 74°W, zone 5 and DST give UTC-4;
// 10°E, zone 1 and DST give UTC+2; 0°, zone 0 and DST give UTC+1.
TEST(PlaceReading, TheBoxesGiveAPlaceAndAClock) {
    const struct {
        PlaceTexts Texts;
        double Longitude, Latitude, Offset; // degrees east and north, hours east
    } cases[] = {
        {{"77", "13", "28", "36", "5", "30", E, N, false}, 77 + 13 / 60.0, 28.6, 5.5},
        {{" 82 ", "30", "0", "0", "5", "30", E, N, false}, 82.5, 0, 5.5},
        {{"74", "0", "40", "42", "5", "0", W, N, true}, -74, 40.7, -4},
        {{"10", "0", "33", "52", "1", "0", E, S, true}, 10, -(33 + 52 / 60.0), 2},
        {{"0", "0", "51", "29", "0", "0", E, N, true}, 0, 51 + 29 / 60.0, 1},
        // Numbers round as the form rounds them, halves to the even neighbour.
        {{"12.5", "13.5", "0", "0", "0", "0", W, N, false}, -(12 + 14 / 60.0), 0, 0},
        // The box ranges' edges.
        {{"180", "0", "90", "0", "23", "59", W, S, false}, -180, -90, -(23 + 59 / 60.0)},
        // The zone picker's signed texts: the zone is a magnitude on the longitude's side.
        {{"74", "0", "40", "42", "-5", "-30", W, N, false}, -74, 40.7, -5.5},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.Texts));
        const auto read = ReadPlaceBoxes(c.Texts, /*zoneBoxes=*/true);
        ASSERT_TRUE(std::holds_alternative<FormPlace>(read));
        const FormPlace& place = std::get<FormPlace>(read);
        EXPECT_DOUBLE_EQ(place.Where.Longitude, c.Longitude);
        EXPECT_DOUBLE_EQ(place.Where.Latitude, c.Latitude);
        EXPECT_DOUBLE_EQ(place.Clock.OffsetHoursAt(2451545), c.Offset);
    }
    // A named zone sets the clock: its boxes are not read, nor is DST.
    const auto named = ReadPlaceBoxes({"77", "13", "28", "36", "", "abc", E, N, true}, false);
    ASSERT_TRUE(std::holds_alternative<FormPlace>(named));
    EXPECT_EQ(std::get<FormPlace>(named).Clock.OffsetHoursAt(2451545), 0);
}

// The first box that is empty, not a number or beyond its range is named, in the form's order
// of the boxes; with each box in range and still no place on the Earth, the latitude is named
// before the longitude.
TEST(PlaceReading, TheBoxesSayWhichIsWrong) {
    using R = ReadingRefusal;
    using I = PlaceInput;
    const struct {
        PlaceTexts Texts;
        ReadingRefusal Why;
        PlaceInput Input;
    } cases[] = {
        {{"", "x", "", "", "", "", E, N, false}, R::Empty, I::LonDeg},
        {{"77", "13", "28", " ", "5", "30", E, N, false}, R::Empty, I::LatMin},
        {{"77", "13", "28", "36", "5", "", E, N, false}, R::Empty, I::ZoneMinute},
        {{"abc", "13", "28", "36", "5", "30", E, N, false}, R::NotANumber, I::LonDeg},
        {{"77", "1e3", "28", "36", "5", "30", E, N, false}, R::NotANumber, I::LonMin},
        {{"99999", "0", "0", "0", "5", "30", E, N, false}, R::NotANumber, I::LonDeg},
        {{"-5", "0", "0", "0", "5", "30", E, N, false}, R::BeyondRange, I::LonDeg},
        {{"181", "0", "0", "0", "5", "30", E, N, false}, R::BeyondRange, I::LonDeg},
        {{"999", "0", "0", "0", "5", "30", E, N, false}, R::BeyondRange, I::LonDeg},
        {{"77", "60", "0", "0", "5", "30", E, N, false}, R::BeyondRange, I::LonMin},
        {{"77", "13", "91", "0", "5", "30", E, N, false}, R::BeyondRange, I::LatDeg},
        {{"77", "13", "28", "36", "24", "0", E, N, false}, R::BeyondRange, I::ZoneHour},
        {{"74", "0", "40", "42", "-24", "0", W, N, false}, R::BeyondRange, I::ZoneHour},
        {{"180", "30", "28", "36", "5", "30", E, N, false}, R::ImpossiblePlace, I::LonDeg},
        {{"180", "30", "90", "1", "5", "30", E, S, false}, R::ImpossiblePlace, I::LatDeg},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.Texts));
        const auto read = ReadPlaceBoxes(c.Texts, /*zoneBoxes=*/true);
        ASSERT_TRUE(std::holds_alternative<PlaceRefusal>(read));
        EXPECT_EQ(std::get<PlaceRefusal>(read).Why, c.Why);
        EXPECT_EQ(std::get<PlaceRefusal>(read).Input, c.Input);
    }
}

// The command line's angles: degrees and minutes with a letter, decimal degrees with a letter or
// a sign; the nearest minute of decimal degrees worked by hand (77.2090 * 60 = 4632.54).
TEST(PlaceReading, TheCommandLinesAnglesReadTheirShapesAndRanges) {
    struct Case {
        const char* Text;
        char First, Second;
        int Most;
        std::variant<AngleReading, AngleRefusal> Expected;
    };
    using A = AngleRefusal;
    const Case cases[] = {
        {"77:13E", 'E', 'W', 180, AngleReading{77, 13, false, {}}},
        {"77.2090E", 'E', 'W', 180, AngleReading{77, 13, false, 77.209}},
        {"-74.006", 'E', 'W', 180, AngleReading{74, 0, true, -74.006}},
        {"+33.8688", 'N', 'S', 90, AngleReading{33, 52, false, 33.8688}},
        {"180E", 'E', 'W', 180, AngleReading{180, 0, false, {}}},
        {"180:01E", 'E', 'W', 180, A::BeyondDegrees},
        {"-180.5", 'E', 'W', 180, A::BeyondDegrees},
        {"90.01N", 'N', 'S', 90, A::BeyondDegrees},
        {"77:60E", 'E', 'W', 180, A::Minutes},
        {"77:13N", 'E', 'W', 180, A::Shape},
        {"", 'E', 'W', 180, A::Shape},
        {"1e2E", 'E', 'W', 180, A::Shape},
        {"1234E", 'E', 'W', 180, A::Shape},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Text);
        const auto read = ReadAngle(c.Text, c.First, c.Second, c.Most);
        ASSERT_EQ(read.index(), c.Expected.index());
        if (const auto* refusal = std::get_if<AngleRefusal>(&c.Expected)) {
            EXPECT_EQ(std::get<AngleRefusal>(read), *refusal);
            continue;
        }
        const AngleReading& want = std::get<AngleReading>(c.Expected);
        const AngleReading& got = std::get<AngleReading>(read);
        EXPECT_EQ(std::tie(got.Degrees, got.Minutes, got.Second),
                  std::tie(want.Degrees, want.Minutes, want.Second));
        EXPECT_EQ(got.Exact, want.Exact);
    }
}

// Madrid's clocks went forward at 02:00 on 31 March 2024 and back at 03:00 on 27 October; Samoa
// skipped 30 December 2011 (the tz database's Europe/Madrid and Pacific/Apia, as TestClocks
// keeps them).
TEST(PlaceReading, ReadingsTheClocksSkipOrShowTwice) {
    const Madrid2024 madrid;
    struct Case {
        ClockEntry Entry;
        bool Skipped, Repeated;
        std::optional<double> Only, First, Second;
    };
    const Case cases[] = {
        {{{2024, 3, 31}, 1, 59}, false, false, 1, {}, {}},
        {{{2024, 3, 31}, 2, 0}, true, false, {}, {}, {}},
        {{{2024, 3, 31}, 2, 30}, true, false, {}, {}, {}},
        {{{2024, 3, 31}, 3, 0}, false, false, 2, {}, {}},
        {{{2024, 10, 27}, 1, 59}, false, false, 2, {}, {}},
        {{{2024, 10, 27}, 2, 30}, false, true, {}, 2, 1},
        {{{2024, 10, 27}, 3, 0}, false, false, 1, {}, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.Entry.Date.Month << '-' << c.Entry.Date.Day << ' '
                                        << c.Entry.Hour << ':' << c.Entry.Minute);
        const ClockEntryReading read = ReadClockEntry(madrid, c.Entry);
        EXPECT_EQ(read.Skipped(), c.Skipped);
        EXPECT_EQ(read.Repeated(), c.Repeated);
        EXPECT_EQ(read.OffsetHours(ReadingTaken::Only), c.Only);
        EXPECT_EQ(read.OffsetHours(ReadingTaken::First), c.First);
        EXPECT_EQ(read.OffsetHours(ReadingTaken::Second), c.Second);
    }

    // 02:30 that never came is 03:30 on the clocks after the change; the change from 02:00 to
    // 03:00, and back from 03:00 to 02:00.
    const ClockEntry skipped{{2024, 3, 31}, 2, 30};
    const ClockEntryReading gap = ReadClockEntry(madrid, skipped);
    const ClockReading after = ReadingAfterSkip(gap, skipped);
    EXPECT_EQ(std::tie(after.Day, after.Hour, after.Minute), std::make_tuple(31, 3, 30));
    const ChangeSides forward = SidesOfChange(gap.Resolved);
    EXPECT_FALSE(forward.Dated);
    EXPECT_EQ(std::tie(forward.Before.Hour, forward.Before.Minute, forward.After.Hour,
                       forward.After.Minute),
              std::make_tuple(2, 0, 3, 0));
    const ChangeSides back =
        SidesOfChange(ReadClockEntry(madrid, {{2024, 10, 27}, 2, 30}).Resolved);
    EXPECT_EQ(std::tie(back.Before.Hour, back.After.Hour), std::make_tuple(3, 2));

    // Samoa: 29 December ended at 24:00 and 31 December began.
    const ClockEntryReading samoa = ReadClockEntry(Apia2011(), {{2011, 12, 30}, 12, 0});
    ASSERT_TRUE(samoa.Skipped());
    const ChangeSides overTheLine = SidesOfChange(samoa.Resolved);
    EXPECT_TRUE(overTheLine.Dated);
    EXPECT_EQ(std::tie(overTheLine.Before.Day, overTheLine.Before.Hour, overTheLine.Before.Minute),
              std::make_tuple(29, 24, 0));
    EXPECT_EQ(std::tie(overTheLine.After.Day, overTheLine.After.Hour), std::make_tuple(31, 0));
}

} // namespace
