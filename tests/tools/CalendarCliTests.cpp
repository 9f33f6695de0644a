// SPDX-License-Identifier: MIT
// Tests of kestrava-tithi's calendar modes: a month's days and a tithi's days of observance
// against an independent ephemeris, in JSON and CSV; the iCalendar file, written whole and
// stable from one export to the next, and refused where it cannot be written; and the messages
// for the arguments these modes reject.
#include "ToolRuns.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <regex>
#include <set>

namespace {

std::vector<std::string> WithDelhi(std::vector<std::string> args) {
    for (const char* word : {"--zone", "5:30", "--lon", "77:13E", "--lat", "28:36N"})
        args.emplace_back(word);
    return args;
}

// A field of a JSON line: a string's text, or the value (a list too) as written.
std::string Field(const std::string& line, const std::string& name) {
    const std::regex pattern("\"" + name + "\":(\"([^\"]*)\"|\\[[^\\]]*\\]|[^,}]*)");
    std::smatch match;
    if (!std::regex_search(line, match, pattern))
        return "<none>";
    return match[2].matched ? match[2].str() : match[1].str();
}

// June 2024 at Delhi: the sunrise tithis of the engine's tests, from the Swiss Ephemeris in a
// separate program; with the kshaya tithis they skip and the vriddhi tithis they repeat.
TEST(CalendarCli, AMonthsDaysAsJsonLinesAndCsv) {
    const ToolRun json = RunArgs(WithDelhi({"--month", "2024-06", "--format", "json"}));
    ASSERT_EQ(json.Status, 0) << json.Err;
    const std::vector<std::string> lines = Lines(json.Out);
    ASSERT_EQ(lines.size(), 30u);
    const int tithis[] = {23, 25, 26, 27, 28, 29, 0,  1,  2,  3,  4,  5,  6,  7,  8,
                          9,  10, 10, 11, 12, 13, 14, 16, 17, 18, 19, 20, 21, 22, 23};
    for (std::size_t k = 0; k < lines.size(); ++k) {
        const std::string& line = lines[k];
        char date[16];
        std::snprintf(date, sizeof date, "2024-06-%02zu", k + 1);
        EXPECT_EQ(Field(line, "date"), date);
        EXPECT_EQ(Field(line, "tithi"), std::to_string(tithis[k])) << date;
        EXPECT_EQ(Field(line, "paksha"), tithis[k] < 15 ? "Shukla" : "Krishna") << date;
        const char* kshaya = k == 0 ? "[24]" : k == 21 ? "[15]" : "[]";
        EXPECT_EQ(Field(line, "kshaya"), kshaya) << date;
        EXPECT_EQ(Field(line, "vriddhi"), k == 16 ? "true" : "false") << date;
        EXPECT_EQ(Field(line, "masa_amanta"), k < 6 ? "Vaishakha" : "Jyeshtha") << date;
        EXPECT_EQ(Field(line, "adhika"), "false") << date;
        EXPECT_TRUE(
            std::regex_match(Field(line, "sunrise"), std::regex("2024-06-..T05:2[2-7]:..\\+05:30")))
            << line;
    }
    EXPECT_EQ(Field(lines[10], "vara"), "Mangalavara");
    EXPECT_EQ(Field(lines[10], "tithi_name"), "Shukla Panchami");
    EXPECT_EQ(Field(lines[17], "observed"), "[]"); // the vriddhi's second day
    EXPECT_EQ(Field(lines[21], "observed"), "[14,15]");

    const ToolRun csv = RunArgs(WithDelhi({"--month", "2024-06", "--format", "csv"}));
    ASSERT_EQ(csv.Status, 0);
    const std::vector<std::string> rows = Lines(csv.Out);
    ASSERT_EQ(rows.size(), 31u);
    EXPECT_EQ(rows[0], "date,vara,sunrise,tithi,tithi_name,paksha,ends,kshaya,vriddhi,observed,"
                       "masa_amanta,adhika");
    EXPECT_TRUE(rows[22].starts_with("2024-06-22,Shanivara,2024-06-22T05:24:")) << rows[22];
    EXPECT_NE(rows[22].find(",14,Purnima,Shukla,2024-06-22T06:3"), std::string::npos) << rows[22];
    EXPECT_TRUE(rows[22].ends_with("+05:30,15,false,14 15,Jyeshtha,false")) << rows[22];

    // The text table ends with the rule of observance.
    const ToolRun text = RunArgs(WithDelhi({"--month", "2024-06"}));
    EXPECT_NE(text.Out.find("\nDay of observance: A tithi is observed on the civil day whose "
                            "sunrise it holds;"),
              std::string::npos);
}

// Janmashtami, 2025-2035, in both reckonings: the days of observance of the engine's tests; the
// kshaya Ashtami of 2034 says so. Backwards from a day of observance, that day is not counted.
TEST(CalendarCli, FindsAnAnniversaryInEitherReckoning) {
    const char* const expected[] = {"2025-08-16", "2026-09-04", "2027-08-25", "2028-08-13",
                                    "2029-09-01", "2030-08-21", "2031-08-10", "2032-08-28",
                                    "2033-08-17", "2034-09-05", "2035-08-26"};
    const std::vector<std::vector<std::string>> searches = {
        {"--find", "Krishna Ashtami", "--masa", "Shravana"},
        {"--find", "krishna ashtami", "--masa", "Bhadrapada", "--purnimanta"},
    };
    for (const auto& search : searches) {
        std::vector<std::string> args = search;
        for (const char* word : {"--from", "2025-01-01", "--count", "11", "--format", "json"})
            args.emplace_back(word);
        const ToolRun run = RunArgs(WithDelhi(args));
        ASSERT_EQ(run.Status, 0) << run.Err;
        const std::vector<std::string> lines = Lines(run.Out);
        ASSERT_EQ(lines.size(), std::size(expected));
        for (std::size_t k = 0; k < lines.size(); ++k) {
            EXPECT_EQ(Field(lines[k], "date"), expected[k]);
            EXPECT_EQ(Field(lines[k], "tithi"), "22");
            EXPECT_EQ(Field(lines[k], "tithi_name"), "Krishna Ashtami");
            EXPECT_EQ(Field(lines[k], "masa_amanta"), "Shravana");
            EXPECT_EQ(Field(lines[k], "masa_purnimanta"), "Bhadrapada");
            EXPECT_EQ(Field(lines[k], "adhika"), "false");
            EXPECT_EQ(Field(lines[k], "observance"), k == 9 ? "kshaya" : "sunrise") << expected[k];
        }
    }
    const ToolRun back = RunArgs(
        WithDelhi({"--find", "Krishna Ashtami", "--masa", "Shravana", "--from", "2025-08-16",
                   "--previous", "--count", "2", "--adhika", "--format", "csv"}));
    ASSERT_EQ(back.Status, 0) << back.Err;
    const std::vector<std::string> rows = Lines(back.Out);
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_TRUE(rows[1].starts_with("2024-08-26,22,Krishna Ashtami,")) << rows[1];
    EXPECT_TRUE(rows[2].starts_with("2023-09-07,22,Krishna Ashtami,")) << rows[2];
}

// The file of a year's days, written twice: the same identifiers, one event a day, and the
// file read back whole; - writes it to standard output.
TEST(CalendarCli, WritesTheSameEventsTwice) {
    const std::filesystem::path folder =
        std::filesystem::temp_directory_path() / "kestrava-calendar-cli-test";
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    std::vector<std::set<std::string>> uids;
    for (const char* name : {"first.ics", "second.ics"}) {
        const std::string path = (folder / name).string();
        const ToolRun run = RunArgs(WithDelhi(
            {"--ics", path, "--from", "2024-01-01", "--to", "2024-12-31", "--events", "days"}));
        ASSERT_EQ(run.Status, 0) << run.Err;
        EXPECT_EQ(run.Out, path + ": 366 events (days), 2024-01-01 to 2024-12-31\n");
        std::ifstream in(path, std::ios::binary);
        const std::string text((std::istreambuf_iterator<char>(in)), {});
        EXPECT_TRUE(text.ends_with("END:VCALENDAR\r\n"));
        std::set<std::string> found;
        const std::regex uid("\r\nUID:([^\r]*)\r\n");
        for (std::sregex_iterator at(text.begin(), text.end(), uid), end; at != end; ++at)
            found.insert((*at)[1].str());
        EXPECT_EQ(found.size(), 366u);
        uids.push_back(found);
    }
    EXPECT_EQ(uids[0], uids[1]);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder), {}), 2)
        << "a temporary file was left behind";
    std::filesystem::remove_all(folder);

    const ToolRun out = RunArgs(WithDelhi(
        {"--ics", "-", "--from", "2024-06-01", "--to", "2024-06-30", "--events", "spans"}));
    ASSERT_EQ(out.Status, 0);
    EXPECT_TRUE(out.Out.starts_with("BEGIN:VCALENDAR\r\n"));
    EXPECT_NE(out.Out.find("DTSTART;TZID=UTC+0530:"), std::string::npos);
}

// A file that cannot be written: status 1, the reason named, nothing left.
TEST(CalendarCli, AFileThatCannotBeWrittenIsSaidAndLeavesNothing) {
    const struct {
        std::string Path;
        std::string Message;
    } cases[] = {
        {"/nonexistent-kestrava/tithis.ics",
         "kestrava-tithi: /nonexistent-kestrava/tithis.ics could not be saved: the folder "
         "/nonexistent-kestrava does not exist; nothing was written\n"},
        // The system's own reason, as touch(1) gives it for the same file.
        {"/proc/kestrava-tithis.ics", "kestrava-tithi: /proc/kestrava-tithis.ics could not be "
                                      "saved: it could not be created in /proc: No such file or "
                                      "directory; nothing was written\n"},
    };
    for (const auto& c : cases) {
        const ToolRun run =
            RunArgs(WithDelhi({"--ics", c.Path, "--from", "2024-01-01", "--to", "2024-01-31"}));
        EXPECT_EQ(run.Status, 1) << c.Path;
        EXPECT_EQ(run.Err, c.Message);
        EXPECT_EQ(run.Out, "");
        EXPECT_FALSE(std::filesystem::exists(c.Path));
    }
}

// Each a whole line of standard error, status 2 and nothing written.
TEST(CalendarCli, NamesEachRejectedArgument) {
    const struct {
        std::vector<std::string> Args;
        const char* Message;
    } cases[] = {
        {{"--month", "2024-13", "--zone", "5:30", "--lon", "77E", "--lat", "28N"},
         "--month '2024-13': the month must be 1 to 12"},
        {{"--month", "2024", "--zone", "5:30", "--lon", "77E", "--lat", "28N"},
         "--month '2024': expected YYYY-MM, e.g. 2024-06"},
        {{"--month", "2024-06", "--zone", "5:30", "--lon", "77E"},
         "--lat is missing (degrees[:minutes] N or S: the calendar's days run from sunrise to "
         "sunrise)"},
        {{"--find", "Ashtami", "--zone", "5:30", "--lon", "77E", "--lat", "28N"},
         "--find 'Ashtami': not a tithi; give the fortnight and the name, e.g. \"Krishna "
         "Ashtami\" or \"Shukla Ekadashi\", or Purnima or Amavasya"},
        {{"--find", "Purnima", "--masa", "Sawan Bhadon", "--zone", "5", "--lon", "77E", "--lat",
          "28N"},
         "--masa 'Sawan Bhadon': not a lunar month; one of Chaitra, Vaishakha, Jyeshtha, "
         "Ashadha, Shravana, Bhadrapada, Ashvin, Kartika, Margashirsha, Pausha, Magha, Phalguna"},
        {{"--find", "Purnima", "--adhika", "--zone", "5", "--lon", "77E", "--lat", "28N"},
         "--adhika: give the month with --masa"},
        {{"--find", "Purnima", "--count", "0", "--zone", "5", "--lon", "77E", "--lat", "28N"},
         "--count '0': expected a whole number 1 to 1000"},
        {{"--find", "Purnima", "--month", "2024-06", "--zone", "5", "--lon", "77E", "--lat", "28N"},
         "--find: not together with --month"},
        {{"--ics", "x.ics", "--from", "2024-02-01", "--to", "2024-01-01", "--zone", "5", "--lon",
          "77E", "--lat", "28N"},
         "--to '2024-01-01' comes before --from '2024-02-01'"},
        {{"--ics", "x.ics", "--from", "2024-01-01", "--to", "2024-01-31", "--events", "weeks",
          "--zone", "5", "--lon", "77E", "--lat", "28N"},
         "--events 'weeks': expected days, spans or vrata"},
        {{"--ics", "x.ics", "--from", "2024-01-01", "--zone", "5", "--lon", "77E", "--lat", "28N"},
         "--to is missing (the last date, YYYY-MM-DD)"},
        {{"--from", "2024-01-01", "--to", "2024-01-31", "--masa", "Magha", "--zone", "5", "--lon",
          "77E"},
         "--masa: goes with --find"},
        {{"2024-01-11", "12:00", "--zone", "5", "--lon", "77E", "--events", "vrata"},
         "--events: goes with --ics"},
    };
    for (const auto& c : cases) {
        const ToolRun run = RunArgs(c.Args);
        EXPECT_EQ(run.Status, 2) << c.Message;
        EXPECT_EQ(run.Err, std::string("kestrava-tithi: ") + c.Message + '\n');
        EXPECT_EQ(run.Out, "");
    }
}

} // namespace
