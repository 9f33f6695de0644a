// kestrava-tithi's output formats: text, JSON lines and CSV rows, for a moment and for the
// tithis of an almanac.
#pragma once

#include "Compute.h"

#include <string>

namespace tithi_cli {

std::string FormatText(const TithiResult& result); // the captions and figures, each line ended
std::string FormatJson(const TithiResult& result); // one line, no newline
std::string CsvHeader();                           // no newline
std::string FormatCsv(const TithiResult& result);  // one row, no newline

std::string FormatAlmanacText(const AlmanacEntry& entry); // one line, no newline
std::string FormatAlmanacJson(const AlmanacEntry& entry); // one line, no newline
std::string AlmanacCsvHeader();                           // no newline
std::string FormatAlmanacCsv(const AlmanacEntry& entry);  // one row, no newline

} // namespace tithi_cli
