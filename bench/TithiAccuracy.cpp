// kestrava_accuracy: the engine's Moon, Sun and elongation over 1901 ... 2050, the instants of
// its tithi transitions and its sunrises, against the Swiss Ephemeris, with the time each side
// takes per moment. The Swiss Ephemeris is linked into this program alone.
#include "engine/Moon.h"
#include "engine/Sun.h"
#include "engine/Sunrise.h"
#include "engine/TimeScales.h"
#include "engine/Tithi.h"

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

// The crossing of an elongation by the Swiss Ephemeris: the same secant search as the engine's,
// on the other ephemeris, from the engine's instant.
double SwissCrossing(double target, double near) {
    double t0 = near - 0.01, t1 = near;
    double g0 = ArcsecondsBetween(SwissElongation(t0), target) / 3600;
    for (int step = 0; step < 30; ++step) {
        const double g1 = ArcsecondsBetween(SwissElongation(t1), target) / 3600;
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
        const double nutation = NutationInLongitude(instants[k]);
        ours[k] = {MoonLongitude(instants[k], nutation),
                   SunApparentLongitude(instants[k], nutation)};
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
    const std::vector<TithiSpan> spans = TithisBeginningBetween(FirstDay, LastDay);
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
        const double oursUT = UniversalOfTerrestrial(ours);
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

struct Place {
    double EastLongitude, Latitude;
};

void CompareSunrises() {
    std::vector<Place> places;
    for (int latitude = -60; latitude <= 60; latitude += 10) {
        for (double longitude : {-150.0, -74.0, 0.0, 77.2, 151.2}) {
            places.push_back({longitude, static_cast<double>(latitude)});
        }
    }
    struct Case {
        Place Where;
        int Year, Month, Day;
        double Offset; // hours, the zone of the longitude
    };
    std::vector<Case> cases;
    for (int year : {1901, 1950, 2000, 2024, 2050}) {
        for (int dayOfYear = 0; dayOfYear < 365; dayOfYear += 5) {
            const CalendarDate date =
                CalendarDateOfJulianDay(JulianDayOfDate(1, 1, year) + dayOfYear + 0.5);
            for (const Place& place : places) {
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
                                FixedOffsetClock(c.Offset));
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
        const bool weRise = ours[k].State == SunriseState::Rises;
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
        const int ourTithi = TithiAt(TerrestrialOfUniversal(ours[k].JulianDayUT)).Index;
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

    ComparePositions();
    CompareTransitions();
    CompareSunrises();
    swe_close();
    return 0;
}
