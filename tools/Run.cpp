// SPDX-License-Identifier: MIT
// kestrava-tithi's run: the command line read, then one handler for each mode (one moment, a
// batch from standard input, an almanac, the places, a month's days, a tithi's days, an
// iCalendar file, the help), and the exit status.
#include "TithiCli.h"

#include "CalendarModes.h"
#include "FestivalMode.h"
#include "Language.h"
#include "Places.h"
#include "Records.h"
#include "Values.h"

#include "engine/calendar/Calendar.h"

#include <chrono>
#include <istream>
#include <ostream>
#include <string_view>

namespace tithi_cli {

namespace {

constexpr std::string_view ProgramName = "kestrava-tithi";

void WriteResultAsIs(const TithiResult& result, OutputFormat format, std::ostream& out) {
    out << Written(MomentRecord(result, FormatsOf(format)), format);
    if (format != OutputFormat::Text) {
        out << '\n';
    }
}

// The CSV header of a moment's results.
std::string MomentCsvHeader() {
    return Heading(MomentRecord(TithiResult{}, InCsv), OutputFormat::Csv);
}

// A result in the run's language: English as the engine gives it, any other through its
// catalogues.
void WriteResult(const TithiResult& result, OutputFormat format, const OutputLanguage& language,
                 std::ostream& out) {
    if (language.English()) {
        WriteResultAsIs(result, format, out);
        return;
    }
    TithiResult said = result;
    Say(said, language.Words());
    if (format == OutputFormat::Text) {
        out << FormatTextInLanguage(said, language.Words());
        return;
    }
    WriteResultAsIs(said, format, out);
}

int RunSingle(const Invocation& invocation, const OutputLanguage& language, std::ostream& out,
              std::ostream& err) {
    const auto computed = ComputeResult(invocation.Moment);
    if (const auto* error = std::get_if<ComputeError>(&computed)) {
        err << ProgramName << ": " << error->Message << '\n';
        return error->Status;
    }
    const TithiResult& result = std::get<TithiResult>(computed);
    if (!result.Note.empty()) {
        err << ProgramName << ": note: " << result.Note << '\n';
    }
    if (invocation.Format == OutputFormat::Csv) {
        out << MomentCsvHeader() << '\n';
    }
    WriteResult(result, invocation.Format, language, out);
    return 0;
}

int RunBatch(OutputFormat format, const SkyChoice& sky, const OutputLanguage& language,
             std::istream& in, std::ostream& out, std::ostream& err) {
    if (format == OutputFormat::Csv) {
        out << MomentCsvHeader() << '\n';
    }
    int status = 0;
    std::string line;
    for (long number = 1;; ++number) {
        if (!std::getline(in, line)) {
            // The end of the input, or a read that failed (a directory, a device error): the
            // lines still to come would be lost without a word.
            if (in.bad()) {
                err << ProgramName << ": line " << number << ": standard input could not be read\n";
                return 1;
            }
            return status;
        }
        // Reading flushes the results written so far (standard input is tied to standard
        // output): once they cannot be written, stop rather than compute the rest for nothing.
        if (!out) {
            return status;
        }
        const auto parsed = ParseBatchLine(line, sky);
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
        const auto computed = ComputeResult(moment);
        if (const auto* error = std::get_if<ComputeError>(&computed)) {
            err << ProgramName << ": line " << number << ": " << error->Message << '\n';
            status = 2;
            continue;
        }
        const TithiResult& result = std::get<TithiResult>(computed);
        if (!result.Note.empty()) {
            err << ProgramName << ": line " << number << ": note: " << result.Note << '\n';
        }
        WriteResult(result, format, language, out);
    }
}

int RunAlmanac(const Invocation& almanac, const OutputLanguage& language, std::ostream& out) {
    if (almanac.Format == OutputFormat::Csv) {
        AlmanacEntry blank;
        blank.Limb = std::string(DefinitionOf(almanac.AlmanacLimb).Name);
        out << Heading(AlmanacRecord(blank), OutputFormat::Csv) << '\n';
    }
    for (AlmanacEntry& entry : ComputeAlmanac(almanac)) {
        Say(entry, almanac.AlmanacLimb, language.Words());
        out << Written(AlmanacRecord(entry), almanac.Format, "  ") << '\n';
    }
    return 0;
}

int RunPlaces(const Invocation& invocation, std::ostream& out, std::ostream& err) {
    const std::vector<PlaceListing> places = LookUpPlaces(invocation.PlacesQuery);
    if (places.empty()) {
        err << ProgramName << ": no place of the directory begins with '" << invocation.PlacesQuery
            << "'\n";
        return 2;
    }
    if (invocation.Format == OutputFormat::Csv) {
        out << Heading(PlaceRecord({}), OutputFormat::Csv) << '\n';
    }
    for (const PlaceListing& place : places) {
        out << Written(PlaceRecord(place), invocation.Format, "  ") << '\n';
    }
    return 0;
}

// The rows of a calendar mode in the invocation's format: a header where the format has one,
// then a row for each entry; the text ends with the rule of observance.
template <class Entry>
void WriteRows(std::vector<Entry> entries, const OutputLanguage& language, OutputFormat format,
               Record (*record)(const Entry&), std::ostream& out) {
    if (format != OutputFormat::Json) {
        out << Heading(record(Entry{}), format, " ") << '\n';
    }
    for (Entry& entry : entries) {
        Say(entry, language.Words());
        out << Written(record(entry), format, " ") << '\n';
    }
    if (format == OutputFormat::Text) {
        out << "\nDay of observance: " << ObservanceRule << '\n';
    }
}

int RunMonth(const Invocation& month, const OutputLanguage& language, std::ostream& out) {
    WriteRows(ComputeMonth(month), language, month.Format, MonthRecord, out);
    return 0;
}

int RunFind(const Invocation& find, const OutputLanguage& language, std::ostream& out,
            std::ostream& err) {
    const DateArgument today = find.HasFrom ? find.From : TodayAt(find);
    const std::vector<FindEntry> entries = ComputeFind(find, today);
    // The search stops at the edge of the years the theories serve: say so when that left fewer
    // days than were asked for.
    if (static_cast<int>(entries.size()) < find.Count) {
        const CivilDate edge = find.Previous ? SupportedFirstDate : SupportedLastDate;
        const std::string from = IsoDate(today);
        const std::string to = IsoDate({edge.Year, edge.Month, edge.Day});
        err << ProgramName << ": note: " << entries.size() << " of the " << find.Count
            << " days asked for lie between " << (find.Previous ? to : from) << " and "
            << (find.Previous ? from : to)
            << "; the search goes no further than the years 1901 to 2050\n";
    }
    WriteRows(entries, language, find.Format, FindRecord, out);
    return 0;
}

int RunFestivals(const Invocation& festivals, const OutputLanguage& language, std::ostream& out) {
    WriteRows(ComputeFestivals(festivals), language, festivals.Format, FestivalRecord, out);
    if (festivals.Format == OutputFormat::Text) {
        out << "\n* an adhika month. Each festival's rule: --format json or csv.\n";
    }
    return 0;
}

// The file of --ics, written whole or not at all; "-" writes it to standard output.
int RunCalendar(const Invocation& calendar, const OutputLanguage& language, std::ostream& out,
                std::ostream& err) {
    using namespace std::chrono;
    const double now =
        duration_cast<milliseconds>(system_clock::now().time_since_epoch()).count() / 86400000.0 +
        2440587.5;
    const CalendarFile file = ComputeCalendarFile(calendar, now, language.CalendarWords());
    if (calendar.CalendarFile == "-") {
        out << file.Text;
        return 0;
    }
    if (const auto error = WriteWholeFile(calendar.CalendarFile, file.Text)) {
        err << ProgramName << ": " << calendar.CalendarFile << " could not be saved: " << *error
            << "; nothing was written\n";
        return 1;
    }
    out << calendar.CalendarFile << ": " << file.Events << " events ("
        << CalendarEventKindName(calendar.Events) << "), " << IsoDate(calendar.From) << " to "
        << IsoDate(calendar.To) << '\n';
    return 0;
}

} // namespace

int RunCli(const std::vector<std::string>& args, std::istream& in, std::ostream& out,
           std::ostream& err) {
    const auto parsed = ParseCommandLine(args);
    if (const auto* error = std::get_if<ParseError>(&parsed)) {
        err << ProgramName << ": " << error->Message << '\n';
        return 2;
    }
    const Invocation& invocation = std::get<Invocation>(parsed);
    const OutputLanguage language(invocation.Language);
    int status = 0;
    switch (invocation.Kind) {
    case Mode::Help:
        out << HelpText();
        break;
    case Mode::Batch:
        status = RunBatch(invocation.Format, invocation.Moment.Sky, language, in, out, err);
        break;
    case Mode::Almanac:
        status = RunAlmanac(invocation, language, out);
        break;
    case Mode::Month:
        status = RunMonth(invocation, language, out);
        break;
    case Mode::Find:
        status = RunFind(invocation, language, out, err);
        break;
    case Mode::Festivals:
        status = RunFestivals(invocation, language, out);
        break;
    case Mode::Calendar:
        status = RunCalendar(invocation, language, out, err);
        if (status != 0) {
            return status;
        }
        break;
    case Mode::Places:
        status = RunPlaces(invocation, out, err);
        if (status != 0) {
            return status;
        }
        break;
    case Mode::Single:
        status = RunSingle(invocation, language, out, err);
        if (status != 0) {
            return status;
        }
        break;
    }
    out.flush();
    if (!out) {
        err << ProgramName << ": the results could not be written\n";
        return 1;
    }
    return status;
}

} // namespace tithi_cli
