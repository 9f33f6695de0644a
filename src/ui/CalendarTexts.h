// SPDX-License-Identifier: MIT
// The calendar's texts as the windows show them, in the user's language: the engine's English
// names through Qt's translations (PanchangaTexts.h), a day's sentence and notes, and the lines
// of a day's cell in the month view and on the printed month.
#pragma once

#include "engine/calendar/Calendar.h"
#include "engine/calendar/Festivals.h"
#include "ui/PanchangaTexts.h"

#include <QDate>
#include <QString>
#include <QStringList>

#include <string_view>

QString TithiTitleText(int tithi);         // "Shukla Panchami", "Purnima"
QString TithiNameText(int tithi);          // "Panchami", "Purnima"
QString PakshaText(int tithi);             // "Shukla", "Krishna"
QString MasaText(const LunarMonth& month); // "Shravana", "Shravana (adhika)"; empty for none

// The lunar months a calendar names: the amanta ones alone, or the purnimanta ones too.
enum class MonthNames { Amanta, Both };
// MasaReckonedText: a month with its reckoning, the adhika mark in the same brackets:
// "Jyeshtha (amanta)", "Jyeshtha (adhika, amanta)", "Ashadha (purnimanta)"; empty for none.
QString MasaReckonedText(const LunarMonth& month, bool purnimanta);
// BothMonthsText: a day's month in both reckonings, "Jyeshtha (amanta) · Ashadha (purnimanta)".
QString BothMonthsText(const MonthAndYears& month);
// PurnimantaMonthBegins: the purnimanta month at the day's sunrise is not the previous day's.
bool PurnimantaMonthBegins(const CalendarDay& day, const CalendarDay& previous);

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
// Tritiya until 04:52 on 12 June (kshaya), then Chaturthi"; "Shukla Ekadashi all day (vriddhi)".
QString DaySentence(const CalendarDay& day);

// The vrata that a day observes, if any (a day may observe a kshaya one besides its own tithi).
enum class VrataMark { None, Ekadashi, Purnima, Amavasya };
VrataMark VrataMarkOf(const CalendarDay& day);
QString VrataText(VrataMark mark); // "Ekadashi", "Purnima", "Amavasya"

// DayNotes: what a day has beyond its sentence: the vrata it observes, a vriddhi's first or second
// day, the month that begins, today.
QStringList DayNotes(const CalendarDay& day, bool today);

// DayAccessibleText: what a screen reader reads for a day: "Tuesday 11 June 2024: Shukla
// Panchami until 17:42, then Shashthi", then the notes (DayNotes and any of the view's own),
// each after "; ", and the festivals (FestivalsText), each after "; ".
QString DayAccessibleText(const CalendarDay& day, const QStringList& notes,
                          const QString& festivals = {});

// The rule of observance, and how an occurrence met it.
QString ObservanceRuleText();
QString ObservanceKindText(ObservanceKind kind); // "", "kshaya: ...", "vriddhi: ..."

// The lines of a day's cell.
struct DayCellTexts {
    QString Day;     // "11"
    int Tithi{-1};   // the tithi at sunrise, for the fortnight's colour
    QString Paksha;  // "Shukla 5", "Krishna 8", or "Purnima"/"Amavasya" alone
    QString Name;    // "Panchami"
    QString Until;   // "until 17:42", "until 01:55 on 16 June", "all day"
    QString Then;    // "then Shashthi", "then Krishna Pratipada"
    QString Kshaya;  // "Saptami kshaya", empty for none
    QString Vriddhi; // "vriddhi", "vriddhi, 2nd day", empty for none
    QString Masa;    // "Ashadha" where the month begins
    QString Festival; // the day's festival, short: "Diwali", "Diwali +1" where there are more
    VrataMark Vrata{VrataMark::None};
    bool Today{};
    double MoonLit{-1}; // the Moon's lit share at sunrise, 0 ... 1; -1 for none drawn
    bool MoonWaxing{};
    bool MoonSouthern{}; // the place lies south of the equator: the lit side mirrored
};
// names: where both reckonings are named, the month that begins is named with its reckoning,
// the purnimanta one too (which needs the day before, `previous`, to tell); festivals: the day's,
// the first named short in the cell.
DayCellTexts DayCellTextsOf(const CalendarDay& day, bool today,
                            MonthNames names = MonthNames::Amanta,
                            const CalendarDay* previous = nullptr,
                            const std::vector<const FestivalDay*>& festivals = {});

// A festival's name in the windows' language (the table's Hindi name while they speak Hindi),
// and the day's festivals with their rules, one a line, for a tooltip or a screen reader.
// FestivalRuleText: the rule in a few words: "Kartika Amavasya (purnimanta) at pradosha, the
// first fifth of the night".
QString FestivalNameText(const FestivalRule& rule);
QString FestivalRuleText(const FestivalRule& rule, const std::vector<FestivalRule>& rules);
QString FestivalsText(const std::vector<const FestivalDay*>& festivals);

// SolarDatesText: a civil date in the regional solar calendars, each by its rule for the day
// that begins a month: "Tamil: Thai 1 · Malayalam: Makaram 1 · Bengali: Poush 30 · Odia: Magha 1".
QString SolarDatesText(const CivilDate& date, const Place& place, const CivilClock& clock,
                       const SkyChoice& sky);

// RegionalSolarMonthsText: for readers whose calendar is solar (the windows speaking Tamil or
// Bengali), the solar dates of a month's first and last days in their calendar: "Tamil: Margazhi
// 17 – Thai 18"; empty in any other language.
QString RegionalSolarMonthsText(const CivilDate& first, const CivilDate& last, const Place& place,
                                const CivilClock& clock, const SkyChoice& sky);
// The note of a cell on the tithis that hold no sunrise: "Saptami kshaya".
QString KshayaNoteText(const QStringList& names);
