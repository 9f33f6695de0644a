// SPDX-License-Identifier: MIT
// An instant as a caller shows it on a place's clock: Universal Time, Terrestrial Time and the
// clock's offset in force then.
#pragma once

#include "engine/time/CivilClock.h"
#include "engine/time/TimeScales.h"

struct ClockInstant {
    double JulianDayUT{}; // Universal Time
    double Jde{};         // Terrestrial Time
    double OffsetHours{}; // how far the clock runs ahead of Universal Time then (east positive)

    // The reading of the place's clock, as a Julian day (ReadClock turns it into a date and time).
    double Civil() const { return JulianDayUT + OffsetHours / 24; }
};

// InstantOfUniversal: an instant given in Universal Time (Julian day), on a clock.
inline ClockInstant InstantOfUniversal(const CivilClock& clock, double jd) {
    return {jd, TerrestrialOfUniversal(jd), clock.OffsetHoursAt(jd)};
}

// InstantOfTerrestrial: an instant given in Terrestrial Time (Julian day), on a clock.
inline ClockInstant InstantOfTerrestrial(const CivilClock& clock, double jde) {
    const double jd = UniversalOfTerrestrial(jde);
    return {jd, jde, clock.OffsetHoursAt(jd)};
}
