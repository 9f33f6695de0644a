// SPDX-License-Identifier: MIT
// The layout of the place directory's data file, written when the program is built and read,
// checked, when the directory opens. All numbers are little-endian; strings are UTF-8 in one
// pool and referred to by offset and length.
#pragma once

#include <cstdint>

namespace place_data {

constexpr std::uint32_t Magic = 0x3144504B; // "KPD1"
constexpr std::uint32_t Version = 1;

// The header: Magic, Version, then the count of each table in this order, and the pool's size.
enum HeaderField : int {
    MagicField,
    VersionField,
    CountryCount,
    DivisionCount,
    ZoneCount,
    PlaceCount,
    KeyCount,
    PoolBytes,
    HeaderFieldCount,
};
constexpr int HeaderBytes = HeaderFieldCount * 4;

// After the header: the string pool, then the tables in the order of the header, each a run of
// fixed-size rows. A string is a 4-byte offset into the pool and a 2-byte length.
constexpr int StringBytes = 6;
// Country: ISO code ("IN"), ISO 3 code ("IND"), name, folded name.
constexpr int CountryBytes = 4 * StringBytes;
// First-level division: its country's row (2 bytes), code ("16"; "CA" in the United States),
// name, folded name.
constexpr int DivisionBytes = 2 + 3 * StringBytes;
// Zone: its IANA name as the list gives it.
constexpr int ZoneBytes = StringBytes;
// Place: name, ASCII name, latitude and longitude in hundred-thousandths of a degree (north and
// east positive, 4 bytes each, signed), population (4), country, division (NoDivision when the
// list names none) and zone rows (2 each).
constexpr int PlaceBytes = 2 * StringBytes + 4 + 4 + 4 + 2 + 2 + 2;
constexpr std::uint16_t NoDivision = 0xFFFF;
constexpr double CoordinateUnitsPerDegree = 100000.0;
// Search key: folded text, the place's row (4), and what the key is (1): keys are sorted by
// their text's bytes, which is the order of the code points.
constexpr int KeyBytes = StringBytes + 4 + 1;
enum KeyFlag : std::uint8_t {
    InnerWord = 1,     // a later word of the name ("york" of "New York")
    AlternateName = 2, // another name of the place ("bombay" of Mumbai)
};

} // namespace place_data
