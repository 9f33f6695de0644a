// SPDX-License-Identifier: MIT
// The hemisphere rule, written once; the resolution of a clock reading across a change of
// offset; and the readings of a clock to the second or minute.
#include "engine/time/CivilClock.h"

#include "engine/time/TimeScales.h"

#include <cmath>

int HemisphereSign(double longitudeWestPositive) {
    return longitudeWestPositive < 0 ? 1 : -1;
}

double ZoneHoursWithDaylightSaving(double zoneHours, double longitudeWestPositive) {
    // zoneHours + 1 in the east, zoneHours - 1 in the west: adding -1 is the same subtraction.
    return zoneHours + HemisphereSign(longitudeWestPositive);
}

double ClockOffsetHours(double zoneHours, double longitudeWestPositive) {
    return HemisphereSign(longitudeWestPositive) * zoneHours;
}

namespace {

constexpr double SecondInDays = 1.0 / 86400;

// The instant at which the offset changes between two instants that differ in offset, by
// halving the interval to under a second.
double ChangeBetween(const CivilClock& clock, double before, double after) {
    const double offsetBefore = clock.OffsetHoursAt(before);
    for (int step = 0; step < 64 && after - before > SecondInDays / 2; ++step) {
        const double middle = before + (after - before) / 2;
        if (clock.OffsetHoursAt(middle) == offsetBefore) {
            before = middle;
        } else {
            after = middle;
        }
    }
    return after;
}

} // namespace

std::vector<ClockChange> ClockChangesBetween(const CivilClock& clock, double fromJd, double toJd) {
    std::vector<ClockChange> changes;
    if (!(fromJd < toJd)) {
        return changes;
    }
    double before = fromJd;
    double offset = clock.OffsetHoursAt(before);
    while (before < toJd) {
        const double after = std::fmin(before + 1, toJd);
        const double next = clock.OffsetHoursAt(after);
        if (next != offset) {
            const double jd = ChangeBetween(clock, before, after);
            changes.push_back({jd, offset, next, clock.IsDaylightSavingAt(jd)});
            offset = next;
        }
        before = after;
    }
    return changes;
}

ResolvedReading ResolveReading(const CivilClock& clock, double civilJd) {
    ResolvedReading resolved;
    if (!std::isfinite(civilJd)) {
        return resolved;
    }
    // The offsets in force a day before, at and a day after the reading (taken as if it were
    // Universal Time: no offset exceeds a day).
    const double probes[] = {clock.OffsetHoursAt(civilJd - 1), clock.OffsetHoursAt(civilJd),
                             clock.OffsetHoursAt(civilJd + 1)};
    resolved.OffsetBefore = probes[0];
    resolved.OffsetAfter = probes[2];

    // Each offset that reads back to itself is one occurrence of the reading. A larger offset
    // gives an earlier instant.
    std::optional<double> earlier, later;
    for (const double offset : probes) {
        const double jd = civilJd - offset / 24;
        if (clock.OffsetHoursAt(jd) != offset) {
            continue;
        }
        if (!earlier || offset > *earlier) {
            if (earlier && *earlier != offset) {
                later = earlier;
            }
            earlier = offset;
        } else if (offset < *earlier && (!later || offset > *later)) {
            later = offset;
        }
    }

    if (probes[0] != probes[2]) {
        resolved.ChangeJd = ChangeBetween(clock, civilJd - 1, civilJd + 1);
    }
    if (!earlier) {
        resolved.Kind = ClockReadingKind::Gap;
        return resolved;
    }
    resolved.OffsetHours = earlier;
    if (later) {
        resolved.Kind = ClockReadingKind::Overlap;
        resolved.LaterOffsetHours = later;
    }
    return resolved;
}

double UniversalOfCivil(const CivilClock& clock, double civilJd) {
    const ResolvedReading resolved = ResolveReading(clock, civilJd);
    if (resolved.OffsetHours) {
        return civilJd - *resolved.OffsetHours / 24;
    }
    return resolved.Kind == ClockReadingKind::Gap ? resolved.ChangeJd : civilJd;
}

ClockReading ReadClock(double civilJd, ClockRounding rounding) {
    if (!std::isfinite(civilJd)) {
        return {};
    }
    // Whole days from the midnight that starts the civil day, and the seconds of that day.
    double day = std::floor(civilJd + 0.5);
    const double secondsOfDay = (civilJd + 0.5 - day) * 86400;
    double seconds = 0;
    switch (rounding) {
    case ClockRounding::UpToSecond:
        seconds = std::ceil(secondsOfDay);
        break;
    case ClockRounding::UpToMinute:
        seconds = std::ceil(secondsOfDay / 60) * 60;
        break;
    case ClockRounding::NearestSecond:
        seconds = std::round(secondsOfDay);
        break;
    case ClockRounding::NearestMinute:
        seconds = std::round(secondsOfDay / 60) * 60;
        break;
    }
    if (seconds >= 86400) {
        seconds -= 86400;
        day += 1;
    }
    const CalendarDate date = CalendarDateOfJulianDay(day); // noon of that civil day
    const auto whole = static_cast<int>(seconds);
    return {static_cast<int>(date.Year),
            static_cast<int>(date.Month),
            static_cast<int>(date.Day),
            whole / 3600,
            whole / 60 % 60,
            whole % 60};
}

double CivilJulianDay(const ClockReading& reading) {
    return JulianDayOfDate(reading.Month, reading.Day, reading.Year) +
           (reading.Hour * 3600.0 + reading.Minute * 60.0 + reading.Second) / 86400;
}

double CivilJulianDayOfDate(const CivilDate& date) {
    return JulianDayOfDate(date.Month, date.Day, date.Year);
}

bool ClockSkipsDate(const CivilClock& clock, const CivilDate& date) {
    const double midnight = CivilJulianDayOfDate(date);
    // Where the midnight itself is shown the date is not skipped, and the search below is spared
    // on every ordinary date.
    if (ResolveReading(clock, midnight).Kind != ClockReadingKind::Gap) {
        return false;
    }
    // Both midnights fall at the instant of the jump (found to about a second): none of the
    // date is shown.
    return UniversalOfCivil(clock, midnight + 1) - UniversalOfCivil(clock, midnight) < 60 / 86400.0;
}
