// SPDX-License-Identifier: MIT
// Benchmarks of the places: a completion query over the whole directory as the user types, the
// directory's opening from its data, and a named zone's offset at an instant.
#include "places/NamedZoneClock.h"
#include "places/PlaceDirectory.h"

#include <QResource>

#include <benchmark/benchmark.h>

#include <random>
#include <vector>

namespace {

// What the City box holds after a few key presses.
void CompletionQuery(benchmark::State& state, const char* typed) {
    const PlaceDirectory& directory = PlaceDirectory::BuiltIn();
    const PlaceQuery query{QString::fromUtf8(typed)};
    for (auto _ : state) {
        benchmark::DoNotOptimize(directory.Complete(query, 10));
    }
}
BENCHMARK_CAPTURE(CompletionQuery, s, "s")->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK_CAPTURE(CompletionQuery, pu, "pu")->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK_CAPTURE(CompletionQuery, san, "san")->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK_CAPTURE(CompletionQuery, sao_p, "sao p")->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK_CAPTURE(CompletionQuery, bomb, "bomb")->Repetitions(5)->ReportAggregatesOnly(true);

void CompletionQueryNarrowed(benchmark::State& state) {
    const PlaceDirectory& directory = PlaceDirectory::BuiltIn();
    const PlaceQuery query{QStringLiteral("sa"), QStringLiteral("Maha"), QStringLiteral("IN")};
    for (auto _ : state) {
        benchmark::DoNotOptimize(directory.Complete(query, 10));
    }
}
BENCHMARK(CompletionQueryNarrowed)->Repetitions(5)->ReportAggregatesOnly(true);

// Opening the directory: reading and checking the built-in data, as the first use does.
void DirectoryLoad(benchmark::State& state) {
    const QByteArray data = QResource(QStringLiteral(":/kestrava/places.bin")).uncompressedData();
    for (auto _ : state) {
        benchmark::DoNotOptimize(PlaceDirectory::FromData(data));
    }
}
BENCHMARK(DirectoryLoad)->Unit(benchmark::kMillisecond);

// A named zone's offset at random instants of 1901 ... 2050, through the civil clock.
void NamedZoneOffset(benchmark::State& state, const char* zone) {
    const std::optional<NamedZoneClock> clock = NamedZoneClock::Open(QString::fromLatin1(zone));
    std::mt19937 random(2451545);
    std::uniform_real_distribution<double> days(2415385.5, 2470172.5);
    std::vector<double> jds(1024);
    for (double& jd : jds) {
        jd = days(random);
    }
    const CivilClock& civil = *clock;
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(civil.OffsetHoursAt(jds[i++ % jds.size()]));
    }
}
BENCHMARK_CAPTURE(NamedZoneOffset, new_york, "America/New_York");
BENCHMARK_CAPTURE(NamedZoneOffset, kolkata, "Asia/Kolkata");

} // namespace
