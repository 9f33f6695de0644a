// SPDX-License-Identifier: MIT
// kestrava-tithi's output formats: text, JSON lines and CSV rows, for a moment and for the
// tithis of an almanac.
#pragma once

#include "Compute.h"

#include <string>
#include <string_view>

namespace tithi_cli {

// A number with 17 significant digits ("null" for one that is not finite), a JSON string, and
// a CSV field, quoted where it must be.
std::string Number(double value);
std::string JsonString(std::string_view text);
std::string CsvField(std::string_view text);

std::string FormatText(const TithiResult& result); // the captions and figures, each line ended
std::string FormatJson(const TithiResult& result); // one line, no newline
std::string CsvHeader();                           // no newline
std::string FormatCsv(const TithiResult& result);  // one row, no newline

std::string FormatAlmanacText(const AlmanacEntry& entry);      // one line, no newline
std::string FormatAlmanacJson(const AlmanacEntry& entry);      // one line, no newline
std::string AlmanacCsvHeader(std::string_view limb = "tithi"); // no newline
std::string FormatAlmanacCsv(const AlmanacEntry& entry);       // one row, no newline

} // namespace tithi_cli
