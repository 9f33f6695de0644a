// SPDX-License-Identifier: MIT
// Tests of the tool's periods of a day: the almanacs' rules applied here, by hand, to the tool's
// own sunrise and sunset (and the next date's sunrise) for weeks of days at three places, each
// period within a second; the polar day's periods not defined; the CSV's columns.
#include "ToolRuns.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <regex>

namespace {

// "2024-01-11T17:42:33+05:30" as seconds of Universal Time from 2000-01-01; NaN for another text.
double Seconds(const std::string& iso) {
    int y, mo, d, h, mi, s, oh, om;
    char sign;
    if (std::sscanf(iso.c_str(), "%d-%d-%dT%d:%d:%d%c%d:%d", &y, &mo, &d, &h, &mi, &s, &sign, &oh,
                    &om) != 9)
        return std::nan("");
    // Days from 2000-01-01 of the proleptic Gregorian calendar.
    const int a = (14 - mo) / 12, yy = y + 4800 - a, mm = mo + 12 * a - 3;
    const long days =
        d + (153 * mm + 2) / 5 + 365L * yy + yy / 4 - yy / 100 + yy / 400 - 32045 - 2451545;
    const int offset = (sign == '-' ? -1 : 1) * (oh * 3600 + om * 60);
    return days * 86400.0 + h * 3600 + mi * 60 + s - offset;
}

std::string Text(const std::string& json, const std::string& pattern) {
    std::smatch match;
    return std::regex_search(json, match, std::regex(pattern)) ? match[1].str() : "";
}

// A period's begin or end, from its {"begins", "ends"} member.
double Instant(const std::string& json, const std::string& key, bool begins) {
    std::smatch m;
    const std::regex period("\"" + key + "\":\\{\"begins\":\"([^\"]*)\",\"ends\":\"([^\"]*)\"");
    return std::regex_search(json, m, period) ? Seconds(m[begins ? 1 : 2].str()) : std::nan("");
}

// The list of names of the choghadiyas (each followed by its quality) or the lords of the horas,
// in order.
std::vector<std::string> Names(const std::string& json, const std::string& key) {
    std::vector<std::string> names;
    const std::regex item("\\{\"" + key + "\":\"([A-Za-z]+)\"" +
                          (key == "name" ? ",\"quality\"" : ",\"begins\""));
    for (auto it = std::sregex_iterator(json.begin(), json.end(), item);
         it != std::sregex_iterator(); ++it)
        names.push_back((*it)[1].str());
    return names;
}

// The fields of a CSV row: commas outside quotes, plus one.
int Fields(const std::string& row) {
    int fields = 1;
    bool quoted = false;
    for (const char c : row) {
        if (c == '"')
            quoted = !quoted;
        else if (c == ',' && !quoted)
            ++fields;
    }
    return fields;
}

// The rules as the almanacs print them, for the check here: the eighths of rahu kalam,
// yamaganda and gulika from Sunday; the weekday's first choghadiya; the Chaldean order of the
// horas from the Sun.
constexpr int Rahu[7] = {8, 2, 7, 5, 6, 4, 3};
constexpr int Yamaganda[7] = {5, 4, 3, 2, 1, 7, 6};
constexpr int Gulika[7] = {7, 6, 5, 4, 3, 2, 1};
const char* const ChoghadiyaRound[7] = {"Udveg", "Char", "Labh", "Amrit", "Kaal", "Shubh", "Rog"};
constexpr int FirstChoghadiya[7] = {0, 3, 6, 2, 5, 1, 4}; // Sunday Udveg, Monday Amrit ...
const char* const Chaldean[7] = {"Sun", "Venus", "Mercury", "Moon", "Saturn", "Jupiter", "Mars"};
const char* const WeekdayLords[7] = {"Sun",     "Moon",  "Mars",  "Mercury",
                                     "Jupiter", "Venus", "Saturn"};
const char* const Varas[7] = {"Ravivara", "Somavara",   "Mangalavara", "Budhavara",
                              "Guruvara", "Shukravara", "Shanivara"};

TEST(DayPeriodsOfTheTool, FollowTheRulesFromTheToolsOwnSunriseAndSunset) {
    const std::vector<std::vector<std::string>> places = {
        {"--zone", "5:30", "--lon", "77:13E", "--lat", "28:36N"},
        {"--tz", "America/New_York", "--lon", "74:00W", "--lat", "40:43N"},
        {"--place", "Sydney, Australia"},
    };
    for (const auto& place : places) {
        std::string previous;
        for (int day = 1; day <= 8; ++day) {
            char date[16];
            std::snprintf(date, sizeof date, "2025-03-%02d", day);
            std::vector<std::string> args = {date, "12:00"};
            args.insert(args.end(), place.begin(), place.end());
            args.insert(args.end(), {"--format", "json"});
            const ToolRun run = RunArgs(args);
            ASSERT_EQ(run.Status, 0) << run.Err;
            const std::string json = run.Out;
            if (!previous.empty()) {
                // The previous date's day ends at this date's sunrise.
                const double rise = Seconds(Text(previous, "\"sunrise\":\"([^\"]*)\""));
                const double set = Seconds(Text(previous, "\"sunset\":\"([^\"]*)\""));
                const double next = Seconds(Text(json, "\"sunrise\":\"([^\"]*)\""));
                const std::string vara = Text(previous, "\"vara\":\"([A-Za-z]+)\"");
                const int v = static_cast<int>(std::find(Varas, Varas + 7, vara) - Varas);
                ASSERT_LT(v, 7) << vara;
                const double daytime = set - rise, night = next - set;
                const std::string at = place[1] + " " + std::to_string(day - 1) + " March";
                auto expect = [&](const char* key, double begins, double ends) {
                    EXPECT_NEAR(Instant(previous, key, true), begins, 1.0) << key << ", " << at;
                    EXPECT_NEAR(Instant(previous, key, false), ends, 1.0) << key << ", " << at;
                };
                expect("rahu_kalam", rise + daytime / 8 * (Rahu[v] - 1),
                       rise + daytime / 8 * Rahu[v]);
                expect("yamaganda", rise + daytime / 8 * (Yamaganda[v] - 1),
                       rise + daytime / 8 * Yamaganda[v]);
                expect("gulika_kalam", rise + daytime / 8 * (Gulika[v] - 1),
                       rise + daytime / 8 * Gulika[v]);
                expect("abhijit", rise + daytime / 15 * 7, rise + daytime / 15 * 8);
                expect("brahma_muhurta", next - night / 15 * 2, next - night / 15);
                expect("nishita", set + night / 15 * 7, set + night / 15 * 8);
                expect("pradosha", set, set + night / 5);
                const std::vector<std::string> choghadiya = Names(previous, "name");
                ASSERT_EQ(choghadiya.size(), 16u) << at;
                for (int k = 0; k < 8; ++k) {
                    EXPECT_EQ(choghadiya[k], ChoghadiyaRound[(FirstChoghadiya[v] + k) % 7]) << at;
                    EXPECT_EQ(choghadiya[8 + k],
                              ChoghadiyaRound[(FirstChoghadiya[v] + 5 + 5 * k) % 7])
                        << at;
                }
                const std::vector<std::string> horas = Names(previous, "lord");
                ASSERT_EQ(horas.size(), 24u) << at;
                const int sun = static_cast<int>(
                    std::find(Chaldean, Chaldean + 7, std::string(WeekdayLords[v])) - Chaldean);
                for (int k = 0; k < 24; ++k)
                    EXPECT_EQ(horas[k], Chaldean[(sun + k) % 7]) << "hora " << k + 1 << ", " << at;
            }
            previous = json;
        }
    }
}

// Tromsø at midsummer: the Sun does not set; the periods are said not to be defined, and the
// facts that need no sunrise are still given.
TEST(DayPeriodsOfTheTool, NotDefinedOnAPolarDay) {
    const ToolRun run =
        RunInProcess("2025-06-21 12:00 --zone 1 --lon 18:57E --lat 69:39N --format json");
    ASSERT_EQ(run.Status, 0) << run.Err;
    EXPECT_NE(run.Out.find("\"muhurta\":null,\"choghadiya\":null,\"hora\":null"),
              std::string::npos);
    EXPECT_NE(Text(run.Out, "\"periods_note\":\"([^\"]*)\"").find("polar day"), std::string::npos);
    EXPECT_EQ(Text(run.Out, "\"sun_rashi\":\"([A-Za-z]+)\""), "Mithuna");
    const ToolRun text = RunInProcess("2025-06-21 12:00 --zone 1 --lon 18:57E --lat 69:39N");
    EXPECT_NE(text.Out.find("Periods         not defined"), std::string::npos) << text.Out;
    EXPECT_EQ(text.Out.find("Rahu Kalam"), std::string::npos);
}

// The CSV row has a field for every column of its header, periods or none, the new columns after
// the old; the text names each period.
TEST(DayPeriodsOfTheTool, CsvColumnsAndTextLines) {
    for (const char* line : {"2024-01-11 17:00 --zone 5:30 --lon 77:13E --lat 28:36N --format csv",
                             "2025-06-21 12:00 --zone 1 --lon 18:57E --lat 69:39N --format csv"}) {
        const ToolRun run = RunInProcess(line);
        ASSERT_EQ(run.Status, 0) << run.Err;
        const std::vector<std::string> rows = Lines(run.Out);
        ASSERT_EQ(rows.size(), 2u);
        EXPECT_NE(rows[0].find(",rahu_kalam_begins,rahu_kalam_ends,"), std::string::npos);
        EXPECT_NE(rows[0].find(",moon_illumination,moon_rashi,"), std::string::npos);
        EXPECT_NE(rows[0].find(",ayanamsa,zone,utc_offset,rahu_kalam_begins,"), std::string::npos);
        EXPECT_EQ(Fields(rows[0]), Fields(rows[1])) << line;
    }
    const ToolRun text = RunInProcess("2024-01-11 17:00 --zone 5:30 --lon 77:13E --lat 28:36N");
    for (const char* caption :
         {"Rahu Kalam", "Yamaganda", "Gulika Kalam", "Abhijit", "Brahma Muhurta", "Choghadiya D1",
          "Hora 24", "Moon Rashi", "Samvatsara", "Kali Year"})
        EXPECT_NE(text.Out.find(std::string("\n") + caption + " "), std::string::npos) << caption;
}

} // namespace
