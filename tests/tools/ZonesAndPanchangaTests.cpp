// SPDX-License-Identifier: MIT
// Tests of kestrava-tithi with named zones, places of the directory and the day's panchanga:
// the zones' published histories, the readings the clocks skip or repeat, places that share a
// name, the look-up, and the day's panchanga as almanacs publish it.
#include "ToolRuns.h"
#include "support/DelhiDay.h"

#include <gtest/gtest.h>

#include <regex>

namespace {

std::string Field(const std::string& json, const std::string& name) {
    std::smatch match;
    const std::regex pattern("\"" + name + "\":(\"[^\"]*\"|null|true|false|[-+.0-9eE]+)");
    return std::regex_search(json, match, pattern) ? match[1].str() : "(absent)";
}

TEST(NamedZones, ReadEachMomentWithTheOffsetInForceThen) {
    const struct {
        std::vector<std::string> Args;
        const char* Zone;
        const char* Offset;
    } cases[] = {
        // Madrid keeps Central European time, an hour ahead in winter and two in summer,
        // although it lies west of Greenwich.
        {{"2024-01-15", "12:00", "--place", "Madrid, Spain"}, "\"Europe/Madrid\"", "\"+01:00\""},
        {{"2024-07-15", "12:00", "--place", "Madrid, Spain"}, "\"Europe/Madrid\"", "\"+02:00\""},
        {{"2024-01-15", "12:00", "--place", "Sydney, Australia"},
         "\"Australia/Sydney\"",
         "\"+11:00\""},
        {{"2024-07-15", "12:00", "--place", "Sydney, Australia"},
         "\"Australia/Sydney\"",
         "\"+10:00\""},
        // India kept war time, six and a half hours ahead, from September 1942.
        {{"1942-10-01", "12:00", "--place", "Kolkata"}, "\"Asia/Kolkata\"", "\"+06:30\""},
        {{"2020-10-01", "12:00", "--place", "Kolkata"}, "\"Asia/Kolkata\"", "\"+05:30\""},
        // Nepal moved from 5:30 to 5:45 in 1986.
        {{"1985-06-01", "12:00", "--place", "Kathmandu"}, "\"Asia/Kathmandu\"", "\"+05:30\""},
        {{"1987-06-01", "12:00", "--place", "Kathmandu"}, "\"Asia/Kathmandu\"", "\"+05:45\""},
        {{"2024-06-01", "12:00", "--tz", "Pacific/Chatham", "--lon", "176:33W"},
         "\"Pacific/Chatham\"",
         "\"+12:45\""},
        {{"2024-06-01", "12:00", "--tz", "Europe/Kiev", "--lon", "30:31E"}, nullptr, "\"+03:00\""},
        // A typed zone has no name, and its offset's direction follows the longitude.
        {{"2024-01-15", "12:00", "--zone", "1", "--lon", "3:42W"}, "null", "\"-01:00\""},
    };
    for (const auto& c : cases) {
        std::vector<std::string> args = c.Args;
        args.insert(args.end(), {"--format", "json"});
        const ToolRun run = RunArgs(args);
        ASSERT_EQ(run.Status, 0) << args[3] << ": " << run.Err;
        if (c.Zone) {
            EXPECT_EQ(Field(run.Out, "zone"), c.Zone) << args[0] << ' ' << args[3];
        }
        EXPECT_EQ(Field(run.Out, "utc_offset"), c.Offset) << args[0] << ' ' << args[3];
    }
}

TEST(NamedZones, ReadingsTheClocksSkipOrRepeat) {
    const std::vector<std::string> newYork = {"--tz", "America/New_York", "--lon",
                                              "74W",  "--format",         "json"};
    auto run = [&](std::vector<std::string> args) {
        args.insert(args.end(), newYork.begin(), newYork.end());
        return RunArgs(args);
    };
    // 02:30 on 10 March 2024 never came: the clocks went from 02:00 to 03:00.
    const ToolRun gap = run({"2024-03-10", "02:30"});
    EXPECT_EQ(gap.Status, 2);
    EXPECT_TRUE(gap.Out.empty());
    EXPECT_NE(gap.Err.find("does not exist"), std::string::npos) << gap.Err;
    EXPECT_NE(gap.Err.find("02:00 to 03:00"), std::string::npos) << gap.Err;

    // 01:30 on 3 November 2024 came twice: first on daylight time, then on standard time.
    const ToolRun first = run({"2024-11-03", "01:30"});
    EXPECT_EQ(first.Status, 0);
    EXPECT_EQ(Field(first.Out, "utc_offset"), "\"-04:00\"");
    EXPECT_NE(first.Err.find("occurs twice"), std::string::npos) << first.Err;
    const ToolRun second = run({"2024-11-03", "01:30", "--later"});
    EXPECT_EQ(Field(second.Out, "utc_offset"), "\"-05:00\"");
    // An hour apart, the elongation grows by about half a degree.
    EXPECT_NE(Field(first.Out, "jde"), Field(second.Out, "jde"));
    EXPECT_NE(Field(first.Out, "jde"), "(absent)");

    // The Amavasya that ended at the new moon of 10 March 2024, 09:00 UT (published), began on
    // standard time and ended on daylight time.
    const ToolRun almanac = RunArgs(
        {"--from", "2024-03-09", "--to", "2024-03-09", "--tz", "America/New_York", "--lon", "74W"});
    ASSERT_EQ(almanac.Status, 0) << almanac.Err;
    EXPECT_NE(almanac.Out.find("-05:00  2024-03-10T05:0"), std::string::npos) << almanac.Out;
    EXPECT_NE(almanac.Out.find("-04:00  29  Amavasya"), std::string::npos) << almanac.Out;
}

TEST(Places, ShareANameOrAreLookedUp) {
    const ToolRun ambiguous = RunArgs({"2024-01-15", "12:00", "--place", "Hyderabad"});
    EXPECT_EQ(ambiguous.Status, 2);
    EXPECT_NE(ambiguous.Err.find("Hyderabad, Telangana, India"), std::string::npos);
    EXPECT_NE(ambiguous.Err.find("Hyderabad, Sindh, Pakistan"), std::string::npos);
    EXPECT_EQ(RunArgs({"2024-01-15", "12:00", "--place", "Hyderabad, Pakistan"}).Status, 0);
    EXPECT_EQ(RunArgs({"2024-01-15", "12:00", "--place", "Nowhere At All"}).Status, 2);

    const ToolRun dst =
        RunArgs({"2024-01-15", "12:00", "--tz", "Asia/Kolkata", "--dst", "--lon", "77E"});
    EXPECT_EQ(dst.Status, 2);
    EXPECT_EQ(dst.Err, "kestrava-tithi: --dst: not together with --tz\n");

    // By another name, and without accents.
    EXPECT_EQ(
        Lines(RunArgs({"--places", "Bombay"}).Out).front().rfind("Mumbai, Maharashtra, India", 0),
        0u);
    EXPECT_EQ(Lines(RunArgs({"--places", "sao paulo"}).Out).front().rfind("São Paulo", 0), 0u);
    EXPECT_EQ(RunArgs({"--places", "Xqzvw"}).Status, 2);
}

} // namespace

namespace {

// Minutes from midnight of an ISO time's clock reading ("2024-01-11T17:38:38+05:30" → 1058.6).
double ClockMinutes(const std::string& quoted) {
    const std::string iso = quoted.substr(1, quoted.size() - 2);
    return std::stoi(iso.substr(11, 2)) * 60 + std::stoi(iso.substr(14, 2)) +
           std::stoi(iso.substr(17, 2)) / 60.0;
}

// New Delhi on the Amavasya of 11 January 2024, as published almanacs give the day: Purva
// Ashadha until 17:39, Vyaghata until 17:49, sunset 17:43; the amanta month Margashirsha ends
// with this new moon, the purnimanta Pausha began with the full moon of 27 December; Vikram
// 2080, Shaka 1945; a Thursday.
TEST(Panchanga, TheDayOfAMomentAsAlmanacsPublishIt) {
    const ToolRun run = RunArgs({"2024-01-11", "12:00", "--zone", "5:30", "--lon", "77:13E",
                                 "--lat", "28:36N", "--format", "json"});
    ASSERT_EQ(run.Status, 0) << run.Err;
    const std::pair<const char*, const char*> texts[] = {
        {"vara", "\"Guruvara\""},
        {"name", "\"AMAVASYA\""},
        {"lord", "\"Pitara\""},
        {"amanta", "\"Margashirsha\""},
        {"purnimanta", "\"Pausha\""},
        {"adhika", "false"},
        {"vikram", "2080"},
        {"shaka", "1945"},
        {"zone", "null"},
        {"utc_offset", "\"+05:30\""},
    };
    for (const auto& [field, value] : texts) {
        EXPECT_EQ(Field(run.Out, field), value) << field;
    }
    const std::string nakshatra = run.Out.substr(run.Out.find("\"nakshatra\":{"));
    EXPECT_EQ(Field(nakshatra, "name"), "\"Purva Ashadha\"");
    EXPECT_EQ(Field(nakshatra, "lord"), "\"Venus\"");
    EXPECT_NEAR(ClockMinutes(Field(nakshatra, "ends")), 17 * 60 + 39, 3);
    const std::string yoga = run.Out.substr(run.Out.find("\"yoga\":{"));
    EXPECT_EQ(Field(yoga, "name"), "\"Vyaghata\"");
    EXPECT_NEAR(ClockMinutes(Field(yoga, "ends")), 17 * 60 + 49, 3);
    EXPECT_NEAR(ClockMinutes(Field(run.Out, "sunset")), 17 * 60 + 43, 2);

    // Without a latitude there are no risings or settings.
    const ToolRun noLatitude =
        RunArgs({"2024-01-11", "12:00", "--zone", "5:30", "--lon", "77:13E", "--format", "json"});
    for (const char* field : {"sunrise", "sunset", "moonrise", "moonset"}) {
        EXPECT_EQ(Field(noLatitude.Out, field), "null") << field;
    }
}

TEST(Panchanga, TheAlmanacOfEachLimbIsAnUnbrokenRun) {
    for (const char* limb : {"tithi", "karana", "nakshatra", "yoga"}) {
        const ToolRun run = RunArgs({"--from", "2024-01-01", "--to", "2024-01-10", "--zone", "5:30",
                                     "--lon", "77:13E", "--limb", limb, "--format", "json"});
        ASSERT_EQ(run.Status, 0) << limb << ": " << run.Err;
        const std::vector<std::string> lines = Lines(run.Out);
        EXPECT_GE(lines.size(), 8u) << limb;
        ExpectSpansMeet(
            lines, [](const std::string& line) { return Field(line, "begins"); },
            [](const std::string& line) { return Field(line, "ends"); }, limb);
        for (std::size_t k = 1; k < lines.size(); ++k) {
            EXPECT_NE(Field(lines[k], limb), "(absent)") << lines[k];
        }
    }
    EXPECT_EQ(RunArgs({"--from", "2024-01-01", "--to", "2024-01-10", "--zone", "5:30", "--lon",
                       "77:13E", "--limb", "rashi"})
                  .Status,
              2);
}

} // namespace
