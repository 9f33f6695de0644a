// SPDX-License-Identifier: MIT
// The tithi's day around an entered moment, and the lines that describe it.
#include "engine/report/TithiDay.h"

#include "engine/limbs/Karana.h"
#include "engine/report/PrepareMoment.h"
#include "engine/report/TithiReport.h"

#include <cmath>
#include <cstdio>

namespace {

constexpr double DaysPerMinute = 1.0 / 1440;

// The tithi the driver gives for a reading of the place's clock, as if it had been entered; on
// another ephemeris, the tithi that one gives at the same instant of Universal Time.
int DriverIndexAt(const CivilClock& clock, const ClockReading& reading,
                  const Ephemeris& ephemeris) {
    const ResolvedReading resolved = ResolveReading(clock, CivilJulianDay(reading));
    // A minute the clock skips is read with the offset after the change.
    const double offset = resolved.OffsetHours.value_or(resolved.OffsetAfter);
    const double hours = reading.Hour + reading.Minute / 60.0; // as PrepareMoment forms it
    const TithiMoment driver =
        EvaluateTithiMomentAt({reading.Year, reading.Month, reading.Day}, hours, offset);
    if (ephemeris.Kind() == EphemerisKind::Classical) {
        return driver.Tithi.Index;
    }
    return TithiAt(ephemeris.TerrestrialOfUniversal(driver.JulianDayUT), ephemeris).Index;
}

ClockReading MinutesLater(const ClockReading& reading, int minutes) {
    return ReadClock(CivilJulianDay(reading) + minutes * DaysPerMinute,
                     ClockRounding::NearestMinute);
}

// The first whole minute of the clock from which the driver shows `index`, for a crossing at
// civilJd. The search finds the crossing to a millisecond; where it lies within two seconds of a
// whole minute the driver itself settles on which side the minute falls.
ClockReading FirstMinuteShowing(const CivilClock& clock, double civilJd, int index,
                                const Ephemeris& ephemeris) {
    constexpr double Margin = 2.0 / 86400;
    ClockReading reading = ReadClock(civilJd, ClockRounding::UpToMinute);
    const double minuteJd = CivilJulianDay(reading);
    if (minuteJd - civilJd < Margin && DriverIndexAt(clock, reading, ephemeris) != index) {
        return MinutesLater(reading, 1);
    }
    if (civilJd - (minuteJd - DaysPerMinute) < Margin) {
        const ClockReading before = MinutesLater(reading, -1);
        if (DriverIndexAt(clock, before, ephemeris) == index) {
            return before;
        }
    }
    return reading;
}

constexpr const char* MonthNames[] = {"January",   "February", "March",    "April",
                                      "May",       "June",     "July",     "August",
                                      "September", "October",  "November", "December"};

// "11 January 2024 18:23", as every date and time of the program is written
std::string DateAndMinute(const ClockReading& r) {
    const char* month = r.Month >= 1 && r.Month <= 12 ? MonthNames[r.Month - 1] : "?";
    char text[48];
    std::snprintf(text, sizeof text, "%d %s %d %02d:%02d", r.Day, month, r.Year, r.Hour, r.Minute);
    return text;
}

} // namespace

std::optional<TithiDay> ComputeTithiDay(const TithiMoment& moment, const Place& place,
                                        const CivilClock& clock, bool withSunrise,
                                        const SkyChoice& sky) {
    const Ephemeris& ephemeris = EphemerisOf(sky.Ephemeris);
    TithiDay day;
    day.Moment = moment;
    if (moment.Tithi.Index < 0) {
        return std::nullopt;
    }
    const std::optional<TithiSpan> span = FindTithiSpan(day.Moment, sky);
    if (!span) {
        return std::nullopt;
    }
    day.Span = *span;
    day.SpanIsReportTithi = span->Index == moment.Tithi.Index;
    day.ClockOffsetHours = moment.OffsetHours;
    const double beginUT = ephemeris.UniversalOfTerrestrial(span->BeginJde);
    const double endUT = ephemeris.UniversalOfTerrestrial(span->EndJde);
    day.BeginOffsetHours = clock.OffsetHoursAt(beginUT);
    day.EndOffsetHours = clock.OffsetHoursAt(endUT);
    day.BeginCivil = beginUT + day.BeginOffsetHours / 24;
    day.EndCivil = endUT + day.EndOffsetHours / 24;
    day.FirstMinute = FirstMinuteShowing(clock, day.BeginCivil, span->Index, ephemeris);
    day.EndMinute = FirstMinuteShowing(clock, day.EndCivil, (span->Index + 1) % 30, ephemeris);
    day.Karana = KaranaIndex(
        ephemeris.Kind() == EphemerisKind::Classical
            ? day.Moment.Tithi.Elongation
            : TithiAt(ephemeris.TerrestrialOfUniversal(moment.JulianDayUT), ephemeris).Elongation);

    if (withSunrise) {
        const Sunrise rise = SunriseOnDate(moment.Date, place, clock, ephemeris);
        day.Sunrise = rise.State;
        if (rise.State == HorizonState::Crosses) {
            day.SunriseOffsetHours = clock.OffsetHoursAt(rise.JulianDayUT);
            day.SunriseCivil = rise.JulianDayUT + day.SunriseOffsetHours / 24;
            day.SunriseTithi =
                TithiAt(ephemeris.TerrestrialOfUniversal(rise.JulianDayUT), ephemeris).Index;
        }
    }
    return day;
}

std::optional<TithiDay> ComputeTithiDay(const CalculationRecord& rec, const TithiMoment& moment,
                                        bool withSunrise, const SkyChoice& sky) {
    return ComputeTithiDay(moment, PlaceOfRecord(rec), ClockOfRecord(rec), withSunrise, sky);
}

std::optional<TithiDay> ComputeTithiDay(const CalculationRecord& rec, bool withSunrise,
                                        const SkyChoice& sky) {
    return ComputeTithiDay(rec, EvaluateTithiMoment(rec), withSunrise, sky);
}

TithiDayTexts DescribeTithiDay(const TithiDay& day) {
    TithiDayTexts texts;
    texts.Times =
        "Began " + DateAndMinute(day.FirstMinute) + " \u00b7 Ends " + DateAndMinute(day.EndMinute);
    if (!day.SpanIsReportTithi) {
        texts.Times = "The report's tithi changes within seconds of this moment; by the modern "
                      "ephemeris it is " +
                      TithiTitle(day.Span.Index) + ": " + texts.Times;
    }

    switch (day.Sunrise) {
    case HorizonState::Crosses: {
        const ClockReading rise = ReadClock(day.SunriseCivil, ClockRounding::NearestMinute);
        char time[16];
        std::snprintf(time, sizeof time, "%02d:%02d", rise.Hour, rise.Minute);
        texts.Sunrise = std::string("At sunrise (") + time + "): " + TithiTitle(day.SunriseTithi);
        break;
    }
    case HorizonState::AboveAllDate:
        texts.Sunrise = "No sunrise this date: the Sun stays above the horizon all day (polar day)";
        break;
    case HorizonState::BelowAllDate:
        texts.Sunrise =
            "No sunrise this date: the Sun stays below the horizon all day (polar night)";
        break;
    case HorizonState::NotOnDate:
        texts.Sunrise = "No sunrise this date: the Sun rises only after the next midnight";
        break;
    case HorizonState::NoLatitude:
        texts.Sunrise = "No sunrise: the latitude lies beyond 90 degrees";
        break;
    }

    texts.Karana = "Karana: " + std::string(KaranaName(day.Karana));
    return texts;
}

std::optional<TithiDayTexts> MakeTithiDayTexts(const CalculationRecord& rec, const SkyChoice& sky) {
    const std::optional<TithiDay> day = ComputeTithiDay(rec, true, sky);
    if (!day) {
        return std::nullopt;
    }
    return DescribeTithiDay(*day);
}
