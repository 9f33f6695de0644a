// SPDX-License-Identifier: MIT
// Moment and place preparation: turns the stored inputs into the working values of the moment.
#pragma once

#include "engine/base/Angles.h"
#include "engine/base/Place.h"
#include "engine/report/CalculationRecord.h"
#include "engine/time/CivilClock.h"

// A moment and place as the form takes them: the civil date and clock time, the zone's offset and
// the degrees as magnitudes, and the directions as choices.
struct MomentInputs {
    int Year{}, Month{}, Day{};
    int Hour{}, Minute{};
    int ZoneHour{}, ZoneMinute{};
    int LonDeg{}, LonMin{};
    bool LonEast{};
    int LatDeg{}, LatMin{};
    bool LatSouth{};
    bool Dst{};
};

// Copies the inputs into the record's input fields, as the form does, and prepares the moment.
// The values must fit the record's 16-bit fields.
void PrepareMomentOf(CalculationRecord& rec, const MomentInputs& inputs);

// Derives DegToRad, RadToDeg, LocalHours, DateMonth/Day/Year, ZoneHours (daylight saving
// applied by the hemisphere rule) and Longitude (west positive) from the record's inputs.
void PrepareMoment(CalculationRecord& rec);

// What the prepared record says of the place and its clock, for the steps that take a Place and
// a CivilClock (the begin and end of the tithi, the sunrise, the karana).

// SignedLatitude: the place's latitude from the record's inputs (LatDeg, LatMin, LatSouth).
// Returns degrees, north positive.
double SignedLatitude(const CalculationRecord& rec);

// PlaceOfRecord: Longitude (west positive) turned east positive, and the signed latitude.
Place PlaceOfRecord(const CalculationRecord& rec);

// ClockOfRecord: the fixed offset that ZoneHours and Longitude give by the hemisphere rule;
// daylight saving, if ticked, is already in ZoneHours.
FixedOffsetClock ClockOfRecord(const CalculationRecord& rec);

// ClockOffsetHours: that offset, hours, east positive.
double ClockOffsetHours(const CalculationRecord& rec);
