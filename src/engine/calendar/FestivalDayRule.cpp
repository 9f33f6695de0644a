// SPDX-License-Identifier: MIT
// The day a festival's tithi is kept on, by the rule's period, its rule for two days or none,
// bhadra kept out of the period, and the nakshatra that decides where the tithi cannot.
#include "engine/calendar/FestivalDayRule.h"

#include "engine/limbs/Limbs.h"

#include <algorithm>
#include <utility>
#include <vector>

namespace {

// How much of a window a span [begin, end) holds: for an instant, 1 where it holds it.
double Held(const DayWindow& window, double begin, double end, PeriodHold hold) {
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
std::vector<DayWindow> SpansOf(Limb limb, double from, double to, bool (*wanted)(int index),
                               const SkyChoice& sky) {
    std::vector<DayWindow> spans;
    for (const LimbSpan& span : SpansBeginningBetween(limb, from - 1.2, to, sky)) {
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
double HeldOutside(const DayWindow& window, double begin, double end,
                   const std::vector<DayWindow>& spans) {
    double from = std::max(begin, window.From), to = std::min(end, window.To);
    if (!window.Valid || !(to > from)) {
        return 0;
    }
    double held = to - from;
    for (const DayWindow& span : spans) {
        held -= std::max(0.0, std::min(to, span.To) - std::max(from, span.From));
    }
    return held;
}

} // namespace

// The day a tithi's span is kept on by a rule.
CivilDate DecideDay(const FestivalRule& rule, double begin, double end, FestivalDayClock& days) {
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
        const std::vector<DayWindow> bhadra =
            SpansOf(Limb::Karana, begin - 1, end + 1, IsVishti, days.Sky());
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
        std::vector<DayWindow> nakshatra;
        for (const LimbSpan& span : SpansBeginningBetween(Limb::Nakshatra, begin - 2, end + 1, days.Sky())) {
            if (span.Index == wantedNakshatra) {
                nakshatra.push_back({span.BeginJde, span.EndJde, true});
            }
        }
        for (int k = -2; k <= 1; ++k) {
            const CivilDate date = AddDays(sunriseDay, k);
            const DayWindow period = days.PeriodOf(date, rule.Period);
            const double sunrise = days.Of(date).Sunrise;
            const bool tithiDay = Held(period, begin, end, PeriodHold::Touch) > 0 ||
                                  (begin <= sunrise && sunrise < end);
            if (!tithiDay) {
                continue;
            }
            for (const DayWindow& span : nakshatra) {
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
