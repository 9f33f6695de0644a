// SPDX-License-Identifier: MIT
// kestrava-tithi's festival days (--festivals): one row a festival day at the place, as text,
// JSON lines or CSV.
#pragma once

#include "Options.h"

#include "engine/present/Record.h"

#include <optional>
#include <string>
#include <vector>

namespace tithi_cli {

struct FestivalEntry {
    std::string Date;           // 2024-10-31
    std::string Id;             // "diwali"
    std::string Name;           // "Diwali (Lakshmi Puja)"
    std::string Kind;           // "festival", "vrata", "jayanti", "sankranti", "ekadashi"
    std::string MasaAmanta;     // the lunar month of the tithi (or of the day's sunrise)
    std::string MasaPurnimanta;
    bool Adhika{};              // the amanta month is adhika
    std::optional<int> Tithi;   // 0 ... 29, where a tithi decided
    std::string TithiName;      // "Amavasya"
    std::string Rule;           // the rule that gave the day, in words
    std::optional<std::string> Instant; // a sankranti's, ISO 8601 with the offset
    std::string Region;         // "all", "kerala", ...
    std::string Tradition;      // "all", "smarta", "vaishnava"
};

// ComputeFestivals: the festival days of --from to --to at the place, for --tradition.
std::vector<FestivalEntry> ComputeFestivals(const Invocation& festivals);

// FestivalRecord: a festival day's row: a table with a heading line in the text (the rule left
// to JSON and CSV), one object a line in JSON, a header line and rows in CSV.
Record FestivalRecord(const FestivalEntry& entry);

} // namespace tithi_cli
