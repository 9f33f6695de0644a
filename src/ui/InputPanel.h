// SPDX-License-Identifier: MIT
// The input panel of the main window: the name, the date and time of the query, the place's
// longitude and latitude, the time zone, the place look-up and the button that calculates.
#pragma once

#include "ui/PlaceFields.h"
#include "ui/TranslatedTexts.h"

#include <QFrame>
#include <array>
#include <utility>

class LinkLabel;
class PlaceCompleter;
class QBoxLayout;
class QCheckBox;
class QComboBox;
class QDate;
class QGroupBox;
class QLabel;
class QLayout;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTime;

class InputPanel : public QFrame {
    Q_OBJECT
public:
    // The panel is the window's fraMain; its controls carry the names of the form.
    explicit InputPanel(QWidget* parent = nullptr);

    // Fills the six lists and selects the first entry of each, in the order of the form, so that
    // it shows 1 January 1901, 0:00:00.
    void fillLists();

    // The six boxes that take only digits: the degrees and minutes of the place and the zone.
    std::array<QLineEdit*, 6> numericBoxes() const;

    // The place and its zone as they stand, and filled in from a saved place (the home place).
    PlaceFields placeFields() const;
    void setPlaceFields(const PlaceFields& place);
    // The box that holds a text field of the place.
    QLineEdit* placeBox(PlaceText field) const;

    // Selects a date and a time of day, to the second, in the six lists. False, and nothing
    // changed, for a date outside the lists' years, 1901 ... 2050.
    bool setMoment(const QDate& date, const QTime& time);

    // Name, date and time of the query.
    QLineEdit* txtName{};
    QComboBox* cboMonth{};
    QComboBox* cboDate{};
    QComboBox* cboYear{};
    QComboBox* cboHH{};
    QComboBox* cboMM{};
    QComboBox* cboSS{};
    // The place: each coordinate in degrees and minutes, and its direction.
    QGroupBox* fraLongitude{};
    QLineEdit* txtLonD{};
    QLineEdit* txtLonM{};
    std::array<QRadioButton*, 2> optLong{}; // East, West
    QGroupBox* fraLatitude{};
    QLineEdit* txtLatD{};
    QLineEdit* txtLatM{};
    std::array<QRadioButton*, 2> optLat{}; // North, South
    // The time zone.
    QGroupBox* fraZone{};
    QLineEdit* txtZoneHour{};
    QLineEdit* txtZoneMinute{};
    QCheckBox* chkDST{};
    LinkLabel* lblTZHelp{};
    // The named zone of a place taken from the directory and what it gives at the entered
    // moment; empty while the boxes set the clock.
    QLabel* lblZoneName{};
    // The look-up of a place's latitude and longitude.
    QGroupBox* fraLookUp{};
    QLineEdit* txtMCity{};
    PlaceCompleter* placeCompleter{}; // the places of the directory, offered as City is typed
    QLineEdit* txtMState{};
    QLineEdit* txtMCountry{};
    QPushButton* cmdBrowser{};
    QPushButton* cmdCalculate{};

Q_SIGNALS:
    // A key that would type something other than a digit or a backspace was pressed in one of the
    // numeric boxes; it has been discarded and the box is unchanged.
    void nonDigitRefused(QLineEdit* box);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    // A control with its object name and, in the language of the moment, its accessible name;
    // a caption label.
    template <typename W> W* named(W* widget, const char* objectName, const char* accessibleName);
    QLabel* caption(const char* text);
    // Each part of the panel builds its controls and their layout.
    QLayout* createMoment();
    QLayout* createPlace();
    QGroupBox* createZone();
    QGroupBox* createLookUp();
    QLayout* createCalculateRow();
    void createTabOrder();
    // The place's text fields and their boxes, in the order of the form.
    std::array<std::pair<PlaceText, QLineEdit*>, 9> placeBoxes() const;

    TranslatedTexts texts_;
};
