// The tithi of the moment: the Moon's lead over the Sun in steps of 12 degrees.
#pragma once

#include "engine/CalculationRecord.h"
#include "engine/TimeScales.h"

// Writes the ten lunar series columns of the record from the series tables.
void FillLunarTables(CalculationRecord& rec);

// Computes TithiIndex (0 ... 29) for the moment that PrepareMoment laid out in the record.
void ComputeTithi(CalculationRecord& rec);

// The elongation of the Moon from the Sun and the tithi it falls in.
struct TithiStep {
    double Elongation{}; // degrees, 0 to under 360
    int Index{};         // 0 ... 29; -1 for longitudes out of range
};

// TithiOfLongitudes: the Moon's lead over the Sun and its tithi.
//   moon, sun  longitudes in degrees, 0 ... 360 (360 included)
// Returns the elongation, raised by a turn when the Moon is behind the Sun, and its number of
// whole 12-degree steps. An elongation of exactly 360 (the Moon at 360 and the Sun at 0, or the
// Moon a rounding hair behind the Sun) is the conjunction: elongation 0, index 0. Longitudes
// outside 0 ... 360 that leave the elongation outside 0 ... 360 give index -1.
TithiStep TithiOfLongitudes(double moon, double sun);

// The working values of one run of the driver.
struct TithiMoment {
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

// ComputeTithiMoment: the driver itself. Writes TithiIndex (1 while it runs), the lunar series
// columns and CalYear, CalMonth, CalDay (the date of the Julian day in UT), and returns the
// working values. ComputeTithi is this without the result.
TithiMoment ComputeTithiMoment(CalculationRecord& rec);
