// SPDX-License-Identifier: MIT
// Civil clocks with known changes of offset, for tests that need a zone without the system's
// time-zone database.
#pragma once

#include "engine/time/CivilClock.h"
#include "engine/time/TimeScales.h"

inline double Jd(int year, int month, int day, double hours = 0) {
    return JulianDayOfDate(month, day, year) + hours / 24;
}

// Europe/Madrid in 2024, as the European Union keeps its clocks: UTC+1, and UTC+2 from the last
// Sunday of March, 01:00 UT, to the last Sunday of October, 01:00 UT (31 March, 27 October).
class Madrid2024 final : public CivilClock {
public:
    double OffsetHoursAt(double jd) const override { return IsDaylightSavingAt(jd) ? 2 : 1; }
    bool IsDaylightSavingAt(double jd) const override {
        return jd >= Jd(2024, 3, 31, 1) && jd < Jd(2024, 10, 27, 1);
    }
    std::string ZoneName() const override { return "Europe/Madrid"; }
};

// Samoa's clock over the date line: UTC-10 (its summer time) until 2011 December 29, 24:00, then
// UTC+14, so that 30 December 2011 never came (the tz database's Pacific/Apia).
class Apia2011 final : public CivilClock {
public:
    double OffsetHoursAt(double jd) const override { return jd < Jd(2011, 12, 30, 10) ? -10 : 14; }
    bool IsDaylightSavingAt(double) const override { return true; }
    std::string ZoneName() const override { return "Pacific/Apia"; }
};
