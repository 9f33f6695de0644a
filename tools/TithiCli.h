// The command-line tool kestrava-tithi: its argument and batch-line parser, the computation of
// one moment through the engine, and the text, JSON and CSV output. Free of Qt.
#pragma once

#include "engine/PrepareMoment.h"
#include "engine/TithiReport.h"

#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace tithi_cli {

enum class OutputFormat { Text, Json, Csv };

// One moment and place, as the window takes them: the zone and the degrees are magnitudes, and
// the direction of the zone follows the longitude.
struct MomentArguments : MomentInputs {
    bool HasLat{};                      // --lat was given: the sunrise needs it
    std::optional<OutputFormat> Format; // when --format was given
};

// A rejected argument: one line that names it, without the program name or a line number.
struct ParseError {
    std::string Message;
};

enum class Mode { Single, Batch, Almanac, Help };

// A civil date of the almanac's range.
struct DateArgument {
    int Year{}, Month{}, Day{};
};

struct Invocation {
    Mode Kind{Mode::Single};
    MomentArguments Moment;                  // Single; for an almanac, the place (no date, time)
    DateArgument From, To;                   // Almanac only: the first and the last date
    OutputFormat Format{OutputFormat::Text}; // Json by default for a batch
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

// ParseBatchLine: one line of a batch, split at blanks; a blank line gives std::monostate.
// Any text is safe to give it.
std::variant<std::monostate, MomentArguments, ParseError> ParseBatchLine(std::string_view line);

// What the tool reports for one moment.
struct TithiResult {
    int Index{};
    TithiReportTexts Texts; // number, name, phase, lord, group, features, nature, type, paragraph
    double Moon{};          // degrees
    double Sun{};           // degrees
    double Elongation{};    // degrees
    double Jde{};           // Julian day, Terrestrial Time

    // When the tithi began and when it ends, ISO 8601 on the place's clock with its offset
    // ("2024-01-11T17:27:03+05:30"): the first whole second of each tithi.
    std::string Begins, Ends;
    // The sunrise of the date (to the nearest second) and the tithi then ("Amavasya"); nothing
    // where the Sun does not rise that date or no latitude was given, and SunriseNote says why.
    std::optional<std::string> Sunrise, SunriseTithi;
    std::string SunriseNote;
    std::string Karana; // the half-tithi of the moment
};

// ComputeResult: the engine's steps for one moment (PrepareMoment, the tithi driver and the
// report, the begin and end of the tithi, the sunrise and the karana); nothing when the report
// has no texts for the index.
std::optional<TithiResult> ComputeResult(const MomentArguments& moment);

std::string FormatText(const TithiResult& result);
std::string FormatJson(const TithiResult& result); // one line, no newline
std::string CsvHeader();                           // no newline
std::string FormatCsv(const TithiResult& result);  // one row, no newline

// One tithi of an almanac.
struct AlmanacEntry {
    int Index{};
    std::string Tithi;        // "Shukla Pratipada"
    std::string Begins, Ends; // ISO 8601 on the place's clock, as in TithiResult
};

// ComputeAlmanac: every tithi that begins between the midnight that opens the first date and
// the midnight that closes the last, by the place's clock, with its end.
std::vector<AlmanacEntry> ComputeAlmanac(const Invocation& almanac);

std::string FormatAlmanacText(const AlmanacEntry& entry); // one line, no newline
std::string FormatAlmanacJson(const AlmanacEntry& entry); // one line, no newline
std::string AlmanacCsvHeader();                           // no newline
std::string FormatAlmanacCsv(const AlmanacEntry& entry);  // one row, no newline

// The usage text of --help.
std::string HelpText();

// RunCli: the whole tool. Returns the exit status: 0, 2 for bad input (in a batch, after all
// lines have run), 1 when the results could not be written.
int RunCli(const std::vector<std::string>& args, std::istream& in, std::ostream& out,
           std::ostream& err);

} // namespace tithi_cli
