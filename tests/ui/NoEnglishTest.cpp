// SPDX-License-Identifier: MIT
// No window keeps an English text in any language the windows speak.
#include "places/PlaceDirectory.h"
#include "platform/AppInfo.h"
#include "support/ScriptLanguages.h"
#include "support/ShownTexts.h"
#include "ui/CalendarPlace.h"
#include "ui/InputPanel.h"
#include "ui/PlaceCompleter.h"
#include "ui/frmAbout.h"
#include "ui/frmDay.h"
#include "ui/frmExport.h"
#include "ui/frmFind.h"
#include "ui/frmMonth.h"
#include "ui/frmTimeZone.h"

#include <QMessageBox>

namespace {

// No window keeps an English text in any language, once the language has changed under the open
// ones: the main window with its menus and both panels, the month view, and each window opened
// from them, Qt's message box and a box's menu of editing commands.
TEST_F(LanguageTest, NoWindowKeepsAnEnglishTextInAnyLanguage) {
    // New York in July from the directory: its named zone in daylight saving, on the form and
    // in the results.
    fillDelhi();
    const std::vector<DirectoryPlace> places =
        PlaceDirectory::BuiltIn().Complete({QStringLiteral("New York"), {}, {}}, 1);
    ASSERT_FALSE(places.empty());
    Q_EMIT find<InputPanel>("fraMain")->placeCompleter->placeChosen(places.front());
    set({{"cboMonth", "July"}});
    click("cmdCalculate");
    ASSERT_FALSE(find<QLabel>("lblResultZone")->text().isEmpty());
    click("mnuMonthView");
    auto* month = window.findChild<frmMonth*>();
    ASSERT_NE(month, nullptr);
    month->showDate(QDate(2024, 1, 11));

    BackToEnglish guard;
    for (const ScriptLanguage& language : ScriptLanguages) {
        SCOPED_TRACE(language.code);
        SetLanguage(language.language);
        ExpectNoEnglish(&window);
        ExpectNoEnglish(month);

        const CalendarPlace place =
            std::get<CalendarPlace>(PlaceOfForm(*find<InputPanel>("fraMain"), nullptr));
        frmAbout about(platform);
        ExpectNoEnglish(&about);
        QLineEdit hours, minutes;
        frmTimeZone picker(&hours, &minutes);
        ExpectNoEnglish(&picker);
        frmDay day(place, QDate(2024, 1, 11));
        ExpectNoEnglish(&day);
        frmFind found(place, QDate(2024, 1, 1));
        found.listVrataDays();
        ExpectNoEnglish(&found);
        for (const auto format : {frmExport::Format::Calendar, frmExport::Format::Pdf}) {
            frmExport exporting(platform, place, format, QDate(2024, 1, 1));
            ExpectNoEnglish(&exporting);
        }
        QMessageBox question(QMessageBox::Information, AppTitle(), QStringLiteral("?"),
                             QMessageBox::Yes | QMessageBox::No);
        question.setObjectName(QStringLiteral("QMessageBox"));
        ExpectNoEnglish(&question);
        std::unique_ptr<QMenu> editing(box("txtName")->createStandardContextMenu());
        editing->setObjectName(QStringLiteral("editing menu"));
        ExpectNoEnglish(editing.get());
    }
    month->close();
}

} // namespace
