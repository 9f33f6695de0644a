// SPDX-License-Identifier: MIT
// A place on the Earth as atlases give it.
#pragma once

struct Place {
    double Longitude{}; // degrees, east positive, -180 ... 180
    double Latitude{};  // degrees, north positive, -90 ... 90

    friend bool operator==(const Place&, const Place&) = default;
};

// The record keeps its longitude west positive, as the lunar theory's sources did; the new work
// takes a Place. These turn the one into the other (an exact negation either way).
inline double WestPositiveLongitude(const Place& place) {
    return -place.Longitude;
}
inline Place PlaceOfRecordValues(double longitudeWestPositive, double latitude) {
    return {-longitudeWestPositive, latitude};
}
