// SPDX-License-Identifier: MIT
// The modern ephemeris: the Chebyshev pieces fitted to ELP/MPP02 and ERFA over 1900-2051, the
// series themselves outside them, and the observed Delta T.
#include "engine/sky/Ephemeris.h"
#include "engine/sky/ModernPlaces.h"
#include "engine/sky/ModernSkyTable.h"
#include "engine/time/ObservedDeltaT.h"

#include <cmath>

namespace {

constexpr double SecondsPerDay = 86400.0;

double Turn(double degrees) {
    const double reduced = degrees - 360 * std::floor(degrees / 360);
    return reduced >= 360 ? 0 : reduced;
}

class Modern final : public Ephemeris {
public:
    EphemerisKind Kind() const override { return EphemerisKind::Modern; }

    SkyLongitudes LongitudesAt(double jde) const override {
        if (!ModernMoonLongitudeTable.Holds(jde) || !ModernSunLongitudeTable.Holds(jde)) {
            return {ModernMoonBySeries(jde).Longitude, ModernSunBySeries(jde),
                    ModernNutationBySeries(jde)};
        }
        const double nutation = ModernNutationTable.ValueAt(jde);
        return {Turn(ModernMoonLongitudeTable.ValueAt(jde) + nutation),
                Turn(ModernSunLongitudeTable.ValueAt(jde) + nutation), nutation};
    }
    double MoonLongitude(double jde) const override {
        if (!ModernMoonLongitudeTable.Holds(jde)) {
            return ModernMoonBySeries(jde).Longitude;
        }
        return Turn(ModernMoonLongitudeTable.ValueAt(jde) + ModernNutationTable.ValueAt(jde));
    }
    double SunLongitude(double jde) const override {
        if (!ModernSunLongitudeTable.Holds(jde)) {
            return ModernSunBySeries(jde);
        }
        return Turn(ModernSunLongitudeTable.ValueAt(jde) + ModernNutationTable.ValueAt(jde));
    }
    double NutationInLongitude(double jde) const override {
        return ModernNutationTable.Holds(jde) ? ModernNutationTable.ValueAt(jde)
                                              : ModernNutationBySeries(jde);
    }
    SkyLongitudes SunAndNutationAt(double jde) const override {
        const double nutation = NutationInLongitude(jde);
        if (!ModernSunLongitudeTable.Holds(jde)) {
            return {0, ModernSunBySeries(jde), nutation};
        }
        return {0, Turn(ModernSunLongitudeTable.ValueAt(jde) + nutation), nutation};
    }
    MoonLatitudeDistance MoonPlace(double jde) const override {
        if (!ModernMoonLatitudeTable.Holds(jde)) {
            const ModernMoonPlace moon = ModernMoonBySeries(jde);
            return {moon.Latitude, moon.DistanceKm};
        }
        return {ModernMoonLatitudeTable.ValueAt(jde), ModernMoonDistanceTable.ValueAt(jde)};
    }
    double DeltaTSeconds(double jd) const override { return ObservedDeltaTSeconds(jd); }
    double TerrestrialOfUniversal(double jd) const override {
        return jd + ObservedDeltaTSeconds(jd) / SecondsPerDay;
    }
    double UniversalOfTerrestrial(double jde) const override {
        // Delta T changes by well under a millisecond a day: three steps settle it.
        double jd = jde - ObservedDeltaTSeconds(jde) / SecondsPerDay;
        for (int step = 0; step < 2; ++step) {
            jd = jde - ObservedDeltaTSeconds(jd) / SecondsPerDay;
        }
        return jd;
    }
};

} // namespace

const Ephemeris& ModernEphemeris() {
    static const Modern modern;
    return modern;
}
