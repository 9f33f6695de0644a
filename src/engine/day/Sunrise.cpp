// SPDX-License-Identifier: MIT
// Sunrise from the solar theory: the Sun's apparent longitude turned onto the equator, the
// sidereal time, and the hour angle at which the upper limb meets the horizon.
#include "engine/day/Sunrise.h"

#include "engine/base/Angles.h"
#include "engine/sky/Nutation.h"
#include "engine/sky/Sun.h"
#include "engine/time/TimeScales.h"

#include <cmath>
#include <optional>

namespace {

// The Sun seen from a place at one instant of Universal Time.
struct SunOnTheSky {
    double HourAngle;   // degrees, west of the meridian positive
    double Declination; // degrees
};

SunOnTheSky SunSeenFrom(double jd, const Place& place, const Ephemeris& ephemeris) {
    const double jde = ephemeris.TerrestrialOfUniversal(jd);
    const double t = CenturiesFromJ2000(jde);
    const SkyLongitudes sky = ephemeris.SunAndNutationAt(jde);
    const double nutation = sky.Nutation;
    const double obliquity = TrueObliquity(t);
    const double lambda = sky.Sun;
    const double ra = std::atan2(CosDeg(obliquity) * SinDeg(lambda), CosDeg(lambda));
    const double dec = std::asin(SinDeg(obliquity) * SinDeg(lambda));
    const double sidereal = GreenwichMeanSiderealTime(jd) + nutation * CosDeg(obliquity);
    // East of Greenwich the local sidereal time runs ahead of Greenwich's.
    return {sidereal + place.Longitude - ra * RadToDegFactor, dec * RadToDegFactor};
}

// What the horizon makes of the Sun's declination at a latitude.
struct RisingHourAngle {
    std::optional<double> Degrees; // the hour angle of rising and setting, 0 ... 180
    HorizonState Otherwise;        // AboveAllDate or BelowAllDate when there is none
};

RisingHourAngle RisingHourAngleOf(double declination, double latitude) {
    const double above = SinDeg(SunriseAltitude) - SinDeg(latitude) * SinDeg(declination);
    const double across = CosDeg(latitude) * CosDeg(declination);
    // At a pole the Sun circles at the height of its declination.
    if (std::fabs(across) < 1e-12) {
        return {std::nullopt, above < 0 ? HorizonState::AboveAllDate : HorizonState::BelowAllDate};
    }
    const double cosine = above / across;
    if (cosine < -1) {
        return {std::nullopt, HorizonState::AboveAllDate};
    }
    if (cosine > 1) {
        return {std::nullopt, HorizonState::BelowAllDate};
    }
    return {std::acos(cosine) * RadToDegFactor, HorizonState::Crosses};
}

// The Sun's hour angle grows by about a turn in a solar day.
constexpr double HourAngleRate = 360.0;
constexpr double RiseTolerance = 1e-7; // days, under a hundredth of a second
constexpr int MostRiseSteps = 12;

// The rising (or setting) nearest to an instant, by steps on the hour angle that each take the
// Sun's place anew; or the polar state at the declination met on the way. The Sun rises east of
// the meridian, at minus the hour angle of rising, and sets west of it.
Sunrise CrossingNear(double jd, const Place& place, SunCrossing crossing,
                     const Ephemeris& ephemeris) {
    for (int step = 0; step < MostRiseSteps; ++step) {
        const SunOnTheSky sun = SunSeenFrom(jd, place, ephemeris);
        const RisingHourAngle rising = RisingHourAngleOf(sun.Declination, place.Latitude);
        if (!rising.Degrees) {
            return {rising.Otherwise, 0};
        }
        const double target = crossing == SunCrossing::Rising ? -*rising.Degrees : *rising.Degrees;
        const double move = Signed180(target - sun.HourAngle) / HourAngleRate;
        jd += move;
        if (!(std::fabs(move) >= RiseTolerance)) {
            break;
        }
    }
    return {HorizonState::Crosses, jd};
}

} // namespace

double GreenwichMeanSiderealTime(double jd) {
    const double d = jd - 2451545.0;
    const double t = d / 36525;
    return 280.46061837 + 360.98564736629 * d + 0.000387933 * t * t - t * t * t / 38710000;
}

SunEquatorial SunEquatorialOf(double jde, const Ephemeris& ephemeris) {
    const double obliquity = TrueObliquity(CenturiesFromJ2000(jde));
    const double lambda = ephemeris.SunLongitude(jde);
    const double ra = std::atan2(CosDeg(obliquity) * SinDeg(lambda), CosDeg(lambda));
    const double dec = std::asin(SinDeg(obliquity) * SinDeg(lambda));
    return {Normalize0To360(ra * RadToDegFactor), dec * RadToDegFactor};
}

double ApparentSiderealTime(double jd) {
    const double obliquity = TrueObliquity(CenturiesFromJ2000(jd));
    return Normalize0To360(GreenwichMeanSiderealTime(jd) +
                           NutationInLongitude(jd) * CosDeg(obliquity));
}

double SunAltitude(double jd, const Place& place, const Ephemeris& ephemeris) {
    const SunOnTheSky sun = SunSeenFrom(jd, place, ephemeris);
    const double sine = SinDeg(place.Latitude) * SinDeg(sun.Declination) +
                        CosDeg(place.Latitude) * CosDeg(sun.Declination) * CosDeg(sun.HourAngle);
    return std::asin(std::fmax(-1.0, std::fmin(1.0, sine))) * RadToDegFactor;
}

Sunrise SunriseOnDate(const CivilDate& date, const Place& place, const CivilClock& clock,
                      const Ephemeris& ephemeris) {
    return SunCrossingOnDate(date, place, clock, SunCrossing::Rising, ephemeris);
}

Sunrise SunCrossingOnDate(const CivilDate& date, const Place& place, const CivilClock& clock,
                          SunCrossing crossing, const Ephemeris& ephemeris) {
    if (!(std::fabs(place.Latitude) <= 90)) {
        return {HorizonState::NoLatitude, 0};
    }
    if (!std::isfinite(place.Longitude)) {
        return {HorizonState::NotOnDate, 0};
    }
    // The date's midnight and the next, by the place's clock, in Universal Time.
    const double civilMidnight = CivilJulianDayOfDate(date);
    const double midnight = UniversalOfCivil(clock, civilMidnight);
    const double nextMidnight = UniversalOfCivil(clock, civilMidnight + 1);
    if (!std::isfinite(midnight) || !std::isfinite(nextMidnight)) {
        return {HorizonState::NotOnDate, 0};
    }

    // The crossing nearest the date's noon; if the Sun keeps odd hours there (a zone far from
    // the place's own time), the one a day earlier or later.
    Sunrise rise = CrossingNear(midnight + 0.5, place, crossing, ephemeris);
    if (rise.State == HorizonState::Crosses && rise.JulianDayUT < midnight) {
        rise = CrossingNear(rise.JulianDayUT + 1, place, crossing, ephemeris);
    } else if (rise.State == HorizonState::Crosses && rise.JulianDayUT >= nextMidnight) {
        rise = CrossingNear(rise.JulianDayUT - 1, place, crossing, ephemeris);
    }
    if (rise.State == HorizonState::Crosses &&
        !(rise.JulianDayUT >= midnight && rise.JulianDayUT < nextMidnight)) {
        return {HorizonState::NotOnDate, 0};
    }
    return rise;
}
