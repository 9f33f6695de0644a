// SPDX-License-Identifier: MIT
// What the engine's tests share: the place and the day they come back to, New Delhi on Indian
// Standard Time on Thursday 11 January 2024, and the check that a run of spans is unbroken.
#pragma once

#include "engine/base/Place.h"
#include "engine/time/CivilClock.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <iterator>
#include <string>

// New Delhi, 28°36′N 77°13′E, as the almanacs of Delhi give it, on Indian Standard Time
// (UTC+05:30, no daylight saving).
inline const Place Delhi{77 + 13 / 60.0, 28 + 36 / 60.0};
inline const FixedOffsetClock IndianTime(5.5);

// Thursday 11 January 2024: the Amavasya of the new moon of 11:57 UT (17:27 in Delhi), the day
// published almanacs are compared with.
inline constexpr CivilDate DelhiDay{2024, 1, 11};

// ExpectSpansMeet: each span of a run begins where the one before it ends, to the bit.
//   spans            the run, in order
//   beginOf, endOf   a span's begin and end (instants, or anything that compares)
//   what             named in a failure with the span's place in the run
template <class Spans, class BeginOf, class EndOf>
void ExpectSpansMeet(const Spans& spans, BeginOf beginOf, EndOf endOf,
                     const std::string& what = {}) {
    for (std::size_t k = 1; k < std::size(spans); ++k) {
        EXPECT_EQ(beginOf(spans[k]), endOf(spans[k - 1])) << what << " span " << k;
    }
}

// The same for the spans of a limb (BeginJde, EndJde: Julian days in TT).
template <class Spans> void ExpectSpansMeet(const Spans& spans, const std::string& what = {}) {
    ExpectSpansMeet(
        spans, [](const auto& span) { return span.BeginJde; },
        [](const auto& span) { return span.EndJde; }, what);
}
