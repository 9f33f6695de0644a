// When a tithi begins and ends: the instants at which the Moon's elongation from the Sun crosses
// a multiple of 12 degrees, found with the same two theories as the tithi of the moment, and
// their reading on the place's clock.
#pragma once

#include "engine/CalculationRecord.h"
#include "engine/Tithi.h"

#include <optional>
#include <vector>

// TithiAt: the elongation and the tithi at an instant, as the tithi driver forms them.
//   jde  Julian day, Terrestrial Time
// Returns the elongation in degrees (0 to under 360) and its tithi index (0 ... 29; -1 where
// the theories give no longitude, as for a Julian day that is not a number).
TithiStep TithiAt(double jde);

// A crossing of the elongation: where it falls, and how fast the elongation grows there.
struct ElongationCrossing {
    double Jde{};  // Julian day, Terrestrial Time
    double Rate{}; // degrees a day, about 10 to 15
};

// FindElongationCrossing: the instant at which the elongation reaches an angle.
//   target      degrees, a multiple of 12 (or any angle); 360 is the conjunction, as is 0
//   jde         Julian day (TT) from which the search starts, within a few days of the crossing
//   elongation  the elongation at jde (TithiAt(jde).Elongation), degrees
//   rate        the expected growth of the elongation, degrees a day (the mean, 12.19, will do)
// Returns the crossing nearest to jde in elongation (within half a turn), to about a
// millisecond of the theories' own instant: a secant search on the elongation, which grows
// without a pause. A Julian day that is not a number comes back as not a number.
ElongationCrossing FindElongationCrossing(double target, double jde, double elongation,
                                          double rate);

// The mean growth of the elongation, degrees a day: a turn in a synodic month of 29.530589 days.
inline constexpr double MeanElongationRate = 360 / 29.530589;

// A tithi and the instants (TT) at which it begins and ends.
struct TithiSpan {
    int Index{};       // 0 ... 29
    double BeginJde{}; // the elongation crosses 12 x Index degrees
    double EndJde{};   // the elongation crosses 12 x (Index + 1) degrees
};

// FindTithiSpan: when the tithi of a moment began and when it ends.
//   moment  the working values of the tithi driver (EvaluateTithiMoment)
// Returns the tithi's index and its two crossings; nothing where the moment has no tithi
// (index -1).
std::optional<TithiSpan> FindTithiSpan(const TithiMoment& moment);

// TithisBeginningBetween: every tithi that begins at or after one instant and before another,
// with its end, in order.
//   fromJde, toJde  Julian days, Terrestrial Time
// Returns nothing when toJde is not after fromJde or either is not a number.
std::vector<TithiSpan> TithisBeginningBetween(double fromJde, double toJde);

// TerrestrialOfUniversal: jd + Delta T, as the tithi driver converts.
//   jd  Julian day, Universal Time
// Returns the Julian day in Terrestrial Time.
double TerrestrialOfUniversal(double jd);

// UniversalOfTerrestrial: the inverse of TerrestrialOfUniversal, by iteration (Delta T depends
// on the Universal Time).
//   jde  Julian day, Terrestrial Time
// Returns the Julian day in Universal Time whose Delta T carries it to jde, within a few
// microseconds (the decade table steps by a few milliseconds from day to day).
double UniversalOfTerrestrial(double jde);

// ClockOffsetHours: how far the place's clock runs ahead of Universal Time, by the hemisphere
// rule of the tithi driver: east of Greenwich the zone is ahead, west of it (and on the meridian
// itself) behind.
//   rec  reads ZoneHours (a magnitude, daylight saving applied) and Longitude (west positive)
// Returns hours, east positive: civil time = Universal Time + the offset.
double ClockOffsetHours(const CalculationRecord& rec);

// A reading of the place's clock, to the second.
struct ClockReading {
    int Year{}, Month{}, Day{};
    int Hour{}, Minute{}, Second{};
};

// How an instant is read to a whole second or minute.
enum class ClockRounding {
    UpToSecond,    // the first whole second at or after the instant
    UpToMinute,    // the first whole minute at or after the instant (seconds 0)
    NearestSecond, // the nearest whole second
    NearestMinute, // the nearest whole minute (seconds 0)
};

// ReadClock: an instant on the place's clock.
//   civilJd   Julian day on the place's clock (Universal Time + offset / 24)
//   rounding  as above
// Returns the calendar date and the time of day; all zero for an instant that is not a number.
ClockReading ReadClock(double civilJd, ClockRounding rounding);

// CivilJulianDay: the Julian day of a reading of the place's clock (the inverse of ReadClock).
double CivilJulianDay(const ClockReading& reading);
