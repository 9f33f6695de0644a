// SPDX-License-Identifier: MIT
// One reading of a place and a moment, for the window, the calendar windows and the tool alike:
// the ranges of the boxes, the hemisphere rule and the clock's skipped and repeated readings.
#pragma once

#include "engine/base/Place.h"
#include "engine/time/CivilClock.h"

#include <optional>
#include <string>
#include <string_view>
#include <variant>

// The values of a place and its zone, as refusals name them.
enum class PlaceInput {
    LonDeg,     // degrees of longitude (box or argument)
    LonMin,     // minutes of longitude
    LatDeg,     // degrees of latitude
    LatMin,     // minutes of latitude
    ZoneHour,   // hours of the zone's offset, a magnitude
    ZoneMinute, // minutes of the zone's offset
};

// Why a reading gives no place. The callers word each in their own language.
enum class ReadingRefusal {
    Empty,           // nothing was given
    NotANumber,      // not a number of the shape the input takes
    BeyondRange,     // a number beyond the input's range: 0 ... MostOf(input)
    ImpossiblePlace, // the degrees and minutes lie beyond 180° of longitude or 90° of latitude
};

struct PlaceRefusal {
    ReadingRefusal Why{};
    PlaceInput Input{}; // the input to correct
};

// MostOf: the largest value an input takes: 180 degrees of longitude, 90 of latitude, 59 minutes
// of arc or of time, 23 hours of a zone's offset.
int MostOf(PlaceInput input);

// CoordinateOf: degrees and minutes of arc with their direction, as the record forms them
// (degrees + minutes / 60, negated for West or South). Returns degrees, East and North positive.
double CoordinateOf(int degrees, int minutes, bool westOrSouth);

// ImpossibleCoordinate: which coordinate makes a place impossible as a place: the latitude
// beyond 90° (checked first), else the longitude beyond 180°; none for a possible place.
std::optional<PlaceInput> ImpossibleCoordinate(const Place& place);

// The place and zone boxes of the form, as typed.
struct PlaceTexts {
    std::string LonDeg, LonMin, LatDeg, LatMin, ZoneHour, ZoneMinute;
    bool LonEast = true;
    bool LatSouth = false;
    bool Dst = false;
};

// A place and its zone read from the boxes.
struct FormPlace {
    Place Where;            // East and North positive
    FixedOffsetClock Clock; // the zone's boxes through the hemisphere rule, daylight saving applied
};

// ReadPlaceBoxes: the boxes in the form's order (longitude, latitude, then the zone), each a
// whole number of its range once trimmed and rounded as the form rounds (TextToInteger16); the
// zone's boxes are magnitudes, their sign dropped, and daylight saving applies to them alone.
//   texts      the boxes
//   zoneBoxes  whether the zone's boxes set the clock; false where a named zone does, when they
//              are not read (the clock is then Universal Time)
//   exact      the full-precision place the boxes were filled from (a place of the directory),
//              while they are untouched: it replaces the degrees and minutes
// Returns the place and clock, or the first refusal in that order.
std::variant<FormPlace, PlaceRefusal> ReadPlaceBoxes(const PlaceTexts& texts, bool zoneBoxes,
                                                     const std::optional<Place>& exact = {});

// PlaceOfBoxes: the place the degrees and minutes give, without range tests (the report reads
// any numbers), or the exact place that filled them.
Place PlaceOfBoxes(int lonDeg, int lonMin, bool lonEast, int latDeg, int latMin, bool latSouth,
                   const std::optional<Place>& exact = {});

// An angle as the command line gives it: D[:MM] and a direction letter ("77:13E"), decimal
// degrees and a letter ("77.2090E"), or signed decimal degrees ("-74.006", the first direction
// positive).
struct AngleReading {
    int Degrees{}, Minutes{};    // to the nearest minute for decimal degrees
    bool Second{};               // the second direction (W, S)
    std::optional<double> Exact; // decimal degrees as given, the first direction positive
};

enum class AngleRefusal {
    Shape,         // not of one of the shapes above
    Minutes,       // minutes beyond 59
    BeyondDegrees, // beyond the most degrees
};

// ReadAngle: an angle of the command line, its degrees running to `mostDegrees` (MostOf of the
// coordinate's degrees); the letters in either case.
std::variant<AngleReading, AngleRefusal> ReadAngle(std::string_view text, char first, char second,
                                                   int mostDegrees);

// A reading of a place's clock: a civil date and a time of day to the minute.
struct ClockEntry {
    CivilDate Date;
    int Hour{}, Minute{};

    // Hours of the clock, as the moment's preparation forms them.
    double LocalHours() const { return Hour + Minute / 60.0; }
    // The reading as a Julian day on the clock.
    double CivilJd() const;
};

// Which occurrence of a reading the clocks show twice is taken.
enum class ReadingTaken { Only, First, Second };

// A reading of a clock resolved to the offset in force then.
struct ClockEntryReading {
    ResolvedReading Resolved;

    bool Skipped() const { return Resolved.Kind == ClockReadingKind::Gap; }
    bool Repeated() const { return Resolved.Kind == ClockReadingKind::Overlap; }
    // The offset of the occurrence taken (hours, east positive): Only for a reading shown once,
    // First or Second for one shown twice; none for a reading the clocks skip, or for an
    // occurrence the reading does not have.
    std::optional<double> OffsetHours(ReadingTaken taken) const;
};

// ReadClockEntry: which offset a reading of the clock is read with.
ClockEntryReading ReadClockEntry(const CivilClock& clock, const ClockEntry& entry);

// ReadingAfterSkip: for a reading the clocks skip, the same instant read after the change (the
// offset before it taken for the reading): 02:30 where the clocks go from 02:00 to 03:00 gives
// 03:30. To the nearest minute.
ClockReading ReadingAfterSkip(const ClockEntryReading& reading, const ClockEntry& entry);

// The readings of the clock either side of a change of offset, to the nearest minute: 02:00 and
// 03:00 where the clocks go forward at two. Where the change passes over a date (a zone that
// crossed the date line) Dated is set and a change at midnight ends the date before it at 24:00
// (Before.Hour is 24, Before's date the one that ends).
struct ChangeSides {
    ClockReading Before, After;
    bool Dated{};
};
ChangeSides SidesOfChange(const ResolvedReading& resolved);
