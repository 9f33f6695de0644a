// SPDX-License-Identifier: MIT
// The calendar's sentences and its iCalendar events.
#include "engine/calendar/CalendarExport.h"

#include "engine/limbs/Limbs.h"
#include "engine/present/PanchangaNames.h"
#include "engine/report/TithiReport.h"
#include "engine/time/TimeScales.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#ifndef KESTRAVA_VERSION
#define KESTRAVA_VERSION ""
#endif

namespace {

constexpr const char* MonthNames[] = {"January",   "February", "March",    "April",
                                      "May",       "June",     "July",     "August",
                                      "September", "October",  "November", "December"};

constexpr const char* UidDomain = "@kestrava";

std::string DateValue(const CivilDate& date) {
    char text[16];
    std::snprintf(text, sizeof text, "%04d%02d%02d", date.Year, date.Month, date.Day);
    return text;
}

// "17:42", or "04:52 on 12 June" for an instant past the date it is told for.
std::string ClockTextFor(const ClockInstant& instant, const CivilDate& date) {
    const ClockReading r = ReadClock(instant.Civil(), ClockRounding::UpToMinute);
    std::string text = ClockText(instant);
    if (r.Year != date.Year || r.Month != date.Month || r.Day != date.Day) {
        text += " on " + std::to_string(r.Day) + ' ' + MonthNames[r.Month - 1];
    }
    return text;
}

// A tithi named after another: by its name alone within the same fortnight, by its title across
// the full or the new moon.
std::string FollowingName(int tithi, int first) {
    return PakshaName(tithi) == PakshaName(first) ? TithiName(tithi) : TithiTitle(tithi);
}

std::string SpanTimes(const ClockInstant& begin, const ClockInstant& end) {
    const CivilDate from = DateOfInstant(begin);
    const CivilDate to = DateOfInstant(end);
    return "from " + DateText(from) + ' ' + ClockText(begin) + " to " + DateText(to) + ' ' +
           ClockText(end);
}

std::string ZoneText(const CivilClock& clock, double jd) {
    const std::string name = clock.ZoneName();
    const std::string offset = "UTC" + OffsetText(clock.OffsetHoursAt(jd));
    return name.empty() ? offset : name + " (" + offset + ")";
}

// "Jyeshtha (amanta)", "Jyeshtha (adhika, amanta)": the adhika mark in the reckoning's brackets.
std::string ReckonedTitle(const LunarMonth& month, const char* reckoning) {
    const std::string name(MasaName(month.Index));
    return name + (month.Adhika ? " (adhika, " : " (") + reckoning + ')';
}

std::string MonthsText(const MonthAndYears& month) {
    return "Month: " + ReckonedTitle(month.Amanta, "amanta") + ", " +
           ReckonedTitle(month.Purnimanta, "purnimanta") + "; Vikram " +
           std::to_string(month.Vikram) + ", Shaka " + std::to_string(month.Shaka) + '.';
}

const char* VrataCategory(int tithi) {
    return tithi == Purnima ? "Purnima" : tithi == Amavasya ? "Amavasya" : "Ekadashi";
}

const CalendarWording& WordingOf(const CalendarExportRequest& request) {
    static const CalendarWording english;
    return request.Wording ? *request.Wording : english;
}

std::vector<CalendarEvent> DayEvents(const CalendarExportRequest& request, const Place& place,
                                     const CivilClock& clock) {
    const CalendarWording& words = WordingOf(request);
    std::vector<CalendarEvent> events;
    const std::string where = words.PlaceText(place, request.PlaceName);
    const std::string key = PlaceKey(place);
    for (const CalendarDay& day :
         CalendarDays(request.First, request.Last, place, clock, request.Sky)) {
        if (day.SunriseTithi() < 0) {
            continue;
        }
        CalendarEvent event;
        event.Uid = "day-" + DateValue(day.Date) + '-' + key + UidDomain;
        event.AllDay = true;
        event.Date = day.Date;
        event.Summary = words.DaySummary(day);
        event.Description =
            words.DayDescription(day, where, ZoneText(clock, day.Begins.JulianDayUT));
        event.Categories = {words.Category("Tithi")};
        for (const int tithi : day.Observed) {
            if (IsVrataTithi(tithi)) {
                event.Categories.push_back(words.Category(VrataCategory(tithi)));
            }
        }
        events.push_back(std::move(event));
    }
    return events;
}

std::vector<CalendarEvent> SpanEvents(const CalendarExportRequest& request,
                                      const CivilClock& clock) {
    const CalendarWording& words = WordingOf(request);
    std::vector<CalendarEvent> events;
    const double fromUT = UniversalOfCivil(clock, CivilJulianDayOfDate(request.First));
    const double toUT = UniversalOfCivil(clock, CivilJulianDayOfDate(request.Last) + 1);
    if (!(fromUT < toUT)) {
        return events;
    }
    const Ephemeris& ephemeris = EphemerisOf(request.Sky.Ephemeris);
    const double fromJde = ephemeris.TerrestrialOfUniversal(fromUT);
    // The tithi in force at the first midnight began up to a day and a few hours before it.
    const std::vector<LimbSpan> spans = SpansBeginningBetween(
        Limb::Tithi, fromJde - 1.2, ephemeris.TerrestrialOfUniversal(toUT), request.Sky);
    LunationSigns signs(request.Sky);
    for (const LimbSpan& span : spans) {
        if (span.EndJde <= fromJde) {
            continue;
        }
        const double elongation = 12.0 * span.Index + 6;
        const double middle = (span.BeginJde + span.EndJde) / 2;
        const MonthAndYears month = LunarMonthAt(middle, elongation, signs);
        CalendarEvent event;
        event.Uid =
            "span-" + std::to_string(month.Lunation) + '-' + std::to_string(span.Index) + UidDomain;
        const ClockInstant begin = InstantOfTerrestrial(clock, span.BeginJde, ephemeris);
        const ClockInstant end = InstantOfTerrestrial(clock, span.EndJde, ephemeris);
        event.StartJd = begin.JulianDayUT;
        event.EndJd = end.JulianDayUT;
        const LunarMonth& named =
            request.Reckoning == MonthReckoning::Amanta ? month.Amanta : month.Purnimanta;
        event.Summary = words.SpanSummary(span.Index);
        event.Description = words.SpanDescription(span.Index, begin, end, named, month,
                                                  ZoneText(clock, begin.JulianDayUT));
        event.Categories = {words.Category("Tithi")};
        events.push_back(std::move(event));
    }
    return events;
}

std::vector<CalendarEvent> VrataEvents(const CalendarExportRequest& request, const Place& place,
                                       const CivilClock& clock) {
    const CalendarWording& words = WordingOf(request);
    std::vector<CalendarEvent> events;
    const std::string where = words.PlaceText(place, request.PlaceName);
    const std::string key = PlaceKey(place);
    for (const TithiOccurrence& vrata :
         VrataDays(request.First, request.Last, place, clock, request.Sky)) {
        CalendarEvent event;
        event.Uid = "vrata-" + std::to_string(vrata.Lunation) + '-' + std::to_string(vrata.Tithi) +
                    '-' + key + UidDomain;
        event.AllDay = true;
        event.Date = vrata.Observed;
        event.Summary = words.VrataSummary(vrata, request.Reckoning);
        event.Description =
            words.VrataDescription(vrata, where, ZoneText(clock, vrata.Begins.JulianDayUT));
        event.Categories = {words.Category("Vrata"), words.Category(VrataCategory(vrata.Tithi))};
        events.push_back(std::move(event));
    }
    return events;
}

} // namespace

std::string ClockText(const ClockInstant& instant, ClockRounding rounding) {
    const ClockReading r = ReadClock(instant.Civil(), rounding);
    char text[16];
    std::snprintf(text, sizeof text, "%02d:%02d", r.Hour, r.Minute);
    return text;
}

std::string DateText(const CivilDate& date) {
    if (date.Month < 1 || date.Month > 12) {
        return {};
    }
    return std::to_string(date.Day) + ' ' + MonthNames[date.Month - 1] + ' ' +
           std::to_string(date.Year);
}

CivilDate DateOfInstant(const ClockInstant& instant) {
    const ClockReading r = ReadClock(instant.Civil(), ClockRounding::UpToMinute);
    return {r.Year, r.Month, r.Day};
}

std::string DayTithiSentence(const CalendarDay& day) {
    if (day.Tithi.Spans.empty()) {
        return {};
    }
    const DaySpan& first = day.Tithi.Spans.front();
    std::string sentence = TithiTitle(first.Index);
    if (!first.EndsWithinDay) {
        return sentence + " all day (vriddhi)";
    }
    sentence += " until " + ClockTextFor(first.End, day.Date);
    for (std::size_t k = 1; k < day.Tithi.Spans.size(); ++k) {
        const DaySpan& span = day.Tithi.Spans[k];
        sentence += ", then " + FollowingName(span.Index, first.Index);
        if (span.EndsWithinDay) {
            sentence += " until " + ClockTextFor(span.End, day.Date);
        }
        if (span.Kshaya) {
            sentence += " (kshaya)";
        }
    }
    return sentence;
}

std::string MonthTitle(const LunarMonth& month) {
    const std::string name(MasaName(month.Index));
    if (name.empty()) {
        return name;
    }
    return month.Adhika ? name + " (adhika)" : name;
}

std::string OccurrenceTitle(const TithiOccurrence& occurrence, MonthReckoning reckoning) {
    const LunarMonth& month =
        reckoning == MonthReckoning::Amanta ? occurrence.Month.Amanta : occurrence.Month.Purnimanta;
    const std::string masa = MonthTitle(month);
    return masa.empty() ? TithiTitle(occurrence.Tithi) : masa + ' ' + TithiTitle(occurrence.Tithi);
}

std::string_view CalendarEventKindName(CalendarEventKind kind) {
    switch (kind) {
    case CalendarEventKind::Days:
        return "days";
    case CalendarEventKind::Spans:
        return "spans";
    case CalendarEventKind::Vrata:
        return "vrata";
    case CalendarEventKind::Festivals:
        return "festivals";
    }
    return {};
}

std::optional<CalendarEventKind> CalendarEventKindNamed(std::string_view name) {
    for (const CalendarEventKind kind :
         {CalendarEventKind::Days, CalendarEventKind::Spans, CalendarEventKind::Vrata,
          CalendarEventKind::Festivals}) {
        if (CalendarEventKindName(kind) == name) {
            return kind;
        }
    }
    return std::nullopt;
}

std::string CalendarWording::PlaceText(const Place& place, const std::string& name) const {
    char text[64];
    std::snprintf(text, sizeof text, "%.2f%c %.2f%c", std::fabs(place.Latitude),
                  place.Latitude < 0 ? 'S' : 'N', std::fabs(place.Longitude),
                  place.Longitude < 0 ? 'W' : 'E');
    return name.empty() ? std::string(text) : name + " (" + text + ')';
}

std::string CalendarWording::CalendarName(CalendarEventKind kind, const std::string& where) const {
    const std::string what = kind == CalendarEventKind::Days    ? "tithis at sunrise"
                             : kind == CalendarEventKind::Spans ? "tithis"
                             : kind == CalendarEventKind::Vrata ? "vrata days"
                                                                : "festivals";
    return "Kestrava: " + what + ", " + where;
}

std::string CalendarWording::CalendarDescription(const SkyChoice& sky) const {
    return "Computed with the " + std::string(EphemerisName(sky.Ephemeris)) +
           " ephemeris and the " + std::string(AyanamsaTitle(sky.Ayanamsa)) + " ayanamsa.";
}

std::string CalendarWording::DaySummary(const CalendarDay& day) const {
    return DayTithiSentence(day);
}

std::string CalendarWording::DayDescription(const CalendarDay& day, const std::string& where,
                                            const std::string& zone) const {
    const DaySpan& first = day.Tithi.AtSunrise();
    std::string text =
        (day.BeginsAtSunrise
             ? "Tithi at sunrise (" + ClockText(day.Begins, ClockRounding::NearestMinute) + ")"
             : std::string("Tithi at midnight (no sunrise)")) +
        ": " + TithiTitle(first.Index) + ", " + SpanTimes(first.Begin, first.End) + ".";
    if (day.Tithi.Vriddhi) {
        text += "\nVriddhi: it holds the next sunrise too.";
    }
    if (day.SecondOfVriddhi) {
        text += "\nVriddhi: it held the previous sunrise too; this is its second day.";
    }
    for (std::size_t k = 1; k < day.Tithi.Spans.size(); ++k) {
        const DaySpan& span = day.Tithi.Spans[k];
        text += "\nThen " + TithiTitle(span.Index) + ", " + SpanTimes(span.Begin, span.End) +
                (span.Kshaya ? " (kshaya: it holds no sunrise)." : ".");
    }
    text += '\n' + MonthsText(day.Month);
    text += "\nAt " + where + ", times " + zone + '.';
    text += '\n' + std::string(ObservanceRule);
    return text;
}

std::string CalendarWording::SpanSummary(int tithi) const {
    return TithiTitle(tithi);
}

std::string CalendarWording::SpanDescription(int tithi, const ClockInstant& begin,
                                             const ClockInstant& end, const LunarMonth& named,
                                             const MonthAndYears& month,
                                             const std::string& zone) const {
    return MonthTitle(named) + ' ' + TithiTitle(tithi) + ", " + SpanTimes(begin, end) + ", " +
           zone + ".\n" + MonthsText(month);
}

std::string CalendarWording::VrataSummary(const TithiOccurrence& vrata,
                                          MonthReckoning reckoning) const {
    return OccurrenceTitle(vrata, reckoning);
}

std::string CalendarWording::VrataDescription(const TithiOccurrence& vrata,
                                              const std::string& where,
                                              const std::string& zone) const {
    std::string text = "The tithi runs " + SpanTimes(vrata.Begins, vrata.Ends) + ", " + zone + '.';
    switch (vrata.Kind) {
    case ObservanceKind::Kshaya:
        text += "\nIt holds no sunrise (kshaya) and is observed on the day in which it runs.";
        break;
    case ObservanceKind::Vriddhi:
        text += "\nIt holds two sunrises (vriddhi) and is observed on the first.";
        break;
    case ObservanceKind::Sunrise:
        break;
    }
    text += '\n' + MonthsText(vrata.Month);
    text += "\nAt " + where + ".\n" + std::string(ObservanceRule);
    return text;
}

std::string CalendarWording::Category(std::string_view english) const {
    return std::string(english);
}

std::string PlaceKey(const Place& place) {
    const long latitude = std::lround(place.Latitude * 100);
    const long longitude = std::lround(place.Longitude * 100);
    char text[48];
    std::snprintf(text, sizeof text, "%ld.%02ld%c%ld.%02ld%c", std::labs(latitude) / 100,
                  std::labs(latitude) % 100, latitude < 0 ? 'S' : 'N', std::labs(longitude) / 100,
                  std::labs(longitude) % 100, longitude < 0 ? 'W' : 'E');
    return text;
}

std::vector<CalendarEvent> CalendarEventsOf(const CalendarExportRequest& request,
                                            const Place& place, const CivilClock& clock) {
    switch (request.Kind) {
    case CalendarEventKind::Days:
        return DayEvents(request, place, clock);
    case CalendarEventKind::Spans:
        return SpanEvents(request, clock);
    case CalendarEventKind::Vrata:
        return VrataEvents(request, place, clock);
    case CalendarEventKind::Festivals:
        return FestivalEvents(request, place, clock);
    }
    return {};
}

std::string CalendarFileOf(const CalendarExportRequest& request, const Place& place,
                           const CivilClock& clock, double stampJd) {
    CalendarHeader header;
    header.ProductId = CalendarProductId();
    const CalendarWording& words = WordingOf(request);
    header.CalendarName =
        words.CalendarName(request.Kind, words.PlaceText(place, request.PlaceName));
    header.Description = words.CalendarDescription(request.Sky);
    header.StampJd = stampJd;
    header.FromJd = UniversalOfCivil(clock, CivilJulianDayOfDate(request.First));
    header.ToJd = UniversalOfCivil(clock, CivilJulianDayOfDate(request.Last) + 1);
    const std::vector<CalendarEvent> events = CalendarEventsOf(request, place, clock);
    // The zone must describe every instant of the timed events: the tithi in force at the first
    // midnight began before it, and the last one ends after the last.
    for (const CalendarEvent& event : events) {
        if (!event.AllDay) {
            header.FromJd = std::min(header.FromJd, event.StartJd);
            header.ToJd = std::max(header.ToJd, event.EndJd);
        }
    }
    return ICalendarOf(header, events, clock);
}

std::string CalendarProductId() {
    const std::string version = KESTRAVA_VERSION;
    return "-//Kestrava//Kestrava" + (version.empty() ? std::string() : ' ' + version) + "//EN";
}
