// SPDX-License-Identifier: MIT
// Tests of the tithi driver: the elongation and its index, and whole moments from the civil date
// to the tithi.
#include "engine/report/Tithi.h"
#include "support/Moments.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

TEST(TithiOfLongitudes, ElongationAndIndex) {
    const struct {
        double Moon, Sun, Elongation;
        int Index;
    } cases[] = {
        {10, 350, 20, 1},            // the Moon raised a turn past the Sun
        {123.4, 123.4, 0, 0},        // conjunction
        {179.9 + 20, 20, 179.9, 14}, // the end of the full-moon tithi
        {200, 20, 180, 15},          // full moon
        {359.9, 0, 359.9, 29},       // the end of the new-moon tithi
        {360, 0, 0, 0},              // a full turn is the conjunction, not a thirty-first tithi
        {std::nextafter(100.0, 0.0), 100, 0, 0}, // a rounding hair behind the Sun
        {360, 1e-9, 360 - 1e-9, 29},
    };
    for (const auto& c : cases) {
        const TithiStep step = TithiOfLongitudes(c.Moon, c.Sun);
        EXPECT_DOUBLE_EQ(step.Elongation, c.Elongation) << "moon " << c.Moon << ", sun " << c.Sun;
        EXPECT_EQ(step.Index, c.Index) << "moon " << c.Moon << ", sun " << c.Sun;
    }
}

// The published examples of January 2000 and 2024, and moments over the whole range worked
// independently in double precision with the same theory and driver.
TEST(ComputeTithi, TithiOfTheMoment) {
    const struct {
        const char* Source;
        MomentInputs Moment;
        int Index;
        double Elongation, Tolerance;
    } cases[] = {
        {"new moon", {2000, 1, 6, 18, 14}, 0, 0.0031043045528349467, 1e-6},
        {"before full moon", {2000, 1, 21, 4, 40}, 14, 179.996, 0.001},
        {"after full moon", {2000, 1, 21, 5, 0}, 15, 180.19, 0.005},
        {"before new moon", {2024, 1, 11, 17, 0, 5, 30, 77, 0, true}, 29, 359.74, 0.005},
        {"after new moon", {2024, 1, 11, 18, 30, 5, 30, 77, 0, true}, 0, 0.60, 0.005},
        {"before full moon, west", {2024, 1, 25, 10, 0, 5, 0, 74}, 14, 178.65, 0.005},
        {"after full moon, west", {2024, 1, 25, 15, 0, 5, 0, 74}, 15, 180.97966795648972, 1e-6},
        {"first moment", {1901, 1, 1, 0, 0}, 10, 128.4084140780568, 1e-6},
        {"east", {1925, 7, 14, 6, 45, 5, 30, 88, 22, true}, 23, 283.82025210513893, 1e-6},
        {"west, saving", WithDst({1969, 7, 20, 20, 17, 5, 0, 95, 5}), 5, 71.9283398181069, 1e-6},
        {"last moment", {2050, 12, 31, 23, 59, 12, 45, 176, 30}, 19, 230.23814059555298, 1e-6},
    };
    for (const auto& c : cases) {
        CalculationRecord rec = Prepared(c.Moment);
        const TithiMoment m = ComputeTithiMoment(rec);
        EXPECT_NEAR(m.Tithi.Elongation, c.Elongation, c.Tolerance) << c.Source << ": " << c.Moment;
        EXPECT_EQ(m.Tithi.Index, c.Index) << c.Source << ": " << c.Moment;
        EXPECT_EQ(rec.TithiIndex, c.Index) << c.Source << ": " << c.Moment;
    }
}

} // namespace
