// SPDX-License-Identifier: MIT
// The windows in Hindi: every text of the sources and every name of the engine translated, no
// window left with an English text, the form and its results kept across a change of language
// and the choice remembered; and in English the texts exactly as they were.
#include "ui/Language.h"
#include "engine/day/DayFacts.h"
#include "engine/day/DayPeriods.h"
#include "engine/limbs/Karana.h"
#include "engine/present/CalendarNames.h"
#include "engine/present/PanchangaNames.h"
#include "engine/report/PrepareMoment.h"
#include "engine/report/TithiDay.h"
#include "engine/report/TithiReport.h"
#include "places/PlaceDirectory.h"
#include "platform/AppInfo.h"
#include "support/MainWindowTest.h"
#include "ui/CalendarPlace.h"
#include "ui/CalendarTexts.h"
#include "ui/InputPanel.h"
#include "ui/MonthModel.h"
#include "ui/PanchangaTexts.h"
#include "ui/PlaceCompleter.h"
#include "ui/ReportTexts.h"
#include "ui/Settings.h"
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

#include <map>
#include <set>
#include <tuple>

namespace {

// A message of a catalogue: its context, its English source and its disambiguation.
using MessageKey = std::tuple<QString, QString, QString>;

std::string Describe(const MessageKey& key) {
    const auto& [context, source, comment] = key;
    return (context + QStringLiteral(" | ") + source +
            (comment.isEmpty() ? QString() : QStringLiteral(" | ") + comment))
        .toStdString();
}

// The messages of a Linguist file, with their translations ("" where unfinished).
std::map<MessageKey, QString> ReadCatalogue(const QString& path) {
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    std::map<MessageKey, QString> messages;
    QXmlStreamReader xml(&file);
    QString context, source, comment, translation;
    bool unfinished = false;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement())
            continue;
        const auto name = xml.name();
        if (name == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (name == QLatin1String("message")) {
            source.clear();
            comment.clear();
        } else if (name == QLatin1String("source")) {
            source = xml.readElementText();
        } else if (name == QLatin1String("comment")) {
            comment = xml.readElementText();
        } else if (name == QLatin1String("translation")) {
            unfinished = !xml.attributes().value(QLatin1String("type")).isEmpty();
            translation = xml.readElementText();
            messages[{context, source, comment}] = unfinished ? QString() : translation;
        }
    }
    EXPECT_FALSE(xml.hasError()) << path.toStdString() << ": " << xml.errorString().toStdString();
    return messages;
}

// The placeholders of a text, "%1" ... "%9", each once.
std::set<QString> Placeholders(const QString& text) {
    std::set<QString> found;
    static const QRegularExpression placeholder(QStringLiteral("%[1-9]"));
    for (const auto& match : placeholder.globalMatch(text))
        found.insert(match.captured());
    return found;
}

// Whether a caption gives a key for Alt: "&File", not "Latitude && Longitude".
bool HasMnemonic(const QString& text) {
    static const QRegularExpression mnemonic(QStringLiteral("(^|[^&])&[^& ]"));
    return QString(text).replace(QStringLiteral("&&"), QString()).contains(mnemonic);
}

// What is wrong with a translation of a source text: nothing, or why it does not do.
QString TranslationFault(const QString& source, const QString& translation) {
    if (translation.isEmpty())
        return QStringLiteral("no finished translation");
    if (Placeholders(source) != Placeholders(translation))
        return QStringLiteral("its placeholders differ: ") + translation;
    if (HasMnemonic(source) && !HasMnemonic(translation))
        return QStringLiteral("it lost the key for Alt: ") + translation;
    return {};
}

// The catalogue of the windows holds every text that the sources give to tr() and translate()
// today: lupdate reads the sources afresh, and each of its messages must have a finished
// translation with the same placeholders and a key for Alt where the English has one; and the
// catalogue holds nothing that the sources no longer have. A new text without its translation
// fails here: run the target update_translations and translate what it adds.
TEST(TranslationCatalogues, EveryTextOfTheWindowsHasAFinishedHindiTranslation) {
    QTemporaryDir scratch;
    ASSERT_TRUE(scratch.isValid());
    const QString fresh = scratch.filePath(QStringLiteral("fresh_hi.ts"));
    const QString sources = QStringLiteral(KESTRAVA_SOURCE_DIR "/src");
    QProcess lupdate;
    lupdate.start(QStringLiteral(KESTRAVA_LUPDATE),
                  {QStringLiteral("-silent"), QStringLiteral("-locations"), QStringLiteral("none"),
                   QStringLiteral("-extensions"), QStringLiteral("cpp,h"), QStringLiteral("-I"),
                   sources, sources + QStringLiteral("/ui"), sources + QStringLiteral("/places"),
                   sources + QStringLiteral("/platform"), QStringLiteral("-ts"), fresh});
    ASSERT_TRUE(lupdate.waitForFinished(120000)) << "lupdate did not finish";
    ASSERT_EQ(lupdate.exitCode(), 0) << lupdate.readAllStandardError().toStdString();

    const std::map<MessageKey, QString> found = ReadCatalogue(fresh);
    const std::map<MessageKey, QString> kept =
        ReadCatalogue(QStringLiteral(KESTRAVA_SOURCE_DIR "/translations/kestrava_hi.ts"));
    ASSERT_GT(found.size(), 300u) << "lupdate found too few texts: is the source tree complete?";
    for (const auto& [key, unused] : found) {
        const auto entry = kept.find(key);
        const QString fault = entry == kept.end()
                                  ? QStringLiteral("not in the catalogue")
                                  : TranslationFault(std::get<1>(key), entry->second);
        EXPECT_TRUE(fault.isEmpty()) << Describe(key) << ": " << fault.toStdString();
    }
    for (const auto& [key, unused] : kept)
        EXPECT_TRUE(found.count(key)) << Describe(key) << ": no longer in the sources";
}

// The names and texts that the engine gives in English, walked through its own tables: each
// has a finished translation in Devanagari in the catalogue of names, and the catalogue names
// nothing the engine lacks. Printed for a missing one: the message to add.
TEST(TranslationCatalogues, EveryNameAndReportTextOfTheEngineHasAHindiTranslation) {
    std::set<MessageKey> engine;
    auto name = [&engine](NameKind kind, std::string_view english) {
        ASSERT_FALSE(english.empty()) << NameKindComment(kind);
        engine.insert({QString::fromUtf8(PanchangaContext), QString::fromUtf8(english),
                       QString::fromUtf8(NameKindComment(kind))});
    };
    auto report = [&engine](const std::string& english) {
        engine.insert({QString::fromUtf8(ReportContext), QString::fromStdString(english), {}});
    };
    for (int k = 0; k < 30; ++k) {
        name(NameKind::Tithi, TithiName(k));
        name(NameKind::Paksha, PakshaName(k));
    }
    for (int k = 0; k < 60; ++k)
        name(NameKind::Karana, KaranaName(k));
    for (int k = 0; k < 27; ++k) {
        name(NameKind::Nakshatra, NakshatraName(k));
        name(NameKind::Yoga, YogaName(k));
    }
    for (int k = 0; k < 7; ++k)
        name(NameKind::Vara, VaraName(k));
    for (int k = 0; k < 12; ++k) {
        name(NameKind::Masa, MasaName(k));
        name(NameKind::Rashi, RashiName(k));
    }
    for (int k = 0; k < VimshottariLordCount; ++k)
        name(NameKind::Planet, VimshottariLordName(k));
    for (int k = 0; k < 7; ++k) {
        name(NameKind::Planet, WeekdayLordName(k)); // the horas' lords
        name(NameKind::Choghadiya, ChoghadiyaName(k));
    }
    for (int k = 0; k < 6; ++k)
        name(NameKind::Ritu, RituName(k));
    for (int k = 0; k < 2; ++k)
        name(NameKind::Ayana, AyanaName(k));
    for (int k = 0; k < 60; ++k)
        name(NameKind::Samvatsara, SamvatsaraName(k));
    CalculationRecord tables;
    ASSERT_TRUE(MakeTithiReport(tables));
    for (std::size_t k = 0; k < 30; ++k) {
        // The report writes the tithi's name in its own spelling ("Ekadasi").
        name(NameKind::Tithi, tables.TithiNameTable[k]);
        name(NameKind::TithiLord, tables.TithiLordTable[k]);
        name(NameKind::TithiGroup, tables.TithiGroupTable[k]);
        for (const TithiTextTable* table : {&tables.TithiFeatureTable, &tables.TithiNatureTable,
                                            &tables.TithiTypeTable, &tables.TithiDescriptionTable})
            report((*table)[k]);
    }

    const std::map<MessageKey, QString> kept =
        ReadCatalogue(QStringLiteral(KESTRAVA_SOURCE_DIR "/translations/kestrava_names_hi.ts"));
    QTranslator built;
    ASSERT_TRUE(built.load(QStringLiteral(":/i18n/kestrava_names_hi.qm")));
    static const QRegularExpression latin(QStringLiteral("[A-Za-z]"));
    for (const MessageKey& key : engine) {
        const auto& [context, source, comment] = key;
        const QString translation = built.translate(context.toUtf8(), source.toUtf8(),
                                                    comment.isEmpty() ? nullptr : comment.toUtf8());
        EXPECT_FALSE(translation.isEmpty() || translation.contains(latin))
            << Describe(key) << ": not translated into Devanagari; add to the catalogue:\n"
            << "    <message>\n        <source>" << source.toStdString() << "</source>\n"
            << (comment.isEmpty() ? ""
                                  : "        <comment>" + comment.toStdString() + "</comment>\n")
            << "        <translation>...</translation>\n    </message>";
    }
    for (const auto& [key, unused] : kept)
        EXPECT_TRUE(engine.count(key)) << Describe(key) << ": the engine has no such text";
}

// The language to start in: the user's last choice, else the system's where it is Hindi; the
// choice is kept beside the reminder's date, which it leaves alone.
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

// Brings the windows back to English at the end of a test, whatever happens in it.
struct BackToEnglish {
    ~BackToEnglish() { SetLanguage(Language::English); }
};

// Switches the windows to Hindi for the life of a test.
struct InHindi : BackToEnglish {
    InHindi() { SetLanguage(Language::Hindi); }
};

// A text a user reads, and where.
struct ShownText {
    QString where;
    QString text;
};

QString PlainText(const QLabel* label) {
    return label->textFormat() == Qt::RichText || Qt::mightBeRichText(label->text())
               ? QTextDocumentFragment::fromHtml(label->text()).toPlainText()
               : label->text();
}

// Every text a window shows or gives a screen reader: captions, buttons, titles, menus, lists,
// tool tips, accessible names and descriptions, the cells of a list or a table. What the user
// typed is not among them, nor the zone picker's rows, which are data.
QVector<ShownText> ShownTexts(QWidget* window) {
    QVector<ShownText> shown;
    auto add = [&shown](const QObject* where, const QString& text) {
        if (!text.trimmed().isEmpty())
            shown.push_back({where->objectName().isEmpty()
                                 ? QString::fromUtf8(where->metaObject()->className())
                                 : where->objectName(),
                             text});
    };
    QList<QWidget*> widgets = window->findChildren<QWidget*>();
    widgets.prepend(window);
    for (QWidget* w : widgets) {
        // The menu bar's overflow menu repeats the entries that do not fit the bar.
        if (qobject_cast<QMenu*>(w) && w->objectName().isEmpty() &&
            qobject_cast<QMenuBar*>(w->parent()))
            continue;
        if (w->isWindow())
            add(w, w->windowTitle());
        add(w, w->toolTip());
        add(w, w->accessibleName());
        add(w, w->accessibleDescription());
        if (const auto* label = qobject_cast<QLabel*>(w))
            add(w, PlainText(label));
        if (const auto* button = qobject_cast<QAbstractButton*>(w))
            add(w, button->text());
        if (const auto* group = qobject_cast<QGroupBox*>(w))
            add(w, group->title());
        if (const auto* spin = qobject_cast<QAbstractSpinBox*>(w))
            add(w, spin->text());
        if (const auto* menu = qobject_cast<QMenu*>(w))
            add(w, menu->title());
        for (const QAction* action : w->actions())
            add(w, action->text());
        if (const auto* list = qobject_cast<QComboBox*>(w)) {
            for (int k = 0; k < list->count(); ++k)
                add(w, list->itemText(k));
        }
        const auto* view = qobject_cast<QAbstractItemView*>(w);
        if (!view || !view->model() || w->objectName() == QLatin1String("lstTimeZone"))
            continue;
        const QAbstractItemModel* model = view->model();
        for (int column = 0; column < model->columnCount(); ++column) {
            add(w, model->headerData(column, Qt::Horizontal).toString());
            add(w, model->headerData(column, Qt::Horizontal, Qt::ToolTipRole).toString());
        }
        for (int row = 0; row < model->rowCount(); ++row) {
            for (int column = 0; column < model->columnCount(); ++column) {
                const QModelIndex index = model->index(row, column);
                for (const int role :
                     {int(Qt::DisplayRole), int(Qt::ToolTipRole), int(Qt::AccessibleTextRole)})
                    add(w, index.data(role).toString());
                // The lines painted in a day's cell of the month view.
                if (const auto* month = qobject_cast<const MonthModel*>(model)) {
                    if (const CalendarDay* day = month->dayAt(index)) {
                        const DayCellTexts cell = DayCellTextsOf(*day, false);
                        for (const QString& line : {cell.Paksha, cell.Name, cell.Until, cell.Then,
                                                    cell.Kshaya, cell.Vriddhi, cell.Masa})
                            add(w, line);
                    }
                }
            }
        }
    }
    return shown;
}

// What may stay in Latin letters in Hindi: names of the program, of formats, standards, keys and
// zones, addresses, the keys for Alt and a menu entry's shortcut, the Language menu's own names,
// and what the test typed.
QString WithoutLatinThatStays(QString text) {
    static const QRegularExpression stays(QStringLiteral(
        "\\t.*$|(https?|file)://\\S+|\\b[A-Z][A-Za-z_]+/[A-Za-z_/"
        "+-]+\\b|\\(&\\w\\)|\\bKestrava\\b|\\bv1\\.15\\b|"
        "\\bUTC\\b|\\bGeoNames\\b|\\bgeonames\\.org\\b|\\bCC BY\\b|\\biCalendar\\b|\\.ics\\b|"
        "\\bPDF\\b|\\.pdf\\b|\\bA4\\b|\\bMIT\\b|\\bCtrl\\b|\\bPage "
        "(Up|Down)\\b|\\bHome\\b|\\bEnter\\b|"
        "\\bLanguage\\b|\\bEnglish\\b|\\bHindi\\b|\\bAsha\\b|\\bNew York City\\b"));
    return text.remove(stays);
}

void ExpectNoEnglish(QWidget* window) {
    static const QRegularExpression latin(QStringLiteral("[A-Za-z]"));
    const QVector<ShownText> shown = ShownTexts(window);
    EXPECT_GT(shown.size(), 3) << window->objectName().toStdString();
    for (const ShownText& s : shown) {
        EXPECT_FALSE(WithoutLatinThatStays(s.text).contains(latin))
            << window->objectName().toStdString() << " / " << s.where.toStdString() << ": "
            << s.text.toStdString();
    }
}

class LanguageTest : public MainWindowTest {
protected:
    QString text(const char* label) { return find<QLabel>(label)->text(); }

    // Delhi (77 E 13, 28 N 36, zone 5:30), 11 January 2024 at 17:00: the new moon of 11:57 UT
    // is half an hour away, the Moon and the Sun in Purva Ashadha (253°20′ ... 266°40′ sidereal).
    void fillDelhi() {
        set({{"txtName", "Asha"},
             {"cboYear", "2024"},
             {"cboDate", "11"},
             {"cboHH", "17"},
             {"txtLonD", "77"},
             {"txtLonM", "13"},
             {"txtLatD", "28"},
             {"txtLatM", "36"},
             {"txtZoneHour", "5"},
             {"txtZoneMinute", "30"},
             {"txtMCity", "Delhi"}});
    }

    // Every text of the main window with the place it stands, inputs included: a snapshot to
    // compare before and after a change of language.
    QStringList snapshot() {
        QStringList texts;
        for (const ShownText& s : ShownTexts(&window))
            texts << s.where + QStringLiteral(": ") + s.text;
        for (QLineEdit* box : window.findChildren<QLineEdit*>())
            texts << box->objectName() + QStringLiteral(" = ") + box->text();
        for (QComboBox* list : window.findChildren<QComboBox*>())
            texts << list->objectName() + QStringLiteral(" # ") +
                         QString::number(list->currentIndex());
        texts << (inFront("fraResult") ? QStringLiteral("results") : QStringLiteral("form"));
        return texts;
    }
};

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

// No window keeps an English text in Hindi, once the language has changed under the open ones:
// the main window with its menus and both panels, the month view, and each window opened from
// them, Qt's message box and a box's menu of editing commands.
TEST_F(LanguageTest, NoWindowKeepsAnEnglishTextInHindi) {
    // New York in July from the directory: its named zone in daylight saving, on the form and
    // in the results.
    fillDelhi();
    const std::vector<DirectoryPlace> places =
        PlaceDirectory::BuiltIn().Complete({QStringLiteral("New York"), {}, {}}, 1);
    ASSERT_FALSE(places.empty());
    Q_EMIT find<InputPanel>("fraMain")->placeCompleter->placeChosen(places.front());
    set({{"cboMonth", "July"}});
    click("cmdCalculate");
    ASSERT_FALSE(find<QLabel>("lblResultZone")->text().isEmpty());
    click("mnuMonthView");
    auto* month = window.findChild<frmMonth*>();
    ASSERT_NE(month, nullptr);
    month->showDate(QDate(2024, 1, 11));

    InHindi hindi;
    ExpectNoEnglish(&window);
    ExpectNoEnglish(month);

    const CalendarPlace place =
        std::get<CalendarPlace>(PlaceOfForm(*find<InputPanel>("fraMain"), nullptr));
    frmAbout about(platform);
    ExpectNoEnglish(&about);
    QLineEdit hours, minutes;
    frmTimeZone picker(&hours, &minutes);
    ExpectNoEnglish(&picker);
    frmDay day(place, QDate(2024, 1, 11));
    ExpectNoEnglish(&day);
    frmFind found(place, QDate(2024, 1, 1));
    found.listVrataDays();
    ExpectNoEnglish(&found);
    for (const auto format : {frmExport::Format::Calendar, frmExport::Format::Pdf}) {
        frmExport exporting(platform, place, format, QDate(2024, 1, 1));
        ExpectNoEnglish(&exporting);
    }
    QMessageBox question(QMessageBox::Information, AppTitle(), QStringLiteral("?"),
                         QMessageBox::Yes | QMessageBox::No);
    question.setObjectName(QStringLiteral("QMessageBox"));
    ExpectNoEnglish(&question);
    std::unique_ptr<QMenu> editing(box("txtName")->createStandardContextMenu());
    editing->setObjectName(QStringLiteral("editing menu"));
    ExpectNoEnglish(editing.get());
    month->close();
}

} // namespace
