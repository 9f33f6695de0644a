// Sunrise from the solar theory: the Sun's apparent longitude turned onto the equator, the
// sidereal time, and the hour angle at which the upper limb meets the horizon.
#include "engine/Sunrise.h"

#include "engine/PrepareMoment.h"
#include "engine/Sun.h"
#include "engine/TimeScales.h"
#include "engine/TithiTimes.h"

#include <cmath>
#include <optional>

namespace {

double SinDeg(double degrees) {
    return std::sin(degrees * DegToRadFactor);
}
double CosDeg(double degrees) {
    return std::cos(degrees * DegToRadFactor);
}

// Julian centuries from 2000 January 1.5, the epoch of the obliquity and the sidereal time.
double CenturiesFromJ2000(double jd) {
    return (jd - 2451545.0) / 36525;
}

// The mean obliquity of the ecliptic (IAU 1980), degrees.
double MeanObliquity(double t) {
    const double seconds = 21.448 - 46.8150 * t - 0.00059 * t * t + 0.001813 * t * t * t;
    return 23 + 26.0 / 60 + seconds / 3600;
}

// The nutation in obliquity, the four largest terms, degrees.
double NutationInObliquity(double t) {
    const double node = 125.04452 - 1934.136261 * t; // the Moon's ascending node
    const double sunL = 280.4665 + 36000.7698 * t;   // the Sun's mean longitude
    const double moonL = 218.3165 + 481267.8813 * t; // the Moon's mean longitude
    const double seconds = 9.20 * CosDeg(node) + 0.57 * CosDeg(2 * sunL) +
                           0.10 * CosDeg(2 * moonL) - 0.09 * CosDeg(2 * node);
    return seconds / 3600;
}

double Normalize0To360(double degrees) {
    const double x = std::fmod(degrees, 360.0);
    return x < 0 ? x + 360 : x;
}

double GreenwichMeanSiderealTime(double jd) {
    const double d = jd - 2451545.0;
    const double t = d / 36525;
    return 280.46061837 + 360.98564736629 * d + 0.000387933 * t * t - t * t * t / 38710000;
}

// The Sun seen from a place at one instant of Universal Time.
struct SunOnTheSky {
    double HourAngle;   // degrees, west of the meridian positive
    double Declination; // degrees
};

SunOnTheSky SunSeenFrom(double jd, double longitude) {
    const double jde = TerrestrialOfUniversal(jd);
    const double t = CenturiesFromJ2000(jde);
    const double nutation = NutationInLongitude(jde);
    const double obliquity = MeanObliquity(t) + NutationInObliquity(t);
    const double lambda = SunApparentLongitude(jde, nutation);
    const double ra = std::atan2(CosDeg(obliquity) * SinDeg(lambda), CosDeg(lambda));
    const double dec = std::asin(SinDeg(obliquity) * SinDeg(lambda));
    const double sidereal = GreenwichMeanSiderealTime(jd) + nutation * CosDeg(obliquity);
    // West longitudes are positive: the local sidereal time lags Greenwich's there.
    return {sidereal - longitude - ra * RadToDegFactor, dec * RadToDegFactor};
}

// What the horizon makes of the Sun's declination at a latitude.
struct RisingHourAngle {
    std::optional<double> Degrees; // the hour angle of rising and setting, 0 ... 180
    SunriseKind Otherwise;         // PolarDay or PolarNight when there is none
};

RisingHourAngle RisingHourAngleOf(double declination, double latitude) {
    const double above = SinDeg(SunriseAltitude) - SinDeg(latitude) * SinDeg(declination);
    const double across = CosDeg(latitude) * CosDeg(declination);
    // At a pole the Sun circles at the height of its declination.
    if (std::fabs(across) < 1e-12) {
        return {std::nullopt, above < 0 ? SunriseKind::PolarDay : SunriseKind::PolarNight};
    }
    const double cosine = above / across;
    if (cosine < -1) {
        return {std::nullopt, SunriseKind::PolarDay};
    }
    if (cosine > 1) {
        return {std::nullopt, SunriseKind::PolarNight};
    }
    return {std::acos(cosine) * RadToDegFactor, SunriseKind::Rises};
}

// The Sun's hour angle grows by about a turn in a solar day.
constexpr double HourAngleRate = 360.0;
constexpr double RiseTolerance = 1e-7; // days, under a hundredth of a second
constexpr int MostRiseSteps = 12;

// The rising nearest to an instant, by steps on the hour angle that each take the Sun's place
// anew; or the polar kind at the declination met on the way.
Sunrise RisingNear(double jd, double longitude, double latitude) {
    for (int step = 0; step < MostRiseSteps; ++step) {
        const SunOnTheSky sun = SunSeenFrom(jd, longitude);
        const RisingHourAngle rising = RisingHourAngleOf(sun.Declination, latitude);
        if (!rising.Degrees) {
            return {rising.Otherwise, 0};
        }
        const double move = Signed180(-*rising.Degrees - sun.HourAngle) / HourAngleRate;
        jd += move;
        if (!(std::fabs(move) >= RiseTolerance)) {
            break;
        }
    }
    return {SunriseKind::Rises, jd};
}

} // namespace

SunEquatorial SunEquatorialOf(double jde) {
    const double t = CenturiesFromJ2000(jde);
    const double obliquity = MeanObliquity(t) + NutationInObliquity(t);
    const double lambda = SunApparentLongitude(jde);
    const double ra = std::atan2(CosDeg(obliquity) * SinDeg(lambda), CosDeg(lambda));
    const double dec = std::asin(SinDeg(obliquity) * SinDeg(lambda));
    return {Normalize0To360(ra * RadToDegFactor), dec * RadToDegFactor};
}

double ApparentSiderealTime(double jd) {
    const double t = CenturiesFromJ2000(jd);
    const double obliquity = MeanObliquity(t) + NutationInObliquity(t);
    return Normalize0To360(GreenwichMeanSiderealTime(jd) +
                           NutationInLongitude(jd) * CosDeg(obliquity));
}

double SunAltitude(double jd, double longitude, double latitude) {
    const SunOnTheSky sun = SunSeenFrom(jd, longitude);
    const double sine = SinDeg(latitude) * SinDeg(sun.Declination) +
                        CosDeg(latitude) * CosDeg(sun.Declination) * CosDeg(sun.HourAngle);
    return std::asin(std::fmax(-1.0, std::fmin(1.0, sine))) * RadToDegFactor;
}

Sunrise SunriseOnDate(int month, int day, int year, double clockOffsetHours, double longitude,
                      double latitude) {
    if (!(std::fabs(latitude) <= 90) || !std::isfinite(longitude) ||
        !std::isfinite(clockOffsetHours)) {
        return {SunriseKind::NotOnDate, 0};
    }
    // The date's midnight and the next, by the place's clock, in Universal Time.
    const double midnight = JulianDayOfDate(month, day, year) - clockOffsetHours / 24;
    const double nextMidnight = midnight + 1;

    // The rising nearest the date's noon; if the Sun keeps odd hours there (a zone far from the
    // place's own time), the one a day earlier or later.
    Sunrise rise = RisingNear(midnight + 0.5, longitude, latitude);
    if (rise.Kind == SunriseKind::Rises && rise.JulianDayUT < midnight) {
        rise = RisingNear(rise.JulianDayUT + 1, longitude, latitude);
    } else if (rise.Kind == SunriseKind::Rises && rise.JulianDayUT >= nextMidnight) {
        rise = RisingNear(rise.JulianDayUT - 1, longitude, latitude);
    }
    if (rise.Kind == SunriseKind::Rises &&
        !(rise.JulianDayUT >= midnight && rise.JulianDayUT < nextMidnight)) {
        return {SunriseKind::NotOnDate, 0};
    }
    return rise;
}
