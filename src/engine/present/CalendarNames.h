// SPDX-License-Identifier: MIT
// The names of tithis and lunar months: the parts of a tithi's title, and the tithi or month a
// text names, in the spellings users type.
#pragma once

#include <optional>
#include <string>
#include <string_view>

// The parts of a tithi's title: its fortnight ("Shukla", "Krishna") and its name within it
// ("Ashtami", "Purnima"), from the tables of the report. Empty outside 0 ... 29.
std::string_view PakshaName(int tithi);
std::string TithiName(int tithi);

// TithiNamed: the tithi a text names: "Krishna Ashtami", "shukla ekadashi", "Purnima",
// "Amavasya", the fortnight first; common spellings are taken ("Ekadashi" and "Ekadasi",
// "Dwitiya" and "Dvitiya", "Sukla", "Poornima", "Amavasi"). Nothing for any other text, and for
// a name without its fortnight other than Purnima and Amavasya.
std::optional<int> TithiNamed(std::string_view text);

// MasaNamed: the month a text names, 0 Chaitra ... 11 Phalguna, in common spellings
// ("Bhadrapada", "Bhadra", "Ashvin", "Ashwin", "Kartik", "Margashirsha", "Agrahayana").
std::optional<int> MasaNamed(std::string_view text);
