// SPDX-License-Identifier: MIT
// kestrava-tithi's periods and further facts of a moment's day: rahu kalam and the muhurtas,
// the choghadiyas and horas, the Moon's and the Sun's signs, the Moon's phase, the season and
// the years, as fields of the moment's record.
#pragma once

#include "engine/base/Place.h"
#include "engine/day/Panchanga.h"
#include "engine/present/Record.h"
#include "engine/time/CivilClock.h"

#include <optional>
#include <string>
#include <vector>

namespace tithi_cli {

struct PeriodTimes {
    std::string Begins, Ends; // ISO 8601 on the place's clock with the offset in force then
};

struct NamedPeriod {
    std::string Name;    // a choghadiya's name, a hora's lord
    std::string Quality; // a choghadiya's "good", "neutral" or "bad"; empty for a hora
    PeriodTimes Times;
};

struct DayFields {
    // Why the periods are not defined ("the Sun does not rise this date"); nothing where they
    // are.
    std::optional<std::string> PeriodsNote;
    // The single periods in the order of their JSON keys: rahu_kalam, yamaganda, gulika_kalam,
    // abhijit, brahma_muhurta, pradosha, nishita, godhuli.
    std::vector<std::pair<std::string, PeriodTimes>> Muhurtas;
    bool AbhijitLeftOut{}; // a Wednesday, when almanacs print no abhijit
    std::vector<PeriodTimes> Durmuhurta, AmritKalam, Varjyam;
    std::vector<NamedPeriod> Choghadiya; // 16, day then night
    std::vector<NamedPeriod> Hora;       // 24, day then night

    double MoonIllumination{}; // percent
    bool Waxing{};
    std::string MoonRashi, MoonRashiEnds, SunRashi;
    std::string Ritu, Ayana, Samvatsara;
    int KaliYear{};
};

// DayFieldsOf: the fields of a moment's day: the periods of its civil date's day (its sunrise
// to the next date's), the signs and the phase at the moment itself.
//   moment  the panchanga of the moment
//   place, clock  as the moment's
//   hasLatitude   whether a latitude was given; without one, no periods
DayFields DayFieldsOf(const PanchangaMoment& moment, const Place& place, const CivilClock& clock,
                      bool hasLatitude, const SkyChoice& sky);

// AddDayFields: the day's fields at the end of a moment's record: the text's lines, the JSON
// members and the CSV columns (the same columns whether or not the periods are defined).
void AddDayFields(Record& record, const DayFields& day);

} // namespace tithi_cli
