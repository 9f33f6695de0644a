// SPDX-License-Identifier: MIT
// Benchmarks of the calendar: a month view's days (under 20 ms, so that paging feels instant), a
// year's iCalendar file of each kind (under 100 ms), and the next ten anniversaries of a tithi
// in a given lunar month (under 50 ms).
#include "engine/calendar/Calendar.h"
#include "engine/calendar/CalendarExport.h"

#include <benchmark/benchmark.h>

namespace {

const Place Delhi{77 + 13 / 60.0, 28 + 36 / 60.0};
const FixedOffsetClock IndianTime(5.5);

// The months of 1901 ... 2050 in turn, as a user paging would ask for them.
void MonthViewDays(benchmark::State& state) {
    int month = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(
            CalendarMonth(1901 + month / 12 % 150, month % 12 + 1, Delhi, IndianTime, SkyChoice{}));
        ++month;
    }
}
BENCHMARK(MonthViewDays)->Unit(benchmark::kMillisecond);

// The whole file of 2024: 0 each day's tithi at sunrise, 1 each tithi's span, 2 the vrata days.
void YearCalendarFile(benchmark::State& state) {
    const auto kind = static_cast<CalendarEventKind>(state.range(0));
    std::size_t bytes = 0;
    for (auto _ : state) {
        const std::string file =
            CalendarFileOf({{2024, 1, 1}, {2024, 12, 31}, kind, {}, "Delhi", {}, {}}, Delhi,
                           IndianTime, 2460600.5);
        bytes = file.size();
        benchmark::DoNotOptimize(file);
    }
    state.counters["bytes"] = static_cast<double>(bytes);
}
BENCHMARK(YearCalendarFile)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

// Janmashtami (amanta Shravana Krishna Ashtami) in the next ten years from 2025, an adhika year
// among them.
void TenAnniversaries(benchmark::State& state) {
    const TithiQuery query{22, 4, MonthReckoning::Amanta};
    for (auto _ : state) {
        benchmark::DoNotOptimize(FindTithi(query, {2025, 1, 1}, 10, SearchDirection::Forward, Delhi,
                                           IndianTime, SkyChoice{}));
    }
}
BENCHMARK(TenAnniversaries)->Unit(benchmark::kMillisecond);

} // namespace
