// SPDX-License-Identifier: MIT
// Julian day, calendar date and Delta T.
#include "engine/time/TimeScales.h"

#include <cmath>
#include <iterator>

namespace {

// Delta T in seconds of time at the start of each decade 1620, 1630, ... 2010.
constexpr double DeltaTDecades[] = {
    124,  85,  62,   48,   37,   26,   16,   10,   9,    10,   // 1620 - 1710
    11,   11,  12,   13,   15,   16,   17,   17,   13.7, 12.5, // 1720 - 1810
    12,   7.5, 5.7,  7.1,  7.9,  1.6,  -5.4, -5.9, -2.7, 10.5, // 1820 - 1910
    21.2, 24,  24.3, 29.2, 33.2, 40.2, 50.5, 56.9, 65.7, 75.5, // 1920 - 2010
};
static_assert(std::size(DeltaTDecades) == 40, "one value per decade, 1620 ... 2010");

} // namespace

double JulianDayOfDate(double month, double day, double year) {
    // Months counted from March of the year -4800, so that February ends each counted year.
    const double n = 12 * (year + 4800) + month - 3;
    const double m = n - 12 * std::floor(n / 12); // 0 = March ... 11 = February
    double j = day + std::floor((365 * n + 2 * m + 7) / 12) + std::floor(n / 48) - 32083;
    if (j > 2299171) {
        // The Gregorian correction: centuries not divisible by 400 are not leap years.
        j = j + std::floor(n / 4800) - std::floor(n / 1200) + 38;
    }
    return j - 0.5;
}

CalendarDate CalendarDateOfJulianDay(double jd) {
    const double z = std::floor(jd + 0.5);
    const double f = jd + 0.5 - z;
    double a = z;
    if (z >= 2299161) {
        const double alpha = std::floor((z - 1867216.25) / 36524.25);
        a = z + 1 + alpha - std::floor(alpha / 4);
    }
    const double b = a + 1524;
    const double c = std::floor((b - 122.1) / 365.25);
    const double d = std::floor(365.25 * c);
    const double e = std::floor((b - d) / 30.6001);

    CalendarDate date;
    date.Day = std::floor(b - d - std::floor(30.6001 * e) + f);
    date.Month = e < 13.5 ? e - 1 : e - 13;
    date.Year = date.Month > 2.5 ? c - 4716 : c - 4715;
    return date;
}

double DeltaTForDate(double jd, const CalendarDate& date) {
    const double y = date.Year + (date.Month - 1) / 12 + (date.Day - 1) / 365.25;
    const double t = (jd - 2378497) / 36525; // Julian centuries from 1800
    double seconds = 0;
    if (y >= 1620 && y < 2010) {
        const auto i = static_cast<std::size_t>(std::floor((y - 1620) / 10));
        const double f = y - (1620 + 10 * static_cast<double>(i));
        seconds = DeltaTDecades[i] + f * (DeltaTDecades[i + 1] - DeltaTDecades[i]) / 10;
    } else if (y >= 2010) {
        seconds = 25.5 * (t * t) - 39;
    } else if (y >= 948) {
        seconds = 25.5 * (t * t);
    } else {
        seconds = 1361.7 + 320 * t + 44.3 * (t * t);
    }
    return seconds / 3600;
}

double DeltaT(double jd) {
    return DeltaTForDate(jd, CalendarDateOfJulianDay(jd));
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
