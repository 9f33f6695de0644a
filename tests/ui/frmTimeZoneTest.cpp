// SPDX-License-Identifier: MIT
// The time-zone picker driven with real clicks and keys: every row's text and the values its
// double-click writes, the cases that write nothing, and the picker opened from the main window.
#include "ui/frmTimeZone.h"
#include "engine/time/TimeZoneRows.h"
#include "support/MainWindowTest.h"
#include "support/WindowDriving.h"

#include <QCheckBox>
#include <QListWidget>
#include <QPushButton>
#include <cmath>
#include <iterator>
#include <memory>

namespace {

QListWidget* ListOf(QWidget* picker) {
    return picker->findChild<QListWidget*>(QStringLiteral("lstTimeZone"));
}

QPoint RowCentre(QListWidget* list, int row) {
    list->scrollToItem(list->item(row));
    return list->visualItemRect(list->item(row)).center();
}

// A double-click as the mouse gives it: the first click selects the row, the second is the
// double-click.
void DoubleClickRow(QListWidget* list, int row) {
    const QPoint at = RowCentre(list, row);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
}

// The picker lists every row of the zone table and writes its values when the row is chosen with
// a double-click, or with Enter once a click has selected it.
TEST(TimeZonePicker, ListsEveryRowAndWritesItsValuesWhenChosen) {
    ASSERT_EQ(std::size(TimeZoneRows), 71u);
    for (int row = 0; row < 71; ++row) {
        // Long earlier texts are replaced whole.
        QLineEdit txtZoneHour(QStringLiteral("123456789")), txtZoneMinute(QStringLiteral("-"));
        frmTimeZone picker(&txtZoneHour, &txtZoneMinute);
        picker.show();
        QListWidget* list = ListOf(&picker);
        ASSERT_EQ(list->count(), 71);
        const QString text =
            QString::fromUtf8(TimeZoneRows[row].text.data(), TimeZoneRows[row].text.size());
        EXPECT_EQ(list->item(row)->text(), text) << row;
        if (row % 2 == 0) {
            DoubleClickRow(list, row);
        } else {
            QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, RowCentre(list, row));
            QTest::keyClick(list, Qt::Key_Return);
        }
        EXPECT_EQ(QStringList({txtZoneHour.text(), txtZoneMinute.text()}),
                  QStringList({QString::number(TimeZoneRows[row].hours),
                               QString::number(TimeZoneRows[row].minutes)}))
            << "row " << row << ": " << text.toStdString();
        EXPECT_FALSE(picker.isVisible()) << row;
        EXPECT_EQ(picker.result(), QDialog::Accepted);
    }
}

// The published table of zones, typed out on its own: each row's text, and the values that follow
// from its offset: the sign reversed, whole hours, a half hour as 30 minutes of the same sign;
// "Indian Time, IST, +5.3" is five and a half hours east.
TEST(TimeZonePicker, TheZoneTableHoldsThePublishedRows) {
    const char* const published[] = {
        "Alaska/Hawaii Daylight Time,AHDT,-9.0",
        "Alaska/Hawaii Standard Time,AHST,-10.0",
        "Alaska/Hawaii War Time,AHWT,-9.0",
        "Atlantic Standard Time,AST,-4.0",
        "Atlantic War Time,AWT,-3.0",
        "Australian Central Daylight Time,ACDT,+10.5",
        "Australian Central Standard Time,ACST,+9.5",
        "Australian Eastern Daylight Time,AEDT,+11.0",
        "Australian Eastern Standard Time,AEST,+10.0",
        "Australian Western Daylight Time,AWDT,+9.0",
        "Australian Western Standard Time,AWST,+8.0",
        "Azores Time, AT, -2.0",
        "Baghdad Time, BAT, +3.0",
        "Bering Standard Time,BET,-11.0",
        "Brazil Zone 2,BZT2,-3.0",
        "British Double Summer Time,BDST,+2.0",
        "British Summer Time,BST,+1.0",
        "British War Time,BWT,+2.0",
        "Central Daylight Time,CDT,-5.0",
        "Central European Daylight,CED,+2.0",
        "Central European Time,CET,+1.0",
        "Central Standard Time,CST,-6.0",
        "Central War Time,CWT,-5.0",
        "China Coast Time,CCT,+8.0",
        "Eastern Daylight Time,EDT,-4.0",
        "Eastern European Daylight Time,EED,+3.0",
        "Eastern European Time,EET,+2.0",
        "Eastern Standard Time,EST,-5.0",
        "Eastern War Time,EWT,-4.0",
        "Greenwich Mean Time,GMT,0.0",
        "Guam Standard Time,GST,+10.0",
        "Hawaiian Daylight Time,HDT,-9.5",
        "Hawaiian Standard Time,HST,-10.5",
        "Hawaiian War Time,HWT,-9.5",
        "Indian Time, IST, +5.3",
        "Int'l Date Line East,IDLE,+12.0",
        "Int'l Date Line West,IDLW,-12.0",
        "Iran Time, IT, +3.5",
        "Japan Standard Time,JST,+9.0",
        "Java Time, JT, +7.5",
        "Middle European Daylight Time,MED,+2.0",
        "Middle European Time,MET,+1.0",
        "Moluccas Time, MT, +8.5",
        "Mountain Daylight Time,MDT,-6.0",
        "Mountain Standard Time,MST,-7.0",
        "Mountain War Time,MWT,-6.0",
        "New Zealand Std Summer Time,NZST,+13.0",
        "New Zealand Std Time,NZT,+12.0",
        "New Zealand Summer Time,NZS,+12.5",
        "New Zealand Time,NZ,+11.5",
        "Newfoundland Standard Time,NST,-3.5",
        "Nome Time, NT, -11.0",
        "North Sumatra Time,NST,+6.5",
        "Pacific Daylight Time,PDT,-7.0",
        "Pacific Standard Time,PST,-8.0",
        "Pacific War Time,PWT,-7.0",
        "South Australia Daylight Time,SAD,+10.5",
        "South Australia Daylight Time,SDT,+10.5",
        "South Australia Standard Time,SAST,+9.5",
        "South Australia Standard Time,SAT,+9.5",
        "South Sumatra Time,SST,+7.0",
        "Universal Time, UT, 0.0",
        "USSR Zone 10,UZ10,+11.0",
        "USSR Zone 3,USZ3,+4.0",
        "USSR Zone 4,USZ4,+5.0",
        "USSR Zone 5,USZ5,+6.0",
        "USSR Zone 6,USZ6,+7.0",
        "West Africa Time,WAT,-1.0",
        "Yukon Daylight Time,YDT,-8.0",
        "Yukon Standard Time,YST,-9.0",
        "Yukon War Time,YWT,-8.0",
    };
    ASSERT_EQ(std::size(published), std::size(TimeZoneRows));
    for (std::size_t row = 0; row < std::size(published); ++row) {
        const QString text = QLatin1String(published[row]);
        EXPECT_EQ(TimeZoneRows[row].text, published[row]) << row;
        const QString offset = text.section(QLatin1Char(','), -1).trimmed();
        const double hoursEast = offset == QStringLiteral("+5.3") ? 5.5 : offset.toDouble();
        const int hours = -static_cast<int>(hoursEast);
        const int minutes =
            -static_cast<int>(std::lround((hoursEast - static_cast<int>(hoursEast)) * 60));
        EXPECT_EQ(TimeZoneRows[row].hours, hours) << published[row];
        EXPECT_EQ(TimeZoneRows[row].minutes, minutes) << published[row];
    }
}

// A double-click with nothing selected closes the picker, and so does Quit; a single click, the
// arrow keys, and Enter with nothing selected leave it open. None of them writes anything.
TEST(TimeZonePicker, WritesNothingUnlessARowIsChosen) {
    QLineEdit txtZoneHour, txtZoneMinute;
    auto open = [&] {
        txtZoneHour.setText(QStringLiteral("before"));
        txtZoneMinute.setText(QStringLiteral("too"));
        auto picker = std::make_unique<frmTimeZone>(&txtZoneHour, &txtZoneMinute);
        picker->show();
        EXPECT_TRUE(ListOf(picker.get())->selectedItems().isEmpty());
        return picker;
    };
    auto untouched = [&] {
        return QStringList({txtZoneHour.text(), txtZoneMinute.text()}) ==
               QStringList({"before", "too"});
    };
    auto picker = open();
    QListWidget* list = ListOf(picker.get());
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, RowCentre(list, 3));
    EXPECT_TRUE(untouched());
    EXPECT_FALSE(picker->isVisible());

    picker = open();
    list = ListOf(picker.get());
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, RowCentre(list, 34));
    QTest::mouseClick(picker->findChild<QPushButton*>(QStringLiteral("cmdQuit")), Qt::LeftButton);
    EXPECT_TRUE(untouched());
    EXPECT_FALSE(picker->isVisible());

    picker = open();
    list = ListOf(picker.get());
    QTest::keyClick(list, Qt::Key_Return);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, RowCentre(list, 34));
    EXPECT_EQ(list->currentRow(), 34);
    for (const Qt::Key key : {Qt::Key_Down, Qt::Key_Down, Qt::Key_Up})
        QTest::keyClick(list, key);
    EXPECT_EQ(list->selectedItems().value(0), list->item(35));
    EXPECT_TRUE(untouched());
    EXPECT_TRUE(picker->isVisible());
}

// From the main window: the picker writes the zone, leaves daylight saving alone, opens afresh
// each time with nothing selected, and is gone once it is closed.
TEST_F(MainWindowTest, TheTimeZonePickerWritesTheZoneAndLeavesDaylightSavingAlone) {
    // "Eastern Daylight Time,EDT,-4.0", then "Indian Time, IST, +5.3".
    for (const auto& [row, daylightSaving] : {std::pair{24, true}, {34, false}}) {
        find<QCheckBox>("chkDST")->setChecked(daylightSaving);
        bool sawPicker = false;
        WhenModalShown([&, row = row](QWidget* modal) {
            QListWidget* list = ListOf(modal);
            if (!(sawPicker = list && modal->objectName() == QStringLiteral("frmTimeZone")))
                return void(modal->close());
            EXPECT_EQ(list->count(), 71);
            EXPECT_TRUE(list->selectedItems().isEmpty()) << "a choice was kept";
            DoubleClickRow(list, row);
        });
        click("lblTZHelp");
        EXPECT_TRUE(sawPicker);
        EXPECT_EQ(QStringList({box("txtZoneHour")->text(), box("txtZoneMinute")->text()}),
                  QStringList({QString::number(TimeZoneRows[row].hours),
                               QString::number(TimeZoneRows[row].minutes)}));
        EXPECT_EQ(find<QCheckBox>("chkDST")->isChecked(), daylightSaving);
        EXPECT_EQ(window.findChild<frmTimeZone*>(), nullptr);
    }
}

} // namespace
