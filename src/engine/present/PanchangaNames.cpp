// SPDX-License-Identifier: MIT
// The name tables of the panchanga.
#include "engine/present/PanchangaNames.h"

#include "engine/limbs/Karana.h"
#include "engine/report/TithiReport.h"

#include <iterator>

namespace {

constexpr std::string_view Nakshatras[] = {
    // 0
    "Ashvini",
    "Bharani",
    "Krittika",
    "Rohini",
    "Mrigashira",
    "Ardra",
    "Punarvasu",
    "Pushya",
    "Ashlesha",
    "Magha",
    // 10
    "Purva Phalguni",
    "Uttara Phalguni",
    "Hasta",
    "Chitra",
    "Swati",
    "Vishakha",
    "Anuradha",
    "Jyeshtha",
    "Mula",
    "Purva Ashadha",
    // 20
    "Uttara Ashadha",
    "Shravana",
    "Dhanishta",
    "Shatabhisha",
    "Purva Bhadrapada",
    "Uttara Bhadrapada",
    "Revati",
};
static_assert(std::size(Nakshatras) == 27);

constexpr std::string_view VimshottariLords[] = {
    "Ketu", "Venus", "Sun", "Moon", "Mars", "Rahu", "Jupiter", "Saturn", "Mercury",
};
static_assert(std::size(VimshottariLords) == VimshottariLordCount);

constexpr std::string_view Yogas[] = {
    // 0
    "Vishkambha",
    "Priti",
    "Ayushman",
    "Saubhagya",
    "Shobhana",
    "Atiganda",
    "Sukarma",
    "Dhriti",
    "Shula",
    "Ganda",
    // 10
    "Vriddhi",
    "Dhruva",
    "Vyaghata",
    "Harshana",
    "Vajra",
    "Siddhi",
    "Vyatipata",
    "Variyana",
    "Parigha",
    "Shiva",
    // 20
    "Siddha",
    "Sadhya",
    "Shubha",
    "Shukla",
    "Brahma",
    "Indra",
    "Vaidhriti",
};
static_assert(std::size(Yogas) == 27);

constexpr std::string_view Varas[] = {
    "Ravivara", "Somavara", "Mangalavara", "Budhavara", "Guruvara", "Shukravara", "Shanivara",
};

constexpr std::string_view Masas[] = {
    "Chaitra", "Vaishakha", "Jyeshtha",     "Ashadha", "Shravana", "Bhadrapada",
    "Ashvin",  "Kartika",   "Margashirsha", "Pausha",  "Magha",    "Phalguna",
};

constexpr std::string_view Rashis[] = {
    "Mesha", "Vrishabha",  "Mithuna", "Karka",  "Simha",  "Kanya",
    "Tula",  "Vrishchika", "Dhanu",   "Makara", "Kumbha", "Mina",
};

template <std::size_t N> std::string_view Entry(const std::string_view (&names)[N], int index) {
    return index >= 0 && static_cast<std::size_t>(index) < N ? names[index] : std::string_view{};
}

} // namespace

std::string_view NakshatraName(int index) {
    return Entry(Nakshatras, index);
}

std::string_view VimshottariLordName(int lord) {
    return Entry(VimshottariLords, lord);
}

int NakshatraLord(int nakshatra) {
    return nakshatra >= 0 && nakshatra < 27 ? nakshatra % VimshottariLordCount : -1;
}

std::string_view YogaName(int index) {
    return Entry(Yogas, index);
}

std::string_view VaraName(int index) {
    return Entry(Varas, index);
}

std::string_view MasaName(int index) {
    return Entry(Masas, index);
}

std::string_view RashiName(int index) {
    return Entry(Rashis, index);
}

std::string SpanName(Limb limb, int index) {
    switch (limb) {
    case Limb::Tithi:
        return TithiTitle(index);
    case Limb::Karana:
        return std::string(KaranaName(index));
    case Limb::Nakshatra:
        return std::string(NakshatraName(index));
    case Limb::Yoga:
        return std::string(YogaName(index));
    }
    return {};
}
