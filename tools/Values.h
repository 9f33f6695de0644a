// SPDX-License-Identifier: MIT
// The values of kestrava-tithi's arguments: dates, clock times, zones, angles and formats read
// from text, each with the message that names a value it rejects.
#pragma once

#include "Options.h"

#include <optional>
#include <string>
#include <string_view>
#include <variant>

namespace tithi_cli {

template <class T> using ValueOrError = std::variant<T, ParseError>;

// An argument as an error message shows it: in quotes, on one line, without control
// characters or anything but printable ASCII, and cut short when it is long.
std::string Quoted(std::string_view text);

// A civil date YYYY-MM-DD of 1901 to 2050, named in messages as `name` (DATE, --from, --to).
ValueOrError<DateArgument> ParseDate(std::string_view text, std::string_view name);

// A month YYYY-MM of 1901 to 2050, as --month takes it.
struct MonthArgument {
    int Year{}, Month{};
};
ValueOrError<MonthArgument> ParseMonth(std::string_view text);

// A whole number from 1 to `most`, named in messages as `name`.
ValueOrError<int> ParseCount(std::string_view name, std::string_view text, int most);

// The date as YYYY-MM-DD.
std::string IsoDate(const DateArgument& date);

struct ClockTime {
    int Hour{}, Minute{};
};

// HH:MM on the 24-hour clock.
ValueOrError<ClockTime> ParseTime(std::string_view text);

// The zone's offset as a magnitude, H[:MM]; its direction follows the longitude.
struct ZoneOffset {
    int Hours{}, Minutes{};
};

ValueOrError<ZoneOffset> ParseZone(std::string_view text);

// D[:MM] followed by one of two direction letters (either case); or decimal degrees, followed
// by a letter (77.2090E) or signed without one (-74.006, the first direction positive); the
// degrees run to maxDegrees.
struct Angle {
    int Degrees{}, Minutes{};    // decimal degrees to the nearest minute
    bool Second{};               // the second direction (W, S)
    std::optional<double> Exact; // decimal degrees as given, the first direction positive
};

ValueOrError<Angle> ParseAngle(std::string_view option, std::string_view text, char first,
                               char second, int maxDegrees);

// text, json or csv.
std::optional<OutputFormat> FormatNamed(std::string_view name);

} // namespace tithi_cli
