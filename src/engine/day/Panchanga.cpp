// SPDX-License-Identifier: MIT
// The panchanga of a day: the day's sunrises, a window of the sky over it, every crossing of the
// limbs' angles from the span at sunrise to the span at the next sunrise, the Moon's risings on
// the window, and the month at sunrise.
#include "engine/day/Panchanga.h"

#include "engine/base/Angles.h"
#include "engine/limbs/SkyWindow.h"
#include "engine/time/TimeScales.h"

#include <cmath>

namespace {

CivilDate NextDate(const CivilDate& date) {
    const CalendarDate next = CalendarDateOfJulianDay(CivilJulianDayOfDate(date) + 1.5);
    return {static_cast<int>(next.Year), static_cast<int>(next.Month), static_cast<int>(next.Day)};
}

// Where a day begins: the date's sunrise, or the midnight that opens the date.
ClockInstant DayStartOf(const CivilDate& date, const HorizonCrossing& sunrise,
                        const CivilClock& clock, const Ephemeris& ephemeris) {
    if (sunrise.State == HorizonState::Crosses) {
        return sunrise.At;
    }
    return InstantOfUniversal(clock, UniversalOfCivil(clock, CivilJulianDayOfDate(date)),
                              ephemeris);
}

// A limb's spans begin and end at most a little over a day from an instant inside them: the
// window of the sky reaches that far either side of the day.
constexpr double WindowMargin = 1.3;

// The crossings of one angle through a day: from the begin of the span (of `walked`) that holds
// the day's start, one span after another, to the first crossing after the day's end at a
// multiple of `whole` spans (2 for the elongation walked in karanas, so that the last tithi ends
// too). Each crossing is predicted on the window and settled on the theories by the one
// crossing search, which from so close needs a single evaluation of them.
struct Walk {
    int FirstStep{};               // the multiple of the span at which the first crossing lies
    std::vector<double> Crossings; // Julian days, Terrestrial Time
};

Walk WalkThroughDay(Limb walked, int whole, double angleAtStart, double startJde, double endJde,
                    const SkyWindow& sky) {
    const LimbDefinition& definition = DefinitionOf(walked);
    const double span = definition.SpanDegrees;
    Walk walk;
    const int index = PositionOf(walked, angleAtStart).Index;
    if (index < 0) {
        return walk;
    }
    walk.FirstStep = index - index % whole;
    // The window counts the angle on through the turns; the theories give it within one.
    const double turns = sky.LimbAngle(walked, startJde) - angleAtStart;
    double guess = startJde;
    // A day holds no more than about three spans of any limb; the bound only guards the loop.
    for (int step = walk.FirstStep; step < walk.FirstStep + 16; ++step) {
        const double target = span * step;
        const double predicted = sky.WhenLimbReaches(walked, turns + target, guess);
        const double rate = sky.LimbRate(walked, predicted);
        // The window puts the crossing at `predicted`: the angle there is the target, to the
        // window's accuracy.
        const Crossing crossing =
            FindCrossing(definition.Angle, target, predicted, target, rate, sky.Choice());
        walk.Crossings.push_back(crossing.Jde);
        if (crossing.Jde > endJde && step % whole == 0) {
            break;
        }
        guess = predicted + span / crossing.Rate;
    }
    return walk;
}

// The spans of a limb (group crossings of the walk to a span) that hold some instant of the day.
DayLimb DayLimbOf(const Walk& walk, int group, int count, int indexAtStart, double startJde,
                  double endJde, const CivilClock& clock, const Ephemeris& ephemeris) {
    DayLimb limb;
    if (indexAtStart < 0) {
        return limb;
    }
    std::size_t m = static_cast<std::size_t>(indexAtStart * group - walk.FirstStep);
    int index = indexAtStart;
    std::vector<ClockInstant> instants(walk.Crossings.size());
    for (std::size_t k = 0; k < walk.Crossings.size(); ++k) {
        instants[k] = InstantOfTerrestrial(clock, walk.Crossings[k], ephemeris);
    }
    for (; m + static_cast<std::size_t>(group) < walk.Crossings.size();
         m += static_cast<std::size_t>(group)) {
        DaySpan span;
        span.Index = index;
        span.Begin = instants[m];
        span.End = instants[m + static_cast<std::size_t>(group)];
        span.EndsWithinDay = span.End.Jde <= endJde;
        span.Kshaya = span.Begin.Jde > startJde && span.EndsWithinDay;
        limb.Spans.push_back(span);
        if (!span.EndsWithinDay) {
            break;
        }
        index = (index + 1) % count;
    }
    limb.Vriddhi = !limb.Spans.empty() && !limb.Spans.front().EndsWithinDay;
    return limb;
}

// What consecutive days of a run share.
struct RunShared {
    explicit RunShared(const SkyChoice& choice)
        : Theories(EphemerisOf(choice.Ephemeris)), Signs(choice) {}
    const Ephemeris& Theories;
    LunationSigns Signs;
    std::optional<HorizonCrossing> NextSunrise; // the next date's, found for the day before
};

PanchangaDay DayOf(const CivilDate& date, const Place& place, const CivilClock& clock,
                   RunShared& shared) {
    PanchangaDay day;
    day.Date = date;
    day.Vara = VaraOfDate(date);
    const CivilDate next = NextDate(date);

    const Ephemeris& ephemeris = shared.Theories;
    day.Sunrise =
        shared.NextSunrise ? *shared.NextSunrise : SunriseCrossing(date, place, clock, ephemeris);
    const HorizonCrossing nextSunrise = SunriseCrossing(next, place, clock, ephemeris);
    shared.NextSunrise = nextSunrise;
    day.Sunset = SunsetOfDay(date, day.Sunrise, place, clock, ephemeris);
    day.Begins = DayStartOf(date, day.Sunrise, clock, ephemeris);
    day.Ends = DayStartOf(next, nextSunrise, clock, ephemeris);
    day.BeginsAtSunrise = day.Sunrise.State == HorizonState::Crosses;
    day.EndsAtSunrise = nextSunrise.State == HorizonState::Crosses;
    const double start = day.Begins.Jde;
    const double end = day.Ends.Jde;
    if (!(start < end)) {
        return day;
    }

    const bool withMoon = std::fabs(place.Latitude) <= 90;
    const SkyChoice& choice = shared.Signs.Choice();
    SkyWindow sky(start - WindowMargin, end + WindowMargin, choice);
    if (withMoon) {
        // The Moon's place for its risings, over the civil date.
        const double midnight = CivilJulianDayOfDate(date);
        sky.AddMoonPlace(ephemeris.TerrestrialOfUniversal(UniversalOfCivil(clock, midnight)) -
                             MoonPlaceMargin,
                         ephemeris.TerrestrialOfUniversal(UniversalOfCivil(clock, midnight + 1)) +
                             MoonPlaceMargin);
    }

    const LimbAngles angles = LimbAnglesAt(start, choice);
    day.Ayanamsa = angles.Ayanamsa;
    day.NakshatraPada = NakshatraPada(angles.MoonSidereal);

    const Walk halves = WalkThroughDay(Limb::Karana, 2, angles.Elongation, start, end, sky);
    day.Tithi = DayLimbOf(halves, 2, 30, PositionOf(Limb::Tithi, angles.Elongation).Index, start,
                          end, clock, ephemeris);
    day.Karana = DayLimbOf(halves, 1, 60, PositionOf(Limb::Karana, angles.Elongation).Index, start,
                           end, clock, ephemeris);
    const Walk nakshatras =
        WalkThroughDay(Limb::Nakshatra, 1, angles.MoonSidereal, start, end, sky);
    day.Nakshatra =
        DayLimbOf(nakshatras, 1, 27, PositionOf(Limb::Nakshatra, angles.MoonSidereal).Index, start,
                  end, clock, ephemeris);
    const Walk yogas = WalkThroughDay(Limb::Yoga, 1, angles.Yoga, start, end, sky);
    day.Yoga = DayLimbOf(yogas, 1, 27, PositionOf(Limb::Yoga, angles.Yoga).Index, start, end, clock,
                         ephemeris);

    day.Month = LunarMonthAt(start, angles.Elongation, shared.Signs);

    if (withMoon) {
        const MoonCrossings moon = MoonCrossingsOnDate(date, place, clock, sky);
        day.Moonrise = moon.Rise;
        day.Moonset = moon.Set;
    }
    return day;
}

TimedSpan TimedOf(const LimbSpan& span, const CivilClock& clock, const Ephemeris& ephemeris) {
    TimedSpan timed;
    timed.Index = span.Index;
    timed.Begin = InstantOfTerrestrial(clock, span.BeginJde, ephemeris);
    timed.End = InstantOfTerrestrial(clock, span.EndJde, ephemeris);
    return timed;
}

std::optional<LimbSpan> SpanAt(Limb limb, double jde, const LimbAngles& angles,
                               const SkyChoice& choice) {
    return FindLimbSpan(limb, jde, PositionOf(limb, AngleOf(angles, limb)), choice);
}

// The karana that holds an instant, as a half of the tithi that holds it: only the tithi's
// middle is searched for. None where the tithi is not the one of the instant's elongation.
std::optional<LimbSpan> KaranaWithin(const LimbSpan& tithi, double jde, double elongation,
                                     const SkyChoice& choice) {
    const LimbPosition karana = PositionOf(Limb::Karana, elongation);
    if (karana.Index < 0 || karana.Index / 2 != tithi.Index) {
        return std::nullopt;
    }
    const LimbDefinition& halves = DefinitionOf(Limb::Karana);
    // The tithi's own mean growth over its span is the best first slope.
    const double rate = 2 * halves.SpanDegrees / (tithi.EndJde - tithi.BeginJde);
    const Crossing middle = FindCrossing(halves.Angle, halves.SpanDegrees * (2 * tithi.Index + 1),
                                         jde, elongation, rate, choice);
    if (karana.Index % 2 == 0) {
        return LimbSpan{karana.Index, tithi.BeginJde, middle.Jde};
    }
    return LimbSpan{karana.Index, middle.Jde, tithi.EndJde};
}

// The panchanga of a moment, with the tithi's span where the caller has found it already.
PanchangaMoment MomentOf(double jd, const LimbSpan* knownTithi, const Place& place,
                         const CivilClock& clock, const SkyChoice& choice) {
    const Ephemeris& ephemeris = EphemerisOf(choice.Ephemeris);
    PanchangaMoment m;
    m.Moment = InstantOfUniversal(clock, jd, ephemeris);
    if (!std::isfinite(jd)) {
        return m;
    }
    const CalendarDate date = CalendarDateOfJulianDay(std::floor(m.Moment.Civil() + 0.5));
    m.Date = {static_cast<int>(date.Year), static_cast<int>(date.Month),
              static_cast<int>(date.Day)};

    m.Sunrise = SunriseCrossing(m.Date, place, clock, ephemeris);
    m.Sunset = SunsetOfDay(m.Date, m.Sunrise, place, clock, ephemeris);
    const MoonCrossings moon = MoonCrossingsOnDate(m.Date, place, clock, choice);
    m.Moonrise = moon.Rise;
    m.Moonset = moon.Set;
    m.Vara = VaraOfDate(m.Date);
    if (m.Sunrise.State == HorizonState::Crosses && jd < m.Sunrise.At.JulianDayUT) {
        m.BeforeSunrise = true;
        m.Vara = (m.Vara + 6) % 7;
    }

    const double jde = m.Moment.Jde;
    const LimbAngles angles = LimbAnglesAt(jde, choice);
    m.Ayanamsa = angles.Ayanamsa;
    m.MoonSidereal = angles.MoonSidereal;
    m.SunSidereal = angles.SunSidereal;
    m.NakshatraPada = NakshatraPada(angles.MoonSidereal);
    const std::optional<LimbSpan> tithi = knownTithi ? std::optional<LimbSpan>(*knownTithi)
                                                     : SpanAt(Limb::Tithi, jde, angles, choice);
    std::optional<LimbSpan> karana;
    if (tithi) {
        m.Tithi = TimedOf(*tithi, clock, ephemeris);
        karana = KaranaWithin(*tithi, jde, angles.Elongation, choice);
    }
    if (!karana) {
        karana = SpanAt(Limb::Karana, jde, angles, choice);
    }
    if (karana) {
        m.Karana = TimedOf(*karana, clock, ephemeris);
    }
    if (const std::optional<LimbSpan> nakshatra = SpanAt(Limb::Nakshatra, jde, angles, choice)) {
        m.Nakshatra = TimedOf(*nakshatra, clock, ephemeris);
    }
    if (const std::optional<LimbSpan> yoga = SpanAt(Limb::Yoga, jde, angles, choice)) {
        m.Yoga = TimedOf(*yoga, clock, ephemeris);
    }

    LunationSigns signs(choice);
    m.Month = LunarMonthAt(jde, angles.Elongation, signs);
    return m;
}

} // namespace

const DaySpan& DayLimb::AtSunrise() const {
    static const DaySpan none;
    return Spans.empty() ? none : Spans.front();
}

int VaraOfDate(const CivilDate& date) {
    // The Julian day number (noon of the date) counts days from a Monday.
    const double dayNumber = std::floor(CivilJulianDayOfDate(date) + 1.5);
    return static_cast<int>(dayNumber - 7 * std::floor(dayNumber / 7));
}

int NakshatraPada(double moonSidereal) {
    if (!(moonSidereal >= 0 && moonSidereal <= 360)) {
        return 0;
    }
    // A pada is a quarter of 13 degrees 20', 3 degrees 20'.
    const int quarters = static_cast<int>(std::floor(moonSidereal * 3 / 10));
    return quarters % 4 + 1;
}

PanchangaDay PanchangaOfDay(const CivilDate& date, const Place& place, const CivilClock& clock,
                            const SkyChoice& sky) {
    RunShared shared(sky);
    return DayOf(date, place, clock, shared);
}

std::vector<PanchangaDay> PanchangaOfDays(const CivilDate& first, const CivilDate& last,
                                          const Place& place, const CivilClock& clock,
                                          const SkyChoice& sky) {
    std::vector<PanchangaDay> days;
    const double from = CivilJulianDayOfDate(first);
    const double to = CivilJulianDayOfDate(last);
    if (!(from <= to)) {
        return days;
    }
    days.reserve(static_cast<std::size_t>(to - from) + 1);
    RunShared shared(sky);
    for (CivilDate date = first; CivilJulianDayOfDate(date) <= to; date = NextDate(date)) {
        days.push_back(DayOf(date, place, clock, shared));
    }
    return days;
}

PanchangaMoment PanchangaOfMoment(double jd, const Place& place, const CivilClock& clock,
                                  const SkyChoice& sky) {
    return MomentOf(jd, nullptr, place, clock, sky);
}

PanchangaMoment PanchangaOfMoment(double jd, const LimbSpan& tithi, const Place& place,
                                  const CivilClock& clock, const SkyChoice& sky) {
    return MomentOf(jd, &tithi, place, clock, sky);
}
