// SPDX-License-Identifier: MIT
// The calendar of a place: its days reckoned from sunrise to sunrise, each named for the tithi
// that holds its sunrise, with the tithis observed on it; the occurrences of a tithi with their
// days of observance, in any lunar month or in one (the yearly anniversary); and the vrata days.
//
// The day of observance of a tithi is the civil day whose sunrise the tithi holds. A kshaya
// tithi, which holds no sunrise, is observed on the day in which it runs; a vriddhi tithi, which
// holds two, on the first of its two days. Where the Sun does not rise on a date (a polar day or
// night) the midnight that opens the date stands in for its sunrise, as in the panchanga of a day.
#pragma once

#include "engine/base/Place.h"
#include "engine/day/LunarMonth.h"
#include "engine/day/Panchanga.h"
#include "engine/present/CalendarNames.h"
#include "engine/time/CivilClock.h"
#include "engine/time/ClockInstant.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The rule above in one sentence, for the outputs that must say it.
inline constexpr std::string_view ObservanceRule =
    "A tithi is observed on the civil day whose sunrise it holds; a kshaya tithi (one that holds "
    "no sunrise) on the day in which it runs; a vriddhi tithi (one that holds two sunrises) on "
    "the first of its two days.";

// One day of the calendar: from the sunrise of its date to the next date's.
struct CalendarDay {
    CivilDate Date;
    int Vara{-1}; // 0 Ravivara (Sunday) ... 6 Shanivara
    ClockInstant Begins, Ends;
    bool BeginsAtSunrise{}; // false where the midnight stands in for the sunrise

    // Every tithi in force within the day, in order: the first holds its sunrise; each ends
    // within the day except perhaps the last. Tithi.Vriddhi: the tithi at sunrise holds the next
    // sunrise too (this is the first of its two days).
    DayLimb Tithi;
    // The tithi at sunrise held the previous sunrise too: this is the second of its two days.
    bool SecondOfVriddhi{};
    std::vector<int> Kshaya;   // the tithis that begin and end within the day, in order
    std::vector<int> Observed; // the tithis observed on this day by the rule above, in order

    MonthAndYears Month; // the month and era years at sunrise
    bool MonthBegins{};  // the amanta month at sunrise is not the previous day's

    // The tithi at sunrise, 0 ... 29; -1 where the day has none.
    int SunriseTithi() const { return Tithi.AtSunrise().Index; }
};

// CalendarDays: the days of a range of civil dates.
//   first, last  civil dates on the place's clock (nothing when last comes before first)
//   place        longitude east positive, latitude north positive
//   clock        the place's civil clock; every instant carries the offset in force at it
//   sky          the ephemeris and the ayanamsa (the months are named by the Sun's sidereal sign)
// The sunrises are SunriseCrossing's and the tithis' begins and ends the crossing search's
// (within a millisecond of the theories), so that a day agrees with PanchangaOfDay's.
//   ephemeris    the Moon, the Sun and the Delta T (the modern ones unless told)
std::vector<CalendarDay> CalendarDays(const CivilDate& first, const CivilDate& last,
                                      const Place& place, const CivilClock& clock,
                                      const SkyChoice& sky);

// CalendarMonth: the days of a month of the Gregorian calendar (month 1 ... 12).
std::vector<CalendarDay> CalendarMonth(int year, int month, const Place& place,
                                       const CivilClock& clock, const SkyChoice& sky);

// Dates of the Gregorian calendar.
int DaysInMonth(int year, int month);
CivilDate AddDays(const CivilDate& date, int days);
// DaysBetween: to - from, in days.
int DaysBetween(const CivilDate& from, const CivilDate& to);
// DateKey: a date as one number that orders dates, 20240611 for 11 June 2024.
inline int DateKey(const CivilDate& date) {
    return (date.Year * 100 + date.Month) * 100 + date.Day;
}

// The vratas of every lunar month: the two Ekadashis, Purnima and Amavasya.
inline constexpr int ShuklaEkadashi = 10;
inline constexpr int Purnima = 14;
inline constexpr int KrishnaEkadashi = 25;
inline constexpr int Amavasya = 29;
inline constexpr int VrataTithis[] = {ShuklaEkadashi, Purnima, KrishnaEkadashi, Amavasya};
bool IsVrataTithi(int tithi);

// How a lunar month is named for a tithi: amanta (new moon to new moon), or purnimanta (full
// moon to full moon), where the dark fortnight takes the next month's name.
enum class MonthReckoning { Amanta, Purnimanta };

// Which tithis a search finds.
struct TithiQuery {
    int Tithi{};  // 0 ... 29: Shukla Pratipada ... Amavasya
    int Masa{-1}; // 0 Chaitra ... 11 Phalguna in the chosen reckoning; -1 for every month
    MonthReckoning Reckoning{MonthReckoning::Amanta};
    // With a month: where it is adhika that year it comes twice, and the tithi is found in the
    // second (nija) month alone, as festivals and anniversaries are kept, unless this is set.
    bool WithAdhika{};
};

// How a tithi meets the sunrises.
enum class ObservanceKind {
    Sunrise, // it holds one sunrise
    Kshaya,  // it holds none: observed on the day in which it runs
    Vriddhi, // it holds two: observed on the first
};

// One occurrence of a tithi.
struct TithiOccurrence {
    int Tithi{};
    int Lunation{}; // as LunationAt counts it: the lunation in which the tithi falls
    ClockInstant Begins, Ends;
    CivilDate Observed; // the day of observance
    ObservanceKind Kind{ObservanceKind::Sunrise};
    MonthAndYears Month; // the tithi's month in both reckonings and the era years of its lunation
};

enum class SearchDirection { Forward, Backward };

// The years the theories and the date conversions serve.
inline constexpr CivilDate SupportedFirstDate{1901, 1, 1};
inline constexpr CivilDate SupportedLastDate{2050, 12, 31};

// FindTithi: the occurrences of a tithi nearest to a date.
//   query      the tithi, and the lunar month if any
//   from       a civil date: Forward finds those observed on it or later, Backward those
//              observed before it, nearest first
//   count      how many (at most a thousand)
//   place      where the days are reckoned (the sunrises)
//   clock      the place's civil clock
//   sky        the ephemeris and the ayanamsa
// Finds only days of observance within the supported years (SupportedFirstDate ...
// SupportedLastDate), so that it may return fewer than `count`; returns them in the order found.
std::vector<TithiOccurrence> FindTithi(const TithiQuery& query, const CivilDate& from, int count,
                                       SearchDirection direction, const Place& place,
                                       const CivilClock& clock, const SkyChoice& sky);

// VrataDays: every Ekadashi, Purnima and Amavasya observed from the first date to the last, in
// the order in which they begin.
std::vector<TithiOccurrence> VrataDays(const CivilDate& first, const CivilDate& last,
                                       const Place& place, const CivilClock& clock,
                                       const SkyChoice& sky);
