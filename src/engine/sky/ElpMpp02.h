// SPDX-License-Identifier: MIT
// The Moon's geometric geocentric position from the ELP/MPP02 lunar theory (Chapront and Francou
// 2003, the constants fitted to DE405), summed from the truncated series in data/.
#pragma once

#include <array>

// The Moon's coordinates as the theory gives them: on the mean ecliptic of date, the longitude
// counted from the fixed departure point of J2000.
struct ElpSpherical {
    double Longitude{}; // V, radians
    double Latitude{};  // U, radians
    double DistanceKm{};
};

// ElpMoonSpherical: the theory's V, U and r.
//   t  Julian centuries from J2000 (TDB; TT is the same to 2 ms)
// Valid with the truncation's 0.1" for 1900-2100.
ElpSpherical ElpMoonSpherical(double t);

// ElpEclipticOfDateToJ2000: the rotation from the mean ecliptic of date to the inertial mean
// ecliptic and equinox of J2000 (Laskar's precession of the ecliptic, as the theory uses it).
//   t  Julian centuries from J2000
//   v  rectangular coordinates on the ecliptic of date, any unit
// Returns the same vector on the ecliptic of J2000.
std::array<double, 3> ElpEclipticOfDateToJ2000(double t, const std::array<double, 3>& v);

// ElpMoonJ2000: the Moon's geometric geocentric position, rectangular, km, referred to the mean
// ecliptic and equinox of J2000.
//   t  Julian centuries from J2000 (TDB)
std::array<double, 3> ElpMoonJ2000(double t);

// ElpMoonDistanceKm: the Moon's distance from the larger terms of its series alone, enough for
// the light time (within a few km where the smallest term kept is 0.5 km).
//   t                    Julian centuries from J2000
//   smallestAmplitudeKm  terms below this amplitude are left out
double ElpMoonDistanceKm(double t, double smallestAmplitudeKm);

// ElpChebyshevPiece: the Chebyshev coefficients of the series of V (without the mean longitude
// W1), U and r over a stretch of time, summed term by term from Bessel functions: a generator of
// tables fits a few days in one pass over the series instead of one pass per instant.
//   center, half  the stretch is center - half ... center + half, Julian centuries from J2000
//   count         coefficients wanted, 1 ... 64 (enough for the terms' size: 20 for 16 days)
//   longitude, latitude  radians; distance  km; each count values of T_0 ... T_count-1
void ElpChebyshevPiece(double center, double half, int count, double* longitude, double* latitude,
                       double* distance);

// ElpMeanLongitude: the Moon's mean longitude W1, radians (t in Julian centuries from J2000).
double ElpMeanLongitude(double t);

// The number of terms summed for each coordinate (their lengths come from the table itself).
int ElpTermCount(int coordinate); // 0 longitude, 1 latitude, 2 distance
