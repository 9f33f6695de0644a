// The tithi's day around an entered moment: when its tithi began and when it ends, the sunrise
// of the date with the tithi then, and the karana; and the lines the results panel shows.
#pragma once

#include "engine/CalculationRecord.h"
#include "engine/Sunrise.h"
#include "engine/TithiTimes.h"

#include <optional>
#include <string>

// SignedLatitude: the place's latitude from the record's inputs.
//   rec  reads LatDeg, LatMin and LatSouth
// Returns degrees, north positive.
double SignedLatitude(const CalculationRecord& rec);

// Whether, and why not, the tithi at sunrise is known.
enum class SunriseState {
    Rises,
    PolarDay,   // the Sun stays above the horizon all that date
    PolarNight, // the Sun stays below the horizon all that date
    NotOnDate,  // it rises just before that date's midnight and next just after the following
    NoLatitude, // no latitude was given, or one beyond 90 degrees
};

struct TithiDay {
    TithiMoment Moment;        // the tithi driver's working values for the entered moment
    TithiSpan Span;            // the tithi of the moment, begin and end in Terrestrial Time
    double ClockOffsetHours{}; // the place's clock ahead of Universal Time (east positive)
    double BeginCivil{};       // Julian days on the place's clock
    double EndCivil{};
    // The first whole minute of the clock that shows the tithi, and the first that shows the
    // next: the window gives the tithi of every minute from the one to the minute before the
    // other.
    ClockReading FirstMinute;
    ClockReading EndMinute;

    SunriseState Sunrise{SunriseState::NoLatitude};
    double SunriseCivil{}; // Julian day on the place's clock, when the Sun rises
    int SunriseTithi{-1};  // the tithi index at that instant

    int Karana{-1}; // 0 ... 59, the half-tithi of the moment
};

// ComputeTithiDay: everything about the tithi of the moment laid out in the record.
//   rec          the record after PrepareMoment: reads DateMonth, DateDay, DateYear, LocalHours,
//                ZoneHours, Longitude and, for the sunrise, LatDeg, LatMin, LatSouth
//   withSunrise  false where no latitude is known (Sunrise is then NoLatitude)
// Returns nothing where the moment has no tithi (a tithi index of -1).
std::optional<TithiDay> ComputeTithiDay(const CalculationRecord& rec, bool withSunrise = true);

// ComputeTithiDay for a moment the driver has already evaluated (EvaluateTithiMoment or
// ComputeTithiMoment of the same record).
std::optional<TithiDay> ComputeTithiDay(const CalculationRecord& rec, const TithiMoment& moment,
                                        bool withSunrise);

// The lines of the results panel below the report.
struct TithiDayTexts {
    std::string Times;   // "Began 11 Jan 2024 18:23 · Ends 12 Jan 2024 19:57"
    std::string Sunrise; // "At sunrise (07:15): Krishna Amavasya", or why there is none
    std::string Karana;  // "Karana: Kimstughna"
};

TithiDayTexts DescribeTithiDay(const TithiDay& day);

// MakeTithiDayTexts: ComputeTithiDay and DescribeTithiDay for the window, sunrise included.
std::optional<TithiDayTexts> MakeTithiDayTexts(const CalculationRecord& rec);
