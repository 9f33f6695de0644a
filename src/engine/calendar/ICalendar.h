// SPDX-License-Identifier: MIT
// The iCalendar file (RFC 5545) of a set of events: all-day events on civil dates and timed
// events between two instants, with the place's time zone carried as a VTIMEZONE built from the
// civil clock itself.
#pragma once

#include "engine/time/CivilClock.h"

#include <string>
#include <vector>

struct CalendarEvent {
    std::string Uid;         // stable across exports, so that importing again updates the event
    std::string Summary;     // one line of text, UTF-8
    std::string Description; // may hold line breaks
    bool AllDay{};
    CivilDate Date;            // the day of an all-day event
    double StartJd{}, EndJd{}; // the span of a timed event, Julian days, Universal Time
    std::vector<std::string> Categories;
};

struct CalendarHeader {
    std::string ProductId;    // "-//Kestrava//Kestrava 1.15//EN"
    std::string CalendarName; // X-WR-CALNAME
    double StampJd{};         // DTSTAMP of every event (the export's time), Universal Time
    // The range the time zone must describe (Julian days, UT): its changes within are written.
    double FromJd{}, ToJd{};
    std::string Description; // X-WR-CALDESC: what the file was computed with
};

// ICalendarOf: the whole file, lines ended by CRLF and folded at 75 octets (never inside a UTF-8
// character), text escaped as RFC 5545 asks.
//   clock  the zone of the timed events. A named zone is written with its name as TZID and a
//          VTIMEZONE holding every change of offset within the range (one observance per
//          change, no recurrence rules, so that the file says exactly what the clock did); a
//          fixed offset gets a TZID of its own ("UTC+0530") with one observance. Timed events
//          carry DTSTART and DTEND on that zone's clock, except an instant whose reading the
//          clock shows twice (the hour repeated when the clocks go back), which is written in
//          UTC so that no reader takes it for the other occurrence; all-day events carry DATE
//          values.
std::string ICalendarOf(const CalendarHeader& header, const std::vector<CalendarEvent>& events,
                        const CivilClock& clock);

// OffsetText: an offset as ISO 8601 and RFC 5545 show it: "+05:30", "-04:00", "+05:21:10".
//   hours    east positive
//   compact  without colons ("+0530"), as a UTC-OFFSET value of RFC 5545
std::string OffsetText(double hours, bool compact = false);
