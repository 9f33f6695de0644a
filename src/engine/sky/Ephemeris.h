// SPDX-License-Identifier: MIT
// An ephemeris: the apparent longitudes of the Moon and the Sun, the Moon's latitude and
// distance, the nutation, and the Delta T that carries Universal Time to Terrestrial Time. Two
// stand behind this one interface: the classical theories of the tithi's report (bit for bit the
// report's own figures) and the modern one (ELP/MPP02 and ERFA, read from Chebyshev pieces).
// Whoever computes a time takes the ephemeris as an argument; nothing chooses one behind it.
#pragma once

#include "engine/sky/MoonLatitude.h"
#include "engine/time/ClockInstant.h"

#include <optional>
#include <string_view>

enum class EphemerisKind { Modern, Classical };

// The longitudes of one instant, degrees.
struct SkyLongitudes {
    double Moon{};     // apparent geocentric ecliptic longitude, true equinox of date
    double Sun{};      // the same
    double Nutation{}; // the nutation in longitude, which the sidereal zodiac takes back out
};

class Ephemeris {
public:
    virtual ~Ephemeris() = default;

    virtual EphemerisKind Kind() const = 0;
    // "modern" or "classical", as the command line and the exports name it.
    std::string_view Name() const;

    // LongitudesAt: the Moon's and the Sun's apparent longitudes and the nutation.
    //   jde  Julian day, Terrestrial Time
    // Longitudes 0 ... 360 (the classical Moon may give 360 itself, as its theory does).
    virtual SkyLongitudes LongitudesAt(double jde) const = 0;
    virtual double MoonLongitude(double jde) const = 0;
    virtual double SunLongitude(double jde) const = 0;
    virtual double NutationInLongitude(double jde) const = 0;
    // The Sun and the nutation without the Moon (Moon left 0), for the risings of the Sun.
    virtual SkyLongitudes SunAndNutationAt(double jde) const = 0;

    // MoonPlace: the Moon's geocentric latitude (degrees) and distance (km).
    virtual MoonLatitudeDistance MoonPlace(double jde) const = 0;

    // DeltaTSeconds: TT - UT at a Julian day in Universal Time, seconds.
    virtual double DeltaTSeconds(double jd) const = 0;
    // The Julian day in TT of one in UT, and back (to a few microseconds).
    virtual double TerrestrialOfUniversal(double jd) const = 0;
    virtual double UniversalOfTerrestrial(double jde) const = 0;
};

// The two ephemerides. They hold no state; any number of calculations may use them at once.
const Ephemeris& ClassicalEphemeris();
const Ephemeris& ModernEphemeris();
const Ephemeris& EphemerisOf(EphemerisKind kind);

// EphemerisNamed: the kind that "modern" or "classical" names; nothing for any other text.
std::optional<EphemerisKind> EphemerisNamed(std::string_view name);

// InstantOfUniversal: an instant given in Universal Time (Julian day), on a clock, with the
// Delta T of an ephemeris.
inline ClockInstant InstantOfUniversal(const CivilClock& clock, double jd,
                                       const Ephemeris& ephemeris) {
    return {jd, ephemeris.TerrestrialOfUniversal(jd), clock.OffsetHoursAt(jd)};
}

// InstantOfTerrestrial: an instant given in Terrestrial Time (Julian day), on a clock, with the
// Delta T of an ephemeris.
inline ClockInstant InstantOfTerrestrial(const CivilClock& clock, double jde,
                                         const Ephemeris& ephemeris) {
    const double jd = ephemeris.UniversalOfTerrestrial(jde);
    return {jd, jde, clock.OffsetHoursAt(jd)};
}
