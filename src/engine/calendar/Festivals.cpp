// SPDX-License-Identifier: MIT
// The evaluation of the festival rules over a range of days: the tithis' spans and months once
// for the whole range, the sunrises and sunsets of the days they touch remembered, then each
// rule in turn.
#include "engine/calendar/Festivals.h"

#include "engine/calendar/FestivalDayRule.h"

#include "engine/limbs/Limbs.h"
#include "engine/day/Risings.h"
#include "engine/time/TimeScales.h"
#include "engine/report/TithiReport.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <optional>

namespace {

constexpr double TithiDegrees = 12;
// The rules look this far beyond the range for tithis and sankrantis whose days (or whose
// offset festivals' days) fall within it.
constexpr int MarginDays = 40;

bool MonthMatches(const FestivalRule& rule, const MonthAndYears& month) {
    const LunarMonth& named =
        rule.Reckoning == MonthReckoning::Amanta ? month.Amanta : month.Purnimanta;
    if (rule.AdhikaOnly) {
        return named.Adhika && (rule.Masa < 0 || named.Index == rule.Masa);
    }
    // A kshaya month is kept in the lunation it is joined to.
    return !named.Adhika && (named.Index == rule.Masa || named.KshayaIndex == rule.Masa);
}

struct TithiSpanOfRange {
    LimbSpan Span;
    MonthAndYears Month;
};

} // namespace

bool KeptBy(const FestivalRule& rule, Tradition keeper) {
    return rule.Keeper == Tradition::All || rule.Keeper == keeper;
}

std::vector<FestivalDay> FestivalsBetween(const CivilDate& first, const CivilDate& last,
                                          const Place& place, const CivilClock& clock,
                                          const FestivalTable& table,
                                          const FestivalChoice& choice) {
    std::vector<FestivalDay> days;
    if (DateKey(last) < DateKey(first)) {
        return days;
    }
    const Ephemeris& ephemeris = EphemerisOf(choice.Sky.Ephemeris);
    FestivalDayClock dayClock(place, clock, choice.Sky);
    const double fromJde = dayClock.Midnight(AddDays(first, -MarginDays));
    const double toJde = dayClock.Midnight(AddDays(last, MarginDays));

    // The tithis of the range with their months, found once.
    std::vector<TithiSpanOfRange> tithis;
    LunationSigns signs(choice.Sky);
    for (const LimbSpan& span : SpansBeginningBetween(Limb::Tithi, fromJde, toJde, choice.Sky)) {
        const double middle = (span.BeginJde + span.EndJde) / 2;
        tithis.push_back(
            {span, LunarMonthAt(middle, TithiDegrees * (span.Index + 0.5), signs)});
    }
    std::vector<Sankranti> sankrantis;
    bool sankrantisFound = false;
    auto sankrantisOfRange = [&]() -> const std::vector<Sankranti>& {
        if (!sankrantisFound) {
            sankrantis = SankrantisBetween(fromJde, toJde, choice.Sky);
            sankrantisFound = true;
        }
        return sankrantis;
    };
    auto monthAtSunrise = [&](const CivilDate& date) {
        const double sunrise = dayClock.Of(date).Sunrise;
        for (const TithiSpanOfRange& t : tithis) {
            if (t.Span.BeginJde <= sunrise && sunrise < t.Span.EndJde) {
                return t.Month;
            }
        }
        return MonthAndYears{};
    };

    std::vector<FestivalDay> found; // before the range is applied, for the offsets
    for (const FestivalRule& rule : table.Rules) {
        if (!KeptBy(rule, choice.Keeper)) {
            continue;
        }
        switch (rule.Basis) {
        case FestivalBasis::Tithi:
            for (const TithiSpanOfRange& t : tithis) {
                if (t.Span.Index != rule.Tithi || !MonthMatches(rule, t.Month)) {
                    continue;
                }
                FestivalDay day;
                day.Date = DecideDay(rule, t.Span.BeginJde, t.Span.EndJde, dayClock);
                day.Rule = &rule;
                day.Tithi = rule.Tithi;
                day.Month = t.Month;
                found.push_back(std::move(day));
            }
            break;
        case FestivalBasis::Sankranti:
            for (const Sankranti& entry : sankrantisOfRange()) {
                if (entry.Rashi != rule.Rashi) {
                    continue;
                }
                FestivalDay day;
                day.Date = SolarMonthFirstDay(rule.DayReckoning, entry.Jde, place, clock, ephemeris);
                day.Rule = &rule;
                day.Month = monthAtSunrise(day.Date);
                day.Sankranti = InstantOfTerrestrial(clock, entry.Jde, ephemeris);
                found.push_back(std::move(day));
            }
            break;
        case FestivalBasis::SolarNakshatra: {
            const std::vector<Sankranti>& all = sankrantisOfRange();
            for (std::size_t k = 0; k + 1 < all.size(); ++k) {
                if (all[k].Rashi != rule.Rashi) {
                    continue;
                }
                const CivilDate monthFirst =
                    SolarMonthFirstDay(rule.DayReckoning, all[k].Jde, place, clock, ephemeris);
                const CivilDate nextFirst =
                    SolarMonthFirstDay(rule.DayReckoning, all[k + 1].Jde, place, clock, ephemeris);
                const double from = dayClock.Of(monthFirst).Sunrise;
                const double to = dayClock.Of(nextFirst).Sunrise;
                // The month's first day whose sunrise the nakshatra holds (or in which a
                // nakshatra that holds no sunrise runs), its lead nakshatra's day in the month.
                auto inMonth = [&](const CivilDate& date) {
                    return DateKey(date) >= DateKey(monthFirst) && DateKey(date) < DateKey(nextFirst);
                };
                std::optional<CivilDate> lead;
                for (const LimbSpan& span :
                     SpansBeginningBetween(Limb::Nakshatra, from - 1.2, to, choice.Sky)) {
                    if (span.Index == rule.LeadNakshatra) {
                        lead = dayClock.SunriseDay(span.BeginJde, span.EndJde);
                    }
                    if (span.Index != rule.Nakshatra || span.EndJde <= from) {
                        continue;
                    }
                    const CivilDate date = dayClock.SunriseDay(span.BeginJde, span.EndJde);
                    if (!inMonth(date) || (rule.LeadNakshatra >= 0 && !(lead && inMonth(*lead)))) {
                        continue;
                    }
                    FestivalDay day;
                    day.Date = date;
                    day.Rule = &rule;
                    day.Month = monthAtSunrise(date);
                        found.push_back(std::move(day));
                    break;
                }
            }
            break;
        }
        case FestivalBasis::Offset:
            break;
        }
    }
    // The festivals that follow another.
    const std::size_t fixed = found.size();
    for (const FestivalRule& rule : table.Rules) {
        if (rule.Basis != FestivalBasis::Offset || !KeptBy(rule, choice.Keeper)) {
            continue;
        }
        for (std::size_t k = 0; k < fixed; ++k) {
            if (found[k].Rule->Id != rule.OffsetFrom) {
                continue;
            }
            FestivalDay day = found[k];
            day.Date = AddDays(found[k].Date, rule.OffsetDays);
            day.Rule = &rule;
            day.Sankranti.reset(); // the instant is the other festival's
            day.From = found[k].Rule;
            found.push_back(std::move(day));
        }
    }
    for (FestivalDay& day : found) {
        const int key = DateKey(day.Date);
        if (key >= DateKey(first) && key <= DateKey(last)) {
            days.push_back(std::move(day));
        }
    }
    std::stable_sort(days.begin(), days.end(), [&](const FestivalDay& a, const FestivalDay& b) {
        if (DateKey(a.Date) != DateKey(b.Date)) {
            return DateKey(a.Date) < DateKey(b.Date);
        }
        return a.Rule < b.Rule; // the table's order: the rows lie in one vector
    });
    return days;
}
