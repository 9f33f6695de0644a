// SPDX-License-Identifier: MIT
// The panchanga of a day of the month view, paged day by day, in sections: the Sun and the Moon
// (the risings, the rashis, the Moon drawn in its phase), the panchanga (vara, the limbs with
// their times, what it observes, the month, the years, ritu and ayana), the auspicious and the
// inauspicious periods, and the choghadiyas and horas as tables; on today, the period in
// progress is marked.
#pragma once

#include "engine/day/DayPeriods.h"
#include "engine/day/Panchanga.h"
#include "ui/CalendarPlace.h"

#include <QDate>
#include <QDateTime>
#include <QDialog>

#include <optional>
#include <vector>

class MoonPhaseWidget;
class QGridLayout;
class QGroupBox;
class QLabel;
class QPushButton;
class QTableWidget;

class frmDay : public QDialog {
    Q_OBJECT
public:
    frmDay(const CalendarPlace& place, const QDate& date, QWidget* parent = nullptr);

    void showDate(const QDate& date);
    QDate date() const { return date_; }

    // The instant the periods in progress are marked at (the platform's clock); none marks
    // nothing.
    void setNow(const QDateTime& now);

    // The rows of the panchanga, in order, by their captions' names: "Vara", "Sunrise", ...
    QLabel* value(const QString& caption) const;

private:
    QGroupBox* addSection(const char* title, const char* objectName,
                          std::initializer_list<const char*> captions);
    QTableWidget* addTable(const char* objectName, const char* name,
                           std::initializer_list<const char*> headers);
    void showFacts(const PanchangaDay& day);
    void showPeriods(const DayPeriodsOfDate& periods, const CivilDate& civil);

    CalendarPlace place_;
    QDate date_;
    std::optional<double> nowJd_; // Universal Time
    QLabel* lblDate{};
    MoonPhaseWidget* picMoon{};
    std::vector<std::pair<QString, QLabel*>> values_;
    QTableWidget* tblChoghadiya{};
    QTableWidget* tblHora{};
    QPushButton* cmdPreviousDay{};
    QPushButton* cmdNextDay{};
    QPushButton* cmdClose{};
};
