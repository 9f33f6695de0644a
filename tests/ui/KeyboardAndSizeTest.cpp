// SPDX-License-Identifier: MIT
// The windows driven from the keyboard (Return, Ctrl+Q, Ctrl+F, the focus shown)
// and at sizes a magnified or small screen gives them: every window fits, nothing is cut off.
#include "support/MainWindowTest.h"
#include "ui/frmAbout.h"
#include "ui/frmMonth.h"
#include "ui/frmTimeZone.h"

#include <QAbstractButton>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QScrollArea>
#include <QStyleOptionButton>

#include <functional>
#include <memory>

namespace {

class KeyboardAndSizeTest : public MainWindowTest {
protected:
    // Delhi, 77°13′E 28°36′N, on Indian Standard Time, 11 January 2024 at 17:00, as the day
    // panel's test has it.
    void fillDelhi() {
        typeDelhiDay();
        set({{"txtMCity", "Delhi"}});
    }
};

// Return in any input of the form (a text box, a closed list, a direction, DST) runs "Find My
// Tithi", as the default button of a dialog does: on an empty form the first check speaks.
// Return in the City box while its list of places is open takes the place and calculates
// nothing.
TEST_F(KeyboardAndSizeTest, ReturnInAnInputRunsFindMyTithi) {
    for (const char* name : {"txtName", "txtLonD", "txtLatM", "txtZoneHour", "txtZoneMinute",
                             "txtMCity", "txtMState", "txtMCountry", "cboMonth", "cboMM",
                             "optLong(1)", "chkDST"}) {
        SCOPED_TRACE(name);
        platform.messages.clear();
        QWidget* input = find(name);
        input->setFocus();
        QTest::keyClick(input, Qt::Key_Return);
        EXPECT_EQ(platform.messageTexts(), QStringList{"Please Enter Name"});
        EXPECT_EQ(FocusName(), QStringLiteral("txtName"));
    }
    platform.messages.clear();
    box("txtMCity")->setFocus();
    QTest::keyClicks(box("txtMCity"), QStringLiteral("Delh"));
    QWidget* places = QApplication::activePopupWidget();
    ASSERT_NE(places, nullptr) << "no list of places offered";
    QTest::keyClick(places, Qt::Key_Down);
    QTest::keyClick(places, Qt::Key_Return);
    EXPECT_EQ(platform.messageTexts(), QStringList());
    EXPECT_EQ(box("txtLonD")->text(), QStringLiteral("77"));

    fillDelhi();
    box("txtZoneMinute")->setFocus();
    QTest::keyClick(box("txtZoneMinute"), Qt::Key_Enter); // the keypad's
    EXPECT_TRUE(inFront("fraResult"));
}

// A button with the focus draws it from the start, not only after the keyboard has moved it: the
// style draws the focus frame of a button whose window has had a keyboard focus change.
TEST_F(KeyboardAndSizeTest, TheFocusIsShownOnButtons) {
    for (const char* name : {"cmdCalculate", "cmdBrowser"}) {
        auto* button = find<QAbstractButton>(name);
        button->setFocus();
        QStyleOptionButton option;
        option.initFrom(button);
        EXPECT_TRUE(option.state & QStyle::State_HasFocus) << name;
        EXPECT_TRUE(option.state & QStyle::State_KeyboardFocusChange) << name;
    }
}

// File, Quit (Ctrl+Q) ends the program as closing the window does.
TEST_F(KeyboardAndSizeTest, CtrlQQuits) {
    auto* quit = window.findChild<QAction*>(QStringLiteral("mnuQuit"));
    ASSERT_NE(quit, nullptr);
    EXPECT_EQ(quit->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Q));
    QTest::keySequence(&window, QKeySequence(Qt::CTRL | Qt::Key_Q));
    EXPECT_EQ(platform.endProcessCalls, 1);
}

// Every window fits a 1280 × 800 screen at twice the scale, 640 × 400 of the windows' pixels
// less a title bar: none needs more than that at the least.
TEST_F(KeyboardAndSizeTest, EveryWindowFitsAScreenAtTwiceTheScale) {
    const QSize room(640, 400 - 40);
    fillDelhi();
    click("cmdCalculate");
    ASSERT_TRUE(inFront("fraResult"));
    click("mnuMonthView");
    auto* month = window.findChild<frmMonth*>();
    ASSERT_NE(month, nullptr);
    frmAbout about(platform, &window);
    frmTimeZone picker(box("txtZoneHour"), box("txtZoneMinute"), &window);
    const std::pair<const char*, QWidget*> windows[] = {
        {"frmMain", &window}, {"frmMonth", month}, {"frmAbout", &about}, {"frmTimeZone", &picker}};
    auto fits = [&room](const char* name, const QWidget* shown) {
        const QSize least = shown->minimumSizeHint().expandedTo(shown->minimumSize());
        EXPECT_TRUE(least.width() <= room.width() && least.height() <= room.height())
            << name << " needs at least " << least.width() << " x " << least.height();
    };
    for (const auto& [name, shown] : windows)
        fits(name, shown);
    // The calendar's dialogs, as their entries open them.
    for (const char* entry : {"mnuFindTithi", "mnuExportPdf"}) {
        bool opened = false;
        WhenModalShown([&](QWidget* modal) {
            opened = true;
            fits(entry, modal);
            modal->close();
        });
        click(entry);
        EXPECT_TRUE(opened) << entry;
    }
    month->close();
}

// Opened, the main window and the month view take no more than the screen has (the offscreen
// screen here, 800 × 600).
TEST_F(KeyboardAndSizeTest, WindowsOpenWithinTheScreen) {
    const QSize available = window.screen()->availableGeometry().size();
    EXPECT_LE(window.frameGeometry().height(), available.height());
    EXPECT_LE(window.frameGeometry().width(), available.width());
    typeDelhi();
    click("mnuMonthView");
    auto* month = window.findChild<frmMonth*>();
    ASSERT_NE(month, nullptr);
    EXPECT_LE(month->height(), available.height());
    EXPECT_LE(month->width(), available.width());
    month->close();
}

// In a window made small, every value of the results and every control of the form can be
// scrolled into view, its whole height (a box wider than the window shows what it can); at the
// window's own size no value is cut short: each label is as
// tall as its text needs at its width.
TEST_F(KeyboardAndSizeTest, NothingOfThePanelsIsCutOff) {
    fillDelhi();
    click("cmdCalculate");
    ASSERT_TRUE(inFront("fraResult"));
    auto* results = find<QWidget>("fraResult");
    for (const QLabel* label : results->findChildren<QLabel*>()) {
        if (!label->isVisibleTo(results) || !label->hasHeightForWidth())
            continue;
        EXPECT_GE(label->height(), label->heightForWidth(label->width()))
            << label->objectName().toStdString() << ": " << label->text().toStdString();
    }

    window.resize(320, 200);
    auto* scroll = find<QScrollArea>("scrollResult");
    for (const char* name : {"lblQuery", "lblResult(0)", "lblResult(8)", "lblKarana", "lblMasa",
                             "lblSamvat", "cmdBack"}) {
        QWidget* shown = find(name);
        scroll->ensureWidgetVisible(shown);
        QCoreApplication::processEvents();
        const QRect seen = shown->visibleRegion().boundingRect();
        EXPECT_TRUE(seen.height() == shown->height() && seen.width() > 0) << name;
    }
    click("cmdBack");
    auto* form = find<QScrollArea>("scrollMain");
    for (const char* name : {"txtName", "txtMCountry", "cmdCalculate"}) {
        QWidget* shown = find(name);
        form->ensureWidgetVisible(shown);
        QCoreApplication::processEvents();
        const QRect seen = shown->visibleRegion().boundingRect();
        EXPECT_TRUE(seen.height() == shown->height() && seen.width() > 0) << name;
    }
}

// The results say what was asked: the name, the date and time as entered, the place by its city,
// coordinates and zone.
TEST_F(KeyboardAndSizeTest, TheResultsSayWhatWasAsked) {
    fillDelhi();
    click("cmdCalculate");
    ASSERT_TRUE(inFront("fraResult"));
    EXPECT_EQ(
        find<QLabel>("lblQuery")->text(),
        QString::fromUtf8("Asha · 11 January 2024 17:00 · Delhi, 28°36′N 77°13′E, UTC+05:30"));
}

// The month view opens at the month just calculated with that date chosen, and Ctrl+F inside it
// opens the search from the chosen date.
TEST_F(KeyboardAndSizeTest, TheMonthViewOpensAtTheDateCalculatedAndSearchesWithCtrlF) {
    fillDelhi();
    click("cmdCalculate");
    click("mnuMonthView");
    auto* month = window.findChild<frmMonth*>();
    ASSERT_NE(month, nullptr);
    EXPECT_EQ(month->chosenDate(), QDate(2024, 1, 11));
    month->activateWindow();
    ASSERT_TRUE(
        QTest::qWaitFor([month] { return QApplication::activeWindow() == month; }, ShowTimeout));
    QString opened;
    WhenModalShown([&opened](QWidget* modal) {
        opened = modal->objectName();
        modal->close();
    });
    QTest::keySequence(QApplication::focusWidget(), QKeySequence(Qt::CTRL | Qt::Key_F));
    EXPECT_EQ(opened, QStringLiteral("frmFind"));
    month->close();
}

} // namespace
