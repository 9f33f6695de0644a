// SPDX-License-Identifier: MIT
// The form's place as the report's lines, the calendar windows and the tool read it: the same
// texts give the same place and clock on every path, a place no one can stand on is said instead
// of reckoned, and a place of the directory reaches the engine at its full precision.
#include "Compute.h"
#include "Options.h"
#include "engine/day/Panchanga.h"
#include "places/PlaceDirectory.h"
#include "support/MainWindowTest.h"
#include "ui/DayPanel.h"
#include "ui/PanchangaTexts.h"
#include "ui/PlaceCompleter.h"
#include "ui/ValueLabel.h"
#include "ui/frmMonth.h"

#include <QCheckBox>
#include <QLabel>
#include <QRadioButton>

#include <array>
#include <list>
#include <string>
#include <string_view>
#include <vector>

namespace {

class PlaceReadingTest : public MainWindowTest {
protected:
    // Delhi's moment of the form's tests, 11 January 2024, 17:00, at the place given.
    void typePlace(const char* lon, const char* lonMin, bool west, const char* lat,
                   const char* latMin, bool south, const char* zone, const char* zoneMin,
                   bool dst) {
        if (find("fraResult")->isVisible())
            click("cmdBack");
        set({{"txtName", "Asha"}, {"cboMonth", "January"}, {"cboDate", "11"}, {"cboYear", "2024"}});
        set({{"cboHH", "17"}, {"cboMM", "0"}, {"txtLonD", lon}, {"txtLonM", lonMin}});
        set({{"txtLatD", lat}, {"txtLatM", latMin}, {"txtZoneHour", zone}});
        set({{"txtZoneMinute", zoneMin}});
        click(west ? "optLong(1)" : "optLong(0)");
        click(south ? "optLat(1)" : "optLat(0)");
        if (find<QCheckBox>("chkDST")->isChecked() != dst)
            click("chkDST");
    }
    QString text(const char* label) { return find<QLabel>(label)->text(); }
    QStringList lines() { return {text("lblTithiTimes"), text("lblSunrise"), text("lblKarana")}; }
    // The month view opened from the Calendar menu, and the place it reckons at.
    const CalendarPlace* monthPlace() {
        platform.messages.clear();
        click("mnuMonthView");
        const frmMonth* month = window.findChild<frmMonth*>();
        if (!month || !platform.messages.isEmpty())
            return nullptr;
        return &month->place();
    }
};

// The boxes of the form, their directions and DST, and the same place on the tool's command line.
struct PlaceCase {
    std::array<const char*, 6> Boxes; // degrees and minutes of longitude, latitude and zone
    const char* Choices;              // "W S DST": west, south, daylight saving; else east, north
    const char* Tool;
    double Offset; // the clock's offset, hours east, worked by hand
};

// Delhi; New York in summer time (74°W, zone 5, DST: UTC-4); Greenwich with DST, the meridian
// counting as west (zone 0 becomes UTC+1); Sydney; a picker's signed zone, -5 and -30, taken as
// its magnitude west of Greenwich.
TEST_F(PlaceReadingTest, TheReportTheCalendarAndTheToolReadTheSameTextsAlike) {
    const PlaceCase cases[] = {
        {{"77", "13", "28", "36", "5", "30"}, "", "--zone 5:30 --lon 77:13E --lat 28:36N", 5.5},
        {{"74", "0", "40", "42", "5", "0"}, "W DST", "--zone 5 --dst --lon 74W --lat 40:42N", -4},
        {{"0", "0", "51", "29", "0", "0"}, "DST", "--zone 0 --dst --lon 0:00E --lat 51:29N", 1},
        {{"151", "12", "33", "52", "10", "0"}, "S", "--zone 10 --lon 151:12E --lat 33:52S", 10},
        {{"74", "0", "40", "42", "-5", "-30"}, "W", "--zone 5:30 --lon 74:00W --lat 40:42N", -5.5},
    };
    std::list<std::string> words; // the tool's arguments, kept while it reads them
    for (const PlaceCase& c : cases) {
        SCOPED_TRACE(c.Tool);
        const QStringList choices =
            QString::fromLatin1(c.Choices).split(QLatin1Char(' '), Qt::SkipEmptyParts);
        const auto& b = c.Boxes;
        typePlace(b[0], b[1], choices.contains(QStringLiteral("W")), b[2], b[3],
                  choices.contains(QStringLiteral("S")), b[4], b[5],
                  choices.contains(QStringLiteral("DST")));
        click("cmdCalculate");
        ASSERT_TRUE(find("fraResult")->isVisible());
        const Place report = PlaceOfRecord(record);
        const double reportOffset = ClockOfRecord(record).OffsetHoursAt(2460321);

        const CalendarPlace* calendar = monthPlace();
        ASSERT_NE(calendar, nullptr) << platform.messageTexts().join(' ').toStdString();

        std::vector<std::string_view> args = {"2024-01-11", "17:00"};
        for (const QString& word : QString::fromLatin1(c.Tool).split(QLatin1Char(' ')))
            args.push_back(words.emplace_back(word.toStdString()));
        const auto parsed = tithi_cli::ParseMomentArguments(args);
        ASSERT_TRUE(std::holds_alternative<tithi_cli::MomentArguments>(parsed));
        const tithi_cli::PlaceAndClock tool =
            tithi_cli::PlaceAndClockOf(std::get<tithi_cli::MomentArguments>(parsed));

        EXPECT_EQ(std::tie(report.Longitude, report.Latitude),
                  std::tie(calendar->Where.Longitude, calendar->Where.Latitude));
        EXPECT_EQ(std::tie(report.Longitude, report.Latitude),
                  std::tie(tool.Where.Longitude, tool.Where.Latitude));
        EXPECT_EQ(reportOffset, c.Offset);
        EXPECT_EQ(calendar->Clock->OffsetHoursAt(2460321), c.Offset);
        EXPECT_EQ(tool.Clock->OffsetHoursAt(2460321), c.Offset);
        window.findChild<frmMonth*>()->close();
    }
}

// A latitude beyond 90° or a longitude beyond 180° passes the report's own checks (it sets no
// bound on the degrees) and the tithi of the moment is shown; what would be reckoned at the
// place is not, and the lines say why. The calendar windows refuse such a place.
TEST_F(PlaceReadingTest, APlaceNoOneCanStandOnIsSaidInsteadOfReckoned) {
    const QString beyondLatitude =
        "The latitude on the form lies beyond 90 degrees, where no place is: the tithi's times, "
        "the sunrise and the day's panchanga are not computed.";
    const QString beyondLongitude =
        "The longitude on the form lies beyond 180 degrees, where no place is: the tithi's "
        "times, the sunrise and the day's panchanga are not computed.";
    const auto* day = window.findChild<DayPanel*>();
    ASSERT_NE(day, nullptr);
    const QString beyond = "The place on the form lies beyond 90 degrees of latitude or 180 "
                           "degrees of longitude.";
    // The boxes, the line below the report, the calendar's message and the box it puts the
    // focus in.
    const struct {
        const char *Lon, *LonMin, *Lat, *LatMin;
        QString Line, Calendar;
        const char* Focus;
    } cases[] = {
        {"77", "13", "95", "0", beyondLatitude,
         "The Degree of Latitude on the form must be a whole number from 0 to 90.", "txtLatD"},
        {"77", "13", "90", "1", beyondLatitude, beyond, "txtLatD"},
        {"999", "0", "28", "36", beyondLongitude,
         "The Degree of Longitude on the form must be a whole number from 0 to 180.", "txtLonD"},
        {"180", "30", "28", "36", beyondLongitude, beyond, "txtLonD"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Line.left(14).toStdString() + " " + c.Lon);
        typePlace(c.Lon, c.LonMin, false, c.Lat, c.LatMin, false, "5", "30", false);
        platform.messages.clear();
        click("cmdCalculate");
        EXPECT_EQ(platform.messageTexts(), QStringList());
        ASSERT_TRUE(find("fraResult")->isVisible());
        EXPECT_EQ(text("lblResult(1)"), QStringLiteral("AMAVASYA"));
        EXPECT_EQ(lines(), (QStringList{c.Line, QString(), QString()}));
        EXPECT_FALSE(day->isVisible());
        EXPECT_EQ(day->lblSunrise->text(), QString());
        for (const char* entry : {"mnuMonthView", "mnuFindTithi", "mnuExportCalendar"})
            expectMessage(entry, c.Calendar, Platform::MessageIcon::Information, c.Focus);
        EXPECT_EQ(window.findChild<frmMonth*>(), nullptr);
    }
    // The place put right, everything is reckoned again.
    typePlace("77", "13", false, "28", "36", false, "5", "30", false);
    click("cmdCalculate");
    EXPECT_EQ(lines(), (QStringList{"Began 10 January 2024 20:12 \u00b7 Ends 11 January 2024 17:28",
                                    "At sunrise (07:15): Amavasya", "Karana: Naga"}));
    EXPECT_TRUE(day->isVisible());
    EXPECT_EQ(day->lblSunrise->text(), QStringLiteral("07:15"));
}

// Mumbai from the directory lies at 72.88261 E, 19.07283 N (GeoNames); its boxes show 72°53′ and
// 19°04′. The engine gets the directory's place on every path until a box is changed. On the
// date found below the sunrise of the exact place and of the boxes' place fall in different
// minutes, so that the day panel shows which place it was given.
TEST_F(PlaceReadingTest, APlaceOfTheDirectoryKeepsItsFullPrecision) {
    const std::vector<DirectoryPlace> found =
        PlaceDirectory::BuiltIn().FindByPlaceText(QStringLiteral("Mumbai, Maharashtra, India"));
    ASSERT_EQ(found.size(), 1u);
    const Place exact{found[0].Longitude, found[0].Latitude};
    const Place boxes{72 + 53 / 60.0, 19 + 4 / 60.0};
    ASSERT_NE(exact.Longitude, boxes.Longitude);

    const FixedOffsetClock india(5.5);
    CivilDate date{};
    QString exactSunrise;
    for (int d = 1; d <= 366 && exactSunrise.isEmpty(); ++d) {
        const QDate q = QDate(2024, 1, 1).addDays(d - 1);
        const CivilDate c{q.year(), q.month(), q.day()};
        const QString a = CrossingText(PanchangaOfDay(c, exact, india, SkyChoice{}).Sunrise, c);
        const QString b = CrossingText(PanchangaOfDay(c, boxes, india, SkyChoice{}).Sunrise, c);
        if (a != b) {
            date = c;
            exactSunrise = a;
        }
    }
    ASSERT_FALSE(exactSunrise.isEmpty()) << "no date tells the two places apart";

    typePlace("0", "0", false, "0", "0", false, "5", "30", false);
    Q_EMIT window.findChild<PlaceCompleter*>()->placeChosen(found[0]);
    set({{"cboMonth", qPrintable(QLocale().standaloneMonthName(date.Month))}});
    set({{"cboDate", qPrintable(QString::number(date.Day))}, {"cboHH", "12"}});
    EXPECT_EQ(QStringList({box("txtLonD")->text(), box("txtLonM")->text(), box("txtLatD")->text(),
                           box("txtLatM")->text()}),
              QStringList({"72", "53", "19", "4"}));
    click("cmdCalculate");
    EXPECT_EQ(window.findChild<DayPanel*>()->lblSunrise->text(), exactSunrise);
    const CalendarPlace* calendar = monthPlace();
    ASSERT_NE(calendar, nullptr);
    EXPECT_EQ(std::tie(calendar->Where.Longitude, calendar->Where.Latitude),
              std::tie(exact.Longitude, exact.Latitude));
    window.findChild<frmMonth*>()->close();

    // A minute of longitude typed over: the boxes are the place now, to the minute.
    set({{"txtLonM", "54"}});
    calendar = monthPlace();
    ASSERT_NE(calendar, nullptr);
    EXPECT_EQ(calendar->Where.Longitude, 72 + 54 / 60.0);
    EXPECT_EQ(calendar->Where.Latitude, boxes.Latitude);
}

} // namespace
