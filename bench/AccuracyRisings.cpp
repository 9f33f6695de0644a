// SPDX-License-Identifier: MIT
// kestrava_accuracy's comparisons of the risings: sunrise, sunset, moonrise and moonset at 65
// places on the dates of five years.
#include "AccuracyCommon.h"

#include "engine/day/Risings.h"
#include "engine/day/Sunrise.h"
#include "engine/report/Tithi.h"
#include "engine/time/TimeScales.h"

#include <swephexp.h>

#include <cmath>
#include <cstdio>
#include <vector>

namespace accuracy {

namespace {

struct Site {
    double EastLongitude, Latitude;
};

// The places the risings are compared at: every ten degrees of latitude from 60 S to 60 N, at five
// longitudes around the world.
std::vector<Site> Sites() {
    std::vector<Site> places;
    for (int latitude = -60; latitude <= 60; latitude += 10) {
        for (double longitude : {-150.0, -74.0, 0.0, 77.2, 151.2}) {
            places.push_back({longitude, static_cast<double>(latitude)});
        }
    }
    return places;
}

} // namespace

void CompareSunrises() {
    const std::vector<Site> places = Sites();
    struct Case {
        Site Where;
        int Year, Month, Day;
        double Offset; // hours, the zone of the longitude
    };
    std::vector<Case> cases;
    for (int year : {1901, 1950, 2000, 2024, 2050}) {
        for (int dayOfYear = 0; dayOfYear < 365; dayOfYear += 5) {
            const CalendarDate date =
                CalendarDateOfJulianDay(JulianDayOfDate(1, 1, year) + dayOfYear + 0.5);
            for (const Site& place : places) {
                cases.push_back({place, year, static_cast<int>(date.Month),
                                 static_cast<int>(date.Day), std::round(place.EastLongitude / 15)});
            }
        }
    }

    std::vector<Sunrise> ours(cases.size());
    std::vector<double> swiss(cases.size(), 0);
    auto start = Clock::now();
    for (std::size_t k = 0; k < cases.size(); ++k) {
        const Case& c = cases[k];
        ours[k] = SunriseOnDate({c.Year, c.Month, c.Day}, {c.Where.EastLongitude, c.Where.Latitude},
                                FixedOffsetClock(c.Offset), *Theories);
    }
    auto middle = Clock::now();
    for (std::size_t k = 0; k < cases.size(); ++k) {
        const Case& c = cases[k];
        double where[3] = {c.Where.EastLongitude, c.Where.Latitude, 0};
        char error[AS_MAXCH];
        const double midnight = JulianDayOfDate(c.Month, c.Day, c.Year) - c.Offset / 24;
        // The Sun's centre at -0 deg 50', no refraction model: the horizon as Kestrava defines it.
        if (swe_rise_trans_true_hor(midnight, SE_SUN, nullptr, EphemerisFlags,
                                    SE_CALC_RISE | SE_BIT_DISC_CENTER | SE_BIT_NO_REFRACTION, where,
                                    0, 0, SunriseAltitude, &swiss[k], error) != 0 ||
            swiss[k] >= midnight + 1) {
            swiss[k] = 0;
        }
    }
    auto end = Clock::now();

    Differences byBand[3]; // |latitude| up to 30, 40 to 50, 60
    std::size_t compared = 0, disagreeOnRising = 0, disagreeOnTithi = 0;
    for (std::size_t k = 0; k < cases.size(); ++k) {
        const bool weRise = ours[k].State == HorizonState::Crosses;
        if (weRise != (swiss[k] != 0)) {
            ++disagreeOnRising;
            continue;
        }
        if (!weRise) {
            continue;
        }
        ++compared;
        const double latitude = std::fabs(cases[k].Where.Latitude);
        byBand[latitude <= 30   ? 0
               : latitude <= 50 ? 1
                                : 2]
            .Add((ours[k].JulianDayUT - swiss[k]) * SecondsPerDay, ours[k].JulianDayUT);
        // The tithi that names the day, by each side's sunrise and each side's ephemeris.
        const int ourTithi =
            TithiAt(Theories->TerrestrialOfUniversal(ours[k].JulianDayUT), *Theories).Index;
        const double swissElongation = SwissElongation(swiss[k] + swe_deltat(swiss[k]));
        if (ourTithi != static_cast<int>(swissElongation / 12)) {
            ++disagreeOnTithi;
        }
    }
    PrintHeading("Sunrise (the Sun's centre at -0 deg 50'), Kestrava minus Swiss Ephemeris, 65 "
                 "places, every 5th day of 5 years:");
    byBand[0].Print("latitudes 0 to 30", "s");
    byBand[1].Print("latitudes 40 to 50", "s");
    byBand[2].Print("latitude 60", "s");
    std::printf("  sunrises compared %zu; the two disagree on whether the Sun rises that date "
                "%zu times, on the tithi at sunrise %zu times\n",
                compared, disagreeOnRising, disagreeOnTithi);
    std::printf("  time per sunrise:                  Kestrava %.2f us, Swiss Ephemeris %.2f us\n",
                MicrosecondsEach(start, middle, cases.size()),
                MicrosecondsEach(middle, end, cases.size()));
}

// Sunset, moonrise and moonset: the Moon's upper limb 34' below the horizon seen from the place
// (the Swiss Ephemeris' swe_rise_trans_true_hor without its refraction model), the Sun's centre
// at -0 deg 50'.
void CompareMoonRisings() {
    const std::vector<Site> places = Sites();
    struct Case {
        Site Where;
        CivilDate Date;
        double Offset; // hours, the zone of the longitude
    };
    std::vector<Case> cases;
    for (int year : {1901, 1950, 2000, 2024, 2050}) {
        for (int dayOfYear = 0; dayOfYear < 365; dayOfYear += 7) {
            const CalendarDate date =
                CalendarDateOfJulianDay(JulianDayOfDate(1, 1, year) + dayOfYear + 0.5);
            for (const Site& place : places) {
                cases.push_back({place,
                                 {year, static_cast<int>(date.Month), static_cast<int>(date.Day)},
                                 std::round(place.EastLongitude / 15)});
            }
        }
    }

    // Each event: the instant (Julian day, UT), or 0 where it does not happen on the date.
    struct Events {
        double Sunset, Moonrise, Moonset;
    };
    std::vector<Events> ours(cases.size()), swiss(cases.size());
    auto start = Clock::now();
    for (std::size_t k = 0; k < cases.size(); ++k) {
        const Case& c = cases[k];
        const ::Place place{c.Where.EastLongitude, c.Where.Latitude};
        const FixedOffsetClock clock(c.Offset);
        const HorizonCrossing sunset = SunsetOnDate(c.Date, place, clock, *Theories);
        const MoonCrossings moon =
            MoonCrossingsOnDate(c.Date, place, clock, SkyChoice{Theories->Kind()});
        const auto at = [](const HorizonCrossing& h) {
            return h.State == HorizonState::Crosses ? h.At.JulianDayUT : 0.0;
        };
        ours[k] = {at(sunset), at(moon.Rise), at(moon.Set)};
    }
    auto middle = Clock::now();
    for (std::size_t k = 0; k < cases.size(); ++k) {
        const Case& c = cases[k];
        double where[3] = {c.Where.EastLongitude, c.Where.Latitude, 0};
        const double midnight =
            JulianDayOfDate(c.Date.Month, c.Date.Day, c.Date.Year) - c.Offset / 24;
        const auto event = [&](int body, int kind, double horizon) {
            double t = 0;
            char error[AS_MAXCH];
            if (swe_rise_trans_true_hor(midnight, body, nullptr, EphemerisFlags,
                                        kind | SE_BIT_NO_REFRACTION, where, 0, 0, horizon, &t,
                                        error) != 0 ||
                t >= midnight + 1) {
                return 0.0;
            }
            return t;
        };
        swiss[k] = {event(SE_SUN, SE_CALC_SET | SE_BIT_DISC_CENTER, SunriseAltitude),
                    event(SE_MOON, SE_CALC_RISE, -HorizonRefraction),
                    event(SE_MOON, SE_CALC_SET, -HorizonRefraction)};
    }
    auto end = Clock::now();

    Differences sunset, moonByBand[3]; // moon: |latitude| up to 30, 40 to 50, 60
    std::size_t compared = 0, disagree[3] = {0, 0, 0};
    const auto compare = [&](double a, double b, std::size_t which, Differences& into) {
        if ((a != 0) != (b != 0)) {
            ++disagree[which];
        } else if (a != 0) {
            into.Add((a - b) * SecondsPerDay, a);
            ++compared;
        }
    };
    for (std::size_t k = 0; k < cases.size(); ++k) {
        const double latitude = std::fabs(cases[k].Where.Latitude);
        Differences& band = moonByBand[latitude <= 30 ? 0 : latitude <= 50 ? 1 : 2];
        compare(ours[k].Sunset, swiss[k].Sunset, 0, sunset);
        compare(ours[k].Moonrise, swiss[k].Moonrise, 1, band);
        compare(ours[k].Moonset, swiss[k].Moonset, 2, band);
    }
    PrintHeading("Sunset (the Sun's centre at -0 deg 50'), moonrise and moonset (the upper limb "
                 "34' below the horizon, seen from the place), Kestrava minus Swiss Ephemeris, "
                 "65 places, every 7th day of 5 years:");
    sunset.Print("sunset, latitudes 0 to 60", "s");
    moonByBand[0].Print("moon, latitudes 0 to 30", "s");
    moonByBand[1].Print("moon, latitudes 40 to 50", "s");
    moonByBand[2].Print("moon, latitude 60", "s");
    std::printf("  events compared %zu; the two disagree on whether it happens that date: sunset "
                "%zu, moonrise %zu, moonset %zu times\n",
                compared, disagree[0], disagree[1], disagree[2]);
    std::printf("  time per date (all three):         Kestrava %.2f us, Swiss Ephemeris %.2f us\n",
                MicrosecondsEach(start, middle, cases.size()),
                MicrosecondsEach(middle, end, cases.size()));
}

} // namespace accuracy
