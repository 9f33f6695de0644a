// SPDX-License-Identifier: MIT
// The festival days of a range of civil dates at a place: each rule of the table evaluated on the
// days around its tithi (the period of the day that decides, the rule for two days or none), its
// sankranti (the regional day rule) or its nakshatra within a solar month, and the festivals
// that follow another by so many days.
#pragma once

#include "engine/calendar/Calendar.h"
#include "engine/calendar/FestivalRules.h"

#include <optional>
#include <string>
#include <vector>

// One festival on one day.
struct FestivalDay {
    CivilDate Date;
    const FestivalRule* Rule{}; // the table's row (the table outlives the result)
    int Tithi{-1};              // the tithi that decided, 0 ... 29; -1 for a sankranti
    MonthAndYears Month;        // the tithi's month in both reckonings (or the month at the
                                // day's sunrise, for the others)
    std::optional<ClockInstant> Sankranti; // the Sun's entry, for a sankranti
    const FestivalRule* From{}; // for a festival that follows another, the other's row
};

// Which rows apply: every row for all traditions, and the chosen tradition's rows where the
// traditions keep a festival on different days; and the sky the days are reckoned on.
struct FestivalChoice {
    Tradition Keeper{Tradition::Smarta};
    SkyChoice Sky; // the ephemeris and the ayanamsa of the tithis, sankrantis and risings
};

// FestivalsBetween: the festival days from the first date to the last (both included), in the
// order of the dates and, within a date, of the table.
//   table   the rules (BuiltInFestivalTable() for the program's own)
//   place, clock  where the days are reckoned
std::vector<FestivalDay> FestivalsBetween(const CivilDate& first, const CivilDate& last,
                                          const Place& place, const CivilClock& clock,
                                          const FestivalTable& table,
                                          const FestivalChoice& choice = {});

// KeptBy: whether a row applies to a tradition.
bool KeptBy(const FestivalRule& rule, Tradition keeper);
