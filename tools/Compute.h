// What kestrava-tithi reports, computed through the engine: the tithi of one moment with its
// begin and end, sunrise and karana, and the tithis of an almanac.
#pragma once

#include "Options.h"

#include "engine/TithiReport.h"

#include <optional>
#include <string>
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
    std::string SunriseNote;
    std::string Karana; // the half-tithi of the moment
};

// ComputeResult: the engine's steps for one moment (PrepareMoment, the tithi driver and the
// report, the begin and end of the tithi, the sunrise and the karana); nothing when the report
// has no texts for the index.
std::optional<TithiResult> ComputeResult(const MomentArguments& moment);

// One tithi of an almanac.
struct AlmanacEntry {
    int Index{};
    std::string Tithi;        // "Shukla Pratipada"
    std::string Begins, Ends; // ISO 8601 on the place's clock, as in TithiResult
};

// ComputeAlmanac: every tithi that begins between the midnight that opens the first date and
// the midnight that closes the last, by the place's clock, with its end.
std::vector<AlmanacEntry> ComputeAlmanac(const Invocation& almanac);

} // namespace tithi_cli
