// The main window driven as a user drives it: real key presses and clicks on real widgets, with
// a fake platform that records the messages.
#include "app/frmMain.h"
#include "app/CalculationRecord.h"
#include "support/FakePlatform.h"

#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <gtest/gtest.h>

#include <cmath>

namespace {

using Icon = Platform::MessageIcon;

class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        window.show();
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    }

    template <typename W = QWidget> W* find(const char* name) {
        W* widget = window.findChild<W*>(QLatin1String(name));
        EXPECT_NE(widget, nullptr) << "no control named " << name;
        return widget;
    }
    QLineEdit* box(const char* name) { return find<QLineEdit>(name); }
    QComboBox* list(const char* name) { return find<QComboBox>(name); }
    QString focusName() const {
        return QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString();
    }
    bool inFront(const char* panel) { return find(panel)->isVisible(); }

    // A complete, valid set of inputs: 11 January 2024, 17:00, 77 E 0, 28 N 36, zone 5:30.
    void fillValidInputs() {
        box("txtName")->setText(QStringLiteral("Asha"));
        list("cboMonth")->setCurrentIndex(0);
        list("cboDate")->setCurrentIndex(10);
        list("cboYear")->setCurrentText(QStringLiteral("2024"));
        list("cboHH")->setCurrentIndex(17);
        list("cboMM")->setCurrentIndex(0);
        box("txtLonD")->setText(QStringLiteral("77"));
        box("txtLonM")->setText(QStringLiteral("0"));
        box("txtLatD")->setText(QStringLiteral("28"));
        box("txtLatM")->setText(QStringLiteral("36"));
        box("txtZoneHour")->setText(QStringLiteral("5"));
        box("txtZoneMinute")->setText(QStringLiteral("30"));
    }
    void cmdBackIfNeeded() {
        if (inFront("fraResult"))
            QTest::mouseClick(find<QPushButton>("cmdBack"), Qt::LeftButton);
    }
    void clickCalculate() { QTest::mouseClick(find<QPushButton>("cmdCalculate"), Qt::LeftButton); }

    FakePlatform platform;
    CalculationRecord record;
    frmMain window{record, platform};
};

TEST_F(MainWindowTest, OpensOnTheFirstDayOf1901WithTheInputPanelInFront) {
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Kestrava v1.15"));
    EXPECT_TRUE(inFront("fraMain"));
    EXPECT_FALSE(inFront("fraResult"));
    EXPECT_EQ(find<QGroupBox>("fraResult")->title(), QStringLiteral("Kestrava Results"));

    const struct {
        const char* name;
        int count;
        const char* first;
        const char* last;
    } lists[] = {{"cboMonth", 12, "January", "December"},
                 {"cboDate", 31, "1", "31"},
                 {"cboYear", 150, "1901", "2050"},
                 {"cboHH", 24, "0", "23"},
                 {"cboMM", 60, "0", "59"},
                 {"cboSS", 60, "0", "59"}};
    for (const auto& l : lists) {
        QComboBox* combo = list(l.name);
        ASSERT_NE(combo, nullptr);
        EXPECT_FALSE(combo->isEditable()) << l.name;
        EXPECT_EQ(combo->count(), l.count) << l.name;
        EXPECT_EQ(combo->currentIndex(), 0) << l.name;
        EXPECT_EQ(combo->itemText(0), QLatin1String(l.first)) << l.name;
        EXPECT_EQ(combo->itemText(l.count - 1), QLatin1String(l.last)) << l.name;
    }
    EXPECT_EQ(list("cboMM")->itemText(7), QStringLiteral("7")); // no leading zeros
    EXPECT_TRUE(find<QRadioButton>("optLong(0)")->isChecked());
    EXPECT_TRUE(find<QRadioButton>("optLat(0)")->isChecked());
    EXPECT_FALSE(find<QCheckBox>("chkDST")->isChecked());
    for (const char* name : {"txtName", "txtLonD", "txtLonM", "txtLatD", "txtLatM", "txtMCity",
                             "txtMState", "txtMCountry", "txtZoneHour", "txtZoneMinute"})
        EXPECT_TRUE(box(name)->text().isEmpty()) << name;
}

TEST_F(MainWindowTest, ShowsTheCaptionsMenusAndPlaceholdersOfTheForm) {
    const char* captions[] = {"Tithi Number", "Tithi Name",     "Tithi Phase",  "Tithi Lord",
                              "Tithi Group",  "Tithi Features", "Tithi Nature", "Tithi Type"};
    const char* placeholders[] = {
        "30",
        "Chaturdashi",
        "Krishna",
        "Vishwadeva",
        "Poorna",
        "Fame and good qualities",
        "This is a good time for preparing for the battle by making your defense strong.",
        "In-Auspicious"};
    for (int k = 0; k < 8; ++k) {
        EXPECT_EQ(find<QLabel>(qPrintable(QStringLiteral("lblLabel(%1)").arg(k)))->text(),
                  QLatin1String(captions[k]));
        EXPECT_EQ(find<QLabel>(qPrintable(QStringLiteral("lblResult(%1)").arg(k)))->text(),
                  QLatin1String(placeholders[k]));
    }
    EXPECT_TRUE(find<QLabel>("lblResult(8)")
                    ->text()
                    .endsWith(QStringLiteral("progress, welfare & happiness of the native.")));

    EXPECT_EQ(find<QPushButton>("cmdCalculate")->text(), QStringLiteral("&Find My Tithi"));
    EXPECT_EQ(find<QPushButton>("cmdBack")->text(), QStringLiteral("&Back"));
    EXPECT_EQ(find<QPushButton>("cmdBrowser")->text(),
              QStringLiteral("Click Here To Find Latitude && Longitude"));
    EXPECT_EQ(find<QLabel>("lblTZHelp")->text(), QStringLiteral("TZ Help"));
    EXPECT_EQ(find<QLabel>("lblTZHelp")->focusPolicy(), Qt::NoFocus);
    EXPECT_EQ(find<QLabel>("lblTZHelp")->cursor().shape(), Qt::PointingHandCursor);
    EXPECT_NE(find<QLabel>("Label10"), nullptr);

    QStringList menus;
    for (QAction* top : window.menuBar()->actions()) {
        menus << top->text();
        for (QAction* entry : top->menu()->actions())
            menus << (entry->isSeparator() ? QStringLiteral("-") : entry->text());
    }
    EXPECT_EQ(menus,
              (QStringList{"&File", "&Calculate", "&Help", "&Online Help", "&Visit Us Online", "-",
                           "Check for Software &Update", "-", "&About Software"}));
}

TEST_F(MainWindowTest, TabMovesThroughTheInputsInTheOrderOfTheForm) {
    box("txtName")->setFocus();
    const QStringList expected = {
        "txtName",     "cboMonth",      "cboDate",   "cboYear",     "cboHH",      "cboMM",
        "cboSS",       "txtLonD",       "txtLonM",   "optLong(0)",  "txtLatD",    "txtLatM",
        "optLat(0)",   "txtMCity",      "txtMState", "txtMCountry", "cmdBrowser", "cmdCalculate",
        "txtZoneHour", "txtZoneMinute", "chkDST"};
    QStringList visited;
    for (int k = 0; k < expected.size(); ++k) {
        visited << focusName();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    EXPECT_EQ(visited, expected);
}

// Each step fills one more input; the check that fails first speaks, and the focus follows.
TEST_F(MainWindowTest, ChecksTheInputsInOrderAndMovesTheFocusToTheMissingOne) {
    const struct {
        const char* fill;    // the box that the user fills before pressing the button again
        const char* message; // what the next press says
        const char* focus;
    } steps[] = {
        {nullptr, "Please Enter Name", "txtName"},
        {"txtName", "Please Enter Hour and Minute of Time Zone", "txtZoneHour"},
        {"txtZoneHour", "Please Enter Hour and Minute of Time Zone", "txtZoneHour"},
        {"txtZoneMinute", "Please Enter Degree of Longitude", "txtLonD"},
        {"txtLonD", "Please Enter Minute of Longitude", "txtLonM"},
        {"txtLonM", "Please Enter Degree of Latitude", "txtLatD"},
        {"txtLatD", "Please Enter Minute of Latitude", "txtLatM"},
    };
    for (const auto& step : steps) {
        if (step.fill)
            box(step.fill)->setText(QStringLiteral("1"));
        box("txtMCity")->setFocus(); // somewhere else, so that a move is seen
        platform.messages.clear();
        clickCalculate();
        ASSERT_EQ(platform.messages.size(), 1) << "after filling " << (step.fill ? step.fill : "");
        EXPECT_EQ(platform.messages[0].text, QLatin1String(step.message));
        EXPECT_EQ(platform.messages[0].icon, Icon::Critical);
        EXPECT_EQ(platform.messages[0].buttons, Platform::MessageButtons::Ok);
        EXPECT_EQ(focusName(), QLatin1String(step.focus));
        EXPECT_TRUE(inFront("fraMain"));
    }
}

TEST_F(MainWindowTest, BlanksCountAsEmpty) {
    fillValidInputs();
    box("txtName")->setText(QStringLiteral("   "));
    clickCalculate();
    EXPECT_EQ(platform.messageTexts(), QStringList{"Please Enter Name"});
}

TEST_F(MainWindowTest, RefusesDaysThatTheMonthDoesNotHave) {
    const QString february = QStringLiteral("Please Enter Correct Date Or Month!");
    const QString thirtyFirst = QStringLiteral("Please Enter Correct Date Or Month !");
    const struct {
        int month; // list position, 0 = January
        int day;   // list position, 0 = the 1st
        const char* year;
        QString message; // empty: the date passes
    } dates[] = {
        {1, 28, "1904", {}},           {1, 28, "2000", {}},          {1, 28, "1901", february},
        {1, 27, "1901", {}},           {1, 29, "1904", february},    {1, 30, "2024", february},
        {3, 30, "2023", thirtyFirst},  {5, 30, "2023", thirtyFirst}, {8, 30, "2023", thirtyFirst},
        {10, 30, "2023", thirtyFirst}, {3, 29, "2023", {}},          {0, 30, "2023", {}},
        {11, 30, "2050", {}},          {6, 30, "1901", {}},
    };
    for (const auto& date : dates) {
        fillValidInputs();
        list("cboMonth")->setCurrentIndex(date.month);
        list("cboDate")->setCurrentIndex(date.day);
        list("cboYear")->setCurrentText(QLatin1String(date.year));
        platform.messages.clear();
        cmdBackIfNeeded();
        box("txtName")->setFocus();
        window.findChild<QAction*>(QStringLiteral("mnuCalculate"))->trigger();
        const QString where = QStringLiteral("%1 %2 %3")
                                  .arg(date.day + 1)
                                  .arg(date.month + 1)
                                  .arg(QLatin1String(date.year));
        if (date.message.isEmpty()) {
            EXPECT_TRUE(platform.messages.isEmpty()) << qPrintable(where);
            EXPECT_TRUE(inFront("fraResult")) << qPrintable(where);
        } else {
            ASSERT_EQ(platform.messages.size(), 1) << qPrintable(where);
            EXPECT_EQ(platform.messages[0].text, date.message) << qPrintable(where);
            EXPECT_EQ(platform.messages[0].icon, Icon::Information);
            EXPECT_EQ(focusName(), QStringLiteral("txtName")) << "the focus stays where it was";
            EXPECT_TRUE(inFront("fraMain"));
        }
    }
}

TEST_F(MainWindowTest, NumericBoxesTakeOnlyDigitsAndBackspace) {
    for (const char* name :
         {"txtLonD", "txtLonM", "txtLatD", "txtLatM", "txtZoneHour", "txtZoneMinute"}) {
        QLineEdit* edit = box(name);
        edit->setFocus();
        QTest::keyClicks(edit, QStringLiteral("12"));
        EXPECT_EQ(edit->text(), QStringLiteral("12")) << name;

        platform.messages.clear();
        QTest::keyClick(edit, Qt::Key_Minus);
        QTest::keyClick(edit, Qt::Key_Period);
        QTest::keyClick(edit, Qt::Key_Space);
        QTest::keyClick(edit, Qt::Key_A);
        EXPECT_EQ(edit->text(), QStringLiteral("12")) << name;
        EXPECT_EQ(platform.messageTexts(),
                  QStringList(4, QStringLiteral("Only Numbers Are Accepted")))
            << name;
        EXPECT_EQ(platform.messages.value(0).icon, Icon::Critical);

        QTest::keyClick(edit, Qt::Key_Backspace);
        EXPECT_EQ(edit->text(), QStringLiteral("1")) << name;
        edit->setText(QStringLiteral("-5")); // text set by other means is not filtered
        EXPECT_EQ(edit->text(), QStringLiteral("-5"));
    }
}

TEST_F(MainWindowTest, PastingWithTheKeyboardIntoANumericBoxIsRefused) {
    QApplication::clipboard()->setText(QStringLiteral("99"));
    QLineEdit* edit = box("txtLonD");
    edit->setFocus();
    QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
    EXPECT_TRUE(edit->text().isEmpty());
    EXPECT_EQ(platform.messageTexts(), QStringList{"Only Numbers Are Accepted"});

    platform.messages.clear();
    QLineEdit* name = box("txtName"); // the name has no filter
    name->setFocus();
    QTest::keyClicks(name, QStringLiteral("A. K-1"));
    EXPECT_EQ(name->text(), QStringLiteral("A. K-1"));
    EXPECT_TRUE(platform.messages.isEmpty());
}

TEST_F(MainWindowTest, CopiesTheInputsIntoTheRecord) {
    fillValidInputs();
    box("txtName")->setText(QStringLiteral("  Asha Rao "));
    list("cboMonth")->setCurrentIndex(11);
    list("cboDate")->setCurrentIndex(24);
    list("cboSS")->setCurrentIndex(42);
    box("txtLonD")->setText(QStringLiteral("74.5")); // halves go to the even neighbour
    box("txtLonM")->setText(QStringLiteral("12.5"));
    box("txtZoneHour")->setText(QStringLiteral("-5")); // as the time-zone picker writes it
    box("txtZoneMinute")->setText(QStringLiteral("-30"));
    find<QRadioButton>("optLong(1)")->click();
    find<QRadioButton>("optLat(1)")->click();
    find<QCheckBox>("chkDST")->click();
    clickCalculate();

    ASSERT_TRUE(platform.messages.isEmpty()) << qPrintable(platform.messageTexts().join('|'));
    EXPECT_EQ(record.PersonName, "Asha Rao");
    EXPECT_EQ(record.BirthMonth, 12);
    EXPECT_EQ(record.BirthDay, 25);
    EXPECT_EQ(record.BirthYear, 2024);
    EXPECT_EQ(record.BirthHour, 17);
    EXPECT_EQ(record.BirthMinute, 0);
    EXPECT_EQ(record.LonDeg, 74);
    EXPECT_EQ(record.LonMin, 12);
    EXPECT_EQ(record.LatDeg, 28);
    EXPECT_EQ(record.LatMin, 36);
    EXPECT_EQ(record.ZoneHour, 5);
    EXPECT_EQ(record.ZoneMinute, 30);
    EXPECT_EQ(record.LonEast, FlagFalse);
    EXPECT_EQ(record.LatSouth, FlagTrue);
    EXPECT_EQ(record.DstFlag, FlagTrue);
}

// A number that does not fit, or a pasted text that is no number, is named and nothing runs:
// the record keeps the previous calculation's inputs untouched.
TEST_F(MainWindowTest, ANumberThatDoesNotConvertStopsTheCalculation) {
    const struct {
        const char* box;
        const char* text;
        const char* message;
    } faults[] = {
        {"txtLonD", "99999", "Please Enter a Valid Degree of Longitude"},
        {"txtLonM", "abc", "Please Enter a Valid Minute of Longitude"},
        {"txtLatD", "40000", "Please Enter a Valid Degree of Latitude"},
        {"txtLatM", "1.2.3", "Please Enter a Valid Minute of Latitude"},
        {"txtZoneHour", "-32768", "Please Enter a Valid Hour of Time Zone"},
        {"txtZoneMinute", "5 30", "Please Enter a Valid Minute of Time Zone"},
    };
    fillValidInputs();
    clickCalculate();
    ASSERT_TRUE(inFront("fraResult"));
    const CalculationRecord before = record;
    QTest::mouseClick(find<QPushButton>("cmdBack"), Qt::LeftButton);

    for (const auto& fault : faults) {
        fillValidInputs();
        list("cboYear")->setCurrentText(QStringLiteral("1990"));
        box(fault.box)->setText(QLatin1String(fault.text));
        box("txtName")->setFocus();
        platform.messages.clear();
        clickCalculate();
        ASSERT_EQ(platform.messages.size(), 1) << fault.box;
        EXPECT_EQ(platform.messages[0].text, QLatin1String(fault.message));
        EXPECT_EQ(platform.messages[0].icon, Icon::Critical);
        EXPECT_EQ(focusName(), QLatin1String(fault.box));
        EXPECT_TRUE(inFront("fraMain"));
        EXPECT_EQ(record.BirthYear, before.BirthYear) << "nothing is copied";
        EXPECT_EQ(record.TithiIndex, before.TithiIndex);
    }
}

TEST_F(MainWindowTest, CalculateShowsTheResultsAndBackKeepsTheInputs) {
    fillValidInputs();
    box("txtMCity")->setText(QStringLiteral("Delhi"));
    clickCalculate();
    ASSERT_TRUE(platform.messages.isEmpty());
    EXPECT_TRUE(inFront("fraResult"));
    EXPECT_FALSE(inFront("fraMain"));
    EXPECT_EQ(find<QLabel>("lblResult(1)")->text(), QStringLiteral("AMAVASYA"));

    QTest::mouseClick(find<QPushButton>("cmdBack"), Qt::LeftButton);
    EXPECT_TRUE(inFront("fraMain"));
    EXPECT_EQ(box("txtName")->text(), QStringLiteral("Asha"));
    EXPECT_EQ(box("txtMCity")->text(), QStringLiteral("Delhi"));
    EXPECT_EQ(list("cboYear")->currentText(), QStringLiteral("2024"));
    EXPECT_EQ(box("txtZoneMinute")->text(), QStringLiteral("30"));

    // The same moment an hour and a half later is the next tithi; nothing of the first stays.
    list("cboHH")->setCurrentIndex(18);
    list("cboMM")->setCurrentIndex(30);
    window.findChild<QAction*>(QStringLiteral("mnuCalculate"))->trigger();
    EXPECT_TRUE(inFront("fraResult"));
    EXPECT_EQ(find<QLabel>("lblResult(0)")->text(), QStringLiteral("16"));
    EXPECT_EQ(find<QLabel>("lblResult(1)")->text(), QStringLiteral("PRATIPADA"));
    EXPECT_EQ(find<QLabel>("lblResult(2)")->text(), QStringLiteral("Shukla"));
    EXPECT_EQ(find<QLabel>("lblResult(3)")->text(), QStringLiteral("Agni"));
}

// Delhi (77 E 13, 28 N 36), 11 January 2024. References from the Swiss Ephemeris, computed
// separately: Amavasya began at 20:11:22 Indian time on the 10th and ended with the new moon at
// 17:27:25 (published: 11:57 UT); Shukla Pratipada ended at 14:23:53 on the 12th; the Sun rose at
// 07:15:08. The panel gives the first whole minute of each tithi.
TEST_F(MainWindowTest, ShowsWhenTheTithiBeganAndEndsTheSunriseAndTheKarana) {
    const struct {
        const char* name;
        const char* accessibleName;
    } lines[] = {{"lblTithiTimes", "Tithi Began and Ends"},
                 {"lblSunrise", "Tithi at Sunrise"},
                 {"lblKarana", "Karana"}};
    for (const auto& line : lines) {
        ASSERT_NE(find<QLabel>(line.name), nullptr);
        EXPECT_EQ(find<QLabel>(line.name)->accessibleName(), QLatin1String(line.accessibleName));
    }
    auto texts = [&] {
        return QStringList{find<QLabel>("lblTithiTimes")->text(),
                           find<QLabel>("lblSunrise")->text(), find<QLabel>("lblKarana")->text()};
    };

    fillValidInputs();
    box("txtLonM")->setText(QStringLiteral("13"));
    clickCalculate();
    ASSERT_TRUE(inFront("fraResult"));
    EXPECT_TRUE(find<QLabel>("lblTithiTimes")->isVisible());
    EXPECT_EQ(texts(), (QStringList{QStringLiteral("Began 10 Jan 2024 20:12 \u00b7 Ends 11 Jan "
                                                   "2024 17:28"),
                                    QStringLiteral("At sunrise (07:15): Amavasya"),
                                    QStringLiteral("Karana: Naga")}));

    // An hour and a half later the next tithi: nothing of the first stays.
    cmdBackIfNeeded();
    list("cboHH")->setCurrentIndex(18);
    list("cboMM")->setCurrentIndex(30);
    clickCalculate();
    EXPECT_EQ(texts(), (QStringList{QStringLiteral("Began 11 Jan 2024 17:28 \u00b7 Ends 12 Jan "
                                                   "2024 14:24"),
                                    QStringLiteral("At sunrise (07:15): Amavasya"),
                                    QStringLiteral("Karana: Kimstughna")}));

    // Seventy degrees north at midsummer the Sun does not set; the latitude is read.
    cmdBackIfNeeded();
    list("cboMonth")->setCurrentIndex(5);
    list("cboDate")->setCurrentIndex(20);
    box("txtLatD")->setText(QStringLiteral("70"));
    clickCalculate();
    EXPECT_EQ(find<QLabel>("lblSunrise")->text(),
              QStringLiteral("No sunrise this date: the Sun stays above the horizon all day "
                             "(polar day)"));
    cmdBackIfNeeded();
    find<QRadioButton>("optLat(1)")->click(); // seventy degrees south: midwinter
    clickCalculate();
    EXPECT_EQ(find<QLabel>("lblSunrise")->text(),
              QStringLiteral("No sunrise this date: the Sun stays below the horizon all day "
                             "(polar night)"));

    cmdBackIfNeeded();
    box("txtLatD")->setText(QStringLiteral("95")); // the form sets no bound on the degrees
    clickCalculate();
    EXPECT_EQ(find<QLabel>("lblSunrise")->text(),
              QStringLiteral("No sunrise: the latitude lies beyond 90 degrees"));

    // A moment without a tithi leaves the lines empty, not stale.
    record.LocalHours = std::nan("");
    window.ShowTithiDay();
    EXPECT_EQ(texts(), QStringList(3, QString()));
}

TEST_F(MainWindowTest, TheSecondsListChangesNothing) {
    fillValidInputs();
    clickCalculate();
    const CalculationRecord first = record;
    QTest::mouseClick(find<QPushButton>("cmdBack"), Qt::LeftButton);
    list("cboSS")->setCurrentIndex(59);
    clickCalculate();
    EXPECT_EQ(record.TithiIndex, first.TithiIndex);
    EXPECT_EQ(record.LocalHours, first.LocalHours);
}

} // namespace
