// SPDX-License-Identifier: MIT
// The main window driven as a user drives it: real key presses and clicks on real widgets, with
// a fake platform that records the messages.
#include "support/MainWindowTest.h"

#include <QAbstractButton>
#include <QClipboard>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>

#include <cmath>
#include <tuple>

namespace {

using Icon = Platform::MessageIcon;

class InputFormTest : public MainWindowTest {
protected:
    // A complete, valid set of inputs: 11 January 2024, 17:00, 77 E 0, 28 N 36, zone 5:30, on
    // the input panel.
    void fillValidInputs() {
        if (inFront("fraResult"))
            click("cmdBack");
        set({{"txtName", "Asha"}, {"cboMonth", "January"}, {"cboDate", "11"}, {"cboYear", "2024"}});
        set({{"cboHH", "17"}, {"cboMM", "0"}, {"txtLonD", "77"}, {"txtLonM", "0"}});
        set({{"txtLatD", "28"}, {"txtLatM", "36"}, {"txtZoneHour", "5"}, {"txtZoneMinute", "30"}});
    }
    QString text(const char* label) { return find<QLabel>(label)->text(); }
};

// The form opens on 1 January 1901, 0:00:00, with the input panel in front, and carries the texts
// the user reads: every caption, placeholder and menu entry exactly as it is written.
TEST_F(InputFormTest, OpensOnTheFirstDayOf1901WithItsTexts) {
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Kestrava v1.15"));
    EXPECT_TRUE(inFront("fraMain"));
    EXPECT_FALSE(inFront("fraResult"));
    const std::tuple<const char*, int, const char*, const char*> lists[] = {
        {"cboMonth", 12, "January", "December"},
        {"cboDate", 31, "1", "31"},
        {"cboYear", 150, "1901", "2050"},
        {"cboHH", 24, "0", "23"},
        {"cboMM", 60, "0", "59"},
        {"cboSS", 60, "0", "59"}};
    for (const auto& [name, count, first, last] : lists) {
        const QComboBox* list = find<QComboBox>(name);
        EXPECT_EQ(QStringList({QString::number(list->count()), list->currentText(),
                               list->itemText(list->count() - 1)}),
                  QStringList({QString::number(count), first, last}))
            << name;
    }

    const char* const captions[][2] = {
        {"lblLabel(0)", "Tithi Number"}, {"lblLabel(3)", "Tithi Lord"},
        {"lblLabel(7)", "Tithi Type"},   {"lblResult(0)", "30"},
        {"lblResult(1)", "Chaturdashi"}, {"lblResult(7)", "In-Auspicious"},
        {"lblTZHelp", "TZ Help"}};
    for (const auto& [name, caption] : captions)
        EXPECT_EQ(text(name), QLatin1String(caption)) << name;
    EXPECT_TRUE(
        text("lblResult(8)").endsWith(QStringLiteral("welfare & happiness of the native.")));
    EXPECT_EQ(find<QAbstractButton>("cmdBrowser")->text(),
              QStringLiteral("Click Here To Find Latitude && Longitude"));

    // The form's own menus, as they were; the Calendar, Options and Language menus beside them
    // have tests of their own.
    QStringList menus;
    for (QAction* top : window.menuBar()->actions()) {
        const QString name = top->menu()->objectName();
        if (name == QLatin1String("mnuCalendar") || name == QLatin1String("mnuLanguage") ||
            name == QLatin1String("mnuOptions"))
            continue;
        menus << top->text();
        for (QAction* entry : top->menu()->actions())
            menus << (entry->isSeparator() ? QStringLiteral("-") : entry->text());
    }
    EXPECT_EQ(menus, QStringList({"&File", "&Calculate", "-", "Set to &Now", "-",
                                  "Save as &Home Place", "C&lear Home Place", "-", "&Quit", "&Help",
                                  "&Online Help", "&Visit Us Online", "-",
                                  "Check for Software &Update", "-", "&About Software"}));
}

// The tab order follows the form from top to bottom, left to right within a row (the longitude
// beside the latitude, the zone above the look-up); of each pair of directions the chosen one
// takes the focus.
TEST_F(InputFormTest, TabMovesThroughTheInputsInTheOrderOfTheForm) {
    box("txtName")->setFocus();
    const QStringList expected = {
        "txtName",     "cboMonth",    "cboDate",       "cboYear",    "cboHH",    "cboMM",
        "cboSS",       "txtLonD",     "txtLonM",       "optLong(0)", "txtLatD",  "txtLatM",
        "optLat(0)",   "txtZoneHour", "txtZoneMinute", "chkDST",     "txtMCity", "txtMState",
        "txtMCountry", "cmdBrowser",  "cmdCalculate"};
    QStringList visited;
    for (int k = 0; k < expected.size(); ++k) {
        visited << FocusName();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    EXPECT_EQ(visited, expected);
}

// Each step fills one more input; the check that fails first speaks, and the focus follows. A
// name of blanks counts as empty.
TEST_F(InputFormTest, ChecksTheInputsInOrderAndMovesTheFocusToTheMissingOne) {
    const struct {
        const char* fill;    // the box that the user fills before pressing the button again
        const char* message; // what the next press says
        const char* focus;
    } steps[] = {
        {"txtMCity", "Please Enter Name", "txtName"},
        {"txtName", "Please Enter Hour and Minute of Time Zone", "txtZoneHour"},
        {"txtZoneHour", "Please Enter Hour and Minute of Time Zone", "txtZoneHour"},
        {"txtZoneMinute", "Please Enter Degree of Longitude", "txtLonD"},
        {"txtLonD", "Please Enter Minute of Longitude", "txtLonM"},
        {"txtLonM", "Please Enter Degree of Latitude", "txtLatD"},
        {"txtLatD", "Please Enter Minute of Latitude", "txtLatM"},
    };
    set({{"txtName", "   "}});
    for (const auto& step : steps) {
        SCOPED_TRACE(step.fill);
        set({{step.fill, "1"}});
        box("txtMCity")->setFocus(); // somewhere else, so that a move is seen
        expectMessage("cmdCalculate", QLatin1String(step.message), Icon::Critical, step.focus);
        EXPECT_TRUE(inFront("fraMain"));
    }
}

// Every fourth year is a leap year; the months of thirty days have a message of their own.
TEST_F(InputFormTest, RefusesDaysThatTheMonthDoesNotHave) {
    auto check = [this](const QString& message, std::initializer_list<const char*> dates) {
        for (const char* date : dates) {
            SCOPED_TRACE(date);
            const QByteArrayList parts = QByteArray(date).split(' '); // day, month, year
            fillValidInputs();
            set({{"cboDate", parts[0]}, {"cboMonth", parts[1]}, {"cboYear", parts[2]}});
            box("txtName")->setFocus();
            if (message.isEmpty()) {
                click("mnuCalculate");
                EXPECT_TRUE(platform.messages.isEmpty());
                EXPECT_TRUE(inFront("fraResult"));
                continue;
            }
            // The focus stays where it was.
            expectMessage("mnuCalculate", message, Icon::Information, "txtName");
            EXPECT_TRUE(inFront("fraMain"));
        }
    };
    check({}, {"29 February 1904", "29 February 2000", "29 February 2012", "28 February 1901",
               "30 April 2023", "31 January 2023", "31 December 2050", "31 July 1901"});
    check(QStringLiteral("Please Enter Correct Date Or Month!"),
          {"29 February 1901", "30 February 1904"});
    check(QStringLiteral("Please Enter Correct Date Or Month !"),
          {"31 April 2023", "31 June 2023", "31 September 2023", "31 November 2023"});
}

TEST_F(InputFormTest, NumericBoxesTakeOnlyDigitsAndBackspace) {
    const QString refusal = QStringLiteral("Only Numbers Are Accepted");
    for (const char* name :
         {"txtLonD", "txtLonM", "txtLatD", "txtLatM", "txtZoneHour", "txtZoneMinute"}) {
        QLineEdit* edit = box(name);
        edit->setFocus();
        QTest::keyClicks(edit, QStringLiteral("12"));
        platform.messages.clear();
        for (const Qt::Key key : {Qt::Key_Minus, Qt::Key_Period, Qt::Key_Space, Qt::Key_A})
            QTest::keyClick(edit, key);
        EXPECT_EQ(edit->text(), QStringLiteral("12")) << name;
        EXPECT_EQ(platform.messageTexts(), QStringList(4, refusal)) << name;
        EXPECT_EQ(platform.messages.value(0).icon, Icon::Critical);
        QTest::keyClick(edit, Qt::Key_Backspace);
        EXPECT_EQ(edit->text(), QStringLiteral("1")) << name;
    }

    // Pasting with the keyboard is refused too; the name has no filter.
    platform.messages.clear();
    QApplication::clipboard()->setText(QStringLiteral("99"));
    box("txtLatM")->setFocus();
    QTest::keyClick(box("txtLatM"), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(box("txtLatM")->text(), QStringLiteral("1"));
    EXPECT_EQ(platform.messageTexts(), QStringList{refusal});
    platform.messages.clear();
    box("txtName")->setFocus();
    QTest::keyClicks(box("txtName"), QStringLiteral("A. K-1"));
    EXPECT_EQ(box("txtName")->text(), QStringLiteral("A. K-1"));
    EXPECT_TRUE(platform.messages.isEmpty());
}

// Halves of the numbers go to the even neighbour; the zone is kept without its sign (the picker
// writes "-5"); the seconds list changes nothing. A number that does not fit, or a pasted text
// that is no number, is named and nothing runs: the record keeps these inputs untouched.
TEST_F(InputFormTest, CopiesTheInputsIntoTheRecordOrRefusesANumberThatDoesNotConvert) {
    fillValidInputs();
    set({{"txtName", "  Asha Rao "}, {"cboMonth", "December"}, {"cboDate", "25"}});
    set({{"cboSS", "42"}, {"txtLonD", "74.5"}, {"txtLonM", "12.5"}});
    set({{"txtZoneHour", "-5"}, {"txtZoneMinute", "-30"}});
    for (const char* button : {"optLong(1)", "optLat(1)", "chkDST"})
        click(button);
    click("cmdCalculate");
    ASSERT_EQ(platform.messageTexts(), QStringList());
    const CalculationRecord first = record;
    EXPECT_EQ(record.PersonName, "Asha Rao");
    EXPECT_EQ(std::tie(record.BirthMonth, record.BirthDay, record.BirthYear, record.BirthHour,
                       record.BirthMinute, record.LonDeg, record.LonMin, record.LatDeg,
                       record.LatMin, record.ZoneHour, record.ZoneMinute),
              std::make_tuple(12, 25, 2024, 17, 0, 74, 12, 28, 36, 5, 30));
    EXPECT_EQ(std::tie(record.LonEast, record.LatSouth, record.DstFlag),
              std::make_tuple(FlagFalse, FlagTrue, FlagTrue));
    EXPECT_EQ(record.LocalHours, 17);

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
    for (const auto& fault : faults) {
        SCOPED_TRACE(fault.box);
        fillValidInputs();
        set({{"cboYear", "1990"}, {fault.box, fault.text}});
        box("txtName")->setFocus();
        expectMessage("cmdCalculate", QLatin1String(fault.message), Icon::Critical, fault.box);
        EXPECT_TRUE(inFront("fraMain"));
        EXPECT_EQ(std::tie(record.BirthYear, record.BirthMonth, record.LonDeg, record.TithiIndex),
                  std::tie(first.BirthYear, first.BirthMonth, first.LonDeg, first.TithiIndex))
            << "something was copied";
    }
}

// Delhi (77 E 13, 28 N 36), 11 January 2024. References from the Swiss Ephemeris, computed
// separately: Amavasya began at 20:11:22 Indian time on the 10th and ended with the new moon at
// 17:27:25 (published: 11:57 UT); Shukla Pratipada ended at 14:23:53 on the 12th; the Sun rose at
// 07:15:08. The panel gives the first whole minute of each tithi.
TEST_F(InputFormTest, CalculateShowsTheResultsAndBackKeepsTheInputs) {
    auto lines = [this] {
        return QStringList{text("lblTithiTimes"), text("lblSunrise"), text("lblKarana")};
    };
    fillValidInputs();
    set({{"txtLonM", "13"}, {"txtMCity", "Delhi"}});
    click("cmdCalculate");
    ASSERT_EQ(platform.messageTexts(), QStringList());
    EXPECT_TRUE(inFront("fraResult"));
    EXPECT_FALSE(inFront("fraMain"));
    EXPECT_EQ(text("lblResult(1)"), QStringLiteral("AMAVASYA"));
    EXPECT_EQ(lines(), (QStringList{"Began 10 January 2024 20:12 \u00b7 Ends 11 January 2024 17:28",
                                    "At sunrise (07:15): Amavasya", "Karana: Naga"}));

    click("cmdBack");
    EXPECT_TRUE(inFront("fraMain"));
    EXPECT_EQ(box("txtName")->text(), QStringLiteral("Asha"));
    EXPECT_EQ(box("txtMCity")->text(), QStringLiteral("Delhi"));
    EXPECT_EQ(find<QComboBox>("cboYear")->currentText(), QStringLiteral("2024"));
    EXPECT_EQ(box("txtZoneMinute")->text(), QStringLiteral("30"));

    // An hour and a half later, from the menu, the next tithi: nothing of the first stays.
    set({{"cboHH", "18"}, {"cboMM", "30"}});
    click("mnuCalculate");
    EXPECT_TRUE(inFront("fraResult"));
    EXPECT_EQ(QStringList({text("lblResult(0)"), text("lblResult(1)"), text("lblResult(2)")}),
              (QStringList{"16", "PRATIPADA", "Shukla"}));
    EXPECT_EQ(lines(), (QStringList{"Began 11 January 2024 17:28 \u00b7 Ends 12 January 2024 14:24",
                                    "At sunrise (07:15): Amavasya", "Karana: Kimstughna"}));

    // Seventy degrees south at midsummer the Sun does not rise: the latitude and its direction
    // are read. The form sets no bound on the degrees.
    click("cmdBack");
    set({{"cboMonth", "June"}, {"cboDate", "21"}, {"txtLatD", "70"}});
    click("optLat(1)");
    click("cmdCalculate");
    EXPECT_EQ(text("lblSunrise"), QStringLiteral("No sunrise this date: the Sun stays below the "
                                                 "horizon all day (polar night)"));
    // Beyond 90 degrees there is no place: the lines say so, and nothing is reckoned there.
    click("cmdBack");
    set({{"txtLatD", "95"}});
    click("cmdCalculate");
    EXPECT_TRUE(
        text("lblTithiTimes").startsWith(QLatin1String("The latitude on the form lies beyond 90")));
    EXPECT_EQ(text("lblSunrise"), QString());

    // A moment without a tithi leaves the lines empty, not stale.
    click("cmdBack");
    set({{"txtLatD", "28"}});
    click("cmdCalculate");
    record.LocalHours = std::nan("");
    window.ShowTithiDay();
    EXPECT_EQ(lines(), QStringList(3, QString()));
}

} // namespace
