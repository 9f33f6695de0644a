// SPDX-License-Identifier: MIT
// kestrava-tithi's help: the usage, one entry for each positional argument and option of the
// table, and the details of the output and the exit status.
#include "OptionTable.h"

#include <string>
#include <string_view>

namespace tithi_cli {

namespace {

constexpr std::string_view Usage =
    R"(Usage: kestrava-tithi DATE TIME --zone H[:MM] --lon D[:MM]E|W [--lat D[:MM]N|S]
                      [--dst] [--format text|json|csv]
       kestrava-tithi DATE TIME --tz AREA/CITY --lon D[:MM]E|W [--lat D[:MM]N|S]
                      [--later] [--format text|json|csv]
       kestrava-tithi DATE TIME --place "NAME[, DIVISION][, COUNTRY]" [--later]
                      [--format text|json|csv]
       kestrava-tithi --from DATE --to DATE --zone H[:MM] --lon D[:MM]E|W
                      [--lat D[:MM]N|S] [--dst] [--format text|json|csv]
       kestrava-tithi --from DATE --to DATE (--tz AREA/CITY --lon ... | --place NAME)
       kestrava-tithi --places QUERY [--format text|json|csv]
       kestrava-tithi --month YYYY-MM PLACE [--format text|json|csv]
       kestrava-tithi --find "PAKSHA TITHI" [--masa MONTH [--adhika]] [--purnimanta]
                      [--from DATE] [--previous] [--count N] PLACE [--format ...]
       kestrava-tithi --ics FILE --from DATE --to DATE [--events days|spans|vrata]
                      PLACE
       kestrava-tithi --batch [--format json|csv] < moments
       kestrava-tithi --help

The tithi (lunar day) of one moment at one place: the Moon's lead over the Sun in
steps of 12 degrees, with the texts of the report, when the tithi began and when
it ends, the sunrise of the date with the tithi then, and the karana (half-tithi).
The calendar's modes take the PLACE as an almanac does (--zone, --tz or --place,
--lon and --lat, or --place alone).
)";

constexpr std::string_view Details =
    R"(Options take their value as the next argument or after '=' (--zone=5:30).

JSON and CSV carry: index (0 to 29), number, name, phase, lord, group, features,
nature, type, description (the report's texts), and moon, sun, elongation (degrees)
and jde (the Julian day in Terrestrial Time at which both were computed), with 17
significant digits; begins and ends, when the tithi began and when it ends, and
sunrise, on the place's clock in ISO 8601 with the offset in force at each instant
(2024-01-11T17:27:03+05:30); sunrise_tithi, the tithi at sunrise ("Amavasya",
"Shukla Navami"); karana, with karana_begins and karana_ends. Then the day's
panchanga: vara, the weekday reckoned from sunrise to sunrise (a moment before its
date's sunrise has the previous day's vara; without --lat, from midnight); nakshatra
(index 0 to 26, name, pada 1 to 4, lord, begins, ends) and yoga (index, name,
begins, ends); sunset, the first after the date's sunrise (near midsummer at high
latitudes it falls after midnight, on the next date); moonrise and moonset of the
date (null where there is none that date, and without --lat); masa (amanta and
purnimanta names, adhika); samvat (vikram and shaka years); ayanamsa (the chosen
one in degrees: its mean value, the true one for true-chitra); zone, the named zone
(null for a typed --zone); utc_offset, the clock's offset at the moment ("+05:30");
and, in JSON, ephemeris ("modern" or "classical") and delta_t (TT - UT at the
moment, seconds). --lon and --lat take decimal degrees too (77.2090E, 28.6139N,
-74.006). CSV has the same columns,
objects spread into columns of their own (nakshatra_pada, masa_amanta...). sunrise
and sunrise_tithi are null (empty in CSV) without --lat and where the Sun does not
rise that date (polar day or night). Every begins and ends gives the first whole
second of its span. The text format shows the report with its captions, then the
same figures. An almanac carries index, the span's name under the limb's name
(tithi, karana, nakshatra, yoga), begins and ends.

The calendar's days run from sunrise to sunrise. A tithi is observed on the civil
day whose sunrise it holds; a kshaya tithi (one that holds no sunrise) on the day
in which it runs; a vriddhi tithi (one that holds two sunrises) on the first of
its two days. --month carries, for each date: date, vara, sunrise (null where the
Sun does not rise: the day then runs from its midnight), tithi (0 to 29 at
sunrise), tithi_name, paksha, ends (when the tithi at sunrise ends), kshaya (the
indexes of the tithis that begin and end within the day), vriddhi (the tithi at
sunrise holds the next sunrise too: the first of its two days), observed (the
indexes of the tithis observed on the day), masa_amanta and adhika. --find carries
date (the day of observance), tithi, tithi_name, begins, ends, masa_amanta,
masa_purnimanta, adhika (of the month in the reckoning asked for) and observance
(sunrise, kshaya or vriddhi). The lunar month of a tithi is that of its lunation;
with --masa, an adhika month's tithi is left out unless --adhika is given. The
text format ends with the rule of observance. --ics writes all-day events (days,
vrata) or timed events in the place's zone (spans) whose identifiers stay the
same from one export to the next, and prints the file's name and its events. An
instant the clocks show twice (the hour repeated when they go back) is written in
UTC. A skipped date (a zone that crossed the date line) is no day. --find goes no
further than the years 1901 to 2050, with a note when fewer days remain. --ics
writes through a link to the file it names, in place to a device or a pipe, and
keeps the mode of a file it replaces.

A named zone reads DATE TIME with the offset in force then. A time that the clocks
skip when they go forward does not exist and is rejected; one that occurs twice
when they go back is read as the first occurrence, with a note on standard error,
or as the second with --later.

Exit status: 0 on success; 2 when an argument is rejected (one line on standard
error names it; in a batch, the line number too, and the other lines still run),
for a time the clocks skip, for a --place that names no place or several, and for
an almanac or an --ics whose last date comes before its first; 1 when standard
input could not be read or the results could not be written (a batch stops
there), or an --ics file could not be saved (nothing is left of it).

Examples:
  kestrava-tithi 2024-01-11 17:00 --zone 5:30 --lon 77:13E --lat 28:36N
  kestrava-tithi 2024-01-25 10:00 --zone 5 --lon 74W --dst --format json
  kestrava-tithi --from 2024-01-01 --to 2024-12-31 --zone 5:30 --lon 77:13E
  kestrava-tithi 2024-07-04 18:00 --place "New York" --format json
  kestrava-tithi --places Pune
  kestrava-tithi --month 2024-06 --zone 5:30 --lon 77:13E --lat 28:36N
  kestrava-tithi --find "Krishna Ashtami" --masa Bhadrapada --purnimanta --place Pune
  kestrava-tithi --ics vrata.ics --from 2025-01-01 --to 2025-12-31 --events vrata --place Pune
  printf '2000-01-21 04:40 --zone 0 --lon 0E\n' | kestrava-tithi --batch --format csv
)";

// One entry of the help's list: the synopsis in a column of its own, the text beside it or,
// when the synopsis is too wide, below it.
void AddHelpEntry(std::string& help, std::string_view synopsis, std::string_view text) {
    constexpr std::size_t Column = 20;
    help += "  ";
    help += synopsis;
    if (2 + synopsis.size() + 2 <= Column) {
        help.append(Column - 2 - synopsis.size(), ' ');
    } else {
        help += '\n';
        help.append(Column, ' ');
    }
    for (std::size_t at = 0;;) {
        const std::size_t end = text.find('\n', at);
        help += text.substr(at, end - at);
        help += '\n';
        if (end == std::string_view::npos) {
            break;
        }
        at = end + 1;
        help.append(Column, ' ');
    }
}

} // namespace

std::string HelpText() {
    std::string help(Usage);
    help += '\n';
    for (const Positional& positional : RulesOf(OnMomentLine).Positionals) {
        AddHelpEntry(help, positional.Name, positional.Help);
    }
    for (const Option& option : Options()) {
        if (!option.Help.empty()) {
            AddHelpEntry(help, option.Synopsis, option.Help);
        }
    }
    help += '\n';
    help += Details;
    return help;
}

} // namespace tithi_cli
