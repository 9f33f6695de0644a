// The about box: the program's picture, title and description, a separating line, the link to
// the maker's home page, the credit for the place data with the link to its licence, and OK.
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

namespace {

// A label that opens an address: underlined in the link colour, reachable with Tab.
void LookLikeALink(LinkLabel* label, QObject* keyFilter) {
    label->setForegroundRole(QPalette::Link);
    QFont linkFont = label->font();
    linkFont.setUnderline(true);
    label->setFont(linkFont);
    label->setFocusPolicy(Qt::TabFocus);
    label->installEventFilter(keyFilter);
}

} // namespace

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

    lblHomePage =
        new LinkLabel(tr("Click here to visit our home page: %1").arg(HomePageAddress()), this);
    lblHomePage->setObjectName(QStringLiteral("lblHomePage"));
    lblHomePage->setAccessibleName(tr("Visit our home page"));
    lblHomePage->setAccessibleDescription(HomePageAddress());
    lblHomePage->setToolTip(HomePageAddress());
    // Reachable with Tab too; Space or Enter on it opens the page.
    LookLikeALink(lblHomePage, this);
    connect(lblHomePage, &LinkLabel::clicked, this, &frmAbout::lblHomePage_Click);

    // GeoNames' licence asks for the credit where the places are used.
    auto* lblPlaceData = new QLabel(tr(PlaceDataCredit), this);
    lblPlaceData->setWordWrap(true);
    lblPlaceData->setObjectName(QStringLiteral("lblPlaceData"));
    const QString licence = QLatin1String(PlaceDataLicenceAddress);
    lblPlaceLicence = new LinkLabel(tr("Licence: %1").arg(licence), this);
    lblPlaceLicence->setObjectName(QStringLiteral("lblPlaceLicence"));
    lblPlaceLicence->setAccessibleName(tr("Licence of the place data"));
    lblPlaceLicence->setAccessibleDescription(licence);
    lblPlaceLicence->setToolTip(licence);
    LookLikeALink(lblPlaceLicence, this);
    connect(lblPlaceLicence, &LinkLabel::clicked, this, &frmAbout::lblPlaceLicence_Click);

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
    layout->addWidget(lblPlaceData, 4, 0, 1, 2);
    layout->addWidget(lblPlaceLicence, 5, 0, 1, 2);
    layout->addWidget(cmdOK, 6, 1, Qt::AlignRight);
    layout->setColumnStretch(1, 1);
    layout->setRowStretch(1, 1);
    setMinimumWidth(420);
    setTabOrder(cmdOK, lblHomePage);
    setTabOrder(lblHomePage, lblPlaceLicence);
    cmdOK->setFocus();
}

void frmAbout::lblHomePage_Click() {
    OpenHomePage(platform_);
}

void frmAbout::lblPlaceLicence_Click() {
    platform_.openAddress(QLatin1String(PlaceDataLicenceAddress));
}

void frmAbout::cmdOK_Click() {
    accept();
}

bool frmAbout::eventFilter(QObject* watched, QEvent* event) {
    if ((watched == lblHomePage || watched == lblPlaceLicence) &&
        event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter) {
            if (watched == lblHomePage)
                lblHomePage_Click();
            else
                lblPlaceLicence_Click();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}
