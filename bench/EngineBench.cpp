// SPDX-License-Identifier: MIT
// Benchmarks of the engine: a whole tithi computation, the Moon, the Sun, and a batch of
// 10,000 moments through the command-line tool's parser, engine steps and JSON output.
#include "RandomMoments.h"
#include "TithiCli.h"
#include "engine/report/PrepareMoment.h"
#include "engine/report/Tithi.h"
#include "engine/sky/Moon.h"
#include "engine/sky/Sun.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <random>
#include <sstream>
#include <vector>

namespace {

// Random moments and places of 1901 ... 2050, the same on every run.
using Moment = MomentInputs;

std::vector<double> RandomJulianDays(std::size_t count) {
    std::mt19937 random(2451545);
    std::uniform_real_distribution<double> days(2415385.5, 2470172.5);
    std::vector<double> jds(count);
    for (double& jd : jds) {
        jd = days(random);
    }
    return jds;
}

void WholeTithiComputation(benchmark::State& state) {
    const std::vector<Moment> moments = RandomMoments(1024);
    // One record for all runs, as the window keeps one.
    CalculationRecord rec;
    std::size_t i = 0;
    for (auto _ : state) {
        const Moment& m = moments[i++ % moments.size()];
        PrepareMomentOf(rec, m);
        ComputeTithi(rec);
        benchmark::DoNotOptimize(rec.TithiIndex);
    }
}
BENCHMARK(WholeTithiComputation);

void MoonLongitudeOfJde(benchmark::State& state) {
    const std::vector<double> jds = RandomJulianDays(1024);
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(MoonLongitude(jds[i++ % jds.size()]));
    }
}
BENCHMARK(MoonLongitudeOfJde);

void SunApparentLongitudeOfJde(benchmark::State& state) {
    const std::vector<double> jds = RandomJulianDays(1024);
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(SunApparentLongitude(jds[i++ % jds.size()]));
    }
}
BENCHMARK(SunApparentLongitudeOfJde);

void BatchOf10000Moments(benchmark::State& state) {
    std::string input;
    char line[128];
    for (const Moment& m : RandomMoments(10000)) {
        std::snprintf(line, sizeof line,
                      "%04d-%02d-%02d %02d:%02d --zone %d:%02d --lon %d:%02d%c%s\n", m.Year,
                      m.Month, m.Day, m.Hour, m.Minute, m.ZoneHour, m.ZoneMinute, m.LonDeg,
                      m.LonMin, m.LonEast ? 'E' : 'W', m.Dst ? " --dst" : "");
        input += line;
    }
    for (auto _ : state) {
        std::istringstream in(input);
        std::ostringstream out, err;
        const int status = tithi_cli::RunCli({"--batch"}, in, out, err);
        if (status != 0) {
            state.SkipWithError(err.str().c_str());
            break;
        }
        benchmark::DoNotOptimize(out.str().size());
    }
}
BENCHMARK(BatchOf10000Moments)->Unit(benchmark::kMillisecond);

} // namespace
