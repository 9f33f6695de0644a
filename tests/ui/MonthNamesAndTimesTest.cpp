// SPDX-License-Identifier: MIT
// The month view's months in both reckonings, remembered; a cell's end of the tithi after
// midnight told with its date; one spelling of a tithi in a cell; the month written once with its
// adhika mark; and the export's folder that exists.
#include "engine/calendar/Calendar.h"
#include "engine/calendar/CalendarExport.h"
#include "support/DelhiDay.h"
#include "support/MainWindowTest.h"
#include "ui/CalendarTexts.h"
#include "ui/Language.h"
#include "ui/Settings.h"
#include "ui/frmMonth.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QCheckBox>
#include <QFileInfo>
#include <QLabel>

namespace {

class MonthNamesAndTimesTest : public MainWindowTest {
protected:
    QString label(QWidget* in, const char* name) {
        return in->findChild<QLabel*>(QLatin1String(name))->text();
    }
};

// January 2024 at Delhi, as published almanacs give it: the amanta Margashirsha until the new
// moon of 11 January, then Pausha; the purnimanta Pausha until the full moon of 25 January, then
// Magha, from the sunrise of the 26th; Vikram 2080, Shaka 1945. Ticked, the view names both and
// marks the purnimanta month where it begins; the choice is remembered for the next view.
TEST_F(MonthNamesAndTimesTest, TheMonthViewNamesThePurnimantaMonthsToo) {
    typeDelhi();
    click("mnuMonthView");
    auto* month = window.findChild<frmMonth*>();
    ASSERT_NE(month, nullptr);
    month->showDate(QDate(2024, 1, 11));
    auto* both = month->findChild<QCheckBox*>(QStringLiteral("chkPurnimanta"));
    ASSERT_NE(both, nullptr);
    EXPECT_FALSE(both->isChecked());
    EXPECT_EQ(label(month, "lblLunarMonths"),
              QString::fromUtf8("Margashirsha – Pausha · Vikram 2080 · Shaka 1945"));
    QTest::mouseClick(both, Qt::LeftButton);
    EXPECT_EQ(label(month, "lblLunarMonths"),
              QString::fromUtf8("amanta Margashirsha – Pausha · purnimanta Pausha – Magha · "
                                "Vikram 2080 · Shaka 1945"));
    const auto* grid = month->findChild<QAbstractItemView*>(QStringLiteral("grdMonth"));
    const int slot = QDate(2024, 1, 1).dayOfWeek() % 7; // the 1st's column
    auto note = [&](int day) {
        const QModelIndex cell = grid->model()->index((slot + day - 1) / 7, (slot + day - 1) % 7);
        return cell.data(Qt::AccessibleTextRole).toString();
    };
    EXPECT_TRUE(note(26).contains(QStringLiteral("the purnimanta month Magha begins")))
        << note(26).toStdString();
    EXPECT_FALSE(note(25).contains(QStringLiteral("purnimanta"))) << note(25).toStdString();
    month->close();

    frmMonth another(platform, &window);
    EXPECT_TRUE(another.findChild<QCheckBox*>(QStringLiteral("chkPurnimanta"))->isChecked());
}

// A date set on the form, not yet calculated, is where the month view opens too.
TEST_F(MonthNamesAndTimesTest, TheMonthViewOpensAtTheFormsDate) {
    typeDelhi();
    set({{"cboMonth", "June"}, {"cboDate", "16"}, {"cboYear", "2024"}});
    click("mnuMonthView");
    auto* month = window.findChild<frmMonth*>();
    ASSERT_NE(month, nullptr);
    EXPECT_EQ(month->chosenDate(), QDate(2024, 6, 16));
    month->close();
}

// Every day of a year at Delhi whose tithi at sunrise ends after midnight says on which date it
// ends, the day after ("until 01:55 on 16 June"); the others give the time alone. The day after
// is the date's successor, whatever the engine's times.
TEST_F(MonthNamesAndTimesTest, ACellsEndAfterMidnightSaysTheNextDate) {
    int afterMidnight = 0;
    for (int m = 1; m <= 12; ++m) {
        const std::vector<CalendarDay> days =
            CalendarMonth(2024, m, Delhi, IndianTime, SkyChoice{});
        for (const CalendarDay& day : days) {
            if (day.Tithi.Spans.empty() || !day.Tithi.Spans.front().EndsWithinDay)
                continue;
            const QString until = DayCellTextsOf(day, false).Until;
            const CivilDate ends = DateOfInstant(day.Tithi.Spans.front().End);
            const QDate date = QDateOf(day.Date);
            SCOPED_TRACE(date.toString(Qt::ISODate).toStdString() + ": " + until.toStdString());
            if (DateKey(ends) == DateKey(day.Date)) {
                EXPECT_FALSE(until.contains(QStringLiteral(" on ")));
            } else {
                ++afterMidnight;
                EXPECT_TRUE(until.endsWith(QStringLiteral(" on %1 %2")
                                               .arg(date.addDays(1).day())
                                               .arg(QLocale().monthName(date.addDays(1).month()))));
            }
        }
    }
    // A tithi lasts about 0.98 days, so roughly one in four ends between midnight and sunrise.
    EXPECT_GT(afterMidnight, 40);
}

// One spelling of each tithi in a cell: the name and the vrata's note agree ("Ekadashi"), as the
// sentence does; the report keeps its own ("EKADASI").
TEST_F(MonthNamesAndTimesTest, ATithiIsSpelledOneWayInACell) {
    // 17 June 2024 at Delhi: Shukla Ekadashi all day (the calendar's engine tests).
    const std::vector<CalendarDay> days = CalendarMonth(2024, 6, Delhi, IndianTime, SkyChoice{});
    const CalendarDay& day = days[16];
    const DayCellTexts cell = DayCellTextsOf(day, false);
    EXPECT_EQ(cell.Name, QStringLiteral("Ekadashi"));
    EXPECT_EQ(VrataText(cell.Vrata), QStringLiteral("Ekadashi"));
    EXPECT_TRUE(DaySentence(day).startsWith(QStringLiteral("Shukla Ekadashi")));
}

// An adhika month is written with one pair of brackets: "Shravana (adhika, amanta)".
TEST_F(MonthNamesAndTimesTest, AnAdhikaMonthIsWrittenOnce) {
    const LunarMonth shravana{4, true};
    const LunarMonth bhadrapada{5, false};
    EXPECT_EQ(MasaReckonedText(shravana, false), QStringLiteral("Shravana (adhika, amanta)"));
    EXPECT_EQ(MasaReckonedText(bhadrapada, true), QStringLiteral("Bhadrapada (purnimanta)"));
    MonthAndYears month;
    month.Amanta = shravana;
    month.Purnimanta = shravana;
    EXPECT_EQ(BothMonthsText(month),
              QString::fromUtf8("Shravana (adhika, amanta) · Shravana (adhika, purnimanta)"));
}

// The export offers a folder that exists: a remembered folder since removed gives way to the
// documents folder, or the home folder where there is none.
TEST_F(MonthNamesAndTimesTest, TheExportOffersAFolderThatExists) {
    typeDelhi();
    UpdateSettings(platform, [](Settings& settings) {
        settings.exportFolder = QStringLiteral("/nonexistent-kestrava-folder");
    });
    platform.saveAnswer.clear(); // cancelled
    WhenModalShown([](QWidget* modal) {
        QTest::mouseClick(modal->findChild<QAbstractButton*>(QStringLiteral("cmdSave")),
                          Qt::LeftButton);
        modal->close();
    });
    click("mnuExportCalendar");
    ASSERT_EQ(platform.saveDialogs.size(), 1);
    const QFileInfo suggested(platform.saveDialogs[0].suggestedPath);
    EXPECT_TRUE(suggested.dir().exists()) << suggested.filePath().toStdString();
}

// Readers whose calendar is solar find its dates beside the lunar months: at Delhi, 1 January
// 2024 is Margazhi 17 of the Tamil calendar (Margazhi began on 16 December 2023, the Sun entering
// Dhanu that afternoon, before sunset) and 31 January is Thai 17 (Thai 1 was Pongal, 15 January);
// in the Bengali calendar, Poush 16 and Magh 16 (1 Magh 1430 was 16 January 2024, the day after
// the Sun's entry into Makara). In English the heading stays the lunar months alone.
TEST_F(MonthNamesAndTimesTest, TamilAndBengaliReadersSeeTheirSolarDates) {
    typeDelhi();
    click("mnuMonthView");
    auto* month = window.findChild<frmMonth*>();
    ASSERT_NE(month, nullptr);
    month->showDate(QDate(2024, 1, 11));
    EXPECT_FALSE(label(month, "lblLunarMonths").contains(QStringLiteral("Margazhi")));
    struct Case {
        Language language;
        const char *first, *last;
    };
    const Case cases[] = {{Language::Tamil, "மார்கழி 17", "தை 17"},
                          {Language::Bengali, "পৌষ ১৬", "মাঘ ১৬"}};
    for (const Case& c : cases) {
        SetLanguage(c.language);
        month->showDate(QDate(2024, 1, 12)); // a new day of the same month: the heading again
        const QString heading = label(month, "lblLunarMonths");
        EXPECT_TRUE(heading.contains(QString::fromUtf8(c.first)) &&
                    heading.contains(QString::fromUtf8(c.last)))
            << heading.toStdString();
    }
    SetLanguage(Language::English);
    month->close();
}

} // namespace
