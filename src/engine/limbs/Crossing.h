// SPDX-License-Identifier: MIT
// One search for the instant at which a growing angle reaches a given value: the tithi's and the
// karana's elongation, the Moon's sidereal longitude of the nakshatra, the sum of the yoga.
#pragma once

#include "engine/base/Angles.h"
#include "engine/sky/SkyChoice.h"

#include <cmath>

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

// FindCrossingOf: the same search for any angle that a callable gives (one that needs more than
// the instant, as the Sun's sidereal longitude on a chosen ayanamsa does).
//   angleAt  degrees at a Julian day (TT), modulo a turn; rates as GrowingAngle's
template <class AngleAt>
Crossing FindCrossingOf(const AngleAt& angleAt, double meanRate, double slowestRate,
                        double fastestRate, double target, double jde, double valueAtJde,
                        double rate) {
    // A crossing is final once the next step would move it by less than this: 1e-8 day is under
    // a millisecond, far below the second to which the times are read.
    constexpr double CrossingTolerance = 1e-8;
    constexpr int MostSearchSteps = 40;
    if (!(rate > slowestRate && rate < fastestRate)) {
        rate = meanRate;
    }
    double t0 = jde;
    double g0 = Signed180(valueAtJde - target);
    double t1 = t0 - g0 / rate;
    for (int step = 0; step < MostSearchSteps; ++step) {
        if (!std::isfinite(t1)) {
            break;
        }
        const double g1 = Signed180(angleAt(t1) - target);
        if (g1 == 0) {
            return {t1, rate};
        }
        if (t1 != t0) {
            const double slope = (g1 - g0) / (t1 - t0);
            if (slope > slowestRate && slope < fastestRate) {
                rate = slope;
            }
        }
        const double t2 = t1 - g1 / rate;
        t0 = t1;
        g0 = g1;
        t1 = t2;
        if (std::fabs(t1 - t0) < CrossingTolerance) {
            break;
        }
    }
    return {t1, rate};
}
