// The input panel of the main window: its controls with the names, texts and accessible names of
// the form, their layout and tab order, and the digit filter of the numeric boxes.
#include "ui/InputPanel.h"

#include "ui/LinkLabel.h"
#include "ui/PlaceCompleter.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDate>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTime>
#include <QVBoxLayout>
#include <optional>

namespace {

template <typename W> W* Named(W* widget, const char* objectName, const char* accessibleName) {
    widget->setObjectName(QLatin1String(objectName));
    if (accessibleName)
        widget->setAccessibleName(QString::fromUtf8(accessibleName));
    return widget;
}

QLabel* Caption(const char* text) {
    return new QLabel(QLatin1String(text));
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

InputPanel::InputPanel(QWidget* parent) : QFrame(parent) {
    setObjectName(QStringLiteral("fraMain"));
    setFrameShape(QFrame::StyledPanel);

    auto* input = new QVBoxLayout(this);
    input->addLayout(createMoment());
    input->addLayout(createPlace());
    input->addWidget(createZone());
    input->addWidget(createLookUp());
    input->addStretch(1);
    input->addLayout(createCalculateRow());

    optLong[0]->setChecked(true);
    optLat[0]->setChecked(true);
    for (QLineEdit* box : numericBoxes()) {
        box->installEventFilter(this);
        box->setMaximumWidth(fontMetrics().horizontalAdvance(QLatin1Char('0')) * 8);
    }
    createTabOrder();
}

QLayout* InputPanel::createMoment() {
    txtName = Named(new QLineEdit, "txtName", "Name");
    cboMonth = Named(new QComboBox, "cboMonth", "Month of Query");
    cboDate = Named(new QComboBox, "cboDate", "Day of Query");
    cboYear = Named(new QComboBox, "cboYear", "Year of Query");
    cboHH = Named(new QComboBox, "cboHH", "Hour of Query");
    cboMM = Named(new QComboBox, "cboMM", "Minute of Query");
    cboSS = Named(new QComboBox, "cboSS", "Second of Query");
    for (QComboBox* list : {cboMonth, cboDate, cboYear, cboHH, cboMM, cboSS})
        list->setMaxVisibleItems(12);

    auto* moment = new QGridLayout;
    moment->addWidget(Caption("Name"), 0, 0);
    moment->addWidget(txtName, 0, 1, 1, 4);
    moment->addWidget(Caption("Date of Query"), 1, 0);
    moment->addWidget(cboMonth, 1, 1);
    moment->addWidget(cboDate, 1, 2);
    moment->addWidget(cboYear, 1, 3);
    moment->addWidget(Caption("Time of Query"), 2, 0);
    moment->addWidget(cboHH, 2, 1);
    moment->addWidget(cboMM, 2, 2);
    moment->addWidget(cboSS, 2, 3);
    moment->addWidget(Caption("HH:MM:SS"), 2, 4);
    moment->setColumnStretch(4, 1);
    return moment;
}

QLayout* InputPanel::createPlace() {
    // A coordinate: degrees, minutes and the pair of directions, in a frame of its own.
    auto coordinate = [](const char* title, const char* name, QLineEdit* deg, QLineEdit* min,
                         const std::array<QRadioButton*, 2>& directions) {
        auto* frame = Named(new QGroupBox(QLatin1String(title)), name, nullptr);
        auto* grid = new QGridLayout(frame);
        grid->addWidget(Caption("Deg"), 0, 0);
        grid->addWidget(deg, 0, 1);
        grid->addWidget(Caption("Min"), 0, 2);
        grid->addWidget(min, 0, 3);
        grid->addWidget(directions[0], 1, 0, 1, 2);
        grid->addWidget(directions[1], 1, 2, 1, 2);
        grid->setColumnStretch(4, 1);
        auto* group = new QButtonGroup(frame);
        group->addButton(directions[0], 0);
        group->addButton(directions[1], 1);
        return frame;
    };
    txtLonD = Named(new QLineEdit, "txtLonD", "Degree of Longitude");
    txtLonM = Named(new QLineEdit, "txtLonM", "Minute of Longitude");
    optLong[0] = Named(new QRadioButton(QStringLiteral("East")), "optLong(0)", "East");
    optLong[1] = Named(new QRadioButton(QStringLiteral("West")), "optLong(1)", "West");
    fraLongitude = coordinate("Longitude", "fraLongitude", txtLonD, txtLonM, optLong);

    txtLatD = Named(new QLineEdit, "txtLatD", "Degree of Latitude");
    txtLatM = Named(new QLineEdit, "txtLatM", "Minute of Latitude");
    optLat[0] = Named(new QRadioButton(QStringLiteral("North")), "optLat(0)", "North");
    optLat[1] = Named(new QRadioButton(QStringLiteral("South")), "optLat(1)", "South");
    fraLatitude = coordinate("Latitude", "fraLatitude", txtLatD, txtLatM, optLat);

    auto* place = new QHBoxLayout;
    place->addWidget(fraLongitude);
    place->addWidget(fraLatitude);
    return place;
}

QGroupBox* InputPanel::createZone() {
    fraZone = Named(new QGroupBox(QStringLiteral("Time Zone")), "fraZone", nullptr);
    txtZoneHour = Named(new QLineEdit, "txtZoneHour", "Hour of Time Zone");
    txtZoneMinute = Named(new QLineEdit, "txtZoneMinute", "Minute of Time Zone");
    chkDST = Named(new QCheckBox(QStringLiteral("DST")), "chkDST", "Daylight Saving Time");
    lblTZHelp = Named(new LinkLabel(QStringLiteral("TZ Help")), "lblTZHelp", "TZ Help");
    lblTZHelp->setFocusPolicy(Qt::NoFocus);
    QFont linkFont = lblTZHelp->font();
    linkFont.setUnderline(true);
    lblTZHelp->setFont(linkFont);
    lblTZHelp->setForegroundRole(QPalette::Link);

    lblZoneName = Named(new QLabel, "lblZoneName", "Named Time Zone");
    lblZoneName->setTextFormat(Qt::PlainText);
    lblZoneName->setWordWrap(true);
    // Room for two lines, so that a long zone with a note on the entered time wraps without
    // moving the controls below.
    lblZoneName->setMinimumHeight(lblZoneName->fontMetrics().lineSpacing() * 2);
    lblZoneName->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    // The zone's magnitudes on one row; lines about the zone go below it.
    auto* row = new QHBoxLayout;
    row->addWidget(Caption("Hour"));
    row->addWidget(txtZoneHour);
    row->addWidget(Caption("Min"));
    row->addWidget(txtZoneMinute);
    row->addSpacing(12);
    row->addWidget(chkDST);
    row->addStretch(1);
    row->addWidget(lblTZHelp);
    auto* zone = new QVBoxLayout(fraZone);
    zone->addLayout(row);
    zone->addWidget(lblZoneName);
    return fraZone;
}

QGroupBox* InputPanel::createLookUp() {
    fraLookUp = Named(new QGroupBox, "fraLookUp", nullptr);
    txtMCity = Named(new QLineEdit, "txtMCity", "City");
    txtMState = Named(new QLineEdit, "txtMState", "State");
    txtMCountry = Named(new QLineEdit, "txtMCountry", "Country");
    cmdBrowser = Named(new QPushButton(QStringLiteral("Click Here To Find Latitude && Longitude")),
                       "cmdBrowser", "Click Here To Find Latitude & Longitude");
    placeCompleter =
        new PlaceCompleter(txtMCity, txtMState, txtMCountry, PlaceDirectory::BuiltIn(), this);

    auto* lookUp = new QGridLayout(fraLookUp);
    lookUp->addWidget(Caption("City"), 0, 0);
    lookUp->addWidget(txtMCity, 0, 1);
    lookUp->addWidget(Caption("State"), 0, 2);
    lookUp->addWidget(txtMState, 0, 3);
    lookUp->addWidget(Caption("Country"), 0, 4);
    lookUp->addWidget(txtMCountry, 0, 5);
    lookUp->addWidget(cmdBrowser, 1, 0, 1, 6);
    return fraLookUp;
}

// The two fixed texts of the panel, and the button beside the second.
QLayout* InputPanel::createCalculateRow() {
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

    cmdCalculate =
        Named(new QPushButton(QStringLiteral("&Find My Tithi")), "cmdCalculate", "Find My Tithi");
    cmdCalculate->setDefault(true);
    cmdCalculate->setMinimumWidth(cmdCalculate->sizeHint().width() + 24);

    auto* calculateRow = new QHBoxLayout;
    calculateRow->addWidget(description, 1);
    calculateRow->addWidget(cmdCalculate, 0, Qt::AlignBottom);
    auto* closing = new QVBoxLayout;
    closing->addWidget(tagline);
    closing->addLayout(calculateRow);
    return closing;
}

void InputPanel::createTabOrder() {
    QWidget* const order[] = {txtName,     cboMonth,      cboDate,     cboYear,    cboHH,
                              cboMM,       cboSS,         txtLonD,     txtLonM,    optLong[0],
                              optLong[1],  txtLatD,       txtLatM,     optLat[0],  optLat[1],
                              txtMCity,    txtMState,     txtMCountry, cmdBrowser, cmdCalculate,
                              txtZoneHour, txtZoneMinute, chkDST};
    for (std::size_t k = 1; k < std::size(order); ++k)
        setTabOrder(order[k - 1], order[k]);
}

void InputPanel::fillLists() {
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
}

std::array<QLineEdit*, 6> InputPanel::numericBoxes() const {
    return {txtLonD, txtLonM, txtLatD, txtLatM, txtZoneHour, txtZoneMinute};
}

// The digit filter: digits and backspace pass; any other typed character, the minus sign, the
// point and Ctrl+V included, inserts nothing and is reported.
bool InputPanel::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        for (QLineEdit* box : numericBoxes()) {
            if (watched != box)
                continue;
            const std::optional<int> code = TypedCharacterCode(static_cast<QKeyEvent*>(event));
            if (code && !(*code >= '0' && *code <= '9') && *code != 8) {
                Q_EMIT nonDigitRefused(box);
                return true;
            }
        }
    }
    return QFrame::eventFilter(watched, event);
}

std::array<std::pair<PlaceText, QLineEdit*>, 9> InputPanel::placeBoxes() const {
    return {{{&PlaceFields::lonDeg, txtLonD},
             {&PlaceFields::lonMin, txtLonM},
             {&PlaceFields::latDeg, txtLatD},
             {&PlaceFields::latMin, txtLatM},
             {&PlaceFields::zoneHour, txtZoneHour},
             {&PlaceFields::zoneMinute, txtZoneMinute},
             {&PlaceFields::city, txtMCity},
             {&PlaceFields::state, txtMState},
             {&PlaceFields::country, txtMCountry}}};
}

PlaceFields InputPanel::placeFields() const {
    PlaceFields place;
    for (const auto& [field, box] : placeBoxes())
        place.*field = box->text();
    place.lonWest = optLong[1]->isChecked();
    place.latSouth = optLat[1]->isChecked();
    place.dst = chkDST->isChecked();
    return place;
}

void InputPanel::setPlaceFields(const PlaceFields& place) {
    for (const auto& [field, box] : placeBoxes())
        box->setText(place.*field);
    optLong[place.lonWest ? 1 : 0]->setChecked(true);
    optLat[place.latSouth ? 1 : 0]->setChecked(true);
    chkDST->setChecked(place.dst);
}

QLineEdit* InputPanel::placeBox(PlaceText field) const {
    for (const auto& [member, box] : placeBoxes()) {
        if (member == field)
            return box;
    }
    return nullptr;
}

bool InputPanel::setMoment(const QDate& date, const QTime& time) {
    const int yearIndex = cboYear->findText(QString::number(date.year()));
    if (yearIndex < 0 || !time.isValid())
        return false;
    // The lists hold the month names in order, the days from 1, the hours, minutes and seconds
    // from 0.
    cboMonth->setCurrentIndex(date.month() - 1);
    cboDate->setCurrentIndex(date.day() - 1);
    cboYear->setCurrentIndex(yearIndex);
    cboHH->setCurrentIndex(time.hour());
    cboMM->setCurrentIndex(time.minute());
    cboSS->setCurrentIndex(time.second());
    return true;
}
