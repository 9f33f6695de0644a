// SPDX-License-Identifier: MIT
// The almanac: the spans of a limb (tithi, karana, ...) that begin within a range of civil
// dates at a place, each with its begin and end on the place's clock.
#pragma once

#include "engine/base/Place.h"
#include "engine/limbs/Limbs.h"
#include "engine/time/CivilClock.h"

#include <vector>

// The first and the last civil date of a range, both included.
struct CivilDateRange {
    CivilDate First, Last;
};

// One span of the almanac.
struct AlmanacSpan {
    int Index{};                 // the span of the limb, 0 ... Count - 1
    double BeginJde{}, EndJde{}; // Terrestrial Time
    double BeginUT{}, EndUT{};   // Universal Time
    double BeginOffsetHours{};   // the clock's offset at the begin and at the end,
    double EndOffsetHours{};     // east positive
    double BeginCivil() const { return BeginUT + BeginOffsetHours / 24; } // on the clock
    double EndCivil() const { return EndUT + EndOffsetHours / 24; }
};

// ComputeAlmanac: every span of a limb that begins between the midnight that opens the first
// date and the midnight that closes the last, by the place's clock, with its end.
//   place  where the almanac is read; the spans of the limbs are the same everywhere, and the
//          place is what the days of a calendar (sunrise to sunrise) will be reckoned at
//   clock  the place's civil clock: the midnights and every begin and end are read with the
//          offset in force at that instant
//   dates  the range of civil dates (the last not before the first)
//   limb   which limb
//   sky    the ephemeris and the ayanamsa
// Returns the spans in order; nothing for a reversed range.
std::vector<AlmanacSpan> ComputeAlmanac(const Place& place, const CivilClock& clock,
                                        const CivilDateRange& dates, Limb limb,
                                        const SkyChoice& sky);
