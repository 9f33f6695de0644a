// SPDX-License-Identifier: MIT
// The month view's connections and keys: the paging by buttons and keys, the arrows in the grid,
// and the search.
#include "ui/frmMonth.h"

#include "engine/time/CivilClock.h"
#include "ui/CalendarTexts.h"
#include "ui/TraditionChoice.h"

#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QPushButton>
#include <QShortcut>
#include <QSpinBox>
#include <QTableView>

void frmMonth::createConnections() {
    connect(cmdPreviousYear, &QPushButton::clicked, this, &frmMonth::previousYear);
    connect(cmdPreviousMonth, &QPushButton::clicked, this, &frmMonth::previousMonth);
    connect(cmdNextMonth, &QPushButton::clicked, this, &frmMonth::nextMonth);
    connect(cmdNextYear, &QPushButton::clicked, this, &frmMonth::nextYear);
    connect(cmdToday, &QPushButton::clicked, this, &frmMonth::goToToday);
    connect(cboMonth, &QComboBox::currentIndexChanged, this, &frmMonth::monthOrYearChosen);
    connect(spnYear, &QSpinBox::valueChanged, this, &frmMonth::monthOrYearChosen);
    connect(grdMonth, &QTableView::activated, this, &frmMonth::openDay);
    connect(cmdDay, &QPushButton::clicked, this, &frmMonth::openDay);
    connect(cmdFind, &QPushButton::clicked, this, &frmMonth::findTithi);
    connect(chkPurnimanta, &QCheckBox::toggled, this, &frmMonth::monthNamesChosen);
    connect(cmdExportCalendar, &QPushButton::clicked, this,
            [this] { Q_EMIT exportCalendarRequested(chosenDate()); });
    connect(cmdExportPdf, &QPushButton::clicked, this,
            [this] { Q_EMIT exportPdfRequested(chosenDate()); });
    connect(cmdClose, &QPushButton::clicked, this, &QDialog::close);
    connect(chkVaishnava, &QCheckBox::toggled, this, [this](bool vaishnava) {
        RememberTradition(platform_, vaishnava ? Tradition::Vaishnava : Tradition::Smarta);
        reckonAgain_ = true;
        const QDate chosen = chosenDate();
        showDate(chosen);
    });

    // The paging keys work wherever the focus is, unless the control there uses them itself.
    const struct {
        QKeySequence Keys;
        void (frmMonth::*Act)();
    } keys[] = {
        {QKeySequence(Qt::Key_PageUp), &frmMonth::previousMonth},
        {QKeySequence(Qt::Key_PageDown), &frmMonth::nextMonth},
        {QKeySequence(Qt::CTRL | Qt::Key_PageUp), &frmMonth::previousYear},
        {QKeySequence(Qt::CTRL | Qt::Key_PageDown), &frmMonth::nextYear},
        {QKeySequence(Qt::Key_Home), &frmMonth::goToToday},
        // The search, as from the main window's Calendar menu, which is out of reach here.
        {QKeySequence(Qt::CTRL | Qt::Key_F), &frmMonth::findTithi},
    };
    for (const auto& key : keys) {
        auto* shortcut = new QShortcut(key.Keys, this);
        shortcut->setContext(Qt::WidgetWithChildrenShortcut);
        connect(shortcut, &QShortcut::activated, this, key.Act);
    }
}

void frmMonth::previousMonth() {
    showDate(chosenDate().addMonths(-1));
}
void frmMonth::nextMonth() {
    showDate(chosenDate().addMonths(1));
}
void frmMonth::previousYear() {
    showDate(chosenDate().addYears(-1));
}
void frmMonth::nextYear() {
    showDate(chosenDate().addYears(1));
}
void frmMonth::goToToday() {
    reckonAgain_ = true; // today may have moved on since the month was shown
    showDate(today());
    grdMonth->setFocus();
}

void frmMonth::findTithi() {
    Q_EMIT findRequested(chosenDate());
}

bool frmMonth::eventFilter(QObject* watched, QEvent* event) {
    if (watched == grdMonth && event->type() == QEvent::KeyPress) {
        // The arrows move a day or a week, across the month's edges too.
        const auto* key = static_cast<QKeyEvent*>(event);
        int days = 0;
        switch (key->key()) {
        case Qt::Key_Left:
            days = -1;
            break;
        case Qt::Key_Right:
            days = 1;
            break;
        case Qt::Key_Up:
            days = -7;
            break;
        case Qt::Key_Down:
            days = 7;
            break;
        default:
            break;
        }
        if (days != 0 && key->modifiers() == Qt::NoModifier) {
            const QDate chosen = chosenDate();
            if (chosen.isValid() && place_.Clock) {
                // A date the place's clock skipped (Apia's 30 December 2011) has no day to stand
                // on: the arrows pass over it.
                QDate next = chosen.addDays(days);
                if (ClockSkipsDate(*place_.Clock, CivilDateOf(next)))
                    next = next.addDays(days > 0 ? 1 : -1);
                showDate(next);
            }
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}
