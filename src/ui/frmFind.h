// SPDX-License-Identifier: MIT
// Finding a tithi's dates: the next or previous occurrences of a tithi (its fortnight and name),
// in any lunar month or in a chosen one (the yearly anniversary), and a year's vrata days; each
// with its day of observance, its span and its month.
#pragma once

#include "ui/CalendarPlace.h"

#include <QDate>
#include <QDialog>

class QCheckBox;
class QComboBox;
class QDateEdit;
class QLabel;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QTreeWidget;
struct TithiOccurrence;

class frmFind : public QDialog {
    Q_OBJECT
public:
    // The search starts from a date, at a place.
    frmFind(const CalendarPlace& place, const QDate& from, QWidget* parent = nullptr);

    void findNext();
    void findPrevious();
    // Lists the vrata days of the year of the From date.
    void listVrataDays();

    // The day of observance chosen to be shown in the month view (after Show in Month View).
    QDate chosenDate() const { return chosen_; }

    QTreeWidget* results() const { return lstResults; }

private:
    void createWidgets();
    void createLayout();
    void fillTithiNames();
    void find(bool forward);
    void showOccurrences(const std::vector<TithiOccurrence>& found, const QString& heading);
    void showChosen();

    CalendarPlace place_;
    QDate chosen_;

    QComboBox* cboPaksha{};
    QComboBox* cboTithi{};
    QCheckBox* chkMasa{};
    QComboBox* cboMasa{};
    QRadioButton* optAmanta{};
    QRadioButton* optPurnimanta{};
    QCheckBox* chkAdhika{};
    QDateEdit* dteFrom{};
    QSpinBox* spnCount{};
    QPushButton* cmdFindNext{};
    QPushButton* cmdFindPrevious{};
    QPushButton* cmdVrata{};
    QLabel* lblHeading{};
    QTreeWidget* lstResults{};
    QLabel* lblRule{};
    QLabel* lblPlace{};
    QPushButton* cmdShow{};
    QPushButton* cmdClose{};
};
