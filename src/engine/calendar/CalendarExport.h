// SPDX-License-Identifier: MIT
// The calendar as others read it: the sentence that tells a day's tithis, and the events of an
// iCalendar file (each day's tithi at sunrise, each tithi's span, or the vrata days) with
// identifiers that stay the same from one export to the next, so that importing a file again
// updates its events instead of doubling them. The texts are English; the windows give the
// events' words in the user's language through a wording of their own.
#pragma once

#include "engine/calendar/Calendar.h"
#include "engine/calendar/Festivals.h"
#include "engine/calendar/ICalendar.h"
#include "engine/present/Wording.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// ClockText: an instant on its clock, "17:42": by default the first whole minute at or after it,
// as the windows show a tithi's end (a sunrise is shown to the nearest minute).
std::string ClockText(const ClockInstant& instant,
                      ClockRounding rounding = ClockRounding::UpToMinute);

// DateText: "11 June 2024"; DateOfInstant: the civil date an instant falls on, on its clock.
std::string DateText(const CivilDate& date);
CivilDate DateOfInstant(const ClockInstant& instant);

// DayTithiSentence: a day's tithis in one line: "Shukla Panchami until 17:42, then Shashthi";
// "Krishna Dvitiya until 06:10, then Tritiya until 04:52 on 12 June (kshaya), then Chaturthi";
// "Shukla Ekadashi all day (vriddhi)". A tithi of the other fortnight is named with its own.
std::string DayTithiSentence(const CalendarDay& day);

// MonthTitle: "Jyeshtha", "Shravana (adhika)"; empty for a month without a name.
std::string MonthTitle(const LunarMonth& month);

// OccurrenceTitle: "Shravana Krishna Ashtami" in the chosen reckoning.
std::string OccurrenceTitle(const TithiOccurrence& occurrence, MonthReckoning reckoning);

// What the events of a file are.
enum class CalendarEventKind {
    Days,  // an all-day event for each date: the tithi at its sunrise, and what follows
    Spans, // a timed event for each tithi, from its begin to its end
    Vrata, // an all-day event on the day of observance of each Ekadashi, Purnima and Amavasya
    Festivals, // an all-day event for each festival by the rules of the festival table
};

// The names the command line gives them: "days", "spans", "vrata"; and back.
std::string_view CalendarEventKindName(CalendarEventKind kind);
std::optional<CalendarEventKind> CalendarEventKindNamed(std::string_view name);

// PlaceKey: a place rounded to a hundredth of a degree (about a kilometre), "28.61N77.22E", as
// the identifiers of the events that depend on it carry it.
std::string PlaceKey(const Place& place);

// The words of an exported calendar: its name, each event's title, description and categories,
// beside the names and phrases of every text (Wording). These are English; a window derives its
// own wording to give them in the user's language. All texts are UTF-8.
class CalendarWording : public Wording {
public:

    // "Delhi (28.61N 77.22E)", or the coordinates alone for a place without a name.
    virtual std::string PlaceText(const Place& place, const std::string& name) const;
    // "Kestrava: tithis at sunrise, Delhi (28.61N 77.22E)"
    virtual std::string CalendarName(CalendarEventKind kind, const std::string& where) const;
    // "Computed with the modern ephemeris and the Lahiri ayanamsa."
    virtual std::string CalendarDescription(const SkyChoice& sky) const;

    // A day: its tithis as DayTithiSentence tells them; the description tells the tithi at
    // sunrise and those after it with their spans, the month, the place and the zone
    // ("Asia/Kolkata (UTC+05:30)") and the rule of observance.
    virtual std::string DaySummary(const CalendarDay& day) const;
    virtual std::string DayDescription(const CalendarDay& day, const std::string& where,
                                       const std::string& zone) const;

    // A tithi's span, its month named in the chosen reckoning.
    virtual std::string SpanSummary(int tithi) const;
    virtual std::string SpanDescription(int tithi, const ClockInstant& begin,
                                        const ClockInstant& end, const LunarMonth& named,
                                        const MonthAndYears& month, const std::string& zone) const;

    // A vrata day: "Shravana Krishna Ashtami", and how it is observed.
    virtual std::string VrataSummary(const TithiOccurrence& vrata, MonthReckoning reckoning) const;
    virtual std::string VrataDescription(const TithiOccurrence& vrata, const std::string& where,
                                         const std::string& zone) const;

    // A festival: its name, and the rule that gave its day with the tithi's month (or the
    // sankranti's instant), the place and the zone.
    virtual std::string FestivalSummary(const FestivalDay& festival) const;
    virtual std::string FestivalDescription(const FestivalDay& festival, const std::string& where,
                                            const std::string& zone) const;

    // A category: "Tithi", "Vrata", "Ekadashi", "Purnima", "Amavasya", "Festival".
    virtual std::string Category(std::string_view english) const;
};

// What to export.
struct CalendarExportRequest {
    CivilDate First, Last; // the civil dates, both included
    CalendarEventKind Kind{CalendarEventKind::Days};
    MonthReckoning Reckoning{MonthReckoning::Amanta}; // how the vrata days name their month
    std::string PlaceName;            // "Delhi", for the calendar's name; may be empty
    const CalendarWording* Wording{}; // the words of the file; none for the English ones
    Tradition Keeper{Tradition::Smarta}; // whose festival days, where the traditions differ
    SkyChoice Sky;                    // the ephemeris and the ayanamsa, named in the file too
};

// CalendarEventsOf: the events. Their identifiers:
//   days   "day-20240611-28.61N77.22E@kestrava"      the date and the place
//   spans  "span-302-4@kestrava"                     the lunation and the tithi (a tithi's span
//                                                    is the same instant everywhere)
//   vrata  "vrata-302-10-28.61N77.22E@kestrava"      the lunation, the tithi and the place
//   festivals "festival-diwali-2024-28.61N77.22E@kestrava"  the festival, its year and the place
// Spans: every tithi in force at some instant of the range; the others: the dates of the range.
std::vector<CalendarEvent> CalendarEventsOf(const CalendarExportRequest& request,
                                            const Place& place, const CivilClock& clock);

// FestivalEvents: the festivals' events of a request (CalendarEventsOf for Festivals).
std::vector<CalendarEvent> FestivalEvents(const CalendarExportRequest& request, const Place& place,
                                          const CivilClock& clock);

// CalendarFileOf: the whole iCalendar file of the request.
//   stampJd  the export's time (DTSTAMP), Julian day, Universal Time
std::string CalendarFileOf(const CalendarExportRequest& request, const Place& place,
                           const CivilClock& clock, double stampJd);

// The product identifier the files carry: "-//Kestrava//Kestrava 1.15//EN".
std::string CalendarProductId();
