// SPDX-License-Identifier: MIT
// Tests of kestrava-tithi: the parser of arguments and batch lines, the output formats, the
// exit status, and the real executable run as a user would.
#include "ToolRuns.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
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

// A field of a JSON line: a number or null as written, a string without its quotes.
std::string Json(const std::string& json, const std::string& field) {
    const std::string key = "\"" + field + "\":";
    const auto at = json.find(key);
    if (at == std::string::npos) {
        ADD_FAILURE() << "no " << field << " in " << json;
        return "0";
    }
    const auto start = at + key.size();
    if (json[start] == '"')
        return json.substr(start + 1, json.find('"', start + 1) - start - 1);
    return json.substr(start, json.find_first_of(",}", start) - start);
}

double JsonNumber(const std::string& json, const std::string& field) {
    return std::stod(Json(json, field));
}

// Seconds of a date and time of the Gregorian calendar since 1970-01-01 0h.
long Seconds(int y, unsigned mo, unsigned d, int h, int mi, int s = 0) {
    const std::chrono::sys_days day{std::chrono::year{y} / mo / d};
    return std::chrono::duration_cast<std::chrono::seconds>(day.time_since_epoch()).count() +
           h * 3600L + mi * 60L + s;
}

// An ISO 8601 instant with its offset, 2024-01-11T17:27:03+05:30, as seconds of Universal Time
// since 1970-01-01 0h; nothing if it is not of that shape.
std::optional<long> IsoSeconds(const std::string& iso) {
    int y, mo, d, h, mi, s, oh, om;
    char sign;
    if (iso.size() != 25 ||
        std::sscanf(iso.c_str(), "%4d-%2d-%2dT%2d:%2d:%2d%c%2d:%2d", &y, &mo, &d, &h, &mi, &s,
                    &sign, &oh, &om) != 9 ||
        (sign != '+' && sign != '-'))
        return std::nullopt;
    return Seconds(y, mo, d, h, mi, s) - (sign == '+' ? 1 : -1) * (oh * 3600L + om * 60L);
}

// Options and the two positional arguments in any order, "=" or a blank before a value, the
// letters of the directions in either case, and whole degrees and hours.
TEST(RunCli, TakesTheMomentInAnyOrder) {
    const std::pair<const char*, const char*> cases[] = {
        {"--lon 77:13E --zone=5:30 2024-01-11 --dst 17:05 --lat 28:36s --format json",
         "2024-01-11 17:05 --zone 5:30 --lon 77:13E --lat 28:36S --dst --format json"},
        {"2000-02-29 0:00 --zone 5 --lon 74w --lat 40N",
         "2000-02-29 00:00 --zone 5:00 --lon 74:00W --lat 40:00N"}};
    for (const auto& [args, canonical] : cases) {
        const ToolRun run = RunInProcess(args), expected = RunInProcess(canonical);
        EXPECT_EQ(run.Status, 0) << args << ": " << run.Err;
        EXPECT_EQ(run.Out, expected.Out) << args;
    }
    // The direction letters count: the other hemisphere gives another sunrise.
    EXPECT_NE(
        RunInProcess(cases[0].first).Out,
        RunInProcess("2024-01-11 17:05 --zone 5:30 --lon 77:13E --lat 28:36N --dst --format json")
            .Out);
}

// The formats and the notes of the text; the help.
TEST(RunCli, WritesEachFormat) {
    const std::pair<const char*, std::vector<std::string>> cases[] = {
        // The CSV header and row: the paragraph holds commas, so it is quoted. The day's
        // panchanga follows the tithi's columns, and the day's periods and facts come last.
        {"2024-01-25 15:00 --zone 5 --lon 74W --format csv",
         {"index,number,name,phase,lord,group,features,nature,type,description,moon,sun,"
          "elongation,jde,begins,ends,sunrise,sunrise_tithi,karana,karana_begins,",
          ",ayanamsa,zone,utc_offset,rahu_kalam_begins,",
          ",samvatsara,kali_year\n15,1,PRATIPADA,Krishna,Agni,Nanda,Vriddhi (Increase),",
          ",Auspicious,\"Time the most powerful factor", ",Guruvara,Pushya,3,Saturn,",
          ",Pausha,Magha,false,2080,1945,"}},
        {"2000-01-21 04:40 --zone 0 --lon 0E",
         {"Tithi Number    0\n", "Tithi Name      PURNIMA\n",
          "welfare & happiness of the native.\n",
          "Tithi Nature    This is a day to perform austere rituals.\n", "Tithi Index     14\n",
          "Sunrise         not computed: give --lat\n"}},
        {"2024-06-21 12:00 --zone 1 --lon 18:57E --lat 69:39N",
         {"Sunrise         No sunrise this date: the Sun stays above the horizon all day (polar "
          "day)\n"}},
        {"--help", {"Usage: kestrava-tithi DATE TIME"}},
    };
    for (const auto& [args, texts] : cases) {
        const ToolRun run = RunInProcess(args);
        EXPECT_EQ(run.Status, 0) << args << ": " << run.Err;
        for (const std::string& text : texts)
            EXPECT_NE(run.Out.find(text), std::string::npos) << "no " << text << " in\n" << run.Out;
    }
}

// Each rejected argument is named on one line of standard error, with exit status 2.
TEST(RunCli, RejectsBadArgumentsNamingThem) {
    const std::string moment = " 12:00 --zone 5:30 --lon 77E", place = " --zone 5:30 --lon 77E";
    const std::pair<std::string, std::string> cases[] = {
        {"", "DATE"},
        {"2024-01-11", "TIME"},
        {"2024-01-11 12:00 --lon 77E", "--zone"},
        {"2024-01-11 12:00 --zone 5", "--lon"},
        {"2023-02-29" + moment, "DATE '2023-02-29'"},
        {"2024-04-31" + moment, "DATE '2024-04-31'"},
        {"1900-12-31" + moment, "DATE '1900-12-31'"},
        {"2051-01-01" + moment, "DATE '2051-01-01'"},
        {"2024-13-01" + moment, "DATE"},
        {"24-01-11" + moment, "DATE"},
        {"2024-01-11 24:00 --zone 5 --lon 77E", "TIME '24:00'"},
        {"2024-01-11 10:60 --zone 5 --lon 77E", "TIME '10:60'"},
        {"2024-01-11 10 --zone 5 --lon 77E", "TIME '10'"},
        {"2024-01-11 12:00 --zone 5:60 --lon 77E", "--zone '5:60'"},
        {"2024-01-11 12:00 --zone -5 --lon 77E", "--zone '-5'"},
        {"2024-01-11 12:00 --zone 5.5 --lon 77E", "--zone '5.5'"},
        {"2024-01-11 12:00 --zone 99999999999999999999 --lon 77E", "--zone"},
        {"2024-01-11 12:00 --zone 5 --lon 77", "--lon '77'"},
        {"2024-01-11 12:00 --zone 5 --lon 180:01W", "--lon '180:01W'"},
        {"2024-01-11 12:00 --zone 5 --lon 1e308E", "--lon '1e308E'"},
        {"2024-01-11 12:00 --zone 5 --lon 77N", "--lon '77N'"},
        {"2024-01-11 12:00 --zone 5 --lon 77E --lat 91N", "--lat '91N'"},
        {"2024-01-11" + moment + " --format xml", "--format 'xml'"},
        {"2024-01-11" + moment + " --colour", "'--colour'"},
        {"2024-01-11" + moment + " --zone 5", "--zone"},
        {"2024-01-11" + moment + " 13:00", "'13:00'"},
        {"2024-01-11 12:00 --lon 77E --zone", "--zone"},
        {"2024-01-11 12:00 --zone --lon 77E", "--zone needs a value"},
        {"--batch 2024-01-11", "'2024-01-11'"},
        {"--batch --format text", "--format"},
        // An almanac.
        {"--from 2024-02-01 --to 2024-01-31" + place,
         "--to '2024-01-31' comes before --from '2024-02-01'"},
        {"--from 1900-12-31 --to 1901-01-31" + place, "--from '1900-12-31'"},
        {"--from 2050-12-01 --to 2051-01-01" + place, "--to '2051-01-01'"},
        {"--from 2024-01-01" + place, "--to is missing"},
        {"--to 2024-01-01" + place, "--from is missing"},
        {"--from 2024-01-01 --to 2024-01-02 --from 2024-01-01" + place, "--from is given twice"},
        {"2024-01-11 12:00 --from 2024-01-01 --to 2024-01-02" + place, "'2024-01-11'"},
        {"--batch --from 2024-01-01 --to 2024-01-02", "--batch"},
    };
    for (const auto& [args, names] : cases) {
        const ToolRun run = RunInProcess(args);
        EXPECT_EQ(run.Status, 2) << args;
        EXPECT_EQ(run.Out, "") << args;
        EXPECT_NE(run.Err.find(names), std::string::npos) << args << ": " << run.Err;
        EXPECT_EQ(std::count(run.Err.begin(), run.Err.end(), '\n'), 1) << args << ": " << run.Err;
    }
}

// A batch runs every good line, names the bad ones by their line number, and ends with status 2
// if there were any; blank lines and Windows line ends are no fault.
TEST(RunCli, BatchRunsEveryGoodLineAndNamesTheBadOnes) {
    const ToolRun run =
        RunInProcess("--batch", "2000-01-06 18:14 --zone 0 --lon 0E\n"
                                "\n"
                                "2023-02-29 10:00 --zone 5 --lon 7E\n"
                                "2000-01-21 05:00 --zone 0 --lon 0W --format csv\n"
                                "  \t \r\n"
                                "2024-01-25\t10:00  --zone 5\t--lon 74W\r\n"
                                "2024-01-11 12:00 --zone 5 --lon 77E --from 2024-01-01\n"
                                "--help\n"
                                "2024-01-11\x1b[2J\r12:00 --zone 5 --lon 77E\n" +
                                    std::string(5000, '7') + " 12:00\n");
    EXPECT_EQ(run.Status, 2);
    EXPECT_EQ(
        run.Err,
        "kestrava-tithi: line 3: DATE '2023-02-29': February 2023 has days 1 to 28\n"
        "kestrava-tithi: line 4: --format: a batch has one format, given on the command line\n"
        "kestrava-tithi: line 7: --from: not on a line of a batch\n"
        "kestrava-tithi: line 8: --help: not on a line of a batch\n"
        // Odd arguments show on one short line.
        "kestrava-tithi: line 9: DATE '2024-01-11?[2J?12:00': expected YYYY-MM-DD, e.g. "
        "2024-01-11\nkestrava-tithi: line 10: DATE '" +
            std::string(40, '7') + "...': expected YYYY-MM-DD, e.g. 2024-01-11\n");
    const std::vector<std::string> lines = Lines(run.Out);
    ASSERT_EQ(lines.size(), 2u) << run.Out;
    EXPECT_EQ(lines[0].rfind("{\"index\":0,", 0), 0u) << lines[0];
    EXPECT_EQ(lines[1].rfind("{\"index\":14,", 0), 0u) << lines[1];
    EXPECT_NEAR(JsonNumber(lines[1], "elongation"), 178.65, 0.005);

    EXPECT_EQ(RunInProcess("--batch", "2000-01-06 18:14 --zone 0 --lon 0E\n").Status, 0);
}

TEST(RunCli, AFailedWriteIsNoSuccess) {
    std::istringstream in;
    std::ostringstream out, err;
    out.setstate(std::ios::badbit);
    EXPECT_EQ(tithi_cli::RunCli(Words("2000-01-01 12:00 --zone 0 --lon 0E"), in, out, err), 1);
    EXPECT_NE(err.str().find("could not be written"), std::string::npos);
}

// Delhi half an hour before the new moon of 11 January 2024 (published: 11:57 UT). From the
// Swiss Ephemeris, computed separately: Amavasya began at 14:41:22 UT on the 10th; the Sun rose at
// 01:45:08 UT (07:15:08 Indian time) with the -0 deg 50' horizon. The almanacs print the day as
// Paush Amavasya.
TEST(RunCli, JsonOfThePublishedNewMoonExample) {
    const ToolRun run =
        RunInProcess("2024-01-11 17:00 --zone 5:30 --lon 77:13E --lat 28:36N --format json");
    ASSERT_EQ(run.Status, 0) << run.Err;
    EXPECT_EQ(Lines(run.Out).size(), 1u) << run.Out;
    EXPECT_EQ(run.Out.rfind("{\"index\":29,\"number\":\"15\",\"name\":\"AMAVASYA\"", 0), 0u)
        << run.Out;
    EXPECT_NEAR(JsonNumber(run.Out, "elongation"), 359.74, 0.005) << run.Out;
    // The Moon and the Sun (both apparent, of date) differ by the elongation.
    EXPECT_NEAR(JsonNumber(run.Out, "moon") + 360 - JsonNumber(run.Out, "sun"),
                JsonNumber(run.Out, "elongation"), 1e-9);
    // 2024-01-11 11:30 UT, plus Delta T from the parabola 25.5 T^2 - 39 s: T = 2.240218
    // centuries from 1800, 88.974 s.
    EXPECT_NEAR(JsonNumber(run.Out, "jde"), 2460320.5 + 11.5 / 24 + 88.974 / 86400, 1e-7);
    const std::pair<const char*, long> instants[] = {{"begins", Seconds(2024, 1, 10, 14, 41, 22)},
                                                     {"ends", Seconds(2024, 1, 11, 11, 57)},
                                                     {"sunrise", Seconds(2024, 1, 11, 1, 45, 8)}};
    for (const auto& [field, expected] : instants) {
        const std::string iso = Json(run.Out, field);
        EXPECT_EQ(iso.substr(19), "+05:30") << iso;
        EXPECT_NEAR(IsoSeconds(iso).value_or(0), expected,
                    field == std::string("sunrise") ? 10 : 120)
            << iso;
    }
    EXPECT_EQ(Json(run.Out, "sunrise_tithi"), "Amavasya");
    EXPECT_EQ(Json(run.Out, "karana"), "Naga");
}

// The clock's offset follows the hemisphere rule and daylight saving; without --lat there is no
// sunrise, and in the polar day none either.
TEST(RunCli, OffsetsAndMissingSunrises) {
    const struct {
        const char* Args;
        const char* Offset;
        bool Sunrise;
    } cases[] = {
        {"2024-01-25 15:00 --zone 5 --lon 74W --lat 40:43N", "-05:00", true},
        {"2024-01-25 15:00 --zone 5 --lon 74W --lat 40:43N --dst", "-04:00", true},
        {"2024-01-25 15:00 --zone 0 --lon 0E --lat 51:30N --dst", "+01:00", true},
        {"2024-01-25 15:00 --zone 9:30 --lon 138:36E --lat 34:56S", "+09:30", true},
        {"2024-01-25 15:00 --zone 5 --lon 74W", "-05:00", false},
        {"2024-06-21 12:00 --zone 1 --lon 18:57E --lat 69:39N", "+01:00", false},
    };
    for (const auto& c : cases) {
        const ToolRun run = RunInProcess(std::string(c.Args) + " --format json");
        ASSERT_EQ(run.Status, 0) << c.Args << ": " << run.Err;
        EXPECT_EQ(Json(run.Out, "begins").substr(19), c.Offset) << c.Args;
        const std::string sunrise = Json(run.Out, "sunrise");
        EXPECT_EQ(c.Sunrise ? sunrise.substr(19) : sunrise, c.Sunrise ? c.Offset : "null")
            << c.Args;
        EXPECT_EQ(Json(run.Out, "sunrise_tithi") == "null", !c.Sunrise) << c.Args;
    }
}

// January 2024 at Delhi: about 31 days of tithis; the new moon (11:57 UT on the 11th) begins
// Shukla Pratipada and the full moon (17:54 UT on the 25th) Krishna Pratipada.
TEST(RunCli, AlmanacOfAMonth) {
    const std::string place = " --zone 5:30 --lon 77:13E --lat 28:36N";
    const ToolRun run = RunInProcess("--from 2024-01-01 --to 2024-01-31 --format json" + place);
    ASSERT_EQ(run.Status, 0) << run.Err;
    const std::vector<std::string> lines = Lines(run.Out);
    ASSERT_NEAR(static_cast<double>(lines.size()), 31 / 29.530589 * 30, 1.5) << run.Out;
    std::string phases; // the tithis that the new and the full moon begin
    for (const std::string& line : lines) {
        const std::string index = Json(line, "index");
        if (index != "0" && index != "15")
            continue;
        phases += Json(line, "tithi") + ';';
        EXPECT_NEAR(IsoSeconds(Json(line, "begins")).value_or(0),
                    index == "0" ? Seconds(2024, 1, 11, 11, 57) : Seconds(2024, 1, 25, 17, 54), 120)
            << line;
    }
    EXPECT_EQ(phases, "Shukla Pratipada;Krishna Pratipada;");

    // A day either side of the date line: the tithis that begin between its midnights by the
    // place's clock (Amavasya began at 14:41 UT on the 10th, Shukla Dvitiya at 08:54 UT on the
    // 12th).
    for (const auto& [zone, indexes] :
         {std::pair{" --zone 11:30 --lon 170E", "29 0 "}, {" --zone 11:30 --lon 170W", "0 1 "}}) {
        std::string found;
        for (const std::string& line : Lines(
                 RunInProcess("--from 2024-01-11 --to 2024-01-11 --format json" + std::string(zone))
                     .Out))
            found += Json(line, "index") + ' ';
        EXPECT_EQ(found, indexes) << zone;
    }

    // The first of them as text and as a CSV row after the header.
    const std::vector<std::string> text =
        Lines(RunInProcess("--from 2024-01-01 --to 2024-01-31" + place).Out);
    const std::vector<std::string> csv =
        Lines(RunInProcess("--from=2024-01-01 --to=2024-01-31 --format csv" + place).Out);
    ASSERT_EQ(text.size(), lines.size());
    ASSERT_EQ(csv.size(), lines.size() + 1);
    const std::string begins = Json(lines[0], "begins"), ends = Json(lines[0], "ends"),
                      index = Json(lines[0], "index"), tithi = Json(lines[0], "tithi");
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

TEST(Executable, AlmanacOfTheWholeRange) {
    const ToolRun run =
        RunExecutable("--from 1901-01-01 --to 2050-12-31 --zone 0 --lon 0E --format csv", "");
    EXPECT_EQ(run.Status, 0) << run.Err;
    // 54,787 days of a synodic month in thirty tithis, and the header.
    EXPECT_NEAR(static_cast<double>(std::count(run.Out.begin(), run.Out.end(), '\n')),
                54787 / 29.530589 * 30 + 1, 2);
}

// The real program reads a batch from standard input and answers as the library does: one CSV
// header, a row for each good line, the bad ones named, exit status 2.
TEST(Executable, AnswersABatchFromStandardInputLikeTheLibrary) {
    const std::string args = "--batch --format csv", input =
                                                         "2000-01-21 04:40 --zone 0 --lon 0E\n"
                                                         "2000-01-21 25:00 --zone 0 --lon 0E\n"
                                                         "2024-01-11 18:30 --zone 5:30 --lon 77E\n";
    const ToolRun run = RunExecutable(args, input);
    EXPECT_EQ(run.Status, 2);
    EXPECT_EQ(run.Err, "kestrava-tithi: line 2: TIME '25:00': the hour must be 0 to 23\n");
    EXPECT_EQ(run.Out, RunInProcess(args, input).Out);
    const std::vector<std::string> rows = Lines(run.Out);
    ASSERT_EQ(rows.size(), 3u) << run.Out;
    EXPECT_EQ(rows[0].rfind("index,", 0), 0u);
    EXPECT_EQ(rows[1].rfind("14,0,PURNIMA,", 0), 0u);
    EXPECT_EQ(rows[2].rfind("0,16,PRATIPADA,Shukla,", 0), 0u);
}

} // namespace
