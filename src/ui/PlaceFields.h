// SPDX-License-Identifier: MIT
// The place and its time zone as the input panel holds them: the texts of the boxes as typed and
// the choices beside them.
#pragma once

#include "engine/base/Place.h"

#include <QString>

#include <optional>

struct PlaceFields {
    QString lonDeg, lonMin;
    bool lonWest = false; // East when false
    QString latDeg, latMin;
    bool latSouth = false; // North when false
    QString zoneHour, zoneMinute;
    bool dst = false;
    QString city, state, country;
    // A place of the directory that filled the boxes, while they hold what it wrote: its full
    // precision, and its named zone (empty where the zone's boxes set the clock). The panel's
    // boxes do not hold them; the form's named zone does.
    std::optional<Place> exact;
    QString zoneName;

    friend bool operator==(const PlaceFields&, const PlaceFields&) = default;
};

// A text field of the place, as a member of PlaceFields.
using PlaceText = QString PlaceFields::*;
