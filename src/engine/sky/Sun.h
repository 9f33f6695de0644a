// SPDX-License-Identifier: MIT
// The apparent longitude of the Sun.
//
// Source: Newcomb's theory of the Sun as abridged for calculators (S. Newcomb, Tables of the
// Sun, 1895; J. Meeus, Astronomical Formulae for Calculators, 1979): mean elements reckoned from
// 1900 January 0.5 in Julian centuries, Kepler's equation, the long-period terms on the mean
// anomaly, the perturbations by Venus, Mars, Jupiter and the Moon, the aberration and the
// nutation in longitude.
// Accuracy over 1901-2050, against the Swiss Ephemeris 2.10 with its data files (every 1.9 days,
// bench/AccuracyLongitudes.cpp): largest 13.9", 95 % within 8.3", median 3.0".
#pragma once

#include "engine/base/Angles.h"
#include "engine/sky/Nutation.h"

// SolveKepler: the eccentric anomaly, from Kepler's equation M = E - e sin E by Newton's method.
//   meanAnomaly   M, degrees
//   eccentricity  e, 0 <= e < 1
//   tolerance     degrees; iteration stops once a correction is smaller than this (or after
//                 100 steps, which an orbit as round as the Earth's never needs)
// Returns E in radians.
double SolveKepler(double meanAnomaly, double eccentricity, double tolerance);

// SunApparentLongitude: apparent geocentric ecliptic longitude of the Sun, referred to the mean
// equinox of date plus nutation, aberration included.
//   jd  Julian day, Terrestrial Time
// Returns degrees, 0 ... 360. Mean elements in Julian centuries from 1900 January 0.5,
// long-period and planetary perturbations; meant for 1901 ... 2050.
double SunApparentLongitude(double jd);

// SunApparentLongitude with the nutation in longitude at jd already known
// (NutationInLongitude(jd), degrees). Same result.
double SunApparentLongitude(double jd, double nutationInLongitude);
