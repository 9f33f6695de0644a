// SPDX-License-Identifier: MIT
// The place directory as kestrava-tithi lists it.
#include "Places.h"

#include "engine/present/Writers.h"

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
    return TableRowOf(PlaceRecord(ListingOf(place)), "  ");
}

Record PlaceRecord(const PlaceListing& place) {
    Record r;
    r.Add("place", Value::Text(DisplayOf(place)), InText);
    r.Add("name", Value::Text(place.Name), InData);
    r.Add("division", Value::Text(place.Division), InData);
    r.Add("country", Value::Text(place.Country), InData);
    r.Add("latitude", Value::Number(place.Latitude), InData);
    r.Add("longitude", Value::Number(place.Longitude), InData);
    r.Add("coordinates", Value::Text(Coordinates(place.Latitude, place.Longitude)), InText);
    r.Add("zone", Value::Text(place.ZoneName));
    r.Add("population", Value::Integer(place.Population));
    return r;
}

} // namespace tithi_cli
