// SPDX-License-Identifier: MIT
// The calendar's texts as the windows show them, in the user's language: the engine's English
// names through Qt's translations (PanchangaTexts.h), a day's sentence and notes, and the lines
// of a day's cell in the month view and on the printed month.
#pragma once

#include "engine/calendar/Calendar.h"
#include "ui/PanchangaTexts.h"

#include <QDate>
#include <QString>
#include <QStringList>

#include <string_view>

QString TithiTitleText(int tithi);         // "Shukla Panchami", "Purnima"
QString TithiNameText(int tithi);          // "Panchami", "Purnima"
QString PakshaText(int tithi);             // "Shukla", "Krishna"
QString MasaText(const LunarMonth& month); // "Shravana", "Shravana (adhika)"; empty for none

// Dates and times.
QDate QDateOf(const CivilDate& date);
CivilDate CivilDateOf(const QDate& date);
QString LongDateText(const CivilDate& date); // "Tuesday 11 June 2024"
// An instant on its clock, "17:42": the first whole minute at or after it (a tithi's end), or
// the nearest (a sunrise).
QString ClockTimeText(const ClockInstant& instant, bool nearest = false);
// The same with the date where it is not `date`: "04:52 on 12 June".
QString ClockTimeTextFor(const ClockInstant& instant, const CivilDate& date);

// DaySentence: "Shukla Panchami until 17:42, then Shashthi"; "Krishna Dvitiya until 06:10, then
// Tritiya until 04:52 on 12 June (kshaya), then Chaturthi"; "Shukla Ekadasi all day (vriddhi)".
QString DaySentence(const CalendarDay& day);

// The vrata that a day observes, if any (a day may observe a kshaya one besides its own tithi).
enum class VrataMark { None, Ekadashi, Purnima, Amavasya };
VrataMark VrataMarkOf(const CalendarDay& day);
QString VrataText(VrataMark mark); // "Ekadashi", "Purnima", "Amavasya"

// DayNotes: what a day has beyond its sentence: the vrata it observes, a vriddhi's first or second
// day, the month that begins, today.
QStringList DayNotes(const CalendarDay& day, bool today);

// DayAccessibleText: what a screen reader reads for a day: "Tuesday 11 June 2024: Shukla
// Panchami until 17:42, then Shashthi", then the notes, each after "; ".
QString DayAccessibleText(const CalendarDay& day, bool today);

// The rule of observance, and how an occurrence met it.
QString ObservanceRuleText();
QString ObservanceKindText(ObservanceKind kind); // "", "kshaya: ...", "vriddhi: ..."

// The lines of a day's cell.
struct DayCellTexts {
    QString Day;     // "11"
    int Tithi{-1};   // the tithi at sunrise, for the fortnight's colour
    QString Paksha;  // "Shukla 5", "Krishna 8", or "Purnima"/"Amavasya" alone
    QString Name;    // "Panchami"
    QString Until;   // "until 17:42", "all day"
    QString Then;    // "then Shashthi", "then Krishna Pratipada"
    QString Kshaya;  // "Saptami kshaya", empty for none
    QString Vriddhi; // "vriddhi", "vriddhi, 2nd day", empty for none
    QString Masa;    // "Ashadha" where the month begins
    VrataMark Vrata{VrataMark::None};
    bool Today{};
    double MoonLit{-1}; // the Moon's lit share at sunrise, 0 ... 1; -1 for none drawn
    bool MoonWaxing{};
    bool MoonSouthern{}; // the place lies south of the equator: the lit side mirrored
};
DayCellTexts DayCellTextsOf(const CalendarDay& day, bool today);
// The note of a cell on the tithis that hold no sunrise: "Saptami kshaya".
QString KshayaNoteText(const QStringList& names);
