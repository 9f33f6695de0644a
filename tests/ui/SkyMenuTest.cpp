// SPDX-License-Identifier: MIT
// Tests of the Options menu: the ephemeris and the ayanamsa chosen, remembered for the next
// start, and taken by the calculation.
#include "support/MainWindowTest.h"

#include "engine/report/CalculationRecord.h"
#include "ui/SkyMenu.h"
#include "ui/frmMain.h"

#include <QAction>
#include <QLabel>

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

} // namespace
