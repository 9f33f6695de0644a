// SPDX-License-Identifier: MIT
// The limbs of the panchanga that are spans of a growing angle: the tithi (the elongation of the
// Moon from the Sun in spans of 12 degrees), the karana (the same in spans of 6 degrees), the
// nakshatra (the Moon's sidereal longitude in spans of 13 degrees 20') and the yoga (the sum of
// the Sun's and the Moon's sidereal longitudes in spans of 13 degrees 20'). One search finds when
// any of them enters and leaves a span; one walk lists the spans between two instants.
#pragma once

#include "engine/limbs/Crossing.h"
#include "engine/sky/Ephemeris.h"

#include <optional>
#include <string_view>
#include <vector>

enum class Limb { Tithi, Karana, Nakshatra, Yoga };

struct LimbDefinition {
    Limb Kind;
    std::string_view Name; // "tithi", "karana", "nakshatra", "yoga": as the command line names it
    double SpanDegrees;    // the width of one span
    int Count;             // spans in a turn
    GrowingAngle Angle;
};

// DefinitionOf: the angle, span and count of a limb.
const LimbDefinition& DefinitionOf(Limb limb);

// The limbs, in the order above.
const LimbDefinition* LimbDefinitions();
int LimbCount();

// LimbNamed: the limb a name stands for ("tithi", "karana", "nakshatra", "yoga"); nothing for
// any other text.
std::optional<Limb> LimbNamed(std::string_view name);

// Where a limb stands at an instant.
struct LimbPosition {
    double Angle{}; // degrees, 0 to under 360
    int Index{-1};  // 0 ... Count - 1; -1 where the theories give no angle
};

// LimbAt: the angle of a limb and its span at an instant.
//   jde  Julian day, Terrestrial Time
//   sky  the ephemeris and the ayanamsa (the nakshatra and the yoga are sidereal)
LimbPosition LimbAt(Limb limb, double jde, const SkyChoice& sky);

// A span of a limb and the instants (TT) at which it begins and ends.
struct LimbSpan {
    int Index{};       // 0 ... Count - 1
    double BeginJde{}; // the angle crosses SpanDegrees x Index
    double EndJde{};   // the angle crosses SpanDegrees x (Index + 1)
};

// PositionOf: the span of a limb that holds an angle.
//   angle  degrees, 0 ... 360 (360 is where the first span begins)
LimbPosition PositionOf(Limb limb, double angle);

// The angles of all the limbs at one instant, from one evaluation of the theories: each the same
// as the limb's own angle at that instant.
struct LimbAngles {
    double Elongation{};   // the tithi's and the karana's: the Moon's lead over the Sun, degrees
    double MoonSidereal{}; // the nakshatra's: the Moon's sidereal longitude
    double SunSidereal{};  // the Sun's sidereal longitude
    double Yoga{};         // the yoga's: the sum of the two, reduced to a turn
    double Ayanamsa{};     // the chosen ayanamsa then, as ShownAyanamsa gives it
};

// LimbAnglesAt: all of them at a Julian day in Terrestrial Time.
LimbAngles LimbAnglesAt(double jde, const SkyChoice& sky);

// AngleOf: the angle that a limb takes from them.
double AngleOf(const LimbAngles& angles, Limb limb);

// FindLimbSpan: when the span that holds an instant began and when it ends.
//   jde  Julian day, Terrestrial Time
//   at   LimbAt(limb, jde, sky), or the same values from the tithi driver
// Returns the span and its two crossings, each within a millisecond of the theories' own
// instant; nothing where the instant has no span (index -1).
std::optional<LimbSpan> FindLimbSpan(Limb limb, double jde, const LimbPosition& at,
                                     const SkyChoice& sky);

// SpansBeginningBetween: every span of a limb that begins at or after one instant and before
// another, with its end, in order.
//   fromJde, toJde  Julian days, Terrestrial Time
// Returns nothing when toJde is not after fromJde or either is not a number.
std::vector<LimbSpan> SpansBeginningBetween(Limb limb, double fromJde, double toJde,
                                            const SkyChoice& sky);
