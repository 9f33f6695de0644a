// SPDX-License-Identifier: MIT
// kestrava-tithi's calls of the engine: the record filled as the window fills it, the tithi of
// a moment and the tithis between two dates, with their instants on the place's clock.
#include "Compute.h"

#include "engine/calendar/Almanac.h"
#include "engine/calendar/ICalendar.h"
#include "engine/day/Panchanga.h"
#include "engine/input/PlaceReading.h"
#include "engine/limbs/Karana.h"
#include "engine/present/PanchangaNames.h"
#include "engine/report/CalculationRecord.h"
#include "engine/report/PrepareMoment.h"
#include "engine/report/Tithi.h"
#include "engine/report/TithiDay.h"
#include "places/NamedZoneClock.h"

#include <cmath>
#include <cstdio>
#include <memory>
#include <utility>

namespace tithi_cli {

namespace {

// The record as the window fills it; the parser has bounded every value.
CalculationRecord PreparedRecord(const MomentArguments& moment) {
    CalculationRecord rec;
    PrepareMomentOf(rec, moment);
    return rec;
}

} // namespace

std::string IsoTime(double civilJd, ClockRounding rounding, double offsetHours) {
    const ClockReading r = ReadClock(civilJd, rounding);
    char text[64];
    std::snprintf(text, sizeof text, "%04d-%02d-%02dT%02d:%02d:%02d", r.Year, r.Month, r.Day,
                  r.Hour, r.Minute, r.Second);
    return text + OffsetText(offsetHours);
}

namespace {

bool TakesTheTypedFlow(const MomentArguments& moment) {
    return moment.ZoneName.empty() && !moment.Place;
}

// The place of the degrees and minutes, each coordinate replaced by the decimal degrees given.
Place ExactPlace(const MomentArguments& moment) {
    Place place = PlaceOfBoxes(moment.LonDeg, moment.LonMin, moment.LonEast, moment.LatDeg,
                               moment.LatMin, moment.LatSouth);
    if (moment.ExactLongitude) {
        place.Longitude = *moment.ExactLongitude;
    }
    if (moment.ExactLatitude) {
        place.Latitude = *moment.ExactLatitude;
    }
    return place;
}

} // namespace

PlaceAndClock PlaceAndClockOf(const MomentArguments& moment) {
    PlaceAndClock setup;
    if (moment.Place) {
        setup.Where = {moment.Place->Longitude, moment.Place->Latitude};
    } else {
        setup.Where = ExactPlace(moment);
    }
    std::string zone = moment.ZoneName;
    if (zone.empty() && !moment.HasZone && moment.Place) {
        zone = moment.Place->ZoneName;
    }
    if (!zone.empty()) {
        if (auto named = NamedZoneClock::Open(QString::fromStdString(zone))) {
            setup.Clock = std::make_unique<NamedZoneClock>(std::move(*named));
            return setup;
        }
    }
    const double west = WestPositiveLongitude(setup.Where);
    double zoneHours = moment.ZoneHour + moment.ZoneMinute / 60.0;
    if (moment.Dst) {
        zoneHours = ZoneHoursWithDaylightSaving(zoneHours, west);
    }
    setup.Clock = std::make_unique<FixedOffsetClock>(
        FixedOffsetClock::FromZoneMagnitude(zoneHours, west, moment.Dst));
    return setup;
}

namespace {

std::string IsoTimeOf(const ClockInstant& instant, ClockRounding rounding) {
    return IsoTime(instant.Civil(), rounding, instant.OffsetHours);
}

std::optional<std::string> CrossingTime(const HorizonCrossing& crossing) {
    if (crossing.State != HorizonState::Crosses) {
        return std::nullopt;
    }
    return IsoTimeOf(crossing.At, ClockRounding::NearestSecond);
}

TithiResult::Span SpanOf(Limb limb, const TimedSpan& span) {
    return {span.Index, SpanName(limb, span.Index),
            IsoTimeOf(span.Begin, ClockRounding::UpToSecond),
            IsoTimeOf(span.End, ClockRounding::UpToSecond)};
}

// The day's panchanga at the moment: the limbs with their spans, the vara from sunrise, the
// date's risings and settings, the month and the era years.
void AddPanchanga(TithiResult& result, const TithiDay& day, Place place, const CivilClock& clock,
                  bool hasLatitude, const SkyChoice& sky) {
    if (!hasLatitude) {
        place.Latitude = std::nan(""); // no risings; the day is reckoned from midnight
    }
    const PanchangaMoment p =
        PanchangaOfMoment(day.Moment.JulianDayUT, day.Span, place, clock, sky);
    result.Vara = VaraName(p.Vara);
    result.VaraBeforeSunrise = p.BeforeSunrise;
    result.Nakshatra = SpanOf(Limb::Nakshatra, p.Nakshatra);
    result.NakshatraPada = p.NakshatraPada;
    result.NakshatraLord = VimshottariLordName(NakshatraLord(p.Nakshatra.Index));
    result.Yoga = SpanOf(Limb::Yoga, p.Yoga);
    result.KaranaBegins = IsoTimeOf(p.Karana.Begin, ClockRounding::UpToSecond);
    result.KaranaEnds = IsoTimeOf(p.Karana.End, ClockRounding::UpToSecond);
    result.Sunset = CrossingTime(p.Sunset);
    result.Moonrise = CrossingTime(p.Moonrise);
    result.Moonset = CrossingTime(p.Moonset);
    result.MasaAmanta = MasaName(p.Month.Amanta.Index);
    result.MasaPurnimanta = MasaName(p.Month.Purnimanta.Index);
    result.Adhika = p.Month.Amanta.Adhika;
    result.Vikram = p.Month.Vikram;
    result.Shaka = p.Month.Shaka;
    result.Ayanamsa = p.Ayanamsa;
    result.Day = DayFieldsOf(p, place, clock, hasLatitude, sky);
}

std::string ReadingText(const MomentArguments& m) {
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d", m.Year, m.Month, m.Day, m.Hour,
                  m.Minute);
    return text;
}

// The readings either side of a change of offset: "02:00" and "03:00"; where the change passes
// over a date (a zone that crossed the date line), the dates too, the one before ending at 24:00:
// "29 December 24:00" and "31 December 00:00".
std::pair<std::string, std::string> ChangeReadings(const ResolvedReading& resolved) {
    static constexpr const char* Months[] = {"January",   "February", "March",    "April",
                                             "May",       "June",     "July",     "August",
                                             "September", "October",  "November", "December"};
    const ChangeSides sides = SidesOfChange(resolved);
    auto written = [&sides](const ClockReading& r) {
        char text[48];
        if (sides.Dated) {
            std::snprintf(text, sizeof text, "%d %s %02d:%02d", r.Day, Months[r.Month - 1], r.Hour,
                          r.Minute);
        } else {
            std::snprintf(text, sizeof text, "%02d:%02d", r.Hour, r.Minute);
        }
        return std::string(text);
    };
    return {written(sides.Before), written(sides.After)};
}

std::string ZoneLabel(const CivilClock& clock) {
    const std::string name = clock.ZoneName();
    return name.empty() ? "this zone" : name;
}

// The driver's values for the moment on a clock whose offset may change: the reading resolved
// to the offset in force then, the first of two where the clocks went back (the second with
// --later); a reading the clocks skip has none.
std::variant<TithiMoment, ComputeError> MomentOnClock(const MomentArguments& moment,
                                                      const CivilClock& clock, std::string& note) {
    const ClockEntry entry{{moment.Year, moment.Month, moment.Day}, moment.Hour, moment.Minute};
    const ClockEntryReading reading = ReadClockEntry(clock, entry);
    const ResolvedReading& resolved = reading.Resolved;
    if (reading.Skipped()) {
        const auto [before, after] = ChangeReadings(resolved);
        return ComputeError{ReadingText(moment) + " does not exist in " + ZoneLabel(clock) +
                                ": the clocks went forward from " + before + " to " + after +
                                " (UTC" + OffsetText(resolved.OffsetBefore) + " to UTC" +
                                OffsetText(resolved.OffsetAfter) + ")",
                            2};
    }
    double offset =
        *reading.OffsetHours(reading.Repeated() ? ReadingTaken::First : ReadingTaken::Only);
    if (reading.Repeated()) {
        const double later = *reading.OffsetHours(ReadingTaken::Second);
        const auto [before, after] = ChangeReadings(resolved);
        note =
            ReadingText(moment) + " occurs twice in " + ZoneLabel(clock) +
            " (the clocks went back from " + before + " to " + after + "): " +
            (moment.Later ? "the second, at UTC" + OffsetText(later) + ", is taken"
                          : "the first, at UTC" + OffsetText(offset) +
                                ", is taken; --later takes the second, at UTC" + OffsetText(later));
        if (moment.Later) {
            offset = later;
        }
    }
    return EvaluateTithiMomentAt(entry.Date, entry.LocalHours(), offset);
}

} // namespace

std::variant<TithiResult, ComputeError> ComputeResult(const MomentArguments& moment) {
    constexpr std::string_view NoTithi = "no tithi for this moment";
    CalculationRecord rec;
    TithiMoment m;
    std::optional<TithiDay> day;
    std::string note;
    std::string zone; // the named zone, if any
    TithiResult result;
    if (TakesTheTypedFlow(moment)) {
        // The window's flow, field by field, and its clock by the hemisphere rule.
        rec = PreparedRecord(moment);
        m = ComputeTithiMoment(rec);
        const Place place = ExactPlace(moment);
        const FixedOffsetClock clock = ClockOfRecord(rec);
        day = ComputeTithiDay(m, place, clock, moment.HasLat, moment.Sky);
        if (day) {
            AddPanchanga(result, *day, place, clock, moment.HasLat, moment.Sky);
        }
    } else {
        const PlaceAndClock setup = PlaceAndClockOf(moment);
        auto onClock = MomentOnClock(moment, *setup.Clock, note);
        if (auto* error = std::get_if<ComputeError>(&onClock)) {
            return *error;
        }
        m = std::get<TithiMoment>(onClock);
        rec.TithiIndex = m.Tithi.Index;
        day = ComputeTithiDay(m, setup.Where, *setup.Clock, moment.HasLat, moment.Sky);
        zone = setup.Clock->ZoneName();
        if (day) {
            AddPanchanga(result, *day, setup.Where, *setup.Clock, moment.HasLat, moment.Sky);
        }
    }
    const auto texts = MakeTithiReport(rec);
    if (!texts || !day) {
        return ComputeError{std::string(NoTithi), 1};
    }
    result.Note = note;
    result.Index = m.Tithi.Index;
    result.Texts = *texts;
    result.Moon = m.Moon;
    result.Sun = m.Sun;
    result.Elongation = m.Tithi.Elongation;
    result.Jde = m.JulianDayTT;
    // Each instant with the offset in force then.
    result.Begins = IsoTime(day->BeginCivil, ClockRounding::UpToSecond, day->BeginOffsetHours);
    result.Ends = IsoTime(day->EndCivil, ClockRounding::UpToSecond, day->EndOffsetHours);
    if (day->Sunrise == HorizonState::Crosses) {
        result.Sunrise =
            IsoTime(day->SunriseCivil, ClockRounding::NearestSecond, day->SunriseOffsetHours);
        result.SunriseTithi = TithiTitle(day->SunriseTithi);
        result.SunriseTithiIndex = day->SunriseTithi;
    } else if (!moment.HasLat) {
        result.SunriseNote = "not computed: give --lat";
    } else {
        result.SunriseNote = DescribeTithiDay(*day).Sunrise;
    }
    result.Karana = KaranaName(day->Karana);
    result.UtcOffset = OffsetText(m.OffsetHours);
    result.Ephemeris = std::string(EphemerisName(moment.Sky.Ephemeris));
    result.AyanamsaName = std::string(AyanamsaName(moment.Sky.Ayanamsa));
    result.DeltaT = EphemerisOf(moment.Sky.Ephemeris).DeltaTSeconds(m.JulianDayUT);
    if (!zone.empty()) {
        result.Zone = zone;
    }
    return result;
}

std::vector<AlmanacEntry> ComputeAlmanac(const Invocation& almanac) {
    MomentArguments place = almanac.Moment;
    place.Year = almanac.From.Year;
    place.Month = almanac.From.Month;
    place.Day = almanac.From.Day;
    const CivilDateRange dates = {{almanac.From.Year, almanac.From.Month, almanac.From.Day},
                                  {almanac.To.Year, almanac.To.Month, almanac.To.Day}};
    const PlaceAndClock setup = PlaceAndClockOf(place);
    std::vector<AlmanacEntry> entries;
    for (const AlmanacSpan& span : ::ComputeAlmanac(setup.Where, *setup.Clock, dates,
                                                    almanac.AlmanacLimb, almanac.Moment.Sky)) {
        entries.push_back(
            {span.Index, SpanName(almanac.AlmanacLimb, span.Index),
             IsoTime(span.BeginCivil(), ClockRounding::UpToSecond, span.BeginOffsetHours),
             IsoTime(span.EndCivil(), ClockRounding::UpToSecond, span.EndOffsetHours),
             std::string(DefinitionOf(almanac.AlmanacLimb).Name)});
    }
    return entries;
}

} // namespace tithi_cli
