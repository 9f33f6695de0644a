// kestrava-tithi's options as one table, one row an option, with the rules by which each mode
// reads its arguments and the help made from both.
#include "OptionTable.h"

#include "Places.h"
#include "Values.h"

#include "places/NamedZoneClock.h"
#include "places/PlaceDirectory.h"

#include <iterator>

namespace tithi_cli {

namespace {

// Keeps a parsed value through `keep`, or passes on the parser's message.
template <class T, class Keeper>
std::optional<ParseError> Keep(ValueOrError<T> parsed, Keeper keep) {
    if (auto* error = std::get_if<ParseError>(&parsed)) {
        return std::move(*error);
    }
    keep(std::get<T>(parsed));
    return std::nullopt;
}

std::optional<ParseError> StoreDate(std::string_view value, Reader, Invocation& into) {
    return Keep(ParseDate(value, "DATE"), [&](const DateArgument& date) {
        into.Moment.Year = date.Year;
        into.Moment.Month = date.Month;
        into.Moment.Day = date.Day;
    });
}

std::optional<ParseError> StoreTime(std::string_view value, Reader, Invocation& into) {
    return Keep(ParseTime(value), [&](const ClockTime& time) {
        into.Moment.Hour = time.Hour;
        into.Moment.Minute = time.Minute;
    });
}

std::optional<ParseError> StoreZone(std::string_view value, Reader, Invocation& into) {
    return Keep(ParseZone(value), [&](const ZoneOffset& zone) {
        into.Moment.ZoneHour = zone.Hours;
        into.Moment.ZoneMinute = zone.Minutes;
    });
}

std::optional<ParseError> StoreZoneMagnitude(std::string_view value, Reader where,
                                             Invocation& into) {
    into.Moment.HasZone = true;
    return StoreZone(value, where, into);
}

// A named zone of the system's database; old names ("Asia/Calcutta") come by their present one.
std::optional<ParseError> StoreZoneName(std::string_view value, Reader, Invocation& into) {
    const QString name = ResolveZoneName(QString::fromUtf8(value.data(), qsizetype(value.size())));
    if (name.isEmpty() || !NamedZoneClock::Open(name)) {
        return ParseError{"--tz " + Quoted(value) +
                          ": not a time zone of the system's database, e.g. Asia/Kolkata or "
                          "America/New_York"};
    }
    into.Moment.ZoneName = name.toStdString();
    return std::nullopt;
}

// "Pune", "Hyderabad, Pakistan", "Springfield, IL, United States": one place of the directory,
// or the candidates to choose from.
std::optional<ParseError> StorePlace(std::string_view value, Reader, Invocation& into) {
    const std::vector<DirectoryPlace> found = PlaceDirectory::BuiltIn().FindByPlaceText(
        QString::fromUtf8(value.data(), qsizetype(value.size())));
    if (found.empty()) {
        return ParseError{"--place " + Quoted(value) +
                          ": no such place in the directory (places of 15,000 or more "
                          "inhabitants); give --lon, --lat and the zone instead, or look with "
                          "--places"};
    }
    if (found.size() > 1) {
        std::string message = "--place " + Quoted(value) + ": " + std::to_string(found.size()) +
                              " places have that name; add the division or the country:";
        constexpr std::size_t Listed = 12;
        for (std::size_t k = 0; k < found.size() && k < Listed; ++k) {
            message += "\n  " + PlaceLine(found[k]);
        }
        if (found.size() > Listed) {
            message += "\n  ... and " + std::to_string(found.size() - Listed) + " more";
        }
        return ParseError{message};
    }
    const DirectoryPlace& place = found.front();
    into.Moment.Place = NamedPlace{place.DisplayText().toStdString(), place.Longitude,
                                   place.Latitude, place.ZoneName.toStdString()};
    into.Moment.HasLat = true;
    return std::nullopt;
}

std::optional<ParseError> StoreLimb(std::string_view value, Reader, Invocation& into) {
    const std::optional<Limb> limb = LimbNamed(value);
    if (!limb) {
        return ParseError{"--limb " + Quoted(value) +
                          ": expected tithi, nakshatra, yoga or karana"};
    }
    into.AlmanacLimb = *limb;
    return std::nullopt;
}

std::optional<ParseError> StoreLater(std::string_view, Reader, Invocation& into) {
    into.Moment.Later = true;
    return std::nullopt;
}

std::optional<ParseError> StorePlacesQuery(std::string_view value, Reader, Invocation& into) {
    if (value.empty()) {
        return ParseError{"--places needs a name to look up"};
    }
    into.PlacesQuery = std::string(value);
    return std::nullopt;
}

std::optional<ParseError> StoreLongitude(std::string_view value, Reader, Invocation& into) {
    return Keep(ParseAngle("--lon", value, 'E', 'W', 180), [&](const Angle& lon) {
        into.Moment.LonDeg = lon.Degrees;
        into.Moment.LonMin = lon.Minutes;
        into.Moment.LonEast = !lon.Second;
    });
}

std::optional<ParseError> StoreLatitude(std::string_view value, Reader, Invocation& into) {
    return Keep(ParseAngle("--lat", value, 'N', 'S', 90), [&](const Angle& lat) {
        into.Moment.LatDeg = lat.Degrees;
        into.Moment.LatMin = lat.Minutes;
        into.Moment.LatSouth = lat.Second;
        into.Moment.HasLat = true;
    });
}

std::optional<ParseError> StoreDst(std::string_view, Reader, Invocation& into) {
    into.Moment.Dst = true;
    return std::nullopt;
}

// A moment or an almanac is written in any format; a batch writes lines, so JSON or CSV, and
// its lines may repeat the format but not change it.
std::optional<ParseError> StoreFormat(std::string_view value, Reader where, Invocation& into) {
    const std::optional<OutputFormat> format = FormatNamed(value);
    if (where == OnBatchCommand) {
        if (!format) {
            return ParseError{"--format " + Quoted(value) + ": expected json or csv"};
        }
        if (*format == OutputFormat::Text) {
            return ParseError{"--format 'text': a batch writes json or csv"};
        }
    } else {
        if (!format) {
            return ParseError{"--format " + Quoted(value) + ": expected text, json or csv"};
        }
        into.Moment.Format = format;
    }
    into.Format = *format;
    return std::nullopt;
}

std::optional<ParseError> StoreFrom(std::string_view value, Reader, Invocation& into) {
    return Keep(ParseDate(value, "--from"), [&](const DateArgument& date) { into.From = date; });
}

std::optional<ParseError> StoreTo(std::string_view value, Reader, Invocation& into) {
    return Keep(ParseDate(value, "--to"), [&](const DateArgument& date) { into.To = date; });
}

constexpr Readers MomentReaders = OnMomentLine | OnBatchLine | OnAlmanacLine;

constexpr Option Table[] = {
    {.Name = "--zone",
     .TakesValue = true,
     .AcceptedOn = MomentReaders,
     .Store = StoreZoneMagnitude,
     .Missing = "hours[:minutes] from Greenwich",
     .Synopsis = "--zone H[:MM]",
     .Help = "the zone's offset from Greenwich in hours and minutes, without a\n"
             "sign: its direction follows the longitude (east of Greenwich the\n"
             "clock is ahead of Universal Time, west of it behind)"},
    {.Name = "--tz",
     .TakesValue = true,
     .AcceptedOn = MomentReaders,
     .Store = StoreZoneName,
     .NotWith = "--zone|--dst",
     .Synopsis = "--tz AREA/CITY",
     .Help = "a named time zone instead of --zone (Asia/Kolkata,\n"
             "America/New_York): the offset in force at each instant, daylight\n"
             "saving and historic offsets included, its direction the zone's own"},
    {.Name = "--place",
     .TakesValue = true,
     .AcceptedOn = MomentReaders,
     .Store = StorePlace,
     .NotWith = "--lon|--lat",
     .Synopsis = "--place \"NAME[, DIVISION][, COUNTRY]\"",
     .Help = "a place of the directory instead of --lon and --lat: its longitude,\n"
             "latitude and named zone (\"Pune\", \"Hyderabad, Pakistan\",\n"
             "\"Springfield, IL\"); --zone or --tz beside it set the zone instead.\n"
             "Where several places have the name they are listed (status 2)"},
    {.Name = "--later",
     .TakesValue = false,
     .AcceptedOn = MomentReaders,
     .Store = StoreLater,
     .Synopsis = "--later",
     .Help = "where the clocks were set back and DATE TIME occurs twice, the\n"
             "second occurrence (the first is taken otherwise, with a note)"},
    {.Name = "--lon",
     .TakesValue = true,
     .AcceptedOn = MomentReaders,
     .Store = StoreLongitude,
     .Missing = "degrees[:minutes] E or W",
     .Synopsis = "--lon D[:MM]E|W",
     .Help = "longitude in degrees and minutes, East or West; 0 counts as West"},
    {.Name = "--lat",
     .TakesValue = true,
     .AcceptedOn = MomentReaders,
     .Store = StoreLatitude,
     .Synopsis = "--lat D[:MM]N|S",
     .Help = "latitude in degrees and minutes, for the sunrise (without it the\n"
             "sunrise is not computed)"},
    {.Name = "--dst",
     .TakesValue = false,
     .AcceptedOn = MomentReaders,
     .Store = StoreDst,
     .Synopsis = "--dst",
     .Help = "daylight saving time is in force: the clock is one hour ahead"},
    {.Name = "--format",
     .TakesValue = true,
     .AcceptedOn = MomentReaders | OnBatchCommand | OnPlacesLine,
     .Store = StoreFormat,
     .Synopsis = "--format FORMAT",
     .Help = "text (the default), json (one object) or csv (a header line,\n"
             "then one row)"},
    {.Name = "--from",
     .TakesValue = true,
     .AcceptedOn = OnAlmanacLine,
     .Chooses = Mode::Almanac,
     .Store = StoreFrom,
     .Missing = "the first date, YYYY-MM-DD",
     .Synopsis = "--from DATE, --to DATE",
     .Help = "an almanac instead of one moment: every tithi that begins\n"
             "between the midnight that opens the first date and the one that\n"
             "closes the last (1901-01-01 to 2050-12-31), one per line with its\n"
             "begin and end: text, JSON lines or CSV rows after one header\n"
             "line. Daylight saving, if given, holds for the whole range."},
    {.Name = "--to",
     .TakesValue = true,
     .AcceptedOn = OnAlmanacLine,
     .Chooses = Mode::Almanac,
     .Store = StoreTo,
     .Missing = "the last date, YYYY-MM-DD"},
    {.Name = "--places",
     .TakesValue = true,
     .AcceptedOn = OnPlacesLine,
     .Chooses = Mode::Places,
     .Store = StorePlacesQuery,
     .Synopsis = "--places QUERY",
     .Help = "list the places of the directory whose names begin with QUERY,\n"
             "the most populous first: name, division, country, latitude,\n"
             "longitude, zone and population (text, JSON lines or CSV)"},
    {.Name = "--limb",
     .TakesValue = true,
     .AcceptedOn = OnAlmanacLine,
     .Store = StoreLimb,
     .Synopsis = "--limb LIMB",
     .Help = "the almanac's limb: tithi (the default), nakshatra, yoga or karana"},
    {.Name = "--batch",
     .TakesValue = false,
     .AcceptedOn = OnBatchCommand,
     .Chooses = Mode::Batch,
     .Synopsis = "--batch",
     .Help = "read one moment per line from standard input, in the same form\n"
             "as above (DATE TIME and the options), and write one result per\n"
             "line: JSON lines (the default) or CSV rows after one header line.\n"
             "The format is the command line's; a line may repeat it but not\n"
             "change it. Blank lines are skipped."},
    {.Name = "--help",
     .Alias = "-h",
     .TakesValue = false,
     .AcceptedOn = OnHelpLine,
     .Chooses = Mode::Help,
     .Synopsis = "--help, -h",
     .Help = "this text"},
};

constexpr Positional MomentPositionals[] = {
    {"DATE", "YYYY-MM-DD", StoreDate, "the civil date, YYYY-MM-DD, 1901-01-01 to 2050-12-31"},
    {"TIME", "HH:MM", StoreTime, "the civil (zone) clock time, HH:MM on the 24-hour clock"},
};

constexpr std::string_view PlaceRequired[] = {"--zone|--tz|--place", "--lon|--place"};
constexpr std::string_view AlmanacRequired[] = {"--from", "--to", "--zone|--tz|--place",
                                                "--lon|--place"};

std::string RefuseOnMomentLine(const Option& option, std::string_view given) {
    return std::string(given) + (option.Chooses == Mode::Almanac
                                     ? ": an almanac takes no DATE and TIME"
                                     : ": not together with a moment");
}

std::string RefuseOnBatchLine(const Option&, std::string_view given) {
    return std::string(given) + ": not on a line of a batch";
}

std::string RefuseOnAlmanacLine(const Option&, std::string_view given) {
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
constexpr ModeRules BatchCommandRules{.Where = OnBatchCommand,
                                      .DefaultFormat = OutputFormat::Json,
                                      .Surplus =
                                          ": with --batch, the moments come from standard input",
                                      .ValueIsNextArgument = true,
                                      .Refuse = RefuseOnBatchCommand};

constexpr Mode Precedence[] = {Mode::Help, Mode::Places, Mode::Batch, Mode::Almanac, Mode::Single};

} // namespace

std::span<const Option> Options() {
    return Table;
}

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
    case Mode::Single:
        break;
    }
    return OnMomentLine;
}

} // namespace tithi_cli
