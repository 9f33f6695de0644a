// SPDX-License-Identifier: MIT
// The panels of the main window: the accessible names that a screen reader reads for each control,
// and the results panel growing by a captioned row.
#include "engine/report/CalculationRecord.h"
#include "support/FakePlatform.h"
#include "ui/ResultPanel.h"
#include "ui/frmMain.h"

#include <QAccessible>
#include <QLabel>
#include <QPushButton>
#include <gtest/gtest.h>

namespace {

// Each control carries the name of the label beside it, or of its own caption.
TEST(Panels, EveryControlCarriesTheAccessibleNameOfItsLabel) {
    const char* const names[][2] = {
        {"txtName", "Name"},
        {"cboMonth", "Month of Query"},
        {"cboDate", "Day of Query"},
        {"cboYear", "Year of Query"},
        {"cboHH", "Hour of Query"},
        {"cboMM", "Minute of Query"},
        {"cboSS", "Second of Query"},
        {"txtLonD", "Degree of Longitude"},
        {"txtLonM", "Minute of Longitude"},
        {"optLong(0)", "East"},
        {"optLong(1)", "West"},
        {"txtLatD", "Degree of Latitude"},
        {"txtLatM", "Minute of Latitude"},
        {"optLat(0)", "North"},
        {"optLat(1)", "South"},
        {"txtMCity", "City"},
        {"txtMState", "State"},
        {"txtMCountry", "Country"},
        {"cmdBrowser", "Click Here To Find Latitude & Longitude"},
        {"cmdCalculate", "Find My Tithi"},
        {"txtZoneHour", "Hour of Time Zone"},
        {"txtZoneMinute", "Minute of Time Zone"},
        {"chkDST", "Daylight Saving Time"},
        {"lblTZHelp", "TZ Help"},
        {"Label10", "Visit Us Online"},
        {"cmdBack", "Back"},
        {"lblResult(0)", "Tithi Number"},
        {"lblResult(1)", "Tithi Name"},
        {"lblResult(2)", "Tithi Phase"},
        {"lblResult(3)", "Tithi Lord"},
        {"lblResult(4)", "Tithi Group"},
        {"lblResult(5)", "Tithi Features"},
        {"lblResult(6)", "Tithi Nature"},
        {"lblResult(7)", "Tithi Type"},
        {"lblResult(8)", "Tithi Description"},
        {"lblTithiTimes", "Tithi Began and Ends"},
        {"lblSunrise", "Tithi at Sunrise"},
        {"lblKarana", "Karana"},
    };
    FakePlatform platform;
    CalculationRecord record;
    frmMain window(record, platform);
    for (const auto& [name, accessibleName] : names) {
        const QWidget* control = window.findChild<QWidget*>(QLatin1String(name));
        ASSERT_NE(control, nullptr) << name;
        EXPECT_EQ(control->accessibleName(), QLatin1String(accessibleName)) << name;
    }
}

// A row added to the results panel stands below the last line and above Back, its value in the
// column of the report's values, named for a screen reader by its caption.
TEST(Panels, ARowAddedToTheResultsStandsBelowTheLastWithItsCaptionAsItsName) {
    ResultPanel panel;
    const ResultPanel::Row vara = panel.addRow(
        QStringLiteral("Vara"), QStringLiteral("lblVaraCaption"), QStringLiteral("lblVara"));
    vara.value->setText(QStringLiteral("Guruvara"));
    panel.showTithiDay(QStringLiteral("Began"), QStringLiteral("At sunrise"),
                       QStringLiteral("Karana"));
    panel.resize(480, 520);
    panel.show();

    EXPECT_EQ(panel.findChild<QLabel*>(QStringLiteral("lblVara")), vara.value);
    EXPECT_EQ(panel.findChild<QLabel*>(QStringLiteral("lblVaraCaption")), vara.caption);
    EXPECT_EQ(vara.value->accessibleName(), QStringLiteral("Vara"));
    EXPECT_EQ(vara.caption->text(), QStringLiteral("Vara"));
    EXPECT_GE(vara.value->geometry().top(), panel.lblKarana->geometry().bottom());
    EXPECT_EQ(vara.caption->geometry().top(), vara.value->geometry().top());
    EXPECT_EQ(vara.value->geometry().left(), panel.lblResult[0]->geometry().left());
    EXPECT_EQ(vara.caption->geometry().left(), panel.lblLabel[0]->geometry().left());
    EXPECT_LE(vara.value->geometry().bottom(), panel.cmdBack->geometry().top());
}

// What assistive technology reads of each value: its caption as the name, the value as its text
// and as its value. (Read over the desktop's accessibility bus, with the changes announced as a
// new value replaces the old: results_over_atspi.py.)
TEST(Panels, AScreenReaderReadsEachValueByItsCaption) {
    ResultPanel panel;
    const ResultPanel::Row vara = panel.addRow(
        QStringLiteral("Vara"), QStringLiteral("lblVaraCaption"), QStringLiteral("lblVara"));
    const std::pair<ValueLabel*, const char*> values[] = {
        {panel.lblResult[0], "Tithi Number"},
        {panel.lblResult[1], "Tithi Name"},
        {panel.lblResult[7], "Tithi Type"},
        {panel.lblResult[8], "Tithi Description"},
        {panel.lblTithiTimes, "Tithi Began and Ends"},
        {panel.lblSunrise, "Tithi at Sunrise"},
        {panel.lblKarana, "Karana"},
        {vara.value, "Vara"},
    };
    for (const auto& [label, caption] : values) {
        SCOPED_TRACE(caption);
        label->setText(QStringLiteral("15 & more"));
        QAccessibleInterface* read = QAccessible::queryAccessibleInterface(label);
        ASSERT_NE(read, nullptr);
        ASSERT_NE(read->textInterface(), nullptr);
        EXPECT_EQ(read->text(QAccessible::Name), QLatin1String(caption));
        EXPECT_EQ(read->text(QAccessible::Value), QStringLiteral("15 & more"));
        EXPECT_EQ(read->textInterface()->text(0, read->textInterface()->characterCount()),
                  QStringLiteral("15 & more"));
    }
    // A row's caption labels its value (as the panel's title labels everything in it).
    QList<QObject*> labelledBy;
    for (const auto& [label, relation] :
         QAccessible::queryAccessibleInterface(vara.value)->relations(QAccessible::Label))
        labelledBy << label->object();
    EXPECT_TRUE(labelledBy.contains(vara.caption));
}

} // namespace
