// kestrava-tithi's calls of the engine: the record filled as the window fills it, the tithi of
// a moment and the tithis between two dates, with their instants on the place's clock.
#include "Compute.h"

#include "engine/Almanac.h"
#include "engine/CalculationRecord.h"
#include "engine/ICalendar.h"
#include "engine/Karana.h"
#include "engine/PrepareMoment.h"
#include "engine/Tithi.h"
#include "engine/TithiDay.h"

#include <cmath>
#include <cstdio>

namespace tithi_cli {

namespace {

// The record as the window fills it; the parser has bounded every value.
CalculationRecord PreparedRecord(const MomentArguments& moment) {
    CalculationRecord rec;
    PrepareMomentOf(rec, moment);
    return rec;
}

// An instant on the place's clock in ISO 8601 with the clock's offset from Universal Time:
// 2024-01-11T17:27:03+05:30.
std::string IsoTime(double civilJd, ClockRounding rounding, double offsetHours) {
    const ClockReading r = ReadClock(civilJd, rounding);
    char text[64];
    std::snprintf(text, sizeof text, "%04d-%02d-%02dT%02d:%02d:%02d", r.Year, r.Month, r.Day,
                  r.Hour, r.Minute, r.Second);
    return text + OffsetText(offsetHours);
}

} // namespace
std::optional<TithiResult> ComputeResult(const MomentArguments& moment) {
    CalculationRecord rec = PreparedRecord(moment);
    const TithiMoment m = ComputeTithiMoment(rec);
    const auto texts = MakeTithiReport(rec);
    if (!texts) {
        return std::nullopt;
    }
    const std::optional<TithiDay> day = ComputeTithiDay(rec, m, moment.HasLat);
    if (!day) {
        return std::nullopt;
    }
    TithiResult result;
    result.Index = m.Tithi.Index;
    result.Texts = *texts;
    result.Moon = m.Moon;
    result.Sun = m.Sun;
    result.Elongation = m.Tithi.Elongation;
    result.Jde = m.JulianDayTT;
    // Each instant with the offset in force then.
    result.Begins = IsoTime(day->BeginCivil, ClockRounding::UpToSecond, day->BeginOffsetHours);
    result.Ends = IsoTime(day->EndCivil, ClockRounding::UpToSecond, day->EndOffsetHours);
    if (day->Sunrise == SunriseState::Rises) {
        result.Sunrise =
            IsoTime(day->SunriseCivil, ClockRounding::NearestSecond, day->SunriseOffsetHours);
        result.SunriseTithi = TithiTitle(day->SunriseTithi);
    } else if (!moment.HasLat) {
        result.SunriseNote = "not computed: give --lat";
    } else {
        result.SunriseNote = DescribeTithiDay(*day).Sunrise;
    }
    result.Karana = KaranaName(day->Karana);
    return result;
}

std::vector<AlmanacEntry> ComputeAlmanac(const Invocation& almanac) {
    MomentArguments place = almanac.Moment;
    place.Year = almanac.From.Year;
    place.Month = almanac.From.Month;
    place.Day = almanac.From.Day;
    const CalculationRecord rec = PreparedRecord(place);
    const CivilDateRange dates = {{almanac.From.Year, almanac.From.Month, almanac.From.Day},
                                  {almanac.To.Year, almanac.To.Month, almanac.To.Day}};
    std::vector<AlmanacEntry> entries;
    for (const AlmanacSpan& span :
         ::ComputeAlmanac(PlaceOfRecord(rec), ClockOfRecord(rec), dates, Limb::Tithi)) {
        entries.push_back(
            {span.Index, TithiTitle(span.Index),
             IsoTime(span.BeginCivil(), ClockRounding::UpToSecond, span.BeginOffsetHours),
             IsoTime(span.EndCivil(), ClockRounding::UpToSecond, span.EndOffsetHours)});
    }
    return entries;
}

} // namespace tithi_cli
