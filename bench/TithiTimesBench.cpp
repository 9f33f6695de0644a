// Benchmarks of the begin and end of a tithi: the search for one moment, the whole day of a
// moment (begin, end, sunrise, karana), one sunrise, and a year of tithis through the
// command-line tool's almanac.
#include "TithiCli.h"
#include "ephemeris/Ephemeris.h"
#include "panchanga/Sunrise.h"
#include "panchanga/Tithi.h"
#include "panchanga/TithiDay.h"
#include "panchanga/TithiTimes.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <random>
#include <sstream>
#include <vector>

namespace {

// Random moments and places of 1901 ... 2050 as the window prepares them, the same on every run.
std::vector<CalculationRecord> RandomRecords(std::size_t count) {
    std::mt19937 random(2451545);
    auto between = [&](int low, int high) {
        return static_cast<std::int16_t>(std::uniform_int_distribution<int>(low, high)(random));
    };
    std::vector<CalculationRecord> records(count);
    for (CalculationRecord& rec : records) {
        rec.BirthYear = between(1901, 2050);
        rec.BirthMonth = between(1, 12);
        rec.BirthDay = between(1, 28);
        rec.BirthHour = between(0, 23);
        rec.BirthMinute = between(0, 59);
        rec.ZoneHour = between(0, 13);
        rec.ZoneMinute = between(0, 59);
        rec.LonDeg = between(0, 179);
        rec.LonEast = ToFlag(between(0, 1) == 1);
        rec.LatDeg = between(0, 60);
        rec.LatSouth = ToFlag(between(0, 1) == 1);
        PrepareMoment(rec);
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
        benchmark::DoNotOptimize(FindTithiSpan(moments[i++ % moments.size()]));
    }
}
BENCHMARK(BeginAndEndOfOneMoment)->Unit(benchmark::kMicrosecond);

// What the window adds to a calculation: the driver again, begin and end with the window's
// minutes, the sunrise and the tithi then, the karana, and the texts.
void TithiDayTextsOfOneMoment(benchmark::State& state) {
    const std::vector<CalculationRecord> records = RandomRecords(256);
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(MakeTithiDayTexts(records[i++ % records.size()]));
    }
}
BENCHMARK(TithiDayTextsOfOneMoment)->Unit(benchmark::kMicrosecond);

void SunriseOfOneDate(benchmark::State& state) {
    const std::vector<CalculationRecord> records = RandomRecords(1024);
    std::size_t i = 0;
    for (auto _ : state) {
        const CalculationRecord& rec = records[i++ % records.size()];
        benchmark::DoNotOptimize(SunriseOnDate(rec.BirthMonth, rec.BirthDay, rec.BirthYear,
                                               ClockOffsetHours(rec), rec.Longitude,
                                               SignedLatitude(rec)));
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

} // namespace
