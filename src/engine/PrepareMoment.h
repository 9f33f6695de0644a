// Moment and place preparation: turns the stored inputs into the working values of the moment.
#pragma once

#include "engine/CalculationRecord.h"

// The angle-conversion factors, as decimal literals (not computed from pi).
inline constexpr double DegToRadFactor = 0.0174532925199433;
inline constexpr double RadToDegFactor = 57.2957795130823;

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
