// SPDX-License-Identifier: MIT
// The karana: half a tithi, the elongation of the Moon from the Sun in steps of 6 degrees.
#pragma once

#include <string_view>

// KaranaIndex: the half-tithi of an elongation.
//   elongation  degrees, 0 to under 360
// Returns 0 ... 59: 0 is the first half of Shukla Pratipada, 59 the second half of Amavasya;
// -1 for an elongation outside 0 ... 360 (360 itself is the conjunction, 0).
int KaranaIndex(double elongation);

// KaranaName: the traditional name of a half-tithi. The first half of Shukla Pratipada is
// Kimstughna; the seven movable karanas (Bava, Balava, Kaulava, Taitila, Garaja, Vanija, Vishti)
// follow in their cycle eight times over; the last three halves of the dark fortnight are
// Shakuni, Chatushpada and Naga.
//   index  0 ... 59
// Returns the name; empty outside 0 ... 59.
std::string_view KaranaName(int index);
