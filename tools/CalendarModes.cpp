// SPDX-License-Identifier: MIT
// kestrava-tithi's calendar modes through the engine's calendar, their rows, and the writing of
// a whole file.
#include "CalendarModes.h"

#include "Compute.h"
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

Value IndexValues(const std::vector<int>& indexes) {
    std::vector<Value> items;
    for (const int index : indexes) {
        items.push_back(Value::Integer(index));
    }
    return Value::List(std::move(items));
}

const char* YesNo(bool value) {
    return value ? "yes" : "no";
}

// A column of the text table, padded to a width in characters.
Field& Column(Field& field, int width) {
    field.Width = width;
    return field;
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

Record MonthRecord(const MonthDayEntry& day) {
    Record r;
    Column(r.Add("date", Value::Text(day.Date)), 10);
    Column(r.Add("vara", Value::Text(day.Vara)), 11);
    Column(r.Add("sunrise", Value::OptionalText(day.Sunrise)), 8).Shown =
        day.Sunrise ? day.Sunrise->substr(11, 8) : "-";
    Column(r.Add("tithi", Value::Integer(day.Tithi)), 5);
    Column(r.Add("tithi_name", Value::Text(day.TithiName)), 19);
    Column(r.Add("paksha", Value::Text(day.Paksha)), 7);
    Column(r.Add("ends", Value::Text(day.Ends)), 19).Shown = Plain(day.Ends);
    Column(r.Add("kshaya", IndexValues(day.Kshaya)), 6).Shown =
        day.Kshaya.empty() ? "-" : IndexList(day.Kshaya, " ");
    Column(r.Add("vriddhi", Value::Boolean(day.Vriddhi)), 7).Shown = YesNo(day.Vriddhi);
    r.Add("observed", IndexValues(day.Observed), InData);
    Column(r.Add("masa_amanta", Value::Text(day.MasaAmanta)), 12);
    r.Add("adhika", Value::Boolean(day.Adhika)).Shown = YesNo(day.Adhika);
    return r;
}

Record FindRecord(const FindEntry& entry) {
    Record r;
    Column(r.Add("date", Value::Text(entry.Date)), 10);
    Column(r.Add("tithi", Value::Integer(entry.Tithi)), 5);
    Column(r.Add("tithi_name", Value::Text(entry.TithiName)), 19);
    Column(r.Add("begins", Value::Text(entry.Begins)), 19).Shown = Plain(entry.Begins);
    Column(r.Add("ends", Value::Text(entry.Ends)), 19).Shown = Plain(entry.Ends);
    Column(r.Add("masa_amanta", Value::Text(entry.MasaAmanta)), 12);
    Column(r.Add("masa_purnimanta", Value::Text(entry.MasaPurnimanta)), 15);
    Column(r.Add("adhika", Value::Boolean(entry.Adhika)), 6).Shown = YesNo(entry.Adhika);
    r.Add("observance", Value::Text(entry.Observance));
    return r;
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
