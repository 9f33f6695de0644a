// SPDX-License-Identifier: MIT
// The periods and facts of a day in the windows' words.
#include "ui/DayPeriodTexts.h"

#include "engine/present/PanchangaNames.h"
#include "engine/time/TimeScales.h"
#include "ui/PanchangaTexts.h"

#include <QCoreApplication>

namespace {

// The texts of this file, in the catalogue's context "DayPeriods".
struct PeriodTr {
    Q_DECLARE_TR_FUNCTIONS(DayPeriods)
};

} // namespace

ClockSpan ClockSpanOf(const CivilClock& clock, const TimeSpan& span) {
    return {InstantOfUniversal(clock, span.Begins), InstantOfUniversal(clock, span.Ends)};
}

QString ClockSpanText(const ClockSpan& span, const CivilDate& day) {
    return PeriodTr::tr("%1–%2").arg(MinuteText(span.Begins, day, ClockRounding::NearestMinute),
                                     MinuteText(span.Ends, day, ClockRounding::NearestMinute));
}

QString ChoghadiyaText(int kind) {
    return PanchangaName(NameKind::Choghadiya, ChoghadiyaName(kind));
}

QString QualityText(PeriodQuality quality) {
    switch (quality) {
    case PeriodQuality::Good:
        return PeriodTr::tr("good");
    case PeriodQuality::Neutral:
        return PeriodTr::tr("neutral");
    case PeriodQuality::Bad:
        return PeriodTr::tr("bad");
    }
    return {};
}

QString HoraLordText(int lord) {
    return PanchangaName(NameKind::Planet, WeekdayLordName(lord));
}

QString RashiText(int rashi) {
    return PanchangaName(NameKind::Rashi, RashiName(rashi));
}

QString RituText(int ritu) {
    return PanchangaName(NameKind::Ritu, RituName(ritu));
}

QString AyanaText(int ayana) {
    return PanchangaName(NameKind::Ayana, AyanaName(ayana));
}

QString SamvatsaraText(int samvatsara) {
    return PanchangaName(NameKind::Samvatsara, SamvatsaraName(samvatsara));
}

QString PeriodsNotDefinedText() {
    return PeriodTr::tr("not defined: the Sun does not rise and set this date");
}

MomentExtras MomentExtrasOf(const PanchangaMoment& moment, const Place& place,
                            const SkyChoice& choice, const CivilClock& clock) {
    MomentExtras extras;
    const DayPeriodsOfDate found = PeriodsOfDate(moment.Date, place, clock, choice);
    extras.PeriodsDefined = found.Defined;
    if (found.Defined) {
        extras.RahuKalam = ClockSpanOf(clock, found.Periods.RahuKalam);
        extras.Yamaganda = ClockSpanOf(clock, found.Periods.Yamaganda);
        extras.GulikaKalam = ClockSpanOf(clock, found.Periods.GulikaKalam);
        extras.Abhijit = ClockSpanOf(clock, found.Periods.Abhijit);
        extras.AbhijitLeftOut = found.Periods.AbhijitLeftOut;
    }
    const SkyFacts sky = SkyFactsAt(moment.Moment.Jde, choice);
    extras.MoonRashi = sky.MoonRashi;
    extras.SunRashi = sky.SunRashi;
    extras.MoonRashiEnds =
        InstantOfTerrestrial(clock, sky.MoonRashiEnds, EphemerisOf(choice.Ephemeris));
    extras.Moon = {sky.MoonIllumination, sky.Waxing, place.Latitude < 0};
    return extras;
}

QString MoonRashiText(int rashi, const ClockInstant& ends, const CivilDate& day) {
    return PeriodTr::tr("%1 until %2")
        .arg(RashiText(rashi), MinuteText(ends, day, ClockRounding::UpToMinute));
}

QString AbhijitText(const ClockSpan& span, bool leftOut, const CivilDate& day) {
    const QString text = ClockSpanText(span, day);
    return leftOut ? PeriodTr::tr("%1 (not observed on Wednesdays)").arg(text) : text;
}
