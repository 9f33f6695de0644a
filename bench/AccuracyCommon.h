// SPDX-License-Identifier: MIT
// What the comparisons of kestrava_accuracy share: the years compared, the ephemeris measured,
// the sizes of a set of differences, and the Swiss Ephemeris' longitudes, crossings and Delta T.
#pragma once

#include "engine/limbs/Limbs.h"
#include "engine/sky/Ephemeris.h"

#include <chrono>
#include <cstddef>
#include <vector>

namespace accuracy {

inline constexpr double FirstDay = 2415385.5; // 1901-01-01 0h
inline constexpr double LastDay = 2470172.5;  // 2051-01-01 0h
inline constexpr double SecondsPerDay = 86400;

// The ephemeris measured: each run of the comparisons takes one (main sets it).
extern const Ephemeris* Theories;
// The Swiss Ephemeris' flags: its data files, or its analytic theory where they are missing.
extern int EphemerisFlags;

// Signed difference of two angles, seconds of arc, -648000 ... 648000.
double ArcsecondsBetween(double a, double b);

// Largest, typical (median and 95th percentile of the size) and mean (with its sign).
class Differences {
public:
    void Add(double value, double when);
    void Print(const char* what, const char* unit) const;

private:
    std::vector<double> values_;
    double largest_ = 0;
    double largestAt_ = 0;
};

void PrintHeading(const char* title);

// The differences of a run of transitions: in Terrestrial Time, and in Universal Time over
// periods of years, each printed as a row.
class TransitionDifferences {
public:
    // lastYears: the last year of each period of Universal Time, in order (1950, 2000, 2050).
    explicit TransitionDifferences(std::vector<int> lastYears);
    // Ours and the reference's instant of one transition, Julian days in TT.
    void Add(double oursJde, double swissJde);
    void Print() const;

private:
    std::vector<int> lastYears_;
    Differences terrestrial_;
    std::vector<Differences> universal_;
};

using Clock = std::chrono::steady_clock;
double MicrosecondsEach(Clock::time_point start, Clock::time_point end, std::size_t count);

// The two longitudes of one moment, degrees.
struct Longitudes {
    double Moon, Sun;
};
Longitudes SwissAt(double jde);
double SwissElongation(double jde);

// The mean Lahiri ayanamsa of the Swiss Ephemeris (its SE_SIDM_LAHIRI without nutation), and
// its nutation in longitude, degrees.
double SwissAyanamsa(double jde);
double SwissNutation(double jde);

// The sidereal longitudes as the engine reckons them, on the Swiss Ephemeris: the apparent
// longitude less the mean ayanamsa and the nutation.
struct Sidereal {
    double Moon, Sun;
};
Sidereal SwissSidereal(double jde);
double SwissNakshatraAngle(double jde);
double SwissYogaAngle(double jde);

// The crossing of an angle (the elongation, by default) by the Swiss Ephemeris: the same secant
// search as the engine's, on the other ephemeris, from the engine's instant.
double SwissCrossing(double target, double near, double (*angle)(double) = SwissElongation);

// Universal Time of a Terrestrial Time by the Swiss Ephemeris' own Delta T.
double SwissUniversal(double jde);

// The comparisons, each printing its table.
void ComparePositions();
void CompareSiderealPlaces();
void CompareTransitions();
void CompareSiderealTransitions(Limb limb, double (*swissAngle)(double), const char* title);
void CompareSankrantis();
void CompareSunrises();
void CompareMoonRisings();
void CompareLunarMonths();
void CompareCalendarDays();

} // namespace accuracy
