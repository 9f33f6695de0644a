// SPDX-License-Identifier: MIT
// The month view's grid: a table model of a month's days in weeks (Sunday first), each cell a
// day with the text a screen reader reads, and the delegate that paints its cell.
#pragma once

#include "engine/calendar/Calendar.h"
#include "engine/calendar/Festivals.h"
#include "ui/CalendarTexts.h"

#include <QAbstractTableModel>
#include <QDate>
#include <QStyledItemDelegate>

#include <optional>
#include <vector>

class MonthModel : public QAbstractTableModel {
    Q_OBJECT
public:
    static constexpr int Weeks = 6; // every month fits; the grid keeps its size from month to month

    explicit MonthModel(QObject* parent = nullptr);

    // Shows a month's days; today is marked where it falls. previous: the day before the 1st,
    // where known, for a purnimanta month that begins on the 1st.
    void setMonth(int year, int month, std::vector<CalendarDay> days, const QDate& today,
                  std::optional<CalendarDay> previous = std::nullopt);
    // The months the cells name where they begin: the amanta ones, or both reckonings'.
    void setMonthNames(MonthNames names);
    MonthNames monthNames() const { return names_; }
    // The day before a day of the month (the 1st's where known), or none.
    const CalendarDay* dayBefore(const QModelIndex& index) const;
    // The festivals of the month's days (their rules outlive the model).
    void setFestivals(std::vector<FestivalDay> festivals);
    std::vector<const FestivalDay*> festivalsOn(const CalendarDay& day) const;
    // The texts of the days and the weekdays' names change with the language.
    void languageChanged();
    // Whether the place lies south of the equator, where the Moon's lit side is drawn mirrored.
    void setSouthern(bool southern) { southern_ = southern; }
    bool southern() const { return southern_; }

    int year() const { return year_; }
    int month() const { return month_; }
    const std::vector<CalendarDay>& days() const { return days_; }

    // The cell of a date of the month (invalid for another), and the day of a cell (none for a
    // cell outside the month).
    QModelIndex indexOfDate(const QDate& date) const;
    const CalendarDay* dayAt(const QModelIndex& index) const;
    QDate dateAt(const QModelIndex& index) const;
    bool isToday(const QModelIndex& index) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

private:
    int dayIndex(const QModelIndex& index) const; // into days_, or -1
    QStringList cellNotes(const QModelIndex& index) const;

    int year_ = 2000, month_ = 1;
    int firstColumn_ = 0; // the weekday of the 1st, 0 Sunday
    std::vector<CalendarDay> days_;
    std::optional<CalendarDay> previous_;
    std::vector<FestivalDay> festivals_;
    QDate today_;
    bool southern_{};
    MonthNames names_ = MonthNames::Amanta;
};

// Paints a day's cell as the printed month does, with the selection and the keyboard's focus.
class MonthDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
};
