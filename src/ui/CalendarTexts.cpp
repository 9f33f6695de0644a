// SPDX-License-Identifier: MIT
// The calendar's texts in the user's language.
#include "ui/CalendarTexts.h"

#include "engine/calendar/CalendarExport.h"
#include "engine/day/DayFacts.h"
#include "engine/present/PanchangaNames.h"
#include "ui/Language.h"
#include "ui/Languages.h"

#include <QCoreApplication>
#include <QLocale>
#include <QRegularExpression>
#include <QTime>

namespace {

// The texts of this file, in the catalogue's context "Calendar".
struct CalendarTr {
    Q_DECLARE_TR_FUNCTIONS(Calendar)
};

// A tithi after the first of a day: by its name within the same fortnight, by its title across
// the full or the new moon.
QString FollowingName(int tithi, int first) {
    return PakshaName(tithi) == PakshaName(first) ? TithiNameText(tithi) : TithiTitleText(tithi);
}

} // namespace

QString TithiNameText(int tithi) {
    return PanchangaName(NameKind::Tithi, TithiName(tithi));
}

QString PakshaText(int tithi) {
    return PanchangaName(NameKind::Paksha, PakshaName(tithi));
}

QString MasaText(const LunarMonth& month) {
    const QString name = PanchangaName(NameKind::Masa, MasaName(month.Index));
    if (name.isEmpty() || !month.Adhika)
        return name;
    return CalendarTr::tr("%1 (adhika)").arg(name);
}

QString MasaReckonedText(const LunarMonth& month, bool purnimanta) {
    const QString name = PanchangaName(NameKind::Masa, MasaName(month.Index));
    if (name.isEmpty())
        return name;
    if (month.Adhika) {
        return purnimanta ? CalendarTr::tr("%1 (adhika, purnimanta)").arg(name)
                          : CalendarTr::tr("%1 (adhika, amanta)").arg(name);
    }
    return purnimanta ? CalendarTr::tr("%1 (purnimanta)").arg(name)
                      : CalendarTr::tr("%1 (amanta)").arg(name);
}

QString BothMonthsText(const MonthAndYears& month) {
    //: The month of a day in both reckonings: "Jyeshtha (amanta) · Ashadha (purnimanta)"
    return CalendarTr::tr("%1 · %2").arg(MasaReckonedText(month.Amanta, false),
                                         MasaReckonedText(month.Purnimanta, true));
}

bool PurnimantaMonthBegins(const CalendarDay& day, const CalendarDay& previous) {
    const LunarMonth& now = day.Month.Purnimanta;
    const LunarMonth& before = previous.Month.Purnimanta;
    return now.Index >= 0 && before.Index >= 0 &&
           (now.Index != before.Index || now.Adhika != before.Adhika);
}

QDate QDateOf(const CivilDate& date) {
    return QDate(date.Year, date.Month, date.Day);
}

CivilDate CivilDateOf(const QDate& date) {
    return {date.year(), date.month(), date.day()};
}

QString LongDateText(const CivilDate& date) {
    return LocalDateText(QDateOf(date), QStringLiteral("dddd ") + QLatin1String(DateFormat));
}

QString ClockTimeText(const ClockInstant& instant, bool nearest) {
    // The engine's "17:42", in the digits of the locale.
    const QString text = QString::fromStdString(
        ClockText(instant, nearest ? ClockRounding::NearestMinute : ClockRounding::UpToMinute));
    const QTime time = QTime::fromString(text, QStringLiteral("HH:mm"));
    return time.isValid() ? LocalTimeText(time, QStringLiteral("HH:mm")) : text;
}

QString ClockTimeTextFor(const ClockInstant& instant, const CivilDate& date) {
    const QString time = ClockTimeText(instant);
    const CivilDate on = DateOfInstant(instant);
    if (DateKey(on) == DateKey(date))
        return time;
    return TimeOnDateText(time, QDateOf(on));
}

QString DaySentence(const CalendarDay& day) {
    if (day.Tithi.Spans.empty())
        return {};
    const DaySpan& first = day.Tithi.Spans.front();
    if (!first.EndsWithinDay)
        return CalendarTr::tr("%1 all day (vriddhi)").arg(TithiTitleText(first.Index));
    QString sentence = CalendarTr::tr("%1 until %2")
                           .arg(TithiTitleText(first.Index), ClockTimeTextFor(first.End, day.Date));
    for (std::size_t k = 1; k < day.Tithi.Spans.size(); ++k) {
        const DaySpan& span = day.Tithi.Spans[k];
        QString next = FollowingName(span.Index, first.Index);
        if (span.EndsWithinDay)
            next = CalendarTr::tr("%1 until %2").arg(next, ClockTimeTextFor(span.End, day.Date));
        if (span.Kshaya)
            next = CalendarTr::tr("%1 (kshaya)").arg(next);
        sentence = CalendarTr::tr("%1, then %2").arg(sentence, next);
    }
    return sentence;
}

VrataMark VrataMarkOf(const CalendarDay& day) {
    for (const int tithi : day.Observed) {
        if (tithi == Purnima)
            return VrataMark::Purnima;
        if (tithi == Amavasya)
            return VrataMark::Amavasya;
        if (tithi == ShuklaEkadashi || tithi == KrishnaEkadashi)
            return VrataMark::Ekadashi;
    }
    return VrataMark::None;
}

QString VrataText(VrataMark mark) {
    switch (mark) {
    case VrataMark::Ekadashi:
        return CalendarTr::tr("Ekadashi");
    case VrataMark::Purnima:
        return CalendarTr::tr("Purnima");
    case VrataMark::Amavasya:
        return CalendarTr::tr("Amavasya");
    case VrataMark::None:
        break;
    }
    return {};
}

QStringList DayNotes(const CalendarDay& day, bool today) {
    QStringList notes;
    const VrataMark vrata = VrataMarkOf(day);
    if (vrata != VrataMark::None)
        notes << CalendarTr::tr("%1 is observed").arg(VrataText(vrata));
    if (day.Tithi.Vriddhi)
        notes << CalendarTr::tr(
            "vriddhi: the tithi holds the next sunrise too and is observed today");
    if (day.SecondOfVriddhi)
        notes << CalendarTr::tr("vriddhi: second day of the tithi, observed the day before");
    if (day.MonthBegins && day.Month.Amanta.Index >= 0)
        notes << CalendarTr::tr("the month %1 begins").arg(MasaText(day.Month.Amanta));
    if (today)
        notes << CalendarTr::tr("today");
    return notes;
}

QString DayAccessibleText(const CalendarDay& day, const QStringList& notes, const QString& festivals) {
    //: A day's date and its tithis: "Tuesday 11 June 2024: Shukla Panchami until 17:42, ..."
    QString text = CalendarTr::tr("%1: %2").arg(LongDateText(day.Date), DaySentence(day));
    for (const QString& note : notes)
        text += QStringLiteral("; ") + note;
    if (!festivals.isEmpty())
        text += QStringLiteral("; ") + festivals.split(QLatin1Char('\n')).join(QStringLiteral("; "));
    return text;
}

QString ObservanceRuleText() {
    return CalendarTr::tr(
        "A tithi is observed on the civil day whose sunrise it holds; a kshaya tithi (one "
        "that holds no sunrise) on the day in which it runs; a vriddhi tithi (one that holds "
        "two sunrises) on the first of its two days.");
}

QString ObservanceKindText(ObservanceKind kind) {
    switch (kind) {
    case ObservanceKind::Kshaya:
        return CalendarTr::tr("kshaya: holds no sunrise");
    case ObservanceKind::Vriddhi:
        return CalendarTr::tr("vriddhi: holds two sunrises");
    case ObservanceKind::Sunrise:
        break;
    }
    return {};
}

QString KshayaNoteText(const QStringList& names) {
    return CalendarTr::tr("%1 kshaya").arg(names.join(QStringLiteral(", ")));
}

DayCellTexts DayCellTextsOf(const CalendarDay& day, bool today, MonthNames names,
                            const CalendarDay* previous,
                            const std::vector<const FestivalDay*>& festivals) {
    DayCellTexts cell;
    if (!festivals.empty()) {
        const QString first = FestivalNameText(*festivals.front()->Rule);
        // The short name, without its words in parentheses: "Diwali" of "Diwali (Lakshmi
        // Puja)", "Parsva Ekadashi" of "Parsva (Parivartini) Ekadashi".
        const QString shortName =
            QString(first).remove(QRegularExpression(QStringLiteral(" \\([^)]*\\)")));
        cell.Festival = festivals.size() > 1
                            ? CalendarTr::tr("%1 +%2").arg(shortName).arg(festivals.size() - 1)
                            : shortName;
    }
    cell.Day = QString::number(day.Date.Day);
    cell.Today = today;
    cell.Vrata = VrataMarkOf(day);
    if (day.Tithi.Spans.empty())
        return cell;
    // The phase takes no sidereal angle; the cell shows it on the default ephemeris.
    const MoonPhase moon = MoonPhaseAt(day.Begins.Jde, SkyChoice{});
    cell.MoonLit = moon.Illumination;
    cell.MoonWaxing = moon.Waxing;
    const DaySpan& first = day.Tithi.Spans.front();
    cell.Tithi = first.Index;
    cell.Paksha = CalendarTr::tr("%1 %2").arg(PakshaText(first.Index)).arg(first.Index % 15 + 1);
    cell.Name = TithiNameText(first.Index);
    if (first.EndsWithinDay) {
        // A tithi that ends after midnight ends on the next date, and says so.
        cell.Until = CalendarTr::tr("until %1").arg(ClockTimeTextFor(first.End, day.Date));
        if (day.Tithi.Spans.size() > 1) {
            // The tithi at the next sunrise (the last span), by its name: the cell beside it
            // tells its fortnight.
            cell.Then = CalendarTr::tr("then %1").arg(TithiNameText(day.Tithi.Spans.back().Index));
        }
    } else {
        cell.Until = CalendarTr::tr("all day");
    }
    QStringList kshaya;
    for (const int tithi : day.Kshaya)
        kshaya << TithiNameText(tithi);
    if (!kshaya.isEmpty())
        cell.Kshaya = KshayaNoteText(kshaya);
    if (day.Tithi.Vriddhi)
        cell.Vriddhi = CalendarTr::tr("vriddhi");
    else if (day.SecondOfVriddhi)
        cell.Vriddhi = CalendarTr::tr("vriddhi, 2nd day");
    if (names == MonthNames::Amanta) {
        if (day.MonthBegins)
            cell.Masa = MasaText(day.Month.Amanta);
    } else if (day.MonthBegins) {
        cell.Masa = MasaReckonedText(day.Month.Amanta, false);
    } else if (previous && PurnimantaMonthBegins(day, *previous)) {
        cell.Masa = MasaReckonedText(day.Month.Purnimanta, true);
    }
    return cell;
}
