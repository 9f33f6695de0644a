// The home place: the place fields the user saved, which fill the form at start. It is kept in the
// per-user settings store, in a section of its own, one key to a field.
#pragma once

#include "ui/PlaceFields.h"

#include <optional>

class Platform;

inline constexpr const char* HomePlaceSection = "HomePlace";

// Whether fields can be kept as the home place: the degrees and minutes of the longitude and
// the latitude in digits, the zone's hours and minutes in digits with an optional minus sign (as
// the time-zone list writes them), and names of a reasonable length.
// The first field, in the order of the form, that keeps them from being kept; none when all can be.
std::optional<PlaceText> FirstFieldNotKept(const PlaceFields& place);

// The saved home place, or none: when none was saved, or when what the store holds is not a place
// the form can take (a file edited by hand), so that the form opens as it always has.
std::optional<PlaceFields> ReadHomePlace(Platform& platform);

// Saves the fields as the home place, or forgets it. False when the settings store could not be
// written.
bool SaveHomePlace(Platform& platform, const PlaceFields& place);
bool ClearHomePlace(Platform& platform);
