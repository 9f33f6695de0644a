// SPDX-License-Identifier: MIT
// The festivals' texts in the user's language: a festival's name from the table, and its rule
// told from the table's row.
#include "ui/CalendarTexts.h"

#include "ui/Language.h"
#include "ui/PanchangaTexts.h"

#include "engine/present/PanchangaNames.h"
#include "engine/day/Sankranti.h"

#include <QCoreApplication>

#include <cstdlib>

namespace {

// The texts of this file, in the catalogue's context "Festivals".
struct FestivalTr {
    Q_DECLARE_TR_FUNCTIONS(Festivals)
};

QString PeriodText(DecidingPeriod period) {
    switch (period) {
    case DecidingPeriod::Sunrise:
        return FestivalTr::tr("at sunrise");
    case DecidingPeriod::Purvahna:
        return FestivalTr::tr("in the forenoon (purvahna)");
    case DecidingPeriod::Madhyahna:
        return FestivalTr::tr("at midday (madhyahna, the third fifth of the daytime)");
    case DecidingPeriod::Aparahna:
        return FestivalTr::tr("in the afternoon (aparahna, the fourth fifth of the daytime)");
    case DecidingPeriod::Pradosha:
        return FestivalTr::tr("at dusk (pradosha, the first fifth of the night)");
    case DecidingPeriod::Nishita:
        return FestivalTr::tr("at midnight (nishita)");
    case DecidingPeriod::Moonrise:
        return FestivalTr::tr("at moonrise");
    case DecidingPeriod::Arunodaya:
        break;
    }
    return FestivalTr::tr("before sunrise (arunodaya)");
}

QString SolarCalendarText(SolarCalendar calendar) {
    switch (calendar) {
    case SolarCalendar::Tamil:
        return FestivalTr::tr("the Tamil rule: the day of the entry if before sunset, else the next");
    case SolarCalendar::Malayalam:
        return FestivalTr::tr(
            "the Malayalam rule: the day of the entry if within the first three-fifths of the "
            "daytime, else the next");
    case SolarCalendar::Bengali:
        return FestivalTr::tr("the Bengali rule: the day after the entry, or the day after "
                              "that if it falls after midnight");
    case SolarCalendar::Odia:
        break;
    }
    return FestivalTr::tr("the day (sunrise to sunrise) of the entry");
}

} // namespace

QString FestivalNameText(const FestivalRule& rule) {
    return QString::fromStdString(CurrentLanguage() == Language::Hindi ? rule.NameHi : rule.NameEn);
}

QString FestivalRuleText(const FestivalRule& rule, const std::vector<FestivalRule>& rules) {
    switch (rule.Basis) {
    case FestivalBasis::Tithi: {
        const QString month = rule.Masa >= 0 ? PanchangaName(NameKind::Masa, MasaName(rule.Masa))
                                             : QString();
        const QString reckoning = rule.Reckoning == MonthReckoning::Amanta
                                      ? FestivalTr::tr("amanta")
                                      : FestivalTr::tr("purnimanta");
        //: A festival's tithi: "Kartika Amavasya (purnimanta) at dusk (pradosha, ...)"
        QString text = rule.AdhikaOnly
                           ? FestivalTr::tr("%1 of the adhika month (%2) %3")
                                 .arg(TithiTitleText(rule.Tithi), reckoning, PeriodText(rule.Period))
                           : FestivalTr::tr("%1 %2 (%3) %4")
                                 .arg(month, TithiTitleText(rule.Tithi), reckoning,
                                      PeriodText(rule.Period));
        if (rule.Hold == PeriodHold::Whole)
            text += FestivalTr::tr(", the whole of it");
        return text;
    }
    case FestivalBasis::Sankranti:
        return FestivalTr::tr("the Sun enters %1; %2")
            .arg(PanchangaName(NameKind::Rashi, RashiName(rule.Rashi)),
                 SolarCalendarText(rule.DayReckoning));
    case FestivalBasis::SolarNakshatra:
        return FestivalTr::tr("%1 nakshatra at sunrise in the solar month of %2")
            .arg(PanchangaName(NameKind::Nakshatra, NakshatraName(rule.Nakshatra)),
                 PanchangaName(NameKind::Rashi, RashiName(rule.Rashi)));
    case FestivalBasis::Offset:
        break;
    }
    QString base = QString::fromStdString(rule.OffsetFrom);
    for (const FestivalRule& other : rules)
        if (other.Id == rule.OffsetFrom)
            base = FestivalNameText(other);
    const int days = std::abs(rule.OffsetDays);
    if (days == 1)
        return (rule.OffsetDays < 0 ? FestivalTr::tr("the day before %1")
                                    : FestivalTr::tr("the day after %1"))
            .arg(base);
    return (rule.OffsetDays < 0 ? FestivalTr::tr("%1 days before %2")
                                : FestivalTr::tr("%1 days after %2"))
        .arg(days)
        .arg(base);
}

QString FestivalsText(const std::vector<const FestivalDay*>& festivals) {
    QStringList lines;
    for (const FestivalDay* festival : festivals) {
        //: A festival and the rule that gave its day: "Diwali (Lakshmi Puja): Kartika Amavasya ..."
        lines << FestivalTr::tr("%1: %2").arg(
            FestivalNameText(*festival->Rule),
            FestivalRuleText(*festival->Rule, BuiltInFestivalTable().Rules));
    }
    return lines.join(QLatin1Char('\n'));
}
