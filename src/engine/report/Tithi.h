// SPDX-License-Identifier: MIT
// The tithi of the moment: the Moon's lead over the Sun in steps of 12 degrees.
#pragma once

#include "engine/limbs/Elongation.h"
#include "engine/limbs/Limbs.h"
#include "engine/report/CalculationRecord.h"
#include "engine/time/CivilClock.h"
#include "engine/time/TimeScales.h"

#include <optional>
#include <vector>

// Writes the ten lunar series columns of the record from the series tables.
void FillLunarTables(CalculationRecord& rec);

// Computes TithiIndex (0 ... 29) for the moment that PrepareMoment laid out in the record.
void ComputeTithi(CalculationRecord& rec);

// The working values of one run of the driver.
struct TithiMoment {
    CivilDate Date;          // the civil date of the moment, on the place's clock
    double LocalHours{};     // the clock time of the moment, hours
    double OffsetHours{};    // the clock's offset from Universal Time then (east positive)
    double JulianDay0{};     // 0h of the civil date
    double UniversalHours{}; // UT of the moment in hours from JulianDay0; may fall outside 0 ... 24
    double JulianDayUT{};
    CalendarDate DateUT;  // calendar date of JulianDayUT
    double DeltaTHours{}; // TT - UT
    double JulianDayTT{}; // the instant at which both theories are evaluated (JDE)
    double Moon{};        // apparent longitude of the Moon, degrees
    double Sun{};         // apparent longitude of the Sun, degrees
    TithiStep Tithi;
};

// EvaluateTithiMoment: the tithi of the moment laid out in the record, without writing to it.
//   rec  reads DateMonth, DateDay, DateYear, LocalHours, ZoneHours (a magnitude) and
//        Longitude (west positive; only its sign is used: the hemisphere rule)
// Returns the working values, from the Julian day of the civil date to the tithi index.
TithiMoment EvaluateTithiMoment(const CalculationRecord& rec);

// EvaluateTithiMomentAt: the driver's steps for a reading of a clock whose offset is known.
//   date         the civil date on the clock
//   localHours   the clock time, hours (not folded into 0 ... 24)
//   offsetHours  how far the clock runs ahead of Universal Time then, hours (east positive)
// Returns the working values: Julian day of the date, Universal Time = local - offset, Delta T,
// the two longitudes and the tithi. For the offset the hemisphere rule gives from the record,
// identical to EvaluateTithiMoment.
TithiMoment EvaluateTithiMomentAt(const CivilDate& date, double localHours, double offsetHours);

// ComputeTithiMoment: the driver itself. Writes TithiIndex (1 while it runs), the lunar series
// columns and CalYear, CalMonth, CalDay (the date of the Julian day in UT), and returns the
// working values. ComputeTithi is this without the result.
TithiMoment ComputeTithiMoment(CalculationRecord& rec);

// A tithi and the instants (TT) at which it begins and ends.
using TithiSpan = LimbSpan;

// FindTithiSpan: when the tithi of a moment began and when it ends, on a chosen ephemeris.
//   moment  the working values of the tithi driver (EvaluateTithiMoment)
//   sky     the ephemeris the times are found on; on the classical one, the span of the
//           driver's own tithi at the driver's instant. Another ephemeris takes the moment's
//           Universal Time with its own Delta T, and its tithi there may differ from the
//           driver's when a boundary lies within seconds of the moment: the span's Index tells.
// Returns the tithi's index and its two crossings (TT of that ephemeris); nothing where the
// moment has no tithi.
std::optional<TithiSpan> FindTithiSpan(const TithiMoment& moment, const SkyChoice& sky);

// TithisBeginningBetween: every tithi that begins at or after one instant and before another,
// with its end, in order (SpansBeginningBetween of the tithi).
//   fromJde, toJde  Julian days, Terrestrial Time
std::vector<TithiSpan> TithisBeginningBetween(double fromJde, double toJde, const SkyChoice& sky);
