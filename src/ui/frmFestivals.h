// SPDX-License-Identifier: MIT
// The festivals of a year at a place, each on its day by its rule, and a search by a festival's
// name (English or Hindi) that finds its days in the year.
#pragma once

#include "engine/calendar/Festivals.h"
#include "ui/CalendarPlace.h"

#include <QDate>
#include <QDialog>

#include <vector>

class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;
class QTreeWidget;

class frmFestivals : public QDialog {
    Q_OBJECT
public:
    // The year of a date, at a place; whose days where the traditions differ.
    frmFestivals(const CalendarPlace& place, const QDate& around, Tradition tradition,
                 QWidget* parent = nullptr);

    // Lists the year's festivals whose names hold the search's words (all without any).
    void showYear(int year);

    // The day chosen to be shown in the month view (after Show in Month View).
    QDate chosenDate() const { return chosen_; }

    QTreeWidget* results() const { return lstFestivals; }

private:
    void createWidgets();
    void createLayout();
    void showList();
    void showChosen();

    CalendarPlace place_;
    Tradition tradition_;
    QDate chosen_;
    std::vector<FestivalDay> festivals_; // the year's, found once a year

    QSpinBox* spnYear{};
    QLineEdit* txtSearch{};
    QLabel* lblHeading{};
    QTreeWidget* lstFestivals{};
    QLabel* lblPlace{};
    QPushButton* cmdShow{};
    QPushButton* cmdClose{};
};
