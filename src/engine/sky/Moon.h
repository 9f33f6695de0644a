// SPDX-License-Identifier: MIT
// The apparent longitude of the Moon.
//
// Source: E. W. Brown's lunar theory, abridged: Brown's mean elements of 1900 January 0.5 with
// their long-period corrections, the 93 largest terms of the longitude with the eccentricity and
// inclination factors, 27 smaller ones, 8 planetary terms, and the nutation in longitude (the
// series as data in LunarSeries.h).
// Accuracy over 1901-2050, against the Swiss Ephemeris 2.10 with its data files (every 1.9 days,
// bench/AccuracyLongitudes.cpp): largest 5.1", 95 % within 2.8", median 0.8". The elongation of the
// Moon from the Sun (both theories) comes within 15.5", so that a tithi begins or ends within
// about half a minute (Terrestrial Time) of the modern ephemeris' instant.
#pragma once

// MoonLongitude: apparent geocentric ecliptic longitude of the Moon, referred to the mean
// equinox of date plus nutation.
//   jde  Julian day, Terrestrial Time
// Returns degrees, 0 ... 360 inclusive (360 is not folded to 0).
// Mean elements reckoned from 1900 January 0.5 (JD 2415020), long-period corrections of the
// elements, the main series of 93 terms with eccentricity and inclination factors, the minor
// series of 27 terms, eight planetary terms and the nutation in longitude (see LunarSeries.h).
double MoonLongitude(double jde);

// MoonLongitude with the nutation in longitude at jde already known (NutationInLongitude(jde),
// degrees), so that the Moon and the Sun at one instant can share it. Same result.
double MoonLongitude(double jde, double nutationInLongitude);
