// SPDX-License-Identifier: MIT
// The sidereal zodiac of the almanacs: the Lahiri (Chitrapaksha) ayanamsa, and the Moon's and
// the Sun's longitudes measured from it.
#pragma once

#include "engine/sky/Ephemeris.h"

// LahiriAyanamsa: the mean Lahiri ayanamsa, India's national standard.
//   jde  Julian day, Terrestrial Time
// Returns degrees. The Calendar Reform Committee fixed the ayanamsa at 23 degrees 15' 00" for
// 1956 March 21.0; that value is the true one, nutation included, so the mean ayanamsa then was
// that less the nutation in longitude of the day (+16.78" by the full series). The general
// precession in longitude (IAU 2006) carries it to any date.
double LahiriAyanamsa(double jde);

// SiderealLongitude: a longitude measured from the start of the sidereal Mesha.
//   apparentLongitude    degrees, referred to the true equinox of date (nutation included)
//   ayanamsa             LahiriAyanamsa at the same instant, degrees
//   nutationInLongitude  NutationInLongitude at the same instant, degrees
// Returns degrees, 0 to under 360: the apparent longitude less the true ayanamsa (the mean one
// plus the nutation), so that the nutation cancels, as the standard almanacs reckon.
double SiderealLongitude(double apparentLongitude, double ayanamsa, double nutationInLongitude);

// The Moon's and the Sun's sidereal longitudes at one instant.
struct SiderealPlaces {
    double Moon{}; // degrees, 0 to under 360
    double Sun{};
};

// SiderealPlacesAt: both, on an ephemeris (the modern one unless told).
//   jde  Julian day, Terrestrial Time
SiderealPlaces SiderealPlacesAt(double jde, const Ephemeris& ephemeris = ModernEphemeris());
