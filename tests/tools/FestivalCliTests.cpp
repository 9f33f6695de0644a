// SPDX-License-Identifier: MIT
// Tests of kestrava-tithi --festivals: the festival days at New Delhi with their fields in JSON
// and CSV, the tradition's days, a sankranti's instant against the Swiss Ephemeris, the festival
// events of a calendar file, and the arguments the mode rejects.
#include "ToolRuns.h"

#include <gtest/gtest.h>

#include <map>
#include <regex>

namespace {

std::vector<std::string> WithDelhi(std::vector<std::string> args) {
    for (const char* word : {"--zone", "5:30", "--lon", "77:13E", "--lat", "28:37N"})
        args.emplace_back(word);
    return args;
}

std::string Field(const std::string& line, const std::string& name) {
    const std::regex pattern("\"" + name + "\":(\"([^\"]*)\"|[^,}]*)");
    std::smatch match;
    if (!std::regex_search(line, match, pattern))
        return "<none>";
    return match[2].matched ? match[2].str() : match[1].str();
}

// The rows of a range by id.
std::map<std::string, std::string> JsonById(const std::string& out) {
    std::map<std::string, std::string> rows;
    for (const std::string& line : Lines(out))
        rows[Field(line, "id")] = line;
    return rows;
}

TEST(FestivalCli, TheFestivalDaysOfAutumn2024AtNewDelhi) {
    const ToolRun run = RunArgs(WithDelhi(
        {"--festivals", "--from", "2024-10-01", "--to", "2024-11-20", "--format", "json"}));
    ASSERT_EQ(run.Status, 0) << run.Err;
    const auto rows = JsonById(run.Out);
    // The Government of India's holidays 2024 and the almanacs' days (see FestivalTests).
    const std::map<std::string, std::string> expected = {
        {"vijayadashami", "2024-10-12"}, {"karva-chauth", "2024-10-20"},
        {"dhanteras", "2024-10-29"},     {"diwali", "2024-10-31"},
        {"govardhan-puja", "2024-11-02"}, {"bhai-dooj", "2024-11-03"},
        {"chhath-puja", "2024-11-07"},   {"kartik-purnima", "2024-11-15"}};
    for (const auto& [id, date] : expected) {
        ASSERT_TRUE(rows.count(id)) << id;
        EXPECT_EQ(Field(rows.at(id), "date"), date) << id;
    }
    const std::string& diwali = rows.at("diwali");
    EXPECT_EQ(Field(diwali, "name"), "Diwali (Lakshmi Puja)");
    EXPECT_EQ(Field(diwali, "kind"), "festival");
    EXPECT_EQ(Field(diwali, "masa_amanta"), "Ashvin");
    EXPECT_EQ(Field(diwali, "masa_purnimanta"), "Kartika");
    EXPECT_EQ(Field(diwali, "tithi"), "29");
    EXPECT_NE(Field(diwali, "rule").find("pradosha"), std::string::npos);
    EXPECT_EQ(Field(diwali, "instant"), "null");
    // Tula Sankranti: 2024-10-17 02:12:38 UT by the Swiss Ephemeris (scripts/sankranti-
    // reference.c), 07:42:38 in India; the solar theory is within a few minutes of it.
    const std::string& tula = rows.at("tula-sankranti");
    EXPECT_EQ(Field(tula, "kind"), "sankranti");
    EXPECT_EQ(Field(tula, "tithi"), "null");
    EXPECT_TRUE(std::regex_match(Field(tula, "instant"),
                                 std::regex("2024-10-17T07:(3[7-9]|4[0-7]):..\\+05:30")))
        << tula;
    // Every row in the range, in the order of the dates.
    std::string previous;
    for (const std::string& line : Lines(run.Out)) {
        const std::string date = Field(line, "date");
        EXPECT_GE(date, previous);
        EXPECT_GE(date, "2024-10-01");
        EXPECT_LE(date, "2024-11-20");
        previous = date;
    }
}

TEST(FestivalCli, TheTraditionChoosesJanmashtamisDayAndTheCsvHasItsHeader) {
    // 2023: the Smarta day 6 September, the Vaishnava day 7 September.
    for (const auto& [tradition, day] :
         {std::pair{"smarta", "2023-09-06"}, std::pair{"vaishnava", "2023-09-07"}}) {
        const ToolRun run = RunArgs(WithDelhi({"--festivals", "--from", "2023-09-01", "--to",
                                               "2023-09-10", "--tradition", tradition, "--format",
                                               "csv"}));
        ASSERT_EQ(run.Status, 0) << run.Err;
        const std::vector<std::string> lines = Lines(run.Out);
        ASSERT_FALSE(lines.empty());
        EXPECT_EQ(lines[0], "date,id,name,kind,masa_amanta,masa_purnimanta,adhika,tithi,"
                            "tithi_name,rule,instant,region,tradition");
        bool found = false;
        for (const std::string& line : lines)
            if (line.find(",krishna-janmashtami,") != std::string::npos) {
                EXPECT_TRUE(line.starts_with(day)) << line;
                EXPECT_TRUE(line.ends_with(std::string(",") + tradition)) << line;
                found = true;
            }
        EXPECT_TRUE(found) << tradition;
    }
}

// The code points of a UTF-8 line, so that a column is found by characters.
std::u32string CodePoints(const std::string& line) {
    std::u32string points;
    for (std::size_t k = 0; k < line.size();) {
        const auto lead = static_cast<unsigned char>(line[k]);
        const std::size_t length = lead < 0x80 ? 1 : lead < 0xe0 ? 2 : lead < 0xf0 ? 3 : 4;
        char32_t point = length == 1 ? lead : lead & (0x3f >> (length - 1));
        for (std::size_t j = 1; j < length && k + j < line.size(); ++j)
            point = (point << 6) | (static_cast<unsigned char>(line[k + j]) & 0x3f);
        points += point;
        k += length;
    }
    return points;
}

TEST(FestivalCli, TheTableLinesUpInEveryScript) {
    // The months and tithis named in Devanagari, Tamil and Bengali take three bytes a character:
    // the columns after them still start where their headings do.
    for (const char* lang : {"en", "hi", "ta", "bn"}) {
        const ToolRun run = RunArgs(WithDelhi(
            {"--festivals", "--from", "2024-01-01", "--to", "2024-04-30", "--lang", lang}));
        ASSERT_EQ(run.Status, 0) << run.Err;
        const std::vector<std::string> lines = Lines(run.Out);
        ASSERT_GT(lines.size(), 10u) << run.Out;
        const std::u32string heading = CodePoints(lines[0]);
        const std::size_t instant = heading.find(U" instant ") + 1;
        const std::size_t name = heading.find(U" name") + 1;
        ASSERT_LT(instant, name) << lines[0];
        for (std::size_t k = 1; k < lines.size() && !lines[k].empty(); ++k) {
            const std::u32string row = CodePoints(lines[k]);
            ASSERT_GT(row.size(), name) << lines[k];
            // "-" or the sankranti's instant, "2024-01-15T02:43:44+05:30"; then the name.
            EXPECT_TRUE(row[instant] == U'-' || row[instant] == U'2') << lang << ": " << lines[k];
            EXPECT_EQ(row[instant - 1], U' ') << lang << ": " << lines[k];
            EXPECT_EQ(row[name - 1], U' ') << lang << ": " << lines[k];
            EXPECT_NE(row[name], U' ') << lang << ": " << lines[k];
        }
    }
}

TEST(FestivalCli, ACalendarFileOfTheFestivals) {
    const ToolRun run = RunArgs(WithDelhi(
        {"--ics", "-", "--from", "2024-10-30", "--to", "2024-11-03", "--events", "festivals"}));
    ASSERT_EQ(run.Status, 0) << run.Err;
    EXPECT_NE(run.Out.find("X-WR-CALNAME:Kestrava: festivals\\, 28.62N 77.22E"), std::string::npos);
    EXPECT_NE(run.Out.find("UID:festival-diwali-2024-28.62N77.22E@kestrava\r\n"),
              std::string::npos)
        << run.Out;
    const std::regex diwali("DTSTART;VALUE=DATE:20241031\r\n(.*\r\n)*?SUMMARY:Diwali \\(Lakshmi "
                            "Puja\\)\r\n");
    EXPECT_TRUE(std::regex_search(run.Out, diwali)) << run.Out;
    // Naraka Chaturdashi, Diwali, Govardhan Puja, Bhai Dooj.
    const std::regex event("BEGIN:VEVENT");
    EXPECT_EQ(std::distance(std::sregex_iterator(run.Out.begin(), run.Out.end(), event),
                            std::sregex_iterator()),
              4);
}

TEST(FestivalCli, NamesEachRejectedArgument) {
    const struct {
        std::vector<std::string> Args;
        const char* Message;
    } cases[] = {
        {WithDelhi({"--festivals", "--from", "2024-01-01"}), "--to is missing"},
        {WithDelhi({"--festivals", "--from", "2024-01-01", "--to", "2024-12-31", "--tradition",
                    "shaiva"}),
         "--tradition 'shaiva': expected smarta or vaishnava"},
        {WithDelhi({"--festivals", "--from", "2024-02-01", "--to", "2024-01-01"}),
         "comes before --from"},
        {{"--festivals", "--from", "2024-01-01", "--to", "2024-12-31", "--zone", "5:30", "--lon",
          "77E"},
         "--lat is missing"},
        {WithDelhi({"--month", "2024-06", "--tradition", "smarta"}),
         "--tradition: not together with --month"},
        {WithDelhi({"--ics", "-", "--from", "2024-01-01", "--to", "2024-01-02", "--events",
                    "feasts"}),
         "expected days, spans, vrata or festivals"},
    };
    for (const auto& c : cases) {
        const ToolRun run = RunArgs(c.Args);
        EXPECT_EQ(run.Status, 2) << c.Message;
        EXPECT_NE(run.Err.find(c.Message), std::string::npos) << run.Err;
        EXPECT_EQ(run.Out, "");
    }
}

} // namespace
