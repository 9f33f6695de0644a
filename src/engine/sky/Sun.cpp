// SPDX-License-Identifier: MIT
// The solar theory: mean elements from 1900 January 0.5, Kepler's equation, perturbations,
// aberration and nutation.
#include "engine/sky/Sun.h"

#include <cmath>

namespace {

// Pi as the theory writes it, for the test of an eccentric anomaly of half a turn.
constexpr double HalfTurn = 3.14159265358979;

} // namespace

double SolveKepler(double meanAnomaly, double eccentricity, double tolerance) {
    const double m = meanAnomaly * DegToRadFactor;
    const double tol = tolerance * DegToRadFactor;
    double e = m;
    double delta = 1;
    // Newton's method takes a handful of steps for an orbit as round as the Earth's; the cap
    // only bounds the time for eccentricities or angles the theory never produces.
    constexpr int MostSteps = 100;
    for (int step = 0; step < MostSteps && std::fabs(delta) >= tol; ++step) {
        delta = (m + eccentricity * std::sin(e) - e) / (1 - eccentricity * std::cos(e));
        e = e + delta;
    }
    return e;
}

double SunApparentLongitude(double jd) {
    return SunApparentLongitude(jd, NutationInLongitude(jd));
}

double SunApparentLongitude(double jd, double nutationInLongitude) {
    const double d = jd - 2415020; // days from 1900 January 0.5
    const double t = d / 36525;    // Julian centuries
    const double t2 = t * t;
    const double t3 = t * t * t;

    const double meanLongitude = 279.696678 + 0.9856473354 * d + 1.089 * t2 / 3600;
    const double perigee = 101.220833 + (6189.03 * t + 1.63 * t2 + 0.012 * t3) / 3600;
    const double meanAnomaly = Normalize360(meanLongitude - perigee + 180);

    // Long-period terms, seconds of arc, on the mean anomaly.
    const double perturbedAnomaly =
        meanAnomaly + (6.4 * SinDeg(231.19 + 20.2 * t) + 0.266 * SinDeg(31.8 + 119.0 * t) +
                       (1.882 - 0.016 * t) * SinDeg(57.24 + 150.27 * t)) /
                          3600;

    const double e = 0.01675104 - 0.0000418 * t - 0.000000126 * t2;
    const double eccentricAnomaly = SolveKepler(perturbedAnomaly, e, 0.0000003);

    double v = eccentricAnomaly; // the true anomaly equals E at half a turn
    if (!(std::fabs(eccentricAnomaly - HalfTurn) < 1e-10)) {
        v = 2 * std::atan(std::sqrt((1 + e) / (1 - e)) * std::tan(eccentricAnomaly / 2));
    }
    v = Normalize360(v * RadToDegFactor);

    // Venus, Mars, Jupiter, the Moon (mean elongation) and an inequality of long period.
    const double a = 153.23 + 22518.7541 * t;
    const double b = 216.57 + 45037.5082 * t;
    const double c = 312.69 + 32964.3577 * t;
    const double dMoon = 350.74 + 445267.1142 * t - 0.00144 * t2;
    const double h = 353.4 + 65928.7155 * t;
    const double j = 315.6 + 893.3 * t;

    const double dLongitude = 0.00134 * CosDeg(a) + 0.00154 * CosDeg(b) + 0.002 * CosDeg(c) +
                              0.00179 * SinDeg(dMoon) + (0.202 / 3600) * SinDeg(j);
    const double dRadius = 0.00000543 * SinDeg(a) + 0.00001575 * SinDeg(b) +
                           0.00001627 * SinDeg(c) + 0.00003076 * CosDeg(dMoon) +
                           0.00000927 * SinDeg(h);

    // The equation of the centre v - M is taken against the unperturbed mean anomaly, so that
    // the long-period terms enter the longitude as well.
    const double trueLongitude = meanLongitude + dLongitude + v - meanAnomaly;
    const double radius = 1.0000002 * (1 - e * e) / (1 + e * CosDeg(v)) + dRadius; // AU
    const double aberration = 20.496 * (1 - e * e) / radius / 3600;

    const double apparent = trueLongitude + nutationInLongitude - aberration;
    return Normalize360(apparent);
}
