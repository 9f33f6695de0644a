// SPDX-License-Identifier: MIT
// Tests of the karana: the half-tithi of an elongation and its name.
#include "engine/limbs/Karana.h"

#include <gtest/gtest.h>

namespace {

// The fixed karanas stand at the conjunction; the movable ones follow Kimstughna in their
// cycle, so that Vishti falls on the halves the almanacs mark (eight in a month), the last on
// the first half of Krishna Chaturdashi.
TEST(Karana, FixedAndMovableKaranasAtTheirPlaces) {
    const struct {
        double Elongation;
        int Index;
        const char* Name;
    } cases[] = {
        {0, 0, "Kimstughna"},     // first half of Shukla Pratipada
        {5.999, 0, "Kimstughna"}, // its last moment
        {6, 1, "Bava"},           // second half of Shukla Pratipada
        {42, 7, "Vishti"},        // second half of Shukla Chaturthi
        {48, 8, "Bava"},          // the cycle begins again
        {168, 28, "Vishti"},      // first half of Purnima
        {180, 30, "Balava"},      // first half of Krishna Pratipada
        {336, 56, "Vishti"},      // first half of Krishna Chaturdashi
        {342, 57, "Shakuni"},     // second half of Krishna Chaturdashi
        {348, 58, "Chatushpada"}, // first half of Amavasya
        {354, 59, "Naga"},        // second half of Amavasya
        {359.9999, 59, "Naga"},   // its last moment
        {360, 0, "Kimstughna"},   // a full turn is the conjunction
        {-0.1, -1, ""},           // no elongation
        {361, -1, ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(KaranaIndex(c.Elongation), c.Index) << "elongation " << c.Elongation;
        EXPECT_EQ(KaranaName(KaranaIndex(c.Elongation)), c.Name) << "elongation " << c.Elongation;
    }
}

} // namespace
