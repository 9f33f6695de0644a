// SPDX-License-Identifier: MIT
// The risings and settings of a civil date at a place: sunrise and sunset, moonrise and moonset,
// each the instant at which the upper limb, lifted by the standard refraction, meets the horizon;
// the Moon as seen from the place, its parallax of about a degree included.
#pragma once

#include "engine/base/Place.h"
#include "engine/day/Sunrise.h"
#include "engine/limbs/SkyWindow.h"
#include "engine/time/CivilClock.h"
#include "engine/time/ClockInstant.h"

// The standard refraction at the horizon, degrees (34').
inline constexpr double HorizonRefraction = 34.0 / 60;

struct HorizonCrossing {
    HorizonState State{HorizonState::NoLatitude};
    ClockInstant At; // when it crosses; meaningful for Crosses only
};

// SunriseCrossing and SunsetOnDate: the Sun's upper limb at the horizon on a civil date.
//   date   the civil date on the place's clock, midnight to midnight
//   place  longitude east positive, latitude north positive
//   clock  the place's civil clock
//   ephemeris  the Sun and the Delta T (the modern ones unless told)
// SunriseCrossing gives SunriseOnDate's instant (Sunrise.h); SunsetOnDate uses the same search
// for the setting. A polar day or night is AboveAllDate or BelowAllDate.
HorizonCrossing SunriseCrossing(const CivilDate& date, const Place& place, const CivilClock& clock,
                                const Ephemeris& ephemeris = ModernEphemeris());
HorizonCrossing SunsetOnDate(const CivilDate& date, const Place& place, const CivilClock& clock,
                             const Ephemeris& ephemeris = ModernEphemeris());

// SunsetOfDay: the sunset of the day that begins with a date's sunrise: the first after it. Near
// midsummer at high latitudes (Reykjavik in June) the Sun sets after midnight, so that the
// setting on the date itself is the previous evening's and this one falls on the next date.
//   date, place, clock, ephemeris  as above
//   sunrise             SunriseCrossing of the date; where it does not cross (a polar day or
//                       night), the date's own setting is given, as SunsetOnDate finds it
// Where the Sun rises but does not set before the next date ends, the next date's state
// (AboveAllDate) says why.
HorizonCrossing SunsetOfDay(const CivilDate& date, const HorizonCrossing& sunrise,
                            const Place& place, const CivilClock& clock,
                            const Ephemeris& ephemeris = ModernEphemeris());

// The Moon's rising and setting on one civil date.
struct MoonCrossings {
    HorizonCrossing Rise; // the first moonrise of the date
    HorizonCrossing Set;  // the first moonset of the date
};

// MoonCrossingsOnDate: moonrise and moonset on a civil date at a place.
//   date, place, clock, ephemeris  as above
// The Moon's upper limb, seen from the place (the Earth taken as the IAU 1976 spheroid), at the
// standard refraction below the horizon. The Moon rises about fifty minutes later each day, so
// that once a month a date has no moonrise (NotOnDate) and once no moonset; at high latitudes it
// may stay above or below the horizon all date, or rise twice (the first is given). Crossings
// closer together than a few seconds (a Moon grazing the horizon) count as none.
MoonCrossings MoonCrossingsOnDate(const CivilDate& date, const Place& place,
                                  const CivilClock& clock, const SkyChoice& choice);

// The same with the Moon taken from a window of the sky that holds the Moon's place over the
// date (SkyWindow::AddMoonPlace), as the day's panchanga has one at hand; without one, a window
// of its own. The window's ephemeris is the one used.
MoonCrossings MoonCrossingsOnDate(const CivilDate& date, const Place& place,
                                  const CivilClock& clock, const SkyWindow& sky);

// The Moon's place is wanted from a little before the date's midnight to a little after the next.
inline constexpr double MoonPlaceMargin = 0.01; // days

// MoonUpperLimbAltitude: the altitude of the Moon's upper limb above the horizon of a place, seen
// from the place, without refraction.
//   jd  Julian day, Universal Time
// Returns degrees, from the theories (the lunar longitude of the tithi, the latitude and distance
// of MoonLatitude.h).
double MoonUpperLimbAltitude(double jd, const Place& place,
                             const Ephemeris& ephemeris = ModernEphemeris());
