// The main window: the input panel, the results panel, the input checks and the Calculate flow.
#include "ui/frmMain.h"

#include "platform/AppInfo.h"
#include "engine/CalculationRecord.h"
#include "ui/LinkLabel.h"
#include "engine/NumericText.h"
#include "platform/Platform.h"
#include "engine/PrepareMoment.h"
#include "ui/frmAbout.h"
#include "ui/modHelp.h"
#include "engine/Tithi.h"
#include "engine/TithiDay.h"
#include "engine/TithiReport.h"
#include "ui/frmTimeZone.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedLayout>
#include <QVBoxLayout>
#include <limits>
#include <optional>

namespace {

// The size of the window's client area: 7275 x 5790 twips, 15 twips to a pixel.
constexpr int ClientWidth = 7275 / 15;
constexpr int ClientHeight = 5790 / 15;

const QString OnlyNumbersMessage = QStringLiteral("Only Numbers Are Accepted");
const QString WrongFebruaryMessage = QStringLiteral("Please Enter Correct Date Or Month!");
const QString WrongThirtyFirstMessage = QStringLiteral("Please Enter Correct Date Or Month !");

const QString AuspiciousPlaceholder = QStringLiteral(
    "Time the most powerful factor in the accomplishment of any work. Nothing happens before "
    "the appropriate and auspicious time. The auspicious Tithi provides an opportunity to do "
    "the right thing at the time in order to get the best advantage for the progress, welfare "
    "&& happiness of the native.");

// A label's caption writes a literal "&" as "&&"; the label shows one.
QString CaptionText(const QString& caption) {
    QString shown = caption;
    return shown.replace(QStringLiteral("&&"), QStringLiteral("&"));
}

QString Trimmed(const QLineEdit* box) {
    return box->text().trimmed();
}

template <typename W> W* Named(W* widget, const char* objectName, const QString& accessibleName) {
    widget->setObjectName(QLatin1String(objectName));
    if (!accessibleName.isEmpty())
        widget->setAccessibleName(accessibleName);
    return widget;
}

void FillNumbers(QComboBox* list, int first, int last) {
    for (int n = first; n <= last; ++n)
        list->addItem(QString::number(n));
}

// The character code a key press would type, as the digit filter sees it: printable characters,
// backspace, enter, escape and control characters (Ctrl+V is 22). Keys that type nothing (the
// arrows, Home, End, Delete, Tab for moving on) have none.
std::optional<int> TypedCharacterCode(const QKeyEvent* key) {
    switch (key->key()) {
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Delete:
        return std::nullopt;
    case Qt::Key_Backspace:
        return 8;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return 13;
    case Qt::Key_Escape:
        return 27;
    default:
        break;
    }
    const bool control = key->modifiers() & Qt::ControlModifier;
    if (control && key->key() >= Qt::Key_A && key->key() <= Qt::Key_Z)
        return key->key() - Qt::Key_A + 1;
    if (key->text().isEmpty())
        return std::nullopt;
    return key->text().at(0).unicode();
}

} // namespace

frmMain::frmMain(CalculationRecord& record, Platform& platform, QWidget* parent)
    : QMainWindow(parent), record_(record), platform_(platform) {
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(WindowCaption());
    createWidgets();
    createMenus();
    createLayout();
    createTabOrder();
    createConnections();
    Form_Load();
}

void frmMain::createWidgets() {
    Label10 = Named(new LinkLabel(AppTitle()), "Label10", QStringLiteral("Visit Us Online"));
    Label10->setToolTip(HomePageAddress());
    QFont bannerFont = Label10->font();
    bannerFont.setPointSizeF(bannerFont.pointSizeF() * 1.6);
    bannerFont.setBold(true);
    Label10->setFont(bannerFont);
    createInputPanel();
    createResultPanel();
}

void frmMain::createInputPanel() {
    fraMain = Named(new QFrame, "fraMain", QString());
    fraMain->setFrameShape(QFrame::StyledPanel);

    txtName = Named(new QLineEdit, "txtName", QStringLiteral("Name"));
    cboMonth = Named(new QComboBox, "cboMonth", QStringLiteral("Month of Query"));
    cboDate = Named(new QComboBox, "cboDate", QStringLiteral("Day of Query"));
    cboYear = Named(new QComboBox, "cboYear", QStringLiteral("Year of Query"));
    cboHH = Named(new QComboBox, "cboHH", QStringLiteral("Hour of Query"));
    cboMM = Named(new QComboBox, "cboMM", QStringLiteral("Minute of Query"));
    cboSS = Named(new QComboBox, "cboSS", QStringLiteral("Second of Query"));
    for (QComboBox* list : {cboMonth, cboDate, cboYear, cboHH, cboMM, cboSS})
        list->setMaxVisibleItems(12);

    fraLongitude = Named(new QGroupBox(QStringLiteral("Longitude")), "fraLongitude", QString());
    txtLonD = Named(new QLineEdit, "txtLonD", QStringLiteral("Degree of Longitude"));
    txtLonM = Named(new QLineEdit, "txtLonM", QStringLiteral("Minute of Longitude"));
    optLong[0] =
        Named(new QRadioButton(QStringLiteral("East")), "optLong(0)", QStringLiteral("East"));
    optLong[1] =
        Named(new QRadioButton(QStringLiteral("West")), "optLong(1)", QStringLiteral("West"));

    fraLatitude = Named(new QGroupBox(QStringLiteral("Latitude")), "fraLatitude", QString());
    txtLatD = Named(new QLineEdit, "txtLatD", QStringLiteral("Degree of Latitude"));
    txtLatM = Named(new QLineEdit, "txtLatM", QStringLiteral("Minute of Latitude"));
    optLat[0] =
        Named(new QRadioButton(QStringLiteral("North")), "optLat(0)", QStringLiteral("North"));
    optLat[1] =
        Named(new QRadioButton(QStringLiteral("South")), "optLat(1)", QStringLiteral("South"));

    fraLookUp = Named(new QGroupBox, "fraLookUp", QString());
    txtMCity = Named(new QLineEdit, "txtMCity", QStringLiteral("City"));
    txtMState = Named(new QLineEdit, "txtMState", QStringLiteral("State"));
    txtMCountry = Named(new QLineEdit, "txtMCountry", QStringLiteral("Country"));
    cmdBrowser = Named(new QPushButton(QStringLiteral("Click Here To Find Latitude && Longitude")),
                       "cmdBrowser", QStringLiteral("Click Here To Find Latitude & Longitude"));

    cmdCalculate = Named(new QPushButton(QStringLiteral("&Find My Tithi")), "cmdCalculate",
                         QStringLiteral("Find My Tithi"));
    cmdCalculate->setDefault(true);
    cmdCalculate->setMinimumWidth(cmdCalculate->sizeHint().width() + 24);

    fraZone = Named(new QGroupBox(QStringLiteral("Time Zone")), "fraZone", QString());
    txtZoneHour = Named(new QLineEdit, "txtZoneHour", QStringLiteral("Hour of Time Zone"));
    txtZoneMinute = Named(new QLineEdit, "txtZoneMinute", QStringLiteral("Minute of Time Zone"));
    chkDST = Named(new QCheckBox(QStringLiteral("DST")), "chkDST",
                   QStringLiteral("Daylight Saving Time"));
    lblTZHelp =
        Named(new LinkLabel(QStringLiteral("TZ Help")), "lblTZHelp", QStringLiteral("TZ Help"));
    lblTZHelp->setFocusPolicy(Qt::NoFocus);
    QFont linkFont = lblTZHelp->font();
    linkFont.setUnderline(true);
    lblTZHelp->setFont(linkFont);
    lblTZHelp->setForegroundRole(QPalette::Link);

    for (QLineEdit* box : {txtLonD, txtLonM, txtLatD, txtLatM, txtZoneHour, txtZoneMinute}) {
        box->installEventFilter(this);
        box->setMaximumWidth(fontMetrics().horizontalAdvance(QLatin1Char('0')) * 8);
    }
}

void frmMain::createResultPanel() {
    fraResult = Named(new QGroupBox(QStringLiteral("Kestrava Results")), "fraResult", QString());
    cmdBack = Named(new QPushButton(QStringLiteral("&Back")), "cmdBack", QStringLiteral("Back"));

    static const char* const captions[] = {"Tithi Number", "Tithi Name",  "Tithi Phase",
                                           "Tithi Lord",   "Tithi Group", "Tithi Features",
                                           "Tithi Nature", "Tithi Type"};
    for (std::size_t k = 0; k < lblLabel.size(); ++k) {
        const QString caption = QLatin1String(captions[k]);
        lblLabel[k] = new QLabel(caption);
        lblLabel[k]->setObjectName(QStringLiteral("lblLabel(%1)").arg(k));
    }

    const QString placeholders[] = {
        QStringLiteral("30"),
        QStringLiteral("Chaturdashi"),
        QStringLiteral("Krishna"),
        QStringLiteral("Vishwadeva"),
        QStringLiteral("Poorna"),
        QStringLiteral("Fame and good qualities"),
        QStringLiteral("This is a good time for preparing for the battle by making your defense "
                       "strong."),
        QStringLiteral("In-Auspicious"),
        AuspiciousPlaceholder,
    };
    for (std::size_t k = 0; k < lblResult.size(); ++k) {
        lblResult[k] = new QLabel(CaptionText(placeholders[k]));
        lblResult[k]->setObjectName(QStringLiteral("lblResult(%1)").arg(k));
        lblResult[k]->setTextFormat(Qt::PlainText);
        lblResult[k]->setWordWrap(true);
        lblResult[k]->setTextInteractionFlags(Qt::TextSelectableByMouse);
        if (k < lblLabel.size())
            lblResult[k]->setAccessibleName(lblLabel[k]->text());
    }
    QFont valueFont = lblResult[0]->font();
    valueFont.setBold(true);
    for (std::size_t k = 0; k < lblLabel.size(); ++k)
        lblResult[k]->setFont(valueFont);
    lblResult[8]->setAccessibleName(QStringLiteral("Tithi Description"));
    lblResult[8]->setContentsMargins(0, 10, 0, 0);

    // Below the report: when the tithi began and ends, the tithi at sunrise, the karana.
    lblTithiTimes = Named(new QLabel, "lblTithiTimes", QStringLiteral("Tithi Began and Ends"));
    lblSunrise = Named(new QLabel, "lblSunrise", QStringLiteral("Tithi at Sunrise"));
    lblKarana = Named(new QLabel, "lblKarana", QStringLiteral("Karana"));
    for (QLabel* line : {lblTithiTimes, lblSunrise, lblKarana}) {
        line->setTextFormat(Qt::PlainText);
        line->setWordWrap(true);
        line->setTextInteractionFlags(Qt::TextSelectableByMouse);
        line->setFont(valueFont);
    }
    lblTithiTimes->setContentsMargins(0, 10, 0, 0);
}

void frmMain::createMenus() {
    QMenu* mnuFile = menuBar()->addMenu(QStringLiteral("&File"));
    mnuFile->setObjectName(QStringLiteral("mnuFile"));
    mnuCalculate = mnuFile->addAction(QStringLiteral("&Calculate"));
    mnuCalculate->setObjectName(QStringLiteral("mnuCalculate"));

    QMenu* mnuHelp = menuBar()->addMenu(QStringLiteral("&Help"));
    mnuHelp->setObjectName(QStringLiteral("mnuHelp"));
    mnuOnline = mnuHelp->addAction(QStringLiteral("&Online Help"));
    mnuOnline->setObjectName(QStringLiteral("mnuOnline"));
    mnuVisit = mnuHelp->addAction(QStringLiteral("&Visit Us Online"));
    mnuVisit->setObjectName(QStringLiteral("mnuVisit"));
    mnuHelp->addSeparator();
    mnuUpdate = mnuHelp->addAction(QStringLiteral("Check for Software &Update"));
    mnuUpdate->setObjectName(QStringLiteral("mnuUpdate"));
    mnuHelp->addSeparator();
    mnuAbout = mnuHelp->addAction(QStringLiteral("&About Software"));
    mnuAbout->setObjectName(QStringLiteral("mnuAbout"));
}

void frmMain::createLayout() {
    auto label = [](const char* text) { return new QLabel(QLatin1String(text)); };

    // Name, date and time of the query.
    auto* moment = new QGridLayout;
    moment->addWidget(label("Name"), 0, 0);
    moment->addWidget(txtName, 0, 1, 1, 4);
    moment->addWidget(label("Date of Query"), 1, 0);
    moment->addWidget(cboMonth, 1, 1);
    moment->addWidget(cboDate, 1, 2);
    moment->addWidget(cboYear, 1, 3);
    moment->addWidget(label("Time of Query"), 2, 0);
    moment->addWidget(cboHH, 2, 1);
    moment->addWidget(cboMM, 2, 2);
    moment->addWidget(cboSS, 2, 3);
    moment->addWidget(label("HH:MM:SS"), 2, 4);
    moment->setColumnStretch(4, 1);

    // A place coordinate: degrees, minutes and the pair of directions.
    auto coordinate = [&](QGroupBox* frame, QLineEdit* deg, QLineEdit* min,
                          const std::array<QRadioButton*, 2>& directions) {
        auto* grid = new QGridLayout(frame);
        grid->addWidget(label("Deg"), 0, 0);
        grid->addWidget(deg, 0, 1);
        grid->addWidget(label("Min"), 0, 2);
        grid->addWidget(min, 0, 3);
        grid->addWidget(directions[0], 1, 0, 1, 2);
        grid->addWidget(directions[1], 1, 2, 1, 2);
        grid->setColumnStretch(4, 1);
        auto* group = new QButtonGroup(frame);
        group->addButton(directions[0], 0);
        group->addButton(directions[1], 1);
    };
    coordinate(fraLongitude, txtLonD, txtLonM, optLong);
    coordinate(fraLatitude, txtLatD, txtLatM, optLat);
    auto* place = new QHBoxLayout;
    place->addWidget(fraLongitude);
    place->addWidget(fraLatitude);

    auto* zone = new QHBoxLayout(fraZone);
    zone->addWidget(label("Hour"));
    zone->addWidget(txtZoneHour);
    zone->addWidget(label("Min"));
    zone->addWidget(txtZoneMinute);
    zone->addSpacing(12);
    zone->addWidget(chkDST);
    zone->addStretch(1);
    zone->addWidget(lblTZHelp);

    auto* lookUp = new QGridLayout(fraLookUp);
    lookUp->addWidget(label("City"), 0, 0);
    lookUp->addWidget(txtMCity, 0, 1);
    lookUp->addWidget(label("State"), 0, 2);
    lookUp->addWidget(txtMState, 0, 3);
    lookUp->addWidget(label("Country"), 0, 4);
    lookUp->addWidget(txtMCountry, 0, 5);
    lookUp->addWidget(cmdBrowser, 1, 0, 1, 6);

    auto* tagline =
        new QLabel(QStringLiteral("Know the tithi before you start any important work."));
    tagline->setObjectName(QStringLiteral("lblTagline"));
    QFont taglineFont = tagline->font();
    taglineFont.setBold(true);
    tagline->setFont(taglineFont);
    auto* description = new QLabel(QStringLiteral(
        "Kestrava calculates the Lunar Day based on Vedic Astrology. Tithis are said to be good "
        "or bad and are important in timing of events. "));
    description->setObjectName(QStringLiteral("lblDescription"));
    description->setWordWrap(true);

    auto* calculateRow = new QHBoxLayout;
    calculateRow->addWidget(description, 1);
    calculateRow->addWidget(cmdCalculate, 0, Qt::AlignBottom);

    auto* input = new QVBoxLayout(fraMain);
    input->addLayout(moment);
    input->addLayout(place);
    input->addWidget(fraZone);
    input->addWidget(fraLookUp);
    input->addStretch(1);
    input->addWidget(tagline);
    input->addLayout(calculateRow);

    // The results: each caption beside its value, then the paragraph.
    auto* results = new QGridLayout(fraResult);
    for (std::size_t k = 0; k < lblLabel.size(); ++k) {
        results->addWidget(lblLabel[k], int(k), 0, Qt::AlignTop);
        results->addWidget(lblResult[k], int(k), 1);
    }
    int row = int(lblLabel.size());
    results->addWidget(lblResult[8], row++, 0, 1, 2);
    for (QLabel* line : {lblTithiTimes, lblSunrise, lblKarana})
        results->addWidget(line, row++, 0, 1, 2);
    results->setRowStretch(row++, 1);
    results->addWidget(cmdBack, row, 1, Qt::AlignRight);
    results->setColumnStretch(1, 1);

    // The two panels share one place; one of them is in front.
    auto* panelHolder = new QWidget;
    panels = new QStackedLayout(panelHolder);
    panels->addWidget(fraMain);
    panels->addWidget(fraResult);

    auto* central = new QWidget;
    auto* window = new QVBoxLayout(central);
    window->addWidget(Label10);
    window->addWidget(panelHolder, 1);
    setCentralWidget(central);

    const QSize natural = sizeHint();
    resize(std::max(natural.width(), ClientWidth),
           std::max(natural.height(), ClientHeight + menuBar()->sizeHint().height()));
}

void frmMain::createTabOrder() {
    const QWidget* order[] = {txtName,     cboMonth,      cboDate,     cboYear,    cboHH,
                              cboMM,       cboSS,         txtLonD,     txtLonM,    optLong[0],
                              optLong[1],  txtLatD,       txtLatM,     optLat[0],  optLat[1],
                              txtMCity,    txtMState,     txtMCountry, cmdBrowser, cmdCalculate,
                              txtZoneHour, txtZoneMinute, chkDST};
    for (std::size_t k = 1; k < std::size(order); ++k)
        setTabOrder(const_cast<QWidget*>(order[k - 1]), const_cast<QWidget*>(order[k]));
}

void frmMain::createConnections() {
    connect(cmdCalculate, &QPushButton::clicked, this, &frmMain::cmdCalculate_Click);
    connect(mnuCalculate, &QAction::triggered, this, &frmMain::mnuCalculate_Click);
    connect(cmdBack, &QPushButton::clicked, this, &frmMain::cmdBack_Click);
    connect(lblTZHelp, &LinkLabel::clicked, this, &frmMain::lblTZHelp_Click);
    connect(cmdBrowser, &QPushButton::clicked, this, &frmMain::cmdBrowser_Click);
    connect(mnuOnline, &QAction::triggered, this, &frmMain::mnuOnline_Click);
    connect(mnuVisit, &QAction::triggered, this, &frmMain::mnuVisit_Click);
    connect(mnuUpdate, &QAction::triggered, this, &frmMain::mnuUpdate_Click);
    connect(mnuAbout, &QAction::triggered, this, &frmMain::mnuAbout_Click);
    connect(Label10, &LinkLabel::clicked, this, &frmMain::Label10_Click);
}

void frmMain::Form_Load() {
    const char* const months[] = {"January",   "February", "March",    "April",
                                  "May",       "June",     "July",     "August",
                                  "September", "October",  "November", "December"};
    for (const char* month : months)
        cboMonth->addItem(QLatin1String(month));
    FillNumbers(cboDate, 1, 31);
    FillNumbers(cboYear, 1901, 2050);
    FillNumbers(cboHH, 0, 23);
    FillNumbers(cboMM, 0, 59);
    FillNumbers(cboSS, 0, 59);
    for (QComboBox* list : {cboMonth, cboDate, cboYear, cboHH, cboMM, cboSS})
        list->setCurrentIndex(0);
    optLong[0]->setChecked(true);
    optLat[0]->setChecked(true);
    panels->setCurrentWidget(fraMain);
}

// The digit filter of the six numeric boxes: digits and backspace pass; any other typed
// character is refused with a message and inserts nothing.
bool frmMain::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && IsNumericBox(watched)) {
        const std::optional<int> code = TypedCharacterCode(static_cast<QKeyEvent*>(event));
        const bool passes = !code || (*code >= '0' && *code <= '9') || *code == 8;
        if (!passes) {
            platform_.showMessage(this, OnlyNumbersMessage, Platform::MessageIcon::Critical);
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

bool frmMain::IsNumericBox(QObject* object) const {
    return object == txtLonD || object == txtLonM || object == txtLatD || object == txtLatM ||
           object == txtZoneHour || object == txtZoneMinute;
}

bool frmMain::ValidateInputs() {
    auto refuse = [this](const QString& message, Platform::MessageIcon icon, QWidget* focus) {
        platform_.showMessage(this, message, icon);
        if (focus)
            focus->setFocus();
        return false;
    };
    const auto critical = Platform::MessageIcon::Critical;
    const auto information = Platform::MessageIcon::Information;

    if (Trimmed(txtName).isEmpty())
        return refuse(QStringLiteral("Please Enter Name"), critical, txtName);
    if (Trimmed(txtZoneHour).isEmpty() || Trimmed(txtZoneMinute).isEmpty())
        return refuse(QStringLiteral("Please Enter Hour and Minute of Time Zone"), critical,
                      txtZoneHour);
    if (Trimmed(txtLonD).isEmpty())
        return refuse(QStringLiteral("Please Enter Degree of Longitude"), critical, txtLonD);
    if (Trimmed(txtLonM).isEmpty())
        return refuse(QStringLiteral("Please Enter Minute of Longitude"), critical, txtLonM);
    if (Trimmed(txtLatD).isEmpty())
        return refuse(QStringLiteral("Please Enter Degree of Latitude"), critical, txtLatD);
    if (Trimmed(txtLatM).isEmpty())
        return refuse(QStringLiteral("Please Enter Minute of Latitude"), critical, txtLatM);

    // Every fourth year is a leap year: no century rule is needed within 1901 ... 2050.
    const int month = cboMonth->currentIndex(); // 0 = January
    const int day = cboDate->currentIndex();    // 0 = the 1st
    const bool leapYear = cboYear->currentText().toInt() % 4 == 0;
    const int firstMissingFebruaryDay = leapYear ? 29 : 28;
    if (month == 1 && day >= firstMissingFebruaryDay)
        return refuse(WrongFebruaryMessage, information, nullptr);
    if ((month == 3 || month == 5 || month == 8 || month == 10) && day == 30)
        return refuse(WrongThirtyFirstMessage, information, nullptr);
    return true;
}

// Copies the inputs into the calculation record. A box whose text is not a whole number that
// fits (such as "99999", or "abc" pasted in) is named in a message and nothing is copied, so
// that no calculation runs on what the previous one left behind.
bool frmMain::CopyInputsToRecord() {
    struct NumericInput {
        QLineEdit* box;
        std::int16_t* field;
        bool magnitude; // the zone's sign is dropped: its direction follows the longitude
        const char* message;
    };
    CalculationRecord inputs = record_;
    const NumericInput numericInputs[] = {
        {txtLonD, &inputs.LonDeg, false, "Please Enter a Valid Degree of Longitude"},
        {txtLonM, &inputs.LonMin, false, "Please Enter a Valid Minute of Longitude"},
        {txtLatD, &inputs.LatDeg, false, "Please Enter a Valid Degree of Latitude"},
        {txtLatM, &inputs.LatMin, false, "Please Enter a Valid Minute of Latitude"},
        {txtZoneHour, &inputs.ZoneHour, true, "Please Enter a Valid Hour of Time Zone"},
        {txtZoneMinute, &inputs.ZoneMinute, true, "Please Enter a Valid Minute of Time Zone"},
    };

    inputs.PersonName = Trimmed(txtName).toStdString();
    inputs.BirthMonth = static_cast<std::int16_t>(cboMonth->currentIndex() + 1);
    inputs.BirthDay = TextToInteger16(cboDate->currentText().toStdString()).value_or(0);
    inputs.BirthYear = TextToInteger16(cboYear->currentText().toStdString()).value_or(0);
    inputs.BirthHour = TextToInteger16(cboHH->currentText().toStdString()).value_or(0);
    inputs.BirthMinute = TextToInteger16(cboMM->currentText().toStdString()).value_or(0);
    for (const NumericInput& input : numericInputs) {
        std::optional<std::int16_t> value = TextToInteger16(Trimmed(input.box).toStdString());
        if (value && input.magnitude) {
            if (*value == std::numeric_limits<std::int16_t>::min())
                value.reset(); // its magnitude does not fit in 16 bits
            else
                value = static_cast<std::int16_t>(*value < 0 ? -*value : *value);
        }
        if (!value) {
            platform_.showMessage(this, QLatin1String(input.message),
                                  Platform::MessageIcon::Critical);
            input.box->setFocus();
            return false;
        }
        *input.field = *value;
    }
    inputs.DstFlag = ToFlag(chkDST->isChecked());
    inputs.LonEast = ToFlag(optLong[0]->isChecked());
    inputs.LatSouth = ToFlag(optLat[1]->isChecked());
    record_ = std::move(inputs);
    return true;
}

void frmMain::cmdCalculate_Click() {
    if (!ValidateInputs())
        return;
    if (!CopyInputsToRecord())
        return;
    PrepareMoment(record_);
    ComputeTithi(record_);
    ShowTithiReport();
    ShowTithiDay();
    panels->setCurrentWidget(fraResult);
    cmdBack->setFocus();
}

void frmMain::mnuCalculate_Click() {
    cmdCalculate_Click();
}

void frmMain::cmdBack_Click() {
    panels->setCurrentWidget(fraMain);
    cmdCalculate->setFocus();
}

void frmMain::ShowTithiReport() {
    const std::optional<TithiReportTexts> texts = MakeTithiReport(record_);
    if (!texts)
        return;
    for (std::size_t k = 0; k < lblResult.size(); ++k)
        lblResult[k]->setText(CaptionText(QString::fromStdString((*texts)[k])));
}

void frmMain::ShowTithiDay() {
    for (QLabel* line : {lblTithiTimes, lblSunrise, lblKarana})
        line->clear();
    const std::optional<TithiDayTexts> texts = MakeTithiDayTexts(record_);
    if (!texts)
        return;
    lblTithiTimes->setText(QString::fromStdString(texts->Times));
    lblSunrise->setText(QString::fromStdString(texts->Sunrise));
    lblKarana->setText(QString::fromStdString(texts->Karana));
}

void frmMain::lblTZHelp_Click() {
    frmTimeZone picker(txtZoneHour, txtZoneMinute, this);
    picker.exec();
}

void frmMain::cmdBrowser_Click() {
    const struct {
        QLineEdit* box;
        const char* message;
    } placeNames[] = {
        {txtMCity, "Please Enter City"},
        {txtMState, "Please Enter State"},
        {txtMCountry, "Please Enter Country"},
    };
    // Only an empty text is missing: a text of blanks is handed on as it stands.
    for (const auto& name : placeNames) {
        if (name.box->text().isEmpty()) {
            platform_.showMessage(this, QLatin1String(name.message),
                                  Platform::MessageIcon::Information);
            name.box->setFocus();
            return;
        }
    }
    const QString searchText = txtMCity->text() + QLatin1Char(' ') + txtMState->text() +
                               QLatin1Char(' ') + txtMCountry->text() +
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
