// Tests of kestrava-tithi: the parser of arguments and batch lines, the output formats, the
// exit status, and the real executable run as a user would.
#include "TithiCli.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <sstream>

#ifndef _WIN32
#include <sys/wait.h>
#endif

namespace {

using tithi_cli::MomentArguments;
using tithi_cli::ParseError;

std::vector<std::string> Words(const std::string& line) {
    std::istringstream in(line);
    return {std::istream_iterator<std::string>(in), std::istream_iterator<std::string>()};
}

struct ToolRun {
    int Status;
    std::string Out, Err;
};

ToolRun RunInProcess(const std::string& args, const std::string& input = "") {
    std::istringstream in(input);
    std::ostringstream out, err;
    const int status = tithi_cli::RunCli(Words(args), in, out, err);
    return {status, out.str(), err.str()};
}

// The text of a number field of a JSON line.
std::string JsonNumberText(const std::string& json, const std::string& field) {
    const std::string key = "\"" + field + "\":";
    const auto at = json.find(key);
    if (at == std::string::npos) {
        ADD_FAILURE() << "no " << field << " in " << json;
        return "0";
    }
    const auto start = at + key.size();
    const auto end = json.find_first_not_of("-+.0123456789eE", start);
    return json.substr(start, end - start);
}

double JsonNumber(const std::string& json, const std::string& field) {
    return std::stod(JsonNumberText(json, field));
}

TEST(ParseCommandLine, TakesTheMomentInAnyOrder) {
    const auto parsed = tithi_cli::ParseCommandLine(
        Words("--lon 77:13E --zone=5:30 2024-01-11 --dst 17:05 --lat 28:36s --format json"));
    ASSERT_TRUE(std::holds_alternative<tithi_cli::Invocation>(parsed))
        << std::get<ParseError>(parsed).Message;
    const auto& invocation = std::get<tithi_cli::Invocation>(parsed);
    EXPECT_EQ(invocation.Kind, tithi_cli::Mode::Single);
    EXPECT_EQ(invocation.Format, tithi_cli::OutputFormat::Json);
    const MomentArguments& m = invocation.Moment;
    EXPECT_EQ(m.Year, 2024);
    EXPECT_EQ(m.Month, 1);
    EXPECT_EQ(m.Day, 11);
    EXPECT_EQ(m.Hour, 17);
    EXPECT_EQ(m.Minute, 5);
    EXPECT_EQ(m.ZoneHour, 5);
    EXPECT_EQ(m.ZoneMinute, 30);
    EXPECT_EQ(m.LonDeg, 77);
    EXPECT_EQ(m.LonMin, 13);
    EXPECT_TRUE(m.LonEast);
    EXPECT_EQ(m.LatDeg, 28);
    EXPECT_EQ(m.LatMin, 36);
    EXPECT_TRUE(m.LatSouth);
    EXPECT_TRUE(m.Dst);
}

TEST(ParseCommandLine, WestAndWholeDegrees) {
    const auto parsed = tithi_cli::ParseCommandLine(Words("2000-02-29 0:00 --zone 5 --lon 74w"));
    ASSERT_TRUE(std::holds_alternative<tithi_cli::Invocation>(parsed));
    const MomentArguments& m = std::get<tithi_cli::Invocation>(parsed).Moment;
    EXPECT_EQ(m.ZoneMinute, 0);
    EXPECT_EQ(m.LonDeg, 74);
    EXPECT_EQ(m.LonMin, 0);
    EXPECT_FALSE(m.LonEast);
    EXPECT_FALSE(m.Dst);
}

struct RejectCase {
    const char* Args;
    const char* Names; // what the message must contain
};

std::ostream& operator<<(std::ostream& os, const RejectCase& c) {
    return os << c.Args;
}

class RejectedArguments : public testing::TestWithParam<RejectCase> {};

TEST_P(RejectedArguments, NamedOnOneLineWithStatusTwo) {
    const RejectCase& c = GetParam();
    const ToolRun run = RunInProcess(c.Args);
    EXPECT_EQ(run.Status, 2);
    EXPECT_EQ(run.Out, "");
    EXPECT_NE(run.Err.find(c.Names), std::string::npos) << "message: " << run.Err;
    EXPECT_EQ(std::count(run.Err.begin(), run.Err.end(), '\n'), 1) << "message: " << run.Err;
}

#define MOMENT " 12:00 --zone 5:30 --lon 77E"
INSTANTIATE_TEST_SUITE_P(
    Moments, RejectedArguments,
    testing::Values(RejectCase{"", "DATE"}, RejectCase{"2024-01-11", "TIME"},
                    RejectCase{"2024-01-11 12:00 --lon 77E", "--zone"},
                    RejectCase{"2024-01-11 12:00 --zone 5", "--lon"},
                    RejectCase{"2023-02-29" MOMENT, "DATE '2023-02-29'"},
                    RejectCase{"2024-04-31" MOMENT, "DATE '2024-04-31'"},
                    RejectCase{"1900-12-31" MOMENT, "DATE '1900-12-31'"},
                    RejectCase{"2051-01-01" MOMENT, "DATE '2051-01-01'"},
                    RejectCase{"2024-13-01" MOMENT, "DATE"}, RejectCase{"24-01-11" MOMENT, "DATE"},
                    RejectCase{"2024/01/11" MOMENT, "DATE"},

                    RejectCase{"2024-01-11 24:00 --zone 5 --lon 77E", "TIME '24:00'"},
                    RejectCase{"2024-01-11 10:60 --zone 5 --lon 77E", "TIME '10:60'"},
                    RejectCase{"2024-01-11 10 --zone 5 --lon 77E", "TIME '10'"},
                    RejectCase{"2024-01-11 10:00:30 --zone 5 --lon 77E", "TIME"},
                    RejectCase{"2024-01-11 12:00 --zone 5:60 --lon 77E", "--zone '5:60'"},
                    RejectCase{"2024-01-11 12:00 --zone -5 --lon 77E", "--zone '-5'"},
                    RejectCase{"2024-01-11 12:00 --zone 5.5 --lon 77E", "--zone '5.5'"},
                    RejectCase{"2024-01-11 12:00 --zone nan --lon 77E", "--zone 'nan'"},

                    RejectCase{"2024-01-11 12:00 --zone 99999999999999999999 --lon 77E", "--zone"},
                    RejectCase{"2024-01-11 12:00 --zone 5 --lon 77", "--lon '77'"},
                    RejectCase{"2024-01-11 12:00 --zone 5 --lon 181E", "--lon '181E'"},
                    RejectCase{"2024-01-11 12:00 --zone 5 --lon 180:01W", "--lon '180:01W'"},

                    RejectCase{"2024-01-11 12:00 --zone 5 --lon 1e308E", "--lon '1e308E'"},

                    RejectCase{"2024-01-11 12:00 --zone 5 --lon -77E", "--lon '-77E'"},
                    RejectCase{"2024-01-11 12:00 --zone 5 --lon 77N", "--lon '77N'"},
                    RejectCase{"2024-01-11 12:00 --zone 5 --lon 77E --lat 91N", "--lat '91N'"},

                    RejectCase{"2024-01-11" MOMENT " --format xml", "--format 'xml'"},
                    RejectCase{"2024-01-11" MOMENT " --colour", "'--colour'"},
                    RejectCase{"2024-01-11" MOMENT " --zone 5", "--zone"},
                    RejectCase{"2024-01-11" MOMENT " 13:00", "'13:00'"},

                    RejectCase{"2024-01-11 12:00 --lon 77E --zone", "--zone"},
                    RejectCase{"2024-01-11 12:00 --zone --lon 77E", "--zone needs a value"},
                    RejectCase{"--batch 2024-01-11", "'2024-01-11'"},
                    RejectCase{"--batch --zone 5", "--zone"},
                    RejectCase{"--batch --format text", "--format"}));
#undef MOMENT

#define PLACE " --zone 5:30 --lon 77E"
INSTANTIATE_TEST_SUITE_P(
    Almanacs, RejectedArguments,
    testing::Values(RejectCase{"--from 2024-02-01 --to 2024-01-31" PLACE,
                               "--to '2024-01-31' comes before --from '2024-02-01'"},
                    RejectCase{"--from 1900-12-31 --to 1901-01-31" PLACE, "--from '1900-12-31'"},
                    RejectCase{"--from 2050-12-01 --to 2051-01-01" PLACE, "--to '2051-01-01'"},
                    RejectCase{"--from 2023-02-29 --to 2023-03-01" PLACE, "--from '2023-02-29'"},
                    RejectCase{"--from 2024-01-01" PLACE, "--to is missing"},
                    RejectCase{"--to 2024-01-01" PLACE, "--from is missing"},
                    RejectCase{"--from 2024-01-01 --to 2024-01-02 --lon 77E", "--zone"},
                    RejectCase{"--from 2024-01-01 --to 2024-01-02 --from 2024-01-01" PLACE,
                               "--from is given twice"},
                    RejectCase{"2024-01-11 12:00 --from 2024-01-01 --to 2024-01-02" PLACE,
                               "'2024-01-11'"},
                    RejectCase{"--batch --from 2024-01-01 --to 2024-01-02", "--batch"}));
#undef PLACE

TEST(ParseBatchLine, BlankLinesCarryNoMoment) {
    for (const char* line : {"", "   ", "\t", "\r", "  \t \r"}) {
        EXPECT_TRUE(std::holds_alternative<std::monostate>(tithi_cli::ParseBatchLine(line)))
            << '"' << line << '"';
    }
}

TEST(ParseBatchLine, TabsAndWindowsLineEnds) {
    const auto parsed = tithi_cli::ParseBatchLine("2024-01-11\t17:00  --zone 5:30\t--lon 77E\r");
    ASSERT_TRUE(std::holds_alternative<MomentArguments>(parsed));
    EXPECT_EQ(std::get<MomentArguments>(parsed).Minute, 0);
}

TEST(ParseBatchLine, AnAlmanacIsNotALineOfABatch) {
    const auto parsed =
        tithi_cli::ParseBatchLine("2024-01-11 12:00 --zone 5 --lon 77E --from 2024-01-01");
    ASSERT_TRUE(std::holds_alternative<ParseError>(parsed));
    EXPECT_EQ(std::get<ParseError>(parsed).Message, "--from: not on a line of a batch");
}

TEST(ParseBatchLine, AnyBytesAreRejectedCleanly) {
    const std::string odd[] = {std::string("2024-01-11\0 12:00", 17),
                               "\xff\xfe\xfd",
                               "--zone",
                               "--",
                               "-",
                               "2024-01-11 12:00 --zone 5 --lon \xc3\x89",
                               std::string(10000, '9'),
                               "--help",
                               "--batch"};
    for (const std::string& line : odd) {
        EXPECT_TRUE(std::holds_alternative<ParseError>(tithi_cli::ParseBatchLine(line))) << line;
    }
}

TEST(RunCli, MessagesShowOddArgumentsOnOneShortLine) {
    const ToolRun run =
        RunInProcess("--batch", "2024-01-11\x1b[2J\r12:00 --zone 5 --lon 77E\n" +
                                    std::string(5000, '7') + " 12:00 --zone 5 --lon 77E\n");
    EXPECT_EQ(run.Err, "kestrava-tithi: line 1: DATE '2024-01-11?[2J?12:00': expected "
                       "YYYY-MM-DD, e.g. 2024-01-11\nkestrava-tithi: line 2: DATE '" +
                           std::string(40, '7') + "...': expected YYYY-MM-DD, e.g. 2024-01-11\n");
}

TEST(RunCli, JsonOfThePublishedNewMoonExample) {
    const ToolRun run = RunInProcess("2024-01-11 17:00 --zone 5:30 --lon 77E --format json");
    EXPECT_EQ(run.Status, 0);
    EXPECT_EQ(run.Err, "");
    EXPECT_NE(run.Out.find("{\"index\":29,\"number\":\"15\",\"name\":\"AMAVASYA\""),
              std::string::npos)
        << run.Out;
    EXPECT_NEAR(JsonNumber(run.Out, "elongation"), 359.74, 0.005) << run.Out;
    // The Moon and the Sun (both apparent, of date) differ by the elongation.
    EXPECT_NEAR(JsonNumber(run.Out, "moon") + 360 - JsonNumber(run.Out, "sun"),
                JsonNumber(run.Out, "elongation"), 1e-9);
    // 2024-01-11 11:30 UT, plus Delta T from the parabola 25.5 T^2 - 39 s: T = 2.240218
    // centuries from 1800, 88.974 s.
    EXPECT_NEAR(JsonNumber(run.Out, "jde"), 2460320.5 + 11.5 / 24 + 88.974 / 86400, 1e-7)
        << run.Out;
    // Seventeen significant digits: seven before the point, ten after.
    const std::string jde = JsonNumberText(run.Out, "jde");
    EXPECT_EQ(jde.size(), 18u) << jde;
    EXPECT_EQ(jde.rfind("2460320.", 0), 0u) << jde;
    EXPECT_EQ(run.Out.back(), '\n');
    EXPECT_EQ(std::count(run.Out.begin(), run.Out.end(), '\n'), 1);
}

TEST(RunCli, CsvHasAHeaderAndOneRow) {
    const ToolRun run = RunInProcess("2024-01-25 15:00 --zone 5 --lon 74W --format csv");
    EXPECT_EQ(run.Status, 0);
    std::istringstream lines(run.Out);
    std::string header, row, extra;
    std::getline(lines, header);
    std::getline(lines, row);
    EXPECT_FALSE(std::getline(lines, extra));
    EXPECT_EQ(header, "index,number,name,phase,lord,group,features,nature,type,description,"
                      "moon,sun,elongation,jde,begins,ends,sunrise,sunrise_tithi,karana");
    // The paragraph holds commas, so it is quoted.
    EXPECT_EQ(row.rfind("15,1,PRATIPADA,Krishna,Agni,Nanda,Vriddhi (Increase),", 0), 0) << row;
    EXPECT_NE(row.find(",Auspicious,\"Time the most powerful factor"), std::string::npos) << row;
}

TEST(RunCli, TextShowsTheReportWithCaptions) {
    const ToolRun run = RunInProcess("2000-01-21 04:40 --zone 0 --lon 0E");
    EXPECT_EQ(run.Status, 0);
    for (const char* line :
         {"Tithi Number    0\n", "Tithi Name      PURNIMA\n", "Tithi Phase     Shukla\n",
          "Tithi Lord      Moon\n", "Tithi Group     Poorna\n", "Tithi Features  Sober\n",
          "Tithi Nature    This is a day to perform austere rituals.\n",
          "Tithi Type      Auspicious\n", "welfare & happiness of the native.\n",
          "Tithi Index     14\n"}) {
        EXPECT_NE(run.Out.find(line), std::string::npos) << "no " << line << "in\n" << run.Out;
    }
}

TEST(RunCli, BatchRunsEveryGoodLineAndNamesTheBadOnes) {
    const std::string input = "2000-01-06 18:14 --zone 0 --lon 0E\n"
                              "\n"
                              "2023-02-29 10:00 --zone 5 --lon 7E\n"
                              "2000-01-21 05:00 --zone 0 --lon 0W --format csv\n"
                              "2024-01-25 10:00 --zone 5 --lon 74W\r\n";
    const ToolRun run = RunInProcess("--batch", input);
    EXPECT_EQ(run.Status, 2);
    EXPECT_EQ(run.Err, "kestrava-tithi: line 3: DATE '2023-02-29': February 2023 has days 1 "
                       "to 28\nkestrava-tithi: line 4: --format: a batch has one format, "
                       "given on the command line\n");
    std::istringstream lines(run.Out);
    std::string first, second, extra;
    std::getline(lines, first);
    std::getline(lines, second);
    EXPECT_FALSE(std::getline(lines, extra));
    EXPECT_EQ(first.rfind("{\"index\":0,", 0), 0) << first;
    EXPECT_EQ(second.rfind("{\"index\":14,", 0), 0) << second;
    EXPECT_NEAR(JsonNumber(second, "elongation"), 178.65, 0.005);
}

TEST(RunCli, BatchOfGoodLinesSucceedsWithOneCsvHeader) {
    const ToolRun run =
        RunInProcess("--format=csv --batch", "2000-01-21 04:40 --zone 0 --lon 0E\n"
                                             "2000-01-21 05:00 --zone 0 --lon 0E\n");
    EXPECT_EQ(run.Status, 0);
    EXPECT_EQ(run.Err, "");
    std::istringstream lines(run.Out);
    std::string line;
    std::vector<std::string> rows;
    while (std::getline(lines, line)) {
        rows.push_back(line);
    }
    ASSERT_EQ(rows.size(), 3u) << run.Out;
    EXPECT_EQ(rows[0].rfind("index,", 0), 0);
    EXPECT_EQ(rows[1].rfind("14,0,PURNIMA,", 0), 0);
    EXPECT_EQ(rows[2].rfind("15,1,PRATIPADA,", 0), 0);
}

TEST(RunCli, HelpDocumentsEveryArgument) {
    const ToolRun run = RunInProcess("--help");
    EXPECT_EQ(run.Status, 0);
    for (const char* word :
         {"DATE", "TIME", "--zone", "--lon", "--lat", "--dst", "--format", "--batch", "--from",
          "--to", "json", "csv", "Exit status", "begins", "sunrise_tithi", "karana"}) {
        EXPECT_NE(run.Out.find(word), std::string::npos) << word;
    }
}

TEST(RunCli, WriteFailureIsNotSuccess) {
    std::istringstream in;
    std::ostringstream out, err;
    out.setstate(std::ios::badbit);
    EXPECT_EQ(tithi_cli::RunCli(Words("2000-01-01 12:00 --zone 0 --lon 0E"), in, out, err), 1);
    EXPECT_NE(err.str().find("could not be written"), std::string::npos);
}

// The text of a string field of a JSON line; "null" for a null.
std::string JsonText(const std::string& json, const std::string& field) {
    const std::string key = "\"" + field + "\":";
    const auto at = json.find(key);
    if (at == std::string::npos) {
        ADD_FAILURE() << "no " << field << " in " << json;
        return {};
    }
    const auto start = at + key.size();
    if (json.compare(start, 4, "null") == 0) {
        return "null";
    }
    return json.substr(start + 1, json.find('"', start + 1) - start - 1);
}

// An ISO 8601 instant with its offset, 2024-01-11T17:27:03+05:30, as seconds from 2000-01-01
// 0h Universal Time; nothing if it is not of that shape.
std::optional<long> IsoSeconds(const std::string& iso) {
    int y, mo, d, h, mi, s, oh, om;
    char sign;
    if (iso.size() != 25 ||
        std::sscanf(iso.c_str(), "%4d-%2d-%2dT%2d:%2d:%2d%c%2d:%2d", &y, &mo, &d, &h, &mi, &s,
                    &sign, &oh, &om) != 9 ||
        (sign != '+' && sign != '-')) {
        return std::nullopt;
    }
    // Days from 2000-01-01 of the Gregorian calendar (March-based year).
    const int a = mo <= 2 ? 1 : 0;
    const long yy = y - a;
    const long mm = mo + 12 * a - 3;
    const long days = 365 * yy + yy / 4 - yy / 100 + yy / 400 + (153 * mm + 2) / 5 + d - 730426;
    const long offset = (sign == '+' ? 1 : -1) * (oh * 3600L + om * 60L);
    return days * 86400 + h * 3600L + mi * 60L + s - offset;
}

long Seconds(int y, int mo, int d, int h, int mi, double s = 0) {
    char iso[32];
    std::snprintf(iso, sizeof iso, "%04d-%02d-%02dT%02d:%02d:%02d+00:00", y, mo, d, h, mi,
                  static_cast<int>(s));
    return IsoSeconds(iso).value_or(0);
}

// Delhi an hour after the new moon of 11 January 2024 (published: 11:57 UT). Sunrise: 01:45:08 UT
// (07:15:08 Indian time) from the Swiss Ephemeris with the -0 deg 50' horizon, computed
// separately; the almanacs print the day as Paush Amavasya.
TEST(RunCli, BeginEndSunriseAndKaranaOfAMoment) {
    const ToolRun run =
        RunInProcess("2024-01-11 18:30 --zone 5:30 --lon 77:13E --lat 28:36N --format json");
    ASSERT_EQ(run.Status, 0) << run.Err;
    const std::string begins = JsonText(run.Out, "begins");
    const std::string ends = JsonText(run.Out, "ends");
    const std::string sunrise = JsonText(run.Out, "sunrise");
    for (const std::string& iso : {begins, ends, sunrise}) {
        ASSERT_TRUE(IsoSeconds(iso).has_value()) << iso;
        EXPECT_EQ(iso.substr(19), "+05:30") << iso;
    }
    EXPECT_NEAR(*IsoSeconds(begins), Seconds(2024, 1, 11, 11, 57), 120) << begins;
    // Shukla Pratipada ends at 08:53:53 UT on the 12th (the same ephemeris).
    EXPECT_NEAR(*IsoSeconds(ends), Seconds(2024, 1, 12, 8, 53, 53), 60) << ends;
    EXPECT_NEAR(*IsoSeconds(sunrise), Seconds(2024, 1, 11, 1, 45, 8), 10) << sunrise;
    EXPECT_EQ(JsonText(run.Out, "sunrise_tithi"), "Amavasya");
    EXPECT_EQ(JsonText(run.Out, "karana"), "Kimstughna");
}

// The clock's offset follows the hemisphere rule and daylight saving; without --lat there is no
// sunrise, and in the polar day none either.
TEST(RunCli, OffsetsAndMissingSunrises) {
    const struct {
        const char* Args;
        const char* Offset;
        const char* Sunrise; // "null", or "" for an instant
    } cases[] = {
        {"2024-01-25 15:00 --zone 5 --lon 74W --lat 40:43N", "-05:00", ""},
        {"2024-01-25 15:00 --zone 5 --lon 74W --lat 40:43N --dst", "-04:00", ""},
        {"2024-01-25 15:00 --zone 0 --lon 0E --lat 51:30N --dst", "+01:00", ""},
        {"2024-01-25 15:00 --zone 9:30 --lon 138:36E --lat 34:56S", "+09:30", ""},
        {"2024-01-25 15:00 --zone 5 --lon 74W", "-05:00", "null"},
        {"2024-06-21 12:00 --zone 1 --lon 18:57E --lat 69:39N", "+01:00", "null"},
    };
    for (const auto& c : cases) {
        const ToolRun run = RunInProcess(std::string(c.Args) + " --format json");
        ASSERT_EQ(run.Status, 0) << c.Args << ": " << run.Err;
        EXPECT_EQ(JsonText(run.Out, "begins").substr(19), c.Offset) << c.Args;
        EXPECT_EQ(JsonText(run.Out, "ends").substr(19), c.Offset) << c.Args;
        const std::string sunrise = JsonText(run.Out, "sunrise");
        if (std::string(c.Sunrise) == "null") {
            EXPECT_EQ(sunrise, "null") << c.Args;
            EXPECT_EQ(JsonText(run.Out, "sunrise_tithi"), "null") << c.Args;
        } else {
            EXPECT_EQ(sunrise.substr(19), c.Offset) << c.Args;
        }
    }
    // The text says why.
    const ToolRun polar = RunInProcess("2024-06-21 12:00 --zone 1 --lon 18:57E --lat 69:39N");
    EXPECT_NE(polar.Out.find("Sunrise         No sunrise this date: the Sun stays above the "
                             "horizon all day (polar day)\n"),
              std::string::npos)
        << polar.Out;
    const ToolRun noLatitude = RunInProcess("2024-06-21 12:00 --zone 1 --lon 18:57E");
    EXPECT_NE(noLatitude.Out.find("Sunrise         not computed: give --lat\n"), std::string::npos)
        << noLatitude.Out;
}

std::vector<std::string> Lines(const std::string& text) {
    std::istringstream in(text);
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);) {
        lines.push_back(line);
    }
    return lines;
}

// January 2024 at Delhi: about 31 days of tithis, each ending where the next begins; the new
// moon (11:57 UT on the 11th) begins Shukla Pratipada and the full moon (17:54 UT on the 25th)
// Krishna Pratipada.
TEST(RunCli, AlmanacOfAMonth) {
    const std::string place = " --zone 5:30 --lon 77:13E --lat 28:36N";
    const ToolRun run = RunInProcess("--from 2024-01-01 --to 2024-01-31 --format json" + place);
    ASSERT_EQ(run.Status, 0) << run.Err;
    const std::vector<std::string> lines = Lines(run.Out);
    ASSERT_NEAR(static_cast<double>(lines.size()), 31 / 29.530589 * 30, 1.5) << run.Out;
    const long from = Seconds(2023, 12, 31, 18, 30); // midnight in Delhi
    const long to = Seconds(2024, 1, 31, 18, 30);
    int newMoons = 0, fullMoons = 0;
    for (std::size_t k = 0; k < lines.size(); ++k) {
        const auto begins = IsoSeconds(JsonText(lines[k], "begins"));
        const auto ends = IsoSeconds(JsonText(lines[k], "ends"));
        ASSERT_TRUE(begins && ends) << lines[k];
        EXPECT_GE(*begins, from) << lines[k];
        EXPECT_LE(*begins, to) << lines[k];
        EXPECT_GT(*ends, *begins) << lines[k];
        if (k > 0) {
            EXPECT_EQ(JsonText(lines[k], "begins"), JsonText(lines[k - 1], "ends"));
            EXPECT_EQ(JsonNumber(lines[k], "index"),
                      std::fmod(JsonNumber(lines[k - 1], "index") + 1, 30));
        }
        if (JsonNumber(lines[k], "index") == 0) {
            ++newMoons;
            EXPECT_EQ(JsonText(lines[k], "tithi"), "Shukla Pratipada");
            EXPECT_NEAR(*begins, Seconds(2024, 1, 11, 11, 57), 120) << lines[k];
        }
        if (JsonNumber(lines[k], "index") == 15) {
            ++fullMoons;
            EXPECT_NEAR(*begins, Seconds(2024, 1, 25, 17, 54), 120) << lines[k];
        }
    }
    EXPECT_EQ(newMoons, 1);
    EXPECT_EQ(fullMoons, 1);

    // The first of them as text and as a CSV row after the header.
    const std::vector<std::string> text =
        Lines(RunInProcess("--from 2024-01-01 --to 2024-01-31" + place).Out);
    const std::vector<std::string> csv =
        Lines(RunInProcess("--from=2024-01-01 --to=2024-01-31 --format csv" + place).Out);
    ASSERT_EQ(text.size(), lines.size());
    ASSERT_EQ(csv.size(), lines.size() + 1);
    const std::string begins = JsonText(lines[0], "begins"), ends = JsonText(lines[0], "ends");
    const std::string index = JsonNumberText(lines[0], "index"),
                      tithi = JsonText(lines[0], "tithi");
    EXPECT_EQ(text[0], begins + "  " + ends + "  " + index + "  " + tithi);
    EXPECT_EQ(csv[0], "index,tithi,begins,ends");
    EXPECT_EQ(csv[1], index + ',' + tithi + ',' + begins + ',' + ends);
}

// The real executable, with standard input, output and error in files.
ToolRun RunExecutable(const std::string& args, const std::string& input) {
    namespace fs = std::filesystem;
    const fs::path dir =
        fs::temp_directory_path() / ("kestrava-cli-test-" + std::to_string(std::rand()) + "-" +
                                     testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::create_directories(dir);
    std::ofstream(dir / "in") << input;
    const std::string command = std::string("\"") + KESTRAVA_TITHI_EXECUTABLE + "\" " + args +
                                " < \"" + (dir / "in").string() + "\" > \"" +
                                (dir / "out").string() + "\" 2> \"" + (dir / "err").string() + "\"";
    int status = std::system(command.c_str());
#ifndef _WIN32
    status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
#endif
    auto slurp = [](const fs::path& path) {
        std::ifstream file(path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(file), {});
    };
    ToolRun run{status, slurp(dir / "out"), slurp(dir / "err")};
    fs::remove_all(dir);
    return run;
}

TEST(Executable, AnswersLikeTheLibrary) {
    const std::string args = "2024-01-11 18:30 --zone 5:30 --lon 77E --format json";
    const ToolRun real = RunExecutable(args, "");
    EXPECT_EQ(real.Status, 0) << real.Err;
    EXPECT_EQ(real.Out, RunInProcess(args).Out);
    EXPECT_NEAR(JsonNumber(real.Out, "elongation"), 0.60, 0.005) << real.Out;
}

TEST(Executable, AlmanacOfTheWholeRange) {
    const ToolRun run =
        RunExecutable("--from 1901-01-01 --to 2050-12-31 --zone 0 --lon 0E --format csv", "");
    EXPECT_EQ(run.Status, 0) << run.Err;
    // 54,787 days of a synodic month in thirty tithis, and the header.
    EXPECT_NEAR(static_cast<double>(std::count(run.Out.begin(), run.Out.end(), '\n')),
                54787 / 29.530589 * 30 + 1, 2);
}

TEST(Executable, BatchFromStandardInput) {
    const ToolRun run =
        RunExecutable("--batch --format csv", "2000-01-21 05:00 --zone 0 --lon 0E\n"
                                              "2000-01-21 25:00 --zone 0 --lon 0E\n");
    EXPECT_EQ(run.Status, 2);
    EXPECT_EQ(run.Err, "kestrava-tithi: line 2: TIME '25:00': the hour must be 0 to 23\n");
    EXPECT_EQ(std::count(run.Out.begin(), run.Out.end(), '\n'), 2) << run.Out;
}

} // namespace
