// SPDX-License-Identifier: MIT
// The place and clock of the main window's form, for the calendar windows.
#include "ui/CalendarPlace.h"

#include "engine/calendar/ICalendar.h"
#include "engine/input/NumericText.h"
#include "engine/report/PrepareMoment.h"
#include "ui/InputPanel.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QLineEdit>
#include <QRadioButton>

#include <cmath>

namespace {

// The texts of this file, in the catalogue's context "CalendarPlace".
struct CalendarPlaceTexts {
    Q_DECLARE_TR_FUNCTIONS(CalendarPlace)
};

// Degrees and minutes of arc: 28°36′N.
QString AngleText(double degrees, const QString& positive, const QString& negative) {
    const long minutes = std::lround(std::fabs(degrees) * 60);
    return QStringLiteral("%1°%2′%3")
        .arg(minutes / 60)
        .arg(minutes % 60, 2, 10, QLatin1Char('0'))
        .arg(degrees < 0 ? negative : positive);
}

} // namespace

QDate TodayAt(const QDateTime& now, const CivilClock& clock) {
    const double jd = now.toMSecsSinceEpoch() / 86400000.0 + 2440587.5; // Universal Time
    const ClockReading reading =
        ReadClock(CivilJulianDayAt(clock, jd), ClockRounding::NearestSecond);
    return QDate(reading.Year, reading.Month, reading.Day);
}

QString DescribePlace(const Place& where, const CivilClock& clock, const QString& name) {
    // The directions by their initials in the chosen language.
    const QString coordinates =
        AngleText(where.Latitude, QCoreApplication::translate("CalendarPlace", "N", "north"),
                  QCoreApplication::translate("CalendarPlace", "S", "south")) +
        QLatin1Char(' ') +
        AngleText(where.Longitude, QCoreApplication::translate("CalendarPlace", "E", "east"),
                  QCoreApplication::translate("CalendarPlace", "W", "west"));
    const std::string zoneName = clock.ZoneName();
    // A clock without a name keeps one offset; a named zone is told by its name.
    constexpr double J2000 = 2451545.0;
    const QString zone =
        zoneName.empty()
            ? QStringLiteral("UTC") + QString::fromStdString(OffsetText(clock.OffsetHoursAt(J2000)))
            : QString::fromStdString(zoneName);
    //: A place: its coordinates and its clock, "28°36′N 77°13′E, UTC+05:30"
    const QString place = CalendarPlaceTexts::tr("%1, %2").arg(coordinates, zone);
    return name.isEmpty() ? place : CalendarPlaceTexts::tr("%1, %2").arg(name, place);
}

PlaceOrProblem PlaceOfForm(const InputPanel& form, std::shared_ptr<const CivilClock> namedZone) {
    struct Box {
        QLineEdit* Edit;
        const char* Name; // its accessible name, as the form's label reads
        int Most;         // the largest value that makes sense
        int* Into;
    };
    MomentInputs inputs;
    const Box boxes[] = {
        {form.txtLonD, QT_TRANSLATE_NOOP("CalendarPlace", "Degree of Longitude"), 180,
         &inputs.LonDeg},
        {form.txtLonM, QT_TRANSLATE_NOOP("CalendarPlace", "Minute of Longitude"), 59,
         &inputs.LonMin},
        {form.txtLatD, QT_TRANSLATE_NOOP("CalendarPlace", "Degree of Latitude"), 90,
         &inputs.LatDeg},
        {form.txtLatM, QT_TRANSLATE_NOOP("CalendarPlace", "Minute of Latitude"), 59,
         &inputs.LatMin},
        {form.txtZoneHour, QT_TRANSLATE_NOOP("CalendarPlace", "Hour of Time Zone"), 14,
         &inputs.ZoneHour},
        {form.txtZoneMinute, QT_TRANSLATE_NOOP("CalendarPlace", "Minute of Time Zone"), 59,
         &inputs.ZoneMinute},
    };
    for (const Box& box : boxes) {
        if (namedZone && (box.Edit == form.txtZoneHour || box.Edit == form.txtZoneMinute))
            continue; // the named zone sets the clock
        const QString text = box.Edit->text().trimmed();
        if (text.isEmpty()) {
            return PlaceProblem{
                CalendarPlaceTexts::tr("The calendar is reckoned at the place and time zone of the "
                                       "form. Please enter the %1 on the form first.")
                    .arg(CalendarPlaceTexts::tr(box.Name)),
                box.Edit};
        }
        const std::optional<std::int16_t> value = TextToInteger16(text.toStdString());
        if (!value || *value < 0 || *value > box.Most) {
            return PlaceProblem{
                CalendarPlaceTexts::tr("The %1 on the form must be a whole number from 0 to %2.")
                    .arg(CalendarPlaceTexts::tr(box.Name))
                    .arg(box.Most),
                box.Edit};
        }
        *box.Into = *value;
    }
    inputs.LonEast = form.optLong[0]->isChecked();
    inputs.LatSouth = form.optLat[1]->isChecked();
    inputs.Dst = form.chkDST->isChecked();
    // The form's own flow: the degrees and the zone into the record, then the place and the
    // clock by the hemisphere rule.
    CalculationRecord record;
    PrepareMomentOf(record, inputs);
    CalendarPlace place;
    place.Where = PlaceOfRecord(record);
    if (std::fabs(place.Where.Latitude) > 90 || std::fabs(place.Where.Longitude) > 180) {
        return PlaceProblem{CalendarPlaceTexts::tr(
                                "The place on the form lies beyond 90 degrees of latitude or 180 "
                                "degrees of longitude."),
                            form.txtLatD};
    }
    if (namedZone)
        place.Clock = std::move(namedZone);
    else
        place.Clock = std::make_shared<FixedOffsetClock>(ClockOfRecord(record));
    place.Name = form.txtMCity->text().trimmed();
    place.Description = DescribePlace(place.Where, *place.Clock, place.Name);
    return place;
}
