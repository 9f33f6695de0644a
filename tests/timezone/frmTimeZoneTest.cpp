// The time-zone picker driven with real clicks and keys: every row's text and the values its
// double-click writes, the cases that write nothing, and the picker opened from the main window.
#include "timezone/frmTimeZone.h"
#include "app/CalculationRecord.h"
#include "app/frmMain.h"
#include "links/WindowDriving.h"
#include "support/FakePlatform.h"
#include "support/QtPrinters.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>
#include <iterator>

namespace {

// The picker's rows as the zone table gives them: the text shown, and the hours and minutes a
// double-click writes (the offset with its sign reversed; "IST, +5.3" is five and a half hours).
const struct {
    const char* text;
    const char* hours;
    const char* minutes;
} ZoneTable[] = {
    {"Alaska/Hawaii Daylight Time,AHDT,-9.0", "9", "0"},
    {"Alaska/Hawaii Standard Time,AHST,-10.0", "10", "0"},
    {"Alaska/Hawaii War Time,AHWT,-9.0", "9", "0"},
    {"Atlantic Standard Time,AST,-4.0", "4", "0"},
    {"Atlantic War Time,AWT,-3.0", "3", "0"},
    {"Australian Central Daylight Time,ACDT,+10.5", "-10", "-30"},
    {"Australian Central Standard Time,ACST,+9.5", "-9", "-30"},
    {"Australian Eastern Daylight Time,AEDT,+11.0", "-11", "0"},
    {"Australian Eastern Standard Time,AEST,+10.0", "-10", "0"},
    {"Australian Western Daylight Time,AWDT,+9.0", "-9", "0"},
    // 10
    {"Australian Western Standard Time,AWST,+8.0", "-8", "0"},
    {"Azores Time, AT, -2.0", "2", "0"},
    {"Baghdad Time, BAT, +3.0", "-3", "0"},
    {"Bering Standard Time,BET,-11.0", "11", "0"},
    {"Brazil Zone 2,BZT2,-3.0", "3", "0"},
    {"British Double Summer Time,BDST,+2.0", "-2", "0"},
    {"British Summer Time,BST,+1.0", "-1", "0"},
    {"British War Time,BWT,+2.0", "-2", "0"},
    {"Central Daylight Time,CDT,-5.0", "5", "0"},
    {"Central European Daylight,CED,+2.0", "-2", "0"},
    // 20
    {"Central European Time,CET,+1.0", "-1", "0"},
    {"Central Standard Time,CST,-6.0", "6", "0"},
    {"Central War Time,CWT,-5.0", "5", "0"},
    {"China Coast Time,CCT,+8.0", "-8", "0"},
    {"Eastern Daylight Time,EDT,-4.0", "4", "0"},
    {"Eastern European Daylight Time,EED,+3.0", "-3", "0"},
    {"Eastern European Time,EET,+2.0", "-2", "0"},
    {"Eastern Standard Time,EST,-5.0", "5", "0"},
    {"Eastern War Time,EWT,-4.0", "4", "0"},
    {"Greenwich Mean Time,GMT,0.0", "0", "0"},
    // 30
    {"Guam Standard Time,GST,+10.0", "-10", "0"},
    {"Hawaiian Daylight Time,HDT,-9.5", "9", "30"},
    {"Hawaiian Standard Time,HST,-10.5", "10", "30"},
    {"Hawaiian War Time,HWT,-9.5", "9", "30"},
    {"Indian Time, IST, +5.3", "-5", "-30"},
    {"Int'l Date Line East,IDLE,+12.0", "-12", "0"},
    {"Int'l Date Line West,IDLW,-12.0", "12", "0"},
    {"Iran Time, IT, +3.5", "-3", "-30"},
    {"Japan Standard Time,JST,+9.0", "-9", "0"},
    {"Java Time, JT, +7.5", "-7", "-30"},
    // 40
    {"Middle European Daylight Time,MED,+2.0", "-2", "0"},
    {"Middle European Time,MET,+1.0", "-1", "0"},
    {"Moluccas Time, MT, +8.5", "-8", "-30"},
    {"Mountain Daylight Time,MDT,-6.0", "6", "0"},
    {"Mountain Standard Time,MST,-7.0", "7", "0"},
    {"Mountain War Time,MWT,-6.0", "6", "0"},
    {"New Zealand Std Summer Time,NZST,+13.0", "-13", "0"},
    {"New Zealand Std Time,NZT,+12.0", "-12", "0"},
    {"New Zealand Summer Time,NZS,+12.5", "-12", "-30"},
    {"New Zealand Time,NZ,+11.5", "-11", "-30"},
    // 50
    {"Newfoundland Standard Time,NST,-3.5", "3", "30"},
    {"Nome Time, NT, -11.0", "11", "0"},
    {"North Sumatra Time,NST,+6.5", "-6", "-30"},
    {"Pacific Daylight Time,PDT,-7.0", "7", "0"},
    {"Pacific Standard Time,PST,-8.0", "8", "0"},
    {"Pacific War Time,PWT,-7.0", "7", "0"},
    {"South Australia Daylight Time,SAD,+10.5", "-10", "-30"},
    {"South Australia Daylight Time,SDT,+10.5", "-10", "-30"},
    {"South Australia Standard Time,SAST,+9.5", "-9", "-30"},
    {"South Australia Standard Time,SAT,+9.5", "-9", "-30"},
    // 60
    {"South Sumatra Time,SST,+7.0", "-7", "0"},
    {"Universal Time, UT, 0.0", "0", "0"},
    {"USSR Zone 10,UZ10,+11.0", "-11", "0"},
    {"USSR Zone 3,USZ3,+4.0", "-4", "0"},
    {"USSR Zone 4,USZ4,+5.0", "-5", "0"},
    {"USSR Zone 5,USZ5,+6.0", "-6", "0"},
    {"USSR Zone 6,USZ6,+7.0", "-7", "0"},
    {"West Africa Time,WAT,-1.0", "1", "0"},
    {"Yukon Daylight Time,YDT,-8.0", "8", "0"},
    {"Yukon Standard Time,YST,-9.0", "9", "0"},
    // 70
    {"Yukon War Time,YWT,-8.0", "8", "0"},
};

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

class TimeZonePickerTest : public ::testing::Test {
protected:
    void SetUp() override {
        picker.show();
        picker.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&picker));
    }

    QLineEdit txtZoneHour{QStringLiteral("before")};
    QLineEdit txtZoneMinute{QStringLiteral("before too")};
    frmTimeZone picker{&txtZoneHour, &txtZoneMinute};
    QListWidget* list = ListOf(&picker);
};

TEST(TimeZonePicker, ListsEveryRowAndWritesItsValuesOnADoubleClick) {
    ASSERT_EQ(std::size(ZoneTable), 71u);
    for (int row = 0; row < int(std::size(ZoneTable)); ++row) {
        // Long earlier texts are replaced whole.
        QLineEdit txtZoneHour(QStringLiteral("123456789"));
        QLineEdit txtZoneMinute(QStringLiteral("-"));
        frmTimeZone picker(&txtZoneHour, &txtZoneMinute);
        picker.show();
        QListWidget* list = ListOf(&picker);
        ASSERT_EQ(list->count(), 71);
        EXPECT_EQ(list->item(row)->text(), QString::fromUtf8(ZoneTable[row].text)) << "row " << row;

        DoubleClickRow(list, row);
        EXPECT_EQ(txtZoneHour.text(), QLatin1String(ZoneTable[row].hours))
            << "row " << row << ": " << ZoneTable[row].text;
        EXPECT_EQ(txtZoneMinute.text(), QLatin1String(ZoneTable[row].minutes))
            << "row " << row << ": " << ZoneTable[row].text;
        EXPECT_FALSE(picker.isVisible()) << "row " << row;
        EXPECT_EQ(picker.result(), QDialog::Accepted);
    }
}

TEST_F(TimeZonePickerTest, OpensWithTheCaptionAndNothingSelected) {
    EXPECT_EQ(picker.windowTitle(), QStringLiteral("Kestrava v1.15"));
    EXPECT_TRUE(picker.isModal());
    EXPECT_TRUE(list->selectedItems().isEmpty());
    auto* cmdQuit = picker.findChild<QPushButton*>(QStringLiteral("cmdQuit"));
    ASSERT_NE(cmdQuit, nullptr);
    EXPECT_EQ(cmdQuit->text(), QStringLiteral("&Quit"));
    EXPECT_EQ(cmdQuit->accessibleName(), QStringLiteral("Quit"));
    EXPECT_FALSE(list->accessibleName().isEmpty());
}

TEST_F(TimeZonePickerTest, ADoubleClickWithNothingSelectedWritesNothingAndCloses) {
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, RowCentre(list, 3));
    EXPECT_EQ(txtZoneHour.text(), QStringLiteral("before"));
    EXPECT_EQ(txtZoneMinute.text(), QStringLiteral("before too"));
    EXPECT_FALSE(picker.isVisible());
}

TEST_F(TimeZonePickerTest, QuitClosesAndWritesNothing) {
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, RowCentre(list, 34));
    QTest::mouseClick(picker.findChild<QPushButton*>(QStringLiteral("cmdQuit")), Qt::LeftButton);
    EXPECT_EQ(txtZoneHour.text(), QStringLiteral("before"));
    EXPECT_EQ(txtZoneMinute.text(), QStringLiteral("before too"));
    EXPECT_FALSE(picker.isVisible());
    EXPECT_EQ(picker.result(), QDialog::Rejected);
}

TEST_F(TimeZonePickerTest, QuitByItsMnemonicClosesToo) {
    QTest::keyClick(list, Qt::Key_Q, Qt::AltModifier);
    // A mnemonic presses its button visibly, and the click follows a moment later.
    EXPECT_TRUE(QTest::qWaitFor([this] { return !picker.isVisible(); }));
    EXPECT_EQ(txtZoneHour.text(), QStringLiteral("before"));
}

TEST_F(TimeZonePickerTest, ASingleClickOrTheArrowKeysSelectButWriteNothing) {
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, RowCentre(list, 34));
    EXPECT_EQ(list->currentRow(), 34);
    QTest::keyClick(list, Qt::Key_Down);
    QTest::keyClick(list, Qt::Key_Down);
    QTest::keyClick(list, Qt::Key_Up);
    EXPECT_EQ(list->selectedItems().value(0), list->item(35));
    EXPECT_EQ(txtZoneHour.text(), QStringLiteral("before"));
    EXPECT_EQ(txtZoneMinute.text(), QStringLiteral("before too"));
    EXPECT_TRUE(picker.isVisible());
}

TEST_F(TimeZonePickerTest, EnterOnASelectedRowChoosesItLikeADoubleClick) {
    QTest::keyClick(list, Qt::Key_Return); // nothing selected yet: nothing happens
    EXPECT_TRUE(picker.isVisible());
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, RowCentre(list, 50));
    QTest::keyClick(list, Qt::Key_Return);
    EXPECT_EQ(txtZoneHour.text(), QStringLiteral("3"));
    EXPECT_EQ(txtZoneMinute.text(), QStringLiteral("30"));
    EXPECT_FALSE(picker.isVisible());
}

TEST(TimeZonePickerFromTheMainWindow, WritesTheZoneLeavesDaylightSavingAloneAndReopensAfresh) {
    FakePlatform platform;
    CalculationRecord record;
    frmMain window(record, platform);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    auto* chkDST = window.findChild<QCheckBox*>(QStringLiteral("chkDST"));
    auto* lblTZHelp = window.findChild<QLabel*>(QStringLiteral("lblTZHelp"));
    auto* txtZoneHour = window.findChild<QLineEdit*>(QStringLiteral("txtZoneHour"));
    auto* txtZoneMinute = window.findChild<QLineEdit*>(QStringLiteral("txtZoneMinute"));
    ASSERT_TRUE(chkDST && lblTZHelp && txtZoneHour && txtZoneMinute);

    for (const bool daylightSaving : {true, false}) {
        chkDST->setChecked(daylightSaving);
        // "Eastern Daylight Time,EDT,-4.0", then "Indian Time, IST, +5.3".
        for (const int row : {24, 34}) {
            bool sawPicker = false;
            WhenModalShown([&](QWidget* modal) {
                sawPicker = modal->objectName() == QStringLiteral("frmTimeZone");
                QListWidget* list = ListOf(modal);
                if (!list) {
                    modal->close();
                    return;
                }
                EXPECT_EQ(list->count(), 71);
                EXPECT_TRUE(list->selectedItems().isEmpty()) << "a choice was kept";
                DoubleClickRow(list, row);
            });
            QTest::mouseClick(lblTZHelp, Qt::LeftButton);
            EXPECT_TRUE(sawPicker);
            EXPECT_EQ(txtZoneHour->text(), QLatin1String(ZoneTable[row].hours));
            EXPECT_EQ(txtZoneMinute->text(), QLatin1String(ZoneTable[row].minutes));
            EXPECT_EQ(chkDST->isChecked(), daylightSaving);
            // The picker is gone once it is closed.
            EXPECT_EQ(window.findChild<frmTimeZone*>(), nullptr);
        }
    }
}

} // namespace
