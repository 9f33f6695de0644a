// SPDX-License-Identifier: MIT
// Builds the place directory's data file from GeoNames' tables: the places of 15,000 or more
// inhabitants, the first-level divisions and the countries.
//   kestrava_make_place_data CITIES ADMIN1 COUNTRIES OUTPUT
// Every place keeps its name, ASCII name, coordinates, country, division, population and zone,
// and is found by the folded forms of its names: the name and ASCII name (and each later word
// of them), and those other names written in Latin letters or in Devanagari that are proper
// names (mixed case, no digits: "Bombay", not "BOM" or "bmbyy").
#include "places/NameFolding.h"
#include "places/PlaceData.h"

#include <QByteArray>
#include <QFile>
#include <QHash>
#include <QString>
#include <QStringList>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <map>
#include <string_view>
#include <vector>

namespace {

using namespace place_data;

[[noreturn]] void Fail(const QString& message) {
    std::fprintf(stderr, "kestrava_make_place_data: %s\n", qPrintable(message));
    std::exit(1);
}

// The tab-separated rows of a GeoNames table, without its comment lines.
std::vector<QStringList> ReadRows(const QString& path, int minimumFields) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        Fail(QStringLiteral("cannot read %1: %2").arg(path, file.errorString()));
    }
    std::vector<QStringList> rows;
    int lineNumber = 0;
    while (!file.atEnd()) {
        ++lineNumber;
        QByteArray line = file.readLine();
        while (line.endsWith('\n') || line.endsWith('\r')) {
            line.chop(1);
        }
        if (line.isEmpty() || line.startsWith('#')) {
            continue;
        }
        QStringList fields = QString::fromUtf8(line).split(u'\t');
        if (fields.size() < minimumFields) {
            Fail(QStringLiteral("%1:%2: %3 fields, expected %4")
                     .arg(path)
                     .arg(lineNumber)
                     .arg(fields.size())
                     .arg(minimumFields));
        }
        rows.push_back(std::move(fields));
    }
    return rows;
}

class Writer {
public:
    void U8(std::uint8_t value) { bytes_.append(char(value)); }
    void U16(std::uint16_t value) {
        U8(value & 0xFF);
        U8(value >> 8);
    }
    void U32(std::uint32_t value) {
        U16(value & 0xFFFF);
        U16(value >> 16);
    }
    void Bytes(const QByteArray& data) { bytes_.append(data); }
    const QByteArray& Data() const { return bytes_; }

private:
    QByteArray bytes_;
};

// The string pool: each distinct text once.
class Pool {
public:
    struct Ref {
        std::uint32_t Offset{};
        std::uint16_t Length{};
    };
    Ref Add(const QString& text) { return Add(text.toUtf8()); }
    Ref Add(const QByteArray& utf8) {
        if (utf8.size() > std::numeric_limits<std::uint16_t>::max()) {
            Fail(QStringLiteral("a text of %1 bytes is too long").arg(utf8.size()));
        }
        const auto found = offsets_.constFind(utf8);
        if (found != offsets_.constEnd()) {
            return {*found, std::uint16_t(utf8.size())};
        }
        const auto offset = std::uint32_t(bytes_.size());
        offsets_.insert(utf8, offset);
        bytes_.append(utf8);
        return {offset, std::uint16_t(utf8.size())};
    }
    const QByteArray& Bytes() const { return bytes_; }

private:
    QByteArray bytes_;
    QHash<QByteArray, std::uint32_t> offsets_;
};

void WriteRef(Writer& out, Pool::Ref ref) {
    out.U32(ref.Offset);
    out.U16(ref.Length);
}

// Whether another name of a place is worth searching by: a proper name in Latin letters or a
// name in Devanagari (for Hindi readers). GeoNames also lists airport codes ("BOM"),
// machine transliterations in lower case ("bmbyy") and names in many other scripts.
bool IsSearchableAlternateName(const QString& name) {
    bool upper = false, lower = false;
    QChar::Script script = QChar::Script_Unknown;
    for (const char32_t c : name.toUcs4()) {
        if (QChar::isDigit(c)) {
            return false;
        }
        if (QChar::isLetter(c)) {
            if (script == QChar::Script_Unknown) {
                script = QChar::script(c);
            }
            upper = upper || QChar::isUpper(c);
            lower = lower || QChar::isLower(c);
        }
    }
    if (script == QChar::Script_Devanagari) {
        return true;
    }
    return script == QChar::Script_Latin && upper && lower;
}

int Coordinate(const QString& text, double limit, const QString& what) {
    bool ok = false;
    const double degrees = text.toDouble(&ok);
    if (!ok || !(std::fabs(degrees) <= limit)) {
        Fail(QStringLiteral("%1 %2 out of range").arg(what, text));
    }
    return int(std::lround(degrees * CoordinateUnitsPerDegree));
}

std::uint16_t SmallIndex(std::size_t index, const char* table) {
    if (index >= NoDivision) {
        Fail(QStringLiteral("too many %1").arg(QLatin1StringView(table)));
    }
    return std::uint16_t(index);
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 5) {
        std::fprintf(stderr, "usage: %s CITIES ADMIN1 COUNTRIES OUTPUT\n", argv[0]);
        return 2;
    }
    const QString citiesPath = QString::fromLocal8Bit(argv[1]);
    const QString divisionsPath = QString::fromLocal8Bit(argv[2]);
    const QString countriesPath = QString::fromLocal8Bit(argv[3]);
    const QString outputPath = QString::fromLocal8Bit(argv[4]);

    Pool pool;
    Writer countries, divisions, zones, places, keys;

    // countryInfo.txt: ISO, ISO3, ISO-Numeric, fips, Country, ...
    QHash<QString, std::uint16_t> countryRows;
    const auto countryTable = ReadRows(countriesPath, 5);
    for (const QStringList& row : countryTable) {
        countryRows.insert(row[0], SmallIndex(countryRows.size(), "countries"));
        WriteRef(countries, pool.Add(row[0]));
        WriteRef(countries, pool.Add(row[1]));
        WriteRef(countries, pool.Add(row[4]));
        WriteRef(countries, pool.Add(FoldPlaceName(row[4])));
    }

    // admin1Codes.txt: "CC.CODE", name, ASCII name, geonameid.
    QHash<QString, std::uint16_t> divisionRows;
    for (const QStringList& row : ReadRows(divisionsPath, 2)) {
        const qsizetype dot = row[0].indexOf(u'.');
        const auto country = countryRows.constFind(row[0].left(dot));
        if (dot < 0 || country == countryRows.constEnd()) {
            Fail(QStringLiteral("division %1 of no known country").arg(row[0]));
        }
        divisionRows.insert(row[0], SmallIndex(divisionRows.size(), "divisions"));
        divisions.U16(*country);
        WriteRef(divisions, pool.Add(row[0].mid(dot + 1)));
        WriteRef(divisions, pool.Add(row[1]));
        WriteRef(divisions, pool.Add(FoldPlaceName(row[1])));
    }

    // cities15000.txt: geonameid, name, asciiname, alternatenames, latitude, longitude, feature
    // class, feature code, country code, cc2, admin1 code, admin2, admin3, admin4, population,
    // elevation, dem, timezone, modification date.
    struct Key {
        QByteArray Whole; // the folded name the key belongs to
        std::uint32_t Place;
        std::uint8_t Flags;
        std::uint16_t Start; // where the key begins in Whole: an inner word's first byte
    };
    std::vector<Key> allKeys;
    QHash<QString, std::uint16_t> zoneRows;
    const auto placeTable = ReadRows(citiesPath, 18);
    for (std::size_t placeRow = 0; placeRow < placeTable.size(); ++placeRow) {
        const QStringList& row = placeTable[placeRow];
        const auto country = countryRows.constFind(row[8]);
        if (country == countryRows.constEnd()) {
            Fail(QStringLiteral("place %1 of no known country %2").arg(row[0], row[8]));
        }
        // A few places name a division that the divisions table lacks; they keep none.
        const std::uint16_t division = divisionRows.value(row[8] + u'.' + row[10], NoDivision);
        const QString& zone = row[17];
        if (zone.isEmpty()) {
            Fail(QStringLiteral("place %1 has no zone").arg(row[0]));
        }
        if (!zoneRows.contains(zone)) {
            zoneRows.insert(zone, SmallIndex(zoneRows.size(), "zones"));
            WriteRef(zones, pool.Add(zone));
        }
        bool populationOk = false;
        const qulonglong population = row[14].isEmpty() ? 0 : row[14].toULongLong(&populationOk);
        if (!row[14].isEmpty() && (!populationOk || population > 0xFFFFFFFFull)) {
            Fail(QStringLiteral("place %1: population %2").arg(row[0], row[14]));
        }
        WriteRef(places, pool.Add(row[1]));
        WriteRef(places, pool.Add(row[2]));
        places.U32(std::uint32_t(Coordinate(row[4], 90, QStringLiteral("latitude"))));
        places.U32(std::uint32_t(Coordinate(row[5], 180, QStringLiteral("longitude"))));
        places.U32(std::uint32_t(population));
        places.U16(*country);
        places.U16(division);
        places.U16(zoneRows.value(zone));

        // The place's keys, each once, with the strongest flags it earns: a whole name before
        // an alternate name, either before an inner word.
        auto weakness = [](std::uint8_t flags) {
            return ((flags & InnerWord) ? 2 : 0) + ((flags & AlternateName) ? 1 : 0);
        };
        std::map<QByteArray, Key> placeKeys; // by the key's own text
        auto addKey = [&](const QString& folded, std::uint8_t flags, qsizetype wordStart) {
            const QByteArray whole = folded.toUtf8();
            // An inner word shares its whole name's text: only where it starts is kept.
            const auto start = std::uint16_t(folded.left(wordStart).toUtf8().size());
            const QByteArray text = whole.mid(start);
            if (text.isEmpty()) {
                return;
            }
            const Key key{whole, std::uint32_t(placeRow), flags, start};
            const auto [at, added] = placeKeys.try_emplace(text, key);
            if (!added && weakness(flags) < weakness(at->second.Flags)) {
                at->second = key;
            }
        };
        for (const Umlauts umlauts : {Umlauts::Dropped, Umlauts::Expanded}) {
            for (const QString& name : {row[1], row[2]}) {
                const QString folded = FoldPlaceName(name, umlauts);
                addKey(folded, 0, 0);
                for (qsizetype space = folded.indexOf(u' '); space >= 0;
                     space = folded.indexOf(u' ', space + 1)) {
                    addKey(folded, InnerWord, space + 1);
                }
            }
            for (const QString& name : row[3].split(u',', Qt::SkipEmptyParts)) {
                if (IsSearchableAlternateName(name)) {
                    addKey(FoldPlaceName(name, umlauts), AlternateName, 0);
                }
            }
        }
        for (const auto& [text, key] : placeKeys) {
            allKeys.push_back(key);
        }
    }
    std::sort(allKeys.begin(), allKeys.end(), [](const Key& a, const Key& b) {
        // The order of the bytes (as unsigned), which the directory's binary search assumes.
        const std::string_view aText(a.Whole.constData() + a.Start, a.Whole.size() - a.Start);
        const std::string_view bText(b.Whole.constData() + b.Start, b.Whole.size() - b.Start);
        return aText != bText ? aText < bText : a.Place < b.Place;
    });
    for (const Key& key : allKeys) {
        Pool::Ref ref = pool.Add(key.Whole);
        ref.Offset += key.Start;
        ref.Length -= key.Start;
        WriteRef(keys, ref);
        keys.U32(key.Place);
        keys.U8(key.Flags);
    }

    Writer out;
    out.U32(Magic);
    out.U32(Version);
    out.U32(std::uint32_t(countryRows.size()));
    out.U32(std::uint32_t(divisionRows.size()));
    out.U32(std::uint32_t(zoneRows.size()));
    out.U32(std::uint32_t(placeTable.size()));
    out.U32(std::uint32_t(allKeys.size()));
    out.U32(std::uint32_t(pool.Bytes().size()));
    out.Bytes(pool.Bytes());
    for (const Writer* table : {&countries, &divisions, &zones, &places, &keys}) {
        out.Bytes(table->Data());
    }

    QFile file(outputPath);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        file.write(out.Data()) != out.Data().size() || !file.flush()) {
        Fail(QStringLiteral("cannot write %1: %2").arg(outputPath, file.errorString()));
    }
    std::printf("Place directory: %zu places, %zu search keys, %lld bytes\n", placeTable.size(),
                allKeys.size(), static_cast<long long>(out.Data().size()));
    return 0;
}
