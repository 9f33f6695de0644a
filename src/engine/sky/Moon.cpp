// SPDX-License-Identifier: MIT
// The lunar theory: mean elements, long-period corrections, the main, minor and planetary
// series, and nutation.
#include "engine/sky/Moon.h"

#include "engine/base/Angles.h"
#include "engine/sky/LunarSeries.h"
#include "engine/sky/Sun.h"

#include <cmath>

double MoonLongitude(double jde) {
    return MoonLongitude(jde, NutationInLongitude(jde));
}

double MoonLongitude(double jde, double nutationInLongitude) {
    const double d = jde - 2415020; // days from 1900 January 0.5
    const double t = d / 36525;     // Julian centuries
    const double t2 = t * t;
    const double t3 = t * t * t;
    const double rev = DegToRadFactor * 360; // a full turn, for arguments in revolutions

    // Mean elements, degrees. Lm stays unreduced: over 700,000 degrees by 2050.
    const double lm = 270.4337361 + 13.1763965445281 * d - 5.86 * t2 / 3600 + 0.0068 * t3 / 3600;
    const double d0 =
        350.737486111058 + 445267.114216667 * t - 0.00143611113230387 * t2 + 1.8888889e-06 * t3;
    const double perigee =
        334.329556 + 14648522.52 * t / 3600 - 37.17 * t2 / 3600 - 0.045 * t3 / 3600;
    const double m0 = 358.475833333333 + 35999.0497499996 * t - 0.000150000005960465 * t2 -
                      3.3333333623078e-06 * t3;
    const double node = 259.183275 - 6962911.23 * t / 3600 + 7.48 * t2 / 3600 + 0.008 * t3 / 3600;

    // Arguments of the long-period corrections, in revolutions.
    const double dt = d * 1e-12;
    const double dd = d * d * 1e-16;
    const double a1 = 0.53733431 - 10104982 * dt + 191 * dd;
    const double a2 = 0.71995354 - 147094228 * dt + 43 * dd;
    const double a3 = 0.14222222 + 1536238 * dt;
    const double a4 = 0.48398132 - 147269147 * dt + 43 * dd;
    const double a5 = 0.52453688 - 147162675 * dt + 43 * dd;
    const double a6 = 0.84536324 - 11459387 * dt;
    const double a7 = 0.23363774 + 1232723 * dt + 191 * dd;
    const double a8 = 0.5875 + 9050118 * dt;
    const double a9 = 0.61043085 - 67718733 * dt;
    const double s1 = std::sin(rev * a1);
    const double s2 = std::sin(rev * a2);
    const double s3 = std::sin(rev * a3);
    const double s4 = std::sin(rev * a4);
    const double s5 = std::sin(rev * a5);
    const double s6 = std::sin(rev * a6);
    const double s7 = std::sin(rev * a7);
    const double s8 = std::sin(rev * a8);
    const double s9 = std::sin(rev * a9);
    const double c2 = std::cos(rev * a2);
    const double c4 = std::cos(rev * a4);

    // Long-period corrections, seconds of arc: mean longitude, perigee, node, Sun's anomaly.
    const double dL = 0.84 * s3 + 0.31 * s7 + 14.27 * s1 + 7.261 * s2 + 0.282 * s4 + 0.237 * s6;
    const double dP = -2.1 * s3 - 2.076 * s2 - 0.84 * s4 - 0.593 * s6;
    const double dN = 0.63 * s3 + 95.96 * s2 + 15.58 * s4 + 1.86 * s5;
    const double dM = -6.4 * s3 - 0.27 * s8 - 1.89 * s6 + 0.2 * s9;
    // Inclination factor.
    const double g = (-4.318 * c2 - 0.698 * c4) / 3600 / 360;
    const double k = 1.000002708 + 139.978 * g;

    // Fundamental arguments, radians. Only Lm - P and Lm - N are reduced; M0 and D0 are not.
    const double l = DegToRadFactor * (Normalize360(lm - perigee) + (dL - dP) / 3600);
    const double ls = DegToRadFactor * (m0 + dM / 3600);
    const double f = DegToRadFactor * (Normalize360(lm - node) + (dL - dN) / 3600);
    const double dElong = DegToRadFactor * (d0 + (dL - dM) / 3600);

    // Eccentricity factor of the Earth's orbit, and the square of the inclination factor.
    const double e = 1 - 6.832e-08 * d;
    const double k2 = k * k;

    double mainSum = 0;
    for (const LunarTerm& term : MainLunarSeries) {
        double s = std::sin(l * term.L + ls * term.Ls + f * term.F + dElong * term.D);
        if (term.Ls != 0) {
            s = s * e;
            if (term.Ls == 2 || term.Ls == -2) {
                s = s * e;
            }
        }
        if (term.F != 0) {
            s = s * k2;
        }
        mainSum = mainSum + s * term.Coef;
    }

    double minorSum = 0;
    for (const LunarTerm& term : MinorLunarSeries) {
        minorSum = minorSum +
                   std::sin(l * term.L + ls * term.Ls + f * term.F + dElong * term.D) * term.Coef;
    }

    double planetarySum = 0;
    for (const PlanetaryTerm& term : PlanetaryLunarTerms) {
        planetarySum = planetarySum + std::sin(rev * (term.Phase + term.Rate * d)) * term.Coef;
    }

    const double lambda =
        lm + nutationInLongitude + (dL + mainSum + minorSum + planetarySum) / 3600;
    return Normalize360(lambda);
}
