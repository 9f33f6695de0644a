// SPDX-License-Identifier: MIT
// The periods of a day and the further facts (rashis, the Moon's phase, ritu, ayana, samvatsara)
// as the windows show them: on the place's clock to the minute, the names in the chosen
// language.
#pragma once

#include "engine/base/Place.h"
#include "engine/day/DayFacts.h"
#include "engine/day/DayPeriods.h"
#include "engine/day/Panchanga.h"
#include "engine/time/CivilClock.h"
#include "engine/time/ClockInstant.h"
#include "ui/MoonPainting.h"

#include <QString>

// A period on the place's clock.
struct ClockSpan {
    ClockInstant Begins, Ends;
    bool Holds(double jd) const { return Begins.JulianDayUT <= jd && jd < Ends.JulianDayUT; }
};
ClockSpan ClockSpanOf(const CivilClock& clock, const TimeSpan& span);

// ClockSpanText: "10:48–12:09", each end with its date where it is not `day`.
QString ClockSpanText(const ClockSpan& span, const CivilDate& day);

// The names in the chosen language.
QString ChoghadiyaText(int kind);
QString QualityText(PeriodQuality quality);
QString HoraLordText(int lord);
QString RashiText(int rashi);
QString RituText(int ritu);
QString AyanaText(int ayana);
QString SamvatsaraText(int samvatsara);

// Why a day has no periods: "not defined: the Sun does not rise or set this date".
QString PeriodsNotDefinedText();

// What the results' day panel shows beside the moment's panchanga.
struct MomentExtras {
    bool PeriodsDefined{};
    ClockSpan RahuKalam, Yamaganda, GulikaKalam, Abhijit;
    bool AbhijitLeftOut{};
    int MoonRashi{-1}, SunRashi{-1};
    ClockInstant MoonRashiEnds;
    MoonLook Moon;
};

// MomentExtrasOf: the periods of the moment's civil date and the Moon and the Sun at the moment.
MomentExtras MomentExtrasOf(const PanchangaMoment& moment, const Place& place,
                            const SkyChoice& choice, const CivilClock& clock);

// MoonRashiText: "Vrishabha until 14:22", the change with its date where it is not `day`.
QString MoonRashiText(int rashi, const ClockInstant& ends, const CivilDate& day);

// AbhijitText: the abhijit muhurta's span, with the Wednesday's note.
QString AbhijitText(const ClockSpan& span, bool leftOut, const CivilDate& day);
