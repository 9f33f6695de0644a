// SPDX-License-Identifier: MIT
// The main window's File entries for the date and time of now and for the home place: saved from
// the place's fields, restored at start, cleared on request.
#include "ui/frmMain.h"

#include "ui/frmMain.h"

#include "platform/Platform.h"
#include "ui/HomePlace.h"
#include "ui/InputPanel.h"
#include "ui/Languages.h"
#include "ui/NamedZoneInput.h"
#include "ui/Settings.h"

#include <QDate>
#include <QKeySequence>
#include <QLineEdit>
#include <QLocale>
#include <QMenu>
#include <QStackedLayout>
#include <optional>

// The current date and time, and the home place: entries of the File menu below Calculate.
void frmMain::createHomeMenuEntries(QMenu* mnuFile) {
    mnuFile->addSeparator();
    mnuNow = mnuFile->addAction(QString());
    mnuNow->setObjectName(QStringLiteral("mnuNow"));
    mnuNow->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_N));
    mnuFile->addSeparator();
    mnuSaveHome = mnuFile->addAction(QString());
    mnuSaveHome->setObjectName(QStringLiteral("mnuSaveHome"));
    mnuClearHome = mnuFile->addAction(QString());
    mnuClearHome->setObjectName(QStringLiteral("mnuClearHome"));
    texts_.add([this] {
        mnuNow->setText(tr("Set to &Now"));
        mnuSaveHome->setText(tr("Save as &Home Place"));
        mnuClearHome->setText(tr("C&lear Home Place"));
    });
}

void frmMain::restoreHomePlace() {
    const std::optional<PlaceFields> home = ReadHomePlace(platform_);
    if (home) {
        fraMain->setPlaceFields(*home);
        namedZone->restore(home->exact, home->zoneName);
    }
    mnuClearHome->setEnabled(home.has_value());
}

// Sets the date and time lists to the computer's clock, and shows them.
void frmMain::mnuNow_Click() {
    const QDateTime now = platform_.currentDateTime();
    if (!fraMain->setMoment(now.date(), now.time())) {
        platform_.showMessage(
            this,
            tr("Today, %1, lies outside the years 1901 to 2050 that Kestrava calculates: the date "
               "and time are left as they were.")
                .arg(WithChosenDigits(QLocale().toString(now.date(), QLocale::LongFormat))),
            Platform::MessageIcon::Information);
        return;
    }
    if (!isPanelInFront(fraMain))
        cmdBack_Click();
}

void frmMain::mnuSaveHome_Click() {
    // The boxes as they stand, with the place of the directory that filled them (its precision
    // and its named zone) where they still hold what it wrote.
    PlaceFields place = fraMain->placeFields();
    place.exact = namedZone->exactPlace();
    if (const NamedZoneClock* zone = namedZone->clock())
        place.zoneName = zone->Name();
    if (const auto field = FirstFieldNotKept(place)) {
        platform_.showMessage(this,
                              tr("Please enter the longitude and the latitude in degrees and "
                                 "minutes, and the hour and minute of the time zone, before "
                                 "saving them as the home place."),
                              Platform::MessageIcon::Critical);
        if (QLineEdit* box = fraMain->placeBox(*field))
            box->setFocus();
        return;
    }
    if (!SaveHomePlace(platform_, place)) {
        platform_.showMessage(this,
                              tr("The home place could not be saved: the settings file cannot be "
                                 "written."),
                              Platform::MessageIcon::Critical);
        return;
    }
    mnuClearHome->setEnabled(true);
    platform_.showMessage(this,
                          tr("This place is saved as your home place: Kestrava fills it in each "
                             "time it starts."),
                          Platform::MessageIcon::Information);
}

void frmMain::mnuClearHome_Click() {
    const Platform::MessageAnswer answer = platform_.showMessage(
        this,
        tr("Clear the home place? Kestrava will then start with the place fields empty; the "
           "fields now on the form stay as they are."),
        Platform::MessageIcon::Information, Platform::MessageButtons::YesNo);
    if (answer != Platform::MessageAnswer::Yes)
        return;
    if (!ClearHomePlace(platform_)) {
        platform_.showMessage(this,
                              tr("The home place could not be cleared: the settings file cannot "
                                 "be written."),
                              Platform::MessageIcon::Critical);
        return;
    }
    mnuClearHome->setEnabled(false);
}
