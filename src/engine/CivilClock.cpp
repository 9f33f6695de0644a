// The hemisphere rule, written once, and the resolution of a clock reading across a change of
// offset.
#include "engine/CivilClock.h"

#include <cmath>

int HemisphereSign(double longitudeWestPositive) {
    return longitudeWestPositive < 0 ? 1 : -1;
}

double ZoneHoursWithDaylightSaving(double zoneHours, double longitudeWestPositive) {
    // zoneHours + 1 in the east, zoneHours - 1 in the west: adding -1 is the same subtraction.
    return zoneHours + HemisphereSign(longitudeWestPositive);
}

double ClockOffsetHours(double zoneHours, double longitudeWestPositive) {
    return HemisphereSign(longitudeWestPositive) * zoneHours;
}

namespace {

constexpr double SecondInDays = 1.0 / 86400;

// The instant at which the offset changes between two instants that differ in offset, by
// halving the interval to under a second.
double ChangeBetween(const CivilClock& clock, double before, double after) {
    const double offsetBefore = clock.OffsetHoursAt(before);
    for (int step = 0; step < 64 && after - before > SecondInDays / 2; ++step) {
        const double middle = before + (after - before) / 2;
        if (clock.OffsetHoursAt(middle) == offsetBefore) {
            before = middle;
        } else {
            after = middle;
        }
    }
    return after;
}

} // namespace

ResolvedReading ResolveReading(const CivilClock& clock, double civilJd) {
    ResolvedReading resolved;
    if (!std::isfinite(civilJd)) {
        return resolved;
    }
    // The offsets in force a day before, at and a day after the reading (taken as if it were
    // Universal Time: no offset exceeds a day).
    const double probes[] = {clock.OffsetHoursAt(civilJd - 1), clock.OffsetHoursAt(civilJd),
                             clock.OffsetHoursAt(civilJd + 1)};
    resolved.OffsetBefore = probes[0];
    resolved.OffsetAfter = probes[2];

    // Each offset that reads back to itself is one occurrence of the reading. A larger offset
    // gives an earlier instant.
    std::optional<double> earlier, later;
    for (const double offset : probes) {
        const double jd = civilJd - offset / 24;
        if (clock.OffsetHoursAt(jd) != offset) {
            continue;
        }
        if (!earlier || offset > *earlier) {
            if (earlier && *earlier != offset) {
                later = earlier;
            }
            earlier = offset;
        } else if (offset < *earlier && (!later || offset > *later)) {
            later = offset;
        }
    }

    if (probes[0] != probes[2]) {
        resolved.ChangeJd = ChangeBetween(clock, civilJd - 1, civilJd + 1);
    }
    if (!earlier) {
        resolved.Kind = ClockReadingKind::Gap;
        return resolved;
    }
    resolved.OffsetHours = earlier;
    if (later) {
        resolved.Kind = ClockReadingKind::Overlap;
        resolved.LaterOffsetHours = later;
    }
    return resolved;
}
