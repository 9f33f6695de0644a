// SPDX-License-Identifier: MIT
// The keys of each window, in every language: no two controls that a user can reach at the
// same time answer to the same Alt key, or the key would only move between them instead of
// pressing the button or choosing the entry.
#include "support/MainWindowTest.h"
#include "ui/CalendarPlace.h"
#include "ui/InputPanel.h"
#include "ui/Language.h"
#include "ui/frmAbout.h"
#include "ui/frmDay.h"
#include "ui/frmExport.h"
#include "ui/frmFind.h"
#include "ui/frmMonth.h"
#include "ui/frmTimeZone.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QKeySequence>
#include <QLabel>
#include <QMenuBar>
#include <QRadioButton>

#include <map>

namespace {

// The controls of a window that answer to an Alt key now, by the key: buttons, labels of a
// control and the menu bar's menus, where they are shown and can be used.
std::map<QString, QStringList> MnemonicsOf(QWidget* window) {
    std::map<QString, QStringList> keys;
    auto add = [&keys](const QWidget* owner, const QString& text) {
        const QKeySequence key = QKeySequence::mnemonic(text);
        if (!key.isEmpty())
            keys[key.toString()] << owner->objectName() + QStringLiteral(" \"") + text +
                                        QLatin1Char('"');
    };
    QList<QWidget*> widgets = window->findChildren<QWidget*>();
    for (QWidget* w : widgets) {
        if (w->window() != window || !w->isVisibleTo(window) || !w->isEnabledTo(window))
            continue;
        if (const auto* button = qobject_cast<QAbstractButton*>(w))
            add(w, button->text());
        else if (const auto* label = qobject_cast<QLabel*>(w); label && label->buddy())
            add(w, label->text());
        else if (const auto* group = qobject_cast<QGroupBox*>(w); group && group->isCheckable())
            add(w, group->title());
        else if (const auto* bar = qobject_cast<QMenuBar*>(w)) {
            for (const QAction* menu : bar->actions())
                add(w, menu->text());
        }
    }
    return keys;
}

// The pairs that share a key by the form's own captions: "&File" and "&Find My Tithi".
bool Allowed(const QStringList& owners) {
    return owners.size() == 2 && owners[0].contains(QStringLiteral("cmdCalculate")) !=
                                     owners[1].contains(QStringLiteral("cmdCalculate"));
}

// Returns how many keys the window answers to.
std::size_t ExpectUniqueMnemonics(QWidget* window, const char* state) {
    const std::map<QString, QStringList> keys = MnemonicsOf(window);
    for (const auto& [key, owners] : keys) {
        if (owners.size() > 1 && !Allowed(owners)) {
            ADD_FAILURE() << state << ": " << key.toStdString() << " for "
                          << owners.join(QStringLiteral(", ")).toStdString();
        }
    }
    return keys.size();
}

class MnemonicsTest : public MainWindowTest {};

TEST_F(MnemonicsTest, NoTwoControlsOfAWindowShareAnAltKey) {
    set({{"txtName", "Asha"}, {"cboYear", "2024"}});
    typeDelhi();
    const CalendarPlace place =
        std::get<CalendarPlace>(PlaceOfForm(*find<InputPanel>("fraMain"), nullptr));
    for (const LanguageRow& row : Languages()) {
        SetLanguage(row.language);
        const std::string in = row.englishName;
        // The five menus, and Find My Tithi beside File.
        EXPECT_EQ(ExpectUniqueMnemonics(&window, (in + ", the form").c_str()), 5u);
        click("cmdCalculate");
        ExpectUniqueMnemonics(&window, (in + ", the results").c_str());
        click("cmdBack");

        frmExport calendar(platform, place, frmExport::Format::Calendar, QDate(2024, 1, 1));
        ExpectUniqueMnemonics(&calendar, (in + ", exporting a calendar").c_str());
        frmExport pdf(platform, place, frmExport::Format::Pdf, QDate(2024, 1, 1));
        ExpectUniqueMnemonics(&pdf, (in + ", exporting a PDF").c_str());
        frmFind found(place, QDate(2024, 1, 1));
        ExpectUniqueMnemonics(&found, (in + ", finding a tithi").c_str());
        frmDay day(place, QDate(2024, 1, 11));
        ExpectUniqueMnemonics(&day, (in + ", a day").c_str());
        frmMonth month(platform);
        ExpectUniqueMnemonics(&month, (in + ", the month view").c_str());
        frmAbout about(platform);
        ExpectUniqueMnemonics(&about, (in + ", the about box").c_str());
        QLineEdit hours, minutes;
        frmTimeZone picker(&hours, &minutes);
        ExpectUniqueMnemonics(&picker, (in + ", the zone picker").c_str());
    }
    SetLanguage(Language::English);
}

} // namespace
