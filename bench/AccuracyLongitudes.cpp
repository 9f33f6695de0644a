// SPDX-License-Identifier: MIT
// kestrava_accuracy's comparisons of the longitudes: the Moon's and the Sun's apparent places,
// the Moon's latitude and distance, the ayanamsa and the sidereal places, and the transitions of
// the tithi, the nakshatra and the yoga and the sankrantis over 1901-2050.
#include "AccuracyCommon.h"

#include "engine/day/Sankranti.h"
#include "engine/limbs/Limbs.h"
#include "engine/report/Tithi.h"
#include "engine/sky/Ayanamsa.h"
#include "engine/sky/MoonLatitude.h"
#include "engine/time/TimeScales.h"

#include <swephexp.h>

#include <cstdio>
#include <vector>

namespace accuracy {

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

    TransitionDifferences differences({1950, 2000, 2050});
    for (std::size_t k = 0; k < spans.size(); ++k) {
        differences.Add(spans[k].BeginJde, swiss[k]);
    }
    PrintHeading("Tithi transitions (the elongation crossing a multiple of 12 degrees), Kestrava "
                 "minus Swiss Ephemeris:");
    differences.Print();
    std::printf("  time per transition:               Kestrava %.2f us, Swiss Ephemeris %.2f us "
                "(the same secant search)\n",
                MicrosecondsEach(start, middle, spans.size()),
                MicrosecondsEach(middle, end, spans.size()));
}

// The Moon's latitude and distance, the Lahiri ayanamsa the ephemeris reckons with (the
// Committee's with the classical one, as restated in 1989 with the modern one) and the sidereal
// longitudes.
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
        ayanamsa.Add((MeanAyanamsa(SkyChoice{Theories->Kind()}, jde) - SwissAyanamsa(jde)) * 3600,
                     jde);
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

    TransitionDifferences differences({1950, 2000, 2050});
    for (std::size_t k = 0; k < spans.size(); ++k) {
        differences.Add(spans[k].BeginJde, swiss[k]);
    }
    PrintHeading(title);
    differences.Print();
    std::printf("  time per transition:               Kestrava %.2f us, Swiss Ephemeris %.2f us "
                "(the same secant search)\n",
                MicrosecondsEach(start, middle, spans.size()),
                MicrosecondsEach(middle, end, spans.size()));
}

// The sankrantis (the Sun's sidereal longitude, Lahiri, crossing a multiple of 30 degrees) over
// the whole range.
void CompareSankrantis() {
    const auto swissSun = [](double jde) { return SwissSidereal(jde).Sun; };
    auto start = Clock::now();
    const std::vector<Sankranti> entries =
        SankrantisBetween(FirstDay, LastDay, SkyChoice{Theories->Kind()});
    auto middle = Clock::now();
    std::vector<double> swiss(entries.size());
    for (std::size_t k = 0; k < entries.size(); ++k) {
        swiss[k] = SwissCrossing(30.0 * entries[k].Rashi, entries[k].Jde, swissSun);
    }
    auto end = Clock::now();

    TransitionDifferences differences({2000, 2050});
    for (std::size_t k = 0; k < entries.size(); ++k) {
        differences.Add(entries[k].Jde, swiss[k]);
    }
    PrintHeading("Sankrantis (the Sun's sidereal longitude crossing a multiple of 30 degrees), "
                 "Kestrava minus Swiss Ephemeris:");
    differences.Print();
    std::printf("  time per sankranti:                Kestrava %.2f us, Swiss Ephemeris %.2f us\n",
                MicrosecondsEach(start, middle, entries.size()),
                MicrosecondsEach(middle, end, entries.size()));
}

} // namespace accuracy
