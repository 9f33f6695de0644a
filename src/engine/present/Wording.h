// SPDX-License-Identifier: MIT
// The wording interface: the names and phrases of the texts a reader sees, in English as the
// engine has them; the windows, and the tool in another language, give them through their
// translations.
#pragma once

#include <string>
#include <string_view>
#include <vector>

// What a name names. One English name may stand for two things that Hindi names apart: the
// nakshatra Jyeshtha (ज्येष्ठा) and the month Jyeshtha (ज्येष्ठ), the yoga Brahma (ब्रह्म) and the
// tithi's lord Brahma (ब्रह्मा); each kind is its own entry of the catalogue.
enum class NameKind {
    Tithi,      // "Pratipada" ... "Chaturdashi", "Purnima", "Amavasya"
    Paksha,     // "Shukla", "Krishna"
    Karana,     // "Kimstughna", "Bava" ... "Naga"
    Nakshatra,  // "Ashvini" ... "Revati"
    Yoga,       // "Vishkambha" ... "Vaidhriti"
    Vara,       // "Ravivara" ... "Shanivara"
    Masa,       // "Chaitra" ... "Phalguna"
    Rashi,      // "Mesha" ... "Mina"
    Planet,     // the Vimshottari lords, "Ketu" ... "Mercury"
    TithiLord,  // "Agni" ... "Pitara"
    TithiGroup, // "Nanda" ... "Poorna"
    Choghadiya, // "Udveg" ... "Rog"
    Ritu,       // "Vasanta" ... "Shishira"
    Ayana,      // "Uttarayana", "Dakshinayana"
    Samvatsara, // "Prabhava" ... "Akshaya"
};

// Wording: every method's default is the English of the engine's tables and of the windows'
// source texts.
class Wording {
public:
    virtual ~Wording() = default;

    // Name: an English name of the engine's tables ("Ashvini", of the kind Nakshatra) as the
    // reader reads it. An empty name stays empty.
    virtual std::string Name(NameKind kind, std::string_view english) const;
    // TithiTitleOf: the tithi as an almanac names it, "Shukla Navami", "Purnima" (0 ... 29).
    virtual std::string TithiTitleOf(int tithi) const;
    // FestivalName: a festival's English name of the table, "Diwali (Lakshmi Puja)".
    virtual std::string FestivalName(std::string_view english) const;
    // Phrase: a caption or a phrase of the windows as its context keeps it ("frmDay",
    // "Sunrise"), its %1, %2 ... filled with the values in their order.
    virtual std::string Phrase(const char* context, const char* english,
                               const std::vector<std::string>& values = {}) const;
};

// EnglishWords: the wording as the engine has it.
const Wording& EnglishWords();

// FillPlaces: a text's %1 ... %9 replaced by the values in their order; a place without a value
// stays as it is.
std::string FillPlaces(std::string_view text, const std::vector<std::string>& values);
