// SPDX-License-Identifier: MIT
// Tests of kestrava-tithi's calendar at its edges: dates a zone skipped when it crossed the date
// line are no days, the search for a tithi stops at the supported years, and --ics writes through
// links, into devices and pipes, keeping a file's mode.
#include "ToolRuns.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <regex>

#ifndef _WIN32
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

namespace {

const std::vector<std::string> Apia = {"--tz",    "Pacific/Apia", "--lon",
                                       "171:45W", "--lat",        "13:50S"};
const std::vector<std::string> Kwajalein = {
    "--tz", "Pacific/Kwajalein", "--lon", "167:44E", "--lat", "8:43N"};

std::vector<std::string> With(std::vector<std::string> args, const std::vector<std::string>& at) {
    args.insert(args.end(), at.begin(), at.end());
    return args;
}

std::vector<std::string> Column(const std::string& csv, std::size_t column) {
    std::vector<std::string> values;
    for (const std::string& line : Lines(csv)) {
        std::size_t start = 0;
        for (std::size_t k = 0; k < column; ++k)
            start = line.find(',', start) + 1;
        values.push_back(line.substr(start, line.find(',', start) - start));
    }
    values.erase(values.begin()); // the header
    return values;
}

// Samoa kept its clocks from 29 December 2011 24:00 on 31 December (UTC-10 to UTC+14), and the
// Marshall Islands' Kwajalein from 20 August 1993 24:00 on 22 August (UTC-12 to UTC+12) (the
// zones' histories in the tz database). The month has no row for the date, and the day before
// it runs to the next day's sunrise, a day later. At Apia the tithis at the sunrises of 29 and
// 31 December and 1 January were Shashthi (5), Saptami (6) and Saptami again: the Swiss
// Ephemeris 2.10, the Sun's upper limb 34' below the horizon, in a separate program. So
// 31 December is the first of Saptami's two days, and 29 December no vriddhi.
TEST(CalendarEdges, ADateTheZoneSkippedIsNoDay) {
    const struct {
        std::vector<std::string> Month;
        std::string Skipped, Before, After;
        std::size_t Days;
    } cases[] = {
        {With({"--month", "2011-12"}, Apia), "2011-12-30", "2011-12-29", "2011-12-31", 30},
        {With({"--month", "1993-08"}, Kwajalein), "1993-08-21", "1993-08-20", "1993-08-22", 30},
    };
    for (const auto& c : cases) {
        const ToolRun run = RunArgs(With(c.Month, {"--format", "csv"}));
        ASSERT_EQ(run.Status, 0) << run.Err;
        const std::vector<std::string> dates = Column(run.Out, 0);
        EXPECT_EQ(dates.size(), c.Days) << c.Skipped;
        const auto before = std::find(dates.begin(), dates.end(), c.Before);
        ASSERT_NE(before, dates.end()) << c.Before;
        ASSERT_NE(before + 1, dates.end());
        EXPECT_EQ(*(before + 1), c.After) << "the day after " << c.Before;
    }
    const ToolRun december = RunArgs(With({"--month", "2011-12", "--format", "csv"}, Apia));
    const std::vector<std::string> dates = Column(december.Out, 0);
    const std::vector<std::string> tithis = Column(december.Out, 3);
    const std::vector<std::string> vriddhi = Column(december.Out, 8);
    const auto at = std::find(dates.begin(), dates.end(), "2011-12-29") - dates.begin();
    ASSERT_EQ(dates.size(), tithis.size());
    EXPECT_EQ(tithis[at], "5");
    EXPECT_EQ(vriddhi[at], "false");
    EXPECT_EQ(tithis[at + 1], "6");
    EXPECT_EQ(vriddhi[at + 1], "true");
}

// No tithi is observed on the skipped date, in the search and in the calendar file; a moment on
// it is refused with the dates the clocks went between.
TEST(CalendarEdges, TheSkippedDateIsObservedByNoTithi) {
    for (int tithi = 0; tithi < 30; ++tithi) {
        const char* fortnight = tithi < 15 ? "Shukla" : "Krishna";
        static const char* const names[] = {"Pratipada",  "Dwitiya",     "Tritiya",  "Chaturthi",
                                            "Panchami",   "Shashthi",    "Saptami",  "Ashtami",
                                            "Navami",     "Dashami",     "Ekadashi", "Dwadashi",
                                            "Trayodashi", "Chaturdashi", "Purnima"};
        const std::string name = tithi == 14   ? "Purnima"
                                 : tithi == 29 ? "Amavasya"
                                               : std::string(fortnight) + " " + names[tithi % 15];
        const ToolRun run = RunArgs(With(
            {"--find", name, "--from", "2011-12-25", "--count", "1", "--format", "csv"}, Apia));
        ASSERT_EQ(run.Status, 0) << name << ": " << run.Err;
        const std::vector<std::string> found = Column(run.Out, 0);
        ASSERT_EQ(found.size(), 1u) << name;
        EXPECT_NE(found[0], "2011-12-30") << name;
    }
    const std::string path =
        (std::filesystem::temp_directory_path() / "kestrava-apia.ics").string();
    const ToolRun ics = RunArgs(With(
        {"--ics", path, "--from", "2011-12-28", "--to", "2012-01-02", "--events", "days"}, Apia));
    ASSERT_EQ(ics.Status, 0) << ics.Err;
    std::ifstream in(path);
    const std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    std::filesystem::remove(path);
    EXPECT_EQ(text.find("DTSTART;VALUE=DATE:20111230"), std::string::npos);
    EXPECT_NE(text.find("DTSTART;VALUE=DATE:20111231"), std::string::npos);
    std::size_t events = 0;
    for (std::size_t at = 0; (at = text.find("BEGIN:VEVENT", at)) != std::string::npos; ++at)
        ++events;
    EXPECT_EQ(events, 5u); // 28, 29, 31 December, 1 and 2 January

    const ToolRun moment = RunArgs(With({"2011-12-30", "12:00"}, Apia));
    EXPECT_EQ(moment.Status, 2);
    EXPECT_NE(moment.Err.find("the clocks went forward from 29 December 24:00 to 31 December "
                              "00:00"),
              std::string::npos)
        << moment.Err;
}

// The search stops at the years the theories serve, in either direction, and says so when that
// leaves fewer days than asked for. Shukla Pratipada follows each new moon: those of 2050 after
// 1 November fell at 12h UT on 14 November and 04h on 14 December, those of 1901 before 1 March
// at 13h on 20 January and 01h on 19 February (the Swiss Ephemeris 2.10, to the hour, in a
// separate program), and the next and the previous ones lie beyond the years.
TEST(CalendarEdges, TheSearchStopsAtTheSupportedYears) {
    const struct {
        std::vector<std::string> Args;
        std::string Note;
        std::vector<std::string> Months;
    } cases[] = {
        {{"--from", "2050-11-01"},
         "kestrava-tithi: note: 2 of the 5 days asked for lie between 2050-11-01 and 2050-12-31; "
         "the search goes no further than the years 1901 to 2050\n",
         {"2050-11", "2050-12"}},
        {{"--from", "1901-03-01", "--previous"},
         "kestrava-tithi: note: 2 of the 5 days asked for lie between 1901-01-01 and 1901-03-01; "
         "the search goes no further than the years 1901 to 2050\n",
         {"1901-02", "1901-01"}},
    };
    for (const auto& c : cases) {
        std::vector<std::string> args = {
            "--find", "Shukla Pratipada", "--count", "5",     "--format", "csv", "--zone", "5:30",
            "--lon",  "77:13E",           "--lat",   "28:36N"};
        args.insert(args.end(), c.Args.begin(), c.Args.end());
        const ToolRun run = RunArgs(args);
        EXPECT_EQ(run.Status, 0);
        EXPECT_EQ(run.Err, c.Note);
        const std::vector<std::string> dates = Column(run.Out, 0);
        ASSERT_EQ(dates.size(), c.Months.size()) << run.Out;
        for (std::size_t k = 0; k < dates.size(); ++k)
            EXPECT_EQ(dates[k].substr(0, 7), c.Months[k]);
    }
    // Enough days within the years: no note.
    const ToolRun plenty = RunArgs({"--find", "Purnima", "--from", "2050-01-01", "--count", "12",
                                    "--zone", "5:30", "--lon", "77:13E", "--lat", "28:36N"});
    EXPECT_EQ(plenty.Status, 0);
    EXPECT_EQ(plenty.Err, "");
}

#ifndef _WIN32
// --ics onto a link writes the file it names and keeps the link; onto a character device it
// writes in place; a private file stays private.
TEST(CalendarEdges, TheFileIsWrittenWhereItLiesAsItWas) {
    namespace fs = std::filesystem;
    char folderName[] = "/tmp/kestrava-ics-XXXXXX";
    ASSERT_NE(mkdtemp(folderName), nullptr);
    const std::string folder = folderName;
    std::ofstream(folder + "/private.ics") << "old";
    ASSERT_EQ(chmod((folder + "/private.ics").c_str(), 0600), 0);
    fs::create_symlink("private.ics", folder + "/link.ics");
    const std::vector<std::string> range = {"--from", "2024-01-01", "--to",  "2024-01-31",
                                            "--zone", "5:30",       "--lon", "77:13E",
                                            "--lat",  "28:36N"};
    for (const std::string& target : {folder + "/link.ics", std::string("/dev/null")}) {
        if (target == "/dev/null" && access("/dev/null", W_OK) != 0)
            continue;
        const ToolRun run = RunArgs(With({"--ics", target}, range));
        EXPECT_EQ(run.Status, 0) << target << ": " << run.Err;
    }
    EXPECT_TRUE(fs::is_symlink(folder + "/link.ics"));
    struct stat status {};
    ASSERT_EQ(stat((folder + "/private.ics").c_str(), &status), 0);
    EXPECT_EQ(status.st_mode & 07777, 0600u);
    EXPECT_GT(status.st_size, 100);
    ASSERT_EQ(stat("/dev/null", &status), 0);
    EXPECT_TRUE(S_ISCHR(status.st_mode));
    std::size_t names = 0;
    for ([[maybe_unused]] const auto& entry : fs::directory_iterator(folder))
        ++names;
    EXPECT_EQ(names, 2u); // the file and the link, nothing beside them
    fs::remove_all(folder);
}

// The executable under a file-size limit of one block (ulimit -f 1: 512 or 1,024 bytes): the
// year's file cannot be written, which it says in the system's words (strerror(EFBIG), as a
// shell's redirection reports it), with status 1, and the old file stays, alone in its folder.
TEST(CalendarEdges, AFileSizeLimitLeavesTheOldFileAlone) {
    namespace fs = std::filesystem;
    char folderName[] = "/tmp/kestrava-limit-XXXXXX";
    ASSERT_NE(mkdtemp(folderName), nullptr);
    const std::string folder = folderName;
    std::ofstream(folder + "/year.ics") << "old";
    const std::string command = "ulimit -f 1; exec '" KESTRAVA_TITHI_EXECUTABLE "' --ics '" +
                                folder +
                                "/year.ics' --from 2024-01-01 --to "
                                "2024-12-31 --events spans --zone 5:30 --lon 77:13E --lat 28:36N "
                                "2> '" +
                                folder + "/../kestrava-limit-err.txt'";
    const int status = std::system(command.c_str());
    ASSERT_TRUE(WIFEXITED(status)) << "ended by signal " << WTERMSIG(status);
    EXPECT_EQ(WEXITSTATUS(status), 1);
    std::ifstream err(folder + "/../kestrava-limit-err.txt");
    const std::string message{std::istreambuf_iterator<char>(err),
                              std::istreambuf_iterator<char>()};
    fs::remove(folder + "/../kestrava-limit-err.txt");
    EXPECT_EQ(message, "kestrava-tithi: " + folder +
                           "/year.ics could not be saved: it could not be "
                           "written: File too large; nothing was written\n");
    std::ifstream old(folder + "/year.ics");
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(old), std::istreambuf_iterator<char>()),
              "old");
    std::size_t names = 0;
    for ([[maybe_unused]] const auto& entry : fs::directory_iterator(folder))
        ++names;
    EXPECT_EQ(names, 1u);
    fs::remove_all(folder);
}
#endif

} // namespace
