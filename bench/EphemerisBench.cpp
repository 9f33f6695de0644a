// SPDX-License-Identifier: MIT
// Benchmarks of the two ephemerides side by side (argument 0: modern, 1: classical): the
// elongation at one instant, the Moon and the Sun with the nutation, the whole panchanga of a
// day, and a year of days.
#include "RandomMoments.h"
#include "engine/day/Panchanga.h"
#include "engine/limbs/Elongation.h"
#include "engine/report/PrepareMoment.h"
#include "engine/sky/Ephemeris.h"

#include <benchmark/benchmark.h>

#include <random>
#include <vector>

namespace {

const Ephemeris& Chosen(const benchmark::State& state) {
    return EphemerisOf(state.range(0) == 0 ? EphemerisKind::Modern : EphemerisKind::Classical);
}

std::vector<double> Instants(std::size_t count) {
    std::mt19937 random(2451545);
    std::uniform_real_distribution<double> days(2415385.5, 2470172.5);
    std::vector<double> jdes(count);
    for (double& jde : jdes) {
        jde = days(random);
    }
    return jdes;
}

void ElongationAtOneInstant(benchmark::State& state) {
    const Ephemeris& ephemeris = Chosen(state);
    const std::vector<double> jdes = Instants(1024);
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(TithiAt(jdes[i++ % jdes.size()], ephemeris).Elongation);
    }
}
BENCHMARK(ElongationAtOneInstant)->Arg(0)->Arg(1);

void MoonSunAndNutation(benchmark::State& state) {
    const Ephemeris& ephemeris = Chosen(state);
    const std::vector<double> jdes = Instants(1024);
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(ephemeris.LongitudesAt(jdes[i++ % jdes.size()]));
        benchmark::DoNotOptimize(ephemeris.MoonPlace(jdes[i % jdes.size()]));
    }
}
BENCHMARK(MoonSunAndNutation)->Arg(0)->Arg(1);

void WholeDayOn(benchmark::State& state) {
    const Ephemeris& ephemeris = Chosen(state);
    std::vector<CalculationRecord> records(256);
    const std::vector<MomentInputs> moments = RandomMoments(records.size());
    for (std::size_t k = 0; k < records.size(); ++k) {
        PrepareMomentOf(records[k], moments[k]);
    }
    std::size_t i = 0;
    for (auto _ : state) {
        const MomentInputs& m = moments[i % moments.size()];
        const CalculationRecord& rec = records[i++ % records.size()];
        benchmark::DoNotOptimize(PanchangaOfDay({m.Year, m.Month, m.Day}, PlaceOfRecord(rec),
                                                ClockOfRecord(rec), SkyChoice{ephemeris.Kind()}));
    }
}
BENCHMARK(WholeDayOn)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

void YearOfDaysOn(benchmark::State& state) {
    const Ephemeris& ephemeris = Chosen(state);
    const Place delhi{77 + 13 / 60.0, 28 + 36 / 60.0};
    const FixedOffsetClock indianTime(5.5);
    for (auto _ : state) {
        benchmark::DoNotOptimize(PanchangaOfDays({2024, 1, 1}, {2024, 12, 31}, delhi, indianTime,
                                                 SkyChoice{ephemeris.Kind()}));
    }
}
BENCHMARK(YearOfDaysOn)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

} // namespace
