// SPDX-License-Identifier: MIT
// The modern ephemeris as Chebyshev pieces over 1900-2051, fitted to its series when Kestrava is
// built (generator/MakeModernSky.cpp): the Moon's longitude on the mean equinox of date counted
// on through the turns within a piece, its latitude and distance, the Sun's longitude on the
// mean equinox of date, and the nutation in longitude; degrees, and km for the distance.
#pragma once

#include "engine/sky/ChebyshevTable.h"

extern const ChebyshevTable ModernMoonLongitudeTable;
extern const ChebyshevTable ModernMoonLatitudeTable;
extern const ChebyshevTable ModernMoonDistanceTable;
extern const ChebyshevTable ModernSunLongitudeTable;
extern const ChebyshevTable ModernNutationTable;
