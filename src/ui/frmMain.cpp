// The main window: the banner, the menus and the two panels, the input checks, the copy of the
// inputs into the record, and the Calculate flow.
#include "ui/frmMain.h"

#include "engine/CalculationRecord.h"
#include "engine/NumericText.h"
#include "engine/Panchanga.h"
#include "engine/PrepareMoment.h"
#include "engine/Tithi.h"
#include "engine/TithiDay.h"
#include "engine/TithiReport.h"
#include "places/NamedZoneClock.h"
#include "places/ZoneText.h"
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
#include "ui/frmAbout.h"
#include "ui/frmTimeZone.h"
#include "ui/modHelp.h"

#include <QActionGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QDate>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QMenu>
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

QString Trimmed(const QLineEdit* box) {
    return box->text().trimmed();
}

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

    // The calendar's windows, at the place and zone of the form.
    calendar_ = new CalendarMenu(
        platform_, this,
        [this] {
            const NamedZoneClock* zone = namedZone->clock();
            return PlaceOfForm(*fraMain, zone ? std::make_shared<NamedZoneClock>(*zone) : nullptr);
        },
        [this] { cmdBack_Click(); });
    QMenu* mnuCalendar = menu(QT_TR_NOOP("&Calendar"), "mnuCalendar");
    calendar_->populate(mnuCalendar);

    // The languages, each named in its own: the choice applies at once and is remembered.
    QMenu* mnuLanguage = menu(QT_TR_NOOP("&Language"), "mnuLanguage");
    auto* languages = new QActionGroup(this);
    mnuEnglish = mnuLanguage->addAction(QStringLiteral("&English"));
    mnuEnglish->setObjectName(QStringLiteral("mnuEnglish"));
    mnuHindi = mnuLanguage->addAction(QStringLiteral("हिन्दी (&Hindi)"));
    mnuHindi->setObjectName(QStringLiteral("mnuHindi"));
    for (QAction* language : {mnuEnglish, mnuHindi}) {
        language->setCheckable(true);
        languages->addAction(language);
    }
    texts_.add([this] {
        (CurrentLanguage() == Language::Hindi ? mnuHindi : mnuEnglish)->setChecked(true);
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

void frmMain::createConnections() {
    connect(fraMain->cmdCalculate, &QPushButton::clicked, this, &frmMain::cmdCalculate_Click);
    connect(mnuCalculate, &QAction::triggered, this, &frmMain::mnuCalculate_Click);
    connect(fraResult->cmdBack, &QPushButton::clicked, this, &frmMain::cmdBack_Click);
    connect(fraMain->lblTZHelp, &LinkLabel::clicked, this, &frmMain::lblTZHelp_Click);
    connect(fraMain->cmdBrowser, &QPushButton::clicked, this, &frmMain::cmdBrowser_Click);
    connect(mnuOnline, &QAction::triggered, this, &frmMain::mnuOnline_Click);
    connect(mnuVisit, &QAction::triggered, this, &frmMain::mnuVisit_Click);
    connect(mnuUpdate, &QAction::triggered, this, &frmMain::mnuUpdate_Click);
    connect(mnuAbout, &QAction::triggered, this, &frmMain::mnuAbout_Click);
    connect(mnuEnglish, &QAction::triggered, this,
            [this] { mnuLanguage_Click(Language::English); });
    connect(mnuHindi, &QAction::triggered, this, [this] { mnuLanguage_Click(Language::Hindi); });
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
    panels->setCurrentWidget(fraMain);
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

bool frmMain::ValidateInputs() {
    auto refuse = [this](FormMessage message, QWidget* focus) {
        Say(message);
        if (focus)
            focus->setFocus();
        return false;
    };
    const InputPanel& in = *fraMain;

    if (Trimmed(in.txtName).isEmpty())
        return refuse(FormMessage::EnterName, in.txtName);
    if (Trimmed(in.txtZoneHour).isEmpty() || Trimmed(in.txtZoneMinute).isEmpty())
        return refuse(FormMessage::EnterZone, in.txtZoneHour);
    if (Trimmed(in.txtLonD).isEmpty())
        return refuse(FormMessage::EnterLonDeg, in.txtLonD);
    if (Trimmed(in.txtLonM).isEmpty())
        return refuse(FormMessage::EnterLonMin, in.txtLonM);
    if (Trimmed(in.txtLatD).isEmpty())
        return refuse(FormMessage::EnterLatDeg, in.txtLatD);
    if (Trimmed(in.txtLatM).isEmpty())
        return refuse(FormMessage::EnterLatMin, in.txtLatM);

    // Every fourth year is a leap year: no century rule is needed within 1901 ... 2050.
    const int month = in.cboMonth->currentIndex(); // 0 = January
    const int day = in.cboDate->currentIndex();    // 0 = the 1st
    const bool leapYear = in.cboYear->currentText().toInt() % 4 == 0;
    const int firstMissingFebruaryDay = leapYear ? 29 : 28;
    if (month == 1 && day >= firstMissingFebruaryDay)
        return refuse(FormMessage::WrongFebruary, nullptr);
    if ((month == 3 || month == 5 || month == 8 || month == 10) && day == 30)
        return refuse(FormMessage::WrongThirtyFirst, nullptr);
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
        FormMessage invalid;
    };
    const InputPanel& in = *fraMain;
    CalculationRecord inputs = record_;
    const NumericInput numericInputs[] = {
        {in.txtLonD, &inputs.LonDeg, false, FormMessage::InvalidLonDeg},
        {in.txtLonM, &inputs.LonMin, false, FormMessage::InvalidLonMin},
        {in.txtLatD, &inputs.LatDeg, false, FormMessage::InvalidLatDeg},
        {in.txtLatM, &inputs.LatMin, false, FormMessage::InvalidLatMin},
        {in.txtZoneHour, &inputs.ZoneHour, true, FormMessage::InvalidZoneHour},
        {in.txtZoneMinute, &inputs.ZoneMinute, true, FormMessage::InvalidZoneMinute},
    };
    auto listNumber = [](const QComboBox* list) {
        return TextToInteger16(list->currentText().toStdString()).value_or(0);
    };

    inputs.PersonName = Trimmed(in.txtName).toStdString();
    inputs.BirthMonth = static_cast<std::int16_t>(in.cboMonth->currentIndex() + 1);
    inputs.BirthDay = listNumber(in.cboDate);
    inputs.BirthYear = listNumber(in.cboYear);
    inputs.BirthHour = listNumber(in.cboHH);
    inputs.BirthMinute = listNumber(in.cboMM);
    for (const NumericInput& input : numericInputs) {
        std::optional<std::int16_t> value = TextToInteger16(Trimmed(input.box).toStdString());
        if (value && input.magnitude) {
            if (*value == std::numeric_limits<std::int16_t>::min())
                value.reset(); // its magnitude does not fit in 16 bits
            else
                value = static_cast<std::int16_t>(*value < 0 ? -*value : *value);
        }
        if (!value) {
            Say(input.invalid);
            input.box->setFocus();
            return false;
        }
        *input.field = *value;
    }
    inputs.DstFlag = ToFlag(in.chkDST->isChecked());
    inputs.LonEast = ToFlag(in.optLong[0]->isChecked());
    inputs.LatSouth = ToFlag(in.optLat[1]->isChecked());
    record_ = std::move(inputs);
    return true;
}

void frmMain::cmdCalculate_Click() {
    if (!ValidateInputs())
        return;
    // A named zone reads the entered time with the offset in force then, its sign the zone's
    // own; a time the clocks skip goes no further, and nothing is copied.
    const NamedZoneClock* zone = namedZone->clock();
    std::optional<ZoneReading> reading;
    if (zone && !(reading = ResolveEnteredReading(*zone)))
        return;
    if (!CopyInputsToRecord())
        return;
    PrepareMoment(record_);
    if (zone) {
        ComputeOnNamedZone(*zone, *reading);
    } else {
        ComputeTithi(record_);
        shownZone_.reset();
        ShowTithiReport();
        ShowTithiDay();
        ShowDayPanchanga(EvaluateTithiMoment(record_).JulianDayUT, PlaceOfRecord(record_),
                         ClockOfRecord(record_));
    }
    panels->setCurrentWidget(fraResult);
    fraResult->cmdBack->setFocus();
}

std::optional<frmMain::ZoneReading> frmMain::ResolveEnteredReading(const NamedZoneClock& zone) {
    const EnteredReading entered = namedZone->reading();
    const ResolvedReading resolved = ResolveReading(zone, entered.CivilJd());
    if (resolved.Kind == ClockReadingKind::Unique)
        return ZoneReading{*resolved.OffsetHours, ZoneReading::Occurrence::Only, {}};

    // The time, the date, the zone and the change, as the messages name them.
    const auto [before, after] = ChangeReadings(resolved);
    const QString date =
        QLocale().toString(QDate(entered.Date.Year, entered.Date.Month, entered.Date.Day),
                           QStringLiteral("d MMMM yyyy"));
    const QStringList change = {entered.TimeText(), date, zone.Name(), before, after};
    if (resolved.Kind == ClockReadingKind::Gap) {
        Say(FormMessage::ClockSkipsTime, change);
        fraMain->cboHH->setFocus();
        return std::nullopt;
    }
    const double first = *resolved.OffsetHours;
    const double second = *resolved.LaterOffsetHours;
    const QStringList offsets = {DisplayOffsetText(OffsetSecondsOfHours(first)),
                                 DisplayOffsetText(OffsetSecondsOfHours(second))};
    if (Say(FormMessage::ClockRepeatsTime, change + offsets, Platform::MessageButtons::YesNo) ==
        Platform::MessageAnswer::No)
        return ZoneReading{second, ZoneReading::Occurrence::Second, entered.TimeText()};
    return ZoneReading{first, ZoneReading::Occurrence::First, entered.TimeText()};
}

void frmMain::ComputeOnNamedZone(const NamedZoneClock& zone, const ZoneReading& reading) {
    const CivilDate date{record_.BirthYear, record_.BirthMonth, record_.BirthDay};
    const TithiMoment moment = EvaluateTithiMomentAt(date, record_.LocalHours, reading.OffsetHours);
    record_.TithiIndex = moment.Tithi.Index;
    record_.CalYear = moment.DateUT.Year;
    record_.CalMonth = moment.DateUT.Month;
    record_.CalDay = moment.DateUT.Day;
    ShowTithiReport();

    shownDay_ = ComputeTithiDay(moment, PlaceOfRecord(record_), zone, /*withSunrise=*/true);
    shownZone_ = ResultZone{std::make_shared<NamedZoneClock>(zone), moment.JulianDayUT, reading};
    showTithiDayLines();
    ShowDayPanchanga(moment.JulianDayUT, PlaceOfRecord(record_), zone);
}

// The zone the times are read on; where the tithi began or ends on another offset (the clocks
// changed within it), those offsets too.
void frmMain::showResultZone() {
    if (!shownZone_) {
        lblResultZone->setText(QString());
        return;
    }
    const ResultZone& shown = *shownZone_;
    QString zoneLine = ZoneDescription(*shown.Zone, shown.MomentJd);
    switch (shown.Reading.Which) {
    case ZoneReading::Occurrence::Only:
        break;
    case ZoneReading::Occurrence::First:
        //: The zone's line and which of the two readings of a repeated time was taken
        zoneLine = tr("%1 (the first %2)").arg(zoneLine, shown.Reading.Time);
        break;
    case ZoneReading::Occurrence::Second:
        zoneLine = tr("%1 (the second %2)").arg(zoneLine, shown.Reading.Time);
        break;
    }
    if (shownDay_) {
        const int momentOffset = OffsetSecondsOfHours(shown.Reading.OffsetHours);
        const int beginOffset = OffsetSecondsOfHours(shownDay_->BeginOffsetHours);
        const int endOffset = OffsetSecondsOfHours(shownDay_->EndOffsetHours);
        if (beginOffset != momentOffset || endOffset != momentOffset) {
            zoneLine =
                tr("%1; began at %2, ends at %3")
                    .arg(zoneLine, DisplayOffsetText(beginOffset), DisplayOffsetText(endOffset));
        }
    }
    lblResultZone->setText(zoneLine);
}

void frmMain::showTithiDayLines() {
    if (shownDay_) {
        const TithiDayLines lines = TithiDayLinesOf(*shownDay_);
        fraResult->showTithiDay(lines.Times, lines.Sunrise, lines.Karana);
    } else {
        fraResult->showTithiDay({}, {}, {});
    }
    showResultZone();
}

void frmMain::mnuCalculate_Click() {
    cmdCalculate_Click();
}

void frmMain::cmdBack_Click() {
    panels->setCurrentWidget(fraMain);
    fraMain->cmdCalculate->setFocus();
}

void frmMain::ShowTithiReport() {
    if (const std::optional<ReportTexts> texts = ReportTextsOf(record_)) {
        fraResult->showReport(*texts);
        reportShown_ = true;
    }
}

void frmMain::ShowTithiDay() {
    shownDay_ = ComputeTithiDay(record_, /*withSunrise=*/true);
    showTithiDayLines();
}

// The values shown are told again in the new language: the report from the record, the lines
// from the day they were computed for.
void frmMain::changeEvent(QEvent* event) {
    if (texts_.handle(event)) {
        if (reportShown_)
            ShowTithiReport();
        showTithiDayLines();
    }
    QMainWindow::changeEvent(event);
}

void frmMain::mnuLanguage_Click(Language language) {
    RememberLanguage(platform_, language);
    if (language != CurrentLanguage())
        SetLanguage(language);
}

void frmMain::ShowDayPanchanga(double jd, const Place& place, const CivilClock& clock) {
    dayPanel->showMoment(PanchangaOfMoment(jd, place, clock));
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

// The current date and time, and the home place: entries of the File menu below Calculate.
void frmMain::createHomeMenuEntries(QMenu* mnuFile) {
    mnuFile->addSeparator();
    mnuNow = mnuFile->addAction(QString());
    mnuNow->setObjectName(QStringLiteral("mnuNow"));
    mnuNow->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_N));
    mnuFile->addSeparator();
    mnuSaveHome = mnuFile->addAction(QString());
    mnuSaveHome->setObjectName(QStringLiteral("mnuSaveHome"));
    mnuClearHome = mnuFile->addAction(QString());
    mnuClearHome->setObjectName(QStringLiteral("mnuClearHome"));
    texts_.add([this] {
        mnuNow->setText(tr("Set to &Now"));
        mnuSaveHome->setText(tr("Save as &Home Place"));
        mnuClearHome->setText(tr("C&lear Home Place"));
    });
}

void frmMain::restoreHomePlace() {
    const std::optional<PlaceFields> home = ReadHomePlace(platform_);
    if (home)
        fraMain->setPlaceFields(*home);
    mnuClearHome->setEnabled(home.has_value());
}

// Sets the date and time lists to the computer's clock, and shows them.
void frmMain::mnuNow_Click() {
    const QDateTime now = platform_.currentDateTime();
    if (!fraMain->setMoment(now.date(), now.time())) {
        platform_.showMessage(
            this,
            tr("Today, %1, lies outside the years 1901 to 2050 that Kestrava calculates: the date "
               "and time are left as they were.")
                .arg(QLocale().toString(now.date(), QLocale::LongFormat)),
            Platform::MessageIcon::Information);
        return;
    }
    if (panels->currentWidget() != fraMain)
        cmdBack_Click();
}

void frmMain::mnuSaveHome_Click() {
    const PlaceFields place = fraMain->placeFields();
    if (const auto field = FirstFieldNotKept(place)) {
        platform_.showMessage(this,
                              tr("Please enter the longitude and the latitude in degrees and "
                                 "minutes, and the hour and minute of the time zone, before "
                                 "saving them as the home place."),
                              Platform::MessageIcon::Critical);
        if (QLineEdit* box = fraMain->placeBox(*field))
            box->setFocus();
        return;
    }
    if (!SaveHomePlace(platform_, place)) {
        platform_.showMessage(this,
                              tr("The home place could not be saved: the settings file cannot be "
                                 "written."),
                              Platform::MessageIcon::Critical);
        return;
    }
    mnuClearHome->setEnabled(true);
    platform_.showMessage(this,
                          tr("This place is saved as your home place: Kestrava fills it in each "
                             "time it starts."),
                          Platform::MessageIcon::Information);
}

void frmMain::mnuClearHome_Click() {
    const Platform::MessageAnswer answer = platform_.showMessage(
        this,
        tr("Clear the home place? Kestrava will then start with the place fields empty; the "
           "fields now on the form stay as they are."),
        Platform::MessageIcon::Information, Platform::MessageButtons::YesNo);
    if (answer != Platform::MessageAnswer::Yes)
        return;
    if (!ClearHomePlace(platform_)) {
        platform_.showMessage(this,
                              tr("The home place could not be cleared: the settings file cannot "
                                 "be written."),
                              Platform::MessageIcon::Critical);
        return;
    }
    mnuClearHome->setEnabled(false);
}
