// SPDX-License-Identifier: MIT
// Fuzzes the one reading of a place: any texts of the form's boxes give a place on the Earth and
// a clock within a day of Universal Time, or a refusal; any angle of the command line is read
// within its range or refused.
#include "engine/input/PlaceReading.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

void Require(bool holds) {
    if (!holds)
        std::abort();
}

} // namespace

// The input: the first byte's bits choose the directions, DST and whether the zone's boxes are
// read; the rest, split at newlines, gives the six boxes and then an angle.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0)
        return 0;
    const std::uint8_t choices = data[0];
    std::string_view rest(reinterpret_cast<const char*>(data + 1), size - 1);
    std::string parts[7];
    for (std::string& part : parts) {
        const auto end = rest.find('\n');
        part = std::string(rest.substr(0, end));
        rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
    }
    PlaceTexts texts{parts[0], parts[1],           parts[2],           parts[3],          parts[4],
                     parts[5], (choices & 1) != 0, (choices & 2) != 0, (choices & 4) != 0};
    const auto read = ReadPlaceBoxes(texts, (choices & 8) != 0);
    if (const auto* place = std::get_if<FormPlace>(&read)) {
        Require(std::fabs(place->Where.Longitude) <= 180 && std::fabs(place->Where.Latitude) <= 90);
        Require(std::fabs(place->Clock.OffsetHoursAt(2451545)) < 25);
    }

    const int most = (choices & 16) != 0 ? 90 : 180;
    const auto angle = ReadAngle(parts[6], 'E', 'W', most);
    if (const auto* reading = std::get_if<AngleReading>(&angle)) {
        Require(reading->Degrees >= 0 && reading->Degrees <= most);
        Require(reading->Minutes >= 0 && reading->Minutes <= 59);
        Require(reading->Degrees < most || reading->Minutes == 0);
        if (reading->Exact)
            Require(std::isfinite(*reading->Exact) && std::fabs(*reading->Exact) <= most);
    }
    return 0;
}
