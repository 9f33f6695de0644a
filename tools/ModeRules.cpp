// SPDX-License-Identifier: MIT
// The rules by which each mode of kestrava-tithi reads its arguments: its positional arguments,
// the options it needs, how it refuses the others, and its last check; and the order in which
// the modes win.
#include "OptionStores.h"
#include "Values.h"

#include <string>

namespace tithi_cli {

namespace {

constexpr Positional MomentPositionals[] = {
    {"DATE", "YYYY-MM-DD", StoreDate, "the civil date, YYYY-MM-DD, 1901-01-01 to 2050-12-31"},
    {"TIME", "HH:MM", StoreTime, "the civil (zone) clock time, HH:MM on the 24-hour clock"},
};

constexpr std::string_view PlaceRequired[] = {"--zone|--tz|--place", "--lon|--place"};
constexpr std::string_view AlmanacRequired[] = {"--from", "--to", "--zone|--tz|--place",
                                                "--lon|--place"};

// An option of one of the calendar's modes alone, given without the option of its mode.
std::optional<std::string> CalendarOptionAlone(const Option& option, std::string_view given) {
    if (option.AcceptedOn == OnFindLine) {
        return std::string(given) + ": goes with --find";
    }
    if (option.AcceptedOn == OnCalendarLine) {
        return std::string(given) + ": goes with --ics";
    }
    return std::nullopt;
}

std::string RefuseOnMomentLine(const Option& option, std::string_view given) {
    if (auto alone = CalendarOptionAlone(option, given)) {
        return *alone;
    }
    return std::string(given) + (option.Chooses == Mode::Almanac
                                     ? ": an almanac takes no DATE and TIME"
                                     : ": not together with a moment");
}

std::string RefuseOnBatchLine(const Option&, std::string_view given) {
    return std::string(given) + ": not on a line of a batch";
}

std::string RefuseOnAlmanacLine(const Option& option, std::string_view given) {
    if (auto alone = CalendarOptionAlone(option, given)) {
        return *alone;
    }
    return std::string(given) + ": not together with a moment";
}

// The moment's own options belong on the lines of standard input; anything else is unknown to
// a batch.
std::string RefuseOnBatchCommand(const Option& option, std::string_view given) {
    if (option.AcceptedOn & OnBatchLine) {
        return std::string(given) + ": with --batch, give it on each line of standard input";
    }
    return "unknown option " + Quoted(given);
}

// A place's named zone knows its own daylight saving: --dst goes only with a typed --zone.
std::optional<ParseError> CheckDaylightSaving(const Invocation& invocation) {
    const MomentArguments& moment = invocation.Moment;
    if (moment.Dst && moment.Place && !moment.HasZone) {
        return ParseError{"--dst: the zone of --place keeps its own daylight saving; give --zone "
                          "with --dst to type the offset yourself"};
    }
    return std::nullopt;
}

std::optional<ParseError> CheckRange(const Invocation& almanac) {
    if (auto error = CheckDaylightSaving(almanac)) {
        return error;
    }
    const auto key = [](const DateArgument& d) { return (d.Year * 100 + d.Month) * 100 + d.Day; };
    if (key(almanac.To) < key(almanac.From)) {
        return ParseError{"--to '" + IsoDate(almanac.To) + "' comes before --from '" +
                          IsoDate(almanac.From) + "'"};
    }
    return std::nullopt;
}

constexpr ModeRules MomentLineRules{.Where = OnMomentLine,
                                    .Positionals = MomentPositionals,
                                    .Required = PlaceRequired,
                                    .Refuse = RefuseOnMomentLine,
                                    .Check = CheckDaylightSaving};
constexpr ModeRules BatchLineRules{.Where = OnBatchLine,
                                   .Positionals = MomentPositionals,
                                   .Required = PlaceRequired,
                                   .Refuse = RefuseOnBatchLine,
                                   .Check = CheckDaylightSaving};
std::string RefuseOnPlacesLine(const Option&, std::string_view given) {
    return std::string(given) + ": not together with --places";
}
constexpr std::string_view PlacesRequired[] = {"--places"};
constexpr ModeRules PlacesLineRules{.Where = OnPlacesLine,
                                    .Surplus =
                                        ": --places takes one QUERY; quote a name with blanks",
                                    .Required = PlacesRequired,
                                    .Refuse = RefuseOnPlacesLine};
constexpr ModeRules AlmanacLineRules{.Where = OnAlmanacLine,
                                     .Surplus =
                                         ": an almanac takes --from and --to, not DATE and TIME",
                                     .Required = AlmanacRequired,
                                     .Refuse = RefuseOnAlmanacLine,
                                     .Check = CheckRange};
// The calendar's modes need the latitude: their days run from sunrise to sunrise.
constexpr std::string_view MonthRequired[] = {"--month", "--zone|--tz|--place", "--lon|--place",
                                              "--lat|--place"};
constexpr std::string_view FindRequired[] = {"--find", "--zone|--tz|--place", "--lon|--place",
                                             "--lat|--place"};
constexpr std::string_view CalendarRequired[] = {
    "--ics", "--from", "--to", "--zone|--tz|--place", "--lon|--place", "--lat|--place"};

std::string RefuseOnMonthLine(const Option&, std::string_view given) {
    return std::string(given) + ": not together with --month";
}
std::string RefuseOnFindLine(const Option&, std::string_view given) {
    return std::string(given) + ": not together with --find";
}
std::string RefuseOnCalendarLine(const Option&, std::string_view given) {
    return std::string(given) + ": not together with --ics";
}

// A search's month and its adhika month go with a month only.
std::optional<ParseError> CheckFind(const Invocation& find) {
    if (auto error = CheckDaylightSaving(find)) {
        return error;
    }
    if (find.Find.WithAdhika && find.Find.Masa < 0) {
        return ParseError{"--adhika: give the month with --masa"};
    }
    return std::nullopt;
}

constexpr ModeRules MonthLineRules{.Where = OnMonthLine,
                                   .Surplus = ": --month takes YYYY-MM",
                                   .Required = MonthRequired,
                                   .Refuse = RefuseOnMonthLine,
                                   .Check = CheckDaylightSaving};
constexpr ModeRules FindLineRules{.Where = OnFindLine,
                                  .Surplus = ": quote the tithi's name, --find \"Krishna Ashtami\"",
                                  .Required = FindRequired,
                                  .Refuse = RefuseOnFindLine,
                                  .Check = CheckFind};
constexpr ModeRules CalendarLineRules{.Where = OnCalendarLine,
                                      .Surplus = ": --ics takes --from and --to",
                                      .Required = CalendarRequired,
                                      .Refuse = RefuseOnCalendarLine,
                                      .Check = CheckRange};
constexpr ModeRules BatchCommandRules{.Where = OnBatchCommand,
                                      .DefaultFormat = OutputFormat::Json,
                                      .Surplus =
                                          ": with --batch, the moments come from standard input",
                                      .ValueIsNextArgument = true,
                                      .Refuse = RefuseOnBatchCommand};

// The calendar's modes come before the almanac, whose --from and --to they share.
constexpr Mode Precedence[] = {Mode::Help, Mode::Places,   Mode::Batch,   Mode::Month,
                               Mode::Find, Mode::Calendar, Mode::Almanac, Mode::Single};

} // namespace

const ModeRules& RulesOf(Reader where) {
    switch (where) {
    case OnBatchLine:
        return BatchLineRules;
    case OnAlmanacLine:
        return AlmanacLineRules;
    case OnBatchCommand:
        return BatchCommandRules;
    case OnPlacesLine:
        return PlacesLineRules;
    case OnMonthLine:
        return MonthLineRules;
    case OnFindLine:
        return FindLineRules;
    case OnCalendarLine:
        return CalendarLineRules;
    case OnMomentLine:
    case OnHelpLine:
        break;
    }
    return MomentLineRules;
}

std::span<const Mode> ModePrecedence() {
    return Precedence;
}

Reader CommandLineOf(Mode mode) {
    switch (mode) {
    case Mode::Batch:
        return OnBatchCommand;
    case Mode::Almanac:
        return OnAlmanacLine;
    case Mode::Help:
        return OnHelpLine;
    case Mode::Places:
        return OnPlacesLine;
    case Mode::Month:
        return OnMonthLine;
    case Mode::Find:
        return OnFindLine;
    case Mode::Calendar:
        return OnCalendarLine;
    case Mode::Single:
        break;
    }
    return OnMomentLine;
}

} // namespace tithi_cli
