// SPDX-License-Identifier: MIT
// The civil clock of a place: how its clock reads Universal Time, and the hemisphere rule by
// which the form's zone magnitudes give that reading.
#pragma once

#include <optional>
#include <string>
#include <vector>

// The hemisphere rule. The form takes the zone's offset as a magnitude; its direction follows
// the longitude: east of Greenwich the clock runs ahead of Universal Time, west of it (and on
// the meridian itself) behind. Daylight saving puts the clock an hour ahead on either side, so
// it grows the magnitude in the east and shrinks it in the west.
//   longitudeWestPositive  degrees, as the record holds it
// Returns +1 east of Greenwich, -1 west of it and on the meridian.
int HemisphereSign(double longitudeWestPositive);

// ZoneHoursWithDaylightSaving: the zone magnitude with daylight saving applied by the rule.
double ZoneHoursWithDaylightSaving(double zoneHours, double longitudeWestPositive);

// ClockOffsetHours: how far the clock runs ahead of Universal Time, by the rule.
//   zoneHours  the magnitude, daylight saving applied
// Returns hours, east positive: civil time = Universal Time + offset.
double ClockOffsetHours(double zoneHours, double longitudeWestPositive);

// A civil clock: a fixed offset, or a named zone whose offset changes with the date (daylight
// saving, historic changes). The engine sees only this interface.
class CivilClock {
public:
    virtual ~CivilClock() = default;

    // OffsetHoursAt: how far the clock runs ahead of Universal Time at an instant.
    //   jd  Julian day, Universal Time
    // Returns hours, east positive (civil = UT + offset / 24). Offsets with seconds (local mean
    // time before standard zones) come as their exact number of seconds / 3600.
    virtual double OffsetHoursAt(double jd) const = 0;

    // Whether daylight saving is in force at an instant (Julian day, Universal Time).
    virtual bool IsDaylightSavingAt(double jd) const = 0;

    // The zone's name ("Asia/Kolkata"); empty for a fixed offset.
    virtual std::string ZoneName() const = 0;
};

// The clock the form's boxes describe: one offset at every instant.
class FixedOffsetClock final : public CivilClock {
public:
    // offsetHours: east positive; daylightSaving: whether the offset includes an hour of it.
    explicit FixedOffsetClock(double offsetHours, bool daylightSaving = false)
        : offsetHours_(offsetHours), daylightSaving_(daylightSaving) {}

    // The form's values: the zone magnitude (daylight saving already applied) and the
    // longitude, west positive, through the hemisphere rule.
    static FixedOffsetClock FromZoneMagnitude(double zoneHours, double longitudeWestPositive,
                                              bool daylightSaving = false) {
        return FixedOffsetClock(ClockOffsetHours(zoneHours, longitudeWestPositive), daylightSaving);
    }

    double OffsetHoursAt(double) const override { return offsetHours_; }
    bool IsDaylightSavingAt(double) const override { return daylightSaving_; }
    std::string ZoneName() const override { return {}; }

private:
    double offsetHours_;
    bool daylightSaving_;
};

// How a reading of the clock maps onto Universal Time.
enum class ClockReadingKind {
    Unique,  // the clock shows it once
    Gap,     // the clock skips it (clocks set forward)
    Overlap, // the clock shows it twice (clocks set back)
};

struct ResolvedReading {
    ClockReadingKind Kind{ClockReadingKind::Unique};
    // The offset in force at the reading: for an overlap, the earlier occurrence's (the larger
    // offset); for a gap, none.
    std::optional<double> OffsetHours;
    // For an overlap, the later occurrence's offset.
    std::optional<double> LaterOffsetHours;
    // For a gap or an overlap: the offsets before and after the change, and its instant
    // (Julian day, Universal Time, to about a second).
    double OffsetBefore{}, OffsetAfter{};
    double ChangeJd{};
};

// ResolveReading: which offset a clock reading is read with.
//   clock    the civil clock
//   civilJd  the reading as a Julian day on the clock (JulianDayOfDate + hours / 24)
// Finds every offset o, among those in force within a day either side, for which the clock at
// civilJd - o / 24 shows civilJd. Changes of offset must lie more than a day apart, as every
// zone's have.
ResolvedReading ResolveReading(const CivilClock& clock, double civilJd);

// CivilJulianDayAt: the clock's reading of an instant, as a Julian day on the clock.
//   jd  Julian day, Universal Time
inline double CivilJulianDayAt(const CivilClock& clock, double jd) {
    return jd + clock.OffsetHoursAt(jd) / 24;
}

// A change of a clock's offset.
struct ClockChange {
    double Jd{};           // the instant, Julian day, Universal Time, to about a second
    double OffsetBefore{}; // hours, east positive
    double OffsetAfter{};
    bool DaylightSavingAfter{};
};

// ClockChangesBetween: every change of a clock's offset between two instants, in order, found
// by stepping a day at a time (changes lie more than a day apart) and halving to the second.
//   fromJd, toJd  Julian days, Universal Time
std::vector<ClockChange> ClockChangesBetween(const CivilClock& clock, double fromJd, double toJd);

// UniversalOfCivil: when a clock shows a reading.
//   civilJd  the reading as a Julian day on the clock
// Returns the Julian day in Universal Time of its first occurrence; for a reading the clock
// skips, the instant at which the clock jumps past it (so that a date whose midnight is skipped
// begins when its first minute is shown).
double UniversalOfCivil(const CivilClock& clock, double civilJd);

// A civil date.
struct CivilDate {
    int Year{}, Month{}, Day{};
};

// A reading of a clock, to the second.
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

// CivilJulianDayOfDate: the Julian day of the midnight that opens a date on the clock.
double CivilJulianDayOfDate(const CivilDate& date);

// ClockSkipsDate: the clock never shows the date: it jumped from the midnight that opens it to
// the one that closes it, as Pacific/Kwajalein did over 21 August 1993 and Pacific/Apia over
// 30 December 2011 when they crossed the date line. Such a date is no civil day at the place.
bool ClockSkipsDate(const CivilClock& clock, const CivilDate& date);
