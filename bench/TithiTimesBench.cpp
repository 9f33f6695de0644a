// SPDX-License-Identifier: MIT
// Benchmarks of the begin and end of a tithi: the search for one moment, the whole day of a
// moment (begin, end, sunrise, karana), one sunrise, and a year of tithis through the
// command-line tool's almanac.
#include "RandomMoments.h"
#include "TithiCli.h"
#include "engine/day/Sunrise.h"
#include "engine/report/PrepareMoment.h"
#include "engine/report/Tithi.h"
#include "engine/report/TithiDay.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <random>
#include <sstream>
#include <vector>

namespace {

// Random moments and places, prepared as the window prepares them.
std::vector<CalculationRecord> RandomRecords(std::size_t count) {
    std::vector<CalculationRecord> records(count);
    const std::vector<MomentInputs> moments = RandomMoments(count);
    for (std::size_t k = 0; k < count; ++k) {
        PrepareMomentOf(records[k], moments[k]);
    }
    return records;
}

// The begin/end search alone, from the driver's values of the moment.
void BeginAndEndOfOneMoment(benchmark::State& state) {
    std::vector<TithiMoment> moments;
    for (const CalculationRecord& rec : RandomRecords(1024)) {
        moments.push_back(EvaluateTithiMoment(rec));
    }
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(FindTithiSpan(moments[i++ % moments.size()], SkyChoice{}));
    }
}
BENCHMARK(BeginAndEndOfOneMoment)->Unit(benchmark::kMicrosecond);

// What the window adds to a calculation: the driver again, begin and end with the window's
// minutes, the sunrise and the tithi then, the karana, and the texts.
void TithiDayTextsOfOneMoment(benchmark::State& state) {
    const std::vector<CalculationRecord> records = RandomRecords(256);
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(MakeTithiDayTexts(records[i++ % records.size()], SkyChoice{}));
    }
}
BENCHMARK(TithiDayTextsOfOneMoment)->Unit(benchmark::kMicrosecond);

void SunriseOfOneDate(benchmark::State& state) {
    const std::vector<CalculationRecord> records = RandomRecords(1024);
    std::size_t i = 0;
    for (auto _ : state) {
        const CalculationRecord& rec = records[i++ % records.size()];
        benchmark::DoNotOptimize(SunriseOnDate({rec.BirthYear, rec.BirthMonth, rec.BirthDay},
                                               PlaceOfRecord(rec), ClockOfRecord(rec)));
    }
}
BENCHMARK(SunriseOfOneDate)->Unit(benchmark::kMicrosecond);

// kestrava-tithi --from 2024-01-01 --to 2024-12-31 ...: parsing, the search of every transition
// and the JSON lines, written to memory.
void AlmanacOfOneYear(benchmark::State& state) {
    const std::vector<std::string> args = {"--from", "2024-01-01", "--to",     "2024-12-31",
                                           "--zone", "5:30",       "--lon",    "77:13E",
                                           "--lat",  "28:36N",     "--format", "json"};
    std::size_t lines = 0;
    for (auto _ : state) {
        std::istringstream in;
        std::ostringstream out, err;
        if (tithi_cli::RunCli(args, in, out, err) != 0) {
            state.SkipWithError(err.str().c_str());
            break;
        }
        const std::string text = out.str();
        lines = static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n'));
        benchmark::DoNotOptimize(text.size());
    }
    state.counters["tithis"] = static_cast<double>(lines);
}
BENCHMARK(AlmanacOfOneYear)->Unit(benchmark::kMillisecond);

// The same year on the named zone of the same offset: the zone is read once, and the astronomy
// after it must take no longer than with the typed zone (bench/named-zone.sh holds the
// executable to 1.2 times).
void AlmanacOfOneYearNamedZone(benchmark::State& state) {
    const std::vector<std::string> args = {"--from", "2024-01-01",   "--to",     "2024-12-31",
                                           "--tz",   "Asia/Kolkata", "--lon",    "77:13E",
                                           "--lat",  "28:36N",       "--format", "json"};
    for (auto _ : state) {
        std::istringstream in;
        std::ostringstream out, err;
        if (tithi_cli::RunCli(args, in, out, err) != 0) {
            state.SkipWithError(err.str().c_str());
            break;
        }
        benchmark::DoNotOptimize(out.str().size());
    }
}
BENCHMARK(AlmanacOfOneYearNamedZone)->Unit(benchmark::kMillisecond);

} // namespace
