// SPDX-License-Identifier: MIT
// The values of the input panel: the place's boxes and choices read and written together, and the
// date and time set in the lists.
#include "ui/InputPanel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDate>
#include <QLineEdit>
#include <QRadioButton>
#include <QTime>

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
