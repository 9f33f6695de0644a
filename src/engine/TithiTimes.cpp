// The begin and end of a tithi: secant searches on the elongation in Terrestrial Time, and the
// way back from Terrestrial Time to the place's clock.
#include "engine/TithiTimes.h"

#include "engine/CivilClock.h"
#include "engine/Moon.h"
#include "engine/Sun.h"
#include "engine/TimeScales.h"

#include <cmath>

namespace {

// The elongation grows between about 10 and 15 degrees a day; a secant slope outside these
// bounds comes from a step too small to measure it, and the last good slope is kept.
constexpr double SlowestRate = 5;
constexpr double FastestRate = 25;

// A crossing is final once the next step would move it by less than this: 1e-8 day is under a
// millisecond, far below the second to which the times are read.
constexpr double CrossingTolerance = 1e-8;
constexpr int MostSearchSteps = 40;

} // namespace

TithiStep TithiAt(double jde) {
    // As the driver: the nutation once for both theories, the Moon first.
    const double nutation = NutationInLongitude(jde);
    const double moon = MoonLongitude(jde, nutation);
    const double sun = SunApparentLongitude(jde, nutation);
    return TithiOfLongitudes(moon, sun);
}

ElongationCrossing FindElongationCrossing(double target, double jde, double elongation,
                                          double rate) {
    if (!(rate > SlowestRate && rate < FastestRate)) {
        rate = MeanElongationRate;
    }
    double t0 = jde;
    double g0 = Signed180(elongation - target);
    double t1 = t0 - g0 / rate;
    for (int step = 0; step < MostSearchSteps; ++step) {
        if (!std::isfinite(t1)) {
            break;
        }
        const double g1 = Signed180(TithiAt(t1).Elongation - target);
        if (g1 == 0) {
            return {t1, rate};
        }
        if (t1 != t0) {
            const double slope = (g1 - g0) / (t1 - t0);
            if (slope > SlowestRate && slope < FastestRate) {
                rate = slope;
            }
        }
        const double t2 = t1 - g1 / rate;
        t0 = t1;
        g0 = g1;
        t1 = t2;
        if (std::fabs(t1 - t0) < CrossingTolerance) {
            break;
        }
    }
    return {t1, rate};
}

std::optional<TithiSpan> FindTithiSpan(const TithiMoment& moment) {
    const int index = moment.Tithi.Index;
    if (index < 0 || index > 29) {
        return std::nullopt;
    }
    const double jde = moment.JulianDayTT;
    const double elongation = moment.Tithi.Elongation;
    // The end first: the slope found on the way carries over to the begin, a day or so back.
    const ElongationCrossing end =
        FindElongationCrossing(12.0 * (index + 1), jde, elongation, MeanElongationRate);
    const ElongationCrossing begin =
        FindElongationCrossing(12.0 * index, jde, elongation, end.Rate);
    return TithiSpan{index, begin.Jde, end.Jde};
}

std::vector<TithiSpan> TithisBeginningBetween(double fromJde, double toJde) {
    std::vector<TithiSpan> spans;
    if (!(fromJde < toJde)) {
        return spans;
    }
    const TithiStep first = TithiAt(fromJde);
    if (first.Index < 0) {
        return spans;
    }
    // The first boundary at or after the start, then one boundary after another: each crossing
    // ends one tithi and begins the next, and is searched for once.
    int index = first.Index;
    ElongationCrossing boundary = {fromJde, MeanElongationRate};
    double elongation = first.Elongation;
    if (elongation != 12.0 * index) {
        boundary =
            FindElongationCrossing(12.0 * (index + 1), fromJde, elongation, MeanElongationRate);
        index = (index + 1) % 30;
    }
    spans.reserve(static_cast<std::size_t>((toJde - fromJde) * MeanElongationRate / 12) + 2);
    while (boundary.Jde < toJde) {
        // From the last crossing the next lies 12 degrees on.
        const double target = 12.0 * (index + 1);
        const ElongationCrossing next =
            FindElongationCrossing(target, boundary.Jde, target - 12, boundary.Rate);
        if (!(next.Jde > boundary.Jde)) {
            break; // no progress: nothing sound can follow
        }
        spans.push_back({index, boundary.Jde, next.Jde});
        boundary = next;
        index = (index + 1) % 30;
    }
    return spans;
}

double TerrestrialOfUniversal(double jd) {
    return jd + DeltaT(jd) / 24;
}

double UniversalOfTerrestrial(double jde) {
    // Delta T changes by under two seconds a year, so each step gains some eight decimal places;
    // the guard only bounds the steps where the decade table and the formula of 2010 meet.
    double jd = jde - DeltaT(jde) / 24;
    for (int step = 0; step < 4; ++step) {
        const double next = jde - DeltaT(jd) / 24;
        if (next == jd) {
            break;
        }
        jd = next;
    }
    return jd;
}

double ClockOffsetHours(const CalculationRecord& rec) {
    return ClockOffsetHours(rec.ZoneHours, rec.Longitude);
}

ClockReading ReadClock(double civilJd, ClockRounding rounding) {
    if (!std::isfinite(civilJd)) {
        return {};
    }
    // Whole days from the midnight that starts the civil day, and the seconds of that day.
    double day = std::floor(civilJd + 0.5);
    const double secondsOfDay = (civilJd + 0.5 - day) * 86400;
    double seconds = 0;
    switch (rounding) {
    case ClockRounding::UpToSecond:
        seconds = std::ceil(secondsOfDay);
        break;
    case ClockRounding::UpToMinute:
        seconds = std::ceil(secondsOfDay / 60) * 60;
        break;
    case ClockRounding::NearestSecond:
        seconds = std::round(secondsOfDay);
        break;
    case ClockRounding::NearestMinute:
        seconds = std::round(secondsOfDay / 60) * 60;
        break;
    }
    if (seconds >= 86400) {
        seconds -= 86400;
        day += 1;
    }
    const CalendarDate date = CalendarDateOfJulianDay(day); // noon of that civil day
    const auto whole = static_cast<int>(seconds);
    return {static_cast<int>(date.Year),
            static_cast<int>(date.Month),
            static_cast<int>(date.Day),
            whole / 3600,
            whole / 60 % 60,
            whole % 60};
}

double CivilJulianDay(const ClockReading& reading) {
    return JulianDayOfDate(reading.Month, reading.Day, reading.Year) +
           (reading.Hour * 3600.0 + reading.Minute * 60.0 + reading.Second) / 86400;
}
