// SPDX-License-Identifier: MIT
// kestrava-tithi's results as records for the engine's writers: a moment with its day, a span of
// an almanac; and a record written in the run's format.
#pragma once

#include "Compute.h"

#include "engine/present/Record.h"

#include <string>
#include <string_view>

namespace tithi_cli {

// MomentRecord: captioned lines in the text; built for the formats given (as FormatsOf names
// them), or all.
Record MomentRecord(const TithiResult& result, unsigned formats = InAll);
Record AlmanacRecord(const AlmanacEntry& entry); // a table row in the text, with no heading

// FormatsOf: the record's formats (InText, InJson, InCsv) that a run's format writes.
unsigned FormatsOf(OutputFormat format);

// Written: a record in a format: the text as captioned lines (each ended) where `separator` is
// empty, else as a table row with the columns joined by it; JSON one line; CSV one row. The rows
// end with no newline.
std::string Written(const Record& record, OutputFormat format, std::string_view separator = {});

// Heading: the header line of a format for records like this one: the CSV header, the text
// table's heading where `separator` is given; nothing for JSON.
std::string Heading(const Record& record, OutputFormat format, std::string_view separator = {});

} // namespace tithi_cli
