// SPDX-License-Identifier: MIT
// Benchmarks of the calendar: a month view's days (under 20 ms, so that paging feels instant), a
// year's iCalendar file of each kind (under 100 ms), and the next ten anniversaries of a tithi
// in a given lunar month (under 50 ms); a year's festivals at a place (under 30 ms), and a month
// view with its festivals (under 20 ms).
#include "engine/calendar/Calendar.h"
#include "engine/calendar/CalendarExport.h"
#include "engine/calendar/Festivals.h"

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
            CalendarFileOf({{2024, 1, 1}, {2024, 12, 31}, kind, {}, "Delhi", {}, {}, {}}, Delhi,
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

// Every festival of a year at Delhi, by the rules of the table, the years 2020 ... 2029 in turn.
void YearOfFestivals(benchmark::State& state) {
    const FestivalTable& table = BuiltInFestivalTable();
    int year = 0;
    for (auto _ : state) {
        const int y = 2020 + year++ % 10;
        benchmark::DoNotOptimize(FestivalsBetween({y, 1, 1}, {y, 12, 31}, Delhi, IndianTime, table));
    }
}
BENCHMARK(YearOfFestivals)->Unit(benchmark::kMillisecond);

// A month view's days and its festivals, as the window asks for them.
void MonthViewWithFestivals(benchmark::State& state) {
    const FestivalTable& table = BuiltInFestivalTable();
    int month = 0;
    for (auto _ : state) {
        const int y = 2020 + month / 12 % 10, m = month % 12 + 1;
        benchmark::DoNotOptimize(CalendarMonth(y, m, Delhi, IndianTime, SkyChoice{}));
        benchmark::DoNotOptimize(
            FestivalsBetween({y, m, 1}, {y, m, DaysInMonth(y, m)}, Delhi, IndianTime, table));
        ++month;
    }
}
BENCHMARK(MonthViewWithFestivals)->Unit(benchmark::kMillisecond);

} // namespace
