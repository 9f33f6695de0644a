// SPDX-License-Identifier: MIT
// The names of the regional solar calendars and of their months, in English, and each calendar's
// rule for the day that begins a month in words.
#pragma once

#include "engine/day/Sankranti.h"

#include <string_view>

// SolarCalendarName: "Tamil", "Malayalam", "Bengali", "Odia".
std::string_view SolarCalendarName(SolarCalendar calendar);
// SolarCalendarRule: the calendar's rule for the day that begins a month, in one sentence.
std::string_view SolarCalendarRule(SolarCalendar calendar);
// SolarMonthName: the month that begins with the Sun's entry into a sign (0 Mesha ... 11 Mina)
// in a calendar: Chithirai, Medam, Boishakh, Baisakha for Mesha. Empty outside 0 ... 11. The
// Sanskrit names of the months are the signs' own (RashiName).
std::string_view SolarMonthName(SolarCalendar calendar, int rashi);
