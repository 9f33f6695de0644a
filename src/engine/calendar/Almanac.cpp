// SPDX-License-Identifier: MIT
// The almanac of a limb over a range of civil dates.
#include "engine/calendar/Almanac.h"

#include "engine/time/TimeScales.h"

std::vector<AlmanacSpan> ComputeAlmanac(const Place& /*place*/, const CivilClock& clock,
                                        const CivilDateRange& dates, Limb limb,
                                        const SkyChoice& sky) {
    const Ephemeris& ephemeris = EphemerisOf(sky.Ephemeris);
    std::vector<AlmanacSpan> almanac;
    // From the midnight that opens the first date to the one that closes the last.
    const double fromUT = UniversalOfCivil(clock, CivilJulianDayOfDate(dates.First));
    const double toUT = UniversalOfCivil(clock, CivilJulianDayOfDate(dates.Last) + 1);
    if (!(fromUT < toUT)) {
        return almanac;
    }
    const std::vector<LimbSpan> spans =
        SpansBeginningBetween(limb, ephemeris.TerrestrialOfUniversal(fromUT),
                              ephemeris.TerrestrialOfUniversal(toUT), sky);
    almanac.reserve(spans.size());
    for (const LimbSpan& span : spans) {
        AlmanacSpan entry;
        entry.Index = span.Index;
        entry.BeginJde = span.BeginJde;
        entry.EndJde = span.EndJde;
        entry.BeginUT = ephemeris.UniversalOfTerrestrial(span.BeginJde);
        entry.EndUT = ephemeris.UniversalOfTerrestrial(span.EndJde);
        entry.BeginOffsetHours = clock.OffsetHoursAt(entry.BeginUT);
        entry.EndOffsetHours = clock.OffsetHoursAt(entry.EndUT);
        almanac.push_back(entry);
    }
    return almanac;
}
