// SPDX-License-Identifier: MIT
// The month view's grid: a table model of a month's days in weeks (Sunday first), each cell a
// day with the text a screen reader reads, and the delegate that paints its cell.
#pragma once

#include "engine/calendar/Calendar.h"

#include <QAbstractTableModel>
#include <QDate>
#include <QStyledItemDelegate>

#include <vector>

class MonthModel : public QAbstractTableModel {
    Q_OBJECT
public:
    static constexpr int Weeks = 6; // every month fits; the grid keeps its size from month to month

    explicit MonthModel(QObject* parent = nullptr);

    // Shows a month's days; today is marked where it falls.
    void setMonth(int year, int month, std::vector<CalendarDay> days, const QDate& today);
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

    int year_ = 2000, month_ = 1;
    int firstColumn_ = 0; // the weekday of the 1st, 0 Sunday
    std::vector<CalendarDay> days_;
    QDate today_;
    bool southern_{};
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
