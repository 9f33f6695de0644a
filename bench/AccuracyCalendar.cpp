// SPDX-License-Identifier: MIT
// kestrava_accuracy's comparisons of the calendar: the lunar months of 1901-2050 with their
// adhika and kshaya months, and the calendar's days at three places.
#include "AccuracyCommon.h"

#include "engine/calendar/Calendar.h"
#include "engine/day/LunarMonth.h"
#include "engine/day/Sunrise.h"
#include "engine/present/PanchangaNames.h"
#include "engine/report/Tithi.h"
#include "engine/sky/Ayanamsa.h"
#include "engine/time/TimeScales.h"

#include <swephexp.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

namespace accuracy {

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

} // namespace accuracy
