// SPDX-License-Identifier: MIT
// Painting the calendar: a day's cell, the same in the month view and on the printed month, and a
// whole month as the page of a wall calendar.
#pragma once

#include "engine/calendar/Calendar.h"
#include "ui/CalendarTexts.h"

#include <QColor>
#include <QDate>
#include <QString>

#include <optional>
#include <vector>

class QPainter;
class QPalette;
class QRectF;

// The colours of the cells: the two fortnights told apart at a glance, the vratas' marks, the
// notes that need attention.
struct CellColours {
    QColor Shukla, Krishna; // the cell's ground by the fortnight of its tithi at sunrise
    QColor Text, Faint;     // the names, and the times and lesser lines
    QColor Note;            // kshaya and vriddhi
    QColor Masa;            // the month that begins
    QColor Purnima, Amavasya, Ekadashi;
    QColor Today; // the frame of today's cell
    QColor Grid;  // the lines between cells
};
CellColours ScreenColours(const QPalette& palette);
CellColours PrintColours();

// PaintDayCell: one day in a rectangle, its fonts scaled to the rectangle's height; the painter's
// font gives the family.
void PaintDayCell(QPainter& painter, const QRectF& cell, const DayCellTexts& texts,
                  const CellColours& colours);

// PaintVrataMark: the mark of Purnima (a full moon), Amavasya (a new moon) or Ekadashi (a
// diamond) centred on a point, `size` across.
void PaintVrataMark(QPainter& painter, const QPointF& centre, double size, VrataMark mark,
                    const CellColours& colours);

// One month as a page of a wall calendar.
struct MonthPage {
    int Year{}, Month{};
    std::vector<CalendarDay> Days; // the month's, from the 1st
    QString Place;                 // "Delhi, 28°36′N 77°13′E, UTC+05:30"
    QString Sky;     // what it was reckoned with (SkyDescription), in the foot; may be empty
    QDate Today;     // marked where it falls in the month
    bool Southern{}; // the place lies south of the equator (the Moon mirrored)
    MonthNames Names{MonthNames::Amanta}; // the lunar months named: amanta, or both reckonings
    std::optional<CalendarDay> Previous;  // the day before the 1st, where known
    std::vector<FestivalDay> Festivals; // the month's festivals, named in their days' cells
};

// WeeksOfMonth: the rows a month needs with the week starting on Sunday, 4 ... 6.
int WeeksOfMonth(int year, int month);

// MonthTitleText: "June 2024"; LunarMonthsText: "Vaishakha – Jyeshtha · Vikram 2081 · Shaka
// 1946", the amanta months the days fall in and the era years of the first; with both
// reckonings, "amanta Vaishakha – Jyeshtha · purnimanta Jyeshtha – Ashadha · Vikram ...".
QString MonthTitleText(int year, int month);
QString LunarMonthsText(const std::vector<CalendarDay>& days,
                        MonthNames names = MonthNames::Amanta);

// PaintMonthPage: the title, the lunar months and the place, the grid of days under the names of
// the weekdays, and a legend with the rule of observance at the foot.
void PaintMonthPage(QPainter& painter, const QRectF& page, const MonthPage& month);
