// SPDX-License-Identifier: MIT
// What the comparisons of kestrava_accuracy share: the sizes of a set of differences, and the
// Swiss Ephemeris' longitudes, sidereal places, crossings and Delta T.
#include "AccuracyCommon.h"

#include "engine/time/TimeScales.h"

#include <swephexp.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>
#include <utility>

namespace accuracy {

const Ephemeris* Theories = &ClassicalEphemeris();

double ArcsecondsBetween(double a, double b) {
    double d = std::fmod(a - b, 360.0);
    if (d > 180) {
        d -= 360;
    } else if (d <= -180) {
        d += 360;
    }
    return d * 3600;
}

void Differences::Add(double value, double when) {
    values_.push_back(value);
    if (std::fabs(value) > std::fabs(largest_)) {
        largest_ = value;
        largestAt_ = when;
    }
}

void Differences::Print(const char* what, const char* unit) const {
    std::vector<double> sizes;
    double sum = 0, squares = 0;
    for (double v : values_) {
        sizes.push_back(std::fabs(v));
        sum += v;
        squares += v * v;
    }
    std::sort(sizes.begin(), sizes.end());
    const auto quantile = [&](double q) {
        return sizes.empty() ? 0.0 : sizes[static_cast<std::size_t>(q * (sizes.size() - 1))];
    };
    const double n = static_cast<double>(values_.size());
    const CalendarDate at = CalendarDateOfJulianDay(largestAt_);
    std::printf("  %-34s %8.2f %8.2f %8.2f %8.2f %+8.2f  %s  (largest %04d-%02d-%02d, n = %zu)\n",
                what, std::fabs(largest_), quantile(0.95), quantile(0.5),
                n > 0 ? std::sqrt(squares / n) : 0.0, n > 0 ? sum / n : 0.0, unit,
                static_cast<int>(at.Year), static_cast<int>(at.Month), static_cast<int>(at.Day),
                values_.size());
}

void PrintHeading(const char* title) {
    std::printf("\n%s\n  %-34s %8s %8s %8s %8s %8s\n", title, "", "largest", "95%", "median", "rms",
                "mean");
}

double MicrosecondsEach(Clock::time_point start, Clock::time_point end, std::size_t count) {
    return std::chrono::duration<double, std::micro>(end - start).count() /
           static_cast<double>(count);
}

int EphemerisFlags = SEFLG_SWIEPH;

Longitudes SwissAt(double jde) {
    double moon[6], sun[6];
    char error[AS_MAXCH];
    swe_calc(jde, SE_MOON, EphemerisFlags, moon, error);
    swe_calc(jde, SE_SUN, EphemerisFlags, sun, error);
    return {moon[0], sun[0]};
}

double SwissElongation(double jde) {
    const Longitudes at = SwissAt(jde);
    double e = std::fmod(at.Moon - at.Sun, 360.0);
    return e < 0 ? e + 360 : e;
}

double SwissAyanamsa(double jde) {
    double ayanamsa = 0;
    char error[AS_MAXCH];
    swe_get_ayanamsa_ex(jde, EphemerisFlags | SEFLG_NONUT, &ayanamsa, error);
    return ayanamsa;
}

double SwissNutation(double jde) {
    double x[6];
    char error[AS_MAXCH];
    swe_calc(jde, SE_ECL_NUT, 0, x, error);
    return x[2];
}

namespace {

// An angle reduced to a turn, degrees.
double Reduced(double degrees) {
    const double d = std::fmod(degrees, 360.0);
    return d < 0 ? d + 360 : d;
}

} // namespace

Sidereal SwissSidereal(double jde) {
    const Longitudes at = SwissAt(jde);
    const double trueAyanamsa = SwissAyanamsa(jde) + SwissNutation(jde);
    return {Reduced(at.Moon - trueAyanamsa), Reduced(at.Sun - trueAyanamsa)};
}

double SwissNakshatraAngle(double jde) {
    return SwissSidereal(jde).Moon;
}

double SwissYogaAngle(double jde) {
    const Sidereal at = SwissSidereal(jde);
    return Reduced(at.Moon + at.Sun);
}

double SwissCrossing(double target, double near, double (*angle)(double)) {
    double t0 = near - 0.01, t1 = near;
    double g0 = ArcsecondsBetween(angle(t0), target) / 3600;
    for (int step = 0; step < 30; ++step) {
        const double g1 = ArcsecondsBetween(angle(t1), target) / 3600;
        if (g1 == g0) {
            break;
        }
        const double t2 = t1 - g1 * (t1 - t0) / (g1 - g0);
        t0 = t1;
        g0 = g1;
        t1 = t2;
        if (std::fabs(t1 - t0) < 1e-9) {
            break;
        }
    }
    return t1;
}

double SwissUniversal(double jde) {
    double jd = jde - swe_deltat(jde);
    for (int step = 0; step < 3; ++step) {
        jd = jde - swe_deltat(jd);
    }
    return jd;
}

TransitionDifferences::TransitionDifferences(std::vector<int> lastYears)
    : lastYears_(std::move(lastYears)), universal_(lastYears_.size()) {}

void TransitionDifferences::Add(double oursJde, double swissJde) {
    terrestrial_.Add((oursJde - swissJde) * SecondsPerDay, oursJde);
    const double oursUT = Theories->UniversalOfTerrestrial(oursJde);
    const double year = CalendarDateOfJulianDay(oursUT).Year;
    std::size_t period = 0;
    while (period + 1 < lastYears_.size() && year > lastYears_[period]) {
        ++period;
    }
    universal_[period].Add((oursUT - SwissUniversal(swissJde)) * SecondsPerDay, oursJde);
}

void TransitionDifferences::Print() const {
    terrestrial_.Print("in Terrestrial Time (the theories)", "s");
    int first = 1901;
    for (std::size_t k = 0; k < lastYears_.size(); ++k) {
        const std::string what = "in Universal Time, " + std::to_string(first) + '-' +
                                 std::to_string(lastYears_[k]);
        universal_[k].Print(what.c_str(), "s");
        first = lastYears_[k] + 1;
    }
}

} // namespace accuracy
