// SPDX-License-Identifier: MIT
// A named time zone of the system's database (IANA, such as "Asia/Kolkata") behind the engine's
// civil clock: the offset and daylight saving in force at each instant, historic ones included.
#pragma once

#include "engine/time/CivilClock.h"

#include <QString>
#include <QTimeZone>

#include <memory>
#include <optional>
#include <string>

class NamedZoneClock final : public CivilClock {
public:
    // Open: the clock of a zone.
    //   zoneName  an IANA name; legacy names ("Asia/Calcutta", "Europe/Kiev") resolve as
    //             ResolveZoneName says
    // None when the system's database has no such zone. The zone's changes of offset from 1900
    // to 2051 are read once per zone and shared by every clock of it; looking up an instant
    // is then a binary search. Instants outside those years ask the database directly.
    static std::optional<NamedZoneClock> Open(const QString& zoneName);

    // OffsetSecondsAt: how far the clock runs ahead of Universal Time at an instant.
    //   jd  Julian day, Universal Time (read to the nearest millisecond)
    // Returns seconds, east positive: civil time = Universal Time + offset. Before standard
    // zones, local mean time with its seconds (Kolkata before 1906: +05:21:10).
    int OffsetSecondsAt(double jd) const;

    // DaylightSavingSecondsAt: how much of that offset is daylight saving, as the database
    // says; negative where the zone's standard time is its summer time and the clocks go back
    // in winter (Europe/Dublin).
    int DaylightSavingSecondsAt(double jd) const;

    // The civil clock: hours (OffsetSecondsAt / 3600), whether any daylight saving is in force,
    // and the zone's name as the system holds it ("Asia/Kolkata").
    double OffsetHoursAt(double jd) const override;
    bool IsDaylightSavingAt(double jd) const override;
    std::string ZoneName() const override;

    QString Name() const;
    const QTimeZone& TimeZone() const;

private:
    struct Table;
    explicit NamedZoneClock(std::shared_ptr<const Table> table) : table_(std::move(table)) {}

    std::shared_ptr<const Table> table_;
};

// ResolveZoneName: the name under which the system's database holds a zone.
//   zoneName  an IANA name, present or legacy
// A renamed zone ("Asia/Calcutta", "Europe/Kiev") comes by its present name where the database
// has it; a legacy name the database lacks comes by its successor, and a present name the
// database does not yet know by its former one. Empty when none of them is held, or when the
// text is not a zone name at all.
QString ResolveZoneName(const QString& zoneName);

// Which occurrence of a clock reading that occurs twice (clocks set back) is meant.
enum class Occurrence {
    Earlier, // the first, on the larger offset (daylight saving, for most zones)
    Later,   // the second
};

// InstantOfReading: the instant a clock reading stands for.
//   resolved    ResolveReading(clock, civilJd)
//   civilJd     the reading as a Julian day on the clock
//   occurrence  which occurrence of a reading in an overlap
// Returns the Julian day, Universal Time; none for a reading in a gap, which the clock skips.
std::optional<double> InstantOfReading(const ResolvedReading& resolved, double civilJd,
                                       Occurrence occurrence = Occurrence::Earlier);
