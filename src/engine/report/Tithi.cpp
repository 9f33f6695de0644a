// SPDX-License-Identifier: MIT
// The tithi driver: from the moment in the record to the Julian day in Terrestrial Time, the
// two longitudes and the tithi index.
#include "engine/report/Tithi.h"

#include "engine/sky/LunarSeries.h"
#include "engine/sky/Moon.h"
#include "engine/sky/Sun.h"
#include "engine/time/CivilClock.h"

#include <cmath>
#include <iterator>

static_assert(std::size(MainLunarSeries) < MainTermSlots, "the main series fits the record");
static_assert(std::size(MinorLunarSeries) < MinorTermSlots, "the minor series fits the record");

void FillLunarTables(CalculationRecord& rec) {
    for (std::size_t i = 0; i < std::size(MainLunarSeries); ++i) {
        const LunarTerm& term = MainLunarSeries[i];
        rec.MainTermL[i] = term.L;
        rec.MainTermLs[i] = term.Ls;
        rec.MainTermF[i] = term.F;
        rec.MainTermD[i] = term.D;
        rec.MainTermCoef[i] = term.Coef;
    }
    for (std::size_t i = 0; i < std::size(MinorLunarSeries); ++i) {
        const LunarTerm& term = MinorLunarSeries[i];
        rec.MinorTermCoef[i] = term.Coef;
        rec.MinorTermL[i] = term.L;
        rec.MinorTermLs[i] = term.Ls;
        rec.MinorTermF[i] = term.F;
        rec.MinorTermD[i] = term.D;
    }
}

TithiMoment EvaluateTithiMomentAt(const CivilDate& date, double localHours, double offsetHours) {
    TithiMoment m;
    m.Date = date;
    m.LocalHours = localHours;
    m.OffsetHours = offsetHours;
    m.JulianDay0 = JulianDayOfDate(date.Month, date.Day, date.Year);
    // The hours are not folded into 0 ... 24: the Julian day carries the moment into the
    // previous or the next day.
    m.UniversalHours = localHours - offsetHours;
    m.JulianDayUT = m.JulianDay0 + m.UniversalHours / 24;
    m.DateUT = CalendarDateOfJulianDay(m.JulianDayUT);
    m.DeltaTHours = DeltaTForDate(m.JulianDayUT, m.DateUT);
    m.JulianDayTT = m.JulianDayUT + m.DeltaTHours / 24;
    // Both theories take the nutation at the same instant: evaluate it once.
    const double nutation = NutationInLongitude(m.JulianDayTT);
    m.Moon = MoonLongitude(m.JulianDayTT, nutation);
    m.Sun = SunApparentLongitude(m.JulianDayTT, nutation);
    m.Tithi = TithiOfLongitudes(m.Moon, m.Sun);
    return m;
}

TithiMoment EvaluateTithiMoment(const CalculationRecord& rec) {
    // The record holds the zone as a magnitude: the hemisphere rule gives the clock's offset.
    const CivilDate date = {static_cast<int>(rec.DateYear), static_cast<int>(rec.DateMonth),
                            static_cast<int>(rec.DateDay)};
    return EvaluateTithiMomentAt(date, rec.LocalHours,
                                 ClockOffsetHours(rec.ZoneHours, rec.Longitude));
}

TithiMoment ComputeTithiMoment(CalculationRecord& rec) {
    rec.TithiIndex = 1;
    FillLunarTables(rec);
    const TithiMoment m = EvaluateTithiMoment(rec);
    rec.CalYear = m.DateUT.Year;
    rec.CalMonth = m.DateUT.Month;
    rec.CalDay = m.DateUT.Day;
    rec.TithiIndex = m.Tithi.Index;
    return m;
}

void ComputeTithi(CalculationRecord& rec) {
    ComputeTithiMoment(rec);
}

std::optional<TithiSpan> FindTithiSpan(const TithiMoment& moment, const SkyChoice& sky) {
    if (sky.Ephemeris == EphemerisKind::Classical) {
        return FindLimbSpan(Limb::Tithi, moment.JulianDayTT,
                            {moment.Tithi.Elongation, moment.Tithi.Index}, sky);
    }
    const double jde = EphemerisOf(sky.Ephemeris).TerrestrialOfUniversal(moment.JulianDayUT);
    return FindLimbSpan(Limb::Tithi, jde, LimbAt(Limb::Tithi, jde, sky), sky);
}

std::vector<TithiSpan> TithisBeginningBetween(double fromJde, double toJde, const SkyChoice& sky) {
    return SpansBeginningBetween(Limb::Tithi, fromJde, toJde, sky);
}
