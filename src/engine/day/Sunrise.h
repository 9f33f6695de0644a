// SPDX-License-Identifier: MIT
// Sunrise at a place on a civil date, from the solar theory of the tithi: the instant at which
// the Sun's upper limb, lifted by the standard refraction, meets the horizon.
#pragma once

#include "engine/base/Place.h"
#include "engine/time/CivilClock.h"
#include "engine/sky/Ephemeris.h"

// The altitude of the Sun's centre at the moment its upper limb appears: a radius of 16' below
// the horizon and 34' of refraction, -0 degrees 50'.
inline constexpr double SunriseAltitude = -50.0 / 60;

// The Sun's place on the sky, referred to the true equator and equinox of date.
struct SunEquatorial {
    double RightAscension{}; // degrees, 0 ... 360
    double Declination{};    // degrees
};

// SunEquatorialOf: the Sun's right ascension and declination.
//   jde  Julian day, Terrestrial Time
// Returns the apparent longitude of the solar theory (latitude taken as 0) turned onto the
// equator with the true obliquity of the ecliptic.
SunEquatorial SunEquatorialOf(double jde, const Ephemeris& ephemeris = ModernEphemeris());

// GreenwichMeanSiderealTime: the hour angle of the mean equinox at Greenwich (IAU 1982).
//   jd  Julian day, Universal Time
// Returns degrees, not reduced.
double GreenwichMeanSiderealTime(double jd);

// ApparentSiderealTime: the hour angle of the true equinox at Greenwich.
//   jd  Julian day, Universal Time
// Returns degrees, 0 ... 360: the mean sidereal time plus the equation of the equinoxes.
double ApparentSiderealTime(double jd);

// SunAltitude: the altitude of the Sun's centre above the horizon of a place, without
// refraction.
//   jd  Julian day, Universal Time
// Returns degrees.
double SunAltitude(double jd, const Place& place, const Ephemeris& ephemeris = ModernEphemeris());

// Whether a body (the Sun, the Moon) crosses the horizon on a date, and if not, why.
enum class HorizonState {
    Crosses,      // it rises (or sets) on the date
    AboveAllDate, // it stays above the horizon from the date's midnight to the next
    BelowAllDate, // it stays below the horizon all that date
    NotOnDate,    // it crosses the other way only: it rises (or sets) just before the date's
                  // midnight and next just after the following one
    NoLatitude,   // no latitude was given, or one beyond 90 degrees
};

struct Sunrise {
    HorizonState State{HorizonState::NotOnDate};
    double JulianDayUT{}; // when it rises: Julian day, Universal Time
};

// The two crossings of the horizon.
enum class SunCrossing { Rising, Setting };

// SunCrossingOnDate: SunriseOnDate for either crossing; for the setting, Crosses in the result
// means that the Sun sets that date, and NotOnDate that it sets just before the date's midnight
// and next just after the following one.
Sunrise SunCrossingOnDate(const CivilDate& date, const Place& place, const CivilClock& clock,
                          SunCrossing crossing, const Ephemeris& ephemeris = ModernEphemeris());

// SunriseOnDate: when the Sun rises on a civil date at a place.
//   date   the civil date on the place's clock
//   place  longitude east positive, latitude north positive, -90 ... 90
//   clock  the place's civil clock, which fixes the midnights that bound the date
//   ephemeris  the Sun and the Delta T it is reckoned with (the modern ones unless told)
// Returns the instant at which the Sun's centre reaches SunriseAltitude, rising, between the
// midnight that begins the date and the next, by the place's clock; or why there is none. Within
// a hundredth of a second of the solar theory's own instant, and within a few seconds of a
// high-precision ephemeris up to 60 degrees of latitude (bench/AccuracyRisings.cpp: 1.2 s at most
// up to 30 degrees, 1.5 s at 40-50 degrees, 2.5 s at 60 degrees).
Sunrise SunriseOnDate(const CivilDate& date, const Place& place, const CivilClock& clock,
                      const Ephemeris& ephemeris = ModernEphemeris());
