// SPDX-License-Identifier: MIT
// kestrava-tithi's calendar modes: a month's days (--month), the days of observance of a tithi
// (--find) and an iCalendar file (--ics), through the engine's calendar; their rows as text,
// JSON lines or CSV through their records, and a file written whole or not at all.
#pragma once

#include "Options.h"

#include "engine/present/Record.h"

#include <optional>
#include <string>
#include <vector>

namespace tithi_cli {

// One day of a month, from its sunrise to the next.
struct MonthDayEntry {
    std::string Date;                   // 2024-06-11
    std::string Vara;                   // "Mangalavara"
    std::optional<std::string> Sunrise; // ISO 8601 with the offset; none where the Sun does not
                                        // rise that date (the day runs from its midnight)
    int Tithi{-1};                      // at sunrise, 0 ... 29
    std::string TithiName;              // "Shukla Panchami"
    std::string Paksha;                 // "Shukla"
    std::string Ends;                   // when the tithi at sunrise ends, ISO 8601
    std::vector<int> Kshaya;            // the tithis that begin and end within the day
    bool Vriddhi{};                     // the tithi at sunrise holds the next sunrise too
    std::vector<int> Observed;          // the tithis observed on the day
    std::string MasaAmanta;             // the amanta month at sunrise
    bool Adhika{};
};

// ComputeMonth: the days of the month of --month at the place.
std::vector<MonthDayEntry> ComputeMonth(const Invocation& month);

// One day of observance of a tithi.
struct FindEntry {
    std::string Date; // the day of observance
    int Tithi{};
    std::string TithiName;      // "Krishna Ashtami"
    std::string Begins, Ends;   // ISO 8601 with the offset
    std::string MasaAmanta;     // "Shravana"
    std::string MasaPurnimanta; // "Bhadrapada"
    bool Adhika{};              // the month, in the reckoning asked for, is adhika
    std::string Observance;     // "sunrise", "kshaya" or "vriddhi": how it met the sunrises
};

// ComputeFind: the days of --find from --from (or `today`, a civil date on the place's clock,
// without it).
std::vector<FindEntry> ComputeFind(const Invocation& find, const DateArgument& today);

// TodayAt: the civil date of the place's clock now.
DateArgument TodayAt(const Invocation& invocation);

// ComputeCalendarFile: the iCalendar file of --ics, stamped with the time given (Julian day,
// Universal Time); and how many events it holds.
struct CalendarFile {
    std::string Text;
    int Events{};
};
CalendarFile ComputeCalendarFile(const Invocation& calendar, double stampJd,
                                 const CalendarWording* words = nullptr);

// The records of the rows: a table with a heading line in the text, one object a line in JSON,
// a header line and rows in CSV.
Record MonthRecord(const MonthDayEntry& day);
Record FindRecord(const FindEntry& entry);

// WriteWholeFile: the bytes saved as SaveWholeFile saves them (a link followed, a device or a pipe
// written in place, the old file's mode kept, nothing left behind by a failure or a signal).
// Returns why it failed, or nothing.
std::optional<std::string> WriteWholeFile(const std::string& path, const std::string& bytes);

} // namespace tithi_cli
