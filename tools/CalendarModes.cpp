// SPDX-License-Identifier: MIT
// kestrava-tithi's calendar modes through the engine's calendar, their rows, and the writing of
// a whole file.
#include "CalendarModes.h"

#include "Compute.h"
#include "Formats.h"
#include "Values.h"

#include "engine/calendar/Calendar.h"
#include "engine/calendar/CalendarExport.h"
#include "engine/present/PanchangaNames.h"
#include "engine/report/TithiReport.h"

#include "files/WholeFile.h"

#include <chrono>

namespace tithi_cli {

namespace {

std::string IsoDay(const CivilDate& date) {
    return IsoDate({date.Year, date.Month, date.Day});
}

std::string IsoOf(const ClockInstant& instant, ClockRounding rounding) {
    return IsoTime(instant.Civil(), rounding, instant.OffsetHours);
}

// "2024-06-11T17:27:54+05:30" as the text table shows it: "2024-06-11 17:27:54".
std::string Plain(const std::string& iso) {
    std::string text = iso.substr(0, 19);
    if (text.size() > 10) {
        text[10] = ' ';
    }
    return text;
}

std::string IndexList(const std::vector<int>& indexes, const char* separator) {
    std::string list;
    for (std::size_t k = 0; k < indexes.size(); ++k) {
        list += (k ? separator : "") + std::to_string(indexes[k]);
    }
    return list;
}

std::string JsonList(const std::vector<int>& indexes) {
    return '[' + IndexList(indexes, ",") + ']';
}

const char* YesNo(bool value) {
    return value ? "yes" : "no";
}

const char* TrueFalse(bool value) {
    return value ? "true" : "false";
}

// Pads a column of the text table to a width, in characters: a name in another script takes
// several bytes a character.
std::string Column(std::string text, std::size_t width) {
    std::size_t characters = 0;
    for (const char c : text) {
        characters += (static_cast<unsigned char>(c) & 0xc0) != 0x80; // not a continuation byte
    }
    if (characters < width) {
        text.append(width - characters, ' ');
    }
    return text + ' ';
}

std::string_view ObservanceName(ObservanceKind kind) {
    switch (kind) {
    case ObservanceKind::Kshaya:
        return "kshaya";
    case ObservanceKind::Vriddhi:
        return "vriddhi";
    case ObservanceKind::Sunrise:
        break;
    }
    return "sunrise";
}

} // namespace

DateArgument TodayAt(const Invocation& invocation) {
    const PlaceAndClock setup = PlaceAndClockOf(invocation.Moment);
    using namespace std::chrono;
    const double jd =
        duration_cast<milliseconds>(system_clock::now().time_since_epoch()).count() / 86400000.0 +
        2440587.5;
    const ClockReading now =
        ReadClock(CivilJulianDayAt(*setup.Clock, jd), ClockRounding::UpToSecond);
    return {now.Year, now.Month, now.Day};
}

std::vector<MonthDayEntry> ComputeMonth(const Invocation& month) {
    const PlaceAndClock setup = PlaceAndClockOf(month.Moment);
    std::vector<MonthDayEntry> entries;
    for (const CalendarDay& day : CalendarMonth(month.MonthYear, month.MonthNumber, setup.Where,
                                                *setup.Clock, month.Moment.Sky)) {
        MonthDayEntry entry;
        entry.Date = IsoDay(day.Date);
        entry.Vara = std::string(VaraName(day.Vara));
        if (day.BeginsAtSunrise) {
            entry.Sunrise = IsoOf(day.Begins, ClockRounding::NearestSecond);
        }
        const DaySpan& first = day.Tithi.AtSunrise();
        entry.Tithi = first.Index;
        entry.TithiName = TithiTitle(first.Index);
        entry.Paksha = std::string(PakshaName(first.Index));
        if (first.Index >= 0) {
            entry.Ends = IsoOf(first.End, ClockRounding::UpToSecond);
        }
        entry.Kshaya = day.Kshaya;
        entry.Vriddhi = day.Tithi.Vriddhi;
        entry.Observed = day.Observed;
        entry.MasaAmanta = std::string(MasaName(day.Month.Amanta.Index));
        entry.Adhika = day.Month.Amanta.Adhika;
        entries.push_back(std::move(entry));
    }
    return entries;
}

std::vector<FindEntry> ComputeFind(const Invocation& find, const DateArgument& today) {
    const PlaceAndClock setup = PlaceAndClockOf(find.Moment);
    const DateArgument from = find.HasFrom ? find.From : today;
    std::vector<FindEntry> entries;
    for (const TithiOccurrence& found :
         FindTithi(find.Find, {from.Year, from.Month, from.Day}, find.Count,
                   find.Previous ? SearchDirection::Backward : SearchDirection::Forward,
                   setup.Where, *setup.Clock, find.Moment.Sky)) {
        FindEntry entry;
        entry.Date = IsoDay(found.Observed);
        entry.Tithi = found.Tithi;
        entry.TithiName = TithiTitle(found.Tithi);
        entry.Begins = IsoOf(found.Begins, ClockRounding::UpToSecond);
        entry.Ends = IsoOf(found.Ends, ClockRounding::UpToSecond);
        entry.MasaAmanta = std::string(MasaName(found.Month.Amanta.Index));
        entry.MasaPurnimanta = std::string(MasaName(found.Month.Purnimanta.Index));
        entry.Adhika = find.Find.Reckoning == MonthReckoning::Amanta
                           ? found.Month.Amanta.Adhika
                           : found.Month.Purnimanta.Adhika;
        entry.Observance = std::string(ObservanceName(found.Kind));
        entries.push_back(std::move(entry));
    }
    return entries;
}

CalendarFile ComputeCalendarFile(const Invocation& calendar, double stampJd,
                                 const CalendarWording* words) {
    const PlaceAndClock setup = PlaceAndClockOf(calendar.Moment);
    CalendarExportRequest request;
    request.First = {calendar.From.Year, calendar.From.Month, calendar.From.Day};
    request.Last = {calendar.To.Year, calendar.To.Month, calendar.To.Day};
    request.Kind = calendar.Events;
    request.Wording = words;
    request.Keeper = calendar.Keeper;
    request.Sky = calendar.Moment.Sky;
    if (calendar.Moment.Place) {
        request.PlaceName = calendar.Moment.Place->Display;
    }
    CalendarFile file;
    file.Text = CalendarFileOf(request, setup.Where, *setup.Clock, stampJd);
    for (std::size_t at = 0; (at = file.Text.find("BEGIN:VEVENT", at)) != std::string::npos; ++at) {
        ++file.Events;
    }
    return file;
}

std::string MonthTextHeader() {
    return Column("date", 10) + Column("vara", 11) + Column("sunrise", 8) + Column("tithi", 5) +
           Column("tithi_name", 19) + Column("paksha", 7) + Column("ends", 19) +
           Column("kshaya", 6) + Column("vriddhi", 7) + Column("masa_amanta", 12) + "adhika";
}

std::string FormatMonthText(const MonthDayEntry& day) {
    return Column(day.Date, 10) + Column(day.Vara, 11) +
           Column(day.Sunrise ? day.Sunrise->substr(11, 8) : "-", 8) +
           Column(std::to_string(day.Tithi), 5) + Column(day.TithiName, 19) +
           Column(day.Paksha, 7) + Column(Plain(day.Ends), 19) +
           Column(day.Kshaya.empty() ? "-" : IndexList(day.Kshaya, " "), 6) +
           Column(YesNo(day.Vriddhi), 7) + Column(day.MasaAmanta, 12) + YesNo(day.Adhika);
}

std::string FormatMonthJson(const MonthDayEntry& day) {
    return "{\"date\":" + JsonString(day.Date) + ",\"vara\":" + JsonString(day.Vara) +
           ",\"sunrise\":" + (day.Sunrise ? JsonString(*day.Sunrise) : "null") +
           ",\"tithi\":" + std::to_string(day.Tithi) +
           ",\"tithi_name\":" + JsonString(day.TithiName) +
           ",\"paksha\":" + JsonString(day.Paksha) + ",\"ends\":" + JsonString(day.Ends) +
           ",\"kshaya\":" + JsonList(day.Kshaya) + ",\"vriddhi\":" + TrueFalse(day.Vriddhi) +
           ",\"observed\":" + JsonList(day.Observed) +
           ",\"masa_amanta\":" + JsonString(day.MasaAmanta) +
           ",\"adhika\":" + TrueFalse(day.Adhika) + '}';
}

std::string MonthCsvHeader() {
    return "date,vara,sunrise,tithi,tithi_name,paksha,ends,kshaya,vriddhi,observed,masa_amanta,"
           "adhika";
}

std::string FormatMonthCsv(const MonthDayEntry& day) {
    return day.Date + ',' + CsvField(day.Vara) + ',' + day.Sunrise.value_or("") + ',' +
           std::to_string(day.Tithi) + ',' + CsvField(day.TithiName) + ',' + CsvField(day.Paksha) +
           ',' + day.Ends + ',' + IndexList(day.Kshaya, " ") + ',' + TrueFalse(day.Vriddhi) + ',' +
           IndexList(day.Observed, " ") + ',' + CsvField(day.MasaAmanta) + ',' +
           TrueFalse(day.Adhika);
}

std::string FindTextHeader() {
    return Column("date", 10) + Column("tithi", 5) + Column("tithi_name", 19) +
           Column("begins", 19) + Column("ends", 19) + Column("masa_amanta", 12) +
           Column("masa_purnimanta", 15) + Column("adhika", 6) + "observance";
}

std::string FormatFindText(const FindEntry& entry) {
    return Column(entry.Date, 10) + Column(std::to_string(entry.Tithi), 5) +
           Column(entry.TithiName, 19) + Column(Plain(entry.Begins), 19) +
           Column(Plain(entry.Ends), 19) + Column(entry.MasaAmanta, 12) +
           Column(entry.MasaPurnimanta, 15) + Column(YesNo(entry.Adhika), 6) + entry.Observance;
}

std::string FormatFindJson(const FindEntry& entry) {
    return "{\"date\":" + JsonString(entry.Date) + ",\"tithi\":" + std::to_string(entry.Tithi) +
           ",\"tithi_name\":" + JsonString(entry.TithiName) +
           ",\"begins\":" + JsonString(entry.Begins) + ",\"ends\":" + JsonString(entry.Ends) +
           ",\"masa_amanta\":" + JsonString(entry.MasaAmanta) +
           ",\"masa_purnimanta\":" + JsonString(entry.MasaPurnimanta) +
           ",\"adhika\":" + TrueFalse(entry.Adhika) +
           ",\"observance\":" + JsonString(entry.Observance) + '}';
}

std::string FindCsvHeader() {
    return "date,tithi,tithi_name,begins,ends,masa_amanta,masa_purnimanta,adhika,observance";
}

std::string FormatFindCsv(const FindEntry& entry) {
    return entry.Date + ',' + std::to_string(entry.Tithi) + ',' + CsvField(entry.TithiName) + ',' +
           entry.Begins + ',' + entry.Ends + ',' + CsvField(entry.MasaAmanta) + ',' +
           CsvField(entry.MasaPurnimanta) + ',' + TrueFalse(entry.Adhika) + ',' + entry.Observance;
}

std::optional<std::string> WriteWholeFile(const std::string& path, const std::string& bytes) {
    const auto failure = SaveWholeFile(path, bytes);
    if (!failure) {
        return std::nullopt;
    }
    const std::string& where = failure->Path;
    const std::string reason = failure->Reason();
    switch (failure->Step) {
    case SaveStep::NoName:
        return "no file name was given";
    case SaveStep::NoFolder:
        return "the folder " + where + " does not exist";
    case SaveStep::IsFolder:
        return where + " is a folder";
    case SaveStep::NotAFile:
        return where + " is not a file that can be written (a socket or a block device)";
    case SaveStep::NoReader:
        return where + " is a pipe that no program is reading";
    case SaveStep::Inspect:
        return where + " could not be looked at: " + reason;
    case SaveStep::Create:
        return "it could not be created in " + where + ": " + reason;
    case SaveStep::Write:
        return "it could not be written: " + reason;
    case SaveStep::Replace:
        return "it could not take the place of " + where + ": " + reason;
    }
    return "it could not be written: " + reason;
}

} // namespace tithi_cli
