// SPDX-License-Identifier: MIT
// The regional solar calendars' names, their months' names (from the calendars as their almanacs
// print them) and their rules in words.
#include "engine/present/SolarNames.h"

#include <array>
#include <cstddef>

namespace {

constexpr std::array<std::string_view, 12> TamilMonths = {
    "Chithirai", "Vaikasi",   "Aani",     "Aadi", "Aavani", "Purattasi",
    "Aippasi",   "Karthigai", "Margazhi", "Thai", "Maasi",  "Panguni"};
constexpr std::array<std::string_view, 12> MalayalamMonths = {
    "Medam",  "Edavam",     "Mithunam", "Karkidakam", "Chingam", "Kanni",
    "Thulam", "Vrischikam", "Dhanu",    "Makaram",    "Kumbham", "Meenam"};
constexpr std::array<std::string_view, 12> BengaliMonths = {
    "Boishakh", "Joishtho",  "Asharh", "Srabon", "Bhadro", "Ashwin",
    "Kartik",   "Ogrohayon", "Poush",  "Magh",   "Falgun", "Choitro"};
constexpr std::array<std::string_view, 12> OdiaMonths = {
    "Baisakha", "Jyeshtha",   "Ashadha", "Shrabana", "Bhadraba", "Ashwina",
    "Kartika",  "Margashira", "Pausha",  "Magha",    "Phalguna", "Chaitra"};

} // namespace

std::string_view SolarCalendarName(SolarCalendar calendar) {
    switch (calendar) {
    case SolarCalendar::Tamil:
        return "Tamil";
    case SolarCalendar::Malayalam:
        return "Malayalam";
    case SolarCalendar::Bengali:
        return "Bengali";
    case SolarCalendar::Odia:
        break;
    }
    return "Odia";
}

std::string_view SolarCalendarRule(SolarCalendar calendar) {
    switch (calendar) {
    case SolarCalendar::Tamil:
        return "The month begins on the day of the sankranti if it falls before sunset, otherwise "
               "on the next day.";
    case SolarCalendar::Malayalam:
        return "The month begins on the day of the sankranti if it falls within the first "
               "three-fifths of the daytime, otherwise on the next day.";
    case SolarCalendar::Bengali:
        return "The month begins on the day after the sankranti if it falls before midnight, "
               "otherwise on the day after that.";
    case SolarCalendar::Odia:
        break;
    }
    return "The month begins on the day (sunrise to sunrise) in which the sankranti falls.";
}

std::string_view SolarMonthName(SolarCalendar calendar, int rashi) {
    if (rashi < 0 || rashi >= 12) {
        return {};
    }
    const auto index = static_cast<std::size_t>(rashi);
    switch (calendar) {
    case SolarCalendar::Tamil:
        return TamilMonths[index];
    case SolarCalendar::Malayalam:
        return MalayalamMonths[index];
    case SolarCalendar::Bengali:
        return BengaliMonths[index];
    case SolarCalendar::Odia:
        break;
    }
    return OdiaMonths[index];
}
