// Tests of kestrava-tithi: the parser of arguments and batch lines, the output formats, the
// exit status, and the real executable run as a user would.
#include "TithiCli.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
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
                      "moon,sun,elongation,jde");
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
    for (const char* word : {"DATE", "TIME", "--zone", "--lon", "--lat", "--dst", "--format",
                             "--batch", "json", "csv", "Exit status"}) {
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

TEST(Executable, BatchFromStandardInput) {
    const ToolRun run =
        RunExecutable("--batch --format csv", "2000-01-21 05:00 --zone 0 --lon 0E\n"
                                              "2000-01-21 25:00 --zone 0 --lon 0E\n");
    EXPECT_EQ(run.Status, 2);
    EXPECT_EQ(run.Err, "kestrava-tithi: line 2: TIME '25:00': the hour must be 0 to 23\n");
    EXPECT_EQ(std::count(run.Out.begin(), run.Out.end(), '\n'), 2) << run.Out;
}

} // namespace
