// SPDX-License-Identifier: MIT
// The apparent places of the modern ephemeris from its series and ERFA.
#include "engine/sky/ModernPlaces.h"

#include "engine/sky/ElpMpp02.h"

#include <erfa.h>
#include <erfam.h>

#include <array>
#include <cmath>

namespace {

using Vector = std::array<double, 3>;

constexpr double DaysPerCentury = 36525.0;
constexpr double J2000 = 2451545.0;
constexpr double SecondsPerDay = 86400.0;
constexpr double LightKmPerSecond = 299792.458;
// The obliquity of the ecliptic at J2000 of the IAU 2006 precession, 84381.406".
constexpr double ObliquityJ2000 = 84381.406 / 3600.0 * 3.14159265358979323846 / 180.0;
constexpr double RadianToDegree = 180.0 / 3.14159265358979323846;

Vector Times(const double m[3][3], const Vector& v) {
    return {m[0][0] * v[0] + m[0][1] * v[1] + m[0][2] * v[2],
            m[1][0] * v[0] + m[1][1] * v[1] + m[1][2] * v[2],
            m[2][0] * v[0] + m[2][1] * v[1] + m[2][2] * v[2]};
}

// The transpose of m applied to v.
Vector TransposeTimes(const double m[3][3], const Vector& v) {
    return {m[0][0] * v[0] + m[1][0] * v[1] + m[2][0] * v[2],
            m[0][1] * v[0] + m[1][1] * v[1] + m[2][1] * v[2],
            m[0][2] * v[0] + m[1][2] * v[1] + m[2][2] * v[2]};
}

double Length(const Vector& v) {
    return std::sqrt(v[0] * v[0] + v[1] * v[1] + v[2] * v[2]);
}

// The mean ecliptic and equinox of J2000 to the GCRS: the equator of J2000 by the obliquity, then
// the frame bias (IAU 2006) undone.
Vector GcrsOfEclipticJ2000(const Vector& v) {
    const double c = std::cos(ObliquityJ2000);
    const double s = std::sin(ObliquityJ2000);
    const Vector equatorial = {v[0], c * v[1] - s * v[2], s * v[1] + c * v[2]};
    double rb[3][3], rp[3][3], rbp[3][3];
    eraBp06(J2000, 0.0, rb, rp, rbp); // the bias alone does not depend on the date
    return TransposeTimes(rb, equatorial);
}

// A GCRS direction's longitude and latitude on the mean ecliptic and equinox of date (IAU 2006),
// radians.
struct EclipticAngles {
    double Longitude, Latitude;
};
EclipticAngles EclipticOfDate(double jde, const Vector& gcrs) {
    double rm[3][3];
    eraEcm06(J2000, jde - J2000, rm);
    const Vector e = Times(rm, gcrs);
    return {std::atan2(e[1], e[0]), std::atan2(e[2], std::hypot(e[0], e[1]))};
}

double Degrees0To360(double radians) {
    const double degrees = std::fmod(radians * RadianToDegree, 360.0);
    return degrees < 0 ? degrees + 360 : degrees;
}

} // namespace

double ModernNutationBySeries(double jde) {
    double dpsi = 0, deps = 0;
    eraNut06a(J2000, jde - J2000, &dpsi, &deps);
    return dpsi * RadianToDegree;
}

ModernMoonPlace MoonOfDateFromJ2000(double jde, const std::array<double, 3>& eclipticJ2000) {
    const EclipticAngles place = EclipticOfDate(jde, GcrsOfEclipticJ2000(eclipticJ2000));
    return {place.Longitude * RadianToDegree, place.Latitude * RadianToDegree,
            Length(eclipticJ2000)};
}

double MoonLightTimeDays(double distanceKm) {
    return distanceKm / LightKmPerSecond / SecondsPerDay;
}

ModernMoonPlace ModernMoonBySeries(double jde) {
    // The light time from the Moon's distance now, then the Moon where the light left it: its
    // distance changes by well under a metre meanwhile.
    const double t = (jde - J2000) / DaysPerCentury;
    const double tEmitted = t - MoonLightTimeDays(ElpMoonDistanceKm(t, 0.5)) / DaysPerCentury;
    ModernMoonPlace moon = MoonOfDateFromJ2000(jde, ElpMoonJ2000(tEmitted));
    moon.Longitude = Degrees0To360((moon.Longitude + ModernNutationBySeries(jde)) / RadianToDegree);
    return moon;
}

double ModernSunBySeries(double jde) {
    return Degrees0To360((ModernSunMeanBySeries(jde) + ModernNutationBySeries(jde)) /
                         RadianToDegree);
}

double ModernSunMeanBySeries(double jde) {
    double pvh[2][3], pvb[2][3];
    eraEpv00(J2000, jde - J2000, pvh, pvb);
    // The Sun seen from the Earth's centre, au, where the light left it: the Sun moves about the
    // barycentre (pvb - pvh) by some metres in those eight minutes.
    const Vector geometric = {-pvh[0][0], -pvh[0][1], -pvh[0][2]};
    const double distance = Length(geometric);
    const double lightDays = distance * ERFA_AULT / SecondsPerDay;
    Vector sun;
    for (int i = 0; i < 3; ++i) {
        sun[i] = geometric[i] - (pvb[1][i] - pvh[1][i]) * lightDays;
    }
    // The annual aberration, from the Earth's barycentric velocity in units of c.
    const double sunDistance = Length(sun);
    double direction[3] = {sun[0] / sunDistance, sun[1] / sunDistance, sun[2] / sunDistance};
    double velocity[3];
    double speed2 = 0;
    for (int i = 0; i < 3; ++i) {
        velocity[i] = pvb[1][i] * ERFA_AULT / SecondsPerDay;
        speed2 += velocity[i] * velocity[i];
    }
    double apparent[3];
    eraAb(direction, velocity, sunDistance, std::sqrt(1 - speed2), apparent);
    const EclipticAngles place = EclipticOfDate(jde, {apparent[0], apparent[1], apparent[2]});
    return Degrees0To360(place.Longitude);
}
