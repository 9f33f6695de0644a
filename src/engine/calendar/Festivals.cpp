// SPDX-License-Identifier: MIT
// The evaluation of the festival rules over a range of days: the tithis' spans and months once
// for the whole range, the sunrises and sunsets of the days they touch remembered, then each
// rule in turn.
#include "engine/calendar/Festivals.h"

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

CivilDate DateOfCivil(double civilJd) {
    const CalendarDate date = CalendarDateOfJulianDay(civilJd);
    return {static_cast<int>(date.Year), static_cast<int>(date.Month), static_cast<int>(date.Day)};
}

struct Window {
    double From{}, To{}; // Terrestrial Time; equal for an instant
    bool Valid{};
};

// The sunrises and sunsets of the dates the rules ask about, remembered.
class DayClock {
public:
    DayClock(const Place& place, const CivilClock& clock) : place_(place), clock_(clock) {}

    struct Light {
        double Sunrise{}, Sunset{};
    };

    const Light& Of(const CivilDate& date) {
        const int key = DateKey(date);
        auto found = light_.find(key);
        if (found == light_.end()) {
            const double midnight = Midnight(date);
            const double next = Midnight(AddDays(date, 1));
            const HorizonCrossing rise = SunriseCrossing(date, place_, clock_);
            const HorizonCrossing set = SunsetOnDate(date, place_, clock_);
            // Where the Sun does not rise or set, the midnights stand in.
            Light light{rise.State == HorizonState::Crosses ? rise.At.Jde : midnight,
                        set.State == HorizonState::Crosses ? set.At.Jde : next};
            if (!(light.Sunset > light.Sunrise)) {
                light.Sunset = next;
            }
            found = light_.emplace(key, light).first;
        }
        return found->second;
    }

    double Midnight(const CivilDate& date) const {
        return TerrestrialOfUniversal(UniversalOfCivil(clock_, CivilJulianDayOfDate(date)));
    }

    // The day's period: from the date's sunrise to the next.
    Window PeriodOf(const CivilDate& date, DecidingPeriod period) {
        const Light today = Of(date);
        const double nextSunrise = Of(AddDays(date, 1)).Sunrise;
        const double sr = today.Sunrise, ss = today.Sunset;
        const double daytime = ss - sr, night = nextSunrise - ss;
        switch (period) {
        case DecidingPeriod::Sunrise:
            return {sr, sr, true};
        case DecidingPeriod::Purvahna:
            return {sr, sr + daytime / 2, true};
        case DecidingPeriod::Madhyahna:
            return {sr + daytime * 2 / 5, sr + daytime * 3 / 5, true};
        case DecidingPeriod::Aparahna:
            return {sr + daytime * 3 / 5, sr + daytime * 4 / 5, true};
        case DecidingPeriod::Pradosha:
            return {ss, ss + night / 5, true};
        case DecidingPeriod::Nishita:
            return {ss + night * 7 / 15, ss + night * 8 / 15, true};
        case DecidingPeriod::Arunodaya: {
            const double previousNight = sr - Of(AddDays(date, -1)).Sunset;
            return {sr - previousNight * 2 / 15, sr, true};
        }
        case DecidingPeriod::Moonrise:
            break;
        }
        // The first moonrise after the day's sunrise and before the next.
        for (int k = 0; k <= 1; ++k) {
            const MoonCrossings moon = MoonCrossingsOnDate(AddDays(date, k), place_, clock_);
            if (moon.Rise.State == HorizonState::Crosses && moon.Rise.At.Jde >= sr &&
                moon.Rise.At.Jde < nextSunrise) {
                return {moon.Rise.At.Jde, moon.Rise.At.Jde, true};
            }
        }
        return {};
    }

    // The day of a span by the sunrise rule: the first whose sunrise it holds, or the one in
    // which it runs.
    CivilDate SunriseDay(double begin, double end) {
        CivilDate date = DateOfCivil(InstantOfTerrestrial(clock_, begin).Civil());
        if (Of(date).Sunrise < begin) {
            date = AddDays(date, 1);
        }
        return Of(date).Sunrise < end ? date : AddDays(date, -1);
    }

    const CivilClock& Clock() const { return clock_; }

private:
    const Place& place_;
    const CivilClock& clock_;
    std::map<int, Light> light_;
};

// How much of a window a span [begin, end) holds: for an instant, 1 where it holds it.
double Held(const Window& window, double begin, double end, PeriodHold hold) {
    if (!window.Valid) {
        return 0;
    }
    if (window.From == window.To) {
        return begin <= window.From && window.From < end ? 1 : 0;
    }
    if (hold == PeriodHold::Whole) {
        return begin <= window.From && window.To <= end ? window.To - window.From : 0;
    }
    return std::max(0.0, std::min(end, window.To) - std::max(begin, window.From));
}

// The spans of a limb's given indexes that overlap [from, to).
std::vector<Window> SpansOf(Limb limb, double from, double to, bool (*wanted)(int index)) {
    std::vector<Window> spans;
    for (const LimbSpan& span : SpansBeginningBetween(limb, from - 1.2, to)) {
        if (wanted(span.Index) && span.EndJde > from) {
            spans.push_back({span.BeginJde, span.EndJde, true});
        }
    }
    return spans;
}

// Bhadra: the Vishti karana, the seventh of the movable karanas' cycle (half-tithis 7, 14, ...,
// 56 counted from the new moon).
bool IsVishti(int index) { return index >= 7 && index <= 56 && index % 7 == 0; }

// The length of [begin, end) inside the window and outside every one of the spans.
double HeldOutside(const Window& window, double begin, double end,
                   const std::vector<Window>& spans) {
    double from = std::max(begin, window.From), to = std::min(end, window.To);
    if (!window.Valid || !(to > from)) {
        return 0;
    }
    double held = to - from;
    for (const Window& span : spans) {
        held -= std::max(0.0, std::min(to, span.To) - std::max(from, span.From));
    }
    return held;
}

// The day a tithi's span is kept on by a rule.
CivilDate DecideDay(const FestivalRule& rule, double begin, double end, DayClock& days) {
    const CivilDate sunriseDay = days.SunriseDay(begin, end);
    auto daysHolding = [&](PeriodHold hold) {
        std::vector<std::pair<CivilDate, double>> holding;
        for (int k = -2; k <= 1; ++k) {
            const CivilDate date = AddDays(sunriseDay, k);
            const double held = Held(days.PeriodOf(date, rule.Period), begin, end, hold);
            if (held > 0) {
                holding.emplace_back(date, held);
            }
        }
        return holding;
    };
    std::vector<std::pair<CivilDate, double>> holding = daysHolding(rule.Hold);

    if (rule.AvoidBhadra) {
        const std::vector<Window> bhadra =
            SpansOf(Limb::Karana, begin - 1, end + 1, IsVishti);
        const std::vector<std::pair<CivilDate, double>> touching = daysHolding(PeriodHold::Touch);
        for (const auto& [date, held] : touching) {
            if (HeldOutside(days.PeriodOf(date, rule.Period), begin, end, bhadra) > 0) {
                return date;
            }
        }
        if (!touching.empty()) {
            // Bhadra fills the period on every day the tithi holds it: the next day when the
            // tithi holds enough of its daytime, else the first day, after bhadra or in its tail.
            const CivilDate first = touching.front().first;
            const CivilDate next = AddDays(first, 1);
            const double rise = days.Of(next).Sunrise, set = days.Of(next).Sunset;
            const double share = (std::min(end, set) - rise) / (set - rise);
            return share >= rule.NextDayShare ? next : first;
        }
    }

    if (rule.Nakshatra >= 0 && holding.size() != 1) {
        // Two days or none: the first of the tithi's days (those whose period it touches or
        // whose sunrise it holds) whose period the nakshatra touches.
        const int wantedNakshatra = rule.Nakshatra;
        std::vector<Window> nakshatra;
        for (const LimbSpan& span : SpansBeginningBetween(Limb::Nakshatra, begin - 2, end + 1)) {
            if (span.Index == wantedNakshatra) {
                nakshatra.push_back({span.BeginJde, span.EndJde, true});
            }
        }
        for (int k = -2; k <= 1; ++k) {
            const CivilDate date = AddDays(sunriseDay, k);
            const Window period = days.PeriodOf(date, rule.Period);
            const double sunrise = days.Of(date).Sunrise;
            const bool tithiDay = Held(period, begin, end, PeriodHold::Touch) > 0 ||
                                  (begin <= sunrise && sunrise < end);
            if (!tithiDay) {
                continue;
            }
            for (const Window& span : nakshatra) {
                if (Held(period, span.From, span.To, PeriodHold::Touch) > 0) {
                    return date;
                }
            }
        }
        holding = daysHolding(PeriodHold::Touch);
    }

    if (holding.empty()) {
        return rule.NoDay == NoDayRule::Next ? AddDays(sunriseDay, 1) : sunriseDay;
    }
    if (holding.size() == 1 || rule.TwoDays == TwoDaysRule::First) {
        return holding.front().first;
    }
    if (rule.TwoDays == TwoDaysRule::Second) {
        return holding[1].first;
    }
    return holding[1].second > holding[0].second ? holding[1].first : holding[0].first;
}

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
        char share[8];
        std::snprintf(share, sizeof share, "%.0f%%", rule.NextDayShare * 100);
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
    DayClock dayClock(place, clock);
    const double fromJde = dayClock.Midnight(AddDays(first, -MarginDays));
    const double toJde = dayClock.Midnight(AddDays(last, MarginDays));

    // The tithis of the range with their months, found once.
    std::vector<TithiSpanOfRange> tithis;
    LunationSigns signs;
    for (const LimbSpan& span : SpansBeginningBetween(Limb::Tithi, fromJde, toJde)) {
        const double middle = (span.BeginJde + span.EndJde) / 2;
        tithis.push_back(
            {span, LunarMonthAt(middle, TithiDegrees * (span.Index + 0.5), signs)});
    }
    std::vector<Sankranti> sankrantis;
    bool sankrantisFound = false;
    auto sankrantisOfRange = [&]() -> const std::vector<Sankranti>& {
        if (!sankrantisFound) {
            sankrantis = SankrantisBetween(fromJde, toJde);
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
                day.Date = SolarMonthFirstDay(rule.DayReckoning, entry.Jde, place, clock);
                day.Rule = &rule;
                day.Month = monthAtSunrise(day.Date);
                day.Sankranti = InstantOfTerrestrial(clock, entry.Jde);
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
                    SolarMonthFirstDay(rule.DayReckoning, all[k].Jde, place, clock);
                const CivilDate nextFirst =
                    SolarMonthFirstDay(rule.DayReckoning, all[k + 1].Jde, place, clock);
                const double from = dayClock.Of(monthFirst).Sunrise;
                const double to = dayClock.Of(nextFirst).Sunrise;
                // The month's first day whose sunrise the nakshatra holds (or in which a
                // nakshatra that holds no sunrise runs), its lead nakshatra's day in the month.
                auto inMonth = [&](const CivilDate& date) {
                    return DateKey(date) >= DateKey(monthFirst) && DateKey(date) < DateKey(nextFirst);
                };
                std::optional<CivilDate> lead;
                for (const LimbSpan& span :
                     SpansBeginningBetween(Limb::Nakshatra, from - 1.2, to)) {
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
