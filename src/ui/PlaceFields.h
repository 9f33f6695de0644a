// SPDX-License-Identifier: MIT
// The place and its time zone as the input panel holds them: the texts of the boxes as typed and
// the choices beside them.
#pragma once

#include <QString>

struct PlaceFields {
    QString lonDeg, lonMin;
    bool lonWest = false; // East when false
    QString latDeg, latMin;
    bool latSouth = false; // North when false
    QString zoneHour, zoneMinute;
    bool dst = false;
    QString city, state, country;

    friend bool operator==(const PlaceFields&, const PlaceFields&) = default;
};

// A text field of the place, as a member of PlaceFields.
using PlaceText = QString PlaceFields::*;
