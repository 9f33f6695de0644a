// SPDX-License-Identifier: MIT
// Fuzzes the engine with record values the form would never give it: any 16-bit date, time,
// zone and longitude, any flag values, and any finite Julian day for the two theories. The
// engine must answer in bounded time with a tithi index of 0 ... 29, or -1 where the moment
// lies beyond its theories, and a longitude in 0 ... 360 or not a number. For a moment of the
// years the engine serves, the day's panchanga at any place (any latitude and longitude, not a
// number included) gives the report's tithi on the report's theories and keeps its indexes in
// range on the modern ephemeris; and any text goes into an iCalendar file.
#include "FuzzInput.h"
#include "engine/calendar/ICalendar.h"
#include "engine/day/DayFacts.h"
#include "engine/day/DayPeriods.h"
#include "engine/day/Panchanga.h"
#include "engine/report/CalculationRecord.h"
#include "engine/report/PrepareMoment.h"
#include "engine/report/Tithi.h"
#include "engine/report/TithiReport.h"
#include "engine/sky/Moon.h"
#include "engine/sky/Sun.h"

#include <cmath>
#include <cstdlib>
#include <string>

namespace {

// 1901 January 1 and 2051 January 1, 0h UT: the years the engine serves.
constexpr double FirstServedJd = 2415385.5;
constexpr double EndOfServedJd = 2470172.5;

bool IsLongitude(double degrees) {
    return std::isnan(degrees) || (degrees >= 0 && degrees <= 360);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzInput input(data, size);

    CalculationRecord record;
    record.BirthMonth = input.Take<std::int16_t>();
    record.BirthDay = input.Take<std::int16_t>();
    record.BirthYear = input.Take<std::int16_t>();
    record.BirthHour = input.Take<std::int16_t>();
    record.BirthMinute = input.Take<std::int16_t>();
    record.ZoneHour = input.Take<std::int16_t>();
    record.ZoneMinute = input.Take<std::int16_t>();
    record.LonDeg = input.Take<std::int16_t>();
    record.LonMin = input.Take<std::int16_t>();
    record.LonEast = input.Take<std::int16_t>();
    record.DstFlag = input.Take<std::int16_t>();
    PrepareMoment(record);
    ComputeTithi(record);
    if (!(record.TithiIndex == -1 || (record.TithiIndex >= 0 && record.TithiIndex <= 29)))
        std::abort();
    (void)MakeTithiReport(record);

    const double longitude = input.Take<double>();
    const double latitude = input.Take<double>();
    // The moment itself, not the record's year, must lie in the years served: a month of 8193
    // carries the date centuries on.
    const double jd = EvaluateTithiMoment(record).JulianDayUT;
    if (record.TithiIndex >= 0 && jd >= FirstServedJd && jd < EndOfServedJd) {
        const FixedOffsetClock clock(ClockOffsetHours(record));
        // On the report's own theories the day's tithi is the report's. The modern ephemeris may
        // put a boundary on the other side of the moment (seconds from it in these years), so
        // its indexes are held to their ranges.
        const PanchangaMoment classical =
            PanchangaOfMoment(jd, {longitude, latitude}, clock,
                              SkyChoice{EphemerisKind::Classical, AyanamsaKind::Lahiri});
        if (classical.Tithi.Index != static_cast<int>(record.TithiIndex))
            std::abort();
        const PanchangaMoment day =
            PanchangaOfMoment(jd, {longitude, latitude}, clock, SkyChoice{});
        if (day.Tithi.Index < 0 || day.Tithi.Index > 29 || day.Nakshatra.Index < 0 ||
            day.Nakshatra.Index > 26 || day.Yoga.Index < 0 || day.Yoga.Index > 26 || day.Vara < 0 ||
            day.Vara > 6 || day.Month.Amanta.Index < 0 || day.Month.Amanta.Index > 11)
            std::abort();
        // The date's periods, where the Sun rises and sets, lie in order within its day; the
        // Moon's sign and lit share are in range.
        const DayPeriodsOfDate periods =
            PeriodsOfDate(day.Date, {longitude, latitude}, clock, SkyChoice{});
        if (periods.Defined) {
            const DayPeriods& p = periods.Periods;
            double last = periods.Sunrise;
            for (const ChoghadiyaPeriod& c : p.Choghadiyas) {
                if (!(c.Span.Begins == last && c.Span.Ends > c.Span.Begins) || c.Kind < 0 ||
                    c.Kind >= ChoghadiyaKindCount)
                    std::abort();
                last = c.Span.Ends;
            }
            if (last != periods.NextSunrise || !(p.RahuKalam.Begins >= periods.Sunrise) ||
                !(p.BrahmaMuhurta.Ends < periods.NextSunrise))
                std::abort();
        }
        const SkyFacts sky = SkyFactsAt(day.Moment.Jde, SkyChoice{});
        if (sky.MoonRashi < 0 || sky.MoonRashi > 11 || !(sky.MoonIllumination >= 0) ||
            !(sky.MoonIllumination <= 1) || !(sky.MoonRashiEnds > day.Moment.Jde))
            std::abort();
    }

    const double jde = input.Take<double>();
    if (std::isfinite(jde)) {
        if (!IsLongitude(MoonLongitude(jde)) || !IsLongitude(SunApparentLongitude(jde)))
            std::abort();
    }
    const double angle = input.Take<double>();
    if (!IsLongitude(Normalize360(angle)))
        std::abort();

    const std::string text(input.Rest());
    CalendarEvent event{text, text, text, false, {}, 2451545, 2451546, {text}};
    const std::string file =
        ICalendarOf({"-//Kestrava//Fuzz//EN", text, 2451545, 2451545, 2451546, text}, {event},
                    FixedOffsetClock(5.5));
    if (file.find("END:VCALENDAR\r\n") == std::string::npos)
        std::abort();
    return 0;
}
