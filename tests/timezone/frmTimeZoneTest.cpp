// The time-zone picker driven with real clicks and keys: every row's text and the values its
// double-click writes, the cases that write nothing, and the picker opened from the main window.
#include "timezone/frmTimeZone.h"
#include "support/MainWindowTest.h"
#include "support/WindowDriving.h"
#include "timezone/TimeZoneRows.h"

#include <QCheckBox>
#include <QListWidget>
#include <QPushButton>
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

// Rows of the published table, with the offset's sign reversed and the half hours in minutes of
// the same sign ("Indian Time, IST, +5.3" is five and a half hours east).
TEST(TimeZonePicker, TheZoneTableHoldsThePublishedRows) {
    const struct {
        int row;
        const char* text;
        int hours, minutes;
    } rows[] = {
        {0, "Alaska/Hawaii Daylight Time,AHDT,-9.0", 9, 0},
        {5, "Australian Central Daylight Time,ACDT,+10.5", -10, -30},
        {11, "Azores Time, AT, -2.0", 2, 0},
        {29, "Greenwich Mean Time,GMT,0.0", 0, 0},
        {31, "Hawaiian Daylight Time,HDT,-9.5", 9, 30},
        {34, "Indian Time, IST, +5.3", -5, -30},
        {46, "New Zealand Std Summer Time,NZST,+13.0", -13, 0},
        {50, "Newfoundland Standard Time,NST,-3.5", 3, 30},
        {52, "North Sumatra Time,NST,+6.5", -6, -30},
        {70, "Yukon War Time,YWT,-8.0", 8, 0},
    };
    for (const auto& r : rows) {
        EXPECT_EQ(TimeZoneRows[r.row].text, r.text) << r.row;
        EXPECT_EQ(TimeZoneRows[r.row].hours, r.hours) << r.text;
        EXPECT_EQ(TimeZoneRows[r.row].minutes, r.minutes) << r.text;
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
