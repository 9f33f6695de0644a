// SPDX-License-Identifier: MIT
// Writing an iCalendar file: content lines, escaping and folding, the time zone of the civil
// clock, and the events.
#include "engine/calendar/ICalendar.h"

#include <cmath>
#include <cstdio>

namespace {

// Text values escape the backslash, the semicolon, the comma and line breaks.
std::string EscapedText(const std::string& text) {
    std::string escaped;
    escaped.reserve(text.size());
    for (std::size_t k = 0; k < text.size(); ++k) {
        const char c = text[k];
        switch (c) {
        case '\\':
            escaped += "\\\\";
            break;
        case ';':
            escaped += "\\;";
            break;
        case ',':
            escaped += "\\,";
            break;
        case '\r':
            if (k + 1 < text.size() && text[k + 1] == '\n') {
                break; // CRLF is one line break
            }
            escaped += "\\n";
            break;
        case '\n':
            escaped += "\\n";
            break;
        default:
            // Other control characters have no place in a text value.
            if (static_cast<unsigned char>(c) >= 0x20 || c == '\t') {
                escaped += c;
            }
        }
    }
    return escaped;
}

// A content line, folded so that no line exceeds 75 octets: a fold is CRLF and one blank, and
// never falls inside a UTF-8 character.
void AppendLine(std::string& out, const std::string& line) {
    constexpr std::size_t Octets = 75;
    std::size_t start = 0;
    std::size_t room = Octets;
    while (line.size() - start > room) {
        std::size_t cut = start + room;
        // Back to the first byte of the character; a UTF-8 character has at most four bytes, so
        // text that is not UTF-8 (a run of continuation bytes) is cut where it stands.
        std::size_t back = cut;
        while (back > start && cut - back < 3 &&
               (static_cast<unsigned char>(line[back]) & 0xC0) == 0x80) {
            --back;
        }
        if ((static_cast<unsigned char>(line[back]) & 0xC0) != 0x80 && back > start) {
            cut = back;
        }
        out.append(line, start, cut - start);
        out += "\r\n ";
        start = cut;
        room = Octets - 1; // the leading blank counts
    }
    out.append(line, start, std::string::npos);
    out += "\r\n";
}

// A reading of the clock, to the nearest second, as a DATE-TIME without zone: 20240311T173000.
std::string LocalDateTime(double civilJd) {
    const ClockReading r = ReadClock(civilJd, ClockRounding::NearestSecond);
    char text[32];
    std::snprintf(text, sizeof text, "%04d%02d%02dT%02d%02d%02d", r.Year, r.Month, r.Day, r.Hour,
                  r.Minute, r.Second);
    return text;
}

std::string UtcDateTime(double jd) {
    return LocalDateTime(jd) + "Z";
}

// An instant as the value of a DATE-TIME property, with what comes between the name and the value:
// ";TZID=America/New_York:20161106T004627" on the zone's clock, but ":20161106T054627Z" in UTC
// where the clock shows the reading twice. A reader takes a repeated local reading for its first
// occurrence (RFC 5545, 3.3.5), which puts the second an hour early; and calendar programs differ
// on it even for the first.
std::string ZonedDateTime(const CivilClock& clock, const std::string& zone, double jd) {
    const double civil = CivilJulianDayAt(clock, jd);
    if (ResolveReading(clock, civil).Kind == ClockReadingKind::Overlap) {
        return ":" + UtcDateTime(jd);
    }
    return ";TZID=" + zone + ":" + LocalDateTime(civil);
}

std::string DateValue(const CivilDate& date) {
    char text[16];
    std::snprintf(text, sizeof text, "%04d%02d%02d", date.Year, date.Month, date.Day);
    return text;
}

CivilDate NextDate(const CivilDate& date) {
    const ClockReading r = ReadClock(CivilJulianDayOfDate(date) + 1.5, ClockRounding::UpToSecond);
    return {r.Year, r.Month, r.Day};
}

// The TZID of a clock: the zone's own name, or one made of a fixed offset.
std::string ZoneId(const CivilClock& clock, double jd) {
    const std::string name = clock.ZoneName();
    // A parameter value may hold no colon: the fixed offset is written compact ("UTC+0530").
    return name.empty() ? "UTC" + OffsetText(clock.OffsetHoursAt(jd), true) : name;
}

void AppendTimeZone(std::string& out, const CalendarHeader& header, const CivilClock& clock) {
    const std::string id = ZoneId(clock, header.FromJd);
    AppendLine(out, "BEGIN:VTIMEZONE");
    AppendLine(out, "TZID:" + EscapedText(id));
    // The observance in force at the start of the range, then one for each change within it.
    const double first = clock.OffsetHoursAt(header.FromJd);
    const bool firstSaving = clock.IsDaylightSavingAt(header.FromJd);
    const char* kind = firstSaving ? "DAYLIGHT" : "STANDARD";
    AppendLine(out, std::string("BEGIN:") + kind);
    // Its onset: the midnight that opens the day before the range, on the clock.
    const double civilStart = CivilJulianDayAt(clock, header.FromJd) - 1;
    AppendLine(out, "DTSTART:" + LocalDateTime(std::floor(civilStart - 0.5) + 0.5));
    AppendLine(out, "TZOFFSETFROM:" + OffsetText(first, true));
    AppendLine(out, "TZOFFSETTO:" + OffsetText(first, true));
    AppendLine(out, std::string("END:") + kind);
    for (const ClockChange& change : ClockChangesBetween(clock, header.FromJd, header.ToJd)) {
        // The onset is the reading of the clock as it was before the change.
        const double onset = std::round(change.Jd * 86400) / 86400;
        kind = change.DaylightSavingAfter ? "DAYLIGHT" : "STANDARD";
        AppendLine(out, std::string("BEGIN:") + kind);
        AppendLine(out, "DTSTART:" + LocalDateTime(onset + change.OffsetBefore / 24));
        AppendLine(out, "TZOFFSETFROM:" + OffsetText(change.OffsetBefore, true));
        AppendLine(out, "TZOFFSETTO:" + OffsetText(change.OffsetAfter, true));
        AppendLine(out, std::string("END:") + kind);
    }
    AppendLine(out, "END:VTIMEZONE");
}

} // namespace

std::string OffsetText(double hours, bool compact) {
    const long seconds = std::isfinite(hours) ? std::lround(std::fabs(hours) * 3600) : 0;
    const char sign = hours < 0 && seconds != 0 ? '-' : '+';
    char text[48];
    const char* separator = compact ? "" : ":";
    if (seconds % 60 != 0) {
        std::snprintf(text, sizeof text, "%c%02ld%s%02ld%s%02ld", sign, seconds / 3600, separator,
                      seconds / 60 % 60, separator, seconds % 60);
    } else {
        std::snprintf(text, sizeof text, "%c%02ld%s%02ld", sign, seconds / 3600, separator,
                      seconds / 60 % 60);
    }
    return text;
}

std::string ICalendarOf(const CalendarHeader& header, const std::vector<CalendarEvent>& events,
                        const CivilClock& clock) {
    std::string out;
    AppendLine(out, "BEGIN:VCALENDAR");
    AppendLine(out, "VERSION:2.0");
    AppendLine(out, "PRODID:" + header.ProductId);
    AppendLine(out, "CALSCALE:GREGORIAN");
    AppendLine(out, "METHOD:PUBLISH");
    if (!header.CalendarName.empty()) {
        AppendLine(out, "X-WR-CALNAME:" + EscapedText(header.CalendarName));
    }
    if (!header.Description.empty()) {
        AppendLine(out, "X-WR-CALDESC:" + EscapedText(header.Description));
    }
    const std::string zone = ZoneId(clock, header.FromJd);
    if (!clock.ZoneName().empty()) {
        AppendLine(out, "X-WR-TIMEZONE:" + zone);
    }
    bool timed = false;
    for (const CalendarEvent& event : events) {
        timed = timed || !event.AllDay;
    }
    if (timed) {
        AppendTimeZone(out, header, clock);
    }
    const std::string stamp = UtcDateTime(header.StampJd);
    for (const CalendarEvent& event : events) {
        AppendLine(out, "BEGIN:VEVENT");
        AppendLine(out, "UID:" + EscapedText(event.Uid));
        AppendLine(out, "DTSTAMP:" + stamp);
        if (event.AllDay) {
            AppendLine(out, "DTSTART;VALUE=DATE:" + DateValue(event.Date));
            AppendLine(out, "DTEND;VALUE=DATE:" + DateValue(NextDate(event.Date)));
            AppendLine(out, "TRANSP:TRANSPARENT");
        } else {
            AppendLine(out, "DTSTART" + ZonedDateTime(clock, zone, event.StartJd));
            AppendLine(out, "DTEND" + ZonedDateTime(clock, zone, event.EndJd));
            AppendLine(out, "TRANSP:TRANSPARENT");
        }
        AppendLine(out, "SUMMARY:" + EscapedText(event.Summary));
        if (!event.Description.empty()) {
            AppendLine(out, "DESCRIPTION:" + EscapedText(event.Description));
        }
        if (!event.Categories.empty()) {
            std::string categories = "CATEGORIES:";
            for (std::size_t k = 0; k < event.Categories.size(); ++k) {
                categories += (k ? "," : "") + EscapedText(event.Categories[k]);
            }
            AppendLine(out, categories);
        }
        AppendLine(out, "END:VEVENT");
    }
    AppendLine(out, "END:VCALENDAR");
    return out;
}
