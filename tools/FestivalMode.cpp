// SPDX-License-Identifier: MIT
// The festival days through the engine's rules, and their rows.
#include "FestivalMode.h"

#include "Compute.h"
#include "Values.h"

#include "engine/calendar/FestivalWords.h"
#include "engine/calendar/Festivals.h"
#include "engine/present/PanchangaNames.h"
#include "engine/report/TithiReport.h"

namespace tithi_cli {

std::vector<FestivalEntry> ComputeFestivals(const Invocation& festivals) {
    const PlaceAndClock setup = PlaceAndClockOf(festivals.Moment);
    std::vector<FestivalEntry> entries;
    const CivilDate first{festivals.From.Year, festivals.From.Month, festivals.From.Day};
    const CivilDate last{festivals.To.Year, festivals.To.Month, festivals.To.Day};
    for (const FestivalDay& day :
         FestivalsBetween(first, last, setup.Where, *setup.Clock, BuiltInFestivalTable(),
                          {festivals.Keeper, festivals.Moment.Sky})) {
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
        entry.Rule = FestivalRuleWords(day);
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

Record FestivalRecord(const FestivalEntry& entry) {
    Record r;
    r.Add("date", Value::Text(entry.Date)).Width = 10;
    r.Add("id", Value::Text(entry.Id)).Width = 28;
    r.Add("name", Value::Text(entry.Name), InData);
    r.Add("kind", Value::Text(entry.Kind)).Width = 9;
    Field& masa = r.Add("masa_amanta", Value::Text(entry.MasaAmanta));
    masa.Width = 12;
    masa.Shown = entry.MasaAmanta + (entry.Adhika ? "*" : "");
    r.Add("masa_purnimanta", Value::Text(entry.MasaPurnimanta), InData);
    r.Add("adhika", Value::Boolean(entry.Adhika), InData);
    r.Add("tithi", entry.Tithi ? Value::Integer(*entry.Tithi) : Value::Null(), InData);
    Field& tithi = r.Add("tithi_name", entry.Tithi ? Value::Text(entry.TithiName) : Value::Null());
    tithi.Width = 19;
    tithi.Shown = entry.Tithi ? entry.TithiName : "-";
    r.Add("rule", Value::Text(entry.Rule), InData);
    Field& instant = r.Add("instant", Value::OptionalText(entry.Instant));
    instant.Width = 25;
    instant.Shown = entry.Instant.value_or("-");
    r.Add("region", Value::Text(entry.Region), InData);
    r.Add("tradition", Value::Text(entry.Tradition), InData);
    r.Add("name", Value::Text(entry.Name), InText); // last in the table: the widest column
    return r;
}

} // namespace tithi_cli
