// SPDX-License-Identifier: MIT
// The current date and time and the home place, from the File menu: the lists set to a fake
// clock, the place saved to the settings store and filled in at the next start, cleared, and a
// store that holds none, or one the form cannot take.
#include "ui/HomePlace.h"
#include "places/PlaceDirectory.h"
#include "platform/QtPlatform.h"
#include "support/MainWindowTest.h"
#include "ui/NamedZoneInput.h"
#include "ui/PlaceCompleter.h"
#include "ui/Settings.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QRadioButton>
#include <QSettings>
#include <QTemporaryDir>

namespace {

using Icon = Platform::MessageIcon;

class HomePlaceTest : public MainWindowTest {
protected:
    QStringList lists() {
        QStringList shown;
        for (const char* name : {"cboMonth", "cboDate", "cboYear", "cboHH", "cboMM", "cboSS"})
            shown << find<QComboBox>(name)->currentText();
        return shown;
    }
    // The place fields as the form shows them, the choices as the chosen button's name.
    QStringList placeShown(frmMain& form) {
        QStringList shown;
        for (const char* name : {"txtLonD", "txtLonM", "txtLatD", "txtLatM", "txtZoneHour",
                                 "txtZoneMinute", "txtMCity", "txtMState", "txtMCountry"})
            shown << form.findChild<QLineEdit*>(QLatin1String(name))->text();
        for (const char* name : {"optLong(1)", "optLat(1)", "chkDST"})
            shown << (form.findChild<QAbstractButton*>(QLatin1String(name))->isChecked()
                          ? QLatin1String(name)
                          : QString());
        return shown;
    }
    QStringList homeSettings() {
        QStringList stored;
        for (auto entry = platform.settings.cbegin(); entry != platform.settings.cend(); ++entry) {
            if (entry.key().startsWith(QStringLiteral("ui_tests/HomePlace/")))
                stored << entry.key().mid(19) + '=' + entry.value();
        }
        return stored;
    }
    QAction* action(const char* name) { return window.findChild<QAction*>(QLatin1String(name)); }

    const QStringList emptyPlace{"", "", "", "", "", "", "", "", "", "", "", ""};
};

// "Set to Now" (Ctrl+N) takes the date and time, to the second, from the clock; a date outside
// the lists' years is refused with a message, and the lists stay as they were.
TEST_F(HomePlaceTest, SetToNowTakesTheClocksDateAndTime) {
    const struct {
        QDateTime now;
        QStringList shown; // empty: refused
    } cases[] = {
        {{QDate(2026, 1, 15), QTime(9, 30, 15)}, {"January", "15", "2026", "9", "30", "15"}},
        {{QDate(2024, 2, 29), QTime(23, 5, 7)}, {"February", "29", "2024", "23", "5", "7"}},
        {{QDate(1901, 1, 1), QTime(0, 0, 0)}, {"January", "1", "1901", "0", "0", "0"}},
        {{QDate(2050, 12, 31), QTime(23, 59, 59)}, {"December", "31", "2050", "23", "59", "59"}},
        {{QDate(2051, 1, 1), QTime(0, 0, 1)}, {}},
        {{QDate(1900, 12, 31), QTime(23, 59, 59)}, {}},
    };
    set({{"cboMonth", "July"}, {"cboDate", "4"}, {"cboYear", "1976"}, {"cboHH", "12"}});
    for (const auto& c : cases) {
        SCOPED_TRACE(c.now.toString(Qt::ISODate).toStdString());
        const QStringList before = lists();
        platform.now = c.now;
        platform.messages.clear();
        QTest::keyClick(&window, Qt::Key_N, Qt::ControlModifier);
        if (c.shown.isEmpty()) {
            EXPECT_EQ(lists(), before);
            ASSERT_EQ(platform.messages.size(), 1);
            EXPECT_TRUE(platform.messages[0].text.startsWith(QStringLiteral("Today, ")));
            EXPECT_TRUE(platform.messages[0].text.contains(QString::number(c.now.date().year())));
            EXPECT_EQ(platform.messages[0].icon, Icon::Information);
        } else {
            EXPECT_EQ(lists(), c.shown);
            EXPECT_TRUE(platform.messages.isEmpty());
        }
    }
    // From the results panel, the menu brings the form to the front with the new moment.
    set({{"txtName", "Asha"}, {"txtZoneHour", "5"}, {"txtZoneMinute", "30"}, {"txtLonD", "77"}});
    set({{"txtLonM", "13"}, {"txtLatD", "28"}, {"txtLatM", "36"}});
    click("cmdCalculate");
    ASSERT_TRUE(inFront("fraResult"));
    platform.now = QDateTime(QDate(2025, 10, 20), QTime(6, 7, 8));
    ASSERT_TRUE(ChooseFromMenu(window, "mnuFile", "mnuNow"));
    EXPECT_TRUE(inFront("fraMain"));
    EXPECT_EQ(lists(), QStringList({"October", "20", "2025", "6", "7", "8"}));
}

// Saved, the place is in the store's section of its own, beside the reminder's date; the next
// start fills it in, and opens on the same first day of 1901.
TEST_F(HomePlaceTest, TheSavedHomePlaceFillsTheFormAtTheNextStart) {
    platform.settings[QStringLiteral("ui_tests/Settings/Duration")] = "2026-01-01T08:00:00";
    EXPECT_FALSE(action("mnuClearHome")->isEnabled());
    set({{"txtLonD", "74"}, {"txtLonM", "0"}, {"txtLatD", "40"}, {"txtLatM", "42"}});
    set({{"txtZoneHour", "-5"}, {"txtZoneMinute", "0"}, {"txtMCity", "New York, NY"}});
    set({{"txtMState", " New York "}, {"txtMCountry", "United States"}});
    find<QRadioButton>("optLong(1)")->setChecked(true);
    find<QCheckBox>("chkDST")->setChecked(true);
    ASSERT_TRUE(ChooseFromMenu(window, "mnuFile", "mnuSaveHome"));
    ASSERT_EQ(platform.messages.size(), 1);
    EXPECT_EQ(platform.messages[0].icon, Icon::Information);
    EXPECT_EQ(homeSettings(),
              QStringList({"City=New York, NY", "Country=United States", "DST=true", "LatDeg=40",
                           "LatMin=42", "LonDeg=74", "LonMin=0", "South=false", "State= New York ",
                           "West=true", "ZoneHour=-5", "ZoneMinute=0"}));
    EXPECT_EQ(platform.settings.value(QStringLiteral("ui_tests/Settings/Duration")),
              QStringLiteral("2026-01-01T08:00:00"));
    EXPECT_TRUE(action("mnuClearHome")->isEnabled());

    CalculationRecord record2;
    frmMain next(record2, platform);
    EXPECT_EQ(placeShown(next),
              QStringList({"74", "0", "40", "42", "-5", "0", "New York, NY", " New York ",
                           "United States", "optLong(1)", "", "chkDST"}));
    EXPECT_EQ(next.findChild<QComboBox*>(QStringLiteral("cboYear"))->currentText(),
              QStringLiteral("1901"));
    EXPECT_TRUE(next.findChild<QAction*>(QStringLiteral("mnuClearHome"))->isEnabled());
}

// A place chosen from the directory and saved comes back as it was chosen: its full precision
// (GeoNames' coordinates, not the boxes' minutes) and its named zone, whose daylight saving then
// follows the entered date. A file edited by hand where those keys disagree with the boxes, or
// name no zone the database has, gives the boxes as typed: the exact place is dropped, and a
// missing zone is said below the zone's boxes.
TEST_F(HomePlaceTest, APlaceOfTheDirectoryComesBackWithItsPrecisionAndItsZone) {
    const std::vector<DirectoryPlace> found =
        PlaceDirectory::BuiltIn().FindByPlaceText(QStringLiteral("New York City"));
    ASSERT_FALSE(found.empty());
    const Place exact{found[0].Longitude, found[0].Latitude};
    Q_EMIT window.findChild<PlaceCompleter*>()->placeChosen(found[0]);
    ASSERT_TRUE(ChooseFromMenu(window, "mnuFile", "mnuSaveHome"));
    const QStringList stored = homeSettings();
    // GeoNames' figures, written as short as they read back.
    EXPECT_TRUE(stored.contains(QStringLiteral("Longitude=-74.00597")));
    EXPECT_TRUE(stored.contains(QStringLiteral("Latitude=40.71427")));
    EXPECT_TRUE(stored.contains(QStringLiteral("Zone=America/New_York")))
        << stored.join(' ').toStdString();

    {
        CalculationRecord record2;
        frmMain next(record2, platform);
        const NamedZoneInput* zone = next.findChild<NamedZoneInput*>();
        ASSERT_NE(zone->clock(), nullptr);
        EXPECT_EQ(zone->clock()->Name(), QStringLiteral("America/New_York"));
        EXPECT_EQ(zone->exactPlace(), std::optional<Place>(exact));
        // In June 2024 the zone's boxes say UTC-04:00 as the form writes it: 5, 0 and DST (the
        // form opens on 1901, before the United States kept daylight saving).
        EXPECT_FALSE(next.findChild<QCheckBox*>(QStringLiteral("chkDST"))->isChecked());
        auto* year = next.findChild<QComboBox*>(QStringLiteral("cboYear"));
        year->setCurrentIndex(year->findText(QStringLiteral("2024")));
        next.findChild<QComboBox*>(QStringLiteral("cboMonth"))->setCurrentIndex(5);
        EXPECT_TRUE(next.findChild<QCheckBox*>(QStringLiteral("chkDST"))->isChecked());
    }

    const QString key = QStringLiteral("ui_tests/HomePlace/");
    platform.settings[key + "Longitude"] = QStringLiteral("80.5");
    platform.settings[key + "Zone"] = QStringLiteral("Mars/Olympus_Mons");
    CalculationRecord record3;
    frmMain edited(record3, platform);
    const NamedZoneInput* zone = edited.findChild<NamedZoneInput*>();
    EXPECT_EQ(zone->clock(), nullptr);
    EXPECT_FALSE(zone->exactPlace());
    EXPECT_TRUE(edited.findChild<QLabel*>(QStringLiteral("lblZoneName"))
                    ->text()
                    .contains(QStringLiteral("Mars/Olympus_Mons")));
    // New York City lies at 74.00597 W, 40.71427 N (GeoNames): its boxes say 74°00′ and 40°43′.
    EXPECT_EQ(placeShown(edited).mid(0, 4), QStringList({"74", "0", "40", "43"}));
}

// With no home place, or one that the form cannot take (a settings file edited by hand), the
// window opens as it always has.
TEST_F(HomePlaceTest, WithoutAHomePlaceTheFormOpensAsAlways) {
    const QMap<QString, QString> saved = {
        {"LonDeg", "77"}, {"LonMin", "13"},   {"West", "false"},  {"LatDeg", "28"},
        {"LatMin", "36"}, {"South", "false"}, {"ZoneHour", "5"},  {"ZoneMinute", "30"},
        {"DST", "false"}, {"City", "Delhi"},  {"State", "Delhi"}, {"Country", "India"}};
    const std::pair<const char*, const char*> spoilt[] = {
        {"LonDeg", "abc"},      {"LatMin", "1.5"},        {"LonMin", "-13"}, {"ZoneHour", ""},
        {"ZoneMinute", "--30"}, {"LatDeg", "1234567890"}, {"West", "yes"},   {"DST", ""},
    };
    // What the next start shows: the place fields, and whether there is a home place to clear.
    auto opened =
        [this](const QMap<QString, QString>& stored) {
            platform.settings.clear();
            for (auto entry = stored.cbegin(); entry != stored.cend(); ++entry)
                platform.settings[QStringLiteral("ui_tests/HomePlace/") + entry.key()] =
                    entry.value();
            CalculationRecord record2;
            frmMain next(record2, platform);
            return placeShown(next)
                   << (next.findChild<QAction*>(QStringLiteral("mnuClearHome"))->isEnabled()
                           ? QStringLiteral("can clear")
                           : QString());
        };
    const QStringList asAlways = emptyPlace + QStringList{QString()};
    EXPECT_EQ(opened({}), asAlways);
    for (const auto& [key, value] : spoilt) {
        SCOPED_TRACE(std::string(key) + "=" + value);
        QMap<QString, QString> stored = saved;
        stored[QLatin1String(key)] = QLatin1String(value);
        EXPECT_EQ(opened(stored), asAlways);
    }
    QMap<QString, QString> longName = saved;
    longName[QStringLiteral("City")] = QString(1001, QLatin1Char('x'));
    EXPECT_EQ(opened(longName), asAlways);
    EXPECT_EQ(opened(saved), QStringList({"77", "13", "28", "36", "5", "30", "Delhi", "Delhi",
                                          "India", "", "", "", "can clear"}))
        << "the unspoilt place is taken";
}

// A place with a box empty, or holding what no box of its kind can take, is not saved: the
// message asks for it and the box takes the focus. A store that cannot be written says so.
TEST_F(HomePlaceTest, SavingAsksForWhatIsMissingAndReportsAStoreThatCannotBeWritten) {
    const QString missing = QStringLiteral(
        "Please enter the longitude and the latitude in degrees and minutes, and the hour and "
        "minute of the time zone, before saving them as the home place.");
    const struct {
        const char* box;
        const char* text;
    } cases[] = {
        {"txtLonD", ""},    {"txtLatM", ""},    {"txtZoneMinute", ""},
        {"txtLonM", "1.5"}, {"txtLatD", "-28"}, {"txtZoneHour", "+5"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.box) + " holding '" + c.text + "'");
        set({{"txtLonD", "77"}, {"txtLonM", "13"}, {"txtLatD", "28"}, {"txtLatM", "36"}});
        set({{"txtZoneHour", "5"}, {"txtZoneMinute", "30"}, {c.box, c.text}});
        expectMessage("mnuSaveHome", missing, Icon::Critical, c.box);
        EXPECT_TRUE(homeSettings().isEmpty());
    }
    set({{"txtLonM", "13"}, {"txtLatD", "28"}, {"txtLatM", "36"}, {"txtZoneHour", "5"}});
    set({{"txtZoneMinute", "30"}, {"txtLonD", "77"}});
    platform.settingsWritable = false;
    platform.messages.clear();
    click("mnuSaveHome");
    EXPECT_EQ(platform.messageTexts(),
              QStringList{"The home place could not be saved: the settings file cannot be "
                          "written."});
    EXPECT_FALSE(action("mnuClearHome")->isEnabled());
}

// Clearing asks first; No keeps the home place, Yes forgets it (and only it). The fields on the
// form stay as they are.
TEST_F(HomePlaceTest, ClearingAsksFirstAndForgetsOnlyTheHomePlace) {
    platform.settings[QStringLiteral("ui_tests/Settings/Duration")] = "2026-01-01T08:00:00";
    set({{"txtLonD", "77"}, {"txtLonM", "13"}, {"txtLatD", "28"}, {"txtLatM", "36"}});
    set({{"txtZoneHour", "5"}, {"txtZoneMinute", "30"}});
    click("mnuSaveHome");
    const QStringList saved = homeSettings();
    ASSERT_EQ(saved.size(), 12);

    platform.answer = Platform::MessageAnswer::No;
    platform.messages.clear();
    click("mnuClearHome");
    ASSERT_EQ(platform.messages.size(), 1);
    EXPECT_EQ(platform.messages[0].buttons, Platform::MessageButtons::YesNo);
    EXPECT_EQ(homeSettings(), saved);

    platform.answer = Platform::MessageAnswer::Yes;
    click("mnuClearHome");
    EXPECT_TRUE(homeSettings().isEmpty());
    EXPECT_EQ(platform.settings.keys(),
              (QStringList{"ui_tests/Preferences/SchemaVersion", "ui_tests/Settings/Duration"}));
    EXPECT_FALSE(action("mnuClearHome")->isEnabled());
    EXPECT_EQ(box("txtLonD")->text(), QStringLiteral("77"));
}

// The real settings store: names with commas, quotes and letters beyond ASCII read back as they
// were saved, the reminder's date stays, clearing leaves the reminder's section alone, and a
// store that cannot be written is reported.
TEST(HomePlaceStore, RoundTripsThroughTheRealSettingsFile) {
    QTemporaryDir home;
    ASSERT_TRUE(home.isValid());
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, home.path());
    QtPlatform platform;
    platform.writeSetting(QStringLiteral("ui_tests"), QStringLiteral("Settings"),
                          QStringLiteral("Duration"), QStringLiteral("2026-01-01T08:00:00"));
    PlaceFields place;
    place.lonDeg = "46";
    place.lonMin = "38";
    place.latDeg = "23";
    place.latMin = "33";
    place.latSouth = true;
    place.lonWest = true;
    place.zoneHour = "-3";
    place.zoneMinute = "0";
    place.city = QString::fromUtf8("S\xC3\xA3o Paulo, \"SP\"; =centro");
    place.state = QString::fromUtf8("S\xC3\xA3o Paulo");
    place.country = "Brazil";
    ASSERT_TRUE(SaveHomePlace(platform, place));
    EXPECT_EQ(ReadHomePlace(platform), place);
    EXPECT_EQ(platform.readSetting("ui_tests", "Settings", "Duration"), "2026-01-01T08:00:00");
    ASSERT_TRUE(ClearHomePlace(platform));
    EXPECT_EQ(ReadHomePlace(platform), std::nullopt);
    EXPECT_EQ(platform.readSetting("ui_tests", "Settings", "Duration"), "2026-01-01T08:00:00");

    // A folder where the file should be: no one, not even the administrator, can write it.
    QTemporaryDir blocked;
    ASSERT_TRUE(blocked.isValid());
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, blocked.path());
    ASSERT_TRUE(QDir(blocked.path()).mkpath(QStringLiteral("ui_tests/ui_tests.ini")));
    EXPECT_FALSE(SaveHomePlace(platform, place));
}

} // namespace
