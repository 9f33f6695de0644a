// SPDX-License-Identifier: MIT
// Tests of the iCalendar writer: the lines as RFC 5545 wants them (CRLF, folded at 75 octets
// without splitting a character, text escaped), the time zone's observances, and the values of
// all-day and timed events.
#include "engine/calendar/ICalendar.h"
#include "engine/time/TimeScales.h"

#include "support/TestClocks.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

std::vector<std::string> Unfolded(const std::string& file) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < file.size()) {
        const std::size_t end = file.find("\r\n", start);
        EXPECT_NE(end, std::string::npos) << "every line ends with CRLF";
        const std::string line = file.substr(start, end - start);
        EXPECT_LE(line.size(), 75u) << line;
        EXPECT_NE(static_cast<unsigned char>(line.empty() ? 'x' : line[0]) & 0xC0, 0x80u)
            << "a fold inside a character";
        if (!line.empty() && line[0] == ' ') {
            lines.back() += line.substr(1);
        } else {
            lines.push_back(line);
        }
        start = end + 2;
    }
    return lines;
}

bool Has(const std::vector<std::string>& lines, const std::string& line) {
    return std::find(lines.begin(), lines.end(), line) != lines.end();
}

TEST(ICalendarOf, WritesTheZonesObservancesTheEventsAndFoldsLongLines) {
    const std::string longName =
        "\u0936\u0941\u0915\u094d\u0932 \u090f\u0915\u093e\u0926\u0936\u0940 "
        "(Shukla Ekadashi; Vishnu, fasting)";
    const std::vector<CalendarEvent> events = {
        {"span-1@kestrava",
         longName + longName,
         "From sunrise\nto sunrise",
         false,
         {},
         Jd(2024, 3, 30, 22),
         Jd(2024, 3, 31, 23),
         {"Tithi", "Vrata"}},
        {"day-2@kestrava", "Purnima", "", true, {2024, 12, 31}, 0, 0, {}},
    };
    const CalendarHeader header = {"-//Kestrava//Kestrava 1.15//EN",
                                   "Tithis",
                                   Jd(2026, 12, 7, 9.5),
                                   Jd(2024, 3, 1),
                                   Jd(2025, 1, 1),
                                   ""};
    const auto lines = Unfolded(ICalendarOf(header, events, Madrid2024()));
    const std::string expected[] = {
        "BEGIN:VCALENDAR", "VERSION:2.0", "TZID:Europe/Madrid",
        // The clocks go forward at 02:00 and back at 03:00, each read on the clock before.
        "DTSTART:20240331T020000", "TZOFFSETFROM:+0100", "TZOFFSETTO:+0200",
        "DTSTART:20241027T030000", "TZOFFSETFROM:+0200", "TZOFFSETTO:+0100", "UID:span-1@kestrava",
        "DTSTAMP:20261207T093000Z",
        // 22:00 UT is 23:00 in winter; 23:00 UT the next day is 01:00 in summer.
        "DTSTART;TZID=Europe/Madrid:20240330T230000", "DTEND;TZID=Europe/Madrid:20240401T010000",
        "SUMMARY:" +
            std::string("\u0936\u0941\u0915\u094d\u0932 \u090f\u0915\u093e\u0926\u0936\u0940 "
                        "(Shukla Ekadashi\\; Vishnu\\, fasting)") +
            "\u0936\u0941\u0915\u094d\u0932 \u090f\u0915\u093e\u0926\u0936\u0940 "
            "(Shukla Ekadashi\\; Vishnu\\, fasting)",
        "DESCRIPTION:From sunrise\\nto sunrise", "CATEGORIES:Tithi,Vrata",
        // An all-day event ends on the next date, across the year's end.
        "DTSTART;VALUE=DATE:20241231", "DTEND;VALUE=DATE:20250101", "END:VCALENDAR"};
    for (const std::string& line : expected) {
        EXPECT_TRUE(Has(lines, line)) << line;
    }

    // A fixed offset gets a zone of its own, and its events read on that offset.
    const auto fixed = Unfolded(ICalendarOf(header, events, FixedOffsetClock(5.5)));
    EXPECT_TRUE(Has(fixed, "TZID:UTC+0530"));
    EXPECT_TRUE(Has(fixed, "DTSTART;TZID=UTC+0530:20240331T033000"));
}

// Bytes that are not UTF-8 (a long run of continuation bytes) hold no character to fold before:
// the line is folded where it stands, and the writer goes on.
TEST(ICalendarOf, FoldsTextThatIsNotUtf8) {
    const std::string bytes(300, '\x87');
    const CalendarEvent event = {"x@kestrava", bytes, "", true, {2024, 1, 1}, 0, 0, {}};
    const std::string file = ICalendarOf(
        {"-//Kestrava//Test//EN", "", Jd(2024, 1, 1), Jd(2024, 1, 1), Jd(2024, 1, 2), ""}, {event},
        FixedOffsetClock(0));
    std::size_t start = 0, lines = 0;
    for (std::size_t end; (end = file.find("\r\n", start)) != std::string::npos; start = end + 2) {
        EXPECT_LE(end - start, 75u);
        ++lines;
    }
    EXPECT_GE(lines, 5u);
    EXPECT_EQ(file.substr(file.size() - 15), "END:VCALENDAR\r\n");
}

TEST(OffsetText, ShowsHoursMinutesAndSecondsWhenThereAreAny) {
    EXPECT_EQ(OffsetText(5.5), "+05:30");
    EXPECT_EQ(OffsetText(-4), "-04:00");
    EXPECT_EQ(OffsetText(0), "+00:00");
    EXPECT_EQ(OffsetText(12.75, true), "+1245");
    EXPECT_EQ(OffsetText(5 + 21 / 60.0 + 10 / 3600.0), "+05:21:10");
}

} // namespace
