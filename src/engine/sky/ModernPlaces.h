// SPDX-License-Identifier: MIT
// The modern ephemeris summed from its theories at one instant: the Moon from ELP/MPP02 with its
// light time, the Sun from the Earth's heliocentric position of ERFA's eraEpv00 with the annual
// aberration, both carried to the ecliptic and true equinox of date by the IAU 2006 precession and
// the IAU 2000A nutation (ERFA). The Chebyshev table of ModernEphemeris is fitted to these; they
// are also its answer outside the table's years.
#pragma once

#include <array>

// The Moon's apparent place.
struct ModernMoonPlace {
    double Longitude{};  // apparent geocentric ecliptic longitude, true equinox of date, degrees
    double Latitude{};   // geocentric ecliptic latitude, degrees
    double DistanceKm{}; // from the Earth's centre, km (at the instant the light left)
};

// ModernMoonBySeries: the Moon at an instant.
//   jde  Julian day, Terrestrial Time
// Returns the longitude in degrees within 0 ... 360 and the rest as above.
ModernMoonPlace ModernMoonBySeries(double jde);

// ModernSunBySeries: the Sun's apparent geocentric ecliptic longitude, true equinox of date.
//   jde  Julian day, Terrestrial Time
// Returns degrees, 0 ... 360.
double ModernSunBySeries(double jde);

// ModernSunMeanBySeries: the same referred to the mean equinox of date (the nutation left out).
double ModernSunMeanBySeries(double jde);

// MoonOfDateFromJ2000: a geocentric position on the mean ecliptic and equinox of J2000 (as the
// lunar theory gives it, any unit) on the mean ecliptic and equinox of date (IAU 2006).
//   jde  Julian day, Terrestrial Time, of the observation
// Returns the longitude (degrees, any turn), latitude (degrees) and the vector's length.
ModernMoonPlace MoonOfDateFromJ2000(double jde, const std::array<double, 3>& eclipticJ2000);

// MoonLightTimeDays: the light time over a distance, days.
double MoonLightTimeDays(double distanceKm);

// ModernNutationBySeries: the nutation in longitude, IAU 2000A (as IAU 2006 adjusts it).
//   jde  Julian day, Terrestrial Time
// Returns degrees.
double ModernNutationBySeries(double jde);
