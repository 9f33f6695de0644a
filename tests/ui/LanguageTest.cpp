// SPDX-License-Identifier: MIT
// The windows in every language: no window left with an English text, the form and its results kept
// across a change of language and the choice remembered; and in English the texts exactly as they
// were.
#include "ui/Language.h"
#include "engine/limbs/Karana.h"
#include "engine/present/CalendarNames.h"
#include "engine/present/PanchangaNames.h"
#include "engine/report/PrepareMoment.h"
#include "engine/report/TithiDay.h"
#include "engine/report/TithiReport.h"
#include "engine/day/DayFacts.h"
#include "engine/day/DayPeriods.h"
#include "places/PlaceDirectory.h"
#include "platform/AppInfo.h"
#include "support/MainWindowTest.h"
#include "support/ScriptLanguages.h"
#include "support/ShownTexts.h"
#include "ui/CalendarPlace.h"
#include "ui/CalendarTexts.h"
#include "ui/InputPanel.h"
#include "ui/MonthModel.h"
#include "ui/PanchangaTexts.h"
#include "ui/PlaceCompleter.h"
#include "ui/ReportTexts.h"
#include "ui/Settings.h"
#include "ui/ValueLabel.h"
#include "ui/frmAbout.h"
#include "ui/frmDay.h"
#include "ui/frmExport.h"
#include "ui/frmFind.h"
#include "ui/frmMonth.h"
#include "ui/frmTimeZone.h"
#include "ui/modHelp.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTextDocumentFragment>
#include <QTranslator>
#include <QTreeWidget>
#include <QXmlStreamReader>

#include <algorithm>
#include <map>
#include <set>
#include <tuple>

namespace {

// The language to start in: the user's last choice, else the system's where Kestrava speaks it;
// the choice is kept beside the reminder's date, which it leaves alone.
TEST(LanguageChoice, StartsInTheRememberedLanguageElseTheSystems) {
    const struct {
        const char* remembered; // "" for none
        QLocale system;
        Language expected;
    } cases[] = {
        {"", QLocale(QLocale::Hindi, QLocale::India), Language::Hindi},
        {"", QLocale(QLocale::English, QLocale::India), Language::English},
        {"", QLocale(QLocale::German, QLocale::Germany), Language::English},
        {"en", QLocale(QLocale::Hindi, QLocale::India), Language::English},
        {"hi", QLocale(QLocale::English, QLocale::UnitedStates), Language::Hindi},
        {"fr", QLocale(QLocale::Hindi, QLocale::India), Language::Hindi},
        {"", QLocale(QLocale::Marathi, QLocale::India), Language::Marathi},
        {"", QLocale(QLocale::Gujarati, QLocale::India), Language::Gujarati},
        {"", QLocale(QLocale::Bengali, QLocale::Bangladesh), Language::Bengali},
        {"", QLocale(QLocale::Tamil, QLocale::SriLanka), Language::Tamil},
        {"", QLocale(QLocale::Telugu, QLocale::India), Language::Telugu},
        {"", QLocale(QLocale::Kannada, QLocale::India), Language::Kannada},
        {"kn", QLocale(QLocale::Tamil, QLocale::India), Language::Kannada},
        {"te", QLocale(QLocale::English, QLocale::India), Language::Telugu},
        {"en", QLocale(QLocale::Bengali, QLocale::India), Language::English},
        {"xx", QLocale(QLocale::Malayalam, QLocale::India), Language::English},
    };
    const QString key = SettingsApplicationName() + QStringLiteral("/Preferences/Language");
    for (const auto& c : cases) {
        FakePlatform platform;
        if (*c.remembered)
            platform.settings[key] = QString::fromUtf8(c.remembered);
        EXPECT_EQ(StartLanguage(platform, c.system), c.expected)
            << c.remembered << " " << c.system.name().toStdString();
    }

    FakePlatform platform;
    const QString duration = SettingsApplicationName() + QStringLiteral("/Settings/Duration");
    platform.settings[duration] = QStringLiteral("2026-01-01T09:00:00");
    RememberLanguage(platform, Language::Hindi);
    EXPECT_EQ(platform.settings.value(key), QStringLiteral("hi"));
    RememberLanguage(platform, Language::English);
    EXPECT_EQ(platform.settings.value(key), QStringLiteral("en"));
    EXPECT_EQ(platform.settings.value(duration), QStringLiteral("2026-01-01T09:00:00"));
}

// In English the texts the windows build from the engine's values are the engine's own: the
// report of every slot, and the lines of the tithi's day for a sunrise, the polar day and night
// and a latitude beyond the pole.
TEST(EnglishTexts, TheReportAndTheDaysLinesAreTheEnginesExactly) {
    for (int index = 0; index <= 30; ++index) {
        CalculationRecord record;
        record.TithiIndex = index;
        const std::optional<ReportTexts> shown = ReportTextsOf(record);
        const std::optional<TithiReportTexts> engine = MakeTithiReport(record);
        ASSERT_TRUE(shown && engine) << index;
        for (std::size_t k = 0; k < engine->size(); ++k)
            EXPECT_EQ((*shown)[k].toStdString(), (*engine)[k]) << index << " " << k;
    }

    const struct {
        int latDeg;
        bool south;
        int month, day;
    } places[] = {
        {28, false, 1, 11}, // Delhi's latitude in January
        {70, false, 6, 21}, // the midnight sun
        {70, true, 6, 21},  // the polar night
        {95, false, 3, 1},  // beyond the pole
        {66, false, 12, 9}, // a sunrise near the polar circle
    };
    for (const auto& p : places) {
        CalculationRecord record;
        record.PersonName = "Asha";
        record.BirthYear = 2024;
        record.BirthMonth = static_cast<std::int16_t>(p.month);
        record.BirthDay = static_cast<std::int16_t>(p.day);
        record.BirthHour = 17;
        record.LonDeg = 77;
        record.LonMin = 13;
        record.LatDeg = static_cast<std::int16_t>(p.latDeg);
        record.LatSouth = ToFlag(p.south);
        record.LonEast = ToFlag(true);
        record.ZoneHour = 5;
        record.ZoneMinute = 30;
        PrepareMoment(record);
        const std::optional<TithiDay> day = ComputeTithiDay(record, true, SkyChoice{});
        ASSERT_TRUE(day) << p.latDeg;
        const TithiDayTexts engine = DescribeTithiDay(*day);
        const TithiDayLines shown = TithiDayLinesOf(*day);
        EXPECT_EQ(shown.Times.toStdString(), engine.Times) << p.latDeg;
        EXPECT_EQ(shown.Sunrise.toStdString(), engine.Sunrise) << p.latDeg;
        EXPECT_EQ(shown.Karana.toStdString(), engine.Karana) << p.latDeg;
    }
}

// A calculation in Hindi names the tithi, its fortnight, lord, group and type, the times and the
// karana in Devanagari, dates by the Hindi locale's month names; the day's panchanga the vara,
// nakshatra, yoga, months and era years. Expected values: Amavasya began at 20:11:22 on the 10th
// and ended at 17:27:25 (Swiss Ephemeris, computed separately); 11 January 2024 was a Thursday;
// at sunrise the Moon stood near 261° sidereal, in Purva Ashadha, pada 3, and the sidereal Sun
// and Moon summed to about 167°, in the thirteenth yoga, Vyaghata; the amanta month that ends with
// this new moon is Margashirsha, the purnimanta one Pausha; Vikram 2080, Shaka 1945.
TEST_F(LanguageTest, AKnownMomentIsToldInHindi) {
    InHindi hindi;
    fillDelhi();
    click("cmdCalculate");
    ASSERT_EQ(platform.messageTexts(), QStringList());
    const QStringList report = {text("lblResult(0)"), text("lblResult(1)"), text("lblResult(2)"),
                                text("lblResult(3)"), text("lblResult(4)"), text("lblResult(7)")};
    EXPECT_EQ(report, (QStringList{"15", "अमावस्या", "कृष्ण", "पितर", "पूर्णा", "अशुभ"}));
    EXPECT_EQ(text("lblResult(6)"), QStringLiteral("यह तप और कठोर अनुष्ठानों का दिन है।"));
    EXPECT_EQ((QStringList{text("lblTithiTimes"), text("lblSunrise"), text("lblKarana")}),
              (QStringList{"आरंभ 10 जनवरी 2024 20:12 · समाप्ति 11 जनवरी 2024 17:28",
                           "सूर्योदय (07:15) पर: अमावस्या", "करण: नाग"}));
    EXPECT_EQ(find<QLabel>("lblLabel(0)")->text(), QStringLiteral("तिथि संख्या"));
    // At 17:00 the Moon, near 266° sidereal, is in the last pada of Purva Ashadha.
    EXPECT_EQ(text("lblVara"), QStringLiteral("गुरुवार"));
    EXPECT_TRUE(text("lblNakshatra").startsWith(QStringLiteral("पूर्वाषाढ़ा, चरण 4, ")))
        << text("lblNakshatra").toStdString();

    const CalendarPlace place =
        std::get<CalendarPlace>(PlaceOfForm(*find<InputPanel>("fraMain"), nullptr));
    frmDay day(place, QDate(2024, 1, 11));
    auto value = [&day](const char* caption) { return day.value(QLatin1String(caption))->text(); };
    EXPECT_EQ(value("Vara"), QStringLiteral("गुरुवार, सूर्योदय से सूर्योदय तक"));
    EXPECT_TRUE(value("Nakshatra").startsWith(QStringLiteral("पूर्वाषाढ़ा (सूर्योदय पर चरण 3)")))
        << value("Nakshatra").toStdString();
    EXPECT_TRUE(value("Yoga").startsWith(QStringLiteral("व्याघात "))) << value("Yoga").toStdString();
    EXPECT_EQ(value("Month"), QStringLiteral("मार्गशीर्ष (अमांत) · पौष (पूर्णिमांत)"));
    EXPECT_EQ(value("Samvat"), QStringLiteral("विक्रम संवत 2080, शक संवत 1945"));
    EXPECT_EQ(day.windowTitle(), QStringLiteral("गुरुवार 11 जनवरी 2024 का पंचांग - Kestrava"));
}

// Switched to Hindi after a calculation and back, the form keeps every input and the panel in
// front, the results are told again in each language, the Language menu shows the choice, the
// choice is kept in the settings, and English gives back every text exactly as it was.
TEST_F(LanguageTest, SwitchingKeepsTheFormAndItsResultsAndIsRemembered) {
    fillDelhi();
    click("cmdCalculate");
    ASSERT_TRUE(inFront("fraResult"));
    const QStringList english = snapshot();
    const QString key = SettingsApplicationName() + QStringLiteral("/Preferences/Language");

    {
        BackToEnglish guard;
        click("mnuHindi");
        EXPECT_EQ(CurrentLanguage(), Language::Hindi);
        EXPECT_EQ(platform.settings.value(key), QStringLiteral("hi"));
        EXPECT_TRUE(find<QAction>("mnuHindi")->isChecked());
        EXPECT_TRUE(inFront("fraResult"));
        EXPECT_EQ(text("lblResult(1)"), QStringLiteral("अमावस्या"));
        EXPECT_EQ(find<QComboBox>("cboMonth")->currentText(), QStringLiteral("जनवरी"));
        EXPECT_EQ(box("txtMCity")->text(), QStringLiteral("Delhi"));
        EXPECT_EQ(find<QMenu>("mnuFile")->title(), QStringLiteral("फ़ाइल (&F)"));

        // Every other language from its entry: the choice checked and kept, the results and
        // the menus in its script.
        // The Language menu keeps its English name beside the language's, for a user who
        // cannot read the one chosen; and each caption its key for Alt.
        static const QRegularExpression altKey(QStringLiteral("\\(&\\w\\)|/ Language\\b"));
        for (const ScriptLanguage& language : ScriptLanguages) {
            const std::string code = language.code;
            const QString entry =
                QStringLiteral("mnu") + QLatin1String(RowOf(language.language).englishName);
            click(entry.toUtf8().constData());
            EXPECT_EQ(CurrentLanguage(), language.language) << code;
            EXPECT_EQ(platform.settings.value(key), QLatin1String(language.code));
            EXPECT_TRUE(find<QAction>(entry.toUtf8().constData())->isChecked()) << code;
            EXPECT_TRUE(inFront("fraResult")) << code;
            EXPECT_TRUE(InScript(text("lblResult(1)"), language))
                << code << ": " << text("lblResult(1)").toStdString();
            for (const char* menu : {"mnuFile", "mnuCalendar", "mnuLanguage", "mnuHelp"}) {
                const QString title = find<QMenu>(menu)->title().remove(altKey);
                EXPECT_TRUE(InScript(title, language)) << code << ": " << title.toStdString();
            }
            EXPECT_EQ(box("txtMCity")->text(), QStringLiteral("Delhi")) << code;
        }

        click("mnuEnglish");
        EXPECT_EQ(CurrentLanguage(), Language::English);
        EXPECT_EQ(platform.settings.value(key), QStringLiteral("en"));
        EXPECT_TRUE(find<QAction>("mnuEnglish")->isChecked());
        EXPECT_EQ(snapshot(), english);
    }

    // The form still calculates, in English, from what it held.
    click("cmdBack");
    click("cmdCalculate");
    EXPECT_EQ(text("lblResult(1)"), QStringLiteral("AMAVASYA"));
}

// Whether a text holds a decimal digit of a script other than the Latin one.
bool HasOwnDigits(const QString& text) {
    return std::any_of(text.begin(), text.end(), [](QChar c) {
        return c.unicode() > 0x7f && c.category() == QChar::Number_DecimalDigit;
    });
}

// The digits of dates, times and the numbers of the panchanga: Marathi and Bengali write their
// own by default (CLDR's default
// numbering systems: "deva" for mr, "beng" for bn, "latn" for hi, gu, ta, te and kn), and the
// Language menu's Western Digits writes 0–9 in every language, at once and remembered.
TEST_F(LanguageTest, DatesTakeTheLocalesDigitsOrWesternOnes) {
    fillDelhi();
    click("cmdCalculate");
    const QString key = SettingsApplicationName() + QStringLiteral("/Preferences/Digits");
    static const QRegularExpression western(QStringLiteral("[0-9]"));
    BackToEnglish guard;
    for (const ScriptLanguage& language : ScriptLanguages) {
        const std::string code = language.code;
        SetLanguage(language.language);
        const bool own = code == "mr" || code == "bn";
        const QString times = text("lblTithiTimes");
        EXPECT_EQ(HasOwnDigits(times), own) << code << ": " << times.toStdString();
        EXPECT_EQ(times.contains(western), !own) << code << ": " << times.toStdString();
        // The tithi's number and the era years as the dates: "१५", "विक्रम संवत २०८०".
        EXPECT_EQ(HasOwnDigits(text("lblResult(0)")), own) << code;
        EXPECT_EQ(HasOwnDigits(text("lblSamvat")), own) << code;

        click("mnuWesternDigits");
        EXPECT_TRUE(find<QAction>("mnuWesternDigits")->isChecked()) << code;
        EXPECT_EQ(platform.settings.value(key), QStringLiteral("western")) << code;
        const QString chosen = text("lblTithiTimes");
        EXPECT_FALSE(HasOwnDigits(chosen)) << code << ": " << chosen.toStdString();
        EXPECT_EQ(text("lblResult(0)"), QStringLiteral("15")) << code;
        EXPECT_FALSE(HasOwnDigits(text("lblSamvat"))) << code;
        // The same text, digit for digit, as the locale's, where the locale writes 0–9.
        if (!own) {
            EXPECT_EQ(chosen, times) << code;
        }

        click("mnuWesternDigits");
        EXPECT_FALSE(find<QAction>("mnuWesternDigits")->isChecked()) << code;
        EXPECT_EQ(platform.settings.value(key, QString()), QString()) << code;
        EXPECT_EQ(text("lblTithiTimes"), times) << code;
    }
}

// No value of the results is cut in any language: a value that wraps is given the height of all
// its lines (the long vara of a moment before sunrise wraps in Tamil and Telugu).
TEST_F(LanguageTest, NoValueOfTheResultsIsCutInAnyLanguage) {
    fillDelhi();
    set({{"cboHH", "5"}}); // before sunrise: the vara says the day began at the previous one
    click("cmdCalculate");
    ASSERT_TRUE(inFront("fraResult"));
    BackToEnglish guard;
    for (const LanguageRow& row : Languages()) {
        SetLanguage(row.language);
        QCoreApplication::processEvents(); // the layouts settle
        for (const ValueLabel* value : window.findChildren<ValueLabel*>()) {
            if (!value->isVisible() || !value->wordWrap() || value->text().isEmpty())
                continue;
            EXPECT_GE(value->height(), value->heightForWidth(value->width()))
                << row.code << " " << value->objectName().toStdString() << ": "
                << value->text().toStdString();
        }
    }
}

} // namespace
