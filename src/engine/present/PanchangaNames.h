// SPDX-License-Identifier: MIT
// The fixed English names of the panchanga's limbs, months, weekdays and signs, by index. The
// engine returns indexes; a window maps them to the user's language.
#pragma once

#include "engine/limbs/Limbs.h"

#include <string>
#include <string_view>

// NakshatraName: 0 Ashvini ... 26 Revati. Empty outside 0 ... 26.
std::string_view NakshatraName(int index);

// The ruling planets of the Vimshottari order, 0 Ketu ... 8 Mercury.
inline constexpr int VimshottariLordCount = 9;
std::string_view VimshottariLordName(int lord);

// NakshatraLord: the ruling planet of a nakshatra in the Vimshottari order, which starts with
// Ketu at Ashvini and runs three times round the 27. Returns 0 ... 8; -1 outside 0 ... 26.
int NakshatraLord(int nakshatra);

// YogaName: 0 Vishkambha ... 26 Vaidhriti. Empty outside 0 ... 26.
std::string_view YogaName(int index);

// VaraName: 0 Ravivara (Sunday) ... 6 Shanivara (Saturday). Empty outside 0 ... 6.
std::string_view VaraName(int index);

// MasaName: the lunar months, 0 Chaitra ... 11 Phalguna. Empty outside 0 ... 11.
std::string_view MasaName(int index);

// RashiName: the sidereal signs, 0 Mesha ... 11 Mina. Empty outside 0 ... 11.
std::string_view RashiName(int index);

// SpanName: the name of a span of any limb, as an almanac lists it: the tithi's title
// ("Shukla Navami", "Purnima"), the karana's, the nakshatra's or the yoga's name. Empty for an
// index outside the limb's spans.
std::string SpanName(Limb limb, int index);
