// The panchanga's values as the windows show them: the engine's fixed English names through the
// translation of the chosen language, and instants on the place's clock to the minute.
#pragma once

#include "engine/CivilClock.h"
#include "engine/ClockInstant.h"
#include "engine/Risings.h"

#include <QString>
#include <string_view>

// The translation context of the panchanga's names (tithis, fortnights, karanas, nakshatras,
// yogas, varas, months, planets and deities), so that each name is translated once wherever
// it is shown.
inline constexpr char PanchangaContext[] = "Panchanga";

// PanchangaName: an English name of the engine's tables in the chosen language.
QString PanchangaName(std::string_view englishName);

// TithiTitleText: the tithi as an almanac names it, "Shukla Navami", "Purnima".
QString TithiTitleText(int index);

// MinuteText: an instant on the place's clock to the minute, "17:39"; with the day and month
// ("12 Jan 02:13") where it falls on another date than `day`.
//   rounding  UpToMinute for the end of a span, so that the minute shown is the first of the
//             next span (as the results panel reads a tithi's end); NearestMinute for a rising
QString MinuteText(const ClockInstant& instant, const CivilDate& day,
                   ClockRounding rounding = ClockRounding::UpToMinute);

// CrossingText: a rising or setting to the minute, or why there is none that date.
QString CrossingText(const HorizonCrossing& crossing, const CivilDate& day);
