// SPDX-License-Identifier: MIT
// The place directory's data: the file built into the program's resources, read in place and
// checked whole before any search runs on it.
#include "places/PlaceData.h"
#include "places/PlaceDirectory.h"
#include "places/PlaceTables.h"

#include <QResource>
#include <QtDebug>

#include <algorithm>
#include <cstdint>

using namespace place_data;

namespace {

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

} // namespace

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
