// The time-zone picker (a first version: caption and Quit).
#include "timezone/frmTimeZone.h"

#include "app/AppInfo.h"

#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

frmTimeZone::frmTimeZone(QLineEdit* txtZoneHour, QLineEdit* txtZoneMinute, QWidget* parent)
    : QDialog(parent), txtZoneHour_(txtZoneHour), txtZoneMinute_(txtZoneMinute) {
    setObjectName(QStringLiteral("frmTimeZone"));
    setWindowTitle(WindowCaption());
    auto* cmdQuit = new QPushButton(QStringLiteral("&Quit"), this);
    cmdQuit->setObjectName(QStringLiteral("cmdQuit"));
    connect(cmdQuit, &QPushButton::clicked, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(cmdQuit);
}
