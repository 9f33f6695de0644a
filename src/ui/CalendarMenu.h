// SPDX-License-Identifier: MIT
// The Calendar menu of the main window and the windows it opens: the month view, the search for
// a tithi, the vrata days and the exports, all at the form's place and zone.
#pragma once

#include "ui/CalendarPlace.h"
#include "ui/TranslatedTexts.h"

#include <QDate>
#include <QObject>
#include <QPointer>

#include <functional>
#include <optional>

class Platform;
class QAction;
class QMenu;
class QWidget;
class frmMonth;

class CalendarMenu : public QObject {
    Q_OBJECT
public:
    // window: the main window, which owns the month view; source: the form's place and zone;
    // showForm: brings the form to the front, where a missing value is to be typed.
    CalendarMenu(Platform& platform, QWidget* window, PlaceSource source,
                 std::function<void()> showForm);

    // Adds the entries to the menu.
    void populate(QMenu* menu);

    void openMonthView();
    void openFind();
    void openVrataDays();
    void openExportCalendar();
    void openExportPdf();

    // The month view, once opened.
    frmMonth* monthView() const;

protected:
    bool event(QEvent* event) override;

private:
    // The form's place, or the message that says what it lacks, with the focus on that box.
    std::optional<CalendarPlace> placeOfForm();
    // Where the windows start: the date chosen in the month view, or today at the place.
    QDate startDate(const CalendarPlace& place) const;
    void find(const CalendarPlace& place, const QDate& from, bool vrata);
    void exportFile(const CalendarPlace& place, bool pdf, const QDate& around);
    void showInMonthView(const CalendarPlace& place, const QDate& date);

    Platform& platform_;
    QWidget* window_;
    PlaceSource source_;
    std::function<void()> showForm_;
    QPointer<frmMonth> month_;
    TranslatedTexts texts_;
};
