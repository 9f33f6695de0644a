// SPDX-License-Identifier: MIT
// kestrava_accuracy: the engine's Moon, Sun and elongation over 1901 ... 2050, the instants of
// its tithi, nakshatra and yoga transitions, the Lahiri ayanamsa, its sunrises, sunsets,
// moonrises and moonsets, its lunar months with their adhika and kshaya months, and the
// calendar's days (the tithi at each sunrise, the kshaya and vriddhi tithis), against the Swiss
// Ephemeris, with the time each side takes: the modern ephemeris, the classical one or both. The
// Swiss Ephemeris is linked into this program alone.
// Usage: kestrava_accuracy [DATA-FOLDER [modern|classical|both [quick]]]; "quick" leaves out the
// lunar months, the Moon's risings and the calendar's days.
#include "engine/calendar/Calendar.h"
#include "engine/day/LunarMonth.h"
#include "engine/day/Risings.h"
#include "engine/day/Sunrise.h"
#include "engine/limbs/Elongation.h"
#include "engine/limbs/Limbs.h"
#include "engine/present/PanchangaNames.h"
#include "engine/report/Tithi.h"
#include "engine/sky/Ayanamsa.h"
#include "engine/sky/Ephemeris.h"
#include "engine/sky/Moon.h"
#include "engine/sky/MoonLatitude.h"
#include "engine/sky/Sun.h"
#include "engine/time/TimeScales.h"

#include <swephexp.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

namespace {

constexpr double FirstDay = 2415385.5; // 1901-01-01 0h
constexpr double LastDay = 2470172.5;  // 2051-01-01 0h
constexpr double SecondsPerDay = 86400;

// The ephemeris measured: each run of the comparisons takes one (main sets it).
const Ephemeris* Theories = &ClassicalEphemeris();

// Signed difference of two angles, seconds of arc, -648000 ... 648000.
double ArcsecondsBetween(double a, double b) {
    double d = std::fmod(a - b, 360.0);
    if (d > 180) {
        d -= 360;
    } else if (d <= -180) {
        d += 360;
    }
    return d * 3600;
}

// Largest, typical (median and 95th percentile of the size) and mean (with its sign).
class Differences {
public:
    void Add(double value, double when) {
        values_.push_back(value);
        if (std::fabs(value) > std::fabs(largest_)) {
            largest_ = value;
            largestAt_ = when;
        }
    }
    void Print(const char* what, const char* unit) const {
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
        std::printf(
            "  %-34s %8.2f %8.2f %8.2f %8.2f %+8.2f  %s  (largest %04d-%02d-%02d, n = %zu)\n", what,
            std::fabs(largest_), quantile(0.95), quantile(0.5),
            n > 0 ? std::sqrt(squares / n) : 0.0, n > 0 ? sum / n : 0.0, unit,
            static_cast<int>(at.Year), static_cast<int>(at.Month), static_cast<int>(at.Day),
            values_.size());
    }

private:
    std::vector<double> values_;
    double largest_ = 0;
    double largestAt_ = 0;
};

void PrintHeading(const char* title) {
    std::printf("\n%s\n  %-34s %8s %8s %8s %8s %8s\n", title, "", "largest", "95%", "median", "rms",
                "mean");
}

using Clock = std::chrono::steady_clock;

double MicrosecondsEach(Clock::time_point start, Clock::time_point end, std::size_t count) {
    return std::chrono::duration<double, std::micro>(end - start).count() /
           static_cast<double>(count);
}

// The two longitudes of one moment, degrees.
struct Longitudes {
    double Moon, Sun;
};

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

// The mean Lahiri ayanamsa of the Swiss Ephemeris (its SE_SIDM_LAHIRI without nutation), and
// its nutation in longitude, degrees.
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

// The sidereal longitudes as the engine reckons them, on the Swiss Ephemeris: the apparent
// longitude less the mean ayanamsa and the nutation.
double Reduced(double degrees) {
    const double d = std::fmod(degrees, 360.0);
    return d < 0 ? d + 360 : d;
}

struct Sidereal {
    double Moon, Sun;
};

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

// The crossing of an angle (the elongation, by default) by the Swiss Ephemeris: the same secant
// search as the engine's, on the other ephemeris, from the engine's instant.
double SwissCrossing(double target, double near, double (*angle)(double) = SwissElongation) {
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

// Universal Time of a Terrestrial Time by the Swiss Ephemeris' own Delta T.
double SwissUniversal(double jde) {
    double jd = jde - swe_deltat(jde);
    for (int step = 0; step < 3; ++step) {
        jd = jde - swe_deltat(jd);
    }
    return jd;
}

void ComparePositions() {
    // Every 1.9 days over the range, at a time of day that wanders through the day.
    std::vector<double> instants;
    for (double jde = FirstDay + 0.123; jde < LastDay; jde += 1.9) {
        instants.push_back(jde);
    }
    // Each side computes every moment first, timed; the comparison follows.
    std::vector<Longitudes> ours(instants.size()), swiss(instants.size());
    const auto start = Clock::now();
    for (std::size_t k = 0; k < instants.size(); ++k) {
        const SkyLongitudes sky = Theories->LongitudesAt(instants[k]);
        ours[k] = {sky.Moon, sky.Sun};
    }
    const auto middle = Clock::now();
    for (std::size_t k = 0; k < instants.size(); ++k) {
        swiss[k] = SwissAt(instants[k]);
    }
    const auto end = Clock::now();

    Differences moon, sun, elongation;
    for (std::size_t k = 0; k < instants.size(); ++k) {
        moon.Add(ArcsecondsBetween(ours[k].Moon, swiss[k].Moon), instants[k]);
        sun.Add(ArcsecondsBetween(ours[k].Sun, swiss[k].Sun), instants[k]);
        elongation.Add(ArcsecondsBetween(ours[k].Moon - ours[k].Sun, swiss[k].Moon - swiss[k].Sun),
                       instants[k]);
    }
    PrintHeading("Apparent longitudes of date, Kestrava minus Swiss Ephemeris, every 1.9 days "
                 "1901-2050:");
    moon.Print("Moon", "arcsec");
    sun.Print("Sun", "arcsec");
    elongation.Print("elongation (Moon - Sun)", "arcsec");
    std::printf("  time per moment (Moon and Sun):    Kestrava %.2f us, Swiss Ephemeris %.2f us\n",
                MicrosecondsEach(start, middle, instants.size()),
                MicrosecondsEach(middle, end, instants.size()));
}

void CompareTransitions() {
    auto start = Clock::now();
    const std::vector<TithiSpan> spans =
        TithisBeginningBetween(FirstDay, LastDay, SkyChoice{Theories->Kind()});
    auto middle = Clock::now();
    std::vector<double> swiss(spans.size());
    for (std::size_t k = 0; k < spans.size(); ++k) {
        swiss[k] = SwissCrossing(12.0 * spans[k].Index, spans[k].BeginJde);
    }
    auto end = Clock::now();

    Differences terrestrial;
    Differences universal[3]; // 1901-1950, 1951-2000, 2001-2050
    for (std::size_t k = 0; k < spans.size(); ++k) {
        const double ours = spans[k].BeginJde;
        terrestrial.Add((ours - swiss[k]) * SecondsPerDay, ours);
        const double oursUT = Theories->UniversalOfTerrestrial(ours);
        const double swissUT = SwissUniversal(swiss[k]);
        const double year = CalendarDateOfJulianDay(oursUT).Year;
        const int period = year <= 1950 ? 0 : year <= 2000 ? 1 : 2;
        universal[period].Add((oursUT - swissUT) * SecondsPerDay, ours);
    }
    PrintHeading("Tithi transitions (the elongation crossing a multiple of 12 degrees), Kestrava "
                 "minus Swiss Ephemeris:");
    terrestrial.Print("in Terrestrial Time (the theories)", "s");
    universal[0].Print("in Universal Time, 1901-1950", "s");
    universal[1].Print("in Universal Time, 1951-2000", "s");
    universal[2].Print("in Universal Time, 2001-2050", "s");
    std::printf("  time per transition:               Kestrava %.2f us, Swiss Ephemeris %.2f us "
                "(the same secant search)\n",
                MicrosecondsEach(start, middle, spans.size()),
                MicrosecondsEach(middle, end, spans.size()));
}

struct Site {
    double EastLongitude, Latitude;
};

void CompareSunrises() {
    std::vector<Site> places;
    for (int latitude = -60; latitude <= 60; latitude += 10) {
        for (double longitude : {-150.0, -74.0, 0.0, 77.2, 151.2}) {
            places.push_back({longitude, static_cast<double>(latitude)});
        }
    }
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

// The Moon's latitude and distance, the Lahiri ayanamsa and the sidereal longitudes.
void CompareSiderealPlaces() {
    constexpr double AstronomicalUnitKm = 149597870.7;
    Differences latitude, distance, ayanamsa, moon, sun, yoga;
    for (double jde = FirstDay + 0.123; jde < LastDay; jde += 1.9) {
        double x[6];
        char error[AS_MAXCH];
        swe_calc(jde, SE_MOON, EphemerisFlags, x, error);
        const MoonLatitudeDistance place = Theories->MoonPlace(jde);
        latitude.Add((place.Latitude - x[1]) * 3600, jde);
        distance.Add(place.DistanceKm - x[2] * AstronomicalUnitKm, jde);
        ayanamsa.Add((LahiriAyanamsa(jde) - SwissAyanamsa(jde)) * 3600, jde);
        const SiderealPlaces ours = SiderealPlacesAt(jde, SkyChoice{Theories->Kind()});
        const Sidereal swiss = SwissSidereal(jde);
        moon.Add(ArcsecondsBetween(ours.Moon, swiss.Moon), jde);
        sun.Add(ArcsecondsBetween(ours.Sun, swiss.Sun), jde);
        yoga.Add(ArcsecondsBetween(ours.Moon + ours.Sun, swiss.Moon + swiss.Sun), jde);
    }
    PrintHeading("The Moon's latitude and distance, the mean Lahiri ayanamsa (Swiss Ephemeris: "
                 "SE_SIDM_LAHIRI, SEFLG_NONUT) and the sidereal longitudes, every 1.9 days "
                 "1901-2050:");
    latitude.Print("Moon's latitude", "arcsec");
    distance.Print("Moon's distance", "km");
    ayanamsa.Print("ayanamsa", "arcsec");
    moon.Print("Moon, sidereal (the nakshatra)", "arcsec");
    sun.Print("Sun, sidereal", "arcsec");
    yoga.Print("their sum (the yoga)", "arcsec");
}

// The transitions of the nakshatra and of the yoga over the whole range.
void CompareSiderealTransitions(Limb limb, double (*swissAngle)(double), const char* title) {
    const LimbDefinition& definition = DefinitionOf(limb);
    auto start = Clock::now();
    const std::vector<LimbSpan> spans =
        SpansBeginningBetween(limb, FirstDay, LastDay, SkyChoice{Theories->Kind()});
    auto middle = Clock::now();
    std::vector<double> swiss(spans.size());
    for (std::size_t k = 0; k < spans.size(); ++k) {
        swiss[k] =
            SwissCrossing(definition.SpanDegrees * spans[k].Index, spans[k].BeginJde, swissAngle);
    }
    auto end = Clock::now();

    Differences terrestrial;
    Differences universal[3]; // 1901-1950, 1951-2000, 2001-2050
    for (std::size_t k = 0; k < spans.size(); ++k) {
        const double ours = spans[k].BeginJde;
        terrestrial.Add((ours - swiss[k]) * SecondsPerDay, ours);
        const double oursUT = Theories->UniversalOfTerrestrial(ours);
        const double year = CalendarDateOfJulianDay(oursUT).Year;
        const int period = year <= 1950 ? 0 : year <= 2000 ? 1 : 2;
        universal[period].Add((oursUT - SwissUniversal(swiss[k])) * SecondsPerDay, ours);
    }
    PrintHeading(title);
    terrestrial.Print("in Terrestrial Time (the theories)", "s");
    universal[0].Print("in Universal Time, 1901-1950", "s");
    universal[1].Print("in Universal Time, 1951-2000", "s");
    universal[2].Print("in Universal Time, 2001-2050", "s");
    std::printf("  time per transition:               Kestrava %.2f us, Swiss Ephemeris %.2f us "
                "(the same secant search)\n",
                MicrosecondsEach(start, middle, spans.size()),
                MicrosecondsEach(middle, end, spans.size()));
}

// Sunset, moonrise and moonset: the Moon's upper limb 34' below the horizon seen from the place
// (the Swiss Ephemeris' swe_rise_trans_true_hor without its refraction model), the Sun's centre
// at -0 deg 50'.
void CompareMoonRisings() {
    std::vector<Site> places;
    for (int latitude = -60; latitude <= 60; latitude += 10) {
        for (double longitude : {-150.0, -74.0, 0.0, 77.2, 151.2}) {
            places.push_back({longitude, static_cast<double>(latitude)});
        }
    }
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

// The lunar months of 1901-2050 by the same rule on each side: each lunation named for the
// sidereal sign the Sun is in at the new moon that begins it; adhika where the next new moon
// finds the Sun in the same sign, a kshaya month where it finds it two signs on.
void CompareLunarMonths() {
    const int first = static_cast<int>(std::floor((FirstDay - 2451550.09766) / 29.530588861));
    const int last = static_cast<int>(std::ceil((LastDay - 2451550.09766) / 29.530588861));
    struct Lunation {
        double NewMoon; // Julian day, TT
        double Sun;     // the Sun's sidereal longitude then, degrees
    };
    std::vector<Lunation> ours, swiss;
    std::vector<int> lunations;
    auto start = Clock::now();
    LunationSigns signs(SkyChoice{Theories->Kind()});
    std::vector<MonthAndYears> months;
    for (int k = first; k <= last + 1; ++k) {
        const double newMoon = NewMoonOf(k, SkyChoice{Theories->Kind()});
        ours.push_back({newMoon, SiderealPlacesAt(newMoon, SkyChoice{Theories->Kind()}).Sun});
        const double middle = newMoon + 15;
        months.push_back(LunarMonthAt(middle, TithiAt(middle, *Theories).Elongation, signs));
        lunations.push_back(k);
    }
    auto middle = Clock::now();
    for (const Lunation& lunation : ours) {
        const double newMoon = SwissCrossing(0, lunation.NewMoon);
        swiss.push_back({newMoon, SwissSidereal(newMoon).Sun});
    }
    auto end = Clock::now();

    const auto sign = [](double sun) { return static_cast<int>(std::floor(sun / 30)) % 12; };
    std::size_t compared = 0, adhika[2] = {0, 0}, kshaya[2] = {0, 0}, differ = 0, rule = 0;
    Differences newMoons;
    for (std::size_t k = 0; k + 1 < ours.size(); ++k) {
        const double year = CalendarDateOfJulianDay(ours[k].NewMoon).Year;
        if (year < 1901 || year > 2050) {
            continue;
        }
        ++compared;
        newMoons.Add((ours[k].NewMoon - swiss[k].NewMoon) * SecondsPerDay, ours[k].NewMoon);
        LunarMonth side[2];
        const Lunation* lunation[2] = {&ours[k], &swiss[k]};
        const Lunation* next[2] = {&ours[k + 1], &swiss[k + 1]};
        for (int s = 0; s < 2; ++s) {
            const int here = sign(lunation[s]->Sun), there = sign(next[s]->Sun);
            const int advance = (there - here + 12) % 12;
            side[s] = {(here + 1) % 12, advance == 0, advance == 2 ? (here + 2) % 12 : -1};
            adhika[s] += side[s].Adhika ? 1 : 0;
            kshaya[s] += side[s].KshayaIndex >= 0 ? 1 : 0;
        }
        // The engine's own month (from the predicted new moons) must be the rule's on its
        // theories.
        const MonthAndYears& engine = months[k];
        if (engine.Lunation != lunations[k] || engine.Amanta.Index != side[0].Index ||
            engine.Amanta.Adhika != side[0].Adhika ||
            engine.Amanta.KshayaIndex != side[0].KshayaIndex) {
            ++rule;
        }
        const auto describe = [](const LunarMonth& m) {
            std::string text = m.Adhika ? "adhika " : "";
            text += std::string(MasaName(m.Index));
            if (m.KshayaIndex >= 0) {
                text += " (" + std::string(MasaName(m.KshayaIndex)) + " kshaya)";
            }
            return text;
        };
        if (side[0].Index != side[1].Index || side[0].Adhika != side[1].Adhika ||
            side[0].KshayaIndex != side[1].KshayaIndex) {
            ++differ;
            const CalendarDate at = CalendarDateOfJulianDay(ours[k].NewMoon);
            // How far each side's Sun stood from a sign's boundary at the two new moons.
            const auto fromBoundary = [](double sun) {
                return (sun - 30 * std::round(sun / 30)) * 3600;
            };
            std::printf("  lunation of %04d-%02d-%02d: Kestrava %s, Swiss Ephemeris %s; the Sun "
                        "from a sign's boundary at its new moons %+.1f\" and %+.1f\" (Kestrava), "
                        "%+.1f\" and %+.1f\" (Swiss Ephemeris); the new moons differ by %+.1f s "
                        "and %+.1f s\n",
                        static_cast<int>(at.Year), static_cast<int>(at.Month),
                        static_cast<int>(at.Day), describe(side[0]).c_str(),
                        describe(side[1]).c_str(), fromBoundary(ours[k].Sun),
                        fromBoundary(ours[k + 1].Sun), fromBoundary(swiss[k].Sun),
                        fromBoundary(swiss[k + 1].Sun),
                        (ours[k].NewMoon - swiss[k].NewMoon) * SecondsPerDay,
                        (ours[k + 1].NewMoon - swiss[k + 1].NewMoon) * SecondsPerDay);
        }
    }
    PrintHeading("Lunar months 1901-2050 (amanta, named for the Sun's sidereal sign at the new "
                 "moon), Kestrava minus Swiss Ephemeris:");
    newMoons.Print("new moons, Terrestrial Time", "s");
    std::printf("  lunations compared %zu: adhika months %zu (Swiss Ephemeris %zu), kshaya months "
                "%zu (%zu); named differently %zu; the engine's month differs from the rule on its "
                "own new moons %zu times\n",
                compared, adhika[0], adhika[1], kshaya[0], kshaya[1], differ, rule);
    std::printf("  time per lunation:                 Kestrava %.2f us, Swiss Ephemeris %.2f us\n",
                MicrosecondsEach(start, middle, ours.size()),
                MicrosecondsEach(middle, end, ours.size()));
}

// The calendar's days at three places, every day of 1901-2050: the tithi at each sunrise, the
// tithis that no sunrise holds (kshaya, in the day between) and those that two hold (vriddhi),
// by the engine's calendar and by the Swiss Ephemeris' sunrises and longitudes. Where the two
// disagree, the tithi's boundary lies that close to the sunrise.
void CompareCalendarDays() {
    const struct {
        const char* Name;
        Place At;
        double Offset;
    } places[] = {
        {"Delhi", {77 + 13 / 60.0, 28 + 36 / 60.0}, 5.5},
        {"New York", {-74.006, 40.7128}, -5},
        {"Sydney", {151.2093, -33.8688}, 10},
    };
    std::printf("\nThe calendar's days 1901-2050, Kestrava against the Swiss Ephemeris (its "
                "sunrises and longitudes):\n");
    for (const auto& place : places) {
        const FixedOffsetClock clock(place.Offset);
        const auto start = Clock::now();
        const std::vector<CalendarDay> days = CalendarDays({1901, 1, 1}, {2050, 12, 31}, place.At,
                                                           clock, SkyChoice{Theories->Kind()});
        const auto middle = Clock::now();
        // The Swiss Ephemeris' tithi at each sunrise, from the day before the first to the day
        // after the last.
        std::vector<int> swiss;
        double where[3] = {place.At.Longitude, place.At.Latitude, 0};
        for (int k = -1; k <= static_cast<int>(days.size()); ++k) {
            const CivilDate date = AddDays({1901, 1, 1}, k);
            const double midnight = CivilJulianDayOfDate(date) - place.Offset / 24;
            double rise = 0;
            char error[AS_MAXCH];
            swe_rise_trans_true_hor(midnight, SE_SUN, nullptr, EphemerisFlags,
                                    SE_CALC_RISE | SE_BIT_DISC_CENTER | SE_BIT_NO_REFRACTION, where,
                                    0, 0, SunriseAltitude, &rise, error);
            swiss.push_back(static_cast<int>(SwissElongation(rise + swe_deltat(rise)) / 12));
        }
        const auto end = Clock::now();
        std::size_t tithi = 0, kshaya = 0, vriddhi = 0;
        Differences closeness;
        for (std::size_t k = 0; k < days.size(); ++k) {
            const CalendarDay& day = days[k];
            const int today = swiss[k + 1], next = swiss[k + 2];
            std::vector<int> skipped;
            for (int t = (today + 1) % 30; today != next && t != next; t = (t + 1) % 30) {
                skipped.push_back(t);
            }
            const bool tithiDiffers = day.SunriseTithi() != today;
            const bool kshayaDiffers = day.Kshaya != skipped;
            const bool vriddhiDiffers = day.Tithi.Vriddhi != (today == next);
            tithi += tithiDiffers;
            kshaya += kshayaDiffers;
            vriddhi += vriddhiDiffers;
            if (tithiDiffers || kshayaDiffers || vriddhiDiffers) {
                // How near a boundary of the day's tithis lies to one of its two sunrises.
                double nearest = 1e9;
                for (const DaySpan& span : day.Tithi.Spans) {
                    for (const double boundary : {span.Begin.Jde, span.End.Jde}) {
                        for (const double sunrise : {day.Begins.Jde, day.Ends.Jde}) {
                            nearest = std::min(nearest, std::fabs(boundary - sunrise));
                        }
                    }
                }
                closeness.Add(nearest * SecondsPerDay, day.Begins.JulianDayUT);
            }
        }
        std::printf("  %-9s %zu days: the tithi at sunrise differs on %zu, the kshaya tithis on "
                    "%zu, the vriddhi on %zu\n",
                    place.Name, days.size(), tithi, kshaya, vriddhi);
        if (tithi + kshaya + vriddhi > 0) {
            PrintHeading("            each of those days, a tithi's boundary from the sunrise:");
            closeness.Print("", "s");
        }
        std::printf("            time for the days: Kestrava %.1f ms a year, Swiss Ephemeris "
                    "(sunrises and longitudes only) %.1f ms a year\n",
                    std::chrono::duration<double, std::milli>(middle - start).count() / 150,
                    std::chrono::duration<double, std::milli>(end - middle).count() / 150);
    }
}

} // namespace

int main(int argc, char* argv[]) {
    // The data files are looked for where the library was told to look when it was built (where
    // Debian's swe-basic-data installs them), or in the folder given as the one argument.
    swe_set_ephe_path(argc > 1 ? argv[1] : nullptr);
    char version[AS_MAXCH];
    // Without its data files the library falls back on its analytic theory; say which was used.
    double probe[6];
    char error[AS_MAXCH];
    const int used = swe_calc(2451545.0, SE_MOON, SEFLG_SWIEPH, probe, error);
    const bool files = used >= 0 && (used & SEFLG_SWIEPH) != 0;
    if (!files) {
        EphemerisFlags = SEFLG_MOSEPH;
    }
    std::printf("Kestrava against the Swiss Ephemeris %s (%s)\n", swe_version(version),
                files ? "its data files" : "no data files found: its analytic Moshier theory");

    swe_set_sid_mode(SE_SIDM_LAHIRI, 0, 0);
    const std::string which = argc > 2 ? argv[2] : "both";
    const bool quick = argc > 3 && std::string(argv[3]) == "quick";
    for (const Ephemeris* theories : {&ModernEphemeris(), &ClassicalEphemeris()}) {
        if (which != "both" && which != theories->Name()) {
            continue;
        }
        Theories = theories;
        std::printf("\n=== Kestrava's %s ephemeris ===\n", std::string(theories->Name()).c_str());
        ComparePositions();
        CompareSiderealPlaces();
        CompareTransitions();
        CompareSiderealTransitions(Limb::Nakshatra, SwissNakshatraAngle,
                                   "Nakshatra transitions (the Moon's sidereal longitude crossing "
                                   "a multiple of 13 deg 20'), Kestrava minus Swiss Ephemeris:");
        CompareSiderealTransitions(
            Limb::Yoga, SwissYogaAngle,
            "Yoga transitions (the sum of the sidereal longitudes crossing a "
            "multiple of 13 deg 20'), Kestrava minus Swiss Ephemeris:");
        CompareSunrises();
        if (!quick) {
            CompareLunarMonths();
            CompareMoonRisings();
            CompareCalendarDays();
        }
    }
    swe_close();
    return 0;
}
