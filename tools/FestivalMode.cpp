// SPDX-License-Identifier: MIT
// The festival days through the engine's rules, and their rows.
#include "FestivalMode.h"

#include "Compute.h"
#include "Formats.h"
#include "Values.h"

#include "engine/present/PanchangaNames.h"
#include "engine/report/TithiReport.h"
#include "engine/calendar/Festivals.h"

namespace tithi_cli {

namespace {

std::string Column(std::string text, std::size_t width) {
    if (text.size() < width) {
        text.append(width - text.size(), ' ');
    }
    return text + ' ';
}

std::string JsonOrNull(const std::optional<std::string>& text) {
    return text ? JsonString(*text) : "null";
}

} // namespace

std::vector<FestivalEntry> ComputeFestivals(const Invocation& festivals) {
    const PlaceAndClock setup = PlaceAndClockOf(festivals.Moment);
    std::vector<FestivalEntry> entries;
    const CivilDate first{festivals.From.Year, festivals.From.Month, festivals.From.Day};
    const CivilDate last{festivals.To.Year, festivals.To.Month, festivals.To.Day};
    for (const FestivalDay& day : FestivalsBetween(first, last, setup.Where, *setup.Clock,
                                                   BuiltInFestivalTable(), {festivals.Keeper, festivals.Moment.Sky})) {
        FestivalEntry entry;
        entry.Date = IsoDate({day.Date.Year, day.Date.Month, day.Date.Day});
        entry.Id = day.Rule->Id;
        entry.Name = day.Rule->NameEn;
        entry.Kind = std::string(FestivalKindName(day.Rule->Kind));
        entry.MasaAmanta = std::string(MasaName(day.Month.Amanta.Index));
        entry.MasaPurnimanta = std::string(MasaName(day.Month.Purnimanta.Index));
        entry.Adhika = day.Month.Amanta.Adhika;
        if (day.Tithi >= 0) {
            entry.Tithi = day.Tithi;
            entry.TithiName = TithiTitle(day.Tithi);
        }
        entry.Rule = day.How;
        if (day.Sankranti) {
            entry.Instant = IsoTime(day.Sankranti->Civil(), ClockRounding::NearestSecond,
                                    day.Sankranti->OffsetHours);
        }
        entry.Region = day.Rule->Region;
        entry.Tradition = std::string(TraditionName(day.Rule->Keeper));
        entries.push_back(std::move(entry));
    }
    return entries;
}

std::string FestivalTextHeader() {
    return Column("date", 10) + Column("id", 28) + Column("kind", 9) + Column("masa_amanta", 12) +
           Column("tithi_name", 19) + Column("instant", 25) + "name";
}

std::string FormatFestivalText(const FestivalEntry& entry) {
    return Column(entry.Date, 10) + Column(entry.Id, 28) + Column(entry.Kind, 9) +
           Column(entry.MasaAmanta + (entry.Adhika ? "*" : ""), 12) +
           Column(entry.Tithi ? entry.TithiName : "-", 19) +
           Column(entry.Instant.value_or("-"), 25) + entry.Name;
}

std::string FormatFestivalJson(const FestivalEntry& entry) {
    return "{\"date\":" + JsonString(entry.Date) + ",\"id\":" + JsonString(entry.Id) +
           ",\"name\":" + JsonString(entry.Name) + ",\"kind\":" + JsonString(entry.Kind) +
           ",\"masa_amanta\":" + JsonString(entry.MasaAmanta) +
           ",\"masa_purnimanta\":" + JsonString(entry.MasaPurnimanta) +
           ",\"adhika\":" + (entry.Adhika ? "true" : "false") +
           ",\"tithi\":" + (entry.Tithi ? std::to_string(*entry.Tithi) : "null") +
           ",\"tithi_name\":" + (entry.Tithi ? JsonString(entry.TithiName) : "null") +
           ",\"rule\":" + JsonString(entry.Rule) + ",\"instant\":" + JsonOrNull(entry.Instant) +
           ",\"region\":" + JsonString(entry.Region) +
           ",\"tradition\":" + JsonString(entry.Tradition) + '}';
}

std::string FestivalCsvHeader() {
    return "date,id,name,kind,masa_amanta,masa_purnimanta,adhika,tithi,tithi_name,rule,instant,"
           "region,tradition";
}

std::string FormatFestivalCsv(const FestivalEntry& entry) {
    return entry.Date + ',' + CsvField(entry.Id) + ',' + CsvField(entry.Name) + ',' +
           CsvField(entry.Kind) + ',' + CsvField(entry.MasaAmanta) + ',' +
           CsvField(entry.MasaPurnimanta) + ',' + (entry.Adhika ? "true" : "false") + ',' +
           (entry.Tithi ? std::to_string(*entry.Tithi) : "") + ',' + CsvField(entry.TithiName) +
           ',' + CsvField(entry.Rule) + ',' + entry.Instant.value_or("") + ',' +
           CsvField(entry.Region) + ',' + CsvField(entry.Tradition);
}

} // namespace tithi_cli
