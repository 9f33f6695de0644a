// SPDX-License-Identifier: MIT
// The three writers of a record: the text (captioned lines, or a table's rows), JSON (one object
// a line) and CSV (a header, then rows, quoted as RFC 4180 asks).
#pragma once

#include "engine/present/Record.h"

#include <string>
#include <string_view>

// A number with 17 significant digits, so that a reader gets back the very double ("null" for
// one that is not finite); a JSON string; a CSV field, quoted where it must be.
std::string NumberText(double value);
std::string JsonString(std::string_view text);
std::string CsvField(std::string_view text);

// JsonOf: the record's JSON fields as one object, no newline.
std::string JsonOf(const Record& record);

// CsvHeaderOf, CsvRowOf: the names and the cells of the record's CSV fields, an object's members
// each a column of its own; no newline.
std::string CsvHeaderOf(const Record& record);
std::string CsvRowOf(const Record& record);

// TextLinesOf: the record's text fields a line each, every line ended: a caption padded to 16
// characters (one blank at least), then what it shows; a field without a caption alone.
std::string TextLinesOf(const Record& record);

// TableHeaderOf, TableRowOf: the record's text fields as a table's heading and row, each column
// padded to its width in characters and the columns joined by the separator; no newline.
std::string TableHeaderOf(const Record& record, std::string_view separator = " ");
std::string TableRowOf(const Record& record, std::string_view separator = " ");

// CharacterCount: the characters of a UTF-8 text (a name in another script takes several bytes
// a character).
std::size_t CharacterCount(std::string_view text);
