// SPDX-License-Identifier: MIT
// The calendar windows' tests' fixture: the main window with Delhi typed on the form, the month
// view opened from the menu, and what a screen reader hears of a day's cell.
#pragma once

#include "support/MainWindowTest.h"
#include "ui/frmMonth.h"

#include <QAccessible>
#include <QTableView>

class CalendarWindowsTest : public MainWindowTest {
protected:
    // Opens the month view from the menu and waits until it is the active window, as the keys
    // need.
    frmMonth* openMonthView() {
        click("mnuMonthView");
        auto* month = window.findChild<frmMonth*>();
        if (!month)
            return nullptr;
        month->activateWindow();
        EXPECT_TRUE(QTest::qWaitFor([month] { return QApplication::activeWindow() == month; },
                                    ShowTimeout));
        return month;
    }

    QTableView* grid(frmMonth* month) {
        return month->findChild<QTableView*>(QStringLiteral("grdMonth"));
    }

    // What the accessibility interface gives a screen reader for a date's cell.
    QString cellDescription(frmMonth* month, const QDate& date) {
        QTableView* view = grid(month);
        const int slot = QDate(date.year(), date.month(), 1).dayOfWeek() % 7 + date.day() - 1;
        QAccessibleInterface* table = QAccessible::queryAccessibleInterface(view);
        if (!table || !table->tableInterface())
            return {};
        QAccessibleInterface* cell = table->tableInterface()->cellAt(slot / 7, slot % 7);
        return cell ? cell->text(QAccessible::Description) : QString();
    }
};
