// SPDX-License-Identifier: MIT
// The festivals' texts in the user's language: a festival's name from the table, and its rule
// told from the table's row.
#include "ui/CalendarTexts.h"
#include "ui/Languages.h"

#include "ui/PanchangaTexts.h"

#include "engine/day/Sankranti.h"
#include "engine/present/PanchangaNames.h"
#include "engine/present/SolarNames.h"

#include <QCoreApplication>
#include <QLocale>

#include <cstdlib>
#include <string>

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
        return FestivalTr::tr(
            "the Tamil rule: the day of the entry if before sunset, else the next");
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

// The regional solar months' names, for the catalogue ("SolarMonths"); the engine gives them in
// English.
[[maybe_unused]] constexpr const char* SolarMonthNames[] = {
    // Tamil
    QT_TRANSLATE_NOOP("SolarMonths", "Chithirai"),
    QT_TRANSLATE_NOOP("SolarMonths", "Vaikasi"),
    QT_TRANSLATE_NOOP("SolarMonths", "Aani"),
    QT_TRANSLATE_NOOP("SolarMonths", "Aadi"),
    QT_TRANSLATE_NOOP("SolarMonths", "Aavani"),
    QT_TRANSLATE_NOOP("SolarMonths", "Purattasi"),
    QT_TRANSLATE_NOOP("SolarMonths", "Aippasi"),
    QT_TRANSLATE_NOOP("SolarMonths", "Karthigai"),
    QT_TRANSLATE_NOOP("SolarMonths", "Margazhi"),
    QT_TRANSLATE_NOOP("SolarMonths", "Thai"),
    QT_TRANSLATE_NOOP("SolarMonths", "Maasi"),
    QT_TRANSLATE_NOOP("SolarMonths", "Panguni"),
    // Malayalam
    QT_TRANSLATE_NOOP("SolarMonths", "Medam"),
    QT_TRANSLATE_NOOP("SolarMonths", "Edavam"),
    QT_TRANSLATE_NOOP("SolarMonths", "Mithunam"),
    QT_TRANSLATE_NOOP("SolarMonths", "Karkidakam"),
    QT_TRANSLATE_NOOP("SolarMonths", "Chingam"),
    QT_TRANSLATE_NOOP("SolarMonths", "Kanni"),
    QT_TRANSLATE_NOOP("SolarMonths", "Thulam"),
    QT_TRANSLATE_NOOP("SolarMonths", "Vrischikam"),
    QT_TRANSLATE_NOOP("SolarMonths", "Dhanu"),
    QT_TRANSLATE_NOOP("SolarMonths", "Makaram"),
    QT_TRANSLATE_NOOP("SolarMonths", "Kumbham"),
    QT_TRANSLATE_NOOP("SolarMonths", "Meenam"),
    // Bengali
    QT_TRANSLATE_NOOP("SolarMonths", "Boishakh"),
    QT_TRANSLATE_NOOP("SolarMonths", "Joishtho"),
    QT_TRANSLATE_NOOP("SolarMonths", "Asharh"),
    QT_TRANSLATE_NOOP("SolarMonths", "Srabon"),
    QT_TRANSLATE_NOOP("SolarMonths", "Bhadro"),
    QT_TRANSLATE_NOOP("SolarMonths", "Ashwin"),
    QT_TRANSLATE_NOOP("SolarMonths", "Kartik"),
    QT_TRANSLATE_NOOP("SolarMonths", "Ogrohayon"),
    QT_TRANSLATE_NOOP("SolarMonths", "Poush"),
    QT_TRANSLATE_NOOP("SolarMonths", "Magh"),
    QT_TRANSLATE_NOOP("SolarMonths", "Falgun"),
    QT_TRANSLATE_NOOP("SolarMonths", "Choitro"),
    // Odia
    QT_TRANSLATE_NOOP("SolarMonths", "Baisakha"),
    QT_TRANSLATE_NOOP("SolarMonths", "Jyeshtha"),
    QT_TRANSLATE_NOOP("SolarMonths", "Ashadha"),
    QT_TRANSLATE_NOOP("SolarMonths", "Shrabana"),
    QT_TRANSLATE_NOOP("SolarMonths", "Bhadraba"),
    QT_TRANSLATE_NOOP("SolarMonths", "Ashwina"),
    QT_TRANSLATE_NOOP("SolarMonths", "Kartika"),
    QT_TRANSLATE_NOOP("SolarMonths", "Margashira"),
    QT_TRANSLATE_NOOP("SolarMonths", "Pausha"),
    QT_TRANSLATE_NOOP("SolarMonths", "Magha"),
    QT_TRANSLATE_NOOP("SolarMonths", "Phalguna"),
    QT_TRANSLATE_NOOP("SolarMonths", "Chaitra"),
    QT_TRANSLATE_NOOP("SolarMonths", "Tamil"),
    QT_TRANSLATE_NOOP("SolarMonths", "Malayalam"),
    QT_TRANSLATE_NOOP("SolarMonths", "Bengali"),
    QT_TRANSLATE_NOOP("SolarMonths", "Odia"),
};

QString SolarText(std::string_view english) {
    return QCoreApplication::translate("SolarMonths", std::string(english).c_str());
}

} // namespace

QString SolarDatesText(const CivilDate& date, const Place& place, const CivilClock& clock,
                       const SkyChoice& sky) {
    QStringList dates;
    for (const SolarCalendar calendar : SolarCalendars) {
        const SolarDate solar = SolarDateOf(calendar, date, place, clock, sky);
        if (solar.Rashi < 0)
            continue;
        //: A solar date in a regional calendar: "Tamil: Thai 1"
        dates << FestivalTr::tr("%1: %2 %3")
                     .arg(SolarText(SolarCalendarName(calendar)),
                          SolarText(SolarMonthName(calendar, solar.Rashi)))
                     .arg(solar.Day);
    }
    return dates.join(QStringLiteral(" · "));
}

QString RegionalSolarMonthsText(const CivilDate& first, const CivilDate& last, const Place& place,
                                const CivilClock& clock, const SkyChoice& sky) {
    const QLocale::Language language = QLocale().language();
    if (language != QLocale::Tamil && language != QLocale::Bengali)
        return {};
    const SolarCalendar calendar =
        language == QLocale::Tamil ? SolarCalendar::Tamil : SolarCalendar::Bengali;
    auto dateText = [&](const CivilDate& date) {
        const SolarDate solar = SolarDateOf(calendar, date, place, clock, sky);
        return solar.Rashi < 0
                   ? QString()
                   : FestivalTr::tr("%1 %2").arg(SolarText(SolarMonthName(calendar, solar.Rashi)),
                                                 LocalNumber(solar.Day));
    };
    const QString from = dateText(first);
    const QString to = dateText(last);
    if (from.isEmpty() || to.isEmpty())
        return {};
    //: The solar dates of a month's first and last days: "Tamil: Margazhi 17 – Thai 18"
    return FestivalTr::tr("%1: %2 – %3").arg(SolarText(SolarCalendarName(calendar)), from, to);
}

QString FestivalNameText(const FestivalRule& rule) {
    // The table names each festival in English; each language's name is in its catalogue of
    // names (context "FestivalNames"; Hindi's made from the table's Hindi column), English where
    // a catalogue has none.
    return QCoreApplication::translate("FestivalNames", rule.NameEn.c_str());
}

QString FestivalRuleText(const FestivalRule& rule, const std::vector<FestivalRule>& rules) {
    switch (rule.Basis) {
    case FestivalBasis::Tithi: {
        const QString month =
            rule.Masa >= 0 ? PanchangaName(NameKind::Masa, MasaName(rule.Masa)) : QString();
        const QString reckoning = rule.Reckoning == MonthReckoning::Amanta
                                      ? FestivalTr::tr("amanta")
                                      : FestivalTr::tr("purnimanta");
        //: A festival's tithi: "Kartika Amavasya (purnimanta) at dusk (pradosha, ...)"
        QString text =
            rule.AdhikaOnly
                ? FestivalTr::tr("%1 of the adhika month (%2) %3")
                      .arg(TithiTitleText(rule.Tithi), reckoning, PeriodText(rule.Period))
                : FestivalTr::tr("%1 %2 (%3) %4")
                      .arg(month, TithiTitleText(rule.Tithi), reckoning, PeriodText(rule.Period));
        if (rule.Hold == PeriodHold::Whole)
            text += FestivalTr::tr(", the whole of it");
        //: A tithi's companion nakshatra, deciding between two days or none: "; else Shravana"
        if (rule.Nakshatra >= 0)
            text += FestivalTr::tr("; else %1 nakshatra")
                        .arg(PanchangaName(NameKind::Nakshatra, NakshatraName(rule.Nakshatra)));
        //: Bhadra: the Vishti karana, kept out of the deciding period
        if (rule.AvoidBhadra)
            text += FestivalTr::tr(", free of bhadra");
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
