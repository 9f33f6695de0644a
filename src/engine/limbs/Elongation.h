// SPDX-License-Identifier: MIT
// The Moon's elongation from the Sun and the tithi it falls in: the angle that the tithi, the
// karana and the lunar month are all counted on.
#pragma once

#include "engine/sky/Ephemeris.h"

// The elongation of the Moon from the Sun and the tithi it falls in.
struct TithiStep {
    double Elongation{}; // degrees, 0 to under 360
    int Index{};         // 0 ... 29; -1 for longitudes out of range
};

// TithiOfLongitudes: the Moon's lead over the Sun and its tithi.
//   moon, sun  longitudes in degrees, 0 ... 360 (360 included)
// Returns the elongation, raised by a turn when the Moon is behind the Sun, and its number of
// whole 12-degree steps. An elongation of exactly 360 (the Moon at 360 and the Sun at 0, or the
// Moon a rounding hair behind the Sun) is the conjunction: elongation 0, index 0. Longitudes
// outside 0 ... 360 that leave the elongation outside 0 ... 360 give index -1.
TithiStep TithiOfLongitudes(double moon, double sun);

// TithiAt: the elongation and the tithi at an instant, on an ephemeris (the classical one forms
// them as the tithi driver does).
//   jde        Julian day, Terrestrial Time
//   ephemeris  the modern one unless told
// Returns the elongation in degrees (0 to under 360) and its tithi index (0 ... 29; -1 where
// the theories give no longitude, as for a Julian day that is not a number).
TithiStep TithiAt(double jde, const Ephemeris& ephemeris = ModernEphemeris());

// The mean growth of the elongation, degrees a day: a turn in a synodic month of 29.530589 days.
inline constexpr double MeanElongationRate = 360 / 29.530589;
