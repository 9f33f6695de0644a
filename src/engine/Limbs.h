// The limbs of the panchanga that are spans of a growing angle: the tithi (the elongation of the
// Moon from the Sun in spans of 12 degrees) and the karana (the same in spans of 6 degrees).
// One search finds when any of them enters and leaves a span; one walk lists the spans between
// two instants.
#pragma once

#include "engine/Crossing.h"

#include <optional>
#include <string_view>
#include <vector>

enum class Limb { Tithi, Karana };

struct LimbDefinition {
    Limb Kind;
    std::string_view Name; // "tithi", "karana": as the command line names it
    double SpanDegrees;    // the width of one span
    int Count;             // spans in a turn
    GrowingAngle Angle;
};

// DefinitionOf: the angle, span and count of a limb.
const LimbDefinition& DefinitionOf(Limb limb);

// The limbs, in the order above.
const LimbDefinition* LimbDefinitions();
int LimbCount();

// Where a limb stands at an instant.
struct LimbPosition {
    double Angle{}; // degrees, 0 to under 360
    int Index{-1};  // 0 ... Count - 1; -1 where the theories give no angle
};

// LimbAt: the angle of a limb and its span at an instant.
//   jde  Julian day, Terrestrial Time
LimbPosition LimbAt(Limb limb, double jde);

// A span of a limb and the instants (TT) at which it begins and ends.
struct LimbSpan {
    int Index{};       // 0 ... Count - 1
    double BeginJde{}; // the angle crosses SpanDegrees x Index
    double EndJde{};   // the angle crosses SpanDegrees x (Index + 1)
};

// FindLimbSpan: when the span that holds an instant began and when it ends.
//   jde  Julian day, Terrestrial Time
//   at   LimbAt(limb, jde), or the same values from the tithi driver
// Returns the span and its two crossings, each within a millisecond of the theories' own
// instant; nothing where the instant has no span (index -1).
std::optional<LimbSpan> FindLimbSpan(Limb limb, double jde, const LimbPosition& at);

// SpansBeginningBetween: every span of a limb that begins at or after one instant and before
// another, with its end, in order.
//   fromJde, toJde  Julian days, Terrestrial Time
// Returns nothing when toJde is not after fromJde or either is not a number.
std::vector<LimbSpan> SpansBeginningBetween(Limb limb, double fromJde, double toJde);
