// Places from the directory and their named zones in the main window, driven with real keys:
// the completion list of the City box, the form filled from a chosen place, the zone's line and
// offset at the entered moment, times the clocks skip or repeat, typed values winning over the
// zone, and the credit for the place data in the about box.
#include "places/PlaceDirectory.h"
#include "support/MainWindowTest.h"
#include "support/WindowDriving.h"
#include "ui/PlaceCompleter.h"
#include "ui/frmAbout.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QLabel>
#include <QListWidget>
#include <QRadioButton>
#include <functional>
#include <tuple>

namespace {

class PlacesAndZonesTest : public MainWindowTest {
protected:
    QAbstractItemView* popup() { return window.findChild<PlaceCompleter*>()->popup(); }

    // The places the City box offers, as the list shows them; none while it is closed.
    QStringList offered() {
        QStringList texts;
        QAbstractItemView* list = popup();
        if (!list->isVisible())
            return texts;
        for (int row = 0; row < list->model()->rowCount(); ++row)
            texts << list->model()->index(row, 0).data().toString();
        return texts;
    }

    // Keys as the keyboard sends them: to the completion list while it is open, else to the
    // control with the focus.
    static QWidget* keyboard() {
        QWidget* popup = QApplication::activePopupWidget();
        return popup ? popup : QApplication::focusWidget();
    }
    static void press(Qt::Key key, int times = 1) {
        for (int k = 0; k < times; ++k)
            QTest::keyClick(keyboard(), key);
    }
    static void type(const char* text) {
        for (const char* c = text; *c; ++c)
            QTest::keyClick(keyboard(), *c);
    }

    // Types into the City box afresh, with the state and country given first.
    void typeCity(const char* city, const char* state = "", const char* country = "") {
        set({{"txtMCity", ""}, {"txtMState", state}, {"txtMCountry", country}});
        box("txtMCity")->setFocus();
        type(city);
    }

    // Chooses the place the list offers in the given row, with the arrows and Enter. The State
    // and Country of the place chosen before do not narrow the list.
    void choose(const char* city, int row = 0) {
        set({{"txtMCity", ""}});
        box("txtMCity")->setFocus();
        type(city);
        ASSERT_TRUE(QTest::qWaitFor([this] { return popup()->isVisible(); }, ShowTimeout))
            << "nothing offered for " << city;
        press(Qt::Key_Down, row + 1);
        press(Qt::Key_Return);
    }

    void setMoment(const char* day, const char* month, const char* year, const char* hour,
                   const char* minute) {
        set({{"cboDate", day}, {"cboMonth", month}, {"cboYear", year}});
        set({{"cboHH", hour}, {"cboMM", minute}});
    }

    QString text(const char* label) { return find<QLabel>(label)->text(); }
    QStringList zoneBoxes() {
        return {box("txtZoneHour")->text(), box("txtZoneMinute")->text(),
                find<QCheckBox>("chkDST")->isChecked() ? "DST" : "-"};
    }
};

// Accent-free and other names find their places, the most populous first; the State and
// Country boxes narrow the list by name or code.
TEST_F(PlacesAndZonesTest, TheCityBoxOffersPlacesAsTheUserTypes) {
    const struct {
        const char *city, *state, *country;
        const char* first; // the first place offered
    } cases[] = {
        {"Bomb", "", "", "Mumbai, Maharashtra, India"},
        {"sao paulo", "", "", "São Paulo, São Paulo, Brazil"},
        {"Benares", "", "", "Varanasi, Uttar Pradesh, India"},
        {"Hyderabad", "", "", "Hyderabad, Telangana, India"},
        {"Hyderabad", "", "Pakistan", "Hyderabad, Sindh, Pakistan"},
        {"Springfield", "IL", "", "Springfield, Illinois, United States"},
        {"Springfield", "Massachusetts", "US", "Springfield, Massachusetts, United States"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.city + std::string(" / ") + c.state + " / " + c.country);
        typeCity(c.city, c.state, c.country);
        const QStringList places = offered();
        ASSERT_FALSE(places.isEmpty());
        EXPECT_EQ(places.first(), QString::fromUtf8(c.first));
        EXPECT_LE(places.size(), PlaceCompleter::Limit);
        // Typing goes on into the box while the list is open.
        EXPECT_EQ(box("txtMCity")->text(), QString::fromUtf8(c.city));
        press(Qt::Key_Escape);
    }
}

// Escape closes the list and keeps what was typed; Enter before the arrows take nothing; Down
// opens the list again.
TEST_F(PlacesAndZonesTest, EscapeAndEnterWithoutAChoiceKeepTheTypedText) {
    typeCity("Bomb");
    press(Qt::Key_Down);
    press(Qt::Key_Escape);
    EXPECT_FALSE(popup()->isVisible());
    press(Qt::Key_Return);
    box("txtMCity")->setFocus();
    press(Qt::Key_Down);
    ASSERT_TRUE(popup()->isVisible());
    press(Qt::Key_Return);
    EXPECT_FALSE(popup()->isVisible());
    EXPECT_EQ(QStringList({box("txtMCity")->text(), box("txtLonD")->text(), text("lblZoneName")}),
              QStringList({"Bomb", "", ""}));
    EXPECT_TRUE(platform.messages.isEmpty());
}

// The coordinates of GeoNames to the nearest minute, with their directions, and the zone at
// the entered moment (15 January 2024, noon). Where daylight saving is in force DST is ticked
// and the boxes hold the offset less that hour. Each place is looked for with the State and
// Country of the one before still in their boxes.
TEST_F(PlacesAndZonesTest, ChoosingAPlaceFillsTheFormAndTheZoneAtTheEnteredMoment) {
    const struct {
        const char* city;
        int row;
        QStringList names; // city, state, country
        QStringList place; // longitude and latitude: degrees, minutes, direction
        QStringList zone;  // hours, minutes, DST
        const char* line;
    } cases[] = {
        // 72.88261 E, 19.07283 N
        {"Bomb",
         0,
         {"Mumbai", "Maharashtra", "India"},
         {"72", "53", "East", "19", "4", "North"},
         {"5", "30", "-"},
         "Asia/Kolkata — UTC+05:30"},
        // 46.63611 W, 23.54750 S; Brazil keeps no daylight saving since 2019
        {"sao paulo",
         0,
         {"São Paulo", "São Paulo", "Brazil"},
         {"46", "38", "West", "23", "33", "South"},
         {"3", "0", "-"},
         "America/Sao_Paulo — UTC−03:00"},
        // 68.37366 E, 25.39242 N: the second Hyderabad
        {"Hyderabad",
         1,
         {"Hyderabad", "Sindh", "Pakistan"},
         {"68", "22", "East", "25", "24", "North"},
         {"5", "0", "-"},
         "Asia/Karachi — UTC+05:00"},
        // 151.20732 E, 33.86785 S: summer in the south
        {"Sydney",
         0,
         {"Sydney", "New South Wales", "Australia"},
         {"151", "12", "East", "33", "52", "South"},
         {"10", "0", "DST"},
         "Australia/Sydney — UTC+11:00, daylight saving"},
    };
    setMoment("15", "January", "2024", "12", "0");
    for (const auto& c : cases) {
        SCOPED_TRACE(c.city);
        choose(c.city, c.row);
        EXPECT_FALSE(popup()->isVisible());
        EXPECT_EQ(QStringList({box("txtMCity")->text(), box("txtMState")->text(),
                               box("txtMCountry")->text()}),
                  c.names);
        auto direction = [this](const char* first, const char* second) {
            return find<QRadioButton>(first)->isChecked()    ? find<QRadioButton>(first)->text()
                   : find<QRadioButton>(second)->isChecked() ? find<QRadioButton>(second)->text()
                                                             : QString();
        };
        EXPECT_EQ(QStringList({box("txtLonD")->text(), box("txtLonM")->text(),
                               direction("optLong(0)", "optLong(1)"), box("txtLatD")->text(),
                               box("txtLatM")->text(), direction("optLat(0)", "optLat(1)")}),
                  c.place);
        EXPECT_EQ(zoneBoxes(), c.zone);
        EXPECT_EQ(text("lblZoneName"), QString::fromUtf8(c.line));
    }
}

// Madrid lies west of Greenwich and keeps a clock ahead of it: the zone's own sign, an hour more
// in summer. New York on 9 March 2024: Amavasya began in standard time and ends after the clocks
// went forward (07:00 UT on the 10th), each time read on its own offset. Expected times: the
// tithis' bounds in Universal Time (kestrava-tithi with --zone 0: Panchami 14 Jan 23:29:23 to
// 15 Jan 20:46:47; Navami 14 Jul 11:56:07 to 15 Jul 13:49:22; Amavasya 9 Mar 12:48:08 to
// 10 Mar 09:00:22), moved to the next whole minute and by the offsets by hand.
TEST_F(PlacesAndZonesTest, ANamedZoneReadsEachTimeWithTheOffsetInForceThen) {
    const struct {
        const char* city;
        const char *day, *month, *year, *hour;
        const char* zoneLine;
        QStringList zone;
        const char* tithi;
        const char* times;
        const char* resultZone;
    } cases[] = {
        {"Madrid",
         "15",
         "January",
         "2024",
         "12",
         "Europe/Madrid — UTC+01:00",
         {"1", "0", "-"},
         "PANCHAMI",
         "Began 15 Jan 2024 00:30 · Ends 15 Jan 2024 21:47",
         "Europe/Madrid — UTC+01:00"},
        {"Madrid",
         "15",
         "July",
         "2024",
         "12",
         "Europe/Madrid — UTC+02:00, daylight saving",
         {"1", "0", "DST"},
         "NAVAMI",
         "Began 14 Jul 2024 13:57 · Ends 15 Jul 2024 15:50",
         "Europe/Madrid — UTC+02:00, daylight saving"},
        {"New York",
         "9",
         "March",
         "2024",
         "12",
         "America/New_York — UTC−05:00",
         {"5", "0", "-"},
         "AMAVASYA",
         "Began 9 Mar 2024 07:49 · Ends 10 Mar 2024 05:01",
         "America/New_York — UTC−05:00; began at UTC−05:00, ends at UTC−04:00"},
    };
    set({{"txtName", "Asha"}});
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.city) + " " + c.month);
        setMoment("1", "January", "2024", "0", "0");
        choose(c.city);
        // The line follows the date and time lists.
        setMoment(c.day, c.month, c.year, c.hour, "0");
        EXPECT_EQ(text("lblZoneName"), QString::fromUtf8(c.zoneLine));
        EXPECT_EQ(zoneBoxes(), c.zone);
        click("cmdCalculate");
        ASSERT_EQ(platform.messageTexts(), QStringList());
        ASSERT_TRUE(inFront("fraResult"));
        EXPECT_EQ(text("lblResult(1)"), QLatin1String(c.tithi));
        EXPECT_EQ(text("lblTithiTimes"), QString::fromUtf8(c.times));
        EXPECT_EQ(text("lblResultZone"), QString::fromUtf8(c.resultZone));
        click("cmdBack");
    }
}

// 10 March 2024, 2:30 in New York: the clocks went from 02:00 straight to 03:00. The form says
// so and calculates nothing; the record keeps the last calculation.
TEST_F(PlacesAndZonesTest, ATimeTheClocksSkipIsNamedAndNotCalculated) {
    set({{"txtName", "Asha"}});
    choose("New York");
    setMoment("10", "March", "2024", "2", "30");
    EXPECT_EQ(text("lblZoneName"),
              QStringLiteral("America/New_York — 2:30 does not exist on this date: the clocks go "
                             "forward"));
    const CalculationRecord before = record;
    box("txtName")->setFocus();
    expectMessage("cmdCalculate",
                  QStringLiteral("2:30 does not exist on 10 March 2024 in America/New_York: the "
                                 "clocks went forward from 02:00 to 03:00."),
                  Platform::MessageIcon::Information, "cboHH");
    EXPECT_TRUE(inFront("fraMain"));
    EXPECT_EQ(std::tie(record.BirthDay, record.BirthHour, record.TithiIndex),
              std::tie(before.BirthDay, before.BirthHour, before.TithiIndex));
}

// 6 November 2016, 1:50 in New York occurs twice: at 05:50 UT on daylight time and at 06:50 UT
// on standard time. Shukla Saptami began between them, at 06:46:28 UT (kestrava-tithi with
// --zone 0), so the two answers give two tithis.
TEST_F(PlacesAndZonesTest, ATimeTheClocksRepeatAsksWhichOccurrenceIsMeant) {
    const struct {
        Platform::MessageAnswer answer;
        const char* tithi;
        const char* resultZone;
    } cases[] = {
        {Platform::MessageAnswer::Yes, "SHASHTHI",
         "America/New_York — UTC−04:00, daylight saving (the first 1:50); began at UTC−04:00, "
         "ends at UTC−05:00"},
        {Platform::MessageAnswer::No, "SAPTAMI", "America/New_York — UTC−05:00 (the second 1:50)"},
    };
    set({{"txtName", "Asha"}});
    choose("New York");
    setMoment("6", "November", "2016", "1", "50");
    EXPECT_EQ(text("lblZoneName"),
              QStringLiteral("America/New_York — UTC−04:00, daylight saving; 1:50 occurs twice "
                             "on this date"));
    for (const auto& c : cases) {
        SCOPED_TRACE(c.tithi);
        platform.messages.clear();
        platform.answer = c.answer;
        click("cmdCalculate");
        ASSERT_EQ(platform.messageTexts(),
                  QStringList(QStringLiteral(
                      "1:50 occurs twice on 6 November 2016 in America/New_York: the clocks went "
                      "back from 02:00 to 01:00.\n\nUse the first 1:50, at UTC−04:00? No uses "
                      "the second, at UTC−05:00.")));
        EXPECT_EQ(platform.messages[0].buttons, Platform::MessageButtons::YesNo);
        ASSERT_TRUE(inFront("fraResult"));
        EXPECT_EQ(text("lblResult(1)"), QLatin1String(c.tithi));
        EXPECT_EQ(text("lblResultZone"), QString::fromUtf8(c.resultZone));
        click("cmdBack");
    }
}

// Setting the zone by hand in any way gives the named zone up, visibly; the form then reads the
// boxes as it always has, the zone's direction following the longitude. Madrid (3 42 W) on
// 15 January 2024 at noon, zone 1 typed: the clock is taken an hour behind Universal Time, so
// Panchami (14 Jan 23:29:23 to 15 Jan 20:46:47 UT) reads from 22:30 to 19:47. Changing the
// place's coordinates keeps the zone.
TEST_F(PlacesAndZonesTest, TheZoneSetByHandWinsOverTheChosenPlace) {
    const struct {
        const char* how;
        std::function<void()> act;
    } ways[] = {
        {"typing the hour", [this] { box("txtZoneHour")->setFocus(), type("2"); }},
        {"typing the minutes", [this] { box("txtZoneMinute")->setFocus(), type("5"); }},
        {"ticking DST", [this] { click("chkDST"); }},
        {"the picker",
         [this] {
             WhenModalShown([](QWidget* picker) {
                 auto* list = picker->findChild<QListWidget*>(QStringLiteral("lstTimeZone"));
                 list->setCurrentRow(20); // "Central European Time,CET,+1.0"
                 QTest::keyClick(list, Qt::Key_Return);
             });
             click("lblTZHelp");
         }},
    };
    set({{"txtName", "Asha"}});
    setMoment("15", "January", "2024", "12", "0");
    for (const auto& way : ways) {
        SCOPED_TRACE(way.how);
        choose("Madrid");
        box("txtLatM")->setFocus();
        type("1");
        box("txtLonD")->setFocus();
        type("0");
        ASSERT_EQ(text("lblZoneName"), QStringLiteral("Europe/Madrid — UTC+01:00"));
        way.act();
        window.activateWindow(); // after the picker
        ASSERT_TRUE(QTest::qWaitFor([this] { return QApplication::activeWindow() == &window; },
                                    ShowTimeout));
        EXPECT_EQ(text("lblZoneName"), QString());
        EXPECT_EQ(box("txtZoneHour")->accessibleDescription(), QString());
    }

    choose("Madrid");
    box("txtZoneHour")->setFocus();
    box("txtZoneHour")->selectAll();
    type("1"); // the same hour again
    click("cmdCalculate");
    ASSERT_TRUE(inFront("fraResult"));
    EXPECT_EQ(text("lblTithiTimes"),
              QStringLiteral("Began 14 Jan 2024 22:30 · Ends 15 Jan 2024 19:47"));
    EXPECT_EQ(text("lblResultZone"), QString());
    EXPECT_EQ(std::tie(record.ZoneHour, record.ZoneMinute, record.LonEast, record.DstFlag),
              std::make_tuple(1, 0, FlagFalse, FlagFalse));
}

// GeoNames' licence asks for the credit; its link opens the licence.
TEST_F(PlacesAndZonesTest, TheAboutBoxCreditsThePlaceData) {
    bool shown = false;
    WhenModalActive([&](QWidget* about) {
        shown = true;
        EXPECT_EQ(about->findChild<QLabel*>(QStringLiteral("lblPlaceData"))->text(),
                  QLatin1String(PlaceDataCredit));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(FocusName(), QStringLiteral("lblPlaceLicence"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        about->close();
    });
    ASSERT_TRUE(ChooseFromMenu(window, "mnuHelp", "mnuAbout"));
    EXPECT_TRUE(shown);
    EXPECT_EQ(platform.openedAddresses,
              QStringList(QStringLiteral("https://creativecommons.org/licenses/by/4.0/")));
}

} // namespace
