// SPDX-License-Identifier: MIT
// The texts of the results panel, from the tithi index alone.
#pragma once

#include "engine/report/CalculationRecord.h"

#include <array>
#include <optional>
#include <string>

// The nine texts of the results panel, in the order of the labels: number, name (upper case),
// phase, lord, group, features, nature, type and the paragraph.
using TithiReportTexts = std::array<std::string, 9>;

// Fills the nine text tables of the record and returns the texts for rec.TithiIndex;
// nothing when the index lies outside 0 ... 30 (slot 30 holds empty texts).
std::optional<TithiReportTexts> MakeTithiReport(CalculationRecord& rec);

// TithiTitle: the tithi as an almanac names it, the fortnight and the tithi: "Shukla Navami",
// "Krishna Dvitiya"; the full and the new moon by their own names, "Purnima" and "Amavasya".
//   index  0 ... 29
// Returns the title; empty outside 0 ... 29.
std::string TithiTitle(int index);
