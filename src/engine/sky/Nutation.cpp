// SPDX-License-Identifier: MIT
// The nutation in longitude and obliquity, and the mean obliquity of the ecliptic.
#include "engine/sky/Nutation.h"

#include "engine/base/Angles.h"

#include <cmath>

double NutationInLongitude(double jd) {
    const double t = (jd - 2415020) / 36525;
    const double t2 = t * t;
    // Mean longitudes of the Sun and the Moon, mean anomalies of the Sun and the Moon, mean
    // elongation of the Moon and longitude of the Moon's ascending node, in radians.
    const double sunL = (279.6967 + 36000.7689 * t + 0.000303 * t2) * DegToRadFactor;
    const double moonL = (270.4341639 + 481267.8831417 * t - 0.0011333333 * t2) * DegToRadFactor;
    const double sunM = (358.475833333 + 35999.04975 * t - 0.00015 * t2) * DegToRadFactor;
    const double moonM =
        (296.104608333 + 477198.849108334 * t + 0.0091916667 * t2) * DegToRadFactor;
    const double d = (350.737486111 + 445267.114216667 * t - 0.0014361111 * t2) * DegToRadFactor;
    const double node = (259.183275 - 1934.142008333 * t + 0.0020777778 * t2) * DegToRadFactor;

    // Seconds of arc.
    const double dpsi = (-17.2327 - 0.01737 * t) * std::sin(node) + 0.2088 * std::sin(2 * node) +
                        0.0675 * std::sin(moonM) + 0.0149 * std::sin(2 * d - moonM) -
                        0.0342 * std::sin(2 * moonL - node) + 0.0114 * std::sin(2 * moonL - moonM) -
                        0.2037 * std::sin(2 * moonL) - 0.0261 * std::sin(2 * moonL + moonM) +
                        0.0124 * std::sin(2 * sunL - node) + 0.0214 * std::sin(2 * sunL - sunM) -
                        1.2729 * std::sin(2 * sunL) - 0.0497 * std::sin(2 * sunL + sunM) +
                        0.1261 * std::sin(sunM);
    return dpsi / 3600;
}

double MeanObliquity(double t) {
    const double seconds = 21.448 - 46.8150 * t - 0.00059 * t * t + 0.001813 * t * t * t;
    return 23 + 26.0 / 60 + seconds / 3600;
}

double NutationInObliquity(double t) {
    const double node = 125.04452 - 1934.136261 * t; // the Moon's ascending node
    const double sunL = 280.4665 + 36000.7698 * t;   // the Sun's mean longitude
    const double moonL = 218.3165 + 481267.8813 * t; // the Moon's mean longitude
    const double seconds = 9.20 * CosDeg(node) + 0.57 * CosDeg(2 * sunL) +
                           0.10 * CosDeg(2 * moonL) - 0.09 * CosDeg(2 * node);
    return seconds / 3600;
}
