// SPDX-License-Identifier: MIT
// The place and clock of the main window's form, for the calendar windows.
#include "ui/CalendarPlace.h"

#include "engine/calendar/ICalendar.h"
#include "engine/input/PlaceReading.h"
#include "ui/InputPanel.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QLineEdit>
#include <QRadioButton>

#include <algorithm>
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

PlaceOrProblem PlaceOfForm(const InputPanel& form, std::shared_ptr<const CivilClock> namedZone,
                           const std::optional<Place>& exact) {
    struct Box {
        PlaceInput Input;
        QLineEdit* Edit;
        const char* Name; // its accessible name, as the form's label reads
    };
    const Box boxes[] = {
        {PlaceInput::LonDeg, form.txtLonD,
         QT_TRANSLATE_NOOP("CalendarPlace", "Degree of Longitude")},
        {PlaceInput::LonMin, form.txtLonM,
         QT_TRANSLATE_NOOP("CalendarPlace", "Minute of Longitude")},
        {PlaceInput::LatDeg, form.txtLatD,
         QT_TRANSLATE_NOOP("CalendarPlace", "Degree of Latitude")},
        {PlaceInput::LatMin, form.txtLatM,
         QT_TRANSLATE_NOOP("CalendarPlace", "Minute of Latitude")},
        {PlaceInput::ZoneHour, form.txtZoneHour,
         QT_TRANSLATE_NOOP("CalendarPlace", "Hour of Time Zone")},
        {PlaceInput::ZoneMinute, form.txtZoneMinute,
         QT_TRANSLATE_NOOP("CalendarPlace", "Minute of Time Zone")},
    };
    PlaceTexts texts;
    texts.LonDeg = form.txtLonD->text().trimmed().toStdString();
    texts.LonMin = form.txtLonM->text().trimmed().toStdString();
    texts.LatDeg = form.txtLatD->text().trimmed().toStdString();
    texts.LatMin = form.txtLatM->text().trimmed().toStdString();
    texts.ZoneHour = form.txtZoneHour->text().trimmed().toStdString();
    texts.ZoneMinute = form.txtZoneMinute->text().trimmed().toStdString();
    texts.LonEast = form.optLong[0]->isChecked();
    texts.LatSouth = form.optLat[1]->isChecked();
    texts.Dst = form.chkDST->isChecked();

    const auto read = ReadPlaceBoxes(texts, /*zoneBoxes=*/!namedZone, exact);
    if (const auto* refusal = std::get_if<PlaceRefusal>(&read)) {
        const Box& box = *std::find_if(std::begin(boxes), std::end(boxes),
                                       [&](const Box& b) { return b.Input == refusal->Input; });
        switch (refusal->Why) {
        case ReadingRefusal::Empty:
            return PlaceProblem{
                CalendarPlaceTexts::tr("The calendar is reckoned at the place and time zone of the "
                                       "form. Please enter the %1 on the form first.")
                    .arg(CalendarPlaceTexts::tr(box.Name)),
                box.Edit};
        case ReadingRefusal::NotANumber:
        case ReadingRefusal::BeyondRange:
            return PlaceProblem{
                CalendarPlaceTexts::tr("The %1 on the form must be a whole number from 0 to %2.")
                    .arg(CalendarPlaceTexts::tr(box.Name))
                    .arg(MostOf(box.Input)),
                box.Edit};
        case ReadingRefusal::ImpossiblePlace:
            break;
        }
        return PlaceProblem{CalendarPlaceTexts::tr(
                                "The place on the form lies beyond 90 degrees of latitude or 180 "
                                "degrees of longitude."),
                            box.Edit};
    }
    const FormPlace& found = std::get<FormPlace>(read);
    CalendarPlace place;
    place.Where = found.Where;
    if (namedZone)
        place.Clock = std::move(namedZone);
    else
        place.Clock = std::make_shared<FixedOffsetClock>(found.Clock);
    place.Name = form.txtMCity->text().trimmed();
    place.Description = DescribePlace(place.Where, *place.Clock, place.Name);
    return place;
}
