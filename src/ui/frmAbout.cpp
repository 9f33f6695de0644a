// SPDX-License-Identifier: MIT
// The about box: the program's picture, title and description, a separating line, the links to
// the maker's home page and to the help, the credit for the place data with the link to its
// licence, Kestrava's own licence, and OK.
#include "ui/frmAbout.h"

#include "places/PlaceDirectory.h"
#include "platform/AppInfo.h"
#include "platform/Platform.h"
#include "ui/AppIcon.h"
#include "ui/LinkLabel.h"
#include "ui/modHelp.h"

#include <QFrame>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QUrl>

frmAbout::frmAbout(Platform& platform, QWidget* parent) : QDialog(parent), platform_(platform) {
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(WindowCaption());
    setModal(true);

    auto* picIcon = new QLabel(this);
    picIcon->setObjectName(QStringLiteral("picIcon"));
    picIcon->setAccessibleName(AppTitle());
    picIcon->setPixmap(KestravaPicture(64, devicePixelRatio()));
    picIcon->setFixedSize(64, 64);

    auto* lblTitle = new QLabel(WindowCaption(), this);
    lblTitle->setObjectName(QStringLiteral("lblTitle"));
    QFont titleFont = lblTitle->font();
    titleFont.setBold(true);
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.4);
    lblTitle->setFont(titleFont);

    auto* lblDescription =
        new QLabel(tr("Kestrava calculates the Lunar Day based on Vedic Astrology. Tithis are said "
                      "to be good or bad and are important in timing of events."),
                   this);
    lblDescription->setObjectName(QStringLiteral("lblDescription"));
    lblDescription->setWordWrap(true);

    auto* line = new QFrame(this);
    line->setObjectName(QStringLiteral("Line1"));
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);

    // A home page on the web shows its address; without one, the link leads to the help's part
    // on Kestrava and its makers.
    const QString homePage = HomePageAddress();
    if (QUrl(homePage).isLocalFile())
        lblHomePage = makeLink(tr("Click here to read about Kestrava and its makers"),
                               QStringLiteral("lblHomePage"), tr("About Kestrava"), homePage);
    else
        lblHomePage = makeLink(tr("Click here to visit our home page: %1").arg(homePage),
                               QStringLiteral("lblHomePage"), tr("Visit our home page"), homePage);
    connect(lblHomePage, &LinkLabel::clicked, this, &frmAbout::lblHomePage_Click);
    lblHelp = makeLink(tr("Read the help: how to fill in the form and what the results mean"),
                       QStringLiteral("lblHelp"), tr("Kestrava Help"), OnlineHelpAddress());
    connect(lblHelp, &LinkLabel::clicked, this, &frmAbout::lblHelp_Click);

    // GeoNames' licence asks for the credit where the places are used.
    auto* lblPlaceData = new QLabel(tr(PlaceDataCredit), this);
    lblPlaceData->setWordWrap(true);
    lblPlaceData->setObjectName(QStringLiteral("lblPlaceData"));
    const QString licence = QLatin1String(PlaceDataLicenceAddress);
    lblPlaceLicence = makeLink(tr("Licence: %1").arg(licence), QStringLiteral("lblPlaceLicence"),
                               tr("Licence of the place data"), licence);
    connect(lblPlaceLicence, &LinkLabel::clicked, this, &frmAbout::lblPlaceLicence_Click);

    // Kestrava's own terms, below the credit for the data it carries.
    auto* lblLicence = new QLabel(
        tr("Kestrava is free software under the MIT licence; the data it carries keep their own "
           "terms, listed in its notices."),
        this);
    lblLicence->setWordWrap(true);
    lblLicence->setObjectName(QStringLiteral("lblLicence"));

    cmdOK = new QPushButton(tr("OK"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setAccessibleName(tr("OK"));
    cmdOK->setDefault(true);
    connect(cmdOK, &QPushButton::clicked, this, &frmAbout::cmdOK_Click);

    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(18, 18, 18, 14);
    layout->setHorizontalSpacing(16);
    layout->setVerticalSpacing(10);
    layout->addWidget(picIcon, 0, 0, 2, 1, Qt::AlignTop);
    layout->addWidget(lblTitle, 0, 1);
    layout->addWidget(lblDescription, 1, 1);
    layout->addWidget(line, 2, 0, 1, 2);
    layout->addWidget(lblHomePage, 3, 0, 1, 2);
    layout->addWidget(lblHelp, 4, 0, 1, 2);
    layout->addWidget(lblPlaceData, 5, 0, 1, 2);
    layout->addWidget(lblPlaceLicence, 6, 0, 1, 2);
    layout->addWidget(lblLicence, 7, 0, 1, 2);
    layout->addWidget(cmdOK, 8, 1, Qt::AlignRight);
    layout->setColumnStretch(1, 1);
    layout->setRowStretch(1, 1);
    setMinimumWidth(420);
    setTabOrder(cmdOK, lblHomePage);
    setTabOrder(lblHomePage, lblHelp);
    setTabOrder(lblHelp, lblPlaceLicence);
    cmdOK->setFocus();
}

// A label that acts as a link to a page: underlined in the link colour, reachable with Tab, and
// opened with Space or Enter as with a click.
LinkLabel* frmAbout::makeLink(const QString& text, const QString& objectName,
                              const QString& accessibleName, const QString& address) {
    auto* link = new LinkLabel(text, this);
    link->setObjectName(objectName);
    link->setAccessibleName(accessibleName);
    link->setAccessibleDescription(address);
    link->setToolTip(address);
    link->setForegroundRole(QPalette::Link);
    QFont linkFont = link->font();
    linkFont.setUnderline(true);
    link->setFont(linkFont);
    link->setFocusPolicy(Qt::TabFocus);
    link->installEventFilter(this);
    return link;
}

void frmAbout::lblHomePage_Click() {
    OpenHomePage(platform_);
}

void frmAbout::lblHelp_Click() {
    OpenOnlineHelp(platform_);
}

void frmAbout::lblPlaceLicence_Click() {
    platform_.openAddress(QLatin1String(PlaceDataLicenceAddress));
}

void frmAbout::cmdOK_Click() {
    accept();
}

bool frmAbout::eventFilter(QObject* watched, QEvent* event) {
    auto* link = qobject_cast<LinkLabel*>(watched);
    if (link && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter) {
            Q_EMIT link->clicked();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}
