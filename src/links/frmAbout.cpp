// The about box (a first version: caption and OK).
#include "links/frmAbout.h"

#include "app/AppInfo.h"

#include <QPushButton>
#include <QVBoxLayout>

frmAbout::frmAbout(Platform& platform, QWidget* parent) : QDialog(parent), platform_(platform) {
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(WindowCaption());
    auto* cmdOK = new QPushButton(QStringLiteral("OK"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    connect(cmdOK, &QPushButton::clicked, this, &QDialog::accept);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(cmdOK);
}
