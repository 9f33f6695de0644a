// SPDX-License-Identifier: MIT
// The named zone of the form: taking a place from the directory into the form, the zone's line
// and boxes kept in step with the date and time lists, and the zone given up for typed values.
#include "ui/NamedZoneInput.h"

#include "engine/input/PlaceReading.h"
#include "places/ZoneText.h"
#include "ui/InputPanel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDate>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QRadioButton>
#include <cmath>
#include <cstdlib>

namespace {

constexpr int SecondsPerHour = 3600;

// Degrees and minutes of a coordinate's magnitude, to the nearest minute.
std::pair<int, int> DegreesAndMinutes(double degrees) {
    const long minutes = std::lround(std::fabs(degrees) * 60);
    return {int(minutes / 60), int(minutes % 60)};
}

} // namespace

QString EnteredReading::TimeText() const {
    return QStringLiteral("%1:%2")
        .arg(Hour, 2, 10, QLatin1Char('0'))
        .arg(Minute, 2, 10, QLatin1Char('0'));
}

std::pair<QString, QString> ChangeReadings(const ResolvedReading& resolved) {
    const ChangeSides sides = SidesOfChange(resolved);
    auto written = [&sides](const ClockReading& r) {
        const QString hourMinute = QStringLiteral("%1:%2")
                                       .arg(r.Hour, 2, 10, QLatin1Char('0'))
                                       .arg(r.Minute, 2, 10, QLatin1Char('0'));
        if (!sides.Dated)
            return hourMinute;
        // A change that passes over a date (a zone that crossed the date line) names the dates,
        // the one before ending at 24:00: "29 December 24:00" and "31 December 00:00".
        return QStringLiteral("%1 %2").arg(
            QLocale().toString(QDate(r.Year, r.Month, r.Day), QStringLiteral("d MMMM")),
            hourMinute);
    };
    return {written(sides.Before), written(sides.After)};
}

NamedZoneInput::NamedZoneInput(InputPanel& panel, QObject* parent)
    : QObject(parent), panel_(panel) {
    for (QComboBox* list :
         {panel_.cboMonth, panel_.cboDate, panel_.cboYear, panel_.cboHH, panel_.cboMM}) {
        connect(list, &QComboBox::currentIndexChanged, this, &NamedZoneInput::refresh);
    }
    // The zone set by hand, typed, pasted or written by the zone picker, wins over the named
    // zone. Longitude and latitude are the place's, not the zone's: refining them keeps it.
    auto byHand = [this] {
        if (!writing_)
            drop();
    };
    connect(panel_.txtZoneHour, &QLineEdit::textChanged, this, byHand);
    connect(panel_.txtZoneMinute, &QLineEdit::textChanged, this, byHand);
    connect(panel_.chkDST, &QCheckBox::toggled, this, byHand);
    // The place refined by hand is the one the boxes hold, to the minute.
    auto placeByHand = [this] {
        if (!writing_)
            exact_.reset();
    };
    for (QLineEdit* box : {panel_.txtLonD, panel_.txtLonM, panel_.txtLatD, panel_.txtLatM})
        connect(box, &QLineEdit::textChanged, this, placeByHand);
    for (QRadioButton* direction :
         {panel_.optLong[0], panel_.optLong[1], panel_.optLat[0], panel_.optLat[1]})
        connect(direction, &QRadioButton::toggled, this, placeByHand);
    showLine({});
}

EnteredReading NamedZoneInput::reading() const {
    EnteredReading r;
    r.Date = {panel_.cboYear->currentText().toInt(), panel_.cboMonth->currentIndex() + 1,
              panel_.cboDate->currentText().toInt()};
    r.Hour = panel_.cboHH->currentText().toInt();
    r.Minute = panel_.cboMM->currentText().toInt();
    return r;
}

void NamedZoneInput::takePlace(const DirectoryPlace& place) {
    panel_.txtMCity->setText(place.Name);
    panel_.txtMState->setText(place.Division);
    panel_.txtMCountry->setText(place.Country);
    writing_ = true;
    const auto [lonDeg, lonMin] = DegreesAndMinutes(place.Longitude);
    panel_.txtLonD->setText(QString::number(lonDeg));
    panel_.txtLonM->setText(QString::number(lonMin));
    panel_.optLong[place.Longitude < 0 ? 1 : 0]->setChecked(true);
    const auto [latDeg, latMin] = DegreesAndMinutes(place.Latitude);
    panel_.txtLatD->setText(QString::number(latDeg));
    panel_.txtLatM->setText(QString::number(latMin));
    panel_.optLat[place.Latitude < 0 ? 1 : 0]->setChecked(true);
    writing_ = false;
    exact_ = Place{place.Longitude, place.Latitude};

    clock_ = NamedZoneClock::Open(place.ZoneName);
    missingZone_.clear();
    if (!clock_) {
        // The boxes keep nothing of an earlier zone: the user types this one.
        writing_ = true;
        panel_.txtZoneHour->clear();
        panel_.txtZoneMinute->clear();
        panel_.chkDST->setChecked(false);
        writing_ = false;
        missingZone_ = place.ZoneName;
        showMissingZone();
        return;
    }
    refresh();
}

void NamedZoneInput::restore(const std::optional<Place>& exact, const QString& zoneName) {
    exact_ = exact;
    missingZone_.clear();
    clock_.reset();
    if (zoneName.isEmpty()) {
        showLine({});
        return;
    }
    clock_ = NamedZoneClock::Open(zoneName);
    if (!clock_) {
        missingZone_ = zoneName;
        showMissingZone();
        return;
    }
    refresh();
}

void NamedZoneInput::drop() {
    clock_.reset();
    missingZone_.clear();
    showLine({});
}

void NamedZoneInput::refresh() {
    if (!clock_)
        return;
    const EnteredReading entered = reading();
    const double civilJd = entered.CivilJd();
    const ResolvedReading resolved = ResolveReading(*clock_, civilJd);
    // A reading the clocks skip is described by the offset they jump to.
    const double instant = InstantOfReading(resolved, civilJd).value_or(resolved.ChangeJd);
    writeZoneBoxes(clock_->OffsetSecondsAt(instant), clock_->DaylightSavingSecondsAt(instant));

    QString line = ZoneDescription(*clock_, instant);
    if (resolved.Kind == ClockReadingKind::Gap) {
        line = tr("%1 — the clocks skip %2 on this date").arg(clock_->Name(), entered.TimeText());
    } else if (resolved.Kind == ClockReadingKind::Overlap) {
        line = tr("%1; %2 occurs twice").arg(line, entered.TimeText());
    }
    showLine(line);
}

// The boxes say in the form's own terms what the zone gives: with daylight saving in force DST
// is ticked and the boxes hold the offset less the hour that the tick adds (New York in summer:
// 5, 0 and DST for UTC-04:00), so that where the zone lies on the longitude's side of Greenwich
// the typed values give the same clock once the user takes the zone over by hand.
void NamedZoneInput::writeZoneBoxes(int offsetSeconds, int savingSeconds) {
    const bool saving = savingSeconds > 0;
    const int magnitude = std::abs(offsetSeconds - (saving ? SecondsPerHour : 0));
    const long minutes = std::lround(magnitude / 60.0);
    writing_ = true;
    panel_.txtZoneHour->setText(QString::number(minutes / 60));
    panel_.txtZoneMinute->setText(QString::number(minutes % 60));
    panel_.chkDST->setChecked(saving);
    writing_ = false;
}

void NamedZoneInput::showMissingZone() {
    showLine(tr("The zone %1 is not in this computer's time-zone database: enter its hours and "
                "minutes.")
                 .arg(missingZone_));
}

// The zone's line is told again in the new language.
bool NamedZoneInput::event(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) {
        if (clock_)
            refresh();
        else if (!missingZone_.isEmpty())
            showMissingZone();
    }
    return QObject::event(event);
}

void NamedZoneInput::showLine(const QString& text) {
    panel_.lblZoneName->setText(text);
    // Read beside the zone's first box, which a screen reader reaches with Tab.
    panel_.txtZoneHour->setAccessibleDescription(text);
}
