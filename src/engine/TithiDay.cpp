// The tithi's day around an entered moment, and the lines that describe it.
#include "engine/TithiDay.h"

#include "engine/Karana.h"
#include "engine/TithiReport.h"

#include <cmath>
#include <cstdio>

namespace {

constexpr double DaysPerMinute = 1.0 / 1440;

// The tithi the driver gives for a reading of the place's clock, as if it had been entered.
int DriverIndexAt(const CalculationRecord& rec, const ClockReading& reading) {
    CalculationRecord probe;
    probe.DateMonth = reading.Month;
    probe.DateDay = reading.Day;
    probe.DateYear = reading.Year;
    probe.LocalHours = reading.Hour + reading.Minute / 60.0; // as PrepareMoment forms it
    probe.ZoneHours = rec.ZoneHours;
    probe.Longitude = rec.Longitude;
    return EvaluateTithiMoment(probe).Tithi.Index;
}

ClockReading MinutesLater(const ClockReading& reading, int minutes) {
    return ReadClock(CivilJulianDay(reading) + minutes * DaysPerMinute,
                     ClockRounding::NearestMinute);
}

// The first whole minute of the clock from which the driver shows `index`, for a crossing at
// civilJd. The search finds the crossing to a millisecond; where it lies within two seconds of a
// whole minute the driver itself settles on which side the minute falls.
ClockReading FirstMinuteShowing(const CalculationRecord& rec, double civilJd, int index) {
    constexpr double Margin = 2.0 / 86400;
    ClockReading reading = ReadClock(civilJd, ClockRounding::UpToMinute);
    const double minuteJd = CivilJulianDay(reading);
    if (minuteJd - civilJd < Margin && DriverIndexAt(rec, reading) != index) {
        return MinutesLater(reading, 1);
    }
    if (civilJd - (minuteJd - DaysPerMinute) < Margin) {
        const ClockReading before = MinutesLater(reading, -1);
        if (DriverIndexAt(rec, before) == index) {
            return before;
        }
    }
    return reading;
}

constexpr const char* MonthAbbreviations[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                              "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};

// "11 Jan 2024 18:23"
std::string DateAndMinute(const ClockReading& r) {
    const char* month = r.Month >= 1 && r.Month <= 12 ? MonthAbbreviations[r.Month - 1] : "?";
    char text[48];
    std::snprintf(text, sizeof text, "%d %s %d %02d:%02d", r.Day, month, r.Year, r.Hour, r.Minute);
    return text;
}

} // namespace

double SignedLatitude(const CalculationRecord& rec) {
    const double latitude = rec.LatDeg + rec.LatMin / 60.0;
    return rec.LatSouth != FlagFalse ? -latitude : latitude;
}

std::optional<TithiDay> ComputeTithiDay(const CalculationRecord& rec, bool withSunrise) {
    return ComputeTithiDay(rec, EvaluateTithiMoment(rec), withSunrise);
}

std::optional<TithiDay> ComputeTithiDay(const CalculationRecord& rec, const TithiMoment& moment,
                                        bool withSunrise) {
    TithiDay day;
    day.Moment = moment;
    const std::optional<TithiSpan> span = FindTithiSpan(day.Moment);
    if (!span) {
        return std::nullopt;
    }
    day.Span = *span;
    day.ClockOffsetHours = ClockOffsetHours(rec);
    const double offsetDays = day.ClockOffsetHours / 24;
    day.BeginCivil = UniversalOfTerrestrial(span->BeginJde) + offsetDays;
    day.EndCivil = UniversalOfTerrestrial(span->EndJde) + offsetDays;
    day.FirstMinute = FirstMinuteShowing(rec, day.BeginCivil, span->Index);
    day.EndMinute = FirstMinuteShowing(rec, day.EndCivil, (span->Index + 1) % 30);
    day.Karana = KaranaIndex(day.Moment.Tithi.Elongation);

    const double latitude = SignedLatitude(rec);
    if (withSunrise && std::fabs(latitude) <= 90) {
        const Sunrise rise = SunriseOnDate(
            static_cast<int>(rec.DateMonth), static_cast<int>(rec.DateDay),
            static_cast<int>(rec.DateYear), day.ClockOffsetHours, rec.Longitude, latitude);
        switch (rise.Kind) {
        case SunriseKind::Rises:
            day.Sunrise = SunriseState::Rises;
            day.SunriseCivil = rise.JulianDayUT + offsetDays;
            day.SunriseTithi = TithiAt(TerrestrialOfUniversal(rise.JulianDayUT)).Index;
            break;
        case SunriseKind::PolarDay:
            day.Sunrise = SunriseState::PolarDay;
            break;
        case SunriseKind::PolarNight:
            day.Sunrise = SunriseState::PolarNight;
            break;
        case SunriseKind::NotOnDate:
            day.Sunrise = SunriseState::NotOnDate;
            break;
        }
    }
    return day;
}

TithiDayTexts DescribeTithiDay(const TithiDay& day) {
    TithiDayTexts texts;
    texts.Times =
        "Began " + DateAndMinute(day.FirstMinute) + " \u00b7 Ends " + DateAndMinute(day.EndMinute);

    switch (day.Sunrise) {
    case SunriseState::Rises: {
        const ClockReading rise = ReadClock(day.SunriseCivil, ClockRounding::NearestMinute);
        char time[16];
        std::snprintf(time, sizeof time, "%02d:%02d", rise.Hour, rise.Minute);
        texts.Sunrise = std::string("At sunrise (") + time + "): " + TithiTitle(day.SunriseTithi);
        break;
    }
    case SunriseState::PolarDay:
        texts.Sunrise = "No sunrise this date: the Sun stays above the horizon all day (polar day)";
        break;
    case SunriseState::PolarNight:
        texts.Sunrise =
            "No sunrise this date: the Sun stays below the horizon all day (polar night)";
        break;
    case SunriseState::NotOnDate:
        texts.Sunrise = "No sunrise this date: the Sun rises only after the next midnight";
        break;
    case SunriseState::NoLatitude:
        texts.Sunrise = "No sunrise: the latitude lies beyond 90 degrees";
        break;
    }

    texts.Karana = "Karana: " + std::string(KaranaName(day.Karana));
    return texts;
}

std::optional<TithiDayTexts> MakeTithiDayTexts(const CalculationRecord& rec) {
    const std::optional<TithiDay> day = ComputeTithiDay(rec, true);
    if (!day) {
        return std::nullopt;
    }
    return DescribeTithiDay(*day);
}
