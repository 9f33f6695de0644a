// Moment and place preparation: turns the stored inputs into the working values of the moment.
#pragma once

#include "app/CalculationRecord.h"

// The angle-conversion factors, as decimal literals (not computed from pi).
inline constexpr double DegToRadFactor = 0.0174532925199433;
inline constexpr double RadToDegFactor = 57.2957795130823;

// Derives DegToRad, RadToDeg, LocalHours, DateMonth/Day/Year, ZoneHours (daylight saving
// applied by the hemisphere rule) and Longitude (west positive) from the record's inputs.
void PrepareMoment(CalculationRecord& rec);
