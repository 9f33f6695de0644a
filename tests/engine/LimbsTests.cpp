// SPDX-License-Identifier: MIT
// Tests of the limbs as spans of a growing angle: for every limb, each crossing the search
// reports separates one span from the next within a millisecond, over the whole range.
#include "engine/limbs/Limbs.h"
#include "engine/present/PanchangaNames.h"
#include "engine/time/TimeScales.h"
#include "support/DelhiDay.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

constexpr double Millisecond = 1e-3 / 86400;

TEST(Limbs, EveryCrossingSeparatesTwoSpansWithinAMillisecond) {
    const struct {
        int Year, Month;
    } months[] = {{1901, 1}, {1957, 8}, {2009, 12}, {2010, 1}, {2024, 6}, {2050, 12}};
    for (int k = 0; k < LimbCount(); ++k) {
        const LimbDefinition& limb = LimbDefinitions()[k];
        for (const auto& m : months) {
            const double from = JulianDayOfDate(m.Month, 1, m.Year);
            const auto spans = SpansBeginningBetween(limb.Kind, from, from + 31, SkyChoice{});
            // A turn of the angle in its mean period holds Count spans.
            const double expected = 31 * limb.Angle.MeanRate / limb.SpanDegrees;
            EXPECT_NEAR(static_cast<double>(spans.size()), expected, 0.25 * expected)
                << limb.Name << ' ' << m.Year << '-' << m.Month;
            for (std::size_t s = 0; s < spans.size(); ++s) {
                const int before = (spans[s].Index + limb.Count - 1) % limb.Count;
                EXPECT_EQ(LimbAt(limb.Kind, spans[s].BeginJde - Millisecond, SkyChoice{}).Index,
                          before)
                    << limb.Name << " span " << s << " of " << m.Year << '-' << m.Month;
                EXPECT_EQ(LimbAt(limb.Kind, spans[s].BeginJde + Millisecond, SkyChoice{}).Index,
                          spans[s].Index)
                    << limb.Name << " span " << s << " of " << m.Year << '-' << m.Month;
            }
            ExpectSpansMeet(spans, std::string(limb.Name));
            // The span around an instant is the one the walk reports.
            const double middle = from + 15.3;
            const LimbPosition at = LimbAt(limb.Kind, middle, SkyChoice{});
            const auto around = FindLimbSpan(limb.Kind, middle, at, SkyChoice{});
            ASSERT_TRUE(around.has_value());
            EXPECT_LE(around->BeginJde, middle);
            EXPECT_GT(around->EndJde, middle);
            EXPECT_EQ(LimbAt(limb.Kind, around->EndJde + Millisecond, SkyChoice{}).Index,
                      (at.Index + 1) % limb.Count);
        }
        EXPECT_FALSE(FindLimbSpan(limb.Kind, std::nan(""),
                                  LimbAt(limb.Kind, std::nan(""), SkyChoice{}), SkyChoice{}));
    }
}

// The names the command line takes, and the almanac's names of a limb's first and last spans.
TEST(Limbs, NamesOfTheLimbsAndOfTheirSpans) {
    const struct {
        const char* Name;
        const char* First;
        const char* Last;
    } cases[] = {
        {"tithi", "Shukla Pratipada", "Amavasya"},
        {"karana", "Kimstughna", "Naga"},
        {"nakshatra", "Ashvini", "Revati"},
        {"yoga", "Vishkambha", "Vaidhriti"},
    };
    for (const auto& c : cases) {
        const std::optional<Limb> limb = LimbNamed(c.Name);
        ASSERT_TRUE(limb.has_value()) << c.Name;
        const int count = DefinitionOf(*limb).Count;
        EXPECT_EQ(SpanName(*limb, 0), c.First) << c.Name;
        EXPECT_EQ(SpanName(*limb, count - 1), c.Last) << c.Name;
        EXPECT_EQ(SpanName(*limb, count), "") << c.Name;
    }
    EXPECT_FALSE(LimbNamed("Tithi").has_value());
    EXPECT_FALSE(LimbNamed("").has_value());
}

} // namespace
