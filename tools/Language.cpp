// SPDX-License-Identifier: MIT
// kestrava-tithi in the language of --lang, through the catalogues the windows speak: the same
// names, the same captions and phrases.
#include "Language.h"

#include "engine/present/CalendarNames.h"
#include "engine/present/PanchangaNames.h"
#include "engine/present/Writers.h"
#include "engine/report/CalculationRecord.h"
#include "ui/CalendarFileTexts.h"
#include "ui/CalendarTexts.h"
#include "ui/Languages.h"
#include "ui/PanchangaTexts.h"
#include "ui/ReportTexts.h"

#include <QCoreApplication>

#include <clocale>

namespace tithi_cli {

namespace {

std::string Utf8(const QString& text) {
    return text.toStdString();
}

std::string Name(NameKind kind, const std::string& english) {
    return english.empty() ? english : Utf8(PanchangaName(kind, english));
}

// A tithi's title from its English one: "Shukla Navami", "Purnima".
std::string TitleOf(const std::string& english) {
    for (int k = 0; k < 30; ++k) {
        if (TithiTitle(k) == english)
            return Utf8(TithiTitleText(k));
    }
    return english;
}

// A text of the windows, in the context that holds it.
QString Window(const char* context, const char* english) {
    return QCoreApplication::translate(context, english);
}

// A line of the text: its caption (padded by the writer), then its value.
void Line(Record& text, const QString& caption, const std::string& value) {
    text.Line(Utf8(caption), value);
}

std::string Span(const std::string& begins, const std::string& ends) {
    return Utf8(Window("CalendarFile", "from %1 to %2")
                    .arg(QString::fromStdString(begins), QString::fromStdString(ends)));
}

std::string OrNone(const std::optional<std::string>& time) {
    return time ? *time : Utf8(Window(PanchangaContext, "none this date"));
}

} // namespace

OutputLanguage::OutputLanguage(const std::string& code) {
    const std::optional<Language> language = LanguageOfCode(QString::fromStdString(code));
    if (!language || *language == Language::English)
        return;
    english_ = false;
    if (!QCoreApplication::instance()) {
        static int argc = 1;
        static char name[] = "kestrava-tithi";
        static char* argv[] = {name, nullptr};
        application_ = std::make_unique<QCoreApplication>(argc, argv);
        // The application takes the system's locale for the C library; the tool's figures are
        // written in the C locale's.
        std::setlocale(LC_ALL, "C");
    }
    InstallCatalogues(*language);
    QLocale::setDefault(LocaleOf(*language));
    calendarWords_ = std::make_unique<TranslatedCalendarWording>();
}

OutputLanguage::~OutputLanguage() {
    if (english_)
        return;
    InstallCatalogues(Language::English);
    QLocale::setDefault(QLocale::c());
}

void Say(TithiResult& result) {
    CalculationRecord record;
    record.TithiIndex = result.Index;
    if (const std::optional<ReportTexts> texts = ReportTextsOf(record)) {
        // The number stays in the digits of the figures.
        for (std::size_t k = 1; k < texts->size(); ++k)
            result.Texts[k] = Utf8((*texts)[k]);
    }
    if (result.SunriseTithi && result.SunriseTithiIndex >= 0)
        result.SunriseTithi = Utf8(TithiTitleText(result.SunriseTithiIndex));
    result.Karana = Name(NameKind::Karana, result.Karana);
    result.Vara = Name(NameKind::Vara, result.Vara);
    result.Nakshatra.Name = Name(NameKind::Nakshatra, result.Nakshatra.Name);
    result.NakshatraLord = Name(NameKind::Planet, result.NakshatraLord);
    result.Yoga.Name = Name(NameKind::Yoga, result.Yoga.Name);
    result.MasaAmanta = Name(NameKind::Masa, result.MasaAmanta);
    result.MasaPurnimanta = Name(NameKind::Masa, result.MasaPurnimanta);
}

void Say(AlmanacEntry& entry, Limb limb) {
    switch (limb) {
    case Limb::Tithi:
        entry.Tithi = Utf8(TithiTitleText(entry.Index));
        break;
    case Limb::Karana:
        entry.Tithi = Name(NameKind::Karana, entry.Tithi);
        break;
    case Limb::Nakshatra:
        entry.Tithi = Name(NameKind::Nakshatra, entry.Tithi);
        break;
    case Limb::Yoga:
        entry.Tithi = Name(NameKind::Yoga, entry.Tithi);
        break;
    }
}

void Say(MonthDayEntry& day) {
    day.Vara = Name(NameKind::Vara, day.Vara);
    day.TithiName = TitleOf(day.TithiName);
    day.Paksha = Name(NameKind::Paksha, day.Paksha);
    day.MasaAmanta = Name(NameKind::Masa, day.MasaAmanta);
}

void Say(FindEntry& day) {
    day.TithiName = TitleOf(day.TithiName);
    day.MasaAmanta = Name(NameKind::Masa, day.MasaAmanta);
    day.MasaPurnimanta = Name(NameKind::Masa, day.MasaPurnimanta);
}

void Say(FestivalEntry& day) {
    day.Name = QCoreApplication::translate("FestivalNames", day.Name.c_str()).toStdString();
    if (!day.TithiName.empty())
        day.TithiName = TitleOf(day.TithiName);
    day.MasaAmanta = Name(NameKind::Masa, day.MasaAmanta);
    day.MasaPurnimanta = Name(NameKind::Masa, day.MasaPurnimanta);
}

std::string FormatTextInLanguage(const TithiResult& result) {
    static constexpr const char* Captions[] = {"Tithi Number", "Tithi Name",  "Tithi Phase",
                                               "Tithi Lord",   "Tithi Group", "Tithi Features",
                                               "Tithi Nature", "Tithi Type"};
    Record text;
    for (std::size_t k = 0; k < std::size(Captions); ++k)
        Line(text, Window("ResultPanel", Captions[k]), result.Texts[k]);
    text.Line({}, {});
    text.Line({}, result.Texts[8]);
    text.Line({}, {});
    const auto figure = [&text](const char* caption, const std::string& value) {
        Line(text, QString::fromLatin1(caption), value);
    };
    figure("Tithi Index", std::to_string(result.Index));
    figure("Moon", NumberText(result.Moon));
    figure("Sun", NumberText(result.Sun));
    figure("Elongation", NumberText(result.Elongation));
    figure("JDE", NumberText(result.Jde));
    Line(text, Window("frmFind", "Begins"), result.Begins);
    Line(text, Window("frmFind", "Ends"), result.Ends);
    Line(text, Window("frmDay", "Sunrise"), result.Sunrise.value_or(result.SunriseNote));
    if (result.SunriseTithi)
        Line(text, Window("ResultPanel", "Tithi at Sunrise"), *result.SunriseTithi);
    Line(text, Window("frmDay", "Karana"), result.Karana);
    Line(text, Window("frmDay", "Karana"), Span(result.KaranaBegins, result.KaranaEnds));
    const QString vara = QString::fromStdString(result.Vara);
    Line(text, Window("frmDay", "Vara"),
         Utf8(result.VaraBeforeSunrise
                  ? Window("DayPanel", "%1 (before sunrise: the day began at the previous sunrise)")
                        .arg(vara)
                  : vara));
    Line(text, Window("frmDay", "Nakshatra"),
         Utf8(Window("DayPanel", "%1, pada %2, until %3")
                  .arg(QString::fromStdString(result.Nakshatra.Name))
                  .arg(result.NakshatraPada)
                  .arg(QString::fromStdString(result.Nakshatra.Ends))) +
             " · " + result.NakshatraLord);
    Line(text, Window("frmDay", "Nakshatra"), Span(result.Nakshatra.Begins, result.Nakshatra.Ends));
    Line(text, Window("frmDay", "Yoga"), result.Yoga.Name);
    Line(text, Window("frmDay", "Yoga"), Span(result.Yoga.Begins, result.Yoga.Ends));
    Line(text, Window("frmDay", "Sunset"), OrNone(result.Sunset));
    Line(text, Window("frmDay", "Moonrise"), OrNone(result.Moonrise));
    Line(text, Window("frmDay", "Moonset"), OrNone(result.Moonset));
    QString amanta = QString::fromStdString(result.MasaAmanta);
    QString purnimanta = QString::fromStdString(result.MasaPurnimanta);
    if (result.Adhika) {
        amanta = Window("DayPanel", "Adhika %1").arg(amanta);
        purnimanta = Window("DayPanel", "Adhika %1").arg(purnimanta);
    }
    Line(text, Window("frmDay", "Month"),
         Utf8(Window("frmDay", "%1 (amanta), %2 (purnimanta)").arg(amanta, purnimanta)));
    Line(text, Window("frmDay", "Samvat"),
         Utf8(Window("frmDay", "Vikram %1, Shaka %2").arg(result.Vikram).arg(result.Shaka)));
    figure("Ayanamsa", NumberText(result.Ayanamsa));
    if (result.Zone)
        Line(text, Window("InputPanel", "Named Time Zone"), *result.Zone);
    figure("UTC Offset", result.UtcOffset);
    return TextLinesOf(text);
}

} // namespace tithi_cli
