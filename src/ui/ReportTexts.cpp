// SPDX-License-Identifier: MIT
// The tithi report and the lines of the tithi's day, translated piece by piece from the engine's
// English tables and values.
#include "ui/ReportTexts.h"

#include "engine/limbs/Karana.h"
#include "engine/report/CalculationRecord.h"
#include "engine/report/TithiDay.h"
#include "engine/report/TithiReport.h"
#include "ui/Languages.h"
#include "ui/PanchangaTexts.h"

#include <QCoreApplication>
#include <QDate>
#include <QLocale>
#include <QTime>

#include <cmath>

namespace {

// The texts of this file, in the catalogue's context "ResultPanel".
struct ResultTexts {
    Q_DECLARE_TR_FUNCTIONS(ResultPanel)
};

QString Text(const std::string& text) {
    return QString::fromStdString(text);
}

// The tithi's number in the locale's digits.
QString NumberText(const std::string& text) {
    bool number = false;
    const int value = Text(text).toInt(&number);
    return number ? LocalNumber(value) : Text(text);
}

// "11 January 2024 18:23": a minute of the place's clock with its date.
QString DateAndMinute(const ClockReading& r) {
    return LocalDateText(QDate(r.Year, r.Month, r.Day), QLatin1String(DateFormat)) +
           QLatin1Char(' ') + LocalTimeText(QTime(r.Hour, r.Minute), QLatin1String(TimeFormat));
}

} // namespace

std::optional<ReportTexts> ReportTextsOf(CalculationRecord& rec) {
    const std::optional<TithiReportTexts> english = MakeTithiReport(rec);
    if (!english)
        return std::nullopt;
    // MakeTithiReport took the index; the tables hold its slot's texts.
    const auto i = static_cast<std::size_t>(std::nearbyint(rec.TithiIndex));
    const std::array<std::string, 9>& e = *english;
    return ReportTexts{
        NumberText(e[0]),
        PanchangaName(NameKind::Tithi, rec.TithiNameTable[i]).toUpper(),
        PanchangaName(NameKind::Paksha, e[2]),
        PanchangaName(NameKind::TithiLord, e[3]),
        PanchangaName(NameKind::TithiGroup, e[4]),
        ReportText(e[5]),
        ReportText(e[6]),
        ReportText(e[7]),
        ReportText(e[8]),
    };
}

ReportTexts ReportPlaceholderTexts() {
    // Texts of the report's tables, from several tithis; the paragraph is the auspicious one.
    return ReportTexts{
        QStringLiteral("30"),
        PanchangaName(NameKind::Tithi, "Chaturdashi"),
        PanchangaName(NameKind::Paksha, "Krishna"),
        PanchangaName(NameKind::TithiLord, "Vishwadeva"),
        PanchangaName(NameKind::TithiGroup, "Poorna"),
        ReportText("Fame and good qualities"),
        ReportText("This is a good time for preparing for the battle by making your defense "
                   "strong."),
        ReportText("In-Auspicious"),
        ReportText("Time the most powerful factor in the accomplishment of any work. Nothing "
                   "happens before the appropriate and auspicious time. The auspicious Tithi "
                   "provides an opportunity to do the right thing at the time in order to get the "
                   "best advantage for the progress, welfare & happiness of the native."),
    };
}

TithiDayLines TithiDayLinesOf(const TithiDay& day) {
    TithiDayLines lines;
    //: When the tithi began and when it ends, each a date and a time: "Began 11 January 2024
    //: 18:23 · Ends 12 January 2024 19:57"
    lines.Times = ResultTexts::tr("Began %1 · Ends %2")
                      .arg(DateAndMinute(day.FirstMinute), DateAndMinute(day.EndMinute));
    if (!day.SpanIsReportTithi) {
        //: The report's tithi and the modern ephemeris' differ at the entered moment (a boundary
        //: within seconds of it): the modern tithi then, its begin and its end
        lines.Times = ResultTexts::tr("The report's tithi changes within seconds of this moment; "
                                      "by the modern ephemeris it is %1: Began %2 · Ends %3")
                          .arg(TithiTitleText(day.Span.Index), DateAndMinute(day.FirstMinute),
                               DateAndMinute(day.EndMinute));
    }

    switch (day.Sunrise) {
    case HorizonState::Crosses: {
        const ClockReading rise = ReadClock(day.SunriseCivil, ClockRounding::NearestMinute);
        //: The time of sunrise and the tithi then: "At sunrise (07:15): Krishna Amavasya"
        lines.Sunrise =
            ResultTexts::tr("At sunrise (%1): %2")
                .arg(LocalTimeText(QTime(rise.Hour, rise.Minute), QLatin1String(TimeFormat)),
                     TithiTitleText(day.SunriseTithi));
        break;
    }
    case HorizonState::AboveAllDate:
        lines.Sunrise = ResultTexts::tr(
            "No sunrise this date: the Sun stays above the horizon all day (polar day)");
        break;
    case HorizonState::BelowAllDate:
        lines.Sunrise = ResultTexts::tr(
            "No sunrise this date: the Sun stays below the horizon all day (polar night)");
        break;
    case HorizonState::NotOnDate:
        lines.Sunrise =
            ResultTexts::tr("No sunrise this date: the Sun rises only after the next midnight");
        break;
    case HorizonState::NoLatitude:
        lines.Sunrise = ResultTexts::tr("No sunrise: the latitude lies beyond 90 degrees");
        break;
    }

    lines.Karana =
        ResultTexts::tr("Karana: %1").arg(PanchangaName(NameKind::Karana, KaranaName(day.Karana)));
    return lines;
}
