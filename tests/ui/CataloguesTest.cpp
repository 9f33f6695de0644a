// SPDX-License-Identifier: MIT
// The catalogues of every language: each text of the windows' sources, each name and report
// text of the engine and each text of Qt's own dialogs has a finished translation, with its
// placeholders and its key for Alt; the names are written in the language's script; and the
// fonts present draw every character of every translation.
#include "engine/calendar/FestivalRules.h"
#include "engine/day/DayFacts.h"
#include "engine/day/DayPeriods.h"
#include "engine/limbs/Karana.h"
#include "engine/present/CalendarNames.h"
#include "engine/present/PanchangaNames.h"
#include "engine/report/CalculationRecord.h"
#include "engine/report/TithiReport.h"
#include "support/ScriptLanguages.h"
#include "ui/PanchangaTexts.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QFontDatabase>
#include <QProcess>
#include <QRawFont>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTranslator>
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

QString Catalogue(const char* name, const ScriptLanguage& language) {
    return QStringLiteral(KESTRAVA_SOURCE_DIR "/translations/") + QLatin1String(name) +
           QLatin1String(language.code) + QStringLiteral(".ts");
}

// The catalogue of the windows in every language holds every text that the sources give to tr()
// and translate() today: lupdate reads the sources afresh, and each of its messages must have a
// finished translation with the same placeholders and a key for Alt where the English has one;
// and no catalogue holds a text that the sources no longer have. A new text without its
// translation fails here: run the target update_translations and translate what it adds.
TEST(TranslationCatalogues, EveryTextOfTheWindowsHasAFinishedTranslationInEveryLanguage) {
    QTemporaryDir scratch;
    ASSERT_TRUE(scratch.isValid());
    const QString fresh = scratch.filePath(QStringLiteral("fresh.ts"));
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
    ASSERT_GT(found.size(), 300u) << "lupdate found too few texts: is the source tree complete?";

    for (const ScriptLanguage& language : ScriptLanguages) {
        const std::map<MessageKey, QString> kept = ReadCatalogue(Catalogue("kestrava_", language));
        for (const auto& [key, unused] : found) {
            const auto entry = kept.find(key);
            const QString fault = entry == kept.end()
                                      ? QStringLiteral("not in the catalogue")
                                      : TranslationFault(std::get<1>(key), entry->second);
            EXPECT_TRUE(fault.isEmpty())
                << language.code << ": " << Describe(key) << ": " << fault.toStdString();
        }
        for (const auto& [key, unused] : kept)
            EXPECT_TRUE(found.count(key))
                << language.code << ": " << Describe(key) << ": no longer in the sources";
    }
}

// The names and texts that the engine gives in English, walked through its own tables.
std::set<MessageKey> EngineTexts() {
    std::set<MessageKey> engine;
    auto name = [&engine](NameKind kind, std::string_view english) {
        EXPECT_FALSE(english.empty()) << NameKindComment(kind);
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
    EXPECT_TRUE(MakeTithiReport(tables));
    for (std::size_t k = 0; k < 30; ++k) {
        // The report writes the tithi's name in its own spelling ("Ekadasi").
        name(NameKind::Tithi, tables.TithiNameTable[k]);
        name(NameKind::TithiLord, tables.TithiLordTable[k]);
        name(NameKind::TithiGroup, tables.TithiGroupTable[k]);
        for (const TithiTextTable* table : {&tables.TithiFeatureTable, &tables.TithiNatureTable,
                                            &tables.TithiTypeTable, &tables.TithiDescriptionTable})
            report((*table)[k]);
    }
    // The festivals of the table, by their English names; Hindi's catalogue must agree with the
    // table's own Hindi column (checked below).
    for (const FestivalRule& rule : BuiltInFestivalTable().Rules)
        engine.insert({QStringLiteral("FestivalNames"), QString::fromStdString(rule.NameEn), {}});
    return engine;
}

// Each name and report text of the engine has a finished translation in the language's script in
// the catalogue built into the program, and no catalogue names what the engine lacks. Printed
// for a missing one: the message to add.
TEST(TranslationCatalogues, EveryNameAndReportTextOfTheEngineIsInEachLanguagesScript) {
    const std::set<MessageKey> engine = EngineTexts();
    for (const ScriptLanguage& language : ScriptLanguages) {
        QTranslator built;
        ASSERT_TRUE(built.load(QStringLiteral(":/i18n/kestrava_names_") +
                               QLatin1String(language.code) + QStringLiteral(".qm")))
            << language.code;
        for (const MessageKey& key : engine) {
            const auto& [context, source, comment] = key;
            const QString translation = built.translate(
                context.toUtf8(), source.toUtf8(), comment.isEmpty() ? nullptr : comment.toUtf8());
            EXPECT_TRUE(InScript(translation, language))
                << language.code << ": " << Describe(key) << ": not translated into "
                << language.script << " (\"" << translation.toStdString()
                << "\"); add to the catalogue:\n    <message>\n        <source>"
                << source.toStdString() << "</source>\n"
                << (comment.isEmpty()
                        ? ""
                        : "        <comment>" + comment.toStdString() + "</comment>\n")
                << "        <translation>...</translation>\n    </message>";
        }
        for (const auto& [key, unused] : ReadCatalogue(Catalogue("kestrava_names_", language)))
            EXPECT_TRUE(engine.count(key))
                << language.code << ": " << Describe(key) << ": the engine has no such text";
    }
    // Hindi's festival names are the table's.
    QTranslator hindi;
    ASSERT_TRUE(hindi.load(QStringLiteral(":/i18n/kestrava_names_hi.qm")));
    for (const FestivalRule& rule : BuiltInFestivalTable().Rules)
        EXPECT_EQ(hindi.translate("FestivalNames", rule.NameEn.c_str()).toStdString(), rule.NameHi)
            << rule.Id;
}

// Qt's own dialogs and menus: every language translates the texts that Hindi does, each
// finished, with its placeholders and its key for Alt.
TEST(TranslationCatalogues, QtsOwnTextsAreTranslatedInEveryLanguage) {
    const std::map<MessageKey, QString> hindi =
        ReadCatalogue(Catalogue("kestrava_qt_", ScriptLanguages[0]));
    ASSERT_GT(hindi.size(), 40u);
    for (const ScriptLanguage& language : ScriptLanguages) {
        const std::map<MessageKey, QString> kept =
            ReadCatalogue(Catalogue("kestrava_qt_", language));
        for (const auto& [key, unused] : hindi) {
            const auto entry = kept.find(key);
            const QString fault = entry == kept.end()
                                      ? QStringLiteral("not in the catalogue")
                                      : TranslationFault(std::get<1>(key), entry->second);
            EXPECT_TRUE(fault.isEmpty())
                << language.code << ": " << Describe(key) << ": " << fault.toStdString();
        }
        EXPECT_EQ(kept.size(), hindi.size()) << language.code;
    }
}

// The fonts present draw every character of every translation: for each character some font of
// the system has a glyph, else the windows would show an empty box. A language whose script has
// no font fails here: install the fonts the package depends on (fonts-noto-core, or the Lohit
// font of the script).
TEST(TranslationFonts, EveryCharacterOfEveryTranslationHasAGlyph) {
    std::vector<QRawFont> fonts;
    for (const QString& family : QFontDatabase::families()) {
        QRawFont raw = QRawFont::fromFont(QFont(family));
        if (raw.isValid())
            fonts.push_back(raw);
    }
    ASSERT_FALSE(fonts.empty()) << "no font at all";
    std::map<char32_t, bool> drawn;
    auto hasGlyph = [&](char32_t c) {
        const auto known = drawn.find(c);
        if (known != drawn.end())
            return known->second;
        bool found = false;
        for (const QRawFont& font : fonts) {
            if (font.supportsCharacter(c)) {
                found = true;
                break;
            }
        }
        return drawn[c] = found;
    };
    for (const ScriptLanguage& language : ScriptLanguages) {
        int characters = 0;
        std::map<char32_t, std::string> missing; // each character once, with a text it is in
        for (const char* name : {"kestrava_", "kestrava_names_", "kestrava_qt_"}) {
            for (const auto& [key, translation] : ReadCatalogue(Catalogue(name, language))) {
                for (const char32_t c : translation.toUcs4()) {
                    // Joiners and other format characters have no glyph of their own.
                    if (QChar::category(c) == QChar::Other_Format || QChar::isSpace(c))
                        continue;
                    ++characters;
                    if (!hasGlyph(c))
                        missing.emplace(c, Describe(key) + ": " + translation.toStdString());
                }
            }
        }
        EXPECT_GT(characters, 10000) << language.code;
        for (const auto& [c, where] : missing) {
            ADD_FAILURE() << language.code << ": no font draws U+" << std::hex << unsigned(c)
                          << std::dec << ", of " << where;
        }
    }
}

} // namespace
