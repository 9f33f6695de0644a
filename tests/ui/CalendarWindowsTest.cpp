// SPDX-License-Identifier: MIT
// The calendar's windows driven as a user drives them, on the offscreen platform: the month view
// opened from the menu at the form's place and paged by its keys, the sentence a screen reader
// reads for each day, a day opened with Enter, a form without its place, the search for an
// anniversary, and the exports, to a folder that takes them and to paths that cannot.
#include "support/MainWindowTest.h"
#include "ui/CalendarMenu.h"
#include "ui/frmDay.h"
#include "ui/frmMonth.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QCheckBox>
#include <QDateEdit>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QSpinBox>
#include <QTableView>
#include <QTemporaryDir>
#include <QTreeWidget>

namespace {

class CalendarWindowsTest : public MainWindowTest {
protected:
    // Delhi, 77°13′E 28°36′N, on Indian Standard Time, typed on the form.
    void typeDelhi() {
        set({{"txtLonD", "77"},
             {"txtLonM", "13"},
             {"txtLatD", "28"},
             {"txtLatM", "36"},
             {"txtZoneHour", "5"},
             {"txtZoneMinute", "30"}});
    }

    // Opens the month view from the menu and waits until it is the active window, as the keys
    // need.
    frmMonth* openMonthView() {
        click("mnuMonthView");
        auto* month = window.findChild<frmMonth*>();
        if (!month)
            return nullptr;
        month->activateWindow();
        EXPECT_TRUE(QTest::qWaitFor([month] { return QApplication::activeWindow() == month; },
                                    ShowTimeout));
        return month;
    }

    QTableView* grid(frmMonth* month) {
        return month->findChild<QTableView*>(QStringLiteral("grdMonth"));
    }

    // What the accessibility interface gives a screen reader for a date's cell.
    QString cellDescription(frmMonth* month, const QDate& date) {
        QTableView* view = grid(month);
        const int slot = QDate(date.year(), date.month(), 1).dayOfWeek() % 7 + date.day() - 1;
        QAccessibleInterface* table = QAccessible::queryAccessibleInterface(view);
        if (!table || !table->tableInterface())
            return {};
        QAccessibleInterface* cell = table->tableInterface()->cellAt(slot / 7, slot % 7);
        return cell ? cell->text(QAccessible::Description) : QString();
    }
};

// Opened at today on the place's clock (the platform's 15 January 2026), the month view pages by
// month with Page Up and Page Down, by year with Ctrl, moves by days and weeks with the arrows
// across the month's edges, and comes back to today with Home.
TEST_F(CalendarWindowsTest, TheMonthViewOpensAtTodayAndPagesByItsKeys) {
    typeDelhi();
    frmMonth* month = openMonthView();
    ASSERT_NE(month, nullptr);
    EXPECT_EQ(month->chosenDate(), QDate(2026, 1, 15));
    EXPECT_TRUE(cellDescription(month, QDate(2026, 1, 15)).endsWith(QStringLiteral("; today")));
    EXPECT_EQ(month->findChild<QLabel*>(QStringLiteral("lblPlace"))->text(),
              QStringLiteral("At 28°36′N 77°13′E, UTC+05:30"));

    const struct {
        Qt::Key Key;
        Qt::KeyboardModifiers Modifiers;
        QDate Chosen;
        const char* Shown;
    } steps[] = {
        {Qt::Key_PageDown, Qt::NoModifier, {2026, 2, 15}, "February 2026"},
        {Qt::Key_PageUp, Qt::NoModifier, {2026, 1, 15}, "January 2026"},
        {Qt::Key_PageUp, Qt::NoModifier, {2025, 12, 15}, "December 2025"},
        {Qt::Key_PageDown, Qt::ControlModifier, {2026, 12, 15}, "December 2026"},
        {Qt::Key_Right, Qt::NoModifier, {2026, 12, 16}, "December 2026"},
        {Qt::Key_Down, Qt::NoModifier, {2026, 12, 23}, "December 2026"},
        {Qt::Key_Down, Qt::NoModifier, {2026, 12, 30}, "December 2026"},
        {Qt::Key_Down, Qt::NoModifier, {2027, 1, 6}, "January 2027"},
        {Qt::Key_Up, Qt::NoModifier, {2026, 12, 30}, "December 2026"},
        {Qt::Key_PageUp, Qt::ControlModifier, {2025, 12, 30}, "December 2025"},
        {Qt::Key_Home, Qt::NoModifier, {2026, 1, 15}, "January 2026"},
        {Qt::Key_Up, Qt::NoModifier, {2026, 1, 8}, "January 2026"},
        {Qt::Key_Up, Qt::NoModifier, {2026, 1, 1}, "January 2026"},
        {Qt::Key_Left, Qt::NoModifier, {2025, 12, 31}, "December 2025"},
        // 31 March, a month on: April has no 31st.
        {Qt::Key_PageDown, Qt::ControlModifier, {2026, 12, 31}, "December 2026"},
        {Qt::Key_PageUp, Qt::NoModifier, {2026, 11, 30}, "November 2026"},
    };
    for (const auto& step : steps) {
        QTest::keyClick(QApplication::focusWidget(), step.Key, step.Modifiers);
        EXPECT_EQ(month->chosenDate(), step.Chosen) << step.Shown;
        EXPECT_EQ(month->findChild<QLabel*>(QStringLiteral("lblMonthShown"))->text(),
                  QLatin1String(step.Shown));
        EXPECT_EQ(month->findChild<QSpinBox*>(QStringLiteral("spnViewYear"))->value(),
                  step.Chosen.year());
    }
    // The buttons do the same.
    QTest::mouseClick(month->findChild<QAbstractButton*>(QStringLiteral("cmdNextMonth")),
                      Qt::LeftButton);
    EXPECT_EQ(month->chosenDate(), QDate(2026, 12, 30));
    QTest::mouseClick(month->findChild<QAbstractButton*>(QStringLiteral("cmdToday")),
                      Qt::LeftButton);
    EXPECT_EQ(month->chosenDate(), QDate(2026, 1, 15));
}

// Each day's cell carries the sentence of its tithis for a screen reader, then what it observes;
// every control of the window is named.
TEST_F(CalendarWindowsTest, EachDayTellsAScreenReaderItsTithisAndWhatItObserves) {
    typeDelhi();
    frmMonth* month = openMonthView();
    ASSERT_NE(month, nullptr);
    month->showDate(QDate(2024, 6, 11));
    // The sentences' times are those of the engine's tests, which hold them against an
    // independent ephemeris; here their words and order.
    const struct {
        QDate Date;
        const char* Begins;
        const char* Ends;
    } days[] = {
        {{2024, 6, 11}, "Tuesday 11 June 2024: Shukla Panchami until ", ", then Shashthi"},
        {{2024, 6, 17},
         "Monday 17 June 2024: Shukla Ekadasi all day (vriddhi)",
         "; Ekadashi is observed; vriddhi: the tithi holds the next sunrise too and is observed "
         "today"},
        {{2024, 6, 18},
         "Tuesday 18 June 2024: Shukla Ekadasi until ",
         ", then Dwadasi; vriddhi: second day of the tithi, observed the day before"},
        {{2024, 6, 22},
         "Saturday 22 June 2024: Purnima until ",
         " on 23 June (kshaya), then Krishna Dvitiya; Purnima is observed"},
        {{2024, 6, 7},
         "Friday 7 June 2024: Shukla Pratipada until ",
         ", then Dvitiya; the month Jyeshtha begins"},
    };
    for (const auto& day : days) {
        const QString text = cellDescription(month, day.Date);
        EXPECT_TRUE(text.startsWith(QLatin1String(day.Begins))) << text.toStdString();
        EXPECT_TRUE(text.endsWith(QLatin1String(day.Ends))) << text.toStdString();
    }
    const char* const names[][2] = {
        {"cmdPreviousYear", "Previous Year"},
        {"cmdPreviousMonth", "Previous Month"},
        {"cboViewMonth", "Month"},
        {"spnViewYear", "Year"},
        {"cmdNextMonth", "Next Month"},
        {"cmdNextYear", "Next Year"},
        {"cmdToday", "Today"},
        {"grdMonth", "Days of June 2024"},
        {"lblLunarMonths", "Lunar Months"},
        {"lblPlace", "Place"},
        {"lblLegend", "Legend"},
        {"lblRule", "Day of Observance"},
        {"cmdDay", "Day's Panchanga"},
        {"cmdFind", "Find a Tithi"},
        {"cmdExportCalendar", "Export iCalendar"},
        {"cmdExportPdf", "Export PDF"},
        {"cmdClose", "Close"},
    };
    for (const auto& [name, accessibleName] : names) {
        const QWidget* control = month->findChild<QWidget*>(QLatin1String(name));
        ASSERT_NE(control, nullptr) << name;
        EXPECT_EQ(control->accessibleName(), QLatin1String(accessibleName)) << name;
    }
}

// Enter on a day opens its panchanga; its own buttons page the days, and the month view follows.
TEST_F(CalendarWindowsTest, EnterOpensTheChosenDaysPanchanga) {
    typeDelhi();
    frmMonth* month = openMonthView();
    ASSERT_NE(month, nullptr);
    month->showDate(QDate(2024, 6, 11));
    grid(month)->setFocus();
    QStringList seen;
    WhenModalShown([&seen](QWidget* modal) {
        auto* day = qobject_cast<frmDay*>(modal);
        if (!day) {
            modal->close();
            return;
        }
        for (const char* caption : {"Vara", "Tithi", "Observed", "Month", "Samvat"})
            seen << day->value(QLatin1String(caption))->text();
        QTest::mouseClick(day->findChild<QAbstractButton*>(QStringLiteral("cmdNextDay")),
                          Qt::LeftButton);
        seen << day->windowTitle();
        QTest::keyClick(day, Qt::Key_Escape);
    });
    QTest::keyClick(grid(month), Qt::Key_Return);
    ASSERT_EQ(seen.size(), 6);
    EXPECT_EQ(seen[0], QStringLiteral("Mangalavara, from sunrise to sunrise"));
    EXPECT_TRUE(seen[1].startsWith(QStringLiteral("Shukla Panchami until ")))
        << seen[1].toStdString();
    EXPECT_EQ(seen[2], QStringLiteral("Shukla Panchami"));
    EXPECT_EQ(seen[3], QStringLiteral("Jyeshtha (amanta), Jyeshtha (purnimanta)"));
    EXPECT_EQ(seen[4], QStringLiteral("Vikram 2081, Shaka 1946"));
    EXPECT_EQ(seen[5], QStringLiteral("Panchanga of Wednesday 12 June 2024 - Kestrava"));
    EXPECT_EQ(month->chosenDate(), QDate(2024, 6, 12));
}

// A place chosen from the directory brings its named zone: the days are reckoned on Madrid's
// clock, summer time until 27 October 2024 and winter time after, and the sunrise moves back an
// hour (the same independent ephemeris: 08:38:10 on the 26th, 07:40:26 on the 28th).
TEST_F(CalendarWindowsTest, APlaceFromTheDirectoryBringsItsNamedZone) {
    box("txtMCity")->setFocus();
    for (const char* c = "Madrid"; *c; ++c)
        QTest::keyClick(QApplication::focusWidget(), *c);
    ASSERT_TRUE(
        QTest::qWaitFor([] { return QApplication::activePopupWidget() != nullptr; }, ShowTimeout));
    QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Down);
    QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Return);
    frmMonth* month = openMonthView();
    ASSERT_NE(month, nullptr);
    EXPECT_TRUE(month->findChild<QLabel*>(QStringLiteral("lblPlace"))
                    ->text()
                    .endsWith(QStringLiteral(", Europe/Madrid")));
    QStringList sunrises;
    for (const QDate& date : {QDate(2024, 10, 26), QDate(2024, 10, 28)}) {
        month->showDate(date);
        WhenModalShown([&sunrises](QWidget* modal) {
            if (auto* day = qobject_cast<frmDay*>(modal))
                sunrises << day->value(QStringLiteral("Sunrise"))->text();
            modal->close();
        });
        month->openDay();
    }
    EXPECT_EQ(sunrises, QStringList({"08:38", "07:40"}));
}

// Without the place on the form, the calendar says which value to type and puts the focus in its
// box, and opens nothing.
TEST_F(CalendarWindowsTest, AFormWithoutItsPlaceSaysWhatToTypeWhere) {
    const struct {
        const char* Box;
        const char* Text;
        const char* Message;
    } cases[] = {
        {"txtLatD", "",
         "The calendar is reckoned at the place and time zone of the form. Please enter the "
         "Degree of Latitude on the form first."},
        {"txtZoneMinute", " ",
         "The calendar is reckoned at the place and time zone of the form. Please enter the "
         "Minute of Time Zone on the form first."},
        {"txtLatD", "95",
         "The Degree of Latitude on the form must be a whole number from 0 to 90."},
        {"txtLonM", "60",
         "The Minute of Longitude on the form must be a whole number from 0 to 59."},
    };
    for (const auto& c : cases) {
        typeDelhi();
        set({{c.Box, c.Text}});
        for (const char* entry : {"mnuMonthView", "mnuFindTithi", "mnuExportCalendar"}) {
            expectMessage(entry, QLatin1String(c.Message), Platform::MessageIcon::Information,
                          c.Box);
        }
        EXPECT_EQ(window.findChild<frmMonth*>(), nullptr);
    }
}

// Krishna Ashtami of the amanta Shravana from 2025, three years: the days of the engine's tests,
// from an independent ephemeris; Enter on one shows it in the month view.
TEST_F(CalendarWindowsTest, FindsAnAnniversaryAndShowsItInTheMonthView) {
    typeDelhi();
    QStringList rows;
    WhenModalActive([&rows](QWidget* modal) {
        modal->findChild<QComboBox*>(QStringLiteral("cboPaksha"))->setCurrentIndex(1);
        modal->findChild<QComboBox*>(QStringLiteral("cboTithi"))->setCurrentIndex(7);
        QTest::mouseClick(modal->findChild<QCheckBox*>(QStringLiteral("chkMasa")), Qt::LeftButton);
        modal->findChild<QComboBox*>(QStringLiteral("cboMasa"))->setCurrentIndex(4);
        modal->findChild<QDateEdit*>(QStringLiteral("dteFrom"))->setDate(QDate(2025, 1, 1));
        modal->findChild<QSpinBox*>(QStringLiteral("spnCount"))->setValue(3);
        QTest::mouseClick(modal->findChild<QAbstractButton*>(QStringLiteral("cmdFindNext")),
                          Qt::LeftButton);
        auto* results = modal->findChild<QTreeWidget*>(QStringLiteral("lstResults"));
        for (int k = 0; k < results->topLevelItemCount(); ++k)
            rows << results->topLevelItem(k)->text(0) + QLatin1Char('|') +
                        results->topLevelItem(k)->text(1);
        QTest::keyClick(results, Qt::Key_Return);
    });
    click("mnuFindTithi");
    EXPECT_EQ(rows, QStringList({"Sat 16 Aug 2025|Shravana Krishna Ashtami",
                                 "Fri 4 Sep 2026|Shravana Krishna Ashtami",
                                 "Wed 25 Aug 2027|Shravana Krishna Ashtami"}));
    const frmMonth* month = window.findChild<frmMonth*>();
    ASSERT_NE(month, nullptr);
    EXPECT_TRUE(month->isVisible());
    EXPECT_EQ(month->chosenDate(), QDate(2025, 8, 16));
}

// The vrata days of the year of today: Paush Purnima on 3 January 2026, Shattila Ekadashi on the
// 14th and Mauni Amavasya on the 18th, as published for New Delhi.
TEST_F(CalendarWindowsTest, ListsTheVrataDaysOfTheYear) {
    typeDelhi();
    QStringList rows;
    WhenModalShown([&rows](QWidget* modal) {
        auto* results = modal->findChild<QTreeWidget*>(QStringLiteral("lstResults"));
        for (int k = 0; k < 3 && k < results->topLevelItemCount(); ++k)
            rows << results->topLevelItem(k)->text(0) + QLatin1Char('|') +
                        results->topLevelItem(k)->text(1);
        modal->close();
    });
    click("mnuVrataDays");
    EXPECT_EQ(rows, QStringList({"Sat 3 Jan 2026|Pausha Purnima",
                                 "Wed 14 Jan 2026|Pausha Krishna Ekadasi",
                                 "Sun 18 Jan 2026|Pausha Amavasya"}));
}

// The exports written to a folder: an iCalendar file of the vrata days of 2024 (twelve
// Purnimas, thirteen Amavasyas, twenty-five Ekadashis) and three months of PDF on Letter paper,
// each said when done; the folder is remembered.
TEST_F(CalendarWindowsTest, ExportsACalendarFileAndAPdfToTheChosenFolder) {
    typeDelhi();
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    platform.writeToDisk = true;
    const QString ics = folder.filePath(QStringLiteral("vrata.ics"));
    const QString pdf = folder.filePath(QStringLiteral("months.pdf"));

    platform.saveAnswer = ics;
    WhenModalShown([](QWidget* modal) {
        modal->findChild<QDateEdit*>(QStringLiteral("dteFrom"))->setDate(QDate(2024, 1, 1));
        modal->findChild<QDateEdit*>(QStringLiteral("dteTo"))->setDate(QDate(2024, 12, 31));
        QTest::mouseClick(modal->findChild<QAbstractButton*>(QStringLiteral("optVrata")),
                          Qt::LeftButton);
        QTest::mouseClick(modal->findChild<QAbstractButton*>(QStringLiteral("cmdSave")),
                          Qt::LeftButton);
    });
    click("mnuExportCalendar");
    QFile calendar(ics);
    ASSERT_TRUE(calendar.open(QIODevice::ReadOnly));
    const QByteArray text = calendar.readAll();
    EXPECT_TRUE(text.startsWith("BEGIN:VCALENDAR\r\n"));
    EXPECT_EQ(text.count("BEGIN:VEVENT"), 50);
    ASSERT_EQ(platform.saveDialogs.size(), 1);
    EXPECT_EQ(platform.saveDialogs[0].filter, QStringLiteral("iCalendar files (*.ics)"));
    EXPECT_TRUE(platform.saveDialogs[0].suggestedPath.endsWith(
        QStringLiteral("Kestrava vrata days 2024.ics")));
    EXPECT_EQ(platform.messageTexts().last(),
              QStringLiteral("The calendar was saved to %1: 50 events.")
                  .arg(QDir::toNativeSeparators(ics)));

    platform.saveAnswer = pdf;
    WhenModalShown([](QWidget* modal) {
        modal->findChild<QDateEdit*>(QStringLiteral("dteFirstMonth"))->setDate(QDate(2024, 6, 1));
        modal->findChild<QDateEdit*>(QStringLiteral("dteLastMonth"))->setDate(QDate(2024, 8, 1));
        QTest::mouseClick(modal->findChild<QAbstractButton*>(QStringLiteral("optLetter")),
                          Qt::LeftButton);
        QTest::mouseClick(modal->findChild<QAbstractButton*>(QStringLiteral("cmdSave")),
                          Qt::LeftButton);
    });
    click("mnuExportPdf");
    QFile months(pdf);
    ASSERT_TRUE(months.open(QIODevice::ReadOnly));
    const QByteArray bytes = months.readAll();
    EXPECT_TRUE(bytes.startsWith("%PDF-"));
    EXPECT_EQ(bytes.count("/Type /Page\n") + bytes.count("/Type /Page\r") +
                  bytes.count("/Type /Page "),
              3);
    // US Letter, landscape: 792 by 612 points.
    EXPECT_EQ(bytes.count("/MediaBox [0 0 792.000000 612.000000]"), 3)
        << "not three landscape Letter pages";
    EXPECT_EQ(
        platform.saveDialogs.last().suggestedPath,
        QDir(folder.path()).filePath(QStringLiteral("Kestrava June 2024 to August 2024.pdf")));
}

// A path that cannot be written: the message names it and why, nothing is left behind, and the
// dialog stays open for another try.
TEST_F(CalendarWindowsTest, AnUnwritablePathIsSaidAndLeavesNothingBehind) {
    typeDelhi();
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    platform.writeToDisk = true;
    const struct {
        QString Path;
        QString Reason;
    } cases[] = {
        {folder.filePath(QStringLiteral("no such folder/tithis.ics")),
         QStringLiteral("The folder %1 does not exist.")
             .arg(QDir::toNativeSeparators(folder.filePath(QStringLiteral("no such folder"))))},
        // The system's own reason, as touch(1) gives it for the same file.
        {QStringLiteral("/proc/kestrava-tithis.ics"),
         QStringLiteral("It could not be created in /proc: No such file or directory.")},
        {folder.path(), QStringLiteral("is a folder.")},
    };
    for (const auto& c : cases) {
        platform.messages.clear();
        platform.saveAnswer = c.Path;
        bool stayedOpen = false;
        WhenModalShown([&stayedOpen](QWidget* modal) {
            QTest::mouseClick(modal->findChild<QAbstractButton*>(QStringLiteral("cmdSave")),
                              Qt::LeftButton);
            stayedOpen = modal->isVisible();
            modal->close();
        });
        click("mnuExportCalendar");
        EXPECT_TRUE(stayedOpen) << c.Path.toStdString();
        ASSERT_EQ(platform.messages.size(), 1) << c.Path.toStdString();
        const QString message = platform.messages[0].text;
        EXPECT_EQ(platform.messages[0].icon, Platform::MessageIcon::Critical);
        EXPECT_TRUE(message.startsWith(
            QStringLiteral("Kestrava could not save %1.\n").arg(QDir::toNativeSeparators(c.Path))))
            << message.toStdString();
        EXPECT_TRUE(message.contains(c.Reason)) << message.toStdString();
        EXPECT_TRUE(message.endsWith(
            QStringLiteral("Nothing was written; please choose another folder or name.")));
        if (c.Path != folder.path()) {
            EXPECT_FALSE(QFile::exists(c.Path)) << c.Path.toStdString();
        }
        EXPECT_TRUE(QDir(folder.path())
                        .entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden)
                        .isEmpty());
    }
}

} // namespace
