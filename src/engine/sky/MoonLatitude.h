// SPDX-License-Identifier: MIT
// The Moon's ecliptic latitude and its distance from the Earth, which the risings and settings
// need beside the longitude of the tithi's lunar theory.
//
// Source: the ELP-2000/82 theory of M. Chapront-Touze and J. Chapront as abridged by J. Meeus
// (Astronomical Algorithms, 2nd ed., 1998, chapter 47): the mean elements of the Moon in Julian
// centuries from J2000, 60 terms of the latitude with three additive terms, 46 of the distance
// (the series as data in LunarLatitudeSeries.h). Meeus gives its accuracy as about 4" in
// latitude; against the Swiss Ephemeris see bench/AccuracyLongitudes.cpp.
#pragma once

struct MoonLatitudeDistance {
    double Latitude{};   // geocentric ecliptic latitude, degrees
    double DistanceKm{}; // from the Earth's centre to the Moon's, kilometres
};

// MoonLatitudeAndDistance: the Moon's latitude and distance.
//   jde  Julian day, Terrestrial Time
MoonLatitudeDistance MoonLatitudeAndDistance(double jde);

// The Earth's equatorial radius, kilometres (IAU 1976), as the lunar parallax is reckoned with.
inline constexpr double EarthRadiusKm = 6378.14;

// MoonHorizontalParallax: the Moon's equatorial horizontal parallax.
//   distanceKm  the Moon's distance, kilometres
// Returns degrees (about 0.9 to 1.0).
double MoonHorizontalParallax(double distanceKm);
