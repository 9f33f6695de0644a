// SPDX-License-Identifier: MIT
// The festivals in the windows, driven as a user drives them: the month view's cells and the
// remembered tradition, the festivals of the year and the search by name, the day's window, and
// the finder's search for a festival.
#include "support/CalendarWindowsTest.h"
#include "ui/Settings.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>
#include <QTreeWidget>

namespace {

// The month view names each day's festivals: Diwali on 31 October 2024 at Delhi (the holiday
// list's day), with its rule for a screen reader and in the tooltip; the Vaishnava observance,
// chosen and remembered, moves Janmashtami 2023 from 6 to 7 September, as the almanacs have it.
TEST_F(CalendarWindowsTest, TheMonthViewNamesTheFestivalsByTheChosenTradition) {
    typeDelhi();
    frmMonth* month = openMonthView();
    ASSERT_NE(month, nullptr);
    month->showDate(QDate(2024, 10, 31));
    const QString diwali = cellDescription(month, QDate(2024, 10, 31));
    EXPECT_TRUE(diwali.contains(QStringLiteral("; Diwali (Lakshmi Puja): Kartika Amavasya "
                                               "(purnimanta) at dusk (pradosha")))
        << diwali.toStdString();
    QTableView* view = grid(month);
    const QModelIndex cell = view->currentIndex();
    EXPECT_TRUE(view->model()->data(cell, Qt::ToolTipRole).toString().contains(
        QStringLiteral("Naraka Chaturdashi")));
    EXPECT_FALSE(cellDescription(month, QDate(2024, 10, 30)).contains(QStringLiteral("Diwali")));

    auto* vaishnava = month->findChild<QCheckBox*>(QStringLiteral("chkVaishnava"));
    ASSERT_NE(vaishnava, nullptr);
    EXPECT_EQ(vaishnava->accessibleName(), QStringLiteral("Vaishnava Observance"));
    EXPECT_FALSE(vaishnava->isChecked());
    month->showDate(QDate(2023, 9, 1));
    EXPECT_TRUE(cellDescription(month, QDate(2023, 9, 6)).contains(QStringLiteral("Janmashtami")));
    QTest::mouseClick(vaishnava, Qt::LeftButton);
    EXPECT_TRUE(vaishnava->isChecked());
    EXPECT_FALSE(cellDescription(month, QDate(2023, 9, 6)).contains(QStringLiteral("Janmashtami")));
    EXPECT_TRUE(cellDescription(month, QDate(2023, 9, 7)).contains(QStringLiteral("Janmashtami")));
    EXPECT_EQ(ReadSettings(platform).tradition, QStringLiteral("vaishnava"));
}


// The festivals of the year at the form's place, from the Calendar menu: the year of today
// (2026 by the platform's clock) has Holi, Diwali and the rest; typing a name keeps its days
// (Diwali, 8 November 2026, as the holiday list has it); Enter shows the day in the month view.
// The day's window lists the day's festivals too.
TEST_F(CalendarWindowsTest, TheFestivalsOfTheYearAndTheSearchByName) {
    typeDelhi();
    QStringList rows;
    int all = 0;
    WhenModalActive([&rows, &all](QWidget* modal) {
        auto* list = modal->findChild<QTreeWidget*>(QStringLiteral("lstFestivals"));
        all = list->topLevelItemCount();
        QTest::keyClicks(modal->findChild<QLineEdit*>(QStringLiteral("txtFestivalSearch")),
                         QStringLiteral("diwali"));
        for (int k = 0; k < list->topLevelItemCount(); ++k)
            rows << list->topLevelItem(k)->text(0) + QLatin1Char('|') +
                        list->topLevelItem(k)->text(1);
        QTest::keyClick(list, Qt::Key_Return);
    });
    click("mnuFestivals");
    // About 40 festivals, 24 or 26 Ekadashis and 12 sankrantis.
    EXPECT_GT(all, 70);
    EXPECT_EQ(rows, QStringList{"Sun 8 Nov 2026|Diwali (Lakshmi Puja)"});
    frmMonth* month = window.findChild<frmMonth*>();
    ASSERT_NE(month, nullptr);
    EXPECT_EQ(month->chosenDate(), QDate(2026, 11, 8));

    QString festivals, solar;
    WhenModalShown([&festivals, &solar](QWidget* modal) {
        if (auto* label = modal->findChild<QLabel*>(QStringLiteral("lblDayFestivals")))
            festivals = label->text();
        if (auto* label = modal->findChild<QLabel*>(QStringLiteral("lblDaySolarDates")))
            solar = label->text();
        modal->close();
    });
    month->openDay();
    EXPECT_TRUE(festivals.contains(QStringLiteral("Diwali (Lakshmi Puja): Kartika Amavasya")))
        << festivals.toStdString();
    // 8 November 2026 in the solar calendars: the Sun enters Tula on 17 October at 19:51 in
    // India (the Swiss Ephemeris), after Delhi's sunset, so that Aippasi, Thulam and Kartik begin
    // on the 18th and the Odia Kartika, on the day of the entry, on the 17th.
    EXPECT_EQ(solar, QStringLiteral("Tamil: Aippasi 22 · Malayalam: Thulam 22 · Bengali: Kartik "
                                    "22 · Odia: Kartika 23"));
}


// The finder finds a festival by its name, typed in part: Ganesha Chaturthi's next three days
// from 1 January 2024 at Delhi, as the holiday lists have them (7 September 2024, 27 August
// 2025, 14 September 2026).
TEST_F(CalendarWindowsTest, TheFinderFindsAFestivalByName) {
    typeDelhi();
    QStringList rows;
    WhenModalActive([&rows](QWidget* modal) {
        modal->findChild<QDateEdit*>(QStringLiteral("dteFrom"))->setDate(QDate(2024, 1, 1));
        modal->findChild<QSpinBox*>(QStringLiteral("spnCount"))->setValue(3);
        auto* festival = modal->findChild<QComboBox*>(QStringLiteral("cboFestival"));
        festival->setFocus();
        festival->lineEdit()->selectAll();
        QTest::keyClicks(festival->lineEdit(), QStringLiteral("ganesha"));
        QTest::mouseClick(modal->findChild<QAbstractButton*>(QStringLiteral("cmdFindFestival")),
                          Qt::LeftButton);
        auto* results = modal->findChild<QTreeWidget*>(QStringLiteral("lstResults"));
        for (int k = 0; k < results->topLevelItemCount(); ++k)
            rows << results->topLevelItem(k)->text(0) + QLatin1Char('|') +
                        results->topLevelItem(k)->text(1);
        modal->close();
    });
    click("mnuFindTithi");
    EXPECT_EQ(rows, QStringList({"Sat 7 Sep 2024|Ganesha Chaturthi",
                                 "Wed 27 Aug 2025|Ganesha Chaturthi",
                                 "Mon 14 Sep 2026|Ganesha Chaturthi"}));
}

} // namespace
