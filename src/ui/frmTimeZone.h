// SPDX-License-Identifier: MIT
// The time-zone picker: a modal list of named zones that fills the main window's zone boxes.
#pragma once

#include <QDialog>

class QLineEdit;
class QListWidget;
class QPushButton;

class frmTimeZone : public QDialog {
    Q_OBJECT
public:
    // The picker writes a chosen zone into the two boxes it is given and touches nothing else.
    // It is meant to be created for each opening: the list starts with no row selected.
    frmTimeZone(QLineEdit* txtZoneHour, QLineEdit* txtZoneMinute, QWidget* parent = nullptr);

    // A double-click on the list: writes the selected row's hours and minutes, if a row is
    // selected, and closes the picker.
    void lstTimeZone_DblClick();
    // "&Quit": closes the picker and writes nothing.
    void cmdQuit_Click();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Form_Load();
    int SelectedIndex() const;

    QLineEdit* txtZoneHour_;
    QLineEdit* txtZoneMinute_;
    QListWidget* lstTimeZone{};
    QPushButton* cmdQuit{};
};
