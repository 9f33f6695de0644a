// SPDX-License-Identifier: MIT
// The place directory as kestrava-tithi lists it.
#include "Places.h"

#include "Formats.h"

#include "places/PlaceDirectory.h"

#include <cmath>
#include <cstdio>

namespace tithi_cli {

namespace {

// 17.38405N 78.45636E: degrees to five places, as the directory keeps them.
std::string Coordinates(double latitude, double longitude) {
    char text[64];
    std::snprintf(text, sizeof text, "%.5f%c %.5f%c", std::fabs(latitude), latitude < 0 ? 'S' : 'N',
                  std::fabs(longitude), longitude < 0 ? 'W' : 'E');
    return text;
}

std::string DisplayOf(const PlaceListing& place) {
    std::string text = place.Name;
    if (!place.Division.empty()) {
        text += ", " + place.Division;
    }
    return text + ", " + place.Country;
}

} // namespace

PlaceListing ListingOf(const DirectoryPlace& place) {
    return {place.Name.toStdString(),
            place.Division.toStdString(),
            place.Country.toStdString(),
            place.Latitude,
            place.Longitude,
            place.ZoneName.toStdString(),
            static_cast<long long>(place.Population)};
}

std::vector<PlaceListing> LookUpPlaces(const std::string& query) {
    constexpr int MostListed = 25;
    std::vector<PlaceListing> listings;
    for (const DirectoryPlace& place :
         PlaceDirectory::BuiltIn().Complete({QString::fromStdString(query), {}, {}}, MostListed)) {
        listings.push_back(ListingOf(place));
    }
    return listings;
}

std::string PlaceLine(const DirectoryPlace& place) {
    return FormatPlaceText(ListingOf(place));
}

std::string FormatPlaceText(const PlaceListing& place) {
    return DisplayOf(place) + "  " + Coordinates(place.Latitude, place.Longitude) + "  " +
           place.ZoneName + "  " + std::to_string(place.Population);
}

std::string FormatPlaceJson(const PlaceListing& place) {
    return "{\"name\":" + JsonString(place.Name) + ",\"division\":" + JsonString(place.Division) +
           ",\"country\":" + JsonString(place.Country) + ",\"latitude\":" + Number(place.Latitude) +
           ",\"longitude\":" + Number(place.Longitude) + ",\"zone\":" + JsonString(place.ZoneName) +
           ",\"population\":" + std::to_string(place.Population) + '}';
}

std::string PlaceCsvHeader() {
    return "name,division,country,latitude,longitude,zone,population";
}

std::string FormatPlaceCsv(const PlaceListing& place) {
    return CsvField(place.Name) + ',' + CsvField(place.Division) + ',' + CsvField(place.Country) +
           ',' + Number(place.Latitude) + ',' + Number(place.Longitude) + ',' +
           CsvField(place.ZoneName) + ',' + std::to_string(place.Population);
}

} // namespace tithi_cli
