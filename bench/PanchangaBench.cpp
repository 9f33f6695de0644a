// SPDX-License-Identifier: MIT
// Benchmarks of the panchanga: the whole of one day (the five limbs with their begin and end,
// the risings and settings, the month), the same with its periods, a year of days, the panchanga
// of one moment, and the Moon's rising and setting on their own.
#include "RandomMoments.h"
#include "engine/day/DayFacts.h"
#include "engine/day/DayPeriods.h"
#include "engine/day/Panchanga.h"
#include "engine/day/Risings.h"
#include "engine/report/Tithi.h"

#include <benchmark/benchmark.h>

#include <vector>

namespace {

struct DateAndPlace {
    CivilDate Date;
    Place At;
    FixedOffsetClock Clock;
};

// Random dates and places of 1901 ... 2050, with the clock the form's zone gives.
std::vector<DateAndPlace> RandomDates(std::size_t count) {
    std::vector<DateAndPlace> dates;
    for (const MomentInputs& m : RandomMoments(count)) {
        CalculationRecord rec;
        PrepareMomentOf(rec, m);
        dates.push_back({{m.Year, m.Month, m.Day}, PlaceOfRecord(rec), ClockOfRecord(rec)});
    }
    return dates;
}

void WholeDayOfOneDate(benchmark::State& state) {
    const std::vector<DateAndPlace> dates = RandomDates(512);
    std::size_t i = 0;
    for (auto _ : state) {
        const DateAndPlace& d = dates[i++ % dates.size()];
        benchmark::DoNotOptimize(PanchangaOfDay(d.Date, d.At, d.Clock, SkyChoice{}));
    }
}
BENCHMARK(WholeDayOfOneDate)->Unit(benchmark::kMicrosecond);

// The whole day with its periods (rahu kalam, the muhurtas, choghadiyas, horas, amrit kalam and
// varjyam) and the Sun's and the Moon's facts at sunrise, as the day window shows it.
void WholeDayWithItsPeriods(benchmark::State& state) {
    const std::vector<DateAndPlace> dates = RandomDates(512);
    std::size_t i = 0;
    for (auto _ : state) {
        const DateAndPlace& d = dates[i++ % dates.size()];
        const PanchangaDay day = PanchangaOfDay(d.Date, d.At, d.Clock, SkyChoice{});
        benchmark::DoNotOptimize(PeriodsOfPanchangaDay(day));
        benchmark::DoNotOptimize(SkyFactsAt(day.Begins.Jde, SkyChoice{}));
    }
}
BENCHMARK(WholeDayWithItsPeriods)->Unit(benchmark::kMicrosecond);

// The periods of a date found alone, as the command-line tool finds them beside a moment.
void PeriodsOfOneDate(benchmark::State& state) {
    const std::vector<DateAndPlace> dates = RandomDates(512);
    std::size_t i = 0;
    for (auto _ : state) {
        const DateAndPlace& d = dates[i++ % dates.size()];
        benchmark::DoNotOptimize(PeriodsOfDate(d.Date, d.At, d.Clock, SkyChoice{}));
    }
}
BENCHMARK(PeriodsOfOneDate)->Unit(benchmark::kMicrosecond);

// A year of days at Delhi, as a month calendar would ask for it.
void YearOfDays(benchmark::State& state) {
    const Place delhi{77 + 13 / 60.0, 28 + 36 / 60.0};
    const FixedOffsetClock indianTime(5.5);
    for (auto _ : state) {
        benchmark::DoNotOptimize(
            PanchangaOfDays({2024, 1, 1}, {2024, 12, 31}, delhi, indianTime, SkyChoice{}));
    }
}
BENCHMARK(YearOfDays)->Unit(benchmark::kMillisecond);

void PanchangaOfOneMoment(benchmark::State& state) {
    std::vector<CalculationRecord> records(1024);
    const std::vector<MomentInputs> moments = RandomMoments(records.size());
    std::vector<double> instants;
    for (std::size_t k = 0; k < records.size(); ++k) {
        PrepareMomentOf(records[k], moments[k]);
        instants.push_back(EvaluateTithiMoment(records[k]).JulianDayUT);
    }
    std::size_t i = 0;
    for (auto _ : state) {
        const std::size_t k = i++ % records.size();
        benchmark::DoNotOptimize(PanchangaOfMoment(instants[k], PlaceOfRecord(records[k]),
                                                   ClockOfRecord(records[k]), SkyChoice{}));
    }
}
BENCHMARK(PanchangaOfOneMoment)->Unit(benchmark::kMicrosecond);

// Moonrise and moonset of one date with a window of the sky of their own.
void MoonriseAndMoonsetOfOneDate(benchmark::State& state) {
    const std::vector<DateAndPlace> dates = RandomDates(512);
    std::size_t i = 0;
    for (auto _ : state) {
        const DateAndPlace& d = dates[i++ % dates.size()];
        benchmark::DoNotOptimize(MoonCrossingsOnDate(d.Date, d.At, d.Clock, SkyChoice{}));
    }
}
BENCHMARK(MoonriseAndMoonsetOfOneDate)->Unit(benchmark::kMicrosecond);

} // namespace
