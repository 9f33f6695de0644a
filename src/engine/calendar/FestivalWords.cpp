// SPDX-License-Identifier: MIT
// The words of a festival's rule, built from the row of the table that decided its day; the
// evaluation itself names nothing.
#include "engine/calendar/FestivalWords.h"

#include "engine/present/PanchangaNames.h"
#include "engine/present/SolarNames.h"
#include "engine/report/TithiReport.h"

#include <cstdio>
#include <cstdlib>

std::string DecidingPeriodWords(DecidingPeriod period) {
    const std::string name(DecidingPeriodName(period));
    switch (period) {
    case DecidingPeriod::Sunrise:
        return name;
    case DecidingPeriod::Purvahna:
        return name + " (sunrise to midday)";
    case DecidingPeriod::Madhyahna:
        return name + " (the third fifth of the daytime)";
    case DecidingPeriod::Aparahna:
        return name + " (the fourth fifth of the daytime)";
    case DecidingPeriod::Pradosha:
        return name + " (the first fifth of the night)";
    case DecidingPeriod::Nishita:
        return name + " (the eighth muhurta of the night)";
    case DecidingPeriod::Moonrise:
        return name;
    case DecidingPeriod::Arunodaya:
        return name + " (the two muhurtas before sunrise)";
    }
    return name;
}

namespace {

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
    std::string text =
        month + ' ' + TithiTitle(rule.Tithi) + " (" + ReckoningWord(rule.Reckoning) + ")";
    if (rule.Period == DecidingPeriod::Sunrise && rule.NoDay == NoDayRule::Sunrise) {
        return text + " at sunrise; a tithi that holds no sunrise on the day it runs, one that "
                      "holds two on the first";
    }
    text += rule.Hold == PeriodHold::Whole ? " holding the whole " : " in force at ";
    text += DecidingPeriodWords(rule.Period);
    text += "; on two such days " + TwoDaysWords(rule.TwoDays);
    if (rule.Nakshatra >= 0) {
        text += "; on two such days or none, the first of its days whose " +
                DecidingPeriodWords(rule.Period) + " " +
                std::string(NakshatraName(rule.Nakshatra)) + " nakshatra touches";
    }
    text += rule.NoDay == NoDayRule::Next ? "; on none, the day after its sunrise day"
                                          : "; on none, its sunrise day";
    if (rule.AvoidBhadra) {
        char share[16];
        std::snprintf(share, sizeof share, "%.4g%%", rule.NextDayShare * 100);
        text += "; the period free of bhadra (Vishti karana), and where bhadra fills it, the next "
                "day if the tithi holds " +
                std::string(share) +
                " of its daytime, else the "
                "first day after bhadra";
    }
    return text;
}

} // namespace

std::string FestivalRuleWords(const FestivalDay& day) {
    const FestivalRule& rule = *day.Rule;
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
    const std::string base = day.From ? day.From->NameEn : rule.OffsetFrom;
    const int days = std::abs(rule.OffsetDays);
    const std::string count = days == 1 ? "1 day" : std::to_string(days) + " days";
    return count + (rule.OffsetDays < 0 ? " before " : " after ") + base;
}
