// SPDX-License-Identifier: MIT
// Where the calendar windows reckon their days: the place and civil clock of the main window's
// form, or why the form does not yet give them.
#pragma once

#include "engine/base/Place.h"
#include "engine/sky/SkyChoice.h"
#include "engine/time/CivilClock.h"

#include <QDate>
#include <QDateTime>
#include <QString>

#include <functional>
#include <memory>
#include <optional>
#include <variant>

class InputPanel;
class QWidget;

struct CalendarPlace {
    Place Where;                             // east and north positive
    std::shared_ptr<const CivilClock> Clock; // a fixed offset or a named zone
    QString Name;                            // the form's city, if any ("Delhi")
    QString Description;                     // "Delhi, 28°36′N 77°13′E, UTC+05:30"
    SkyChoice Sky;                           // the ephemeris and the ayanamsa of the menu
};

// What the form lacks, and the box to fix it in.
struct PlaceProblem {
    QString Message;
    QWidget* Focus{};
};

using PlaceOrProblem = std::variant<CalendarPlace, PlaceProblem>;
using PlaceSource = std::function<PlaceOrProblem()>;

// PlaceOfForm: the place and zone of the form: the longitude and latitude in degrees and
// minutes with their directions, and the named zone of a place taken from the directory or else
// the zone's hours and minutes, whose direction follows the longitude (the hemisphere rule),
// daylight saving as ticked. A box left empty or holding what is not a number in range gives the
// message that names it; a place beyond 90 degrees of latitude or 180 of longitude is refused.
//   namedZone  the form's named zone, or null while its boxes set the clock
//   exact      the place of the directory that filled the boxes, at its full precision, while
//              they hold what it wrote
PlaceOrProblem PlaceOfForm(const InputPanel& form,
                           std::shared_ptr<const CivilClock> namedZone = nullptr,
                           const std::optional<Place>& exact = std::nullopt);

// TodayAt: the date a moment falls on by a place's clock (the platform's clock read there).
QDate TodayAt(const QDateTime& now, const CivilClock& clock);

// DescribePlace: "28°36′N 77°13′E, UTC+05:30", after the name where there is one; a named zone
// by its name ("Asia/Kolkata").
QString DescribePlace(const Place& where, const CivilClock& clock, const QString& name);
