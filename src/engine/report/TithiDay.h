// SPDX-License-Identifier: MIT
// The tithi's day around an entered moment: when its tithi began and when it ends, the sunrise
// of the date with the tithi then, and the karana; and the lines the results panel shows.
#pragma once

#include "engine/base/Place.h"
#include "engine/day/Sunrise.h"
#include "engine/report/CalculationRecord.h"
#include "engine/report/Tithi.h"
#include "engine/time/CivilClock.h"

#include <optional>
#include <string>

struct TithiDay {
    TithiMoment Moment; // the tithi driver's working values for the entered moment
    TithiSpan Span;     // the tithi of the moment, begin and end in Terrestrial Time (of
                        // the ephemeris the day was computed on)
    // Whether Span is the tithi the report gives (Moment.Tithi.Index). On another ephemeris than
    // the report's a boundary within seconds of the moment may fall on the other side: Span is
    // then the tithi that ephemeris puts at the moment, and the lines below the report say so.
    bool SpanIsReportTithi{true};
    double ClockOffsetHours{}; // the place's clock ahead of Universal Time at the moment
    double BeginCivil{};       // Julian days on the place's clock
    double EndCivil{};
    double BeginOffsetHours{}; // the clock's offset at the begin and at the end (they differ
    double EndOffsetHours{};   // where daylight saving starts or ends within the tithi)
    // The first whole minute of the clock that shows the tithi, and the first that shows the
    // next: the window gives the tithi of every minute from the one to the minute before the
    // other.
    ClockReading FirstMinute;
    ClockReading EndMinute;

    HorizonState Sunrise{HorizonState::NoLatitude};
    double SunriseCivil{};       // Julian day on the place's clock, when the Sun rises
    double SunriseOffsetHours{}; // the clock's offset then
    int SunriseTithi{-1};        // the tithi index at that instant

    int Karana{-1}; // 0 ... 59, the half-tithi of the moment
};

// ComputeTithiDay: everything about the tithi of a moment the driver has evaluated.
//   moment       EvaluateTithiMoment or EvaluateTithiMomentAt of the entered moment
//   place        the place, for the sunrise
//   clock        the place's civil clock: the times are read with the offset in force at each
//   withSunrise  false where no latitude is known (Sunrise is then NoLatitude)
//   sky          the ephemeris of the begin, the end and the sunrise tithi (its Moon, Sun and
//                Delta T); the moment's own tithi stays the report's
// Returns nothing where the moment has no tithi (a tithi index of -1).
std::optional<TithiDay> ComputeTithiDay(const TithiMoment& moment, const Place& place,
                                        const CivilClock& clock, bool withSunrise,
                                        const SkyChoice& sky);

// The same for the moment laid out in a prepared record (the fixed clock of its zone).
std::optional<TithiDay> ComputeTithiDay(const CalculationRecord& rec, bool withSunrise,
                                        const SkyChoice& sky);
std::optional<TithiDay> ComputeTithiDay(const CalculationRecord& rec, const TithiMoment& moment,
                                        bool withSunrise, const SkyChoice& sky);

// The lines of the results panel below the report.
struct TithiDayTexts {
    std::string Times;   // "Began 11 January 2024 18:23 · Ends 12 January 2024 19:57"
    std::string Sunrise; // "At sunrise (07:15): Krishna Amavasya", or why there is none
    std::string Karana;  // "Karana: Kimstughna"
};

TithiDayTexts DescribeTithiDay(const TithiDay& day);

// MakeTithiDayTexts: ComputeTithiDay and DescribeTithiDay for the window, sunrise included.
std::optional<TithiDayTexts> MakeTithiDayTexts(const CalculationRecord& rec, const SkyChoice& sky);
