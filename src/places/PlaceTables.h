// SPDX-License-Identifier: MIT
// The tables of the place directory as they lie in its data file: the countries, divisions,
// zones, places and the sorted index of folded names, with the strings of one pool. Private to
// the directory's sources.
#pragma once

#include "places/PlaceDirectory.h"

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <string_view>
#include <vector>

namespace place_data {

// A string of the pool.
struct Text {
    std::uint32_t Offset{};
    std::uint16_t Length{};
};

} // namespace place_data

struct PlaceDirectory::Tables {
    using Text = place_data::Text;

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
