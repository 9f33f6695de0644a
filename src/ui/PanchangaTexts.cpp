// The panchanga's names and times as the windows show them.
#include "ui/PanchangaTexts.h"

#include "engine/TithiReport.h"

#include <QCoreApplication>
#include <QDate>
#include <QLocale>
#include <QTime>
#include <string>

QString PanchangaName(std::string_view englishName) {
    const std::string name(englishName);
    return QCoreApplication::translate(PanchangaContext, name.c_str());
}

QString TithiTitleText(int index) {
    if (index < 0 || index > 29) {
        return {};
    }
    // Purnima and Amavasya stand alone; the others carry their fortnight.
    const std::string title = TithiTitle(index);
    const auto blank = title.find(' ');
    if (blank == std::string::npos) {
        return PanchangaName(title);
    }
    return QCoreApplication::translate(PanchangaContext, "%1 %2", "fortnight, then the tithi")
        .arg(PanchangaName(std::string_view(title).substr(0, blank)),
             PanchangaName(std::string_view(title).substr(blank + 1)));
}

QString MinuteText(const ClockInstant& instant, const CivilDate& day, ClockRounding rounding) {
    const ClockReading r = ReadClock(instant.Civil(), rounding);
    const QLocale locale;
    const QString time = locale.toString(QTime(r.Hour, r.Minute), QStringLiteral("HH:mm"));
    if (r.Year == day.Year && r.Month == day.Month && r.Day == day.Day) {
        return time;
    }
    const QString date = locale.toString(QDate(r.Year, r.Month, r.Day), QStringLiteral("d MMM"));
    return QCoreApplication::translate(PanchangaContext, "%1 %2", "a date, then a time")
        .arg(date, time);
}

QString CrossingText(const HorizonCrossing& crossing, const CivilDate& day) {
    switch (crossing.State) {
    case HorizonState::Crosses:
        return MinuteText(crossing.At, day, ClockRounding::NearestMinute);
    case HorizonState::AboveAllDate:
        return QCoreApplication::translate(PanchangaContext, "above the horizon all day");
    case HorizonState::BelowAllDate:
        return QCoreApplication::translate(PanchangaContext, "below the horizon all day");
    case HorizonState::NotOnDate:
        return QCoreApplication::translate(PanchangaContext, "none this date");
    case HorizonState::NoLatitude:
        break;
    }
    return QCoreApplication::translate(PanchangaContext, "no latitude");
}
