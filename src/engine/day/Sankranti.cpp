// SPDX-License-Identifier: MIT
// The sankrantis on the chosen ephemeris' Sun, and the regional rules for the day that begins a month.
//
// The rules for the civil day are those collected by R. Sewell and S. B. Dikshit, The Indian
// Calendar (1896), art. 28, "The beginning of a solar month": the Bengal rule (sunrise to
// midnight: the next day; midnight to sunrise: the day after), the Orissa rule (the same civil
// day), the Tamil rule (before sunset: the same day; after it: the next) and the Malabar rule
// (within the first three-fifths of the daytime: the same day; after it: the next). A civil day
// runs from sunrise to sunrise.
#include "engine/day/Sankranti.h"

#include "engine/base/Angles.h"
#include "engine/day/Risings.h"
#include "engine/limbs/Crossing.h"
#include "engine/sky/Ayanamsa.h"
#include "engine/sky/Ephemeris.h"
#include "engine/time/TimeScales.h"

#include <cmath>

namespace {

// The Sun's mean sidereal motion, degrees a day, and the bounds of its true motion.
constexpr double MeanSolarRate = 360 / 365.256363;
constexpr double SlowestSolarRate = 0.94;
constexpr double FastestSolarRate = 1.03;

// The share of the daytime before the Malabar rule moves the month to the next day: three of its
// five parts (pratah, sangava, madhyahna), before the aparahna.
constexpr double MalabarShareOfDaytime = 3.0 / 5;

// Dates of the Gregorian calendar, a day apart: from the noon of the date, read well inside it.
CivilDate AddDays(const CivilDate& date, int days) {
    const CalendarDate moved = CalendarDateOfJulianDay(CivilJulianDayOfDate(date) + days + 0.5);
    return {static_cast<int>(moved.Year), static_cast<int>(moved.Month),
            static_cast<int>(moved.Day)};
}

int DaysBetween(const CivilDate& from, const CivilDate& to) {
    return static_cast<int>(std::lround(CivilJulianDayOfDate(to) - CivilJulianDayOfDate(from)));
}

CivilDate DateOfCivil(double civilJd) {
    const ClockReading reading = ReadClock(civilJd, ClockRounding::NearestSecond);
    // The reading rounds to the second; a sankranti in the last half second of a date is read
    // on the next, which is the same instant to the second.
    return {reading.Year, reading.Month, reading.Day};
}

// The sunrise and sunset of a date, with its midnights standing in where the Sun does not rise
// or set; Terrestrial Time.
struct DayLight {
    double Sunrise{}, Sunset{};
};

DayLight DayLightOf(const CivilDate& date, const Place& place, const CivilClock& clock,
                    const Ephemeris& ephemeris) {
    const double midnight =
        ephemeris.TerrestrialOfUniversal(UniversalOfCivil(clock, CivilJulianDayOfDate(date)));
    const double nextMidnight =
        ephemeris.TerrestrialOfUniversal(UniversalOfCivil(clock, CivilJulianDayOfDate(date) + 1));
    const HorizonCrossing rise = SunriseCrossing(date, place, clock, ephemeris);
    const HorizonCrossing set = SunsetOnDate(date, place, clock, ephemeris);
    return {rise.State == HorizonState::Crosses ? rise.At.Jde : midnight,
            set.State == HorizonState::Crosses ? set.At.Jde : nextMidnight};
}

} // namespace

Sankranti SankrantiNear(int rashi, double jde, const SkyChoice& sky) {
    if (rashi < 0 || rashi >= 12 || !std::isfinite(jde)) {
        return {};
    }
    const double target = 30.0 * rashi;
    const auto longitude = [&sky](double t) { return SunSiderealLongitude(t, sky); };
    return {rashi, FindCrossingOf(longitude, MeanSolarRate, SlowestSolarRate, FastestSolarRate,
                                  target, jde, longitude(jde), MeanSolarRate)
                       .Jde};
}

std::vector<Sankranti> SankrantisBetween(double fromJde, double toJde, const SkyChoice& sky) {
    std::vector<Sankranti> found;
    if (!(fromJde < toJde) || !std::isfinite(fromJde) || !std::isfinite(toJde)) {
        return found;
    }
    const double longitude = SunSiderealLongitude(fromJde, sky);
    int rashi = (static_cast<int>(std::floor(longitude / 30)) + 1) % 12;
    double guess = fromJde + (30.0 * std::floor(longitude / 30) + 30 - longitude) / MeanSolarRate;
    for (;;) {
        const Sankranti next = SankrantiNear(rashi, guess, sky);
        if (next.Jde >= toJde) {
            break;
        }
        if (next.Jde >= fromJde) {
            found.push_back(next);
        }
        rashi = (rashi + 1) % 12;
        guess = next.Jde + 30 / MeanSolarRate;
    }
    return found;
}

CivilDate SolarMonthFirstDay(SolarCalendar calendar, double sankrantiJde, const Place& place,
                             const CivilClock& clock, const Ephemeris& ephemeris) {
    const ClockInstant at = InstantOfTerrestrial(clock, sankrantiJde, ephemeris);
    const CivilDate date = DateOfCivil(at.Civil());
    if (calendar == SolarCalendar::Bengali) {
        // Sunrise to midnight of the civil day: the next date. Midnight to sunrise belongs to
        // the civil day before, and the month begins on the day after the next, the next date
        // again. Either way the date after the clock's own.
        return AddDays(date, 1);
    }
    const DayLight light = DayLightOf(date, place, clock, ephemeris);
    switch (calendar) {
    case SolarCalendar::Tamil:
        // Before this date's sunrise it is the night of the day before, past its sunset.
        return sankrantiJde < light.Sunset ? date : AddDays(date, 1);
    case SolarCalendar::Malayalam: {
        if (sankrantiJde < light.Sunrise) {
            return date;
        }
        const double limit = light.Sunrise + MalabarShareOfDaytime * (light.Sunset - light.Sunrise);
        return sankrantiJde < limit ? date : AddDays(date, 1);
    }
    case SolarCalendar::Odia:
    case SolarCalendar::Bengali:
        break;
    }
    return sankrantiJde < light.Sunrise ? AddDays(date, -1) : date;
}

SolarDate SolarDateOf(SolarCalendar calendar, const CivilDate& date, const Place& place,
                      const CivilClock& clock, const SkyChoice& sky) {
    const Ephemeris& ephemeris = EphemerisOf(sky.Ephemeris);
    SolarDate solar;
    // Noon of the date: the month that holds it began with the last sankranti whose first day
    // is not after the date; that is the sign the Sun is in, or the one before.
    const double noon =
        ephemeris.TerrestrialOfUniversal(UniversalOfCivil(clock, CivilJulianDayOfDate(date) + 0.5));
    const double longitude = SunSiderealLongitude(noon, sky);
    if (!std::isfinite(longitude)) {
        return solar;
    }
    // The month may have begun before the Sun's entry (the Odia rule, an entry before sunrise;
    // the Tamil rule, an entry in the afternoon), so the next sign's entry is tried first.
    const int sign = static_cast<int>(std::floor(longitude / 30)) % 12;
    const double entered = noon - (longitude - 30.0 * sign) / MeanSolarRate;
    for (int step = 1; step >= -1; --step) {
        const int rashi = (sign + step + 12) % 12;
        const Sankranti entry = SankrantiNear(rashi, entered + step * 30 / MeanSolarRate, sky);
        const CivilDate first = SolarMonthFirstDay(calendar, entry.Jde, place, clock, ephemeris);
        const int day = DaysBetween(first, date) + 1;
        if (day >= 1) {
            solar.Rashi = rashi;
            solar.Day = day;
            solar.FirstDay = first;
            solar.SankrantiJde = entry.Jde;
            return solar;
        }
    }
    return solar;
}
