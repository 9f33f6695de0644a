// SPDX-License-Identifier: MIT
// kestrava-tithi's options as one table, one row an option: its name, whether it takes a value,
// where it is accepted, the mode it chooses, how its value is read, and its help.
#include "OptionStores.h"

namespace tithi_cli {

namespace {

constexpr Readers CalendarReaders = OnMonthLine | OnFindLine | OnCalendarLine | OnFestivalsLine;
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
     .Help = "longitude in degrees and minutes, East or West; 0 counts as West.\n"
             "Decimal degrees too, as atlases give them: 77.2090E, or signed,\n"
             "east positive: -74.006"},
    {.Name = "--lat",
     .TakesValue = true,
     .AcceptedOn = MomentReaders | CalendarReaders,
     .Store = StoreLatitude,
     .Missing = "degrees[:minutes] N or S: the calendar's days run from sunrise to sunrise",
     .Synopsis = "--lat D[:MM]N|S",
     .Help = "latitude in degrees and minutes, for the sunrise (without it the\n"
             "sunrise is not computed); decimal degrees too: 28.6139N, or\n"
             "signed, north positive: -33.8688"},
    {.Name = "--dst",
     .TakesValue = false,
     .AcceptedOn = MomentReaders | CalendarReaders,
     .Store = StoreDst,
     .Synopsis = "--dst",
     .Help = "daylight saving time is in force: the clock is one hour ahead"},
    {.Name = "--ephemeris",
     .TakesValue = true,
     .AcceptedOn = MomentReaders | CalendarReaders | OnBatchCommand,
     .Store = StoreEphemeris,
     .Synopsis = "--ephemeris NAME",
     .Help = "modern (the default) or classical: the theories of the Sun and\n"
             "the Moon and the Delta T that every time is found on. The tithi's\n"
             "report is always the classical theory's. On a batch's command line,\n"
             "the default of its lines"},
    {.Name = "--ayanamsa",
     .TakesValue = true,
     .AcceptedOn = MomentReaders | CalendarReaders | OnBatchCommand,
     .Store = StoreAyanamsa,
     .Synopsis = "--ayanamsa NAME",
     .Help = "the sidereal zodiac of the nakshatra, the yoga and the months:\n"
             "lahiri (the default), raman, kp (Krishnamurti) or true-chitra\n"
             "(Spica at 180 degrees at every instant). On a batch's command\n"
             "line, the default of its lines"},
    {.Name = "--format",
     .TakesValue = true,
     .AcceptedOn = MomentReaders | OnBatchCommand | OnPlacesLine | OnMonthLine | OnFindLine |
                   OnFestivalsLine,
     .Store = StoreFormat,
     .Synopsis = "--format FORMAT",
     .Help = "text (the default), json (one object) or csv (a header line,\n"
             "then one row)"},
    {.Name = "--lang",
     .TakesValue = true,
     .AcceptedOn = OnMomentLine | OnAlmanacLine | OnBatchCommand | OnPlacesLine | CalendarReaders,
     .Store = StoreLanguage,
     .Synopsis = "--lang en|hi|mr|gu|bn|ta|te|kn",
     .Help = "the language of the names and texts: English (the default), Hindi,\n"
             "Marathi, Gujarati, Bengali, Tamil, Telugu or Kannada; the keys of\n"
             "json and the header of csv stay English"},
    {.Name = "--from",
     .TakesValue = true,
     .AcceptedOn = OnAlmanacLine | OnFindLine | OnCalendarLine | OnFestivalsLine,
     .Chooses = Mode::Almanac,
     .Store = StoreFrom,
     .Missing = "the first date, YYYY-MM-DD",
     .Synopsis = "--from DATE, --to DATE",
     .Help = "an almanac instead of one moment: every tithi that begins\n"
             "between the midnight that opens the first date and the one that\n"
             "closes the last (1901-01-01 to 2050-12-31), one per line with its\n"
             "begin and end: text, JSON lines or CSV rows after one header\n"
             "line. Daylight saving, if given, holds for the whole range. With\n"
             "--find, --from is the day the search starts from; with --ics and\n"
             "--festivals, the two are the first and last dates."},
    {.Name = "--to",
     .TakesValue = true,
     .AcceptedOn = OnAlmanacLine | OnCalendarLine | OnFestivalsLine,
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
             "begin to its end), vrata (the days of observance of each\n"
             "Ekadashi, Purnima and Amavasya) or festivals (each festival's day\n"
             "by its rule)"},
    {.Name = "--festivals",
     .TakesValue = false,
     .AcceptedOn = OnFestivalsLine,
     .Chooses = Mode::Festivals,
     .Synopsis = "--festivals",
     .Help = "the festival days from --from to --to at the place, one row a\n"
             "festival: its date, id, name, kind, lunar month (amanta and\n"
             "purnimanta), tithi, the rule that gave the day, and a sankranti's\n"
             "instant (needs --lat)"},
    {.Name = "--tradition",
     .TakesValue = true,
     .AcceptedOn = OnFestivalsLine | OnCalendarLine,
     .Store = StoreTradition,
     .Synopsis = "--tradition smarta|vaishnava",
     .Help = "with --festivals or --events festivals: whose day to give where\n"
             "the traditions keep a festival on different days (Janmashtami,\n"
             "the Ekadashis); smarta without it"},
    {.Name = "--batch",
     .TakesValue = false,
     .AcceptedOn = OnBatchCommand,
     .Chooses = Mode::Batch,
     .Synopsis = "--batch",
     .Help = "read one moment per line from standard input, in the same form\n"
             "as above (DATE TIME and the options), and write one result per\n"
             "line: JSON lines (the default) or CSV rows after one header line.\n"
             "The format is the command line's; a line may repeat it but not\n"
             "change it. Words are read as a shell reads them: quotes (\"New\n"
             "York\" or 'New York') or a backslash keep a blank within one.\n"
             "Blank lines are skipped."},
    {.Name = "--help",
     .Alias = "-h",
     .TakesValue = false,
     .AcceptedOn = OnHelpLine,
     .Chooses = Mode::Help,
     .Synopsis = "--help, -h",
     .Help = "this text"},
};

} // namespace

std::span<const Option> Options() {
    return Table;
}

} // namespace tithi_cli
