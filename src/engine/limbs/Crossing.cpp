// SPDX-License-Identifier: MIT
// The secant search for the crossing of a growing angle.
#include "engine/limbs/Crossing.h"

Crossing FindCrossing(const GrowingAngle& angle, double target, double jde, double valueAtJde,
                      double rate, const SkyChoice& sky) {
    return FindCrossingOf([&](double t) { return angle.At(t, sky); }, angle.MeanRate,
                          angle.SlowestRate, angle.FastestRate, target, jde, valueAtJde, rate);
}
