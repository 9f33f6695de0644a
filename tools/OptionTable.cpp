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
    return Keep(ParseDate(value, "--from"), [&](const DateArgument& date) {
        into.From = date;
        into.HasFrom = true;
    });
}

std::optional<ParseError> StoreTo(std::string_view value, Reader, Invocation& into) {
    return Keep(ParseDate(value, "--to"), [&](const DateArgument& date) { into.To = date; });
}

std::optional<ParseError> StoreMonth(std::string_view value, Reader, Invocation& into) {
    return Keep(ParseMonth(value), [&](const MonthArgument& month) {
        into.MonthYear = month.Year;
        into.MonthNumber = month.Month;
    });
}

// "Krishna Ashtami", "Shukla Ekadashi", "Purnima": the fortnight, then the tithi.
std::optional<ParseError> StoreFind(std::string_view value, Reader, Invocation& into) {
    const std::optional<int> tithi = TithiNamed(value);
    if (!tithi) {
        return ParseError{"--find " + Quoted(value) +
                          ": not a tithi; give the fortnight and the name, e.g. \"Krishna "
                          "Ashtami\" or \"Shukla Ekadashi\", or Purnima or Amavasya"};
    }
    into.Find.Tithi = *tithi;
    return std::nullopt;
}

std::optional<ParseError> StoreMasa(std::string_view value, Reader, Invocation& into) {
    const std::optional<int> masa = MasaNamed(value);
    if (!masa) {
        return ParseError{"--masa " + Quoted(value) +
                          ": not a lunar month; one of Chaitra, Vaishakha, Jyeshtha, Ashadha, "
                          "Shravana, Bhadrapada, Ashvin, Kartika, Margashirsha, Pausha, Magha, "
                          "Phalguna"};
    }
    into.Find.Masa = *masa;
    return std::nullopt;
}

std::optional<ParseError> StorePurnimanta(std::string_view, Reader, Invocation& into) {
    into.Find.Reckoning = MonthReckoning::Purnimanta;
    return std::nullopt;
}

std::optional<ParseError> StoreAdhika(std::string_view, Reader, Invocation& into) {
    into.Find.WithAdhika = true;
    return std::nullopt;
}

std::optional<ParseError> StorePrevious(std::string_view, Reader, Invocation& into) {
    into.Previous = true;
    return std::nullopt;
}

std::optional<ParseError> StoreCount(std::string_view value, Reader, Invocation& into) {
    return Keep(ParseCount("--count", value, 1000), [&](int count) { into.Count = count; });
}

std::optional<ParseError> StoreCalendarFile(std::string_view value, Reader, Invocation& into) {
    if (value.empty()) {
        return ParseError{"--ics needs a file name, or - for standard output"};
    }
    into.CalendarFile = std::string(value);
    return std::nullopt;
}

std::optional<ParseError> StoreEvents(std::string_view value, Reader, Invocation& into) {
    const std::optional<CalendarEventKind> kind = CalendarEventKindNamed(value);
    if (!kind) {
        return ParseError{"--events " + Quoted(value) + ": expected days, spans or vrata"};
    }
    into.Events = *kind;
    return std::nullopt;
}

// The calendar's modes reckon their days at a place, as an almanac does.
constexpr Readers CalendarReaders = OnMonthLine | OnFindLine | OnCalendarLine;
constexpr Readers MomentReaders = OnMomentLine | OnBatchLine | OnAlmanacLine;

constexpr Option Table[] = {
    {.Name = "--zone",
     .TakesValue = true,
     .AcceptedOn = MomentReaders | CalendarReaders,
     .Store = StoreZoneMagnitude,
     .Missing = "hours[:minutes] from Greenwich",
     .Synopsis = "--zone H[:MM]",
     .Help = "the zone's offset from Greenwich in hours and minutes, without a\n"
             "sign: its direction follows the longitude (east of Greenwich the\n"
             "clock is ahead of Universal Time, west of it behind)"},
    {.Name = "--tz",
     .TakesValue = true,
     .AcceptedOn = MomentReaders | CalendarReaders,
     .Store = StoreZoneName,
     .NotWith = "--zone|--dst",
     .Synopsis = "--tz AREA/CITY",
     .Help = "a named time zone instead of --zone (Asia/Kolkata,\n"
             "America/New_York): the offset in force at each instant, daylight\n"
             "saving and historic offsets included, its direction the zone's own"},
    {.Name = "--place",
     .TakesValue = true,
     .AcceptedOn = MomentReaders | CalendarReaders,
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
     .AcceptedOn = MomentReaders | CalendarReaders,
     .Store = StoreLongitude,
     .Missing = "degrees[:minutes] E or W",
     .Synopsis = "--lon D[:MM]E|W",
     .Help = "longitude in degrees and minutes, East or West; 0 counts as West"},
    {.Name = "--lat",
     .TakesValue = true,
     .AcceptedOn = MomentReaders | CalendarReaders,
     .Store = StoreLatitude,
     .Missing = "degrees[:minutes] N or S: the calendar's days run from sunrise to sunrise",
     .Synopsis = "--lat D[:MM]N|S",
     .Help = "latitude in degrees and minutes, for the sunrise (without it the\n"
             "sunrise is not computed)"},
    {.Name = "--dst",
     .TakesValue = false,
     .AcceptedOn = MomentReaders | CalendarReaders,
     .Store = StoreDst,
     .Synopsis = "--dst",
     .Help = "daylight saving time is in force: the clock is one hour ahead"},
    {.Name = "--format",
     .TakesValue = true,
     .AcceptedOn = MomentReaders | OnBatchCommand | OnPlacesLine | OnMonthLine | OnFindLine,
     .Store = StoreFormat,
     .Synopsis = "--format FORMAT",
     .Help = "text (the default), json (one object) or csv (a header line,\n"
             "then one row)"},
    {.Name = "--from",
     .TakesValue = true,
     .AcceptedOn = OnAlmanacLine | OnFindLine | OnCalendarLine,
     .Chooses = Mode::Almanac,
     .Store = StoreFrom,
     .Missing = "the first date, YYYY-MM-DD",
     .Synopsis = "--from DATE, --to DATE",
     .Help = "an almanac instead of one moment: every tithi that begins\n"
             "between the midnight that opens the first date and the one that\n"
             "closes the last (1901-01-01 to 2050-12-31), one per line with its\n"
             "begin and end: text, JSON lines or CSV rows after one header\n"
             "line. Daylight saving, if given, holds for the whole range. With\n"
             "--find, --from is the day the search starts from; with --ics, the\n"
             "two are the file's first and last dates."},
    {.Name = "--to",
     .TakesValue = true,
     .AcceptedOn = OnAlmanacLine | OnCalendarLine,
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
    {.Name = "--month",
     .TakesValue = true,
     .AcceptedOn = OnMonthLine,
     .Chooses = Mode::Month,
     .Store = StoreMonth,
     .Missing = "YYYY-MM",
     .Synopsis = "--month YYYY-MM",
     .Help = "the days of a month at the place, each from its sunrise to the\n"
             "next: the tithi at sunrise and when it ends, the tithis that begin\n"
             "and end within the day (kshaya), whether the tithi at sunrise holds\n"
             "the next sunrise too (vriddhi), the amanta month (needs --lat)"},
    {.Name = "--find",
     .TakesValue = true,
     .AcceptedOn = OnFindLine,
     .Chooses = Mode::Find,
     .Store = StoreFind,
     .Missing = "\"Krishna Ashtami\"",
     .Synopsis = "--find \"PAKSHA TITHI\"",
     .Help = "the days of observance of a tithi (\"Krishna Ashtami\", \"Shukla\n"
             "Ekadashi\", \"Purnima\") from --from on (today without it), with\n"
             "its begin and end and its month (needs --lat)"},
    {.Name = "--masa",
     .TakesValue = true,
     .AcceptedOn = OnFindLine,
     .Store = StoreMasa,
     .Synopsis = "--masa MONTH",
     .Help = "with --find, only in that lunar month (Shravana, Bhadrapada...):\n"
             "the yearly anniversary; where the month is adhika, the second\n"
             "(nija) month alone"},
    {.Name = "--purnimanta",
     .TakesValue = false,
     .AcceptedOn = OnFindLine,
     .Store = StorePurnimanta,
     .Synopsis = "--purnimanta",
     .Help = "name the months full moon to full moon (the dark fortnight takes\n"
             "the next month's name); amanta, new moon to new moon, otherwise"},
    {.Name = "--adhika",
     .TakesValue = false,
     .AcceptedOn = OnFindLine,
     .Store = StoreAdhika,
     .Synopsis = "--adhika",
     .Help = "with --masa, the adhika month's tithi too, where there is one"},
    {.Name = "--previous",
     .TakesValue = false,
     .AcceptedOn = OnFindLine,
     .Store = StorePrevious,
     .Synopsis = "--previous",
     .Help = "with --find, the days before --from, the nearest first"},
    {.Name = "--count",
     .TakesValue = true,
     .AcceptedOn = OnFindLine,
     .Store = StoreCount,
     .Synopsis = "--count N",
     .Help = "with --find, how many days (1 to 1000; 10 without it)"},
    {.Name = "--ics",
     .TakesValue = true,
     .AcceptedOn = OnCalendarLine,
     .Chooses = Mode::Calendar,
     .Store = StoreCalendarFile,
     .Missing = "FILE",
     .Synopsis = "--ics FILE",
     .Help = "write an iCalendar file (RFC 5545) of the dates --from to --to for\n"
             "calendar programs, whole or not at all (- for standard output);\n"
             "importing it again updates its events instead of doubling them"},
    {.Name = "--events",
     .TakesValue = true,
     .AcceptedOn = OnCalendarLine,
     .Store = StoreEvents,
     .Synopsis = "--events KIND",
     .Help = "with --ics: days (the default; an all-day event for each day's\n"
             "tithi at sunrise), spans (a timed event for each tithi from its\n"
             "begin to its end) or vrata (the days of observance of each\n"
             "Ekadashi, Purnima and Amavasya)"},
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
