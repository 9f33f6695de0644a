// SPDX-License-Identifier: MIT
// The month view: a month's days at the form's place and zone, each with the tithi at its
// sunrise, the tithis that end within it, its kshaya and vriddhi tithis, the vratas and the lunar
// month where it changes; paged by buttons and keys, a day opened for its panchanga.
#pragma once

#include "ui/CalendarPlace.h"
#include "ui/TranslatedTexts.h"

#include <QDate>
#include <QDialog>

class MonthModel;
class Platform;
class QComboBox;
class QLabel;
class QPushButton;
class QSpinBox;
class QTableView;

class frmMonth : public QDialog {
    Q_OBJECT
public:
    // The years the month view pages through, as the form's.
    static constexpr int FirstYear = 1901;
    static constexpr int LastYear = 2050;

    explicit frmMonth(Platform& platform, QWidget* parent = nullptr);

    // The place and clock of the days; the month shown is reckoned again.
    void setPlace(const CalendarPlace& place);
    const CalendarPlace& place() const { return place_; }

    // Shows the month of a date with that date chosen (a date beyond the years is brought
    // within them).
    void showDate(const QDate& date);
    QDate chosenDate() const;

    // Today at the place: the platform's clock read on the place's clock.
    QDate today() const;

    void previousMonth();
    void nextMonth();
    void previousYear();
    void nextYear();
    void goToToday();
    // Opens the chosen day's panchanga.
    void openDay();

Q_SIGNALS:
    void findRequested(const QDate& from);
    void exportCalendarRequested(const QDate& month);
    void exportPdfRequested(const QDate& month);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void createWidgets();
    void createLayout();
    void createConnections();
    void name(QWidget* widget, const char* accessibleName, const char* text = nullptr,
              const char* toolTip = nullptr);
    void showPlace();
    void showMonth(int year, int month, int day);
    void monthOrYearChosen();

    Platform& platform_;
    CalendarPlace place_;
    MonthModel* model_{};
    bool showing_ = false;    // the controls are being set to the month shown
    bool reckonAgain_ = true; // the place or today changed: the month shown is out of date
    TranslatedTexts texts_;

    QPushButton* cmdPreviousYear{};
    QPushButton* cmdPreviousMonth{};
    QComboBox* cboMonth{};
    QSpinBox* spnYear{};
    QPushButton* cmdNextMonth{};
    QPushButton* cmdNextYear{};
    QPushButton* cmdToday{};
    QLabel* lblMonth{};
    QLabel* lblLunarMonths{};
    QLabel* lblPlace{};
    QTableView* grdMonth{};
    QLabel* lblLegend{};
    QLabel* lblRule{};
    QPushButton* cmdDay{};
    QPushButton* cmdFind{};
    QPushButton* cmdExportCalendar{};
    QPushButton* cmdExportPdf{};
    QPushButton* cmdClose{};
};
