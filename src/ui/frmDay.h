// SPDX-License-Identifier: MIT
// The panchanga of a day of the month view: its vara, the risings and settings, each limb's spans
// with their times, what it observes, its lunar month in both reckonings and the era years; paged
// day by day.
#pragma once

#include "ui/CalendarPlace.h"

#include <QDate>
#include <QDialog>

#include <vector>

class QLabel;
class QPushButton;

class frmDay : public QDialog {
    Q_OBJECT
public:
    frmDay(const CalendarPlace& place, const QDate& date, QWidget* parent = nullptr);

    void showDate(const QDate& date);
    QDate date() const { return date_; }

    // The rows of the panchanga, in order, by their captions' names: "Vara", "Sunrise", ...
    QLabel* value(const QString& caption) const;

private:
    CalendarPlace place_;
    QDate date_;
    QLabel* lblDate{};
    std::vector<std::pair<QString, QLabel*>> values_;
    QPushButton* cmdPreviousDay{};
    QPushButton* cmdNextDay{};
    QPushButton* cmdClose{};
};
