// SPDX-License-Identifier: MIT
// The calendar file's words in the user's language.
#include "ui/CalendarFileTexts.h"

#include "ui/CalendarTexts.h"
#include "ui/Languages.h"

#include <QCoreApplication>
#include <QLocale>
#include <QStringList>

#include <cmath>

namespace {

// The texts of this file, in the catalogue's context "CalendarFile".
struct CalendarFileTr {
    Q_DECLARE_TR_FUNCTIONS(CalendarFile)
};

std::string Utf8(const QString& text) {
    return text.toStdString();
}

QString FromUtf8(const std::string& text) {
    return QString::fromStdString(text);
}

// "11 June 2024 17:42"
QString DateTimeText(const ClockInstant& instant) {
    return LocalDateText(QDateOf(DateOfInstant(instant)), QLatin1String(DateFormat)) +
           QLatin1Char(' ') + ClockTimeText(instant);
}

// "from 10 June 2024 19:08 to 11 June 2024 17:42"
QString SpanText(const ClockInstant& begin, const ClockInstant& end) {
    return CalendarFileTr::tr("from %1 to %2").arg(DateTimeText(begin), DateTimeText(end));
}

QString MonthsText(const MonthAndYears& month) {
    return CalendarFileTr::tr("Month: %1, %2; Vikram %3, Shaka %4.")
        .arg(MasaReckonedText(month.Amanta, false), MasaReckonedText(month.Purnimanta, true))
        .arg(LocalNumber(month.Vikram), LocalNumber(month.Shaka));
}

} // namespace

std::string TranslatedCalendarWording::PlaceText(const Place& place,
                                                 const std::string& name) const {
    const QString latitude = QString::number(std::fabs(place.Latitude), 'f', 2);
    const QString longitude = QString::number(std::fabs(place.Longitude), 'f', 2);
    const QString where =
        (place.Latitude < 0 ? CalendarFileTr::tr("%1S") : CalendarFileTr::tr("%1N")).arg(latitude) +
        QLatin1Char(' ') +
        (place.Longitude < 0 ? CalendarFileTr::tr("%1W") : CalendarFileTr::tr("%1E"))
            .arg(longitude);
    if (name.empty())
        return Utf8(where);
    return Utf8(QStringLiteral("%1 (%2)").arg(FromUtf8(name), where));
}

QString SkyDescription(const SkyChoice& sky) {
    const QString ephemeris = sky.Ephemeris == EphemerisKind::Classical
                                  ? CalendarFileTr::tr("the classical ephemeris")
                                  : CalendarFileTr::tr("the modern ephemeris");
    QString ayanamsa;
    switch (sky.Ayanamsa) {
    case AyanamsaKind::Lahiri:
        ayanamsa = CalendarFileTr::tr("Lahiri");
        break;
    case AyanamsaKind::Raman:
        ayanamsa = CalendarFileTr::tr("Raman");
        break;
    case AyanamsaKind::Krishnamurti:
        ayanamsa = CalendarFileTr::tr("Krishnamurti (KP)");
        break;
    case AyanamsaKind::TrueChitrapaksha:
        ayanamsa = CalendarFileTr::tr("True Chitrapaksha");
        break;
    }
    return CalendarFileTr::tr("Computed with %1 and the %2 ayanamsa.").arg(ephemeris, ayanamsa);
}

std::string TranslatedCalendarWording::CalendarDescription(const SkyChoice& sky) const {
    return Utf8(SkyDescription(sky));
}

std::string TranslatedCalendarWording::CalendarName(CalendarEventKind kind,
                                                    const std::string& where) const {
    const QString place = FromUtf8(where);
    switch (kind) {
    case CalendarEventKind::Days:
        return Utf8(CalendarFileTr::tr("Kestrava: tithis at sunrise, %1").arg(place));
    case CalendarEventKind::Spans:
        return Utf8(CalendarFileTr::tr("Kestrava: tithis, %1").arg(place));
    case CalendarEventKind::Festivals:
        return Utf8(CalendarFileTr::tr("Kestrava: festivals, %1").arg(place));
    case CalendarEventKind::Vrata:
        break;
    }
    return Utf8(CalendarFileTr::tr("Kestrava: vrata days, %1").arg(place));
}

std::string TranslatedCalendarWording::Name(NameKind kind, std::string_view english) const {
    return english.empty() ? std::string() : Utf8(PanchangaName(kind, english));
}

std::string TranslatedCalendarWording::TithiTitleOf(int tithi) const {
    return Utf8(TithiTitleText(tithi));
}

std::string TranslatedCalendarWording::FestivalName(std::string_view english) const {
    return Utf8(QCoreApplication::translate("FestivalNames", std::string(english).c_str()));
}

std::string TranslatedCalendarWording::Phrase(const char* context, const char* english,
                                              const std::vector<std::string>& values) const {
    QString text = QCoreApplication::translate(context, english);
    for (const std::string& value : values)
        text = text.arg(FromUtf8(value));
    return Utf8(text);
}

std::string TranslatedCalendarWording::FestivalSummary(const FestivalDay& festival) const {
    return Utf8(FestivalNameText(*festival.Rule));
}

std::string TranslatedCalendarWording::DaySummary(const CalendarDay& day) const {
    return Utf8(DaySentence(day));
}

std::string TranslatedCalendarWording::DayDescription(const CalendarDay& day,
                                                      const std::string& where,
                                                      const std::string& zone) const {
    const DaySpan& first = day.Tithi.AtSunrise();
    const QString tithi = TithiTitleText(first.Index);
    const QString span = SpanText(first.Begin, first.End);
    QStringList lines;
    lines << (day.BeginsAtSunrise
                  ? CalendarFileTr::tr("Tithi at sunrise (%1): %2, %3.")
                        .arg(ClockTimeText(day.Begins, true), tithi, span)
                  : CalendarFileTr::tr("Tithi at midnight (no sunrise): %1, %2.").arg(tithi, span));
    if (day.Tithi.Vriddhi)
        lines << CalendarFileTr::tr("Vriddhi: it holds the next sunrise too.");
    if (day.SecondOfVriddhi)
        lines << CalendarFileTr::tr(
            "Vriddhi: it held the previous sunrise too; this is its second day.");
    for (std::size_t k = 1; k < day.Tithi.Spans.size(); ++k) {
        const DaySpan& next = day.Tithi.Spans[k];
        lines << (next.Kshaya ? CalendarFileTr::tr("Then %1, %2 (kshaya: it holds no sunrise).")
                              : CalendarFileTr::tr("Then %1, %2."))
                     .arg(TithiTitleText(next.Index), SpanText(next.Begin, next.End));
    }
    lines << MonthsText(day.Month);
    lines << CalendarFileTr::tr("At %1, times %2.").arg(FromUtf8(where), FromUtf8(zone));
    lines << ObservanceRuleText();
    return Utf8(lines.join(QLatin1Char('\n')));
}

std::string TranslatedCalendarWording::SpanSummary(int tithi) const {
    return Utf8(TithiTitleText(tithi));
}

std::string TranslatedCalendarWording::SpanDescription(int tithi, const ClockInstant& begin,
                                                       const ClockInstant& end,
                                                       const LunarMonth& named,
                                                       const MonthAndYears& month,
                                                       const std::string& zone) const {
    //: A tithi's span: "Shravana Shukla Panchami, from ... to ..., Asia/Kolkata (UTC+05:30)."
    return Utf8(
        CalendarFileTr::tr("%1 %2, %3, %4.")
            .arg(MasaText(named), TithiTitleText(tithi), SpanText(begin, end), FromUtf8(zone)) +
        QLatin1Char('\n') + MonthsText(month));
}

std::string TranslatedCalendarWording::VrataSummary(const TithiOccurrence& vrata,
                                                    MonthReckoning reckoning) const {
    const LunarMonth& month =
        reckoning == MonthReckoning::Amanta ? vrata.Month.Amanta : vrata.Month.Purnimanta;
    const QString masa = MasaText(month);
    const QString tithi = TithiTitleText(vrata.Tithi);
    //: A lunar month and a tithi: "Shravana Krishna Ashtami"
    return Utf8(masa.isEmpty() ? tithi : CalendarFileTr::tr("%1 %2").arg(masa, tithi));
}

std::string TranslatedCalendarWording::VrataDescription(const TithiOccurrence& vrata,
                                                        const std::string& where,
                                                        const std::string& zone) const {
    QStringList lines;
    lines << CalendarFileTr::tr("The tithi runs %1, %2.")
                 .arg(SpanText(vrata.Begins, vrata.Ends), FromUtf8(zone));
    switch (vrata.Kind) {
    case ObservanceKind::Kshaya:
        lines << CalendarFileTr::tr(
            "It holds no sunrise (kshaya) and is observed on the day in which it runs.");
        break;
    case ObservanceKind::Vriddhi:
        lines << CalendarFileTr::tr(
            "It holds two sunrises (vriddhi) and is observed on the first.");
        break;
    case ObservanceKind::Sunrise:
        break;
    }
    lines << MonthsText(vrata.Month);
    lines << CalendarFileTr::tr("At %1.").arg(FromUtf8(where));
    lines << ObservanceRuleText();
    return Utf8(lines.join(QLatin1Char('\n')));
}

std::string TranslatedCalendarWording::Category(std::string_view english) const {
    static constexpr const char* Categories[] = {
        QT_TRANSLATE_NOOP("CalendarFile", "Tithi"), QT_TRANSLATE_NOOP("CalendarFile", "Vrata"),
        QT_TRANSLATE_NOOP("CalendarFile", "Ekadashi"), QT_TRANSLATE_NOOP("CalendarFile", "Purnima"),
        QT_TRANSLATE_NOOP("CalendarFile", "Amavasya"), QT_TRANSLATE_NOOP("CalendarFile", "Festival"),
        QT_TRANSLATE_NOOP("CalendarFile", "Sankranti"), QT_TRANSLATE_NOOP("CalendarFile", "Jayanti")};
    for (const char* category : Categories) {
        if (english == category)
            return Utf8(QCoreApplication::translate("CalendarFile", category));
    }
    return std::string(english);
}
