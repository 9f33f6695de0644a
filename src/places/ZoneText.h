// SPDX-License-Identifier: MIT
// How a zone's offset is written: "+05:30" in ISO 8601 and JSON, "UTC−04:00" for the reader,
// and the line that describes a named zone at a moment.
#pragma once

#include <QString>

class NamedZoneClock;

// OffsetSecondsOfHours: an offset in hours (as a civil clock gives it) in whole seconds.
int OffsetSecondsOfHours(double offsetHours);

// IsoOffsetText: "+05:30", "-04:00", "+00:00", "+05:53:20": an ASCII sign, hours and minutes,
// and seconds only when there are some.
//   offsetSeconds  east positive
QString IsoOffsetText(int offsetSeconds);

// DisplayOffsetText: "UTC+05:30", "UTC−04:00": as IsoOffsetText, after "UTC", with a true
// minus sign (U+2212).
QString DisplayOffsetText(int offsetSeconds);

// ZoneDescription: "America/New_York — UTC−04:00, daylight saving": the zone's name and what
// it gives at an instant.
//   jd  Julian day, Universal Time
// Standard time adds nothing after the offset; a negative saving (Ireland's winter) says so.
QString ZoneDescription(const NamedZoneClock& clock, double jd);
