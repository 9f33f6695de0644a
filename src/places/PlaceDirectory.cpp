// The place directory: its data read in place from the program's resources, and the searches
// over its sorted index of folded names.
#include "places/PlaceDirectory.h"

#include "places/NameFolding.h"
#include "places/PlaceData.h"

#include <QResource>
#include <QStringList>
#include <QtDebug>

#include <algorithm>
#include <cstdint>
#include <string_view>

using namespace place_data;

namespace {

// A string of the pool.
struct Text {
    std::uint32_t Offset{};
    std::uint16_t Length{};
};

// Reads the little-endian numbers and strings of the data file, in order.
class Reader {
public:
    explicit Reader(const QByteArray& data) : data_(data) {}
    std::uint8_t U8() { return std::uint8_t(data_[at_++]); }
    std::uint16_t U16() {
        const std::uint16_t low = U8();
        return std::uint16_t(low | U8() << 8);
    }
    std::uint32_t U32() {
        const std::uint32_t low = U16();
        return low | std::uint32_t(U16()) << 16;
    }
    Text String() {
        const std::uint32_t offset = U32();
        return {offset, U16()};
    }
    qsizetype Position() const { return at_; }
    void Skip(qsizetype bytes) { at_ += bytes; }

private:
    const QByteArray& data_;
    qsizetype at_{0};
};

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

struct PlaceDirectory::Tables {
    struct Country {
        Text Code, Code3, Name, Folded;
    };
    struct Division {
        std::uint16_t Country{};
        Text Code, Name, Folded;
    };
    struct Place {
        Text Name, AsciiName;
        std::int32_t Latitude{}, Longitude{};
        std::uint32_t Population{};
        std::uint16_t Country{}, Division{}, Zone{};
    };
    struct Key {
        Text Folded;
        std::uint32_t Place{};
        std::uint8_t Flags{};
    };

    QByteArray Data; // the file's bytes, which the pool views
    std::string_view Pool;
    std::vector<Country> Countries;
    std::vector<Division> Divisions;
    std::vector<Text> Zones;
    std::vector<Place> Places;
    std::vector<Key> Keys;

    std::string_view View(Text text) const { return Pool.substr(text.Offset, text.Length); }
    QString String(Text text) const {
        const std::string_view view = View(text);
        return QString::fromUtf8(view.data(), qsizetype(view.size()));
    }
    bool Fits(Text text) const {
        return text.Offset <= Pool.size() && text.Length <= Pool.size() - text.Offset;
    }
};

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

PlaceDirectory::PlaceDirectory(std::shared_ptr<const Tables> tables) : tables_(std::move(tables)) {}

std::optional<PlaceDirectory> PlaceDirectory::FromData(const QByteArray& data) {
    if (data.size() < HeaderBytes) {
        return std::nullopt;
    }
    Reader reader(data);
    std::uint32_t header[HeaderFieldCount];
    for (std::uint32_t& field : header) {
        field = reader.U32();
    }
    if (header[MagicField] != Magic || header[VersionField] != Version) {
        return std::nullopt;
    }
    // The sizes must add up to the file's exactly (in 64 bits: no count can overflow them).
    const std::uint64_t expected = std::uint64_t(HeaderBytes) + header[PoolBytes] +
                                   std::uint64_t(header[CountryCount]) * CountryBytes +
                                   std::uint64_t(header[DivisionCount]) * DivisionBytes +
                                   std::uint64_t(header[ZoneCount]) * ZoneBytes +
                                   std::uint64_t(header[PlaceCount]) * PlaceBytes +
                                   std::uint64_t(header[KeyCount]) * KeyBytes;
    if (expected != std::uint64_t(data.size())) {
        return std::nullopt;
    }

    auto tables = std::make_shared<Tables>();
    tables->Data = data;
    tables->Pool = std::string_view(tables->Data.constData() + HeaderBytes, header[PoolBytes]);
    reader.Skip(header[PoolBytes]);

    tables->Countries.resize(header[CountryCount]);
    for (Tables::Country& country : tables->Countries) {
        country = {reader.String(), reader.String(), reader.String(), reader.String()};
    }
    tables->Divisions.resize(header[DivisionCount]);
    for (Tables::Division& division : tables->Divisions) {
        division.Country = reader.U16();
        division.Code = reader.String();
        division.Name = reader.String();
        division.Folded = reader.String();
    }
    tables->Zones.resize(header[ZoneCount]);
    for (Text& zone : tables->Zones) {
        zone = reader.String();
    }
    tables->Places.resize(header[PlaceCount]);
    for (Tables::Place& place : tables->Places) {
        place.Name = reader.String();
        place.AsciiName = reader.String();
        place.Latitude = std::int32_t(reader.U32());
        place.Longitude = std::int32_t(reader.U32());
        place.Population = reader.U32();
        place.Country = reader.U16();
        place.Division = reader.U16();
        place.Zone = reader.U16();
    }
    tables->Keys.resize(header[KeyCount]);
    for (Tables::Key& key : tables->Keys) {
        key.Folded = reader.String();
        key.Place = reader.U32();
        key.Flags = reader.U8();
    }

    // Every reference must lie inside its table, and the index must be in order: a damaged file
    // is refused rather than read out of bounds or searched wrongly.
    const Tables& t = *tables;
    const bool countriesOk = std::all_of(t.Countries.begin(), t.Countries.end(), [&](auto& c) {
        return t.Fits(c.Code) && t.Fits(c.Code3) && t.Fits(c.Name) && t.Fits(c.Folded);
    });
    const bool divisionsOk = std::all_of(t.Divisions.begin(), t.Divisions.end(), [&](auto& d) {
        return d.Country < t.Countries.size() && t.Fits(d.Code) && t.Fits(d.Name) &&
               t.Fits(d.Folded);
    });
    const bool zonesOk =
        std::all_of(t.Zones.begin(), t.Zones.end(), [&](Text zone) { return t.Fits(zone); });
    const bool placesOk = std::all_of(t.Places.begin(), t.Places.end(), [&](auto& p) {
        return t.Fits(p.Name) && t.Fits(p.AsciiName) && p.Country < t.Countries.size() &&
               (p.Division == NoDivision || p.Division < t.Divisions.size()) &&
               p.Zone < t.Zones.size();
    });
    bool keysOk = true;
    for (std::size_t i = 0; keysOk && i < t.Keys.size(); ++i) {
        keysOk = t.Fits(t.Keys[i].Folded) && t.Keys[i].Place < t.Places.size() &&
                 (i == 0 || t.View(t.Keys[i - 1].Folded) <= t.View(t.Keys[i].Folded));
    }
    if (!countriesOk || !divisionsOk || !zonesOk || !placesOk || !keysOk) {
        return std::nullopt;
    }
    return PlaceDirectory(std::move(tables));
}

const PlaceDirectory& PlaceDirectory::BuiltIn() {
    static const PlaceDirectory directory = [] {
        // Stored uncompressed, the resource is read where it lies, without a copy.
        const QResource resource(QStringLiteral(":/kestrava/places.bin"));
        std::optional<PlaceDirectory> read = FromData(resource.uncompressedData());
        if (!read) {
            qWarning("The built-in place directory is missing or damaged; it is left empty.");
            return PlaceDirectory(std::make_shared<Tables>());
        }
        return *std::move(read);
    }();
    return directory;
}

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
