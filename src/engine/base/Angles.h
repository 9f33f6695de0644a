// SPDX-License-Identifier: MIT
// Angles in degrees: the two conversion factors every theory uses, the sine and cosine of an
// angle in degrees, and the reductions of an angle to one turn.
#pragma once

#include <cmath>

// The angle-conversion factors, as decimal literals (not computed from pi; they differ from
// pi/180 and 180/pi in the last binary place, and every conversion uses these two).
inline constexpr double DegToRadFactor = 0.0174532925199433;
inline constexpr double RadToDegFactor = 57.2957795130823;

inline double SinDeg(double degrees) {
    return std::sin(degrees * DegToRadFactor);
}
inline double CosDeg(double degrees) {
    return std::cos(degrees * DegToRadFactor);
}

// Normalize360: an angle reduced into 0 ... 360 degrees, as the repeated addition of 360 while
// it is below 0 and then the repeated subtraction of 360 while it is above 360 would give it.
//   angle  degrees
// Returns degrees, 0 ... 360; 360 itself stays 360, and so does a negative angle a hair below
// a multiple of 360. Constant time. Identical to the repeated steps for |angle| < 2^53, where
// each step is exact; a NaN comes back as NaN, and so does an infinity (on which the repeated
// steps would never end).
double Normalize360(double angle);

// Normalize0To360: an angle reduced into 0 to under 360 degrees (a direction on the sky).
double Normalize0To360(double degrees);

// Signed180: an angle brought into -180 ... 180 degrees, -180 excluded: how far one direction
// lies from another, whichever way round is shorter.
double Signed180(double degrees);
