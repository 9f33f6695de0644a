// SPDX-License-Identifier: MIT
// The periods of a day that almanacs print beside the panchanga: rahu kalam, yamaganda and gulika
// kalam, the muhurtas (abhijit, brahma, the durmuhurtas, nishita), pradosha and godhuli, the
// sixteen choghadiyas, the twenty-four horas, and amrit kalam and varjyam from the nakshatras.
#pragma once

#include "engine/base/Place.h"
#include "engine/sky/SkyChoice.h"
#include "engine/time/CivilClock.h"

#include <array>
#include <optional>
#include <string_view>
#include <vector>

struct PanchangaDay;

// A stretch of time: Julian days, Universal Time.
struct TimeSpan {
    double Begins{}, Ends{};
};

// The seven choghadiyas, each named for the planet that rules it in the order of the weekdays'
// lords: 0 Udveg (the Sun), 1 Char (Venus), 2 Labh (Mercury), 3 Amrit (the Moon), 4 Kaal
// (Saturn), 5 Shubh (Jupiter), 6 Rog (Mars).
inline constexpr int ChoghadiyaKindCount = 7;
std::string_view ChoghadiyaName(int kind); // "Udveg" ... "Rog"; empty outside 0 ... 6

enum class PeriodQuality { Good, Neutral, Bad };
PeriodQuality ChoghadiyaQuality(int kind);
std::string_view QualityName(PeriodQuality quality); // "good", "neutral", "bad"

// The lords of the weekdays and of the horas: 0 the Sun, 1 the Moon, 2 Mars, 3 Mercury,
// 4 Jupiter, 5 Venus, 6 Saturn (the vara's index is its lord's).
std::string_view WeekdayLordName(int lord); // "Sun" ... "Saturn"; empty outside 0 ... 6

struct ChoghadiyaPeriod {
    int Kind{};
    TimeSpan Span;
};

struct HoraPeriod {
    int Lord{};
    TimeSpan Span;
};

// The periods that follow from the sunrises, the sunset and the weekday alone.
struct DayPeriods {
    TimeSpan RahuKalam, Yamaganda, GulikaKalam; // the weekday's eighth of the daytime
    TimeSpan Abhijit;                           // the 8th of the 15 muhurtas of the daytime
    bool AbhijitLeftOut{};  // a Wednesday: almanacs print no abhijit muhurta then
    TimeSpan BrahmaMuhurta; // the 14th muhurta of the night, ending one muhurta before sunrise
    TimeSpan Pradosha;      // the first three muhurtas of the night
    TimeSpan Nishita;       // the 8th of the 15 muhurtas of the night, about midnight
    TimeSpan Godhuli;       // half a ghati either side of sunset
    std::vector<TimeSpan> Durmuhurtas;              // one or two, by the weekday, in order
    std::array<ChoghadiyaPeriod, 16> Choghadiyas{}; // 8 of the daytime, then 8 of the night
    std::array<HoraPeriod, 24> Horas{};             // 12 of the daytime, then 12 of the night
};

// PeriodsOfDay: the periods of a day.
//   sunrise, sunset, nextSunrise  Julian days, Universal Time, in that order
//   vara                          the weekday, 0 Ravivara (Sunday) ... 6 Shanivara
// The daytime runs from sunrise to sunset, the night from sunset to the next sunrise; each
// divides into 15 muhurtas, 8 choghadiyas and 12 horas of its own length.
DayPeriods PeriodsOfDay(double sunrise, double sunset, double nextSunrise, int vara);

// A nakshatra's span: Julian days, Universal Time.
struct NakshatraTime {
    int Index{}; // 0 Ashvini ... 26 Revati
    double Begins{}, Ends{};
};

// AmritKalams and Varjyams: the amrit kalam (amrita ghatis) and the varjyam (tyajya ghatis) of
// the nakshatras, four ghatis each from the ghati of the nakshatra's own length (its 60th part)
// that the table gives, those of them that overlap a stretch of time, in order.
//   nakshatras  the spans that overlap the stretch
//   within      the stretch (a day from sunrise to sunrise)
std::vector<TimeSpan> AmritKalams(const std::vector<NakshatraTime>& nakshatras,
                                  const TimeSpan& within);
std::vector<TimeSpan> Varjyams(const std::vector<NakshatraTime>& nakshatras,
                               const TimeSpan& within);

// The periods of a civil date's day, or why it has none.
struct DayPeriodsOfDate {
    // Whether the periods are defined: the Sun rises on the date, sets after it and rises again
    // the next date. A polar day or night, a missing latitude or a clock far from the place's
    // own time leaves them undefined: nothing is reckoned from a missing sunrise.
    bool Defined{};
    int Vara{-1};
    double Sunrise{}, Sunset{}, NextSunrise{}; // Julian days, Universal Time, where defined
    DayPeriods Periods;
    std::vector<TimeSpan> AmritKalam, Varjyam;
};

// PeriodsOfPanchangaDay: the periods of a day whose panchanga is at hand (its sunrises, sunset,
// vara and nakshatras).
DayPeriodsOfDate PeriodsOfPanchangaDay(const PanchangaDay& day);

// PeriodsOfDate: the same for a civil date at a place, finding only the sunrises, the sunset and
// the nakshatras of the day.
DayPeriodsOfDate PeriodsOfDate(const CivilDate& date, const Place& place, const CivilClock& clock,
                               const SkyChoice& sky);
