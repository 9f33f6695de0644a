// The apparent longitude of the Sun, and the routines the lunar theory shares with it: the
// nutation in longitude and the reduction of an angle into 0 ... 360 degrees.
#pragma once

// Normalize360: an angle reduced into 0 ... 360 degrees, as the repeated addition of 360 while
// it is below 0 and then the repeated subtraction of 360 while it is above 360 would give it.
//   angle  degrees
// Returns degrees, 0 ... 360; 360 itself stays 360, and so does a negative angle a hair below
// a multiple of 360. Constant time. Identical to the repeated steps for |angle| < 2^53, where
// each step is exact; a NaN comes back as NaN, and so does an infinity (on which the repeated
// steps would never end).
double Normalize360(double angle);

// Signed180: an angle brought into -180 ... 180 degrees, -180 excluded: how far one direction
// lies from another, whichever way round is shorter.
double Signed180(double degrees);

// SolveKepler: the eccentric anomaly, from Kepler's equation M = E - e sin E by Newton's method.
//   meanAnomaly   M, degrees
//   eccentricity  e, 0 <= e < 1
//   tolerance     degrees; iteration stops once a correction is smaller than this (or after
//                 100 steps, which an orbit as round as the Earth's never needs)
// Returns E in radians.
double SolveKepler(double meanAnomaly, double eccentricity, double tolerance);

// NutationInLongitude: nutation in longitude, low-precision series (13 terms).
//   jd  Julian day, Terrestrial Time
// Returns degrees.
double NutationInLongitude(double jd);

// SunApparentLongitude: apparent geocentric ecliptic longitude of the Sun, referred to the mean
// equinox of date plus nutation, aberration included.
//   jd  Julian day, Terrestrial Time
// Returns degrees, 0 ... 360. Mean elements in Julian centuries from 1900 January 0.5,
// long-period and planetary perturbations; meant for 1901 ... 2050.
double SunApparentLongitude(double jd);

// SunApparentLongitude with the nutation in longitude at jd already known
// (NutationInLongitude(jd), degrees). Same result.
double SunApparentLongitude(double jd, double nutationInLongitude);
