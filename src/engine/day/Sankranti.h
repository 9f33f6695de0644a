// SPDX-License-Identifier: MIT
// The sankranti, the Sun's entry into a sidereal sign (rashi), and the solar months it begins in
// the regional calendars (Tamil, Malayalam, Bengali, Odia), each with its own rule for the civil
// day on which the month begins; and the solar date (month and day) of any civil day.
#pragma once

#include "engine/time/CivilClock.h"
#include "engine/time/ClockInstant.h"
#include "engine/base/Place.h"

#include <string_view>
#include <vector>

// An ayanamsa as a function of time: degrees at a Julian day in Terrestrial Time.
// LahiriAyanamsa (Ayanamsa.h) is the almanacs' standard.
using AyanamsaFunction = double (*)(double jde);

// SunSiderealLongitude: the Sun's apparent longitude less the true ayanamsa (the mean one plus
// the nutation in longitude), as the sankrantis are reckoned.
//   jde       Julian day, Terrestrial Time
//   ayanamsa  the mean ayanamsa; null for Lahiri
// Returns degrees, 0 to under 360.
double SunSiderealLongitude(double jde, AyanamsaFunction ayanamsa = nullptr);

// One sankranti.
struct Sankranti {
    int Rashi{-1}; // the sign the Sun enters: 0 Mesha ... 11 Mina
    double Jde{};  // when, Terrestrial Time (within a millisecond of the solar theory)
};

// SankrantiNear: the Sun's entry into a sign nearest to an instant (within half a year).
//   rashi     0 Mesha ... 11 Mina
//   jde       Julian day (TT) near the entry
// Returns the instant by a secant search on the solar theory.
Sankranti SankrantiNear(int rashi, double jde, AyanamsaFunction ayanamsa = nullptr);

// SankrantisBetween: every sankranti at or after one instant and before another, in order.
//   fromJde, toJde  Julian days, Terrestrial Time
std::vector<Sankranti> SankrantisBetween(double fromJde, double toJde,
                                         AyanamsaFunction ayanamsa = nullptr);

// The regional solar calendars. They share the months (one a sign, from its sankranti) and
// differ in their names and in the civil day that a month begins on.
enum class SolarCalendar {
    Tamil,     // the sankranti before sunset: that day; after sunset: the next
    Malayalam, // the sankranti within the first three-fifths of the daytime (before the
               // aparahna): that day; later: the next
    Bengali,   // the sankranti between sunrise and midnight: the next day; between midnight and
               // sunrise: the day after that (so always the day after its midnight-to-midnight
               // date)
    Odia,      // the day (sunrise to sunrise) in which the sankranti falls
};
inline constexpr SolarCalendar SolarCalendars[] = {SolarCalendar::Tamil, SolarCalendar::Malayalam,
                                                   SolarCalendar::Bengali, SolarCalendar::Odia};

// SolarCalendarName: "Tamil", "Malayalam", "Bengali", "Odia".
std::string_view SolarCalendarName(SolarCalendar calendar);
// SolarCalendarRule: the calendar's rule for the day that begins a month, in one sentence.
std::string_view SolarCalendarRule(SolarCalendar calendar);
// SolarMonthName: the month that begins with the Sun's entry into a sign (0 Mesha ... 11 Mina)
// in a calendar: Chithirai, Medam, Boishakh, Baisakha for Mesha. Empty outside 0 ... 11. The
// Sanskrit names of the months are the signs' own (RashiName).
std::string_view SolarMonthName(SolarCalendar calendar, int rashi);

// SolarMonthFirstDay: the civil date on which a calendar begins the month of a sankranti.
//   sankrantiJde  the sankranti, Terrestrial Time
//   place, clock  where the day is reckoned: its sunrise and sunset, and its clock's midnights
// Where the Sun does not rise or set on a date, its midnight stands in for the sunrise and the
// next midnight for the sunset.
CivilDate SolarMonthFirstDay(SolarCalendar calendar, double sankrantiJde, const Place& place,
                             const CivilClock& clock);

// The solar date of a civil day.
struct SolarDate {
    int Rashi{-1};      // the month, by its sign: 0 Mesha ... 11 Mina
    int Day{};          // 1 ... 32
    CivilDate FirstDay; // the civil date of the month's first day
    double SankrantiJde{}; // the sankranti that began it, TT
};

// SolarDateOf: the month and day of a civil date in a calendar, at a place.
SolarDate SolarDateOf(SolarCalendar calendar, const CivilDate& date, const Place& place,
                      const CivilClock& clock, AyanamsaFunction ayanamsa = nullptr);
