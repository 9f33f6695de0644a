// SPDX-License-Identifier: MIT
// Places from the directory and their named zones in the main window, driven with real keys:
// the City box's list, the form filled from a chosen place, the zone at the entered moment,
// times the clocks skip or repeat, a zone set by hand winning, and the credit for the places.
#include "places/PlaceDirectory.h"
#include "support/MainWindowTest.h"
#include "ui/PlaceCompleter.h"

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

    // Keys go to the list of places while it is open, else to the control with the focus.
    static QWidget* keyboard() {
        QWidget* list = QApplication::activePopupWidget();
        return list ? list : QApplication::focusWidget();
    }
    static void press(Qt::Key key, int times = 1) {
        for (int k = 0; k < times; ++k)
            QTest::keyClick(keyboard(), key);
    }
    static void type(const char* text) {
        for (const char* c = text; *c; ++c)
            QTest::keyClick(keyboard(), *c);
    }

    // Types a city afresh into its box: what the list then offers (nothing while it is closed).
    QStringList lookFor(const char* city) {
        set({{"txtMCity", ""}});
        box("txtMCity")->setFocus();
        type(city);
        QStringList texts;
        for (int row = 0; popup()->isVisible() && row < popup()->model()->rowCount(); ++row)
            texts << popup()->model()->index(row, 0).data().toString();
        return texts;
    }
    // Chooses the place in the given row of the list, with the arrows and Enter.
    void choose(const char* city, int row = 0) {
        ASSERT_FALSE(lookFor(city).isEmpty()) << "nothing offered for " << city;
        press(Qt::Key_Down, row + 1);
        press(Qt::Key_Return);
    }
    void setMoment(const char* day, const char* month, const char* year, const char* hour,
                   const char* minute = "0") {
        set({{"cboDate", day}, {"cboMonth", month}, {"cboYear", year}, {"cboHH", hour}});
        set({{"cboMM", minute}});
    }

    QString text(const char* label) { return find<QLabel>(label)->text(); }
    // Hours, minutes and DST of the zone; the place's degrees and minutes with E/W and N/S.
    QStringList zoneBoxes() {
        return {box("txtZoneHour")->text(), box("txtZoneMinute")->text(),
                find<QCheckBox>("chkDST")->isChecked() ? "DST" : "-"};
    }
    QStringList placeBoxes() {
        return {box("txtLonD")->text(),
                box("txtLonM")->text(),
                find<QRadioButton>("optLong(1)")->isChecked() ? "W" : "E",
                box("txtLatD")->text(),
                box("txtLatM")->text(),
                find<QRadioButton>("optLat(1)")->isChecked() ? "S" : "N"};
    }
};

// Accent-free and other names find their places, the most populous first; State and Country
// narrow the list by name or code. Escape, or Enter before the arrows, take nothing.
TEST_F(PlacesAndZonesTest, TheCityBoxOffersPlacesAsTheUserTypes) {
    const char* const cases[][4] = {
        // typed city, state, country; the first place offered
        {"Bomb", "", "", "Mumbai, Maharashtra, India"},
        {"sao paulo", "", "", "São Paulo, São Paulo, Brazil"},
        {"Benares", "", "", "Varanasi, Uttar Pradesh, India"},
        {"Hyderabad", "", "", "Hyderabad, Telangana, India"},
        {"Hyderabad", "", "Pakistan", "Hyderabad, Sindh, Pakistan"},
        {"Springfield", "IL", "", "Springfield, Illinois, United States"},
        {"Springfield", "Massachusetts", "US", "Springfield, Massachusetts, United States"},
    };
    for (const auto& [city, state, country, first] : cases) {
        SCOPED_TRACE(city + std::string(" / ") + state + " / " + country);
        set({{"txtMState", state}, {"txtMCountry", country}});
        const QStringList offered = lookFor(city);
        EXPECT_EQ(offered.value(0), QString::fromUtf8(first));
        EXPECT_LE(offered.size(), PlaceCompleter::Limit);
        press(Qt::Key_Down);
        press(Qt::Key_Escape);
        EXPECT_FALSE(popup()->isVisible());
        press(Qt::Key_Down); // opens the list again
        press(Qt::Key_Return);
        EXPECT_EQ(QStringList({box("txtMCity")->text(), box("txtLonD")->text()}),
                  QStringList({QString::fromUtf8(city), QString()}));
    }
    EXPECT_TRUE(platform.messages.isEmpty());
}

// GeoNames' coordinates to the nearest minute, and the zone at noon on 15 January 2024: with
// daylight saving in force DST is ticked and the boxes hold an hour less. Each place is looked
// for with the State and Country of the one before still in their boxes.
TEST_F(PlacesAndZonesTest, ChoosingAPlaceFillsTheFormAndTheZoneAtTheEnteredMoment) {
    const struct {
        const char* city;
        int row;
        QStringList names, place, zone;
        const char* line;
    } cases[] = {
        // 72.88261 E, 19.07283 N
        {"Bomb",
         0,
         {"Mumbai", "Maharashtra", "India"},
         {"72", "53", "E", "19", "4", "N"},
         {"5", "30", "-"},
         "Asia/Kolkata — UTC+05:30"},
        // 46.63611 W, 23.54750 S; no daylight saving in Brazil since 2019
        {"sao paulo",
         0,
         {"São Paulo", "São Paulo", "Brazil"},
         {"46", "38", "W", "23", "33", "S"},
         {"3", "0", "-"},
         "America/Sao_Paulo — UTC−03:00"},
        // 68.37366 E, 25.39242 N: the second Hyderabad
        {"Hyderabad",
         1,
         {"Hyderabad", "Sindh", "Pakistan"},
         {"68", "22", "E", "25", "24", "N"},
         {"5", "0", "-"},
         "Asia/Karachi — UTC+05:00"},
        // 151.20732 E, 33.86785 S: summer in the south
        {"Sydney",
         0,
         {"Sydney", "New South Wales", "Australia"},
         {"151", "12", "E", "33", "52", "S"},
         {"10", "0", "DST"},
         "Australia/Sydney — UTC+11:00, daylight saving"},
    };
    setMoment("15", "January", "2024", "12");
    for (const auto& c : cases) {
        SCOPED_TRACE(c.city);
        choose(c.city, c.row);
        EXPECT_FALSE(popup()->isVisible());
        EXPECT_EQ(QStringList({box("txtMCity")->text(), box("txtMState")->text(),
                               box("txtMCountry")->text()}),
                  c.names);
        EXPECT_EQ(placeBoxes(), c.place);
        EXPECT_EQ(zoneBoxes(), c.zone);
        EXPECT_EQ(text("lblZoneName"), QString::fromUtf8(c.line));
    }
}

// Madrid lies west of Greenwich and keeps a clock ahead of it, an hour more in summer. In New
// York Amavasya began on 9 March 2024 in standard time and ends after the clocks went forward
// (07:00 UT on the 10th). Expected: the tithis' bounds in Universal Time from the Swiss
// Ephemeris 2.10 with its DE431 files and Delta T (Panchami 14 Jan 23:29:42 to 15 Jan 20:47:06;
// Navami 14 Jul 11:56:31 to 15 Jul 13:49:46; Amavasya 9 Mar 12:48:13 to 10 Mar 09:00:26), to the
// next minute, offsets by hand.
TEST_F(PlacesAndZonesTest, ANamedZoneReadsEachTimeWithTheOffsetInForceThen) {
    const struct {
        const char *city, *day, *month;
        const char* zoneLine;
        QStringList zone;
        const char *tithi, *times, *resultZone;
    } cases[] = {
        {"Madrid",
         "15",
         "January",
         "Europe/Madrid — UTC+01:00",
         {"1", "0", "-"},
         "PANCHAMI",
         "Began 15 January 2024 00:30 · Ends 15 January 2024 21:48",
         "Europe/Madrid — UTC+01:00"},
        {"Madrid",
         "15",
         "July",
         "Europe/Madrid — UTC+02:00, daylight saving",
         {"1", "0", "DST"},
         "NAVAMI",
         "Began 14 July 2024 13:57 · Ends 15 July 2024 15:50",
         "Europe/Madrid — UTC+02:00, daylight saving"},
        {"New York",
         "9",
         "March",
         "America/New_York — UTC−05:00",
         {"5", "0", "-"},
         "AMAVASYA",
         "Began 9 March 2024 07:49 · Ends 10 March 2024 05:01",
         "America/New_York — UTC−05:00; began at UTC−05:00, ends at UTC−04:00"},
    };
    set({{"txtName", "Asha"}});
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.city) + " " + c.month);
        setMoment("1", "January", "2024", "0");
        choose(c.city);
        setMoment(c.day, c.month, "2024", "12"); // the line follows the lists
        EXPECT_EQ(text("lblZoneName"), QString::fromUtf8(c.zoneLine));
        EXPECT_EQ(zoneBoxes(), c.zone);
        click("cmdCalculate");
        ASSERT_EQ(platform.messageTexts(), QStringList());
        ASSERT_TRUE(inFront("fraResult"));
        EXPECT_EQ(
            QStringList({text("lblResult(1)"), text("lblTithiTimes"), text("lblResultZone")}),
            QStringList({c.tithi, QString::fromUtf8(c.times), QString::fromUtf8(c.resultZone)}));
        click("cmdBack");
    }
}

// 10 March 2024, 02:30 in New York: the clocks went from 02:00 straight to 03:00. The form warns
// and offers 03:30, the same moment on the clocks after the change. Declined, nothing is
// calculated and the record keeps the last calculation; taken, the lists show 03:30 and that
// moment is calculated: 07:30 UT, before the new moon of 09:00 UT (published lunar phases), on
// daylight time.
TEST_F(PlacesAndZonesTest, ATimeTheClocksSkipIsNamedAndTheTimeAfterOffered) {
    set({{"txtName", "Asha"}});
    choose("New York");
    setMoment("10", "March", "2024", "2", "30");
    EXPECT_EQ(text("lblZoneName"),
              QStringLiteral("America/New_York — the clocks skip 02:30 on this date"));
    const CalculationRecord before = record;
    platform.messages.clear();
    platform.answer = Platform::MessageAnswer::No;
    click("cmdCalculate");
    ASSERT_EQ(platform.messageTexts(),
              QStringList(QStringLiteral(
                  "02:30 does not exist on 10 March 2024 in America/New_York: the clocks went "
                  "forward from 02:00 to 03:00.\n\nCalculate for 03:30, the same moment on the "
                  "clocks after the change?")));
    EXPECT_EQ(platform.messages[0].icon, Platform::MessageIcon::Warning);
    EXPECT_EQ(platform.messages[0].buttons, Platform::MessageButtons::YesNo);
    EXPECT_EQ(FocusName(), QStringLiteral("cboHH"));
    EXPECT_TRUE(inFront("fraMain"));
    EXPECT_EQ(std::tie(record.BirthDay, record.BirthHour, record.TithiIndex),
              std::tie(before.BirthDay, before.BirthHour, before.TithiIndex));

    platform.messages.clear();
    platform.answer = Platform::MessageAnswer::Yes;
    click("cmdCalculate");
    EXPECT_EQ(platform.messages.size(), 1);
    ASSERT_TRUE(inFront("fraResult"));
    // Amavasya began on standard time, the evening before: the zone's line says so.
    EXPECT_EQ(QStringList({find<QComboBox>("cboHH")->currentText(),
                           find<QComboBox>("cboMM")->currentText(), text("lblResult(1)"),
                           text("lblResultZone")}),
              QStringList({"3", "30", "AMAVASYA",
                           QString::fromUtf8("America/New_York — UTC−04:00, daylight saving; "
                                             "began at UTC−05:00, ends at UTC−04:00")}));
}

// 6 November 2016, 01:50 in New York occurs twice: 05:50 UT on daylight time, 06:50 UT on
// standard time. Shukla Saptami began between them, at 06:46:28 UT (kestrava-tithi, --zone 0).
TEST_F(PlacesAndZonesTest, ATimeTheClocksRepeatAsksWhichOccurrenceIsMeant) {
    const struct {
        Platform::MessageAnswer answer;
        const char *tithi, *resultZone;
    } cases[] = {
        {Platform::MessageAnswer::Yes, "SHASHTHI",
         "America/New_York — UTC−04:00, daylight saving (the first 01:50); began at UTC−04:00, "
         "ends at UTC−05:00"},
        {Platform::MessageAnswer::No, "SAPTAMI", "America/New_York — UTC−05:00 (the second 01:50)"},
    };
    set({{"txtName", "Asha"}});
    choose("New York");
    setMoment("6", "November", "2016", "1", "50");
    EXPECT_EQ(text("lblZoneName"),
              QStringLiteral("America/New_York — UTC−04:00, daylight saving; 01:50 occurs twice"));
    for (const auto& c : cases) {
        SCOPED_TRACE(c.tithi);
        platform.messages.clear();
        platform.answer = c.answer;
        click("cmdCalculate");
        ASSERT_EQ(platform.messageTexts(),
                  QStringList(QStringLiteral(
                      "01:50 occurs twice on 6 November 2016 in America/New_York: the clocks went "
                      "back from 02:00 to 01:00.\n\nUse the first 01:50, at UTC−04:00? No uses "
                      "the second, at UTC−05:00.")));
        EXPECT_EQ(platform.messages[0].buttons, Platform::MessageButtons::YesNo);
        EXPECT_EQ(platform.messages[0].icon, Platform::MessageIcon::Warning);
        ASSERT_TRUE(inFront("fraResult"));
        EXPECT_EQ(QStringList({text("lblResult(1)"), text("lblResultZone")}),
                  QStringList({c.tithi, QString::fromUtf8(c.resultZone)}));
        click("cmdBack");
    }
}

// Setting the zone by hand in any way gives the named zone up, visibly; correcting the place's
// coordinates keeps it. The boxes are then read as ever, the zone's direction following the
// longitude: Madrid (3 42 W), 15 January 2024 at noon, zone 1 typed, is taken an hour behind
// Universal Time, so Panchami (14 Jan 23:29:42 to 15 Jan 20:47:06 UT by the Swiss Ephemeris)
// reads 22:30 to 19:48.
TEST_F(PlacesAndZonesTest, TheZoneSetByHandWinsOverTheChosenPlace) {
    const std::pair<const char*, std::function<void()>> ways[] = {
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
             window.activateWindow();
         }},
    };
    set({{"txtName", "Asha"}});
    setMoment("15", "January", "2024", "12");
    for (const auto& [how, act] : ways) {
        SCOPED_TRACE(how);
        choose("Madrid");
        box("txtLatM")->setFocus();
        type("1");
        box("txtLonD")->setFocus();
        type("0");
        ASSERT_EQ(text("lblZoneName"), QStringLiteral("Europe/Madrid — UTC+01:00"));
        act();
        ASSERT_TRUE(QTest::qWaitFor([this] { return QApplication::activeWindow() == &window; },
                                    ShowTimeout));
        EXPECT_EQ(QStringList({text("lblZoneName"), box("txtZoneHour")->accessibleDescription()}),
                  QStringList({"", ""}));
    }

    choose("Madrid");
    box("txtZoneHour")->setFocus();
    box("txtZoneHour")->selectAll();
    type("1"); // the same hour again
    click("cmdCalculate");
    ASSERT_TRUE(inFront("fraResult"));
    EXPECT_EQ(QStringList({text("lblTithiTimes"), text("lblResultZone")}),
              QStringList({"Began 14 January 2024 22:30 · Ends 15 January 2024 19:48", ""}));
    EXPECT_EQ(std::tie(record.ZoneHour, record.ZoneMinute, record.LonEast, record.DstFlag),
              std::make_tuple(1, 0, FlagFalse, FlagFalse));
}

// GeoNames' licence asks for the credit; its link opens the licence from the keyboard.
TEST_F(PlacesAndZonesTest, TheAboutBoxCreditsThePlaceData) {
    bool shown = false;
    WhenModalActive([&](QWidget* about) {
        shown = true;
        EXPECT_EQ(about->findChild<QLabel*>(QStringLiteral("lblPlaceData"))->text(),
                  QLatin1String(PlaceDataCredit));
        press(Qt::Key_Tab, 3); // past the home page and the help
        EXPECT_EQ(FocusName(), QStringLiteral("lblPlaceLicence"));
        press(Qt::Key_Return);
        about->close();
    });
    ASSERT_TRUE(ChooseFromMenu(window, "mnuHelp", "mnuAbout"));
    EXPECT_TRUE(shown);
    EXPECT_EQ(platform.openedAddresses,
              QStringList(QStringLiteral("https://creativecommons.org/licenses/by/4.0/")));
}

} // namespace
