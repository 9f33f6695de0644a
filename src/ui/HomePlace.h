// SPDX-License-Identifier: MIT
// The home place: the place fields the user saved, which fill the form at start, and how they are
// kept in the per-user settings store, in a section of their own, one key to a field.
#pragma once

#include "ui/PlaceFields.h"

#include <QMap>
#include <QString>

#include <functional>
#include <optional>

inline constexpr const char* HomePlaceSection = "HomePlace";

// Whether fields can be kept as the home place: the degrees and minutes of the longitude and
// the latitude in digits, the zone's hours and minutes in digits with an optional minus sign (as
// the time-zone list writes them), and names of a reasonable length.
// The first field, in the order of the form, that keeps them from being kept; none when all can be.
std::optional<PlaceText> FirstFieldNotKept(const PlaceFields& place);

// The home place as the settings store's keys and values ("LonDeg", "West": "true", ...), and
// back from a reader of those keys: none when a key is absent or holds what the form cannot take
// (a file edited by hand), so that the form opens as it always has. A place of the directory adds
// its full precision ("Longitude", "Latitude") and its named zone ("Zone"); read back, they are
// taken only where they agree with the degrees and minutes beside them (a file of an earlier
// version has none of them).
QMap<QString, QString> HomePlaceValues(const PlaceFields& place);
std::optional<PlaceFields> HomePlaceFromValues(const std::function<QString(const QString&)>& value);
