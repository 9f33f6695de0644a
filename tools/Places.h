// SPDX-License-Identifier: MIT
// kestrava-tithi's look-ups in the place directory: the places a query names, and the lines
// that list them.
#pragma once

#include "Options.h"

#include "engine/present/Record.h"

#include <string>
#include <vector>

struct DirectoryPlace;

namespace tithi_cli {

// A place of the directory as the tool lists it.
struct PlaceListing {
    std::string Name, Division, Country;
    double Latitude{}, Longitude{}; // degrees, north and east positive
    std::string ZoneName;
    long long Population{};
};

PlaceListing ListingOf(const DirectoryPlace& place);

// LookUpPlaces: the places whose names begin with the query, the most populous first, as the
// window's completion finds them (at most 25).
std::vector<PlaceListing> LookUpPlaces(const std::string& query);

// "Hyderabad, Telangana, India  17.38405N 78.45636E  Asia/Kolkata  6809970"
std::string PlaceLine(const DirectoryPlace& place);
// PlaceRecord: a place's row: in the text its name and coordinates as the window shows them,
// in JSON and CSV its parts and degrees.
Record PlaceRecord(const PlaceListing& place);

} // namespace tithi_cli
