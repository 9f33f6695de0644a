// SPDX-License-Identifier: MIT
// The panchanga's names and times as the windows show them.
#include "ui/PanchangaTexts.h"

#include "engine/report/TithiReport.h"

#include <QCoreApplication>
#include <QDate>
#include <QLocale>
#include <QTime>
#include <string>

const char* NameKindComment(NameKind kind) {
    switch (kind) {
    case NameKind::Tithi:
        return "tithi";
    case NameKind::Paksha:
        return "paksha";
    case NameKind::Karana:
        return "karana";
    case NameKind::Nakshatra:
        return "nakshatra";
    case NameKind::Yoga:
        return "yoga";
    case NameKind::Vara:
        return "vara";
    case NameKind::Masa:
        return "masa";
    case NameKind::Rashi:
        return "rashi";
    case NameKind::Planet:
        return "planet";
    case NameKind::TithiLord:
        return "tithi lord";
    case NameKind::TithiGroup:
        return "tithi group";
    case NameKind::Choghadiya:
        return "choghadiya";
    case NameKind::Ritu:
        return "ritu";
    case NameKind::Ayana:
        return "ayana";
    case NameKind::Samvatsara:
        return "samvatsara";
    }
    return "";
}

QString PanchangaName(NameKind kind, std::string_view englishName) {
    if (englishName.empty())
        return {};
    const std::string name(englishName);
    return QCoreApplication::translate(PanchangaContext, name.c_str(), NameKindComment(kind));
}

QString ReportText(std::string_view englishText) {
    if (englishText.empty())
        return {};
    const std::string text(englishText);
    return QCoreApplication::translate(ReportContext, text.c_str());
}

QString TithiTitleText(int index) {
    if (index < 0 || index > 29) {
        return {};
    }
    // Purnima and Amavasya stand alone; the others carry their fortnight.
    const std::string title = TithiTitle(index);
    const auto blank = title.find(' ');
    if (blank == std::string::npos) {
        return PanchangaName(NameKind::Tithi, title);
    }
    //: A tithi's title: its fortnight, then its name, "Shukla Navami"
    return QCoreApplication::translate("Panchanga", "%1 %2", "fortnight, then the tithi")
        .arg(PanchangaName(NameKind::Paksha, std::string_view(title).substr(0, blank)),
             PanchangaName(NameKind::Tithi, std::string_view(title).substr(blank + 1)));
}

QString MinuteText(const ClockInstant& instant, const CivilDate& day, ClockRounding rounding) {
    const ClockReading r = ReadClock(instant.Civil(), rounding);
    const QLocale locale;
    const QString time = locale.toString(QTime(r.Hour, r.Minute), QStringLiteral("HH:mm"));
    if (r.Year == day.Year && r.Month == day.Month && r.Day == day.Day) {
        return time;
    }
    const QString date = locale.toString(QDate(r.Year, r.Month, r.Day), QStringLiteral("d MMM"));
    return QCoreApplication::translate("Panchanga", "%1 %2", "a date, then a time").arg(date, time);
}

QString CrossingText(const HorizonCrossing& crossing, const CivilDate& day) {
    switch (crossing.State) {
    case HorizonState::Crosses:
        return MinuteText(crossing.At, day, ClockRounding::NearestMinute);
    case HorizonState::AboveAllDate:
        return QCoreApplication::translate("Panchanga", "above the horizon all day");
    case HorizonState::BelowAllDate:
        return QCoreApplication::translate("Panchanga", "below the horizon all day");
    case HorizonState::NotOnDate:
        return QCoreApplication::translate("Panchanga", "none this date");
    case HorizonState::NoLatitude:
        break;
    }
    return QCoreApplication::translate("Panchanga", "no latitude");
}
