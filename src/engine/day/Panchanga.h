// SPDX-License-Identifier: MIT
// The panchanga of a day and of a moment at a place: the five limbs (tithi, nakshatra, yoga,
// karana, vara) with their begin and end, the risings and settings of the Sun and the Moon, the
// lunar month in both reckonings and the era years. Plain values: indexes (names in
// PanchangaNames.h and TithiReport.h) and instants in Universal and Terrestrial Time with the
// clock's offset, for the windows and the command-line tool to show.
#pragma once

#include "engine/base/Place.h"
#include "engine/day/LunarMonth.h"
#include "engine/day/Risings.h"
#include "engine/limbs/Limbs.h"
#include "engine/time/CivilClock.h"
#include "engine/time/ClockInstant.h"

#include <vector>

// A span of a limb and when it begins and ends.
struct TimedSpan {
    int Index{-1}; // 0 ... Count - 1 of the limb; -1 where there is none
    ClockInstant Begin, End;
};

// A span of a limb within a day (sunrise to sunrise).
struct DaySpan : TimedSpan {
    bool EndsWithinDay{}; // it ends before the next sunrise
    bool Kshaya{};        // it begins after the day's sunrise and ends before the next: it holds
                          // no sunrise, and no day is named for it
};

// A limb through a day.
struct DayLimb {
    // Every span in force at some instant of the day, in order: the first is the one at sunrise;
    // each ends within the day except perhaps the last, which is the one at the next sunrise.
    std::vector<DaySpan> Spans;
    // The span at sunrise is still in force at the next sunrise: it names two days.
    bool Vriddhi{};

    // The span at sunrise (an empty one, index -1, where the day has none: a clock whose offset
    // is not a number).
    const DaySpan& AtSunrise() const;
};

// The vara, the weekday from sunrise to sunrise: 0 Ravivara (Sunday) ... 6 Shanivara.
// VaraOfDate: the vara of the day that begins with a civil date's sunrise.
int VaraOfDate(const CivilDate& date);

// The whole panchanga of a civil date.
struct PanchangaDay {
    CivilDate Date;
    int Vara{-1};

    // The day runs from the date's sunrise to the next date's. Where the Sun does not rise on a
    // date (a polar day or night, no latitude, or a clock far from the place's own time) the
    // midnight that opens it stands in for its sunrise.
    ClockInstant Begins, Ends;
    bool BeginsAtSunrise{}, EndsAtSunrise{};

    // The sunrise, moonrise and moonset on the civil date, midnight to midnight; the sunset the
    // first after the sunrise, which near midsummer at high latitudes falls after midnight.
    HorizonCrossing Sunrise, Sunset, Moonrise, Moonset;

    DayLimb Tithi, Karana, Nakshatra, Yoga;
    int NakshatraPada{}; // the quarter of the nakshatra at sunrise, 1 ... 4

    MonthAndYears Month; // the month and era years at sunrise
    double Ayanamsa{};   // the chosen ayanamsa at sunrise, degrees (as ShownAyanamsa gives it)
};

// PanchangaOfDay: the panchanga of one civil date.
//   date   the civil date on the place's clock
//   place  longitude east positive, latitude north positive (beyond 90: no risings, and the day
//          runs midnight to midnight)
//   clock  the place's civil clock; every instant carries the offset in force at it
//   sky    the ephemeris and the ayanamsa
// Every begin and end lies within a millisecond of the theories' own crossing; the risings and
// settings are those of Risings.h.
PanchangaDay PanchangaOfDay(const CivilDate& date, const Place& place, const CivilClock& clock,
                            const SkyChoice& sky);

// PanchangaOfDays: the same for every date of a range (the last not before the first), sharing
// what consecutive days share: each sunrise ends one day and begins the next, and the lunations'
// signs are found once.
std::vector<PanchangaDay> PanchangaOfDays(const CivilDate& first, const CivilDate& last,
                                          const Place& place, const CivilClock& clock,
                                          const SkyChoice& sky);

// The panchanga of a moment.
struct PanchangaMoment {
    ClockInstant Moment;
    CivilDate Date; // the moment's civil date on the clock

    int Vara{-1};
    bool BeforeSunrise{}; // the moment comes before its date's sunrise, so that it belongs to the
                          // previous day and its vara (Vara is that one)
    // The risings and settings of the moment's civil date (its sunrise decides the vara), the
    // sunset the first after that sunrise, as for the day.
    HorizonCrossing Sunrise, Sunset, Moonrise, Moonset;

    TimedSpan Tithi, Karana, Nakshatra, Yoga; // the spans that hold the moment
    int NakshatraPada{};                      // 1 ... 4

    MonthAndYears Month;
    double Ayanamsa{};     // the chosen ayanamsa, degrees (as ShownAyanamsa gives it)
    double MoonSidereal{}; // the sidereal longitudes, degrees
    double SunSidereal{};
};

// PanchangaOfMoment: the panchanga of an instant at a place.
//   jd     Julian day, Universal Time (TithiMoment::JulianDayUT for an entered moment, so that
//          the tithi is the driver's)
//   place  as above (the latitude for the risings and settings of the date)
//   clock  the place's civil clock
PanchangaMoment PanchangaOfMoment(double jd, const Place& place, const CivilClock& clock,
                                  const SkyChoice& sky);

// The same for a moment whose tithi span is already known (TithiDay::Span, found from the same
// jd on the same ephemeris): the span is taken as it is rather than searched for again, and the
// karana's boundaries at the tithi's begin and end are the tithi's own instants.
PanchangaMoment PanchangaOfMoment(double jd, const LimbSpan& tithi, const Place& place,
                                  const CivilClock& clock, const SkyChoice& sky);

// NakshatraPada: the quarter of a nakshatra that a sidereal longitude of the Moon falls in, 1 ... 4
// (0 for a longitude outside 0 ... 360).
int NakshatraPada(double moonSidereal);
