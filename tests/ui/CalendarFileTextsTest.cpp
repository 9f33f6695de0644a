// SPDX-License-Identifier: MIT
// The calendar file in the user's language: in English word for word the file the command-line
// tool writes; in every other language every text translated; in all the same events under the same
// identifiers, so that a file saved after a change of language updates the events of the first
// rather than doubling them.
#include "ui/CalendarFileTexts.h"
#include "engine/calendar/CalendarExport.h"
#include "places/NamedZoneClock.h"
#include "support/ScriptLanguages.h"
#include "ui/CalendarTexts.h"
#include "ui/Language.h"
#include "ui/MonthPainting.h"

#include <QRegularExpression>
#include <QString>
#include <QStringList>

#include <gtest/gtest.h>

#include <memory>

namespace {

struct PlaceAndClock {
    const char* name; // in Devanagari, so that it is no English text of the file's own
    Place where;
    std::shared_ptr<const CivilClock> clock;
};

// New York with its named zone (daylight saving begins on 10 March 2024 and ends on 3 November)
// and Delhi on the fixed offset the form gives, through 2024: a year holds kshaya and vriddhi
// tithis at either place.
std::vector<PlaceAndClock> Places() {
    auto newYork = NamedZoneClock::Open(QStringLiteral("America/New_York"));
    if (!newYork)
        return {};
    return {{"न्यूयॉर्क", {-74.006, 40.714}, std::make_shared<NamedZoneClock>(*newYork)},
            {"दिल्ली", {77.217, 28.6}, std::make_shared<FixedOffsetClock>(5.5)}};
}

constexpr CalendarEventKind Kinds[] = {CalendarEventKind::Days, CalendarEventKind::Spans,
                                       CalendarEventKind::Vrata};

std::string FileOf(const PlaceAndClock& place, CalendarEventKind kind,
                   const CalendarWording* wording) {
    CalendarExportRequest request;
    request.First = {2024, 1, 1};
    request.Last = {2024, 12, 31};
    request.Kind = kind;
    request.PlaceName = place.name;
    request.Wording = wording;
    return CalendarFileOf(request, place.where, *place.clock, 2460600.5);
}

// The file's content lines, unfolded, as (name, value) with the value's escapes undone.
std::vector<std::pair<QString, QString>> ContentLines(const std::string& file) {
    QString text = QString::fromStdString(file);
    text.replace(QStringLiteral("\r\n "), QString());
    std::vector<std::pair<QString, QString>> lines;
    for (const QString& line : text.split(QStringLiteral("\r\n"), Qt::SkipEmptyParts)) {
        const qsizetype colon = line.indexOf(QLatin1Char(':'));
        QString value = line.mid(colon + 1);
        value.replace(QStringLiteral("\\n"), QStringLiteral("\n"))
            .replace(QStringLiteral("\\,"), QStringLiteral(","))
            .replace(QStringLiteral("\\;"), QStringLiteral(";"))
            .replace(QStringLiteral("\\\\"), QStringLiteral("\\"));
        lines.emplace_back(line.left(colon), value);
    }
    return lines;
}

QStringList ValuesOf(const std::string& file, const QString& name) {
    QStringList values;
    for (const auto& [property, value] : ContentLines(file)) {
        if (property == name)
            values << value;
    }
    return values;
}

struct BackToEnglish {
    ~BackToEnglish() { SetLanguage(Language::English); }
};

TEST(CalendarFileTexts, InEnglishTheWindowsFileIsTheToolsByteForByte) {
    const std::vector<PlaceAndClock> places = Places();
    ASSERT_FALSE(places.empty()) << "the system's zone database has no America/New_York";
    SetLanguage(Language::English);
    const TranslatedCalendarWording words;
    for (const PlaceAndClock& place : places) {
        for (const CalendarEventKind kind : Kinds) {
            const std::string english = FileOf(place, kind, nullptr);
            EXPECT_GT(ValuesOf(english, QStringLiteral("UID")).size(), 20u);
            EXPECT_EQ(FileOf(place, kind, &words), english)
                << place.name << " " << CalendarEventKindName(kind);
        }
    }
}

TEST(CalendarFileTexts, InEveryLanguageEveryTextIsTranslatedAndTheEventsStayTheSame) {
    const std::vector<PlaceAndClock> places = Places();
    ASSERT_FALSE(places.empty());
    BackToEnglish back;
    for (const ScriptLanguage& language : ScriptLanguages) {
        SCOPED_TRACE(language.code);
        SetLanguage(language.language);
        const TranslatedCalendarWording words;
        // What stays in Latin letters: the program's name, zone names and UTC.
        static const QRegularExpression stays(
            QStringLiteral("\\bKestrava\\b|\\b[A-Z][A-Za-z_]+/[A-Za-z_/+-]+\\b|\\bUTC\\b"));
        static const QRegularExpression latin(QStringLiteral("[A-Za-z]"));
        for (const PlaceAndClock& place : places) {
            for (const CalendarEventKind kind : Kinds) {
                const std::string english = FileOf(place, kind, nullptr);
                const std::string hindi = FileOf(place, kind, &words);
                const std::string what =
                    std::string(place.name) + " " + std::string(CalendarEventKindName(kind));
                EXPECT_EQ(ValuesOf(hindi, QStringLiteral("UID")),
                          ValuesOf(english, QStringLiteral("UID")))
                    << what;
                for (const char* name : {"DTSTART", "DTEND", "DTSTART;VALUE=DATE", "TZID"}) {
                    EXPECT_EQ(ValuesOf(hindi, QLatin1String(name)),
                              ValuesOf(english, QLatin1String(name)))
                        << what << " " << name;
                }
                int texts = 0;
                for (const auto& [property, value] : ContentLines(hindi)) {
                    if (property != QLatin1String("SUMMARY") &&
                        property != QLatin1String("DESCRIPTION") &&
                        property != QLatin1String("CATEGORIES") &&
                        property != QLatin1String("X-WR-CALNAME"))
                        continue;
                    ++texts;
                    EXPECT_FALSE(QString(value).remove(stays).contains(latin))
                        << what << " " << property.toStdString() << ": " << value.toStdString();
                    // An event's title names the tithis alone, in the language's script.
                    if (property == QLatin1String("SUMMARY")) {
                        EXPECT_TRUE(InScript(value, language))
                            << what << " SUMMARY: " << value.toStdString();
                    }
                }
                EXPECT_GT(texts, 60) << what;
            }
        }
    }
}

// The printed months speak the windows' language too: the title, the lunar months and the era
// years over each page, and each day's lines, in the language's script. January 2024 at Delhi:
// its amanta months are Pausha and Magha (the new moons of 11 January and 9 February).
TEST(CalendarFileTexts, ThePrintedMonthsAreInEveryLanguage) {
    const std::vector<CalendarDay> days =
        CalendarMonth(2024, 1, {77.217, 28.6}, FixedOffsetClock(5.5), SkyChoice{});
    ASSERT_EQ(days.size(), 31u);
    BackToEnglish back;
    static const QRegularExpression latin(QStringLiteral("[A-Za-z]"));
    for (const ScriptLanguage& language : ScriptLanguages) {
        SetLanguage(language.language);
        const QString title = MonthTitleText(2024, 1);
        const QString months = LunarMonthsText(days);
        EXPECT_TRUE(InScript(title, language)) << language.code << ": " << title.toStdString();
        EXPECT_TRUE(InScript(months, language)) << language.code << ": " << months.toStdString();
        for (const CalendarDay& day : days) {
            const DayCellTexts cell = DayCellTextsOf(day, false);
            for (const QString& line : {cell.Paksha, cell.Name, cell.Until, cell.Then}) {
                EXPECT_FALSE(line.contains(latin))
                    << language.code << " " << day.Date.Day << ": " << line.toStdString();
            }
            EXPECT_TRUE(InScript(cell.Name, language))
                << language.code << " " << day.Date.Day << ": " << cell.Name.toStdString();
        }
    }
}

} // namespace
