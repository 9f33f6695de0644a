// SPDX-License-Identifier: MIT
// Moments and places for the engine's tests: a record prepared as the form leaves it, and a
// moment as failure messages print it.
#pragma once

#include "engine/report/PrepareMoment.h"

#include <ostream>

// The record as the form leaves it for the inputs, after PrepareMoment. The tests write the
// inputs in the order of their fields: Year, Month, Day, Hour, Minute, ZoneHour, ZoneMinute,
// LonDeg, LonMin, LonEast, LatDeg, LatMin, LatSouth, Dst.
inline CalculationRecord Prepared(const MomentInputs& inputs) {
    CalculationRecord rec;
    PrepareMomentOf(rec, inputs);
    return rec;
}

inline std::ostream& operator<<(std::ostream& os, const MomentInputs& m) {
    return os << m.Year << '-' << m.Month << '-' << m.Day << ' ' << m.Hour << ':' << m.Minute
              << " zone " << m.ZoneHour << ':' << m.ZoneMinute << ' ' << m.LonDeg << ':' << m.LonMin
              << (m.LonEast ? 'E' : 'W') << ' ' << m.LatDeg << ':' << m.LatMin
              << (m.LatSouth ? 'S' : 'N') << (m.Dst ? " DST" : "");
}

// The same moment with daylight saving in force.
inline MomentInputs WithDst(MomentInputs m) {
    m.Dst = true;
    return m;
}
