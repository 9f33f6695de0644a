// SPDX-License-Identifier: MIT
// The limbs as spans of growing angles: their definitions, the span around an instant, and the
// run of spans between two instants.
#include "engine/limbs/Limbs.h"

#include "engine/limbs/Elongation.h"
#include "engine/sky/Ayanamsa.h"
#include "engine/sky/Moon.h"
#include "engine/sky/Nutation.h"
#include "engine/sky/Sun.h"

#include <cmath>
#include <iterator>

namespace {

double Elongation(double jde, const SkyChoice& sky) {
    return TithiAt(jde, EphemerisOf(sky.Ephemeris)).Elongation;
}

// The sum of the Sun's and the Moon's sidereal longitudes, as the yoga reckons it.
double YogaOf(double moonSidereal, double sunSidereal) {
    const double sum = moonSidereal + sunSidereal;
    return sum < 360 ? sum : sum - 360;
}

// The Moon's sidereal longitude.
double NakshatraAngle(double jde, const SkyChoice& choice) {
    const SkyLongitudes sky = EphemerisOf(choice.Ephemeris).LongitudesAt(jde);
    return SiderealLongitude(sky.Moon, MeanAyanamsa(choice, jde), sky.Nutation);
}

double YogaAngle(double jde, const SkyChoice& choice) {
    const SkyLongitudes sky = EphemerisOf(choice.Ephemeris).LongitudesAt(jde);
    const double ayanamsa = MeanAyanamsa(choice, jde);
    return YogaOf(SiderealLongitude(sky.Moon, ayanamsa, sky.Nutation),
                  SiderealLongitude(sky.Sun, ayanamsa, sky.Nutation));
}

// The elongation grows between about 10 and 15 degrees a day, a turn in a synodic month.
constexpr GrowingAngle ElongationAngle = {Elongation, MeanElongationRate, 5, 25};
// The Moon runs between about 11.8 and 15.4 degrees a day, a turn in a sidereal month of
// 27.321662 days; the yoga adds the Sun's degree a day.
constexpr double MeanSiderealMoonRate = 360 / 27.321662;
constexpr double MeanSunRate = 360 / 365.256363;
constexpr GrowingAngle MoonAngle = {NakshatraAngle, MeanSiderealMoonRate, 5, 25};
constexpr GrowingAngle YogaSumAngle = {YogaAngle, MeanSiderealMoonRate + MeanSunRate, 5, 25};

// A nakshatra or a yoga is a twenty-seventh of a turn, 13 degrees 20'.
constexpr double TwentySeventh = 360.0 / 27;

constexpr LimbDefinition Definitions[] = {
    {Limb::Tithi, "tithi", 12, 30, ElongationAngle},
    {Limb::Karana, "karana", 6, 60, ElongationAngle},
    {Limb::Nakshatra, "nakshatra", TwentySeventh, 27, MoonAngle},
    {Limb::Yoga, "yoga", TwentySeventh, 27, YogaSumAngle},
};

} // namespace

const LimbDefinition& DefinitionOf(Limb limb) {
    return Definitions[static_cast<std::size_t>(limb)];
}

const LimbDefinition* LimbDefinitions() {
    return Definitions;
}

int LimbCount() {
    return static_cast<int>(std::size(Definitions));
}

std::optional<Limb> LimbNamed(std::string_view name) {
    for (const LimbDefinition& definition : Definitions) {
        if (definition.Name == name) {
            return definition.Kind;
        }
    }
    return std::nullopt;
}

LimbAngles LimbAnglesAt(double jde, const SkyChoice& choice) {
    // As each limb's own angle forms it: the nutation once, the Moon first.
    const SkyLongitudes sky = EphemerisOf(choice.Ephemeris).LongitudesAt(jde);
    const double nutation = sky.Nutation;
    const double moon = sky.Moon;
    const double sun = sky.Sun;
    LimbAngles angles;
    const double ayanamsa = MeanAyanamsa(choice, jde);
    angles.Ayanamsa = ShownAyanamsa(choice.Ayanamsa, ayanamsa, nutation);
    angles.Elongation = TithiOfLongitudes(moon, sun).Elongation;
    angles.MoonSidereal = SiderealLongitude(moon, ayanamsa, nutation);
    angles.SunSidereal = SiderealLongitude(sun, ayanamsa, nutation);
    angles.Yoga = YogaOf(angles.MoonSidereal, angles.SunSidereal);
    return angles;
}

double AngleOf(const LimbAngles& angles, Limb limb) {
    switch (limb) {
    case Limb::Tithi:
    case Limb::Karana:
        return angles.Elongation;
    case Limb::Nakshatra:
        return angles.MoonSidereal;
    case Limb::Yoga:
        return angles.Yoga;
    }
    return std::nan("");
}

LimbPosition LimbAt(Limb limb, double jde, const SkyChoice& sky) {
    return PositionOf(limb, DefinitionOf(limb).Angle.At(jde, sky));
}

LimbPosition PositionOf(Limb limb, double angle) {
    const LimbDefinition& definition = DefinitionOf(limb);
    LimbPosition position;
    position.Angle = angle;
    if (position.Angle >= 360) {
        position.Angle = 0; // a full turn is where the first span begins
    }
    const double steps = std::floor(position.Angle / definition.SpanDegrees);
    position.Index = steps >= 0 && steps < definition.Count ? static_cast<int>(steps) : -1;
    return position;
}

std::optional<LimbSpan> FindLimbSpan(Limb limb, double jde, const LimbPosition& at,
                                     const SkyChoice& sky) {
    const LimbDefinition& definition = DefinitionOf(limb);
    if (at.Index < 0 || at.Index >= definition.Count) {
        return std::nullopt;
    }
    const double span = definition.SpanDegrees;
    // The end first: the slope found on the way carries over to the begin, a day or so back.
    const Crossing end = FindCrossing(definition.Angle, span * (at.Index + 1), jde, at.Angle,
                                      definition.Angle.MeanRate, sky);
    const Crossing begin =
        FindCrossing(definition.Angle, span * at.Index, jde, at.Angle, end.Rate, sky);
    return LimbSpan{at.Index, begin.Jde, end.Jde};
}

std::vector<LimbSpan> SpansBeginningBetween(Limb limb, double fromJde, double toJde,
                                            const SkyChoice& sky) {
    std::vector<LimbSpan> spans;
    if (!(fromJde < toJde)) {
        return spans;
    }
    const LimbDefinition& definition = DefinitionOf(limb);
    const LimbPosition first = LimbAt(limb, fromJde, sky);
    if (first.Index < 0) {
        return spans;
    }
    const double span = definition.SpanDegrees;
    const GrowingAngle& angle = definition.Angle;
    // The first boundary at or after the start, then one boundary after another: each crossing
    // ends one span and begins the next, and is searched for once.
    int index = first.Index;
    Crossing boundary = {fromJde, angle.MeanRate};
    if (first.Angle != span * index) {
        boundary =
            FindCrossing(angle, span * (index + 1), fromJde, first.Angle, angle.MeanRate, sky);
        index = (index + 1) % definition.Count;
    }
    spans.reserve(static_cast<std::size_t>((toJde - fromJde) * angle.MeanRate / span) + 2);
    while (boundary.Jde < toJde) {
        // From the last crossing the next lies one span on.
        const double target = span * (index + 1);
        const Crossing next =
            FindCrossing(angle, target, boundary.Jde, target - span, boundary.Rate, sky);
        if (!(next.Jde > boundary.Jde)) {
            break; // no progress: nothing sound can follow
        }
        spans.push_back({index, boundary.Jde, next.Jde});
        boundary = next;
        index = (index + 1) % definition.Count;
    }
    return spans;
}
