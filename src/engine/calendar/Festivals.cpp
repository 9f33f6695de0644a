// SPDX-License-Identifier: MIT
// The evaluation of the festival rules over a range of days: the tithis' spans and months once
// for the whole range, the sunrises and sunsets of the days they touch remembered, then each
// rule in turn.
#include "engine/calendar/Festivals.h"

#include "engine/calendar/FestivalDayRule.h"

#include "engine/limbs/Limbs.h"
#include "engine/present/PanchangaNames.h"
#include "engine/day/Risings.h"
#include "engine/time/TimeScales.h"
#include "engine/report/TithiReport.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
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

std::string ReckoningWord(MonthReckoning reckoning) {
    return reckoning == MonthReckoning::Amanta ? "amanta" : "purnimanta";
}

std::string TwoDaysWords(TwoDaysRule rule) {
    switch (rule) {
    case TwoDaysRule::First:
        return "the first";
    case TwoDaysRule::Second:
        return "the second";
    case TwoDaysRule::Longer:
        break;
    }
    return "the one it holds longer";
}

std::string TithiRuleText(const FestivalRule& rule) {
    std::string month = rule.AdhikaOnly ? "adhika " : "";
    month += rule.Masa >= 0 ? std::string(MasaName(rule.Masa)) : "month";
    std::string text = month + ' ' + TithiTitle(rule.Tithi) + " (" + ReckoningWord(rule.Reckoning) +
                       ")";
    if (rule.Period == DecidingPeriod::Sunrise && rule.NoDay == NoDayRule::Sunrise) {
        return text + " at sunrise; a tithi that holds no sunrise on the day it runs, one that "
                      "holds two on the first";
    }
    text += rule.Hold == PeriodHold::Whole ? " holding the whole " : " in force at ";
    text += DecidingPeriodWords(rule.Period);
    text += "; on two such days " + TwoDaysWords(rule.TwoDays);
    if (rule.Nakshatra >= 0) {
        text += "; on two such days or none, the first of its days whose " +
                DecidingPeriodWords(rule.Period) + " " + std::string(NakshatraName(rule.Nakshatra)) +
                " nakshatra touches";
    }
    text += rule.NoDay == NoDayRule::Next ? "; on none, the day after its sunrise day"
                                          : "; on none, its sunrise day";
    if (rule.AvoidBhadra) {
        char share[16];
        std::snprintf(share, sizeof share, "%.4g%%", rule.NextDayShare * 100);
        text += "; the period free of bhadra (Vishti karana), and where bhadra fills it, the next "
                "day if the tithi holds " + std::string(share) + " of its daytime, else the "
                "first day after bhadra";
    }
    return text;
}

std::string RuleTextOf(const FestivalRule& rule, const std::vector<FestivalRule>& rules) {
    switch (rule.Basis) {
    case FestivalBasis::Tithi:
        return TithiRuleText(rule);
    case FestivalBasis::Sankranti:
        return "The Sun enters " + std::string(RashiName(rule.Rashi)) + ". " +
               std::string(SolarCalendarRule(rule.DayReckoning));
    case FestivalBasis::SolarNakshatra:
        return std::string(NakshatraName(rule.Nakshatra)) + " nakshatra at sunrise in the " +
               std::string(SolarCalendarName(rule.DayReckoning)) + " month " +
               std::string(SolarMonthName(rule.DayReckoning, rule.Rashi)) +
               (rule.LeadNakshatra >= 0
                    ? ", with " + std::string(NakshatraName(rule.LeadNakshatra)) +
                          " before it in the month"
                    : std::string());
    case FestivalBasis::Offset:
        break;
    }
    std::string base = rule.OffsetFrom;
    for (const FestivalRule& other : rules) {
        if (other.Id == rule.OffsetFrom) {
            base = other.NameEn;
        }
    }
    const int days = std::abs(rule.OffsetDays);
    const std::string count = days == 1 ? "1 day" : std::to_string(days) + " days";
    return count + (rule.OffsetDays < 0 ? " before " : " after ") + base;
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
        const std::string text = RuleTextOf(rule, table.Rules);
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
                day.How = text;
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
                day.How = text;
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
                    day.How = text;
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
        const std::string text = RuleTextOf(rule, table.Rules);
        for (std::size_t k = 0; k < fixed; ++k) {
            if (found[k].Rule->Id != rule.OffsetFrom) {
                continue;
            }
            FestivalDay day = found[k];
            day.Date = AddDays(found[k].Date, rule.OffsetDays);
            day.Rule = &rule;
            day.Sankranti.reset(); // the instant is the other festival's
            day.How = text;
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
