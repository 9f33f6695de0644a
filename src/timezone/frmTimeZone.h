// The time-zone picker: a modal list of named zones that fills the main window's zone boxes.
#pragma once

#include <QDialog>

class QLineEdit;

class frmTimeZone : public QDialog {
    Q_OBJECT
public:
    frmTimeZone(QLineEdit* txtZoneHour, QLineEdit* txtZoneMinute, QWidget* parent = nullptr);

private:
    QLineEdit* txtZoneHour_;
    QLineEdit* txtZoneMinute_;
};
