// SPDX-License-Identifier: MIT
// The Calendar menu's entries and the opening of the calendar windows.
#include "ui/CalendarMenu.h"

#include "platform/Platform.h"
#include "ui/frmExport.h"
#include "ui/frmFind.h"
#include "ui/frmMonth.h"

#include <QAction>
#include <QEvent>
#include <QMenu>
#include <QWidget>

CalendarMenu::CalendarMenu(Platform& platform, QWidget* window, PlaceSource source,
                           std::function<void()> showForm)
    : QObject(window), platform_(platform), window_(window), source_(std::move(source)),
      showForm_(std::move(showForm)) {}

frmMonth* CalendarMenu::monthView() const {
    return month_;
}

void CalendarMenu::populate(QMenu* menu) {
    auto entry = [this, menu](const char* text, const char* name, void (CalendarMenu::*open)(),
                              const QKeySequence& keys = {}) {
        QAction* action = menu->addAction(QString());
        action->setObjectName(QLatin1String(name));
        action->setShortcut(keys);
        connect(action, &QAction::triggered, this, open);
        texts_.add([action, text] { action->setText(tr(text)); });
        return action;
    };
    entry(QT_TR_NOOP("&Month View"), "mnuMonthView", &CalendarMenu::openMonthView,
          QKeySequence(Qt::CTRL | Qt::Key_M));
    entry(QT_TR_NOOP("&Find a Tithi..."), "mnuFindTithi", &CalendarMenu::openFind,
          QKeySequence(Qt::CTRL | Qt::Key_F));
    entry(QT_TR_NOOP("&Vrata Days..."), "mnuVrataDays", &CalendarMenu::openVrataDays);
    menu->addSeparator();
    entry(QT_TR_NOOP("Export i&Calendar File..."), "mnuExportCalendar",
          &CalendarMenu::openExportCalendar);
    entry(QT_TR_NOOP("Export &PDF..."), "mnuExportPdf", &CalendarMenu::openExportPdf);
}

// The entries are named again in the new language; the month view, a window of its own, sees
// the change itself.
bool CalendarMenu::event(QEvent* event) {
    texts_.handle(event);
    return QObject::event(event);
}

std::optional<CalendarPlace> CalendarMenu::placeOfForm() {
    PlaceOrProblem read = source_();
    if (auto* problem = std::get_if<PlaceProblem>(&read)) {
        if (showForm_)
            showForm_();
        platform_.showMessage(window_, problem->Message, Platform::MessageIcon::Information);
        if (problem->Focus)
            problem->Focus->setFocus();
        return std::nullopt;
    }
    return std::get<CalendarPlace>(std::move(read));
}

QDate CalendarMenu::startDate(const CalendarPlace& place) const {
    if (month_ && month_->isVisible() && month_->chosenDate().isValid())
        return month_->chosenDate();
    return TodayAt(platform_.currentDateTime(), *place.Clock);
}

void CalendarMenu::openMonthView() {
    const std::optional<CalendarPlace> place = placeOfForm();
    if (!place)
        return;
    showInMonthView(*place, {});
}

void CalendarMenu::showInMonthView(const CalendarPlace& place, const QDate& date) {
    if (!month_) {
        month_ = new frmMonth(platform_, window_);
        connect(month_, &frmMonth::findRequested, this,
                [this](const QDate& from) { find(month_->place(), from, false); });
        connect(month_, &frmMonth::exportCalendarRequested, this,
                [this](const QDate& around) { exportFile(month_->place(), false, around); });
        connect(month_, &frmMonth::exportPdfRequested, this,
                [this](const QDate& around) { exportFile(month_->place(), true, around); });
    }
    month_->setPlace(place);
    month_->showDate(date.isValid() ? date : month_->today());
    month_->show();
    month_->raise();
    month_->activateWindow();
}

void CalendarMenu::openFind() {
    if (const std::optional<CalendarPlace> place = placeOfForm())
        find(*place, startDate(*place), false);
}

void CalendarMenu::openVrataDays() {
    if (const std::optional<CalendarPlace> place = placeOfForm())
        find(*place, startDate(*place), true);
}

void CalendarMenu::find(const CalendarPlace& place, const QDate& from, bool vrata) {
    QWidget* parent = month_ && month_->isVisible() ? static_cast<QWidget*>(month_) : window_;
    frmFind dialog(place, from, parent);
    if (vrata)
        dialog.listVrataDays();
    if (dialog.exec() == QDialog::Accepted && dialog.chosenDate().isValid())
        showInMonthView(place, dialog.chosenDate());
}

void CalendarMenu::openExportCalendar() {
    if (const std::optional<CalendarPlace> place = placeOfForm())
        exportFile(*place, false, startDate(*place));
}

void CalendarMenu::openExportPdf() {
    if (const std::optional<CalendarPlace> place = placeOfForm())
        exportFile(*place, true, startDate(*place));
}

void CalendarMenu::exportFile(const CalendarPlace& place, bool pdf, const QDate& around) {
    QWidget* parent = month_ && month_->isVisible() ? static_cast<QWidget*>(month_) : window_;
    frmExport dialog(platform_, place, pdf ? frmExport::Format::Pdf : frmExport::Format::Calendar,
                     around, parent);
    dialog.exec();
}
