// SPDX-License-Identifier: MIT
// The results panel's texts in the chosen language: the tithi report from the engine's tables,
// the placeholders shown before the first report, and the lines of the tithi's day from the
// engine's values. In English they are the engine's texts exactly.
#pragma once

#include <QString>

#include <array>
#include <optional>

struct CalculationRecord;
struct TithiDay;

using ReportTexts = std::array<QString, 9>;

// ReportTextsOf: MakeTithiReport's nine texts for rec.TithiIndex, each translated: the number
// as it is, the name in upper case where the script has case ("PRATIPADA"), the phase, lord and
// group by name, the features, nature, type and paragraph by their text. Nothing where the index
// lies outside the tables.
std::optional<ReportTexts> ReportTextsOf(CalculationRecord& rec);

// ReportPlaceholderTexts: what the values show until the first report.
ReportTexts ReportPlaceholderTexts();

// The three lines below the report.
struct TithiDayLines {
    QString Times;   // "Began 11 Jan 2024 18:23 · Ends 12 Jan 2024 19:57"
    QString Sunrise; // "At sunrise (07:15): Krishna Amavasya", or why there is none
    QString Karana;  // "Karana: Kimstughna"
};
TithiDayLines TithiDayLinesOf(const TithiDay& day);
