// SPDX-License-Identifier: MIT
// Tests of the place directory: the folded names, completion as the user types, the exact
// look-up of "NAME[, DIVISION][, COUNTRY]", and a damaged data file. Names, divisions and
// populations are GeoNames' own.
#include "places/NameFolding.h"
#include "places/PlaceDirectory.h"

#include <QResource>

#include <gtest/gtest.h>

#include <random>

namespace {

std::string Text(const QString& text) {
    return text.toStdString();
}

std::vector<std::string> DisplayTexts(const std::vector<DirectoryPlace>& places) {
    std::vector<std::string> texts;
    for (const DirectoryPlace& place : places) {
        texts.push_back(Text(place.DisplayText()));
    }
    return texts;
}

TEST(NameFolding, AccentsCaseAndPunctuation) {
    const struct {
        const char16_t* Name;
        Umlauts Spelling;
        const char16_t* Folded;
    } cases[] = {
        {u"São Paulo", Umlauts::Dropped, u"sao paulo"},
        {u"  SAINT-ÉTIENNE ", Umlauts::Dropped, u"saint etienne"},
        {u"Xi’an", Umlauts::Dropped, u"xian"},
        {u"Łódź", Umlauts::Dropped, u"lodz"},
        {u"Ørsta", Umlauts::Dropped, u"orsta"},
        {u"Großenhain", Umlauts::Dropped, u"grossenhain"},
        {u"Düsseldorf", Umlauts::Dropped, u"dusseldorf"},
        {u"Düsseldorf", Umlauts::Expanded, u"duesseldorf"},
        {u"Sa\u0303o Tome\u0301", Umlauts::Dropped, u"sao tome"}, // accents typed apart
        {u"Ｔｏｋｙｏ", Umlauts::Dropped, u"tokyo"},              // full-width letters
        {u"St. Louis", Umlauts::Dropped, u"st louis"},
        {u"मुंबई", Umlauts::Dropped, u"मुंबई"}, // Devanagari keeps its signs
        {u"-", Umlauts::Dropped, u""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FoldPlaceName(QString::fromUtf16(c.Name), c.Spelling),
                  QString::fromUtf16(c.Folded))
            << Text(QString::fromUtf16(c.Name));
    }
}

// The first suggestion for what the user has typed into City, State and Country.
TEST(PlaceDirectory, CompletionsBestFirst) {
    const struct {
        const char16_t* City;
        const char16_t* State;
        const char16_t* Country;
        const char* First;
    } cases[] = {
        {u"Pune", u"", u"", "Pune, Maharashtra, India"},
        {u"pun", u"", u"India", "Pune, Maharashtra, India"},
        {u"Sao Paulo", u"", u"", "São Paulo, São Paulo, Brazil"},
        {u"Bombay", u"", u"", "Mumbai, Maharashtra, India"},
        {u"Benares", u"", u"", "Varanasi, Uttar Pradesh, India"},
        {u"Calcutta", u"", u"", "Kolkata, West Bengal, India"},
        {u"munchen", u"", u"", "Munich, Bavaria, Germany"},
        {u"Muenchen", u"", u"", "Munich, Bavaria, Germany"},
        {u"zuerich", u"", u"", "Zürich, Zurich, Switzerland"},
        {u"मुंबई", u"", u"", "Mumbai, Maharashtra, India"},
        {u"Par", u"", u"", "Paris, Île-de-France, France"},
        {u"Paris", u"tex", u"US", "Paris, Texas, United States"},
        {u"york", u"", u"", "York, England, United Kingdom"}, // before New York City
        {u"new y", u"", u"", "New York City, New York, United States"},
        {u"Hyderabad", u"", u"", "Hyderabad, Telangana, India"},
        {u"Hyd", u"Sind", u"", "Hyderabad, Sindh, Pakistan"},
        {u"hyderabad", u"", u"PK", "Hyderabad, Sindh, Pakistan"},
        {u"Hyderabad", u"", u"pakis", "Hyderabad, Sindh, Pakistan"},
        {u"Springfield", u"MA", u"", "Springfield, Massachusetts, United States"},
        {u"springf", u"Ill", u"USA", "Springfield, Illinois, United States"},
        {u"Santiago", u"", u"", "Santiago, Santiago Metropolitan, Chile"},
        {u"Roma", u"", u"", "Rome, Latium, Italy"}, // another name, in full
        {u"Qqzx", u"", u"", ""},
        {u"", u"Maharashtra", u"India", ""},
        {u"Pune", u"", u"Pakistan", ""},
    };
    const PlaceDirectory& directory = PlaceDirectory::BuiltIn();
    for (const auto& c : cases) {
        const PlaceQuery query{QString::fromUtf16(c.City), QString::fromUtf16(c.State),
                               QString::fromUtf16(c.Country)};
        const std::vector<DirectoryPlace> found = directory.Complete(query, 10);
        EXPECT_EQ(found.empty() ? "" : Text(found.front().DisplayText()), c.First)
            << Text(query.City) << " | " << Text(query.State) << " | " << Text(query.Country);
    }
}

// Every place that "york" finds, in order: those whose own name begins with it, then New York
// City (whose Basque name is "York Berri"), then those where a later word begins with it; each
// group the most populous first.
TEST(PlaceDirectory, CompletionOrder) {
    const PlaceDirectory& directory = PlaceDirectory::BuiltIn();
    const std::vector<std::string> york = {
        "York, England, United Kingdom",          // 144,202
        "York, Pennsylvania, United States",      // 43,718
        "Yorkville, Illinois, United States",     // 16,921
        "Yorkton, Saskatchewan, Canada",          // 15,669
        "New York City, New York, United States", // York Berri
        "North York, Ontario, Canada",            // 636,000
        "East New York, New York, United States", // 173,198
        "West New York, New Jersey, United States",
    };
    EXPECT_EQ(DisplayTexts(directory.Complete({QStringLiteral("york")}, 50)), york);
    EXPECT_EQ(DisplayTexts(directory.Complete({QStringLiteral("YORK")}, 2)),
              std::vector(york.begin(), york.begin() + 2));

    const DirectoryPlace pune = directory.Complete({QStringLiteral("Pune")}, 1).at(0);
    EXPECT_EQ(Text(pune.AsciiName), "Pune");
    EXPECT_EQ(Text(pune.CountryCode), "IN");
    EXPECT_EQ(Text(pune.ZoneName), "Asia/Kolkata");
    EXPECT_NEAR(pune.Latitude, 18.51957, 1e-9);
    EXPECT_NEAR(pune.Longitude, 73.85535, 1e-9);
    EXPECT_EQ(pune.Population, 2935744);
    EXPECT_EQ(Text(directory.PlaceAt(pune.Id).Name), "Pune");
    EXPECT_EQ(directory.Complete({QStringLiteral("a")}, 7).size(), 7u);
}

// The command line's --place: every place so called, so that the caller can list them.
TEST(PlaceDirectory, ExactLookUp) {
    const struct {
        const char16_t* Text;
        std::vector<std::string> Found;
    } cases[] = {
        {u"Hyderabad", {"Hyderabad, Telangana, India", "Hyderabad, Sindh, Pakistan"}},
        {u"hyderabad, pakistan", {"Hyderabad, Sindh, Pakistan"}},
        {u"Hyderabad, Telangana, India", {"Hyderabad, Telangana, India"}},
        {u"Hyderabad, Sindh, India", {}},
        {u"Springfield, IL", {"Springfield, Illinois, United States"}},
        {u"Springfield, Missouri, US", {"Springfield, Missouri, United States"}},
        {u"Washington, D.C.", {"Washington, D.C., Washington, D.C., United States"}},
        {u"Bombay", {"Mumbai, Maharashtra, India"}},
        {u"Delhi", {"Delhi, NCT, India"}}, // not New Delhi, which is also called so
        {u"Sao Paulo, , Brazil", {"São Paulo, São Paulo, Brazil"}},
        {u"Pun", {}}, // the look-up wants a whole name
        {u"Pune, Maharashtra, India, Asia", {}},
        {u"", {}},
    };
    const PlaceDirectory& directory = PlaceDirectory::BuiltIn();
    for (const auto& c : cases) {
        EXPECT_EQ(DisplayTexts(directory.FindByPlaceText(QString::fromUtf16(c.Text))), c.Found)
            << Text(QString::fromUtf16(c.Text));
    }
    // Eight Springfields, all in the United States, the most populous first.
    const std::vector<DirectoryPlace> springfields =
        directory.FindExact({QStringLiteral("Springfield")});
    ASSERT_EQ(springfields.size(), 8u);
    EXPECT_TRUE(std::is_sorted(springfields.begin(), springfields.end(),
                               [](auto& a, auto& b) { return a.Population > b.Population; }));
    EXPECT_TRUE(std::all_of(springfields.begin(), springfields.end(),
                            [](auto& p) { return p.CountryCode == QStringLiteral("US"); }));
}

// A damaged data file is refused, or read only where its references hold: never read out of
// bounds.
TEST(PlaceDirectory, DamagedDataIsRefused) {
    const QByteArray data = QResource(QStringLiteral(":/kestrava/places.bin")).uncompressedData();
    ASSERT_TRUE(PlaceDirectory::FromData(data));
    EXPECT_GT(PlaceDirectory::FromData(data)->Count(), 23000);
    EXPECT_FALSE(PlaceDirectory::FromData(data.left(data.size() - 1)));
    EXPECT_FALSE(PlaceDirectory::FromData(QByteArray()));
    EXPECT_FALSE(PlaceDirectory::FromData(QByteArray(data).replace(0, 4, "XXXX")));

    std::mt19937 random(15000);
    std::uniform_int_distribution<qsizetype> anywhere(0, data.size() - 1);
    for (int i = 0; i < 12; ++i) {
        QByteArray damaged = data;
        for (int j = 0; j < 8; ++j) {
            damaged[anywhere(random)] = char(random());
        }
        if (const std::optional<PlaceDirectory> read = PlaceDirectory::FromData(damaged)) {
            read->Complete({QStringLiteral("s")}, 20);
            read->FindByPlaceText(QStringLiteral("Springfield, IL"));
        }
    }
}

} // namespace
