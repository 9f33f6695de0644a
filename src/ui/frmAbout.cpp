// The about box: the program's picture, title and description, a separating line, the link to
// the maker's home page, and OK.
#include "ui/frmAbout.h"

#include "platform/AppInfo.h"
#include "ui/LinkLabel.h"
#include "ui/AppIcon.h"
#include "ui/modHelp.h"

#include <QFrame>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

namespace {

const QString Description =
    QStringLiteral("Kestrava calculates the Lunar Day based on Vedic Astrology. Tithis are said "
                   "to be good or bad and are important in timing of events.");

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

    auto* lblDescription = new QLabel(Description, this);
    lblDescription->setObjectName(QStringLiteral("lblDescription"));
    lblDescription->setWordWrap(true);

    auto* line = new QFrame(this);
    line->setObjectName(QStringLiteral("Line1"));
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);

    lblHomePage = new LinkLabel(
        QStringLiteral("Click here to visit our home page: ") + HomePageAddress(), this);
    lblHomePage->setObjectName(QStringLiteral("lblHomePage"));
    lblHomePage->setAccessibleName(QStringLiteral("Visit our home page"));
    lblHomePage->setAccessibleDescription(HomePageAddress());
    lblHomePage->setToolTip(HomePageAddress());
    lblHomePage->setForegroundRole(QPalette::Link);
    QFont linkFont = lblHomePage->font();
    linkFont.setUnderline(true);
    lblHomePage->setFont(linkFont);
    // Reachable with Tab too; Space or Enter on it opens the page.
    lblHomePage->setFocusPolicy(Qt::TabFocus);
    lblHomePage->installEventFilter(this);
    connect(lblHomePage, &LinkLabel::clicked, this, &frmAbout::lblHomePage_Click);

    cmdOK = new QPushButton(QStringLiteral("OK"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setAccessibleName(QStringLiteral("OK"));
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
    layout->addWidget(cmdOK, 4, 1, Qt::AlignRight);
    layout->setColumnStretch(1, 1);
    layout->setRowStretch(1, 1);
    setMinimumWidth(420);
    setTabOrder(cmdOK, lblHomePage);
    cmdOK->setFocus();
}

void frmAbout::lblHomePage_Click() {
    OpenHomePage(platform_);
}

void frmAbout::cmdOK_Click() {
    accept();
}

bool frmAbout::eventFilter(QObject* watched, QEvent* event) {
    if (watched == lblHomePage && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter) {
            lblHomePage_Click();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}
