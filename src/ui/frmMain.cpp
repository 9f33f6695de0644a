// SPDX-License-Identifier: MIT
// The main window: the banner, the menus and the two panels, the links, the picker and the about
// box. The Calculate flow is in frmMainCalculate.cpp, the File menu's home place in
// frmMainHome.cpp.
#include "ui/frmMain.h"

#include "engine/report/CalculationRecord.h"
#include "engine/report/TithiDay.h"
#include "places/NamedZoneClock.h"
#include "platform/AppInfo.h"
#include "platform/Platform.h"
#include "ui/CalendarMenu.h"
#include "ui/DayPanel.h"
#include "ui/FormMessages.h"
#include "ui/HomePlace.h"
#include "ui/InputPanel.h"
#include "ui/Language.h"
#include "ui/LinkLabel.h"
#include "ui/NamedZoneInput.h"
#include "ui/PlaceCompleter.h"
#include "ui/ReportTexts.h"
#include "ui/ResultPanel.h"
#include "ui/Settings.h"
#include "ui/SkyMenu.h"
#include "ui/WindowFit.h"
#include "ui/frmAbout.h"
#include "ui/frmTimeZone.h"
#include "ui/modHelp.h"

#include <QActionGroup>
#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QDate>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QStackedLayout>
#include <QVBoxLayout>

namespace {

// The size of the window's client area: 7275 x 5790 twips, 15 twips to a pixel.
constexpr int ClientWidth = 7275 / 15;
constexpr int ClientHeight = 5790 / 15;

} // namespace

frmMain::frmMain(CalculationRecord& record, Platform& platform, QWidget* parent)
    : QMainWindow(parent), record_(record), platform_(platform) {
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(WindowCaption());
    createWidgets();
    createMenus();
    createLayout();
    createConnections();
    Form_Load();
}

void frmMain::createWidgets() {
    Label10 = new LinkLabel(AppTitle());
    Label10->setObjectName(QStringLiteral("Label10"));
    texts_.add([this] { Label10->setAccessibleName(tr("Visit Us Online")); });
    Label10->setToolTip(HomePageAddress());
    QFont bannerFont = Label10->font();
    bannerFont.setPointSizeF(bannerFont.pointSizeF() * 1.6);
    bannerFont.setBold(true);
    Label10->setFont(bannerFont);
    fraMain = new InputPanel;
    fraResult = new ResultPanel;
    // The day's panchanga below the tithi's lines, then the zone the results were read on.
    dayPanel = new DayPanel;
    fraResult->startGroup();
    fraResult->addSection(dayPanel);
    fraResult->startGroup();
    lblResultZone = fraResult->addLine(QStringLiteral("lblResultZone"), QString(),
                                       ResultPanel::Emphasis::Plain);
    texts_.add([this] { lblResultZone->setAccessibleName(tr("Time Zone of the Results")); });
    namedZone = new NamedZoneInput(*fraMain, this);
}

void frmMain::createMenus() {
    auto menu = [this](const char* text, const char* name) {
        QMenu* created = menuBar()->addMenu(QString());
        created->setObjectName(QLatin1String(name));
        texts_.add([created, text] { created->setTitle(tr(text)); });
        return created;
    };
    auto entry = [this](QMenu* in, const char* text, const char* name) {
        QAction* action = in->addAction(QString());
        action->setObjectName(QLatin1String(name));
        texts_.add([action, text] { action->setText(tr(text)); });
        return action;
    };
    QMenu* mnuFile = menu(QT_TR_NOOP("&File"), "mnuFile");
    mnuCalculate = entry(mnuFile, QT_TR_NOOP("&Calculate"), "mnuCalculate");
    createHomeMenuEntries(mnuFile);
    mnuFile->addSeparator();
    mnuQuit = entry(mnuFile, QT_TR_NOOP("&Quit"), "mnuQuit");
    mnuQuit->setShortcut(QKeySequence::Quit);
    // Ctrl+Q on every desktop, Windows included, where the standard key for quitting is none.
    if (mnuQuit->shortcut().isEmpty())
        mnuQuit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));

    // The calendar's windows, at the place and zone of the form.
    calendar_ = new CalendarMenu(
        platform_, this,
        [this] {
            const NamedZoneClock* zone = namedZone->clock();
            PlaceOrProblem place =
                PlaceOfForm(*fraMain, zone ? std::make_shared<NamedZoneClock>(*zone) : nullptr,
                            namedZone->exactPlace());
            if (auto* found = std::get_if<CalendarPlace>(&place))
                found->Sky = sky_->choice();
            return place;
        },
        [this] { cmdBack_Click(); });
    // The form's date: the one its lists hold once the user has set one or calculated (the
    // lists open on 1 January 1901, which is nobody's choice), else the one last calculated.
    calendar_->setFormDate([this] {
        const QDate listed(fraMain->cboYear->currentText().toInt(),
                           fraMain->cboMonth->currentIndex() + 1,
                           fraMain->cboDate->currentIndex() + 1);
        if (listed.isValid() && (reportShown_ || listed != QDate(1901, 1, 1)))
            return listed;
        return reportShown_ ? QDate(record_.BirthYear, record_.BirthMonth, record_.BirthDay)
                            : QDate();
    });
    QMenu* mnuCalendar = menu(QT_TR_NOOP("&Calendar"), "mnuCalendar");
    calendar_->populate(mnuCalendar);

    // The ephemeris and the ayanamsa: every calculation from now on takes them.
    QMenu* mnuOptions = menu(QT_TR_NOOP("&Options"), "mnuOptions");
    sky_ = new SkyMenu(platform_, this);
    sky_->populate(mnuOptions, texts_);

    // The languages, each named in its own: the choice applies at once and is remembered.
    QMenu* mnuLanguage = menu(QT_TR_NOOP("&Language"), "mnuLanguage");
    auto* languages = new QActionGroup(this);
    for (const LanguageRow& row : Languages()) {
        const QString name = QString::fromUtf8(row.ownName);
        QAction* entry =
            mnuLanguage->addAction(row.language == Language::English
                                       ? QStringLiteral("&") + name
                                       : name + QLatin1Char(' ') + QLatin1String(row.menuKey));
        entry->setObjectName(QStringLiteral("mnu") + QLatin1String(row.englishName));
        entry->setCheckable(true);
        languages->addAction(entry);
        mnuLanguages.push_back({row.language, entry});
    }
    // Dates and times in 0–9 where the language's own digits are not wanted.
    mnuLanguage->addSeparator();
    mnuWesternDigits = entry(mnuLanguage, QT_TR_NOOP("&Western Digits (0–9)"), "mnuWesternDigits");
    mnuWesternDigits->setCheckable(true);
    texts_.add([this] {
        for (const auto& [language, entry] : mnuLanguages)
            entry->setChecked(language == CurrentLanguage());
        mnuWesternDigits->setChecked(WesternDigits());
    });

    QMenu* mnuHelp = menu(QT_TR_NOOP("&Help"), "mnuHelp");
    mnuOnline = entry(mnuHelp, QT_TR_NOOP("&Online Help"), "mnuOnline");
    mnuVisit = entry(mnuHelp, QT_TR_NOOP("&Visit Us Online"), "mnuVisit");
    mnuHelp->addSeparator();
    mnuUpdate = entry(mnuHelp, QT_TR_NOOP("Check for Software &Update"), "mnuUpdate");
    mnuHelp->addSeparator();
    mnuAbout = entry(mnuHelp, QT_TR_NOOP("&About Software"), "mnuAbout");
}

void frmMain::createLayout() {
    // Each panel scrolls where the window is smaller than it needs (a large scale, a small
    // screen), so that nothing is cut off and every control stays within reach; the two share
    // one place, one of them in front.
    auto scrolling = [](QWidget* panel, const char* name) {
        auto* area = new QScrollArea;
        area->setObjectName(QLatin1String(name));
        area->setFrameShape(QFrame::NoFrame);
        area->setWidgetResizable(true);
        area->setWidget(panel);
        // The controls inside take the focus, and the area follows it; the area takes none.
        area->setFocusPolicy(Qt::NoFocus);
        return area;
    };
    scrollMain = scrolling(fraMain, "scrollMain");
    scrollResult = scrolling(fraResult, "scrollResult");
    auto* panelHolder = new QWidget;
    panels = new QStackedLayout(panelHolder);
    panels->addWidget(scrollMain);
    panels->addWidget(scrollResult);

    auto* central = new QWidget;
    auto* window = new QVBoxLayout(central);
    window->addWidget(Label10);
    window->addWidget(panelHolder, 1);
    setCentralWidget(central);

    // The panels whole below the banner and the menu bar, in no less than the form's client
    // area, as far as the screen has room.
    const QMargins margins = window->contentsMargins();
    const QSize panelsSize = ContentsSize(fraMain).expandedTo(ContentsSize(fraResult)) +
                             QSize(scrollMain->verticalScrollBar()->sizeHint().width(), 0);
    const int width = std::max({panelsSize.width(), Label10->sizeHint().width()}) + margins.left() +
                      margins.right();
    const int height = menuBar()->sizeHint().height() + margins.top() +
                       Label10->sizeHint().height() + window->spacing() + panelsSize.height() +
                       margins.bottom();
    ResizeWithinScreen(this,
                       QSize(std::max(width, ClientWidth),
                             std::max(height, ClientHeight + menuBar()->sizeHint().height())));
    ShowFocusFromStart(this);
}

void frmMain::createConnections() {
    connect(fraMain->cmdCalculate, &QPushButton::clicked, this, &frmMain::cmdCalculate_Click);
    connect(mnuCalculate, &QAction::triggered, this, &frmMain::mnuCalculate_Click);
    connect(mnuQuit, &QAction::triggered, this, &QWidget::close);
    // Return in a text box of the form runs the default button, as in a dialog.
    connect(fraMain, &InputPanel::returnPressed, fraMain->cmdCalculate, &QPushButton::click);
    connect(fraResult->cmdBack, &QPushButton::clicked, this, &frmMain::cmdBack_Click);
    // Results on show are computed again with a new ephemeris or ayanamsa, from the same entries.
    connect(sky_, &SkyMenu::changed, this, [this] {
        if (isPanelInFront(fraResult))
            cmdCalculate_Click();
    });
    connect(fraMain->lblTZHelp, &LinkLabel::clicked, this, &frmMain::lblTZHelp_Click);
    connect(fraMain->cmdBrowser, &QPushButton::clicked, this, &frmMain::cmdBrowser_Click);
    connect(mnuOnline, &QAction::triggered, this, &frmMain::mnuOnline_Click);
    connect(mnuVisit, &QAction::triggered, this, &frmMain::mnuVisit_Click);
    connect(mnuUpdate, &QAction::triggered, this, &frmMain::mnuUpdate_Click);
    connect(mnuAbout, &QAction::triggered, this, &frmMain::mnuAbout_Click);
    for (const auto& [language, entry] : mnuLanguages) {
        connect(entry, &QAction::triggered, this,
                [this, chosen = language] { mnuLanguage_Click(chosen); });
    }
    connect(mnuWesternDigits, &QAction::triggered, this, &frmMain::mnuWesternDigits_Click);
    connect(Label10, &LinkLabel::clicked, this, &frmMain::Label10_Click);
    connect(fraMain, &InputPanel::nonDigitRefused, this, &frmMain::NumericBox_Refused);
    connect(fraMain->placeCompleter, &PlaceCompleter::placeChosen, namedZone,
            &NamedZoneInput::takePlace);
    connect(mnuNow, &QAction::triggered, this, &frmMain::mnuNow_Click);
    connect(mnuSaveHome, &QAction::triggered, this, &frmMain::mnuSaveHome_Click);
    connect(mnuClearHome, &QAction::triggered, this, &frmMain::mnuClearHome_Click);
}

void frmMain::Form_Load() {
    fraMain->fillLists();
    restoreHomePlace();
    showPanel(fraMain);
    fraMain->txtName->setFocus(); // the form is filled from its first box
}

void frmMain::showPanel(QWidget* panel) {
    QScrollArea* area = panel == fraMain ? scrollMain : scrollResult;
    panels->setCurrentWidget(area);
    area->ensureVisible(0, 0); // from its top
}

bool frmMain::isPanelInFront(const QWidget* panel) const {
    return panels->currentWidget() == (panel == fraMain ? scrollMain : scrollResult);
}

Platform::MessageAnswer frmMain::Say(FormMessage message, const QStringList& values,
                                     Platform::MessageButtons buttons) {
    const FormMessageRow& row = FormMessageOf(message);
    QString text = QCoreApplication::translate(FormMessagesContext, row.text);
    for (const QString& value : values)
        text = text.arg(value);
    return platform_.showMessage(this, text, row.icon, buttons);
}

void frmMain::NumericBox_Refused(QLineEdit*) {
    Say(FormMessage::OnlyNumbers);
}

void frmMain::mnuCalculate_Click() {
    cmdCalculate_Click();
}

void frmMain::cmdBack_Click() {
    showPanel(fraMain);
    scrollMain->ensureWidgetVisible(fraMain->cmdCalculate);
    fraMain->cmdCalculate->setFocus();
}

// The values shown are told again in the new language: the report from the record, the lines
// from the day they were computed for.
void frmMain::changeEvent(QEvent* event) {
    if (texts_.handle(event)) {
        if (reportShown_)
            ShowTithiReport();
        showTithiDayLines();
        showQueryLine();
    }
    QMainWindow::changeEvent(event);
}

void frmMain::mnuLanguage_Click(Language language) {
    RememberLanguage(platform_, language);
    if (language != CurrentLanguage())
        SetLanguage(language);
}

void frmMain::mnuWesternDigits_Click(bool western) {
    RememberWesternDigits(platform_, western);
    SetWesternDigitsShown(western);
}

void frmMain::lblTZHelp_Click() {
    frmTimeZone picker(fraMain->txtZoneHour, fraMain->txtZoneMinute, this);
    if (picker.exec() != QDialog::Accepted)
        return;
    // A row the picker writes sets the zone by hand, even where its texts are those the boxes
    // held already.
    const auto* rows = picker.findChild<QListWidget*>(QStringLiteral("lstTimeZone"));
    if (rows && !rows->selectedItems().isEmpty())
        namedZone->drop();
}

void frmMain::cmdBrowser_Click() {
    const InputPanel& in = *fraMain;
    const std::pair<QLineEdit*, FormMessage> placeNames[] = {
        {in.txtMCity, FormMessage::EnterCity},
        {in.txtMState, FormMessage::EnterState},
        {in.txtMCountry, FormMessage::EnterCountry},
    };
    // Only an empty text is missing: a text of blanks is handed on as it stands.
    for (const auto& [box, missing] : placeNames) {
        if (box->text().isEmpty()) {
            Say(missing);
            box->setFocus();
            return;
        }
    }
    const QString searchText = in.txtMCity->text() + QLatin1Char(' ') + in.txtMState->text() +
                               QLatin1Char(' ') + in.txtMCountry->text() +
                               QStringLiteral(" Latitude Longitude");
    platform_.searchPlace(searchText, HomePageAddress());
}

void frmMain::mnuOnline_Click() {
    OpenOnlineHelp(platform_);
}
void frmMain::mnuVisit_Click() {
    OpenHomePage(platform_);
}
void frmMain::mnuUpdate_Click() {
    OpenDownloadPage(platform_);
}
void frmMain::Label10_Click() {
    OpenHomePage(platform_);
}

void frmMain::mnuAbout_Click() {
    frmAbout about(platform_, this);
    about.exec();
}

void frmMain::closeEvent(QCloseEvent* event) {
    event->accept();
    EndProgram(platform_);
}
