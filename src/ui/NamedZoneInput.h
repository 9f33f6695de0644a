// SPDX-License-Identifier: MIT
// The named zone of the form: the zone of a place taken from the directory, shown below the
// zone's boxes with what it gives at the entered date and time, and given up as soon as the user
// sets the zone by hand.
#pragma once

#include "engine/base/Place.h"
#include "engine/input/PlaceReading.h"
#include "engine/time/CivilClock.h"
#include "places/NamedZoneClock.h"
#include "places/PlaceDirectory.h"

#include <QObject>
#include <QString>
#include <optional>
#include <utility>

class InputPanel;

// The reading of the clock that the date and time lists hold (seconds are not read).
struct EnteredReading : ClockEntry {
    // "02:30", as every time of the program is written.
    QString TimeText() const;
};

// ChangeReadings: the readings of the clock either side of the change that a skipped or repeated
// reading falls in, "02:00" and "03:00" where the clocks go forward at two.
std::pair<QString, QString> ChangeReadings(const ResolvedReading& resolved);

class NamedZoneInput : public QObject {
    Q_OBJECT
public:
    // Works on the panel's controls: follows its date and time lists and its zone boxes.
    explicit NamedZoneInput(InputPanel& panel, QObject* parent = nullptr);

    // Fills the form from a place of the directory: the city, state and country, the degrees
    // and minutes of longitude and latitude (to the nearest minute) with their directions, and
    // the zone, which becomes the form's named zone. The place itself is kept at its full
    // precision until a box or a direction of the longitude or latitude is changed.
    void takePlace(const DirectoryPlace& place);

    // Takes back a place of the directory kept with the boxes (the home place), once the boxes
    // hold what it wrote: its full precision and its named zone, which writes the zone's boxes
    // for the entered date. A zone missing from the system's database is said, and the boxes
    // keep their hours.
    void restore(const std::optional<Place>& exact, const QString& zoneName);

    // The place of the directory that filled the boxes of longitude and latitude, while they
    // hold what it wrote; none once the user changed one.
    const std::optional<Place>& exactPlace() const { return exact_; }

    // Gives up the named zone: the zone's boxes alone set the clock again.
    void drop();

    // The named zone, or none when the boxes set the clock.
    const NamedZoneClock* clock() const { return clock_ ? &*clock_ : nullptr; }

    // The reading the date and time lists hold.
    EnteredReading reading() const;

protected:
    bool event(QEvent* event) override;

private:
    // Says that the place's zone is missing from the system's database.
    void showMissingZone();
    // Writes the zone's line, and the boxes and DST with the offset in force at the entered
    // reading.
    void refresh();
    void writeZoneBoxes(int offsetSeconds, int savingSeconds);
    void showLine(const QString& text);

    InputPanel& panel_;
    std::optional<NamedZoneClock> clock_;
    std::optional<Place> exact_; // east and north positive, as the directory gives it
    bool writing_ = false;       // the boxes are being written for the named zone, not by the user
    QString missingZone_;        // the zone of the place taken, where the system lacks it
};
