// kestrava-tithi: parsing the moment from the command line or a batch line, running the engine
// and writing the result.
#include "TithiCli.h"

#include "engine/CalculationRecord.h"
#include "engine/PrepareMoment.h"
#include "engine/Karana.h"
#include "engine/Tithi.h"
#include "engine/TithiDay.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <istream>
#include <ostream>
#include <sstream>

namespace tithi_cli {

namespace {

constexpr std::string_view ProgramName = "kestrava-tithi";
constexpr int MinYear = 1901;
constexpr int MaxYear = 2050;

// An argument as an error message shows it: in quotes, on one line, without control
// characters or anything but printable ASCII, and cut short when it is long.
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

// A whole number of one to maxDigits ASCII digits; nothing else (no sign, no blank, no
// exponent), so that no huge or non-numeric value gets through.
std::optional<int> Digits(std::string_view text, std::size_t maxDigits) {
    if (text.empty() || text.size() > maxDigits) {
        return std::nullopt;
    }
    int value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') {
            return std::nullopt;
        }
        value = value * 10 + (c - '0');
    }
    return value;
}

// Splits "A<sep>B" at the first separator; B is empty (and present is false) without one.
struct Split {
    std::string_view Head, Tail;
    bool HasTail;
};

Split SplitAt(std::string_view text, char separator) {
    const auto at = text.find(separator);
    if (at == std::string_view::npos) {
        return {text, {}, false};
    }
    return {text.substr(0, at), text.substr(at + 1), true};
}

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

// A date, YYYY-MM-DD, named in messages as `name` (DATE, --from, --to).
std::optional<ParseError> ParseDate(std::string_view text, MomentArguments& moment,
                                    std::string_view name = "DATE") {
    const std::string what = std::string(name) + ' ' + Quoted(text);
    const Split first = SplitAt(text, '-');
    const Split second = SplitAt(first.Tail, '-');
    const auto year = Digits(first.Head, 4);
    const auto month = Digits(second.Head, 2);
    const auto day = Digits(second.Tail, 2);
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
    moment.Year = *year;
    moment.Month = *month;
    moment.Day = *day;
    return std::nullopt;
}

std::optional<ParseError> ParseTime(std::string_view text, MomentArguments& moment) {
    const std::string what = "TIME " + Quoted(text);
    const Split parts = SplitAt(text, ':');
    const auto hour = Digits(parts.Head, 2);
    const auto minute = Digits(parts.Tail, 2);
    if (!parts.HasTail || !hour || !minute) {
        return ParseError{what + ": expected HH:MM on the 24-hour clock, e.g. 17:05"};
    }
    if (*hour > 23) {
        return ParseError{what + ": the hour must be 0 to 23"};
    }
    if (*minute > 59) {
        return ParseError{what + ": the minute must be 0 to 59"};
    }
    moment.Hour = *hour;
    moment.Minute = *minute;
    return std::nullopt;
}

std::optional<ParseError> ParseZone(std::string_view text, MomentArguments& moment) {
    const std::string what = "--zone " + Quoted(text);
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
        return ParseError{what + ": give the zone without a sign; its direction follows --lon"};
    }
    const Split parts = SplitAt(text, ':');
    const auto hours = Digits(parts.Head, 2);
    const auto minutes = parts.HasTail ? Digits(parts.Tail, 2) : std::optional<int>{0};
    if (!hours || !minutes) {
        return ParseError{what + ": expected hours[:minutes], e.g. 5:30"};
    }
    if (*hours > 23) {
        return ParseError{what + ": the hours must be 0 to 23"};
    }
    if (*minutes > 59) {
        return ParseError{what + ": the minutes must be 0 to 59"};
    }
    moment.ZoneHour = *hours;
    moment.ZoneMinute = *minutes;
    return std::nullopt;
}

// D[:MM] followed by one of two direction letters (either case); the degrees run to maxDegrees.
struct Angle {
    int Degrees, Minutes;
    bool Second; // the second direction letter (W, S) was given
};

std::variant<Angle, ParseError> ParseAngle(std::string_view option, std::string_view text,
                                           char first, char second, int maxDegrees) {
    const std::string what = std::string(option) + ' ' + Quoted(text);
    const std::string example = option == "--lon" ? "77:13E" : "28:36N";
    const std::string shape = what + ": expected degrees[:minutes] followed by " + first + " or " +
                              second + ", e.g. " + example;
    if (text.empty()) {
        return ParseError{shape};
    }
    const char letter = static_cast<char>(
        text.back() >= 'a' && text.back() <= 'z' ? text.back() - 'a' + 'A' : text.back());
    if (letter != first && letter != second) {
        return ParseError{shape};
    }
    const Split parts = SplitAt(text.substr(0, text.size() - 1), ':');
    const auto degrees = Digits(parts.Head, 3);
    const auto minutes = parts.HasTail ? Digits(parts.Tail, 2) : std::optional<int>{0};
    if (!degrees || !minutes) {
        return ParseError{shape};
    }
    if (*minutes > 59) {
        return ParseError{what + ": the minutes must be 0 to 59"};
    }
    if (*degrees > maxDegrees || (*degrees == maxDegrees && *minutes > 0)) {
        return ParseError{what + ": at most " + std::to_string(maxDegrees) + " degrees"};
    }
    return Angle{*degrees, *minutes, letter == second};
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

// An option of the form --name VALUE or --name=VALUE.
struct OptionValue {
    std::string_view Name;
    std::optional<std::string_view> Inline; // the part after '='
};

OptionValue SplitOption(std::string_view arg) {
    const auto at = arg.find('=');
    if (at == std::string_view::npos) {
        return {arg, std::nullopt};
    }
    return {arg.substr(0, at), arg.substr(at + 1)};
}

bool IsRangeOption(std::string_view name) {
    return name == "--from" || name == "--to";
}

bool IsValueOption(std::string_view name) {
    return name == "--zone" || name == "--lon" || name == "--lat" || name == "--format" ||
           IsRangeOption(name);
}

std::string IsoDate(const DateArgument& date) {
    char text[16];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", date.Year, date.Month, date.Day);
    return text;
}

// Walks the arguments of a moment; batch is true for a line of a batch. With range, the
// arguments of an almanac: --from and --to instead of DATE and TIME.
std::variant<MomentArguments, ParseError> ParseMoment(const std::vector<std::string_view>& args,
                                                      bool batch, Invocation* range = nullptr) {
    MomentArguments moment;
    bool seenDate = false, seenTime = false, seenZone = false, seenLon = false, seenLat = false,
         seenDst = false, seenFrom = false, seenTo = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string_view arg = args[i];
        if (arg.size() > 1 && arg.front() == '-') {
            const OptionValue option = SplitOption(arg);
            if (option.Name == "--dst") {
                if (option.Inline) {
                    return ParseError{"--dst takes no value"};
                }
                if (seenDst) {
                    return ParseError{"--dst is given twice"};
                }
                seenDst = true;
                moment.Dst = true;
                continue;
            }
            if (option.Name == "--batch" || option.Name == "--help" || option.Name == "-h") {
                return ParseError{
                    std::string(option.Name) +
                    (batch ? ": not on a line of a batch" : ": not together with a moment")};
            }
            if (!IsValueOption(option.Name)) {
                return ParseError{"unknown option " + Quoted(option.Name)};
            }
            if (IsRangeOption(option.Name) && !range) {
                return ParseError{
                    std::string(option.Name) +
                    (batch ? ": not on a line of a batch" : ": an almanac takes no DATE and TIME")};
            }
            std::string_view value;
            if (option.Inline) {
                value = *option.Inline;
            } else if (i + 1 < args.size() && !args[i + 1].starts_with("--")) {
                value = args[++i];
            } else {
                return ParseError{std::string(option.Name) + " needs a value"};
            }
            if (option.Name == "--zone") {
                if (seenZone) {
                    return ParseError{"--zone is given twice"};
                }
                seenZone = true;
                if (auto error = ParseZone(value, moment)) {
                    return *error;
                }
            } else if (option.Name == "--lon") {
                if (seenLon) {
                    return ParseError{"--lon is given twice"};
                }
                seenLon = true;
                auto angle = ParseAngle("--lon", value, 'E', 'W', 180);
                if (auto* error = std::get_if<ParseError>(&angle)) {
                    return *error;
                }
                const Angle& lon = std::get<Angle>(angle);
                moment.LonDeg = lon.Degrees;
                moment.LonMin = lon.Minutes;
                moment.LonEast = !lon.Second;
            } else if (option.Name == "--lat") {
                if (seenLat) {
                    return ParseError{"--lat is given twice"};
                }
                seenLat = true;
                auto angle = ParseAngle("--lat", value, 'N', 'S', 90);
                if (auto* error = std::get_if<ParseError>(&angle)) {
                    return *error;
                }
                const Angle& lat = std::get<Angle>(angle);
                moment.LatDeg = lat.Degrees;
                moment.LatMin = lat.Minutes;
                moment.LatSouth = lat.Second;
                moment.HasLat = true;
            } else if (IsRangeOption(option.Name)) {
                const bool from = option.Name == "--from";
                if (from ? seenFrom : seenTo) {
                    return ParseError{std::string(option.Name) + " is given twice"};
                }
                (from ? seenFrom : seenTo) = true;
                MomentArguments date;
                if (auto error = ParseDate(value, date, option.Name)) {
                    return *error;
                }
                (from ? range->From : range->To) = {date.Year, date.Month, date.Day};
            } else { // --format
                if (moment.Format) {
                    return ParseError{"--format is given twice"};
                }
                moment.Format = FormatNamed(value);
                if (!moment.Format) {
                    return ParseError{"--format " + Quoted(value) + ": expected text, json or csv"};
                }
            }
            continue;
        }
        if (range) {
            return ParseError{"unexpected argument " + Quoted(arg) +
                              ": an almanac takes --from and --to, not DATE and TIME"};
        }
        if (!seenDate) {
            seenDate = true;
            if (auto error = ParseDate(arg, moment)) {
                return *error;
            }
        } else if (!seenTime) {
            seenTime = true;
            if (auto error = ParseTime(arg, moment)) {
                return *error;
            }
        } else {
            return ParseError{"unexpected argument " + Quoted(arg)};
        }
    }
    if (range && !seenFrom) {
        return ParseError{"--from is missing (the first date, YYYY-MM-DD)"};
    }
    if (range && !seenTo) {
        return ParseError{"--to is missing (the last date, YYYY-MM-DD)"};
    }
    if (!range && !seenDate) {
        return ParseError{"DATE is missing (YYYY-MM-DD)"};
    }
    if (!range && !seenTime) {
        return ParseError{"TIME is missing (HH:MM)"};
    }
    if (!seenZone) {
        return ParseError{"--zone is missing (hours[:minutes] from Greenwich)"};
    }
    if (!seenLon) {
        return ParseError{"--lon is missing (degrees[:minutes] E or W)"};
    }
    if (range) {
        const auto key = [](const DateArgument& d) {
            return (d.Year * 100 + d.Month) * 100 + d.Day;
        };
        if (key(range->To) < key(range->From)) {
            return ParseError{"--to '" + IsoDate(range->To) + "' comes before --from '" +
                              IsoDate(range->From) + "'"};
        }
    }
    return moment;
}

std::string Number(double value) {
    if (!std::isfinite(value)) {
        return "null";
    }
    char buffer[32];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 17);
    return std::string(buffer, result.ptr);
}

// An instant on the place's clock in ISO 8601 with the clock's offset from Universal Time:
// 2024-01-11T17:27:03+05:30.
std::string IsoTime(double civilJd, ClockRounding rounding, double offsetHours) {
    const ClockReading r = ReadClock(civilJd, rounding);
    const long minutes = std::isfinite(offsetHours) ? std::lround(std::fabs(offsetHours) * 60) : 0;
    char text[64];
    std::snprintf(text, sizeof text, "%04d-%02d-%02dT%02d:%02d:%02d%c%02ld:%02ld", r.Year, r.Month,
                  r.Day, r.Hour, r.Minute, r.Second, offsetHours < 0 ? '-' : '+', minutes / 60,
                  minutes % 60);
    return text;
}

std::string JsonString(std::string_view text) {
    std::string json = "\"";
    for (char c : text) {
        switch (c) {
        case '"':
            json += "\\\"";
            break;
        case '\\':
            json += "\\\\";
            break;
        case '\n':
            json += "\\n";
            break;
        default:
            if (static_cast<unsigned char>(c) < 0x20) {
                constexpr char hex[] = "0123456789abcdef";
                json += "\\u00";
                json += hex[(c >> 4) & 0xf];
                json += hex[c & 0xf];
            } else {
                json += c;
            }
        }
    }
    json += '"';
    return json;
}

std::string CsvField(std::string_view text) {
    if (text.find_first_of(",\"\r\n") == std::string_view::npos) {
        return std::string(text);
    }
    std::string field = "\"";
    for (char c : text) {
        if (c == '"') {
            field += '"';
        }
        field += c;
    }
    field += '"';
    return field;
}

constexpr const char* TextFieldNames[] = {"number",   "name",   "phase", "lord",       "group",
                                          "features", "nature", "type",  "description"};
constexpr const char* Captions[] = {"Tithi Number", "Tithi Name",     "Tithi Phase",  "Tithi Lord",
                                    "Tithi Group",  "Tithi Features", "Tithi Nature", "Tithi Type"};

std::vector<std::string_view> SplitAtBlanks(std::string_view line) {
    std::vector<std::string_view> words;
    std::size_t at = 0;
    while (at < line.size()) {
        while (at < line.size() && (line[at] == ' ' || line[at] == '\t')) {
            ++at;
        }
        const std::size_t start = at;
        while (at < line.size() && line[at] != ' ' && line[at] != '\t') {
            ++at;
        }
        if (at > start) {
            words.push_back(line.substr(start, at - start));
        }
    }
    return words;
}

std::string JsonStringOrNull(const std::optional<std::string>& text) {
    return text ? JsonString(*text) : "null";
}

// The record as the window fills it; the parser has bounded every value.
CalculationRecord PreparedRecord(const MomentArguments& moment) {
    CalculationRecord rec;
    PrepareMomentOf(rec, moment);
    return rec;
}

void WriteResult(const TithiResult& result, OutputFormat format, std::ostream& out) {
    switch (format) {
    case OutputFormat::Text:
        out << FormatText(result);
        break;
    case OutputFormat::Json:
        out << FormatJson(result) << '\n';
        break;
    case OutputFormat::Csv:
        out << FormatCsv(result) << '\n';
        break;
    }
}

int RunBatch(OutputFormat format, std::istream& in, std::ostream& out, std::ostream& err) {
    if (format == OutputFormat::Csv) {
        out << CsvHeader() << '\n';
    }
    int status = 0;
    std::string line;
    for (long number = 1; std::getline(in, line); ++number) {
        const auto parsed = ParseBatchLine(line);
        if (std::holds_alternative<std::monostate>(parsed)) {
            continue;
        }
        if (const auto* error = std::get_if<ParseError>(&parsed)) {
            err << ProgramName << ": line " << number << ": " << error->Message << '\n';
            status = 2;
            continue;
        }
        const MomentArguments& moment = std::get<MomentArguments>(parsed);
        if (moment.Format && *moment.Format != format) {
            err << ProgramName << ": line " << number
                << ": --format: a batch has one format, given on the command line\n";
            status = 2;
            continue;
        }
        const auto result = ComputeResult(moment);
        if (!result) {
            err << ProgramName << ": line " << number << ": no tithi for this moment\n";
            status = 2;
            continue;
        }
        WriteResult(*result, format, out);
    }
    return status;
}

int RunAlmanac(const Invocation& almanac, std::ostream& out) {
    if (almanac.Format == OutputFormat::Csv) {
        out << AlmanacCsvHeader() << '\n';
    }
    for (const AlmanacEntry& entry : ComputeAlmanac(almanac)) {
        switch (almanac.Format) {
        case OutputFormat::Text:
            out << FormatAlmanacText(entry) << '\n';
            break;
        case OutputFormat::Json:
            out << FormatAlmanacJson(entry) << '\n';
            break;
        case OutputFormat::Csv:
            out << FormatAlmanacCsv(entry) << '\n';
            break;
        }
    }
    return 0;
}

} // namespace

std::variant<MomentArguments, ParseError>
ParseMomentArguments(const std::vector<std::string_view>& args) {
    return ParseMoment(args, false);
}

std::variant<Invocation, ParseError>
ParseAlmanacArguments(const std::vector<std::string_view>& args) {
    Invocation invocation;
    invocation.Kind = Mode::Almanac;
    auto parsed = ParseMoment(args, false, &invocation);
    if (auto* error = std::get_if<ParseError>(&parsed)) {
        return *error;
    }
    invocation.Moment = std::get<MomentArguments>(parsed);
    invocation.Format = invocation.Moment.Format.value_or(OutputFormat::Text);
    return invocation;
}

std::variant<std::monostate, MomentArguments, ParseError> ParseBatchLine(std::string_view line) {
    if (!line.empty() && line.back() == '\r') {
        line.remove_suffix(1);
    }
    const std::vector<std::string_view> words = SplitAtBlanks(line);
    if (words.empty()) {
        return std::monostate{};
    }
    auto parsed = ParseMoment(words, true);
    if (auto* error = std::get_if<ParseError>(&parsed)) {
        return *error;
    }
    return std::get<MomentArguments>(parsed);
}

std::variant<Invocation, ParseError> ParseCommandLine(const std::vector<std::string>& args) {
    Invocation invocation;
    bool batch = false;
    std::optional<std::string_view> rangeOption; // --from or --to: an almanac
    for (const std::string& arg : args) {
        if (arg == "--help" || arg == "-h") {
            invocation.Kind = Mode::Help;
            return invocation;
        }
        batch = batch || arg == "--batch";
        const std::string_view name = SplitOption(arg).Name;
        if (IsRangeOption(name) && !rangeOption) {
            rangeOption = name;
        }
    }
    if (args.empty()) {
        return ParseError{"DATE is missing; see --help"};
    }
    if (batch && rangeOption) {
        return ParseError{std::string(*rangeOption) + ": not together with --batch"};
    }
    if (rangeOption) {
        return ParseAlmanacArguments(std::vector<std::string_view>(args.begin(), args.end()));
    }

    if (batch) {
        // The moments come from standard input; the command line gives only the format.
        invocation.Kind = Mode::Batch;
        invocation.Format = OutputFormat::Json;
        bool seenBatch = false, seenFormat = false;
        for (std::size_t i = 0; i < args.size(); ++i) {
            const OptionValue option = SplitOption(args[i]);
            if (option.Name == "--batch" && !option.Inline) {
                if (seenBatch) {
                    return ParseError{"--batch is given twice"};
                }
                seenBatch = true;
            } else if (option.Name == "--format") {
                if (seenFormat) {
                    return ParseError{"--format is given twice"};
                }
                seenFormat = true;
                std::string_view value;
                if (option.Inline) {
                    value = *option.Inline;
                } else if (i + 1 < args.size()) {
                    value = args[++i];
                } else {
                    return ParseError{"--format needs a value"};
                }
                const auto format = FormatNamed(value);
                if (!format) {
                    return ParseError{"--format " + Quoted(value) + ": expected json or csv"};
                }
                if (*format == OutputFormat::Text) {
                    return ParseError{"--format 'text': a batch writes json or csv"};
                }
                invocation.Format = *format;
            } else if (IsValueOption(option.Name) || option.Name == "--dst") {
                return ParseError{std::string(option.Name) +
                                  ": with --batch, give it on each line of standard input"};
            } else if (args[i].size() > 1 && args[i].front() == '-') {
                return ParseError{"unknown option " + Quoted(option.Name)};
            } else {
                return ParseError{"unexpected argument " + Quoted(args[i]) +
                                  ": with --batch, the moments come from standard input"};
            }
        }
        return invocation;
    }

    const std::vector<std::string_view> views(args.begin(), args.end());
    auto parsed = ParseMoment(views, false);
    if (auto* error = std::get_if<ParseError>(&parsed)) {
        return *error;
    }
    invocation.Moment = std::get<MomentArguments>(parsed);
    invocation.Format = invocation.Moment.Format.value_or(OutputFormat::Text);
    return invocation;
}

std::optional<TithiResult> ComputeResult(const MomentArguments& moment) {
    CalculationRecord rec = PreparedRecord(moment);
    const TithiMoment m = ComputeTithiMoment(rec);
    const auto texts = MakeTithiReport(rec);
    if (!texts) {
        return std::nullopt;
    }
    const std::optional<TithiDay> day = ComputeTithiDay(rec, m, moment.HasLat);
    if (!day) {
        return std::nullopt;
    }
    TithiResult result;
    result.Index = m.Tithi.Index;
    result.Texts = *texts;
    result.Moon = m.Moon;
    result.Sun = m.Sun;
    result.Elongation = m.Tithi.Elongation;
    result.Jde = m.JulianDayTT;
    const double offset = day->ClockOffsetHours;
    result.Begins = IsoTime(day->BeginCivil, ClockRounding::UpToSecond, offset);
    result.Ends = IsoTime(day->EndCivil, ClockRounding::UpToSecond, offset);
    if (day->Sunrise == SunriseState::Rises) {
        result.Sunrise = IsoTime(day->SunriseCivil, ClockRounding::NearestSecond, offset);
        result.SunriseTithi = TithiTitle(day->SunriseTithi);
    } else if (!moment.HasLat) {
        result.SunriseNote = "not computed: give --lat";
    } else {
        result.SunriseNote = DescribeTithiDay(*day).Sunrise;
    }
    result.Karana = KaranaName(day->Karana);
    return result;
}

std::vector<AlmanacEntry> ComputeAlmanac(const Invocation& almanac) {
    MomentArguments place = almanac.Moment;
    place.Year = almanac.From.Year;
    place.Month = almanac.From.Month;
    place.Day = almanac.From.Day;
    const CalculationRecord rec = PreparedRecord(place);
    const double offset = ClockOffsetHours(rec);
    // From the midnight that opens the first date to the one that closes the last.
    const double fromUT =
        JulianDayOfDate(almanac.From.Month, almanac.From.Day, almanac.From.Year) - offset / 24;
    const double toUT =
        JulianDayOfDate(almanac.To.Month, almanac.To.Day, almanac.To.Year) + 1 - offset / 24;
    std::vector<AlmanacEntry> entries;
    for (const TithiSpan& span :
         TithisBeginningBetween(TerrestrialOfUniversal(fromUT), TerrestrialOfUniversal(toUT))) {
        entries.push_back({span.Index, TithiTitle(span.Index),
                           IsoTime(UniversalOfTerrestrial(span.BeginJde) + offset / 24,
                                   ClockRounding::UpToSecond, offset),
                           IsoTime(UniversalOfTerrestrial(span.EndJde) + offset / 24,
                                   ClockRounding::UpToSecond, offset)});
    }
    return entries;
}

std::string FormatAlmanacText(const AlmanacEntry& entry) {
    char index[8];
    std::snprintf(index, sizeof index, "%2d", entry.Index);
    return entry.Begins + "  " + entry.Ends + "  " + index + "  " + entry.Tithi;
}

std::string FormatAlmanacJson(const AlmanacEntry& entry) {
    return "{\"index\":" + std::to_string(entry.Index) + ",\"tithi\":" + JsonString(entry.Tithi) +
           ",\"begins\":" + JsonString(entry.Begins) + ",\"ends\":" + JsonString(entry.Ends) + '}';
}

std::string AlmanacCsvHeader() {
    return "index,tithi,begins,ends";
}

std::string FormatAlmanacCsv(const AlmanacEntry& entry) {
    return std::to_string(entry.Index) + ',' + CsvField(entry.Tithi) + ',' + entry.Begins + ',' +
           entry.Ends;
}

std::string FormatText(const TithiResult& result) {
    std::ostringstream text;
    for (std::size_t k = 0; k < std::size(Captions); ++k) {
        text << Captions[k] << std::string(16 - std::string_view(Captions[k]).size(), ' ')
             << result.Texts[k] << '\n';
    }
    text << '\n' << result.Texts[8] << "\n\n";
    text << "Tithi Index     " << result.Index << '\n'
         << "Moon            " << Number(result.Moon) << '\n'
         << "Sun             " << Number(result.Sun) << '\n'
         << "Elongation      " << Number(result.Elongation) << '\n'
         << "JDE             " << Number(result.Jde) << '\n'
         << "Begins          " << result.Begins << '\n'
         << "Ends            " << result.Ends << '\n'
         << "Sunrise         " << result.Sunrise.value_or(result.SunriseNote) << '\n';
    if (result.SunriseTithi) {
        text << "Sunrise Tithi   " << *result.SunriseTithi << '\n';
    }
    text << "Karana          " << result.Karana << '\n';
    return text.str();
}

std::string FormatJson(const TithiResult& result) {
    std::string json = "{\"index\":" + std::to_string(result.Index);
    for (std::size_t k = 0; k < std::size(TextFieldNames); ++k) {
        json += ",\"";
        json += TextFieldNames[k];
        json += "\":";
        json += JsonString(result.Texts[k]);
    }
    json += ",\"moon\":" + Number(result.Moon);
    json += ",\"sun\":" + Number(result.Sun);
    json += ",\"elongation\":" + Number(result.Elongation);
    json += ",\"jde\":" + Number(result.Jde);
    json += ",\"begins\":" + JsonString(result.Begins);
    json += ",\"ends\":" + JsonString(result.Ends);
    json += ",\"sunrise\":" + JsonStringOrNull(result.Sunrise);
    json += ",\"sunrise_tithi\":" + JsonStringOrNull(result.SunriseTithi);
    json += ",\"karana\":" + JsonString(result.Karana);
    json += '}';
    return json;
}

std::string CsvHeader() {
    std::string header = "index";
    for (const char* name : TextFieldNames) {
        header += ',';
        header += name;
    }
    return header + ",moon,sun,elongation,jde,begins,ends,sunrise,sunrise_tithi,karana";
}

std::string FormatCsv(const TithiResult& result) {
    std::string row = std::to_string(result.Index);
    for (const std::string& text : result.Texts) {
        row += ',';
        row += CsvField(text);
    }
    row += ',' + Number(result.Moon) + ',' + Number(result.Sun) + ',' + Number(result.Elongation) +
           ',' + Number(result.Jde);
    row += ',' + result.Begins + ',' + result.Ends + ',' + result.Sunrise.value_or("") + ',' +
           CsvField(result.SunriseTithi.value_or("")) + ',' + CsvField(result.Karana);
    return row;
}

std::string HelpText() {
    return R"(Usage: kestrava-tithi DATE TIME --zone H[:MM] --lon D[:MM]E|W [--lat D[:MM]N|S]
                      [--dst] [--format text|json|csv]
       kestrava-tithi --from DATE --to DATE --zone H[:MM] --lon D[:MM]E|W
                      [--lat D[:MM]N|S] [--dst] [--format text|json|csv]
       kestrava-tithi --batch [--format json|csv] < moments
       kestrava-tithi --help

The tithi (lunar day) of one moment at one place: the Moon's lead over the Sun in
steps of 12 degrees, with the texts of the report, when the tithi began and when
it ends, the sunrise of the date with the tithi then, and the karana (half-tithi).

  DATE              the civil date, YYYY-MM-DD, 1901-01-01 to 2050-12-31
  TIME              the civil (zone) clock time, HH:MM on the 24-hour clock
  --zone H[:MM]     the zone's offset from Greenwich in hours and minutes, without a
                    sign: its direction follows the longitude (east of Greenwich the
                    clock is ahead of Universal Time, west of it behind)
  --lon D[:MM]E|W   longitude in degrees and minutes, East or West; 0 counts as West
  --lat D[:MM]N|S   latitude in degrees and minutes, for the sunrise (without it the
                    sunrise is not computed)
  --dst             daylight saving time is in force: the clock is one hour ahead
  --format FORMAT   text (the default), json (one object) or csv (a header line,
                    then one row)
  --from DATE, --to DATE
                    an almanac instead of one moment: every tithi that begins
                    between the midnight that opens the first date and the one that
                    closes the last (1901-01-01 to 2050-12-31), one per line with its
                    begin and end: text, JSON lines or CSV rows after one header
                    line. Daylight saving, if given, holds for the whole range.
  --batch           read one moment per line from standard input, in the same form
                    as above (DATE TIME and the options), and write one result per
                    line: JSON lines (the default) or CSV rows after one header line.
                    The format is the command line's; a line may repeat it but not
                    change it. Blank lines are skipped.
  --help, -h        this text

Options take their value as the next argument or after '=' (--zone=5:30).

JSON and CSV carry: index (0 to 29), number, name, phase, lord, group, features,
nature, type, description (the report's texts), and moon, sun, elongation (degrees)
and jde (the Julian day in Terrestrial Time at which both were computed), with 17
significant digits; begins and ends, when the tithi began and when it ends, and
sunrise, on the place's clock in ISO 8601 with its offset (2024-01-11T17:27:03+05:30);
sunrise_tithi, the tithi at sunrise ("Amavasya", "Shukla Navami"); and karana.
sunrise and sunrise_tithi are null (empty in CSV) without --lat and where the Sun
does not rise that date (polar day or night). begins and ends give the first whole
second of each tithi. The text format shows the report with its captions, then the
same figures. An almanac carries index, tithi, begins and ends.

Exit status: 0 on success; 2 when an argument is rejected (one line on standard
error names it; in a batch, the line number too, and the other lines still run),
and for an almanac whose last date comes before its first; 1 when the results
could not be written.

Examples:
  kestrava-tithi 2024-01-11 17:00 --zone 5:30 --lon 77:13E --lat 28:36N
  kestrava-tithi 2024-01-25 10:00 --zone 5 --lon 74W --dst --format json
  kestrava-tithi --from 2024-01-01 --to 2024-12-31 --zone 5:30 --lon 77:13E
  printf '2000-01-21 04:40 --zone 0 --lon 0E\n' | kestrava-tithi --batch --format csv
)";
}

int RunCli(const std::vector<std::string>& args, std::istream& in, std::ostream& out,
           std::ostream& err) {
    const auto parsed = ParseCommandLine(args);
    if (const auto* error = std::get_if<ParseError>(&parsed)) {
        err << ProgramName << ": " << error->Message << '\n';
        return 2;
    }
    const Invocation& invocation = std::get<Invocation>(parsed);
    int status = 0;
    switch (invocation.Kind) {
    case Mode::Help:
        out << HelpText();
        break;
    case Mode::Batch:
        status = RunBatch(invocation.Format, in, out, err);
        break;
    case Mode::Almanac:
        status = RunAlmanac(invocation, out);
        break;
    case Mode::Single: {
        const auto result = ComputeResult(invocation.Moment);
        if (!result) {
            err << ProgramName << ": no tithi for this moment\n";
            return 1;
        }
        if (invocation.Format == OutputFormat::Csv) {
            out << CsvHeader() << '\n';
        }
        WriteResult(*result, invocation.Format, out);
        break;
    }
    }
    out.flush();
    if (!out) {
        err << ProgramName << ": the results could not be written\n";
        return 1;
    }
    return status;
}

} // namespace tithi_cli
