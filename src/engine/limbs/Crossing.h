// SPDX-License-Identifier: MIT
// One search for the instant at which a growing angle reaches a given value: the tithi's and the
// karana's elongation, the Moon's sidereal longitude of the nakshatra, the sum of the yoga.
#pragma once

#include "engine/sky/SkyChoice.h"

// An angle of the sky that grows without a pause, as the Moon's motion makes it.
struct GrowingAngle {
    // Degrees at a Julian day in Terrestrial Time (modulo a turn), by the chosen ephemeris and
    // ayanamsa.
    double (*At)(double jde, const SkyChoice& sky);
    double MeanRate;    // its mean growth, degrees a day
    double SlowestRate; // bounds of its true growth, degrees a day: a slope measured
    double FastestRate; // outside them comes from a step too small to measure it
};

// A crossing: where it falls, and how fast the angle grows there.
struct Crossing {
    double Jde{};  // Julian day, Terrestrial Time
    double Rate{}; // degrees a day
};

// FindCrossing: the instant at which a growing angle reaches a target.
//   angle       the angle and its rates
//   target      degrees (any multiple of a turn is the same target)
//   jde         Julian day (TT) from which the search starts, within a few days of the crossing
//   valueAtJde  the angle at jde, degrees
//   rate        the expected growth, degrees a day (the angle's mean rate will do; a rate
//               outside its bounds is replaced by the mean)
//   sky         the ephemeris and the ayanamsa the angle is reckoned by
// Returns the crossing nearest to jde in angle (within half a turn), to about a millisecond of
// the theories' own instant: a secant search, the slope carried from step to step. A Julian day
// that is not a number comes back as not a number.
Crossing FindCrossing(const GrowingAngle& angle, double target, double jde, double valueAtJde,
                      double rate, const SkyChoice& sky);
