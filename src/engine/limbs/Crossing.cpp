// SPDX-License-Identifier: MIT
// The secant search for the crossing of a growing angle.
#include "engine/limbs/Crossing.h"

#include "engine/base/Angles.h"

#include <cmath>

namespace {

// A crossing is final once the next step would move it by less than this: 1e-8 day is under a
// millisecond, far below the second to which the times are read.
constexpr double CrossingTolerance = 1e-8;
constexpr int MostSearchSteps = 40;

} // namespace

Crossing FindCrossing(const GrowingAngle& angle, double target, double jde, double valueAtJde,
                      double rate, const SkyChoice& sky) {
    if (!(rate > angle.SlowestRate && rate < angle.FastestRate)) {
        rate = angle.MeanRate;
    }
    double t0 = jde;
    double g0 = Signed180(valueAtJde - target);
    double t1 = t0 - g0 / rate;
    for (int step = 0; step < MostSearchSteps; ++step) {
        if (!std::isfinite(t1)) {
            break;
        }
        const double g1 = Signed180(angle.At(t1, sky) - target);
        if (g1 == 0) {
            return {t1, rate};
        }
        if (t1 != t0) {
            const double slope = (g1 - g0) / (t1 - t0);
            if (slope > angle.SlowestRate && slope < angle.FastestRate) {
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
