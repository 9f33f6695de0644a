// SPDX-License-Identifier: MIT
// The panchanga's values as the windows show them: the engine's fixed English names through the
// translation of the chosen language, and instants on the place's clock to the minute.
#pragma once

#include "engine/day/Risings.h"
#include "engine/present/Wording.h"
#include "engine/time/CivilClock.h"
#include "engine/time/ClockInstant.h"

#include <QDate>
#include <QString>
#include <string_view>

// The translation context of the panchanga's names, so that each name is translated once
// wherever it is shown.
inline constexpr char PanchangaContext[] = "Panchanga";

inline constexpr NameKind NameKinds[] = {
    NameKind::Tithi,  NameKind::Paksha,    NameKind::Karana,     NameKind::Nakshatra,
    NameKind::Yoga,   NameKind::Vara,      NameKind::Masa,       NameKind::Rashi,
    NameKind::Planet, NameKind::TithiLord, NameKind::TithiGroup, NameKind::Choghadiya,
    NameKind::Ritu,   NameKind::Ayana,     NameKind::Samvatsara,
};

// The disambiguation of a kind in the catalogue: "tithi", "nakshatra", "tithi lord" ...
const char* NameKindComment(NameKind kind);

// PanchangaName: an English name of the engine's tables in the chosen language.
QString PanchangaName(NameKind kind, std::string_view englishName);

// ReportText: a text of the tithi report's tables (features, natures, types and the two
// paragraphs) in the chosen language.
inline constexpr char ReportContext[] = "TithiReport";
QString ReportText(std::string_view englishText);

// TithiTitleText: the tithi as an almanac names it, "Shukla Navami", "Purnima".
QString TithiTitleText(int index);

// The formats of dates and times in every window and export, one of each: "14 July 2024",
// "14 July" (where the year goes without saying), "13:57".
inline constexpr char DateFormat[] = "d MMMM yyyy";
inline constexpr char DayMonthFormat[] = "d MMMM";
inline constexpr char TimeFormat[] = "HH:mm";

// TimeOnDateText: a time past the date it is told for, "04:52 on 12 June".
QString TimeOnDateText(const QString& time, const QDate& on);

// MinuteText: an instant on the place's clock to the minute, "17:39"; with the day and month
// ("02:13 on 12 January") where it falls on another date than `day`.
//   rounding  UpToMinute for the end of a span, so that the minute shown is the first of the
//             next span (as the results panel reads a tithi's end); NearestMinute for a rising
QString MinuteText(const ClockInstant& instant, const CivilDate& day,
                   ClockRounding rounding = ClockRounding::UpToMinute);

// CrossingText: a rising or setting to the minute, or why there is none that date.
QString CrossingText(const HorizonCrossing& crossing, const CivilDate& day);
