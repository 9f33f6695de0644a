// SPDX-License-Identifier: MIT
// The English wording: names as the engine's tables have them, the tithis' titles as almanacs
// print them, and phrases with their places filled in order.
#include "engine/present/Wording.h"

#include <gtest/gtest.h>

namespace {

TEST(Wording, EnglishNamesAndTitlesAreTheTablesOwn) {
    const Wording& words = EnglishWords();
    EXPECT_EQ(words.Name(NameKind::Nakshatra, "Ashvini"), "Ashvini");
    EXPECT_EQ(words.Name(NameKind::Masa, ""), "");
    EXPECT_EQ(words.FestivalName("Diwali (Lakshmi Puja)"), "Diwali (Lakshmi Puja)");
    // The tithis as almanacs title them, the fortnight and then the tithi, the full and the new
    // moon by their own names: the bright half's first, ninth and fifteenth, the dark half's
    // eighth and last.
    const struct {
        int tithi;
        const char* title;
    } titles[] = {{0, "Shukla Pratipada"},
                  {8, "Shukla Navami"},
                  {14, "Purnima"},
                  {22, "Krishna Ashtami"},
                  {29, "Amavasya"}};
    for (const auto& t : titles) {
        EXPECT_EQ(words.TithiTitleOf(t.tithi), t.title) << t.tithi;
    }
}

TEST(Wording, PhrasesFillTheirPlacesInOrder) {
    const struct {
        const char* english;
        std::vector<std::string> values;
        const char* expected;
    } cases[] = {
        {"Sunrise", {}, "Sunrise"},
        {"from %1 to %2", {"06:00", "07:30"}, "from 06:00 to 07:30"},
        {"%2 after %1", {"a", "b"}, "b after a"},
        {"Vikram %1, Shaka %2", {"2081", "1946"}, "Vikram 2081, Shaka 1946"},
        {"%1 (amanta), %2 (purnimanta)",
         {"Adhika Shravana"},
         "Adhika Shravana (amanta), %2 (purnimanta)"},
        {"100% lit, %1", {"waxing"}, "100% lit, waxing"},
        {"a value with a place: %1", {"%2"}, "a value with a place: %2"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(EnglishWords().Phrase("frmDay", c.english, c.values), c.expected) << c.english;
    }
}

} // namespace
