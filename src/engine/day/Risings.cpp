// SPDX-License-Identifier: MIT
// Sunset from the sunrise's search; moonrise and moonset by scanning the Moon's altitude over
// the date and settling each change of sign.
#include "engine/day/Risings.h"

#include "engine/base/Angles.h"
#include "engine/day/Sunrise.h"
#include "engine/sky/Moon.h"
#include "engine/sky/MoonLatitude.h"
#include "engine/sky/Nutation.h"
#include "engine/time/TimeScales.h"

#include <cmath>
#include <optional>
#include <vector>

namespace {

HorizonCrossing CrossingOfSun(const Sunrise& event, const CivilClock& clock,
                              const Ephemeris& ephemeris) {
    if (event.State != HorizonState::Crosses) {
        return {event.State, {}};
    }
    return {HorizonState::Crosses, InstantOfUniversal(clock, event.JulianDayUT, ephemeris)};
}

// The Moon's radius in Earth radii (the IAU's value for eclipses).
constexpr double MoonRadiusRatio = 0.2725076;
// The flattening of the Earth (IAU 1976).
constexpr double Flattening = 1 / 298.257;

// A place on the spheroid: its geocentric position in Earth radii, and the direction of its
// zenith (the normal to the spheroid), both in the frame of the true equator, seen from the
// meridian of the vernal equinox once the sidereal time turns them.
struct Observer {
    double RhoCos, RhoSin; // rho cos phi', rho sin phi'
    double CosLatitude, SinLatitude;
    double EastLongitude;
};

Observer ObserverAt(const Place& place) {
    const double u = std::atan((1 - Flattening) * std::tan(place.Latitude * DegToRadFactor));
    return {std::cos(u), (1 - Flattening) * std::sin(u), CosDeg(place.Latitude),
            SinDeg(place.Latitude), place.Longitude};
}

// The Moon's place for the altitude: apparent longitude, latitude, distance and nutation.
struct MoonOnTheSky {
    double Longitude, Latitude, DistanceKm, Nutation;
};

// The altitude of the upper limb plus the refraction: zero at moonrise and moonset.
double UpperLimbAboveHorizon(double jd, double jde, const MoonOnTheSky& moon,
                             const Observer& observer) {
    const double obliquity = TrueObliquity(CenturiesFromJ2000(jde)) * DegToRadFactor;
    const double lambda = moon.Longitude * DegToRadFactor;
    const double beta = moon.Latitude * DegToRadFactor;
    // The Moon in the frame of the true equator and equinox, Earth radii.
    const double r = moon.DistanceKm / EarthRadiusKm;
    const double cb = std::cos(beta), sb = std::sin(beta);
    const double cl = std::cos(lambda), sl = std::sin(lambda);
    const double ce = std::cos(obliquity), se = std::sin(obliquity);
    const double x = r * cb * cl;
    const double y = r * (cb * sl * ce - sb * se);
    const double z = r * (cb * sl * se + sb * ce);
    // The local apparent sidereal time turns the place under the sky.
    const double sidereal = (GreenwichMeanSiderealTime(jd) + moon.Nutation * std::cos(obliquity) +
                             observer.EastLongitude) *
                            DegToRadFactor;
    const double cs = std::cos(sidereal), ss = std::sin(sidereal);
    // From the place to the Moon.
    const double tx = x - observer.RhoCos * cs;
    const double ty = y - observer.RhoCos * ss;
    const double tz = z - observer.RhoSin;
    const double distance = std::sqrt(tx * tx + ty * ty + tz * tz);
    const double towardsZenith = (tx * observer.CosLatitude * cs + ty * observer.CosLatitude * ss +
                                  tz * observer.SinLatitude) /
                                 distance;
    const double altitude = std::asin(std::fmax(-1.0, std::fmin(1.0, towardsZenith)));
    const double semidiameter = std::asin(MoonRadiusRatio / distance);
    return (altitude + semidiameter) * RadToDegFactor + HorizonRefraction;
}

// The function whose zeros are the crossings, with the Moon from a window of the sky.
struct MoonAboveHorizon {
    const SkyWindow& Sky;
    Observer Where;
    double operator()(double jd) const {
        const double jde = Sky.Theories().TerrestrialOfUniversal(jd);
        const MoonLatitudeDistance place = Sky.MoonPlace(jde);
        return UpperLimbAboveHorizon(
            jd, jde, {Sky.MoonLongitude(jde), place.Latitude, place.DistanceKm, Sky.Nutation(jde)},
            Where);
    }
};

// The scan: an hour a step. Within a step the altitude changes by no more than the Moon's hour
// angle allows (a little under 360 degrees a day times the cosine of the latitude, with some
// degrees a day for its declination and parallax), so a step whose ends lie further from the
// horizon than that can hold no pair of crossings; others are halved until they show.
constexpr double ScanStep = 1.0 / 24;
constexpr double FinestStep = 2.0 / 86400;
constexpr double CrossingTolerance = 1e-7; // days, about a hundredth of a second

struct Crossing {
    double Jd;
    bool Rising;
};

// The zero of f between a and b, where f changes sign (the Illinois form of the false position):
// done once two estimates agree to the tolerance, or the bracket has closed to it.
template <typename F> double ZeroBetween(const F& f, double a, double fa, double b, double fb) {
    int side = 0;
    double c = (a * fb - b * fa) / (fb - fa);
    for (int step = 0; step < 60 && b - a > CrossingTolerance; ++step) {
        const double fc = f(c);
        if (fc == 0) {
            return c;
        }
        if ((fc > 0) == (fb > 0)) {
            b = c;
            fb = fc;
            if (side == -1) {
                fa /= 2;
            }
            side = -1;
        } else {
            a = c;
            fa = fc;
            if (side == 1) {
                fb /= 2;
            }
            side = 1;
        }
        const double next = (a * fb - b * fa) / (fb - fa);
        const bool settled = std::fabs(next - c) < CrossingTolerance;
        c = next;
        if (settled) {
            break;
        }
    }
    return c;
}

template <typename F>
void ScanStepFor(const F& f, double a, double fa, double b, double fb, double bound,
                 std::vector<Crossing>& crossings) {
    if ((fa > 0) != (fb > 0)) {
        crossings.push_back({ZeroBetween(f, a, fa, b, fb), fb > 0});
        return;
    }
    if (std::fabs(fa) + std::fabs(fb) > bound * (b - a) || b - a < FinestStep) {
        return;
    }
    const double m = (a + b) / 2;
    const double fm = f(m);
    ScanStepFor(f, a, fa, m, fm, bound, crossings);
    ScanStepFor(f, m, fm, b, fb, bound, crossings);
}

MoonCrossings CrossingsOfMoon(const CivilDate& date, const Place& place, const CivilClock& clock,
                              const SkyChoice& choice, const SkyWindow* given) {
    const Ephemeris& ephemeris = EphemerisOf(choice.Ephemeris);
    if (!(std::fabs(place.Latitude) <= 90)) {
        return {};
    }
    const HorizonCrossing nowhere = {HorizonState::NotOnDate, {}};
    const double civilMidnight = CivilJulianDayOfDate(date);
    const double midnight = UniversalOfCivil(clock, civilMidnight);
    const double nextMidnight = UniversalOfCivil(clock, civilMidnight + 1);
    if (!std::isfinite(place.Longitude) || !(midnight < nextMidnight)) {
        return {nowhere, nowhere};
    }
    std::optional<SkyWindow> own;
    const double fromJde = ephemeris.TerrestrialOfUniversal(midnight);
    const double toJde = ephemeris.TerrestrialOfUniversal(nextMidnight);
    if (given == nullptr || !given->Holds(fromJde) || !given->Holds(toJde) ||
        !given->HoldsMoonPlace(fromJde, toJde)) {
        own.emplace(fromJde - MoonPlaceMargin, toJde + MoonPlaceMargin, choice);
        own->AddMoonPlace(fromJde - MoonPlaceMargin, toJde + MoonPlaceMargin);
    }
    const MoonAboveHorizon f{own ? *own : *given, ObserverAt(place)};

    const double bound = 365 * CosDeg(place.Latitude) + 20; // degrees a day
    const int steps = static_cast<int>(std::ceil((nextMidnight - midnight) / ScanStep));
    const double step = (nextMidnight - midnight) / steps;
    std::vector<Crossing> crossings;
    double a = midnight;
    double fa = f(a);
    const bool aboveAtMidnight = fa > 0;
    for (int k = 1; k <= steps; ++k) {
        const double b = k == steps ? nextMidnight : midnight + k * step;
        const double fb = f(b);
        ScanStepFor(f, a, fa, b, fb, bound, crossings);
        a = b;
        fa = fb;
    }

    MoonCrossings result;
    // Without a crossing the Moon keeps the side it had at midnight all date.
    const HorizonState none = crossings.empty() ? (aboveAtMidnight ? HorizonState::AboveAllDate
                                                                   : HorizonState::BelowAllDate)
                                                : HorizonState::NotOnDate;
    result.Rise.State = none;
    result.Set.State = none;
    // A crossing found at the very end of the date belongs to the next one.
    for (const Crossing& c : crossings) {
        if (!(c.Jd >= midnight && c.Jd < nextMidnight)) {
            continue;
        }
        HorizonCrossing& slot = c.Rising ? result.Rise : result.Set;
        if (slot.State != HorizonState::Crosses) {
            slot = {HorizonState::Crosses, InstantOfUniversal(clock, c.Jd, ephemeris)};
        }
    }
    return result;
}

} // namespace

HorizonCrossing SunriseCrossing(const CivilDate& date, const Place& place, const CivilClock& clock,
                                const Ephemeris& ephemeris) {
    return CrossingOfSun(SunriseOnDate(date, place, clock, ephemeris), clock, ephemeris);
}

HorizonCrossing SunsetOnDate(const CivilDate& date, const Place& place, const CivilClock& clock,
                             const Ephemeris& ephemeris) {
    return CrossingOfSun(SunCrossingOnDate(date, place, clock, SunCrossing::Setting, ephemeris),
                         clock, ephemeris);
}

HorizonCrossing SunsetOfDay(const CivilDate& date, const HorizonCrossing& sunrise,
                            const Place& place, const CivilClock& clock,
                            const Ephemeris& ephemeris) {
    const HorizonCrossing onDate = SunsetOnDate(date, place, clock, ephemeris);
    if (sunrise.State != HorizonState::Crosses ||
        (onDate.State == HorizonState::Crosses && onDate.At.JulianDayUT > sunrise.At.JulianDayUT)) {
        return onDate;
    }
    // The date's setting came before its sunrise, or there was none on it: the day's is the
    // next date's (a setting is never more than a day after the rising that precedes it).
    const CalendarDate next = CalendarDateOfJulianDay(CivilJulianDayOfDate(date) + 1.5);
    return SunsetOnDate(
        {static_cast<int>(next.Year), static_cast<int>(next.Month), static_cast<int>(next.Day)},
        place, clock, ephemeris);
}

MoonCrossings MoonCrossingsOnDate(const CivilDate& date, const Place& place,
                                  const CivilClock& clock, const SkyChoice& choice) {
    return CrossingsOfMoon(date, place, clock, choice, nullptr);
}

MoonCrossings MoonCrossingsOnDate(const CivilDate& date, const Place& place,
                                  const CivilClock& clock, const SkyWindow& sky) {
    return CrossingsOfMoon(date, place, clock, sky.Choice(), &sky);
}

double MoonUpperLimbAltitude(double jd, const Place& place, const Ephemeris& ephemeris) {
    const double jde = ephemeris.TerrestrialOfUniversal(jd);
    const SkyLongitudes sky = ephemeris.LongitudesAt(jde);
    const MoonLatitudeDistance moon = ephemeris.MoonPlace(jde);
    return UpperLimbAboveHorizon(jd, jde, {sky.Moon, moon.Latitude, moon.DistanceKm, sky.Nutation},
                                 ObserverAt(place)) -
           HorizonRefraction;
}
