// SPDX-License-Identifier: MIT
// Fuzzes the reading of a festival table: any text gives rules that are whole (a plain id, the
// indexes within their ranges) or names its faults, and the rules it gives are evaluated over a
// few days without harm.
#include "engine/calendar/Festivals.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const FestivalTable table = ParseFestivalTable(text);
    for (const FestivalRule& rule : table.Rules) {
        if (rule.Id.empty() || rule.Tithi >= 30 || rule.Masa >= 12 || rule.Rashi >= 12 ||
            rule.Nakshatra >= 27 || rule.LeadNakshatra >= 27)
            std::abort();
        if (rule.Basis == FestivalBasis::Tithi && rule.Tithi < 0)
            std::abort();
    }
    if (!table.Rules.empty()) {
        const Place delhi{77.2090, 28.6139};
        const FixedOffsetClock indian(5.5);
        for (const FestivalDay& day :
             FestivalsBetween({2024, 10, 30}, {2024, 11, 2}, delhi, indian, table)) {
            if (DateKey(day.Date) < 20241030 || DateKey(day.Date) > 20241102 || !day.Rule)
                std::abort();
        }
    }
    return 0;
}
