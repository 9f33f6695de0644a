// SPDX-License-Identifier: MIT
// One reading of a place and a moment: the boxes' ranges, the angles of the command line, the
// hemisphere rule through the moment's preparation, and the clock's skipped and repeated readings.
#include "engine/input/PlaceReading.h"

#include "engine/input/NumericText.h"
#include "engine/report/PrepareMoment.h"
#include "engine/time/TimeScales.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <system_error>

namespace {

std::string_view Trimmed(std::string_view text) {
    constexpr std::string_view blanks = " \t\r\n\v\f";
    const auto first = text.find_first_not_of(blanks);
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(blanks) - first + 1);
}

// Decimal degrees: one to three digits, a point and one to twelve digits ("77.2090"); with
// `pointNeeded` false, whole degrees too. Read without the locale's help.
std::optional<double> DecimalDegrees(std::string_view text, bool pointNeeded) {
    const TextSplit parts = SplitAt(text, '.');
    if ((pointNeeded && !parts.HasTail) || !IsDigits(parts.Head, 3) ||
        (parts.HasTail && !IsDigits(parts.Tail, 12)))
        return std::nullopt;
    double value = 0;
    const auto read = std::from_chars(text.data(), text.data() + text.size(), value);
    if (read.ec != std::errc() || read.ptr != text.data() + text.size())
        return std::nullopt;
    return value;
}

// Signed decimal degrees, the first direction positive, to the nearest minute beside them.
std::variant<AngleReading, AngleRefusal> DecimalAngle(double signedDegrees, int mostDegrees) {
    if (std::fabs(signedDegrees) > mostDegrees)
        return AngleRefusal::BeyondDegrees;
    const long minutes = std::lround(std::fabs(signedDegrees) * 60);
    return AngleReading{static_cast<int>(minutes / 60), static_cast<int>(minutes % 60),
                        std::signbit(signedDegrees), signedDegrees};
}

} // namespace

int MostOf(PlaceInput input) {
    switch (input) {
    case PlaceInput::LonDeg:
        return 180;
    case PlaceInput::LatDeg:
        return 90;
    case PlaceInput::ZoneHour:
        return 23;
    case PlaceInput::LonMin:
    case PlaceInput::LatMin:
    case PlaceInput::ZoneMinute:
        break;
    }
    return 59;
}

double CoordinateOf(int degrees, int minutes, bool westOrSouth) {
    const double magnitude = degrees + minutes / 60.0;
    return westOrSouth ? -magnitude : magnitude;
}

std::optional<PlaceInput> ImpossibleCoordinate(const Place& place) {
    if (!(std::fabs(place.Latitude) <= 90))
        return PlaceInput::LatDeg;
    if (!(std::fabs(place.Longitude) <= 180))
        return PlaceInput::LonDeg;
    return std::nullopt;
}

Place PlaceOfBoxes(int lonDeg, int lonMin, bool lonEast, int latDeg, int latMin, bool latSouth,
                   const std::optional<Place>& exact) {
    if (exact)
        return *exact;
    return {CoordinateOf(lonDeg, lonMin, !lonEast), CoordinateOf(latDeg, latMin, latSouth)};
}

std::variant<FormPlace, PlaceRefusal> ReadPlaceBoxes(const PlaceTexts& texts, bool zoneBoxes,
                                                     const std::optional<Place>& exact) {
    MomentInputs inputs;
    const struct {
        const std::string& Text;
        PlaceInput Input;
        int* Into;
    } boxes[] = {
        {texts.LonDeg, PlaceInput::LonDeg, &inputs.LonDeg},
        {texts.LonMin, PlaceInput::LonMin, &inputs.LonMin},
        {texts.LatDeg, PlaceInput::LatDeg, &inputs.LatDeg},
        {texts.LatMin, PlaceInput::LatMin, &inputs.LatMin},
        {texts.ZoneHour, PlaceInput::ZoneHour, &inputs.ZoneHour},
        {texts.ZoneMinute, PlaceInput::ZoneMinute, &inputs.ZoneMinute},
    };
    for (const auto& box : boxes) {
        const bool zone = box.Input == PlaceInput::ZoneHour || box.Input == PlaceInput::ZoneMinute;
        if (zone && !zoneBoxes)
            continue; // a named zone sets the clock
        const std::string_view text = Trimmed(box.Text);
        if (text.empty())
            return PlaceRefusal{ReadingRefusal::Empty, box.Input};
        const std::optional<std::int16_t> read = TextToInteger16(text);
        if (!read)
            return PlaceRefusal{ReadingRefusal::NotANumber, box.Input};
        // The zone is a magnitude: the sign the zone picker writes ("-5", "-30") is dropped, as
        // the report's copy of the form drops it; its direction follows the longitude.
        const int value = zone ? std::abs(int{*read}) : int{*read};
        if (value < 0 || value > MostOf(box.Input))
            return PlaceRefusal{ReadingRefusal::BeyondRange, box.Input};
        *box.Into = value;
    }
    inputs.LonEast = texts.LonEast;
    inputs.LatSouth = texts.LatSouth;
    inputs.Dst = texts.Dst && zoneBoxes;
    // The form's own flow: the degrees and the zone into the record, then the place and the
    // clock by the hemisphere rule.
    CalculationRecord record;
    PrepareMomentOf(record, inputs);
    const Place where = exact ? *exact : PlaceOfRecord(record);
    if (const std::optional<PlaceInput> beyond = ImpossibleCoordinate(where))
        return PlaceRefusal{ReadingRefusal::ImpossiblePlace, *beyond};
    return FormPlace{where, ClockOfRecord(record)};
}

std::variant<AngleReading, AngleRefusal> ReadAngle(std::string_view text, char first, char second,
                                                   int mostDegrees) {
    if (text.empty())
        return AngleRefusal::Shape;
    // Signed decimal degrees, the first direction positive: -74.006, +77.2.
    if (text.front() == '-' || text.front() == '+') {
        const std::optional<double> degrees = DecimalDegrees(text.substr(1), false);
        if (!degrees)
            return AngleRefusal::Shape;
        return DecimalAngle(text.front() == '-' ? -*degrees : *degrees, mostDegrees);
    }
    if (const std::optional<double> degrees = DecimalDegrees(text, true))
        return DecimalAngle(*degrees, mostDegrees);
    const char letter = static_cast<char>(
        text.back() >= 'a' && text.back() <= 'z' ? text.back() - 'a' + 'A' : text.back());
    if (letter != first && letter != second)
        return AngleRefusal::Shape;
    // Decimal degrees and a letter: 77.2090E.
    if (const std::optional<double> degrees = DecimalDegrees(text.substr(0, text.size() - 1), true))
        return DecimalAngle(letter == second ? -*degrees : *degrees, mostDegrees);
    const TextSplit parts = SplitAt(text.substr(0, text.size() - 1), ':');
    const auto degrees = DigitsValue(parts.Head, 3);
    const auto minutes = parts.HasTail ? DigitsValue(parts.Tail, 2) : std::optional<int>{0};
    if (!degrees || !minutes)
        return AngleRefusal::Shape;
    if (*minutes > 59)
        return AngleRefusal::Minutes;
    if (*degrees > mostDegrees || (*degrees == mostDegrees && *minutes > 0))
        return AngleRefusal::BeyondDegrees;
    return AngleReading{*degrees, *minutes, letter == second, std::nullopt};
}

double ClockEntry::CivilJd() const {
    return JulianDayOfDate(Date.Month, Date.Day, Date.Year) + LocalHours() / 24;
}

std::optional<double> ClockEntryReading::OffsetHours(ReadingTaken taken) const {
    switch (Resolved.Kind) {
    case ClockReadingKind::Unique:
        if (taken == ReadingTaken::Only)
            return Resolved.OffsetHours;
        break;
    case ClockReadingKind::Overlap:
        if (taken == ReadingTaken::First)
            return Resolved.OffsetHours;
        if (taken == ReadingTaken::Second)
            return Resolved.LaterOffsetHours;
        break;
    case ClockReadingKind::Gap:
        break;
    }
    return std::nullopt;
}

ClockEntryReading ReadClockEntry(const CivilClock& clock, const ClockEntry& entry) {
    return {ResolveReading(clock, entry.CivilJd())};
}

ClockReading ReadingAfterSkip(const ClockEntryReading& reading, const ClockEntry& entry) {
    const double moment = entry.CivilJd() - reading.Resolved.OffsetBefore / 24;
    return ReadClock(moment + reading.Resolved.OffsetAfter / 24, ClockRounding::NearestMinute);
}

ChangeSides SidesOfChange(const ResolvedReading& resolved) {
    // The change is found to about a second; the clocks change on a whole second.
    const double change = std::round(resolved.ChangeJd * 86400) / 86400;
    const double before = change + resolved.OffsetBefore / 24;
    ChangeSides sides;
    sides.Before = ReadClock(before, ClockRounding::NearestMinute);
    sides.After = ReadClock(change + resolved.OffsetAfter / 24, ClockRounding::NearestMinute);
    const ClockReading& b = sides.Before;
    const ClockReading& a = sides.After;
    sides.Dated = b.Year != a.Year || b.Month != a.Month || b.Day != a.Day;
    if (sides.Dated && b.Hour == 0 && b.Minute == 0) {
        // A change at midnight ends the date before it at 24:00.
        sides.Before = ReadClock(before - 0.5, ClockRounding::NearestMinute);
        sides.Before.Hour = 24;
    }
    return sides;
}
