// SPDX-License-Identifier: MIT
// The classical ephemeris, the report's own theories wrapped as they are, and the choice by name.
#include "engine/sky/Ephemeris.h"

#include "engine/sky/Moon.h"
#include "engine/sky/Nutation.h"
#include "engine/sky/Sun.h"
#include "engine/time/TimeScales.h"

namespace {

class Classical final : public Ephemeris {
public:
    EphemerisKind Kind() const override { return EphemerisKind::Classical; }

    SkyLongitudes LongitudesAt(double jde) const override {
        // As the tithi driver forms them: the nutation once, the Moon first.
        const double nutation = ::NutationInLongitude(jde);
        const double moon = ::MoonLongitude(jde, nutation);
        const double sun = SunApparentLongitude(jde, nutation);
        return {moon, sun, nutation};
    }
    double MoonLongitude(double jde) const override { return ::MoonLongitude(jde); }
    double SunLongitude(double jde) const override { return SunApparentLongitude(jde); }
    double NutationInLongitude(double jde) const override { return ::NutationInLongitude(jde); }
    SkyLongitudes SunAndNutationAt(double jde) const override {
        const double nutation = ::NutationInLongitude(jde);
        return {0, SunApparentLongitude(jde, nutation), nutation};
    }
    MoonLatitudeDistance MoonPlace(double jde) const override {
        return MoonLatitudeAndDistance(jde);
    }
    double DeltaTSeconds(double jd) const override { return DeltaT(jd) * 3600; }
    double TerrestrialOfUniversal(double jd) const override { return ::TerrestrialOfUniversal(jd); }
    double UniversalOfTerrestrial(double jde) const override {
        return ::UniversalOfTerrestrial(jde);
    }
};

} // namespace

std::string_view Ephemeris::Name() const {
    return Kind() == EphemerisKind::Modern ? "modern" : "classical";
}

const Ephemeris& ClassicalEphemeris() {
    static const Classical classical;
    return classical;
}

const Ephemeris& EphemerisOf(EphemerisKind kind) {
    return kind == EphemerisKind::Modern ? ModernEphemeris() : ClassicalEphemeris();
}

std::optional<EphemerisKind> EphemerisNamed(std::string_view name) {
    if (name == "modern") {
        return EphemerisKind::Modern;
    }
    if (name == "classical") {
        return EphemerisKind::Classical;
    }
    return std::nullopt;
}
