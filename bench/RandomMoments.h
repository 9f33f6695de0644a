// SPDX-License-Identifier: MIT
// Random moments and places of 1901 ... 2050 as the form takes them, the same on every run.
#pragma once

#include "engine/report/PrepareMoment.h"

#include <random>
#include <vector>

inline std::vector<MomentInputs> RandomMoments(std::size_t count) {
    std::mt19937 random(2451545);
    auto between = [&](int low, int high) {
        return std::uniform_int_distribution<int>(low, high)(random);
    };
    std::vector<MomentInputs> moments(count);
    for (MomentInputs& m : moments) {
        m.Year = between(1901, 2050);
        m.Month = between(1, 12);
        m.Day = between(1, 28);
        m.Hour = between(0, 23);
        m.Minute = between(0, 59);
        m.ZoneHour = between(0, 13);
        m.ZoneMinute = between(0, 59);
        m.LonDeg = between(0, 179);
        m.LonMin = between(0, 59);
        m.LonEast = between(0, 1) == 1;
        m.LatDeg = between(0, 60);
        m.LatSouth = between(0, 1) == 1;
        m.Dst = between(0, 3) == 0;
    }
    return moments;
}
