// SPDX-License-Identifier: MIT
// What kestrava-tithi reports, computed through the engine: the tithi of one moment with its
// begin and end, sunrise and karana, and the tithis of an almanac.
#pragma once

#include "DayFields.h"
#include "Options.h"

#include "engine/base/Place.h"
#include "engine/report/TithiReport.h"
#include "engine/time/CivilClock.h"

#include <memory>
#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace tithi_cli {

// What the tool reports for one moment.
struct TithiResult {
    int Index{};
    TithiReportTexts Texts; // number, name, phase, lord, group, features, nature, type, paragraph
    double Moon{};          // degrees
    double Sun{};           // degrees
    double Elongation{};    // degrees
    double Jde{};           // Julian day, Terrestrial Time

    // When the tithi began and when it ends, ISO 8601 on the place's clock with its offset
    // ("2024-01-11T17:27:03+05:30"): the first whole second of each tithi.
    std::string Begins, Ends;
    // The sunrise of the date (to the nearest second) and the tithi then ("Amavasya"); nothing
    // where the Sun does not rise that date or no latitude was given, and SunriseNote says why.
    std::optional<std::string> Sunrise, SunriseTithi;
    int SunriseTithiIndex{-1}; // the tithi at sunrise, 0 ... 29; -1 where there is none
    std::string SunriseNote;
    std::string Karana; // the half-tithi of the moment

    // The day's panchanga at the moment.
    std::string Vara;         // "Guruvara": the weekday reckoned from sunrise to sunrise
    bool VaraBeforeSunrise{}; // the moment comes before its date's sunrise
    struct Span {
        int Index{-1};
        std::string Name;
        std::string Begins, Ends; // as Begins and Ends above
    };
    Span Nakshatra, Yoga;
    int NakshatraPada{};
    std::string NakshatraLord;
    std::string KaranaBegins, KaranaEnds;
    // The date's sunset, moonrise and moonset to the nearest second; nothing where there is
    // none that date (or no latitude was given).
    std::optional<std::string> Sunset, Moonrise, Moonset;
    std::string MasaAmanta, MasaPurnimanta; // the month in both reckonings
    bool Adhika{};                          // the amanta month is adhika (a leap month)
    int Vikram{}, Shaka{};                  // the era years
    double Ayanamsa{};                      // the chosen ayanamsa (ShownAyanamsa), degrees
    DayFields Day; // the periods of the date's day, the signs, the Moon's phase, the years

    std::optional<std::string> Zone; // the named zone; nothing for a typed --zone
    std::string UtcOffset;           // the clock's offset at the moment, "+05:30"
    std::string Ephemeris;           // "modern" or "classical": what the times are found on
    std::string AyanamsaName;        // "lahiri", "raman", "kp" or "true-chitra"
    double DeltaT{};                 // TT - UT at the moment by that ephemeris, seconds
    // Said on standard error beside the result: which occurrence of a repeated reading was
    // taken.
    std::string Note;
};

// Where and by which clock a moment is read, when it is not the window's typed values alone.
struct PlaceAndClock {
    Place Where;
    std::unique_ptr<CivilClock> Clock;
};

// PlaceAndClockOf: the place of --place, or of --lon and --lat; the zone of --tz, then of a
// typed --zone (by the hemisphere rule at the place's longitude), then of the place.
PlaceAndClock PlaceAndClockOf(const MomentArguments& moment);

// IsoTime: an instant on the place's clock in ISO 8601 with the clock's offset from Universal
// Time: 2024-01-11T17:27:03+05:30.
//   civilJd      Julian day on the place's clock
//   offsetHours  the clock's offset then
std::string IsoTime(double civilJd, ClockRounding rounding, double offsetHours);

// Why a moment has no result, and the exit status that says so.
struct ComputeError {
    std::string Message;
    int Status{};
};

// ComputeResult: the engine's steps for one moment. Typed values go through the window's own
// flow (PrepareMoment, the tithi driver and the report) and its clock by the hemisphere rule; a
// named zone or a place of the directory reads the moment with the offset in force then. Then
// the begin and end of the tithi, the sunrise and the karana. An error for a reading the clocks
// skip (status 2), or where the report has no texts for the index (status 1).
std::variant<TithiResult, ComputeError> ComputeResult(const MomentArguments& moment);

// One span of an almanac.
struct AlmanacEntry {
    int Index{};
    std::string Tithi;         // the span's name: "Shukla Pratipada"; "Rohini" for a nakshatra
    std::string Begins, Ends;  // ISO 8601 on the place's clock, as in TithiResult
    std::string Limb{"tithi"}; // the limb, as --limb names it
};

// ComputeAlmanac: every span of the invocation's limb (the tithi unless --limb names another)
// that begins between the midnight that opens the first date and the midnight that closes the
// last, by the place's clock, with its end.
std::vector<AlmanacEntry> ComputeAlmanac(const Invocation& almanac);

} // namespace tithi_cli
