// SPDX-License-Identifier: MIT
// The sankranti, the Sun's entry into a sidereal sign (rashi), and the solar months it begins in
// the regional calendars (Tamil, Malayalam, Bengali, Odia), each with its own rule for the civil
// day on which the month begins; and the solar date (month and day) of any civil day.
#pragma once

#include "engine/time/CivilClock.h"
#include "engine/time/ClockInstant.h"
#include "engine/base/Place.h"
#include "engine/sky/SkyChoice.h"

#include <string_view>
#include <vector>

// One sankranti.
struct Sankranti {
    int Rashi{-1}; // the sign the Sun enters: 0 Mesha ... 11 Mina
    double Jde{};  // when, Terrestrial Time (within a millisecond of the ephemeris' Sun)
};

// SankrantiNear: the Sun's entry into a sign nearest to an instant (within half a year).
//   rashi     0 Mesha ... 11 Mina
//   jde       Julian day (TT) near the entry
//   sky       the ephemeris and the ayanamsa
// Returns the instant by a secant search on the ephemeris' Sun.
Sankranti SankrantiNear(int rashi, double jde, const SkyChoice& sky);

// SankrantisBetween: every sankranti at or after one instant and before another, in order.
//   fromJde, toJde  Julian days, Terrestrial Time
std::vector<Sankranti> SankrantisBetween(double fromJde, double toJde, const SkyChoice& sky);

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

// SolarMonthFirstDay: the civil date on which a calendar begins the month of a sankranti.
//   sankrantiJde  the sankranti, Terrestrial Time
//   place, clock  where the day is reckoned: its sunrise and sunset, and its clock's midnights
//   ephemeris     the Sun of the risings and the Delta T
// Where the Sun does not rise or set on a date, its midnight stands in for the sunrise and the
// next midnight for the sunset.
CivilDate SolarMonthFirstDay(SolarCalendar calendar, double sankrantiJde, const Place& place,
                             const CivilClock& clock, const Ephemeris& ephemeris);

// The solar date of a civil day.
struct SolarDate {
    int Rashi{-1};      // the month, by its sign: 0 Mesha ... 11 Mina
    int Day{};          // 1 ... 32
    CivilDate FirstDay; // the civil date of the month's first day
    double SankrantiJde{}; // the sankranti that began it, TT
};

// SolarDateOf: the month and day of a civil date in a calendar, at a place.
SolarDate SolarDateOf(SolarCalendar calendar, const CivilDate& date, const Place& place,
                      const CivilClock& clock, const SkyChoice& sky);
