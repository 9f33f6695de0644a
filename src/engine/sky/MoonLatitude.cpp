// SPDX-License-Identifier: MIT
// The Moon's latitude and distance from the abridged ELP-2000/82 series.
#include "engine/sky/MoonLatitude.h"

#include "engine/base/Angles.h"
#include "engine/sky/LunarLatitudeSeries.h"
#include "engine/sky/Nutation.h"

#include <cmath>
#include <cstdlib>

namespace {

// The Moon's mean elements of the theory, degrees, reduced to one turn.
//   t  Julian centuries from J2000, Terrestrial Time
struct MeanElements {
    double MeanLongitude; // L'
    double Elongation;    // D
    double SunAnomaly;    // M
    double MoonAnomaly;   // M'
    double Latitude;      // F, the argument of latitude
};

MeanElements MeanElementsAt(double t) {
    const double t2 = t * t;
    const double t3 = t2 * t;
    const double t4 = t3 * t;
    return {
        Normalize0To360(218.3164477 + 481267.88123421 * t - 0.0015786 * t2 + t3 / 538841 -
                        t4 / 65194000),
        Normalize0To360(297.8501921 + 445267.1114034 * t - 0.0018819 * t2 + t3 / 545868 -
                        t4 / 113065000),
        Normalize0To360(357.5291092 + 35999.0502909 * t - 0.0001536 * t2 + t3 / 24490000),
        Normalize0To360(134.9633964 + 477198.8675055 * t + 0.0087414 * t2 + t3 / 69699 -
                        t4 / 14712000),
        Normalize0To360(93.2720950 + 483202.0175233 * t - 0.0036539 * t2 - t3 / 3526000 +
                        t4 / 863310000),
    };
}

// The argument of a term in radians, and its factor for the decreasing eccentricity of the
// Earth's orbit.
double ArgumentOf(const ElpTerm& term, const MeanElements& m) {
    return DegToRadFactor * (term.D * m.Elongation + term.M * m.SunAnomaly +
                             term.Mp * m.MoonAnomaly + term.F * m.Latitude);
}

double EccentricityFactor(const ElpTerm& term, double e) {
    switch (std::abs(term.M)) {
    case 0:
        return 1;
    case 1:
        return e;
    default:
        return e * e;
    }
}

} // namespace

MoonLatitudeDistance MoonLatitudeAndDistance(double jde) {
    const double t = CenturiesFromJ2000(jde);
    const MeanElements m = MeanElementsAt(t);
    const double e = 1 - 0.002516 * t - 0.0000074 * t * t;
    // Venus, and the flattening of the Earth, on the latitude.
    const double a1 = 119.75 + 131.849 * t;
    const double a3 = 313.45 + 481266.484 * t;

    double distance = 0; // metres
    for (const ElpTerm& term : MoonDistanceTerms) {
        distance += term.Coef * EccentricityFactor(term, e) * std::cos(ArgumentOf(term, m));
    }
    double latitude = 0; // millionths of a degree
    for (const ElpTerm& term : MoonLatitudeTerms) {
        latitude += term.Coef * EccentricityFactor(term, e) * std::sin(ArgumentOf(term, m));
    }
    latitude += -2235 * SinDeg(m.MeanLongitude) + 382 * SinDeg(a3) + 175 * SinDeg(a1 - m.Latitude) +
                175 * SinDeg(a1 + m.Latitude) + 127 * SinDeg(m.MeanLongitude - m.MoonAnomaly) -
                115 * SinDeg(m.MeanLongitude + m.MoonAnomaly);
    return {latitude / 1e6, 385000.56 + distance / 1000};
}

double MoonHorizontalParallax(double distanceKm) {
    return std::asin(EarthRadiusKm / distanceKm) * RadToDegFactor;
}
