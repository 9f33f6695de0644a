// kestrava-tithi's calls of the engine: the record filled as the window fills it, the tithi of
// a moment and the tithis between two dates, with their instants on the place's clock.
#include "Compute.h"

#include "engine/CalculationRecord.h"
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
    const long minutes = std::isfinite(offsetHours) ? std::lround(std::fabs(offsetHours) * 60) : 0;
    char text[64];
    std::snprintf(text, sizeof text, "%04d-%02d-%02dT%02d:%02d:%02d%c%02ld:%02ld", r.Year, r.Month,
                  r.Day, r.Hour, r.Minute, r.Second, offsetHours < 0 ? '-' : '+', minutes / 60,
                  minutes % 60);
    return text;
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
    const double offset = day->ClockOffsetHours;
    result.Begins = IsoTime(day->BeginCivil, ClockRounding::UpToSecond, offset);
    result.Ends = IsoTime(day->EndCivil, ClockRounding::UpToSecond, offset);
    if (day->Sunrise == SunriseState::Rises) {
        result.Sunrise = IsoTime(day->SunriseCivil, ClockRounding::NearestSecond, offset);
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
    const double offset = ClockOffsetHours(rec);
    // From the midnight that opens the first date to the one that closes the last.
    const double fromUT =
        JulianDayOfDate(almanac.From.Month, almanac.From.Day, almanac.From.Year) - offset / 24;
    const double toUT =
        JulianDayOfDate(almanac.To.Month, almanac.To.Day, almanac.To.Year) + 1 - offset / 24;
    std::vector<AlmanacEntry> entries;
    for (const TithiSpan& span :
         TithisBeginningBetween(TerrestrialOfUniversal(fromUT), TerrestrialOfUniversal(toUT))) {
        entries.push_back({span.Index, TithiTitle(span.Index),
                           IsoTime(UniversalOfTerrestrial(span.BeginJde) + offset / 24,
                                   ClockRounding::UpToSecond, offset),
                           IsoTime(UniversalOfTerrestrial(span.EndJde) + offset / 24,
                                   ClockRounding::UpToSecond, offset)});
    }
    return entries;
}

} // namespace tithi_cli
