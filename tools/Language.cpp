// SPDX-License-Identifier: MIT
// kestrava-tithi in the language of --lang, through the catalogues the windows speak: the same
// names, the same captions and phrases.
#include "Language.h"

#include "engine/present/CalendarNames.h"
#include "engine/present/PanchangaNames.h"
#include "engine/present/Wording.h"
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

// A tithi's title from its English one: "Shukla Navami", "Purnima".
std::string TitleOf(const std::string& english, const Wording& words) {
    for (int k = 0; k < 30; ++k) {
        if (TithiTitle(k) == english)
            return words.TithiTitleOf(k);
    }
    return english;
}

std::string Span(const std::string& begins, const std::string& ends, const Wording& words) {
    return words.Phrase("CalendarFile", "from %1 to %2", {begins, ends});
}

std::string OrNone(const std::optional<std::string>& time, const Wording& words) {
    return time ? *time : words.Phrase(PanchangaContext, "none this date");
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

const Wording& OutputLanguage::Words() const {
    if (calendarWords_)
        return *calendarWords_;
    return EnglishWords();
}

OutputLanguage::~OutputLanguage() {
    if (english_)
        return;
    InstallCatalogues(Language::English);
    QLocale::setDefault(QLocale::c());
}

void Say(TithiResult& result, const Wording& words) {
    CalculationRecord record;
    record.TithiIndex = result.Index;
    if (const std::optional<ReportTexts> texts = ReportTextsOf(record)) {
        // The number stays in the digits of the figures.
        for (std::size_t k = 1; k < texts->size(); ++k)
            result.Texts[k] = Utf8((*texts)[k]);
    }
    if (result.SunriseTithi && result.SunriseTithiIndex >= 0)
        result.SunriseTithi = words.TithiTitleOf(result.SunriseTithiIndex);
    result.Karana = words.Name(NameKind::Karana, result.Karana);
    result.Vara = words.Name(NameKind::Vara, result.Vara);
    result.Nakshatra.Name = words.Name(NameKind::Nakshatra, result.Nakshatra.Name);
    result.NakshatraLord = words.Name(NameKind::Planet, result.NakshatraLord);
    result.Yoga.Name = words.Name(NameKind::Yoga, result.Yoga.Name);
    result.MasaAmanta = words.Name(NameKind::Masa, result.MasaAmanta);
    result.MasaPurnimanta = words.Name(NameKind::Masa, result.MasaPurnimanta);
}

void Say(AlmanacEntry& entry, Limb limb, const Wording& words) {
    switch (limb) {
    case Limb::Tithi:
        entry.Tithi = words.TithiTitleOf(entry.Index);
        break;
    case Limb::Karana:
        entry.Tithi = words.Name(NameKind::Karana, entry.Tithi);
        break;
    case Limb::Nakshatra:
        entry.Tithi = words.Name(NameKind::Nakshatra, entry.Tithi);
        break;
    case Limb::Yoga:
        entry.Tithi = words.Name(NameKind::Yoga, entry.Tithi);
        break;
    }
}

void Say(MonthDayEntry& day, const Wording& words) {
    day.Vara = words.Name(NameKind::Vara, day.Vara);
    day.TithiName = TitleOf(day.TithiName, words);
    day.Paksha = words.Name(NameKind::Paksha, day.Paksha);
    day.MasaAmanta = words.Name(NameKind::Masa, day.MasaAmanta);
}

void Say(FindEntry& day, const Wording& words) {
    day.TithiName = TitleOf(day.TithiName, words);
    day.MasaAmanta = words.Name(NameKind::Masa, day.MasaAmanta);
    day.MasaPurnimanta = words.Name(NameKind::Masa, day.MasaPurnimanta);
}

void Say(FestivalEntry& day, const Wording& words) {
    day.Name = words.FestivalName(day.Name);
    if (!day.TithiName.empty())
        day.TithiName = TitleOf(day.TithiName, words);
    day.MasaAmanta = words.Name(NameKind::Masa, day.MasaAmanta);
    day.MasaPurnimanta = words.Name(NameKind::Masa, day.MasaPurnimanta);
}

std::string FormatTextInLanguage(const TithiResult& result, const Wording& words) {
    static constexpr const char* Captions[] = {"Tithi Number", "Tithi Name",  "Tithi Phase",
                                               "Tithi Lord",   "Tithi Group", "Tithi Features",
                                               "Tithi Nature", "Tithi Type"};
    Record text;
    for (std::size_t k = 0; k < std::size(Captions); ++k)
        text.Line(words.Phrase("ResultPanel", Captions[k]), result.Texts[k]);
    text.Line({}, {});
    text.Line({}, result.Texts[8]);
    text.Line({}, {});
    // The figures keep their English captions.
    text.Line("Tithi Index", std::to_string(result.Index));
    text.Line("Moon", NumberText(result.Moon));
    text.Line("Sun", NumberText(result.Sun));
    text.Line("Elongation", NumberText(result.Elongation));
    text.Line("JDE", NumberText(result.Jde));
    text.Line(words.Phrase("frmFind", "Begins"), result.Begins);
    text.Line(words.Phrase("frmFind", "Ends"), result.Ends);
    text.Line(words.Phrase("frmDay", "Sunrise"), result.Sunrise.value_or(result.SunriseNote));
    if (result.SunriseTithi)
        text.Line(words.Phrase("ResultPanel", "Tithi at Sunrise"), *result.SunriseTithi);
    const std::string karana = words.Phrase("frmDay", "Karana");
    text.Line(karana, result.Karana);
    text.Line(karana, Span(result.KaranaBegins, result.KaranaEnds, words));
    text.Line(words.Phrase("frmDay", "Vara"),
              result.VaraBeforeSunrise
                  ? words.Phrase("DayPanel",
                                 "%1 (before sunrise: the day began at the previous sunrise)",
                                 {result.Vara})
                  : result.Vara);
    const std::string nakshatra = words.Phrase("frmDay", "Nakshatra");
    text.Line(nakshatra, words.Phrase("DayPanel", "%1, pada %2, until %3",
                                      {result.Nakshatra.Name, std::to_string(result.NakshatraPada),
                                       result.Nakshatra.Ends}) +
                             " · " + result.NakshatraLord);
    text.Line(nakshatra, Span(result.Nakshatra.Begins, result.Nakshatra.Ends, words));
    const std::string yoga = words.Phrase("frmDay", "Yoga");
    text.Line(yoga, result.Yoga.Name);
    text.Line(yoga, Span(result.Yoga.Begins, result.Yoga.Ends, words));
    text.Line(words.Phrase("frmDay", "Sunset"), OrNone(result.Sunset, words));
    text.Line(words.Phrase("frmDay", "Moonrise"), OrNone(result.Moonrise, words));
    text.Line(words.Phrase("frmDay", "Moonset"), OrNone(result.Moonset, words));
    std::string amanta = result.MasaAmanta;
    std::string purnimanta = result.MasaPurnimanta;
    if (result.Adhika) {
        amanta = words.Phrase("DayPanel", "Adhika %1", {amanta});
        purnimanta = words.Phrase("DayPanel", "Adhika %1", {purnimanta});
    }
    text.Line(words.Phrase("frmDay", "Month"),
              words.Phrase("frmDay", "%1 (amanta), %2 (purnimanta)", {amanta, purnimanta}));
    text.Line(words.Phrase("frmDay", "Samvat"),
              words.Phrase("frmDay", "Vikram %1, Shaka %2",
                           {std::to_string(result.Vikram), std::to_string(result.Shaka)}));
    text.Line("Ayanamsa", NumberText(result.Ayanamsa));
    if (result.Zone)
        text.Line(words.Phrase("InputPanel", "Named Time Zone"), *result.Zone);
    text.Line("UTC Offset", result.UtcOffset);
    return TextLinesOf(text);
}

} // namespace tithi_cli
