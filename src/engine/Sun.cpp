// The solar theory: mean elements from 1900 January 0.5, Kepler's equation, perturbations,
// aberration and nutation.
#include "engine/Sun.h"

#include "engine/PrepareMoment.h"

#include <cmath>
#include <cstdint>

namespace {

// Pi as the theory writes it, for the test of an eccentric anomaly of half a turn.
constexpr double HalfTurn = 3.14159265358979;

double SinDeg(double degrees) {
    return std::sin(degrees * DegToRadFactor);
}
double CosDeg(double degrees) {
    return std::cos(degrees * DegToRadFactor);
}

} // namespace

double Normalize360(double angle) {
    if (angle >= 0 && angle <= 360) {
        return angle; // also keeps -0.0, as the repeated steps would
    }
    if (!std::isfinite(angle)) {
        return std::nan("");
    }
    // Below 2^53 every addition or subtraction of 360 is exact, so the repeated steps land on the
    // exact remainder; only the last addition to a negative angle rounds. rest is that remainder,
    // with the sign of angle and below 360 in size.
    double rest = 0;
    if (std::fabs(angle) < 0x1p52) {
        // Whole turns, perhaps one too many when the quotient rounds up to a whole number; the
        // product and the differences below are exact.
        const double turns = static_cast<double>(static_cast<std::int64_t>(angle / 360));
        rest = angle - turns * 360;
        if (angle > 0 && rest < 0) {
            rest = rest + 360;
        } else if (angle < 0 && rest > 0) {
            rest = rest - 360;
        }
    } else {
        rest = std::fmod(angle, 360.0); // exact
    }
    if (angle > 360) {
        return rest == 0 ? 360.0 : rest;
    }
    return rest == 0 ? 0.0 : rest + 360;
}

double Signed180(double degrees) {
    double x = std::fmod(degrees, 360.0);
    if (x > 180) {
        x -= 360;
    } else if (x <= -180) {
        x += 360;
    }
    return x;
}

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
