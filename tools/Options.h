// SPDX-License-Identifier: MIT
// kestrava-tithi's arguments: what a command line or a line of a batch asks for, and the
// parsers that read them. Free of Qt.
#pragma once

#include "engine/calendar/CalendarExport.h"
#include "engine/limbs/Limbs.h"
#include "engine/report/PrepareMoment.h"
#include "engine/sky/SkyChoice.h"

#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace tithi_cli {

enum class OutputFormat { Text, Json, Csv };

// A place of the directory, as --place found it.
struct NamedPlace {
    std::string Display;  // "Pune, Maharashtra, India"
    double Longitude{};   // degrees, east positive
    double Latitude{};    // degrees, north positive
    std::string ZoneName; // its IANA zone
};

// One moment and place, as the window takes them: the zone and the degrees are magnitudes, and
// the direction of the zone follows the longitude. A named zone (--tz, or the zone of a place
// from --place) carries its own direction and daylight saving instead.
struct MomentArguments : MomentInputs {
    bool HasLat{};                      // --lat was given: the sunrise needs it
    std::optional<OutputFormat> Format; // when --format was given
    bool HasZone{};                     // --zone was given
    std::string ZoneName;               // --tz, resolved to the name the system holds
    std::optional<NamedPlace> Place;    // --place
    bool Later{};                       // --later: the second of a reading that occurs twice
    // --lon and --lat in decimal degrees (east and north positive), kept whole for the place;
    // the record holds them to the nearest minute, as the window's fields would.
    std::optional<double> ExactLongitude, ExactLatitude;
    SkyChoice Sky; // --ephemeris, --ayanamsa
};

// A rejected argument: one line that names it, without the program name or a line number.
struct ParseError {
    std::string Message;
};

// What a run of the tool does; an option of the table chooses it (--batch, --from, --help,
// --month, --find, --ics, --festivals), and one moment is the default.
enum class Mode { Single, Batch, Almanac, Places, Help, Month, Find, Calendar, Festivals };

// A civil date of the almanac's range.
struct DateArgument {
    int Year{}, Month{}, Day{};
};

struct Invocation {
    Mode Kind{Mode::Single};
    MomentArguments Moment;                  // Single; for an almanac, the place (no date, time)
    DateArgument From, To;                   // Almanac only: the first and the last date
    OutputFormat Format{OutputFormat::Text}; // Json by default for a batch
    std::string PlacesQuery;                 // Places: the text to look up
    ::Limb AlmanacLimb{::Limb::Tithi};       // Almanac: which limb's spans
    bool HasFrom{};                          // --from was given

    // The calendar's modes.
    int MonthYear{}, MonthNumber{}; // Month: the month of --month
    TithiQuery Find;                // Find: the tithi of --find, the month of --masa, the
                                    // reckoning of --purnimanta, --adhika
    bool Previous{};                // Find: --previous, the days before --from
    int Count{10};                  // Find: --count
    std::string CalendarFile;       // Calendar: the file of --ics ("-": standard output)
    CalendarEventKind Events{CalendarEventKind::Days}; // Calendar: --events
    std::string Language{"en"}; // --lang: the language of the names and texts written
    ::Tradition Keeper{::Tradition::Smarta}; // Festivals, Calendar: --tradition
};

// ParseCommandLine: the arguments after the program name.
std::variant<Invocation, ParseError> ParseCommandLine(const std::vector<std::string>& args);

// ParseMomentArguments: DATE TIME --zone H[:MM] --lon D[:MM]E|W [--lat D[:MM]N|S] [--dst]
// [--format text|json|csv], options and the two positional arguments in any order.
std::variant<MomentArguments, ParseError>
ParseMomentArguments(const std::vector<std::string_view>& args);

// ParseAlmanacArguments: --from DATE --to DATE --zone H[:MM] --lon D[:MM]E|W [--lat D[:MM]N|S]
// [--dst] [--format text|json|csv], in any order; the last date may not come before the first.
std::variant<Invocation, ParseError>
ParseAlmanacArguments(const std::vector<std::string_view>& args);

// ParseBatchLine: one line of a batch, split into words as a shell does (blanks part them;
// double and single quotes and a backslash keep blanks within one); a blank line gives
// std::monostate.
// Any text is safe to give it.
//   sky  the ephemeris and the ayanamsa of the batch's command line, which a line may change
std::variant<std::monostate, MomentArguments, ParseError> ParseBatchLine(std::string_view line,
                                                                         const SkyChoice& sky);

// The usage text of --help.
std::string HelpText();

} // namespace tithi_cli
