// SPDX-License-Identifier: MIT
// The values of kestrava-tithi's arguments: whole ASCII digits only, so that no huge,
// signed or non-numeric value gets through, and every message names what it rejects.
#include "Values.h"

#include "engine/input/NumericText.h"
#include "engine/input/PlaceReading.h"

#include <cstdio>

namespace tithi_cli {

namespace {

constexpr int MinYear = 1901;
constexpr int MaxYear = 2050;

bool IsLeapYear(int year) {
    return year % 4 == 0;
} // exact for 1901 ... 2050

int DaysInMonth(int year, int month) {
    constexpr int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return days[month - 1] + (month == 2 && IsLeapYear(year) ? 1 : 0);
}

constexpr const char* MonthNames[] = {"January",   "February", "March",    "April",
                                      "May",       "June",     "July",     "August",
                                      "September", "October",  "November", "December"};

} // namespace

std::string Quoted(std::string_view text) {
    constexpr std::size_t Longest = 40;
    std::string quoted = "'";
    for (char c : text.substr(0, Longest)) {
        quoted += c >= 0x20 && c < 0x7f ? c : '?';
    }
    if (text.size() > Longest) {
        quoted += "...";
    }
    quoted += '\'';
    return quoted;
}

ValueOrError<DateArgument> ParseDate(std::string_view text, std::string_view name) {
    const std::string what = std::string(name) + ' ' + Quoted(text);
    const TextSplit first = SplitAt(text, '-');
    const TextSplit second = SplitAt(first.Tail, '-');
    const auto year = DigitsValue(first.Head, 4);
    const auto month = DigitsValue(second.Head, 2);
    const auto day = DigitsValue(second.Tail, 2);
    if (first.Head.size() != 4 || !second.HasTail || !year || !month || !day) {
        return ParseError{what + ": expected YYYY-MM-DD, e.g. 2024-01-11"};
    }
    if (*year < MinYear || *year > MaxYear) {
        return ParseError{what + ": the year must be 1901 to 2050"};
    }
    if (*month < 1 || *month > 12) {
        return ParseError{what + ": the month must be 1 to 12"};
    }
    const int days = DaysInMonth(*year, *month);
    if (*day < 1 || *day > days) {
        return ParseError{what + ": " + MonthNames[*month - 1] + ' ' + std::to_string(*year) +
                          " has days 1 to " + std::to_string(days)};
    }
    return DateArgument{*year, *month, *day};
}

ValueOrError<MonthArgument> ParseMonth(std::string_view text) {
    const std::string what = "--month " + Quoted(text);
    const TextSplit split = SplitAt(text, '-');
    const auto year = DigitsValue(split.Head, 4);
    const auto month = DigitsValue(split.Tail, 2);
    if (split.Head.size() != 4 || !split.HasTail || !year || !month) {
        return ParseError{what + ": expected YYYY-MM, e.g. 2024-06"};
    }
    if (*year < MinYear || *year > MaxYear) {
        return ParseError{what + ": the year must be 1901 to 2050"};
    }
    if (*month < 1 || *month > 12) {
        return ParseError{what + ": the month must be 1 to 12"};
    }
    return MonthArgument{*year, *month};
}

ValueOrError<int> ParseCount(std::string_view name, std::string_view text, int most) {
    const auto count = DigitsValue(text, 4);
    if (!count || *count < 1 || *count > most) {
        return ParseError{std::string(name) + ' ' + Quoted(text) +
                          ": expected a whole number 1 to " + std::to_string(most)};
    }
    return *count;
}

std::string IsoDate(const DateArgument& date) {
    char text[16];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", date.Year, date.Month, date.Day);
    return text;
}

ValueOrError<ClockTime> ParseTime(std::string_view text) {
    const std::string what = "TIME " + Quoted(text);
    const TextSplit parts = SplitAt(text, ':');
    const auto hour = DigitsValue(parts.Head, 2);
    const auto minute = DigitsValue(parts.Tail, 2);
    if (!parts.HasTail || !hour || !minute) {
        return ParseError{what + ": expected HH:MM on the 24-hour clock, e.g. 17:05"};
    }
    if (*hour > 23) {
        return ParseError{what + ": the hour must be 0 to 23"};
    }
    if (*minute > 59) {
        return ParseError{what + ": the minute must be 0 to 59"};
    }
    return ClockTime{*hour, *minute};
}

ValueOrError<ZoneOffset> ParseZone(std::string_view text) {
    const std::string what = "--zone " + Quoted(text);
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
        return ParseError{what + ": give the zone without a sign; its direction follows --lon"};
    }
    const TextSplit parts = SplitAt(text, ':');
    const auto hours = DigitsValue(parts.Head, 2);
    const auto minutes = parts.HasTail ? DigitsValue(parts.Tail, 2) : std::optional<int>{0};
    if (!hours || !minutes) {
        return ParseError{what + ": expected hours[:minutes], e.g. 5:30"};
    }
    if (*hours > MostOf(PlaceInput::ZoneHour)) {
        return ParseError{what + ": the hours must be 0 to " +
                          std::to_string(MostOf(PlaceInput::ZoneHour))};
    }
    if (*minutes > MostOf(PlaceInput::ZoneMinute)) {
        return ParseError{what + ": the minutes must be 0 to 59"};
    }
    return ZoneOffset{*hours, *minutes};
}

ValueOrError<Angle> ParseAngle(std::string_view option, std::string_view text, char first,
                               char second, int maxDegrees) {
    const std::string what = std::string(option) + ' ' + Quoted(text);
    const std::string example = option == "--lon" ? "77:13E" : "28:36N";
    const std::string decimals = option == "--lon" ? "77.2090E, -74.006" : "28.6139N, -33.8688";
    const std::string shape = what + ": expected degrees[:minutes] followed by " + first + " or " +
                              second + ", e.g. " + example + ", or decimal degrees (" + decimals +
                              ')';
    const auto read = ReadAngle(text, first, second, maxDegrees);
    if (const auto* angle = std::get_if<AngleReading>(&read)) {
        return Angle{angle->Degrees, angle->Minutes, angle->Second, angle->Exact};
    }
    switch (std::get<AngleRefusal>(read)) {
    case AngleRefusal::Shape:
        break;
    case AngleRefusal::Minutes:
        return ParseError{what + ": the minutes must be 0 to 59"};
    case AngleRefusal::BeyondDegrees:
        return ParseError{what + ": at most " + std::to_string(maxDegrees) + " degrees"};
    }
    return ParseError{shape};
}

std::optional<OutputFormat> FormatNamed(std::string_view name) {
    if (name == "text") {
        return OutputFormat::Text;
    }
    if (name == "json") {
        return OutputFormat::Json;
    }
    if (name == "csv") {
        return OutputFormat::Csv;
    }
    return std::nullopt;
}

} // namespace tithi_cli
