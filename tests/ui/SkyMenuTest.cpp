// SPDX-License-Identifier: MIT
// Tests of the Options menu: the ephemeris and the ayanamsa chosen, remembered for the next
// start, and taken by the calculation; in every language its keys and its help.
#include "support/MainWindowTest.h"
#include "support/ShownTexts.h"

#include "engine/report/CalculationRecord.h"
#include "ui/Language.h"
#include "ui/Languages.h"
#include "ui/SkyMenu.h"
#include "ui/frmMain.h"
#include "ui/modHelp.h"

#include <QAction>
#include <QCoreApplication>
#include <QFile>
#include <QKeySequence>
#include <QLabel>
#include <QMenu>
#include <QRegularExpression>

#include <set>

#include <gtest/gtest.h>

namespace {

const QString Stored = QStringLiteral("ui_tests/Preferences/");

class SkyMenuTest : public MainWindowTest {
protected:
    bool checked(frmMain& in, const char* name) {
        auto* action = in.findChild<QAction*>(QLatin1String(name));
        EXPECT_NE(action, nullptr) << name;
        return action && action->isChecked();
    }
    QString text(const char* name) { return find<QLabel>(name)->text(); }
};

TEST_F(SkyMenuTest, TheChoiceIsRememberedForTheNextStart) {
    // Nothing stored: the modern ephemeris and Lahiri, and nothing is written until a choice.
    EXPECT_TRUE(checked(window, "mnuEphemerisModern"));
    EXPECT_TRUE(checked(window, "mnuAyanamsaLahiri"));
    EXPECT_FALSE(platform.settings.contains(Stored + "Ayanamsa"));

    click("mnuEphemerisClassical");
    click("mnuAyanamsaTrueChitra");
    EXPECT_EQ(platform.settings.value(Stored + "Ephemeris"), QStringLiteral("classical"));
    EXPECT_EQ(platform.settings.value(Stored + "Ayanamsa"), QStringLiteral("true-chitra"));
    EXPECT_TRUE(checked(window, "mnuEphemerisClassical"));
    EXPECT_FALSE(checked(window, "mnuEphemerisModern"));

    // The next window on the same settings opens with them.
    CalculationRecord another;
    frmMain next(another, platform);
    EXPECT_TRUE(checked(next, "mnuEphemerisClassical"));
    EXPECT_TRUE(checked(next, "mnuAyanamsaTrueChitra"));
    EXPECT_FALSE(checked(next, "mnuAyanamsaLahiri"));
}

TEST_F(SkyMenuTest, AStoredNameItDoesNotKnowOpensOnTheDefaults) {
    platform.settings[Stored + "Ephemeris"] = QStringLiteral("de441");
    platform.settings[Stored + "Ayanamsa"] = QStringLiteral("Raman"); // the names are lower case
    CalculationRecord another;
    frmMain next(another, platform);
    EXPECT_TRUE(checked(next, "mnuEphemerisModern"));
    EXPECT_TRUE(checked(next, "mnuAyanamsaLahiri"));
}

// Raman's zodiac begins 1 deg 26' 47" after Lahiri's, so the Moon, 0.6 degree an hour, reaches a
// nakshatra's end on it about 2 hours 25 minutes earlier. At Delhi on 2024 January 11, 16:30,
// Purva Ashadha runs until about 17:39 on Lahiri's zodiac: on Raman's it ended about 15:15.
TEST_F(SkyMenuTest, TheCalculationTakesTheChosenAyanamsa) {
    typeDelhiDay("16", "30");
    click("cmdCalculate");
    ASSERT_TRUE(inFront("fraResult"));
    EXPECT_TRUE(text("lblNakshatra").startsWith(QStringLiteral("Purva Ashadha")))
        << text("lblNakshatra").toStdString();
    // The results on show follow the choice at once.
    click("mnuAyanamsaRaman");
    EXPECT_TRUE(inFront("fraResult"));
    EXPECT_TRUE(text("lblNakshatra").startsWith(QStringLiteral("Uttara Ashadha")))
        << text("lblNakshatra").toStdString();
    // On the form, a choice computes nothing until Calculate.
    click("cmdBack");
    click("mnuAyanamsaLahiri");
    EXPECT_TRUE(inFront("fraMain"));
    click("cmdCalculate");
    EXPECT_TRUE(text("lblNakshatra").startsWith(QStringLiteral("Purva Ashadha")))
        << text("lblNakshatra").toStdString();
}

// A menu's text as the help names it in bold: without its key for Alt, whether the key is marked
// inside the text ("&Options") or after it ("विकल्प (&O)").
QString AsTheHelpNamesIt(QString text) {
    static const QRegularExpression keyAfter(QStringLiteral("\\s*\\(&\\w\\)$"));
    return text.remove(keyAfter).remove(QLatin1Char('&'));
}

// The section of a help page with the given id, up to the next heading, its lines joined.
QString HelpSection(Language language, const QString& id) {
    QFile page(InstalledHelpPage(QCoreApplication::applicationDirPath(), language));
    if (!page.open(QIODevice::ReadOnly))
        return {};
    const QString html = QString::fromUtf8(page.readAll());
    const qsizetype begin = html.indexOf(QStringLiteral("id=\"") + id + QLatin1Char('"'));
    if (begin < 0)
        return {};
    static const QRegularExpression nextHeading(QStringLiteral("<h[23][ >]"));
    const qsizetype end = html.indexOf(nextHeading, begin);
    static const QRegularExpression blanks(QStringLiteral("\\s+"));
    return html.mid(begin, end < 0 ? -1 : end - begin).replace(blanks, QStringLiteral(" "));
}

// In every language the entries of each submenu answer to different Alt keys, and the help's
// section on the Options menu names the menu, both submenus and every entry as the windows show
// them, so that a reader finds in the menu what the help tells of.
TEST_F(SkyMenuTest, EachLanguagesHelpNamesTheEntriesAsTheMenuShowsThem) {
    BackToEnglish guard;
    for (const LanguageRow& row : Languages()) {
        SCOPED_TRACE(row.englishName);
        SetLanguage(row.language);
        const QString section = HelpSection(row.language, QStringLiteral("options"));
        ASSERT_FALSE(section.isEmpty()) << "no section \"options\" in the help";
        auto expectNamed = [&section](const QString& shown) {
            const QString bold =
                QStringLiteral("<b>") + AsTheHelpNamesIt(shown) + QStringLiteral("</b>");
            EXPECT_TRUE(section.contains(bold)) << bold.toStdString();
        };
        auto* options = find<QMenu>("mnuOptions");
        expectNamed(options->title());
        for (const char* name : {"mnuEphemeris", "mnuAyanamsa"}) {
            auto* submenu = find<QMenu>(name);
            expectNamed(submenu->title());
            std::set<QString> keys;
            for (const QAction* entry : submenu->actions()) {
                expectNamed(entry->text());
                const QString key = QKeySequence::mnemonic(entry->text()).toString();
                EXPECT_FALSE(key.isEmpty()) << entry->text().toStdString();
                EXPECT_TRUE(keys.insert(key).second)
                    << name << ": " << key.toStdString() << " twice";
            }
        }
    }
}

} // namespace
