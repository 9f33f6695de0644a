// SPDX-License-Identifier: MIT
// The calendar of a place: the days of a range from their sunrises and the tithis' crossings, the
// occurrences of a tithi lunation by lunation with their days of observance, and the names a
// user types for tithis and months.
#include "engine/calendar/Calendar.h"

#include "engine/day/Risings.h"
#include "engine/limbs/Limbs.h"
#include "engine/report/Tithi.h"
#include "engine/report/TithiReport.h"
#include "engine/time/TimeScales.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <iterator>
#include <map>

namespace {

constexpr double TithiDegrees = 12;
constexpr double MeanTithiDays = TithiDegrees / MeanElongationRate;
constexpr double SynodicMonthDays = 360 / MeanElongationRate;

// A tithi lasts under 27 hours: the span that holds an instant began less than this before it.
constexpr double LongestTithiDays = 1.2;

CivilDate DateOf(double jd) {
    const CalendarDate date = CalendarDateOfJulianDay(jd);
    return {static_cast<int>(date.Year), static_cast<int>(date.Month), static_cast<int>(date.Day)};
}

// The civil days next to a date, passing over any the clock skipped.
CivilDate NextCivilDay(const CivilDate& date, const CivilClock& clock) {
    CivilDate next = AddDays(date, 1);
    for (int tries = 0; tries < 3 && ClockSkipsDate(clock, next); ++tries) {
        next = AddDays(next, 1);
    }
    return next;
}

CivilDate PreviousCivilDay(const CivilDate& date, const CivilClock& clock) {
    CivilDate previous = AddDays(date, -1);
    for (int tries = 0; tries < 3 && ClockSkipsDate(clock, previous); ++tries) {
        previous = AddDays(previous, -1);
    }
    return previous;
}

// Where a day begins: the sunrise of its date, or the midnight that opens the date where the Sun
// does not rise on it.
struct DayStart {
    ClockInstant At;
    bool AtSunrise{};
};

DayStart DayStartOf(const CivilDate& date, const Place& place, const CivilClock& clock,
                    const Ephemeris& ephemeris) {
    const HorizonCrossing sunrise = SunriseCrossing(date, place, clock, ephemeris);
    if (sunrise.State == HorizonState::Crosses) {
        return {sunrise.At, true};
    }
    return {
        InstantOfUniversal(clock, UniversalOfCivil(clock, CivilJulianDayOfDate(date)), ephemeris),
        false};
}

// The elongation at an instant inside a tithi's span, from the span itself: exact at its ends,
// and within a fraction of a degree between them, enough to tell the lunation and the fortnight.
double ElongationWithin(int index, double beginJde, double endJde, double jde) {
    const double fraction = std::clamp((jde - beginJde) / (endJde - beginJde), 0.0, 0.999);
    return TithiDegrees * (index + fraction);
}

// The lunation whose mean new moon comes last at or before an instant (TT); the true new moon
// lies within a day of the mean, so that the lunation holding the instant is this one or a
// neighbour.
int MeanLunationAt(double jde) {
    return static_cast<int>(std::floor((jde - PredictedNewMoon(0)) / SynodicMonthDays));
}

// The month of a tithi of a lunation: an instant of the lunation with the tithi's elongation, as
// LunarMonthAt reads them.
MonthAndYears MonthOfTithi(int lunation, int tithi, LunationSigns& signs) {
    const double elongation = TithiDegrees * (tithi + 0.5);
    return LunarMonthAt(PredictedNewMoon(lunation) + elongation / MeanElongationRate, elongation,
                        signs);
}

bool MonthMatches(const TithiQuery& query, const MonthAndYears& month) {
    if (query.Masa < 0) {
        return true;
    }
    const LunarMonth& named =
        query.Reckoning == MonthReckoning::Amanta ? month.Amanta : month.Purnimanta;
    if (named.Adhika && !query.WithAdhika) {
        return false;
    }
    // A kshaya month is kept in the lunation it is joined to.
    return named.Index == query.Masa || named.KshayaIndex == query.Masa;
}

// The tithis' occurrences, lunation by lunation, with the day starts they meet remembered.
class Finder {
public:
    Finder(const Place& place, const CivilClock& clock, const SkyChoice& sky)
        : place_(place), clock_(clock), sky_(sky), signs_(sky) {}

    const ClockInstant& StartOf(const CivilDate& date) {
        const int key = DateKey(date);
        auto found = starts_.find(key);
        if (found == starts_.end()) {
            found =
                starts_
                    .emplace(key, DayStartOf(date, place_, clock_, EphemerisOf(sky_.Ephemeris)).At)
                    .first;
        }
        return found->second;
    }

    LunationSigns& Signs() { return signs_; }

    // The tithi of a lunation with its day of observance.
    TithiOccurrence Occurrence(int lunation, int tithi) {
        TithiOccurrence occurrence;
        occurrence.Tithi = tithi;
        occurrence.Lunation = lunation;
        occurrence.Month = MonthOfTithi(lunation, tithi, signs_);

        // From the mean place of the tithi within its lunation: the true begin lies within a
        // tithi or so of it, far nearer in angle than the same tithi of another lunation.
        const GrowingAngle& elongation = DefinitionOf(Limb::Tithi).Angle;
        const double guess = PredictedNewMoon(lunation) + (tithi + 0.5) * MeanTithiDays;
        const Crossing begin = FindCrossing(elongation, TithiDegrees * tithi, guess,
                                            elongation.At(guess, sky_), elongation.MeanRate, sky_);
        const Crossing end = FindCrossing(elongation, TithiDegrees * (tithi + 1), begin.Jde,
                                          TithiDegrees * tithi, begin.Rate, sky_);
        if (!std::isfinite(begin.Jde) || !std::isfinite(end.Jde)) {
            return occurrence;
        }
        occurrence.Begins = InstantOfTerrestrial(clock_, begin.Jde, EphemerisOf(sky_.Ephemeris));
        occurrence.Ends = InstantOfTerrestrial(clock_, end.Jde, EphemerisOf(sky_.Ephemeris));

        // The first day that begins at or after the tithi: the date of its begin, or the next.
        // The civil days next to it pass over a date the clock skipped.
        CivilDate first = DateOf(occurrence.Begins.Civil());
        if (StartOf(first).Jde < begin.Jde) {
            first = NextCivilDay(first, clock_);
        }
        if (StartOf(first).Jde < end.Jde) {
            occurrence.Observed = first;
            occurrence.Kind = StartOf(NextCivilDay(first, clock_)).Jde < end.Jde
                                  ? ObservanceKind::Vriddhi
                                  : ObservanceKind::Sunrise;
        } else {
            occurrence.Observed = PreviousCivilDay(first, clock_);
            occurrence.Kind = ObservanceKind::Kshaya;
        }
        return occurrence;
    }

private:
    const Place& place_;
    const CivilClock& clock_;
    SkyChoice sky_;
    LunationSigns signs_;
    std::map<int, ClockInstant> starts_; // by DateKey
};

// How far a search goes: a century and a half of lunations.
constexpr int SearchLunations = 1860;
constexpr int MostOccurrences = 1000;

} // namespace

int DaysInMonth(int year, int month) {
    const CivilDate next = month == 12 ? CivilDate{year + 1, 1, 1} : CivilDate{year, month + 1, 1};
    return static_cast<int>(CivilJulianDayOfDate(next) -
                            CivilJulianDayOfDate(CivilDate{year, month, 1}));
}

CivilDate AddDays(const CivilDate& date, int days) {
    // Noon of the date, so that the day is read well inside it.
    return DateOf(CivilJulianDayOfDate(date) + days + 0.5);
}

int DaysBetween(const CivilDate& from, const CivilDate& to) {
    return static_cast<int>(std::lround(CivilJulianDayOfDate(to) - CivilJulianDayOfDate(from)));
}

bool IsVrataTithi(int tithi) {
    return std::find(std::begin(VrataTithis), std::end(VrataTithis), tithi) !=
           std::end(VrataTithis);
}

std::vector<CalendarDay> CalendarDays(const CivilDate& first, const CivilDate& last,
                                      const Place& place, const CivilClock& clock,
                                      const SkyChoice& sky) {
    const Ephemeris& ephemeris = EphemerisOf(sky.Ephemeris);
    std::vector<CalendarDay> days;
    if (DaysBetween(first, last) < 0) {
        return days;
    }
    // The civil days, from the one before the first (for the first day's vriddhi and month) to
    // the one after the last (where the last day ends). A date the clock skipped is none: the
    // day before it runs to the sunrise of the date after it.
    std::vector<CivilDate> dates;
    for (CivilDate date = PreviousCivilDay(first, clock);;) {
        dates.push_back(date);
        if (DateKey(date) > DateKey(last)) {
            break;
        }
        date = NextCivilDay(date, clock);
    }
    const int count = static_cast<int>(dates.size()) - 2;
    std::vector<DayStart> starts;
    starts.reserve(dates.size());
    for (const CivilDate& date : dates) {
        starts.push_back(DayStartOf(date, place, clock, ephemeris));
    }
    const std::vector<LimbSpan> spans = SpansBeginningBetween(
        Limb::Tithi, starts.front().At.Jde - LongestTithiDays, starts.back().At.Jde + 1e-6, sky);

    LunationSigns signs(sky);
    std::size_t held = 0; // the span that holds the current day's start
    auto spanHolding = [&](double jde) {
        while (held < spans.size() && spans[held].EndJde <= jde) {
            ++held;
        }
        return held;
    };
    auto monthAt = [&](std::size_t s, double jde) {
        const LimbSpan& span = spans[s];
        return LunarMonthAt(jde, ElongationWithin(span.Index, span.BeginJde, span.EndJde, jde),
                            signs);
    };

    int previousLunation = 0;
    {
        const double jde = starts.front().At.Jde;
        const std::size_t s = spanHolding(jde);
        if (s < spans.size()) {
            previousLunation = monthAt(s, jde).Lunation;
        }
    }
    days.reserve(static_cast<std::size_t>(count));
    for (int k = 0; k < count; ++k) {
        const DayStart& before = starts[static_cast<std::size_t>(k)];
        const DayStart& start = starts[static_cast<std::size_t>(k) + 1];
        const DayStart& next = starts[static_cast<std::size_t>(k) + 2];
        CalendarDay day;
        day.Date = dates[static_cast<std::size_t>(k) + 1];
        day.Vara = VaraOfDate(day.Date);
        day.Begins = start.At;
        day.Ends = next.At;
        day.BeginsAtSunrise = start.AtSunrise;
        const double startJde = start.At.Jde;
        const double endJde = next.At.Jde;
        std::size_t s = spanHolding(startJde);
        if (s >= spans.size() || spans[s].BeginJde > startJde || !(startJde < endJde)) {
            days.push_back(day); // no tithi: the theories gave no angle
            continue;
        }
        day.Month = monthAt(s, startJde);
        day.MonthBegins = day.Month.Lunation != previousLunation;
        previousLunation = day.Month.Lunation;
        day.SecondOfVriddhi = spans[s].BeginJde <= before.At.Jde;
        for (; s < spans.size() && spans[s].BeginJde < endJde; ++s) {
            DaySpan span;
            span.Index = spans[s].Index;
            span.Begin = InstantOfTerrestrial(clock, spans[s].BeginJde, ephemeris);
            span.End = InstantOfTerrestrial(clock, spans[s].EndJde, ephemeris);
            span.EndsWithinDay = spans[s].EndJde <= endJde;
            span.Kshaya = spans[s].BeginJde > startJde && span.EndsWithinDay;
            day.Tithi.Spans.push_back(span);
            if (span.Kshaya) {
                day.Kshaya.push_back(span.Index);
            }
            if (!span.EndsWithinDay) {
                break;
            }
        }
        day.Tithi.Vriddhi = !day.Tithi.Spans.front().EndsWithinDay;
        if (!day.SecondOfVriddhi) {
            day.Observed.push_back(day.SunriseTithi());
        }
        day.Observed.insert(day.Observed.end(), day.Kshaya.begin(), day.Kshaya.end());
        days.push_back(std::move(day));
    }
    return days;
}

std::vector<CalendarDay> CalendarMonth(int year, int month, const Place& place,
                                       const CivilClock& clock, const SkyChoice& sky) {
    if (month < 1 || month > 12) {
        return {};
    }
    return CalendarDays({year, month, 1}, {year, month, DaysInMonth(year, month)}, place, clock,
                        sky);
}

std::vector<TithiOccurrence> FindTithi(const TithiQuery& query, const CivilDate& from, int count,
                                       SearchDirection direction, const Place& place,
                                       const CivilClock& clock, const SkyChoice& sky) {
    const Ephemeris& ephemeris = EphemerisOf(sky.Ephemeris);
    std::vector<TithiOccurrence> found;
    if (query.Tithi < 0 || query.Tithi >= 30 || query.Masa >= 12 || count <= 0) {
        return found;
    }
    count = std::min(count, MostOccurrences);
    Finder finder(place, clock, sky);
    const int fromKey = DateKey(from);
    const double midnight = ephemeris.TerrestrialOfUniversal(CivilJulianDayOfDate(from));
    const bool forward = direction == SearchDirection::Forward;
    // One lunation before (or after) the one at the date: a tithi begun there may be observed on
    // the date or after it (or before it).
    const int startLunation = MeanLunationAt(midnight) + (forward ? -1 : 2);
    const int step = forward ? 1 : -1;
    for (int n = 0; n < SearchLunations && static_cast<int>(found.size()) < count; ++n) {
        const int lunation = startLunation + n * step;
        // The month first: it needs only the Sun's sign at two new moons.
        if (!MonthMatches(query, MonthOfTithi(lunation, query.Tithi, finder.Signs()))) {
            continue;
        }
        TithiOccurrence occurrence = finder.Occurrence(lunation, query.Tithi);
        const int key = DateKey(occurrence.Observed);
        // A tithi's days of observance follow its lunations in order: past the edge of the
        // supported years, none is left to find.
        if (forward ? key > DateKey(SupportedLastDate) : key < DateKey(SupportedFirstDate)) {
            break;
        }
        if ((forward ? key >= fromKey : key < fromKey) && key >= DateKey(SupportedFirstDate) &&
            key <= DateKey(SupportedLastDate)) {
            found.push_back(std::move(occurrence));
        }
    }
    return found;
}

std::vector<TithiOccurrence> VrataDays(const CivilDate& first, const CivilDate& last,
                                       const Place& place, const CivilClock& clock,
                                       const SkyChoice& sky) {
    const Ephemeris& ephemeris = EphemerisOf(sky.Ephemeris);
    std::vector<TithiOccurrence> days;
    if (DateKey(last) < DateKey(first)) {
        return days;
    }
    Finder finder(place, clock, sky);
    const int firstLunation =
        MeanLunationAt(ephemeris.TerrestrialOfUniversal(CivilJulianDayOfDate(first))) - 1;
    const int lastLunation =
        MeanLunationAt(ephemeris.TerrestrialOfUniversal(CivilJulianDayOfDate(last))) + 1;
    for (int lunation = firstLunation; lunation <= lastLunation; ++lunation) {
        for (const int tithi : VrataTithis) {
            TithiOccurrence occurrence = finder.Occurrence(lunation, tithi);
            const int key = DateKey(occurrence.Observed);
            if (key >= DateKey(first) && key <= DateKey(last)) {
                days.push_back(std::move(occurrence));
            }
        }
    }
    std::stable_sort(days.begin(), days.end(),
                     [](const auto& a, const auto& b) { return a.Begins.Jde < b.Begins.Jde; });
    return days;
}
