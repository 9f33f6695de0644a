// SPDX-License-Identifier: MIT
// Nutation and the obliquity of the ecliptic: what turns the mean equinox and equator of date
// into the true ones.
#pragma once

// NutationInLongitude: the nutation in longitude, low-precision series of 13 terms (Meeus, after
// the IAU 1980 theory), with its fundamental arguments reckoned from 1900 January 0.5.
//   jd  Julian day, Terrestrial Time
// Returns degrees. Within about half a second of arc of the full series.
double NutationInLongitude(double jd);

// CenturiesFromJ2000: Julian centuries of 36525 days from 2000 January 1.5 (JD 2451545.0), the
// epoch of the obliquity and the sidereal time.
inline double CenturiesFromJ2000(double jd) {
    return (jd - 2451545.0) / 36525;
}

// MeanObliquity: the mean obliquity of the ecliptic (IAU 1980, Lieske).
//   t  Julian centuries from J2000 (CenturiesFromJ2000 of a Julian day in Terrestrial Time)
// Returns degrees.
double MeanObliquity(double t);

// NutationInObliquity: the nutation in obliquity, its four largest terms (about a tenth of a
// second of arc short of the full series).
//   t  Julian centuries from J2000, Terrestrial Time
// Returns degrees.
double NutationInObliquity(double t);

// TrueObliquity: the mean obliquity plus the nutation in obliquity, degrees.
//   t  Julian centuries from J2000, Terrestrial Time
inline double TrueObliquity(double t) {
    return MeanObliquity(t) + NutationInObliquity(t);
}
