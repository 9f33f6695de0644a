// SPDX-License-Identifier: MIT
// The sidereal zodiac of the almanacs: the ayanamsas (Lahiri, Raman, Krishnamurti, the true
// Chitrapaksha), and the Moon's and the Sun's longitudes measured from the chosen one.
#pragma once

#include "engine/sky/SkyChoice.h"

// LahiriAyanamsa: the mean Lahiri ayanamsa, India's national standard.
//   jde  Julian day, Terrestrial Time
// Returns degrees. The Calendar Reform Committee fixed the ayanamsa at 23 degrees 15' 00" for
// 1956 March 21.0; that value is the true one, nutation included, so the mean ayanamsa then was
// that less the nutation in longitude of the day (+16.78" by the full series). The general
// precession in longitude (IAU 2006) carries it to any date. The classical ephemeris reckons
// with it.
double LahiriAyanamsa(double jde);

// RestatedLahiriAyanamsa: the same ayanamsa as the Indian Astronomical Ephemeris restated it in
// 1989 (23 deg 15' 00.658" at the epoch), as the almanacs reckon today: 0.80" above the
// Committee's round figure at every date. The modern ephemeris reckons with it.
double RestatedLahiriAyanamsa(double jde);

// RamanAyanamsa: B. V. Raman's ayanamsa, mean, degrees.
// KrishnamurtiAyanamsa: K. S. Krishnamurti's (KP), mean, degrees.
//   jde  Julian day, Terrestrial Time
// Each is fixed by its value at 1900 January 0.5 and carried by the same general precession as
// the Lahiri ayanamsa.
double RamanAyanamsa(double jde);
double KrishnamurtiAyanamsa(double jde);

// SpicaLongitude: the ecliptic longitude of Spica (alpha Virginis) as seen from the Earth, on the
// mean ecliptic and equinox of date: its catalogue place and proper motion (Hipparcos, new
// reduction), precessed to date, with the annual aberration. The nutation in longitude added to
// it gives the longitude from the true equinox.
//   jde  Julian day, Terrestrial Time
// Returns degrees, 0 to under 360.
double SpicaLongitude(double jde);

// MeanAyanamsa: the chosen ayanamsa less the nutation in longitude, degrees: what
// SiderealLongitude subtracts beside the nutation. For the true Chitrapaksha it is SpicaLongitude
// less 180 degrees, so that with the nutation the star stands at 180 degrees of the true sidereal
// zodiac. The Lahiri ayanamsa is the restated one with the modern ephemeris and the Committee's
// with the classical.
//   sky  the ayanamsa, and the ephemeris it goes with
//   jde  Julian day, Terrestrial Time
double MeanAyanamsa(const SkyChoice& sky, double jde);

// ShownAyanamsa: the ayanamsa as the results give it, degrees: the mean value of Lahiri, Raman
// and Krishnamurti; the true value (nutation included) of the true Chitrapaksha.
//   meanAyanamsa         MeanAyanamsa(sky, jde)
//   nutationInLongitude  NutationInLongitude(jde), degrees
double ShownAyanamsa(AyanamsaKind kind, double meanAyanamsa, double nutationInLongitude);

// SiderealLongitude: a longitude measured from the start of the sidereal Mesha.
//   apparentLongitude    degrees, referred to the true equinox of date (nutation included)
//   ayanamsa             MeanAyanamsa at the same instant, degrees
//   nutationInLongitude  NutationInLongitude at the same instant, degrees
// Returns degrees, 0 to under 360: the apparent longitude less the true ayanamsa (the mean one
// plus the nutation), so that the nutation cancels, as the standard almanacs reckon.
double SiderealLongitude(double apparentLongitude, double ayanamsa, double nutationInLongitude);

// The Moon's and the Sun's sidereal longitudes at one instant.
struct SiderealPlaces {
    double Moon{}; // degrees, 0 to under 360
    double Sun{};
};

// SiderealPlacesAt: both, on an ephemeris and the zodiac of an ayanamsa.
//   jde  Julian day, Terrestrial Time
SiderealPlaces SiderealPlacesAt(double jde, const SkyChoice& sky);

// SunSiderealLongitude: the Sun's alone, as the sankrantis and the months' signs are reckoned
// (cheaper than both where the Moon is not wanted).
//   jde  Julian day, Terrestrial Time
// Returns degrees, 0 to under 360.
double SunSiderealLongitude(double jde, const SkyChoice& sky);
