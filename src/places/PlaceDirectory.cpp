// SPDX-License-Identifier: MIT
// The place directory's searches over its sorted index of folded names, and its places as the
// windows and the command line show them.
#include "places/PlaceDirectory.h"

#include "places/NameFolding.h"
#include "places/PlaceData.h"
#include "places/PlaceTables.h"

#include <QResource>
#include <QStringList>
#include <QtDebug>

#include <algorithm>
#include <cstdint>
#include <string_view>

using namespace place_data;

namespace {

bool StartsWith(std::string_view text, std::string_view prefix) {
    return text.substr(0, prefix.size()) == prefix;
}

// Whether a word of a folded name begins with the folded text ("pradesh" in "andhra pradesh").
bool AnyWordStartsWith(std::string_view name, std::string_view text) {
    for (std::size_t start = 0; start < name.size();) {
        if (StartsWith(name.substr(start), text)) {
            return true;
        }
        const std::size_t space = name.find(' ', start);
        if (space == std::string_view::npos) {
            break;
        }
        start = space + 1;
    }
    return false;
}

// Whether folded (lower-case) text is a code of ASCII letters and digits, in either case.
bool IsCode(std::string_view folded, std::string_view code) {
    return !code.empty() && folded.size() == code.size() &&
           std::equal(code.begin(), code.end(), folded.begin(), [](char c, char f) {
               return (c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c) == f;
           });
}

std::string_view View(const QByteArray& bytes) {
    return {bytes.constData(), std::size_t(bytes.size())};
}

} // namespace

// The index's order, by the bytes of the folded text.
struct PlaceDirectory::KeyOrder {
    const Tables& T;
    bool operator()(const Tables::Key& key, std::string_view text) const {
        return T.View(key.Folded) < text;
    }
    bool operator()(std::string_view text, const Tables::Key& key) const {
        return text < T.View(key.Folded);
    }
};

// Which countries and divisions the State and Country texts admit.
struct PlaceDirectory::Narrowing {
    std::vector<bool> Countries; // empty: every country
    std::vector<bool> Divisions; // empty: every division
    bool Either{false};          // one text, read as a division or a country

    bool Admits(const Tables::Place& place) const {
        const bool country = Countries.empty() || Countries[place.Country];
        const bool division =
            Divisions.empty() || (place.Division != NoDivision && Divisions[place.Division]);
        return Either ? country || division : country && division;
    }
};

int PlaceDirectory::Count() const {
    return int(tables_->Places.size());
}

DirectoryPlace PlaceDirectory::PlaceAt(int id) const {
    const Tables& t = *tables_;
    const Tables::Place& row = t.Places.at(std::size_t(id));
    const Tables::Country& country = t.Countries[row.Country];
    DirectoryPlace place;
    place.Id = id;
    place.Name = t.String(row.Name);
    place.AsciiName = t.String(row.AsciiName);
    if (row.Division != NoDivision) {
        place.Division = t.String(t.Divisions[row.Division].Name);
    }
    place.Country = t.String(country.Name);
    place.CountryCode = t.String(country.Code);
    place.ZoneName = t.String(t.Zones[row.Zone]);
    place.Latitude = row.Latitude / CoordinateUnitsPerDegree;
    place.Longitude = row.Longitude / CoordinateUnitsPerDegree;
    place.Population = row.Population;
    return place;
}

QString DirectoryPlace::DisplayText() const {
    QStringList parts{Name};
    if (!Division.isEmpty()) {
        parts << Division;
    }
    parts << Country;
    return parts.join(QStringLiteral(", "));
}

PlaceDirectory::Narrowing PlaceDirectory::NarrowingOf(const QString& state, const QString& country,
                                                      bool either) const {
    const Tables& t = *tables_;
    Narrowing narrowing;
    narrowing.Either = either;
    const QByteArray countryText = FoldPlaceName(country).toUtf8();
    if (!countryText.isEmpty()) {
        const std::string_view text = View(countryText);
        narrowing.Countries.resize(t.Countries.size());
        for (std::size_t i = 0; i < t.Countries.size(); ++i) {
            const Tables::Country& row = t.Countries[i];
            // Codes are typed in either case; "UK" is what most people call GB.
            const std::string_view code = t.View(row.Code);
            narrowing.Countries[i] = AnyWordStartsWith(t.View(row.Folded), text) ||
                                     IsCode(text, code) || IsCode(text, t.View(row.Code3)) ||
                                     (text == "uk" && code == "GB");
        }
    }
    const QByteArray stateText = FoldPlaceName(state).toUtf8();
    if (!stateText.isEmpty()) {
        const std::string_view text = View(stateText);
        narrowing.Divisions.resize(t.Divisions.size());
        for (std::size_t i = 0; i < t.Divisions.size(); ++i) {
            const Tables::Division& row = t.Divisions[i];
            // A code of letters ("CA") is what people type; one of digits ("16") is not.
            const std::string_view code = t.View(row.Code);
            const bool letterCode = std::all_of(code.begin(), code.end(), [](char c) {
                return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
            });
            narrowing.Divisions[i] =
                AnyWordStartsWith(t.View(row.Folded), text) || (letterCode && IsCode(text, code));
        }
    }
    if (either && (narrowing.Countries.empty() || narrowing.Divisions.empty())) {
        // One text read both ways: an empty one admits everything.
        narrowing.Countries.clear();
        narrowing.Divisions.clear();
    }
    return narrowing;
}

std::vector<DirectoryPlace> PlaceDirectory::Complete(const PlaceQuery& query, int limit) const {
    const Tables& t = *tables_;
    QByteArray typed = FoldPlaceName(query.City).toUtf8();
    if (typed.isEmpty() || limit <= 0) {
        return {};
    }
    if (EndsBetweenWords(query.City)) {
        typed.append(' ');
    }
    const std::string_view prefix = View(typed);
    const Narrowing narrowing = NarrowingOf(query.State, query.Country, false);

    // The best way each place matched: 0 its own name begins with the text, or any of its names
    // is the text; 1 only another name begins with it ("Canton" of Guangzhou for "Can"); 2
    // only a later word of its own name does ("York" of New York City).
    constexpr std::uint8_t Unmatched = 0xFF;
    std::vector<std::uint8_t> tier(t.Places.size(), Unmatched);
    std::vector<std::uint32_t> matched;
    const auto first = std::lower_bound(t.Keys.begin(), t.Keys.end(), prefix, KeyOrder{t});
    for (auto key = first; key != t.Keys.end() && StartsWith(t.View(key->Folded), prefix); ++key) {
        const std::uint8_t keyTier = (key->Flags & InnerWord)                      ? 2
                                     : !(key->Flags & AlternateName)               ? 0
                                     : t.View(key->Folded).size() == prefix.size() ? 0
                                                                                   : 1;
        if (keyTier >= tier[key->Place] || !narrowing.Admits(t.Places[key->Place])) {
            continue;
        }
        if (tier[key->Place] == Unmatched) {
            matched.push_back(key->Place);
        }
        tier[key->Place] = keyTier;
    }

    auto better = [&](std::uint32_t a, std::uint32_t b) {
        if (tier[a] != tier[b]) {
            return tier[a] < tier[b];
        }
        if (t.Places[a].Population != t.Places[b].Population) {
            return t.Places[a].Population > t.Places[b].Population;
        }
        return a < b;
    };
    const auto shown = std::min<std::size_t>(matched.size(), std::size_t(limit));
    std::partial_sort(matched.begin(), matched.begin() + std::ptrdiff_t(shown), matched.end(),
                      better);
    std::vector<DirectoryPlace> places;
    places.reserve(shown);
    for (std::size_t i = 0; i < shown; ++i) {
        places.push_back(PlaceAt(int(matched[i])));
    }
    return places;
}

std::vector<DirectoryPlace> PlaceDirectory::FindExact(const QString& name,
                                                      const Narrowing& narrowing) const {
    const Tables& t = *tables_;
    const QByteArray folded = FoldPlaceName(name).toUtf8();
    if (folded.isEmpty()) {
        return {};
    }
    const std::string_view wanted = View(folded);
    const auto [first, last] = std::equal_range(t.Keys.begin(), t.Keys.end(), wanted, KeyOrder{t});
    // A place appears once per key text, so each is seen at most once here.
    std::vector<std::uint32_t> own, other;
    for (auto key = first; key != last; ++key) {
        if ((key->Flags & InnerWord) || !narrowing.Admits(t.Places[key->Place])) {
            continue;
        }
        ((key->Flags & AlternateName) ? other : own).push_back(key->Place);
    }
    std::vector<std::uint32_t>& found = own.empty() ? other : own;
    std::sort(found.begin(), found.end(), [&](std::uint32_t a, std::uint32_t b) {
        if (t.Places[a].Population != t.Places[b].Population) {
            return t.Places[a].Population > t.Places[b].Population;
        }
        return a < b;
    });
    std::vector<DirectoryPlace> places;
    places.reserve(found.size());
    for (const std::uint32_t row : found) {
        places.push_back(PlaceAt(int(row)));
    }
    return places;
}

std::vector<DirectoryPlace> PlaceDirectory::FindExact(const PlaceQuery& query) const {
    return FindExact(query.City, NarrowingOf(query.State, query.Country, false));
}

std::vector<DirectoryPlace> PlaceDirectory::FindByPlaceText(const QString& text) const {
    QStringList parts = text.split(u',');
    for (QString& part : parts) {
        part = part.trimmed();
    }
    // The longest name first: "Washington, D.C." is a name, "Hyderabad, Pakistan" is not.
    for (qsizetype nameParts = parts.size(); nameParts >= 1; --nameParts) {
        const qsizetype rest = parts.size() - nameParts;
        if (rest > 2) {
            break;
        }
        const QString name = parts.mid(0, nameParts).join(QStringLiteral(", "));
        const Narrowing narrowing =
            rest == 2   ? NarrowingOf(parts[nameParts], parts[nameParts + 1], false)
            : rest == 1 ? NarrowingOf(parts[nameParts], parts[nameParts], true)
                        : Narrowing{};
        std::vector<DirectoryPlace> found = FindExact(name, narrowing);
        if (!found.empty()) {
            return found;
        }
    }
    return {};
}
