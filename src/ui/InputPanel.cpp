// SPDX-License-Identifier: MIT
// The input panel of the main window: its controls with the names, texts and accessible names of
// the form, their layout and tab order, and the digit filter of the numeric boxes (their values:
// InputPanelValues.cpp).
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
#include <QLocale>
#include <QPushButton>
#include <QRadioButton>
#include <QTime>
#include <QVBoxLayout>
#include <algorithm>
#include <optional>

namespace {

template <typename W> W* Named(W* widget, const char* objectName) {
    widget->setObjectName(QLatin1String(objectName));
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

// A control's accessible name, the text of the label beside it, in the language of the moment.
template <typename W>
W* InputPanel::named(W* widget, const char* objectName, const char* accessibleName) {
    widget->setObjectName(QLatin1String(objectName));
    texts_.add([widget, accessibleName] { widget->setAccessibleName(tr(accessibleName)); });
    return widget;
}

QLabel* InputPanel::caption(const char* text) {
    auto* label = new QLabel;
    texts_.add([label, text] { label->setText(tr(text)); });
    return label;
}

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
    for (QLineEdit* box : numericBoxes())
        box->setMaximumWidth(fontMetrics().horizontalAdvance(QLatin1Char('0')) * 8);
    // Return in any input of the form runs the default button, as in a dialog: the text boxes,
    // the lists while closed, the directions and the daylight-saving box.
    for (QLineEdit* box : textBoxes())
        returnRuns_.push_back(box);
    for (QWidget* input : std::initializer_list<QWidget*>{cboMonth, cboDate, cboYear, cboHH, cboMM,
                                                         cboSS, optLong[0], optLong[1], optLat[0],
                                                         optLat[1], chkDST})
        returnRuns_.push_back(input);
    for (QWidget* input : returnRuns_)
        input->installEventFilter(this);
    createTabOrder();
}

QLayout* InputPanel::createMoment() {
    txtName = named(new QLineEdit, "txtName", QT_TR_NOOP("Name"));
    cboMonth = named(new QComboBox, "cboMonth", QT_TR_NOOP("Month of Query"));
    cboDate = named(new QComboBox, "cboDate", QT_TR_NOOP("Day of Query"));
    cboYear = named(new QComboBox, "cboYear", QT_TR_NOOP("Year of Query"));
    cboHH = named(new QComboBox, "cboHH", QT_TR_NOOP("Hour of Query"));
    cboMM = named(new QComboBox, "cboMM", QT_TR_NOOP("Minute of Query"));
    cboSS = named(new QComboBox, "cboSS", QT_TR_NOOP("Second of Query"));
    for (QComboBox* list : {cboMonth, cboDate, cboYear, cboHH, cboMM, cboSS}) {
        list->setMaxVisibleItems(12);
#ifdef Q_OS_UNIX
        // Qt's lists on these desktops give their current entry as their accessible name, as
        // the desktop's own lists do, and leave the caption to a label's relation; three lists
        // share each caption here, so each tells a screen reader its own in its description.
        texts_.add([list] { list->setAccessibleDescription(list->accessibleName()); });
#endif
    }

    auto* moment = new QGridLayout;
    moment->addWidget(caption(QT_TR_NOOP("Name")), 0, 0);
    moment->addWidget(txtName, 0, 1, 1, 4);
    QLabel* dateCaption = caption(QT_TR_NOOP("Date of Query"));
    dateCaption->setBuddy(cboMonth);
    moment->addWidget(dateCaption, 1, 0);
    moment->addWidget(cboMonth, 1, 1);
    moment->addWidget(cboDate, 1, 2);
    moment->addWidget(cboYear, 1, 3);
    QLabel* timeCaption = caption(QT_TR_NOOP("Time of Query"));
    timeCaption->setBuddy(cboHH);
    moment->addWidget(timeCaption, 2, 0);
    moment->addWidget(cboHH, 2, 1);
    moment->addWidget(cboMM, 2, 2);
    moment->addWidget(cboSS, 2, 3);
    moment->addWidget(caption(QT_TR_NOOP("HH:MM:SS")), 2, 4);
    moment->setColumnStretch(4, 1);
    return moment;
}

QLayout* InputPanel::createPlace() {
    // A coordinate: degrees, minutes and the pair of directions, in a frame of its own.
    auto coordinate = [this](const char* title, const char* name, QLineEdit* deg, QLineEdit* min,
                             const std::array<QRadioButton*, 2>& directions) {
        auto* frame = Named(new QGroupBox, name);
        texts_.add([frame, title] { frame->setTitle(tr(title)); });
        auto* grid = new QGridLayout(frame);
        grid->addWidget(caption(QT_TR_NOOP("Deg")), 0, 0);
        grid->addWidget(deg, 0, 1);
        grid->addWidget(caption(QT_TR_NOOP("Min")), 0, 2);
        grid->addWidget(min, 0, 3);
        grid->addWidget(directions[0], 1, 0, 1, 2);
        grid->addWidget(directions[1], 1, 2, 1, 2);
        grid->setColumnStretch(4, 1);
        auto* group = new QButtonGroup(frame);
        group->addButton(directions[0], 0);
        group->addButton(directions[1], 1);
        return frame;
    };
    // A direction: its caption is its accessible name too.
    auto direction = [this](const char* text, const char* name) {
        auto* option = named(new QRadioButton, name, text);
        texts_.add([option, text] { option->setText(tr(text)); });
        return option;
    };
    txtLonD = named(new QLineEdit, "txtLonD", QT_TR_NOOP("Degree of Longitude"));
    txtLonM = named(new QLineEdit, "txtLonM", QT_TR_NOOP("Minute of Longitude"));
    optLong[0] = direction(QT_TR_NOOP("East"), "optLong(0)");
    optLong[1] = direction(QT_TR_NOOP("West"), "optLong(1)");
    fraLongitude = coordinate(QT_TR_NOOP("Longitude"), "fraLongitude", txtLonD, txtLonM, optLong);

    txtLatD = named(new QLineEdit, "txtLatD", QT_TR_NOOP("Degree of Latitude"));
    txtLatM = named(new QLineEdit, "txtLatM", QT_TR_NOOP("Minute of Latitude"));
    optLat[0] = direction(QT_TR_NOOP("North"), "optLat(0)");
    optLat[1] = direction(QT_TR_NOOP("South"), "optLat(1)");
    fraLatitude = coordinate(QT_TR_NOOP("Latitude"), "fraLatitude", txtLatD, txtLatM, optLat);

    auto* place = new QHBoxLayout;
    place->addWidget(fraLongitude);
    place->addWidget(fraLatitude);
    return place;
}

QGroupBox* InputPanel::createZone() {
    fraZone = Named(new QGroupBox, "fraZone");
    txtZoneHour = named(new QLineEdit, "txtZoneHour", QT_TR_NOOP("Hour of Time Zone"));
    txtZoneMinute = named(new QLineEdit, "txtZoneMinute", QT_TR_NOOP("Minute of Time Zone"));
    chkDST = named(new QCheckBox, "chkDST", QT_TR_NOOP("Daylight Saving Time"));
    lblTZHelp = named(new LinkLabel(QString()), "lblTZHelp", QT_TR_NOOP("TZ Help"));
    texts_.add([this] {
        fraZone->setTitle(tr("Time Zone"));
        chkDST->setText(tr("DST"));
        lblTZHelp->setText(tr("TZ Help"));
    });
    lblTZHelp->setFocusPolicy(Qt::NoFocus);
    QFont linkFont = lblTZHelp->font();
    linkFont.setUnderline(true);
    lblTZHelp->setFont(linkFont);
    lblTZHelp->setForegroundRole(QPalette::Link);

    lblZoneName = named(new QLabel, "lblZoneName", QT_TR_NOOP("Named Time Zone"));
    lblZoneName->setTextFormat(Qt::PlainText);
    lblZoneName->setWordWrap(true);
    // Room for two lines, so that a long zone with a note on the entered time wraps without
    // moving the controls below.
    lblZoneName->setMinimumHeight(lblZoneName->fontMetrics().lineSpacing() * 2);
    lblZoneName->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    // The zone's magnitudes on one row; lines about the zone go below it.
    auto* row = new QHBoxLayout;
    row->addWidget(caption(QT_TR_NOOP("Hour")));
    row->addWidget(txtZoneHour);
    row->addWidget(caption(QT_TR_NOOP("Min")));
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
    fraLookUp = Named(new QGroupBox, "fraLookUp");
    txtMCity = named(new QLineEdit, "txtMCity", QT_TR_NOOP("City"));
    txtMState = named(new QLineEdit, "txtMState", QT_TR_NOOP("State"));
    txtMCountry = named(new QLineEdit, "txtMCountry", QT_TR_NOOP("Country"));
    cmdBrowser =
        named(new QPushButton, "cmdBrowser", QT_TR_NOOP("Click Here To Find Latitude & Longitude"));
    texts_.add([this] { cmdBrowser->setText(tr("Click Here To Find Latitude && Longitude")); });
    placeCompleter =
        new PlaceCompleter(txtMCity, txtMState, txtMCountry, PlaceDirectory::BuiltIn(), this);

    auto* lookUp = new QGridLayout(fraLookUp);
    lookUp->addWidget(caption(QT_TR_NOOP("City")), 0, 0);
    lookUp->addWidget(txtMCity, 0, 1);
    lookUp->addWidget(caption(QT_TR_NOOP("State")), 0, 2);
    lookUp->addWidget(txtMState, 0, 3);
    lookUp->addWidget(caption(QT_TR_NOOP("Country")), 0, 4);
    lookUp->addWidget(txtMCountry, 0, 5);
    lookUp->addWidget(cmdBrowser, 1, 0, 1, 6);
    return fraLookUp;
}

// The two fixed texts of the panel, and the button beside the second.
QLayout* InputPanel::createCalculateRow() {
    auto* tagline = Named(new QLabel, "lblTagline");
    QFont taglineFont = tagline->font();
    taglineFont.setBold(true);
    tagline->setFont(taglineFont);
    tagline->setWordWrap(true);
    auto* description = Named(new QLabel, "lblDescription");
    description->setWordWrap(true);
    texts_.add([tagline, description] {
        tagline->setText(tr("Know the tithi before you start any important work."));
        description->setText(
            tr("Kestrava calculates the Lunar Day based on Vedic Astrology. Tithis "
               "are said to be good or bad and are important in timing of "
               "events. "));
    });

    cmdCalculate = named(new QPushButton, "cmdCalculate", QT_TR_NOOP("Find My Tithi"));
    cmdCalculate->setDefault(true);
    texts_.add([this] {
        cmdCalculate->setText(tr("&Find My Tithi"));
        cmdCalculate->setMinimumWidth(0);
        cmdCalculate->setMinimumWidth(cmdCalculate->sizeHint().width() + 24);
    });

    auto* calculateRow = new QHBoxLayout;
    calculateRow->addWidget(description, 1);
    calculateRow->addWidget(cmdCalculate, 0, Qt::AlignBottom);
    auto* closing = new QVBoxLayout;
    closing->addWidget(tagline);
    closing->addLayout(calculateRow);
    return closing;
}

// Top to bottom, and left to right within a row: the name, the date and time, the longitude and
// the latitude side by side, the time zone, the look-up of a place, and the button.
void InputPanel::createTabOrder() {
    QWidget* const order[] = {txtName,  cboMonth,  cboDate,     cboYear,     cboHH,         cboMM,
                              cboSS,    txtLonD,   txtLonM,     optLong[0],  optLong[1],    txtLatD,
                              txtLatM,  optLat[0], optLat[1],   txtZoneHour, txtZoneMinute, chkDST,
                              txtMCity, txtMState, txtMCountry, cmdBrowser,  cmdCalculate};
    for (std::size_t k = 1; k < std::size(order); ++k)
        setTabOrder(order[k - 1], order[k]);
}

void InputPanel::fillLists() {
    // The months by the names of the chosen language's locale ("January" ... "December" in
    // English), named again when the language changes.
    for (int month = 1; month <= 12; ++month)
        cboMonth->addItem(QLocale().standaloneMonthName(month));
    FillNumbers(cboDate, 1, 31);
    FillNumbers(cboYear, 1901, 2050);
    FillNumbers(cboHH, 0, 23);
    FillNumbers(cboMM, 0, 59);
    FillNumbers(cboSS, 0, 59);
    for (QComboBox* list : {cboMonth, cboDate, cboYear, cboHH, cboMM, cboSS})
        list->setCurrentIndex(0);
}

void InputPanel::changeEvent(QEvent* event) {
    if (texts_.handle(event)) {
        for (int k = 0; k < cboMonth->count(); ++k)
            cboMonth->setItemText(k, QLocale().standaloneMonthName(k + 1));
    }
    QFrame::changeEvent(event);
}

std::array<QLineEdit*, 6> InputPanel::numericBoxes() const {
    return {txtLonD, txtLonM, txtLatD, txtLatM, txtZoneHour, txtZoneMinute};
}

std::array<QLineEdit*, 10> InputPanel::textBoxes() const {
    return {txtName,     txtLonD,       txtLonM,  txtLatD,   txtLatM,
            txtZoneHour, txtZoneMinute, txtMCity, txtMState, txtMCountry};
}

// Return in an input asks for the calculation, as the default button of a dialog would run.
// The digit filter: digits and backspace pass; any other typed character, the minus sign, the
// point and Ctrl+V included, inserts nothing and is reported.
bool InputPanel::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        // Return while a place is chosen from the City box's list, or an entry from an open list,
        // belongs to the list: the list takes the keys then, past this filter.
        if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) &&
            std::find(returnRuns_.begin(), returnRuns_.end(), watched) != returnRuns_.end()) {
            Q_EMIT returnPressed();
            return true;
        }
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
