// SPDX-License-Identifier: MIT
// The eleven karanas: four fixed ones at the conjunction, seven movable ones in their cycle.
#include "engine/limbs/Karana.h"

#include <cmath>
#include <iterator>

namespace {

// The movable karanas, in the order in which they follow one another from the second half of
// Shukla Pratipada to the first half of Krishna Chaturdashi.
constexpr std::string_view MovableKaranas[] = {
    "Bava", "Balava", "Kaulava", "Taitila", "Garaja", "Vanija", "Vishti",
};
static_assert(std::size(MovableKaranas) == 7);

// The fixed karanas: the first half of Shukla Pratipada, then the second half of Krishna
// Chaturdashi and the two halves of Amavasya.
constexpr std::string_view FirstKarana = "Kimstughna";
constexpr std::string_view LastKaranas[] = {"Shakuni", "Chatushpada", "Naga"};

constexpr int Halves = 60;
constexpr int FirstOfLast = Halves - static_cast<int>(std::size(LastKaranas)); // 57

// 56 movable halves between the fixed ones: the cycle of seven runs exactly eight times.
static_assert((FirstOfLast - 1) % std::size(MovableKaranas) == 0);

} // namespace

int KaranaIndex(double elongation) {
    if (elongation == 360) {
        return 0;
    }
    const double steps = std::floor(elongation / 6);
    return steps >= 0 && steps < Halves ? static_cast<int>(steps) : -1;
}

std::string_view KaranaName(int index) {
    if (index == 0) {
        return FirstKarana;
    }
    if (index > 0 && index < FirstOfLast) {
        return MovableKaranas[static_cast<std::size_t>(index - 1) % std::size(MovableKaranas)];
    }
    if (index >= FirstOfLast && index < Halves) {
        return LastKaranas[static_cast<std::size_t>(index - FirstOfLast)];
    }
    return {};
}
