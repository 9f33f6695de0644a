// SPDX-License-Identifier: MIT
// The calculation record: the one block of values that the input form, the moment preparation,
// the panchanga and the results report share. Plain data, free of Qt.
#pragma once

#include <array>
#include <cstdint>
#include <string>

// A flag of the record: True is -1 and False is 0, held in 16 bits.
using Flag = std::int16_t;
inline constexpr Flag FlagTrue = -1;
inline constexpr Flag FlagFalse = 0;

inline constexpr Flag ToFlag(bool value) {
    return value ? FlagTrue : FlagFalse;
}

// Slots of the series tables: one more than the rows they hold; the last stays empty.
inline constexpr std::size_t MainTermSlots = 94;   // indexes 0 ... 93
inline constexpr std::size_t MinorTermSlots = 28;  // indexes 0 ... 27
inline constexpr std::size_t TithiTableSlots = 31; // indexes 0 ... 30; slot 30 is empty

using MainTermColumn = std::array<double, MainTermSlots>;
using MinorTermColumn = std::array<double, MinorTermSlots>;
using TithiTextTable = std::array<std::string, TithiTableSlots>;

struct CalculationRecord {
    // The inputs, copied from the form.
    std::string PersonName;    // the user's name, trimmed
    std::int16_t BirthMonth{}; // 1 ... 12
    std::int16_t BirthDay{};   // 1 ... 31
    std::int16_t BirthYear{};  // 1901 ... 2050
    std::int16_t BirthHour{};  // civil (zone) time, 0 ... 23
    std::int16_t BirthMinute{};
    std::int16_t ZoneHour{};   // hours of the zone's offset, without sign
    std::int16_t ZoneMinute{}; // minutes of the zone's offset, without sign
    std::int16_t LonDeg{};     // degrees of longitude, without sign
    std::int16_t LonMin{};
    std::int16_t LatDeg{}; // degrees of latitude, without sign
    std::int16_t LatMin{};
    Flag LonEast{};  // True: east of Greenwich
    Flag LatSouth{}; // True: south of the equator
    Flag DstFlag{};  // True: daylight saving time is in force

    // The working values of the moment and place.
    double DegToRad{};   // degrees to radians, 0.0174532925199433
    double RadToDeg{};   // radians to degrees, 57.2957795130823
    double LocalHours{}; // civil clock time in decimal hours
    double DateMonth{};
    double DateDay{};
    double DateYear{};
    double ZoneHours{}; // zone offset in decimal hours, without sign, daylight saving applied
    double Longitude{}; // decimal degrees, west positive, east negative

    // The lunar series: multipliers of l, l', F, D and the coefficient in seconds of arc.
    MainTermColumn MainTermL{};
    MainTermColumn MainTermLs{};
    MainTermColumn MainTermF{};
    MainTermColumn MainTermD{};
    MainTermColumn MainTermCoef{};
    MinorTermColumn MinorTermCoef{};
    MinorTermColumn MinorTermL{};
    MinorTermColumn MinorTermLs{};
    MinorTermColumn MinorTermF{};
    MinorTermColumn MinorTermD{};

    double TithiIndex{}; // 0 = Shukla Pratipada, 14 = Purnima, 29 = Amavasya

    // The calendar date of the Julian day last converted.
    double CalYear{};
    double CalMonth{};
    double CalDay{};

    // The texts of the results panel, by tithi index.
    TithiTextTable TithiNumberTable;
    TithiTextTable TithiNameTable;
    TithiTextTable TithiPhaseTable;
    TithiTextTable TithiLordTable;
    TithiTextTable TithiGroupTable;
    TithiTextTable TithiFeatureTable;
    TithiTextTable TithiNatureTable;
    TithiTextTable TithiTypeTable;
    TithiTextTable TithiDescriptionTable;
};
