// SPDX-License-Identifier: MIT
// Moment and place preparation: the working values of the moment from the record's inputs.
#include "engine/report/PrepareMoment.h"

void PrepareMoment(CalculationRecord& rec) {
    rec.DegToRad = DegToRadFactor;
    rec.RadToDeg = RadToDegFactor;

    rec.DateMonth = rec.BirthMonth;
    rec.DateDay = rec.BirthDay;
    rec.DateYear = rec.BirthYear;

    rec.LocalHours = rec.BirthHour + rec.BirthMinute / 60.0;
    rec.ZoneHours = rec.ZoneHour + rec.ZoneMinute / 60.0;

    rec.Longitude = rec.LonDeg + rec.LonMin / 60.0;
    if (rec.LonEast != FlagFalse) {
        rec.Longitude = -rec.Longitude;
    }

    // The zone is a magnitude; daylight saving moves it by the hemisphere rule.
    if (rec.DstFlag != FlagFalse) {
        rec.ZoneHours = ZoneHoursWithDaylightSaving(rec.ZoneHours, rec.Longitude);
    }
}

void PrepareMomentOf(CalculationRecord& rec, const MomentInputs& inputs) {
    rec.BirthYear = static_cast<std::int16_t>(inputs.Year);
    rec.BirthMonth = static_cast<std::int16_t>(inputs.Month);
    rec.BirthDay = static_cast<std::int16_t>(inputs.Day);
    rec.BirthHour = static_cast<std::int16_t>(inputs.Hour);
    rec.BirthMinute = static_cast<std::int16_t>(inputs.Minute);
    rec.ZoneHour = static_cast<std::int16_t>(inputs.ZoneHour);
    rec.ZoneMinute = static_cast<std::int16_t>(inputs.ZoneMinute);
    rec.LonDeg = static_cast<std::int16_t>(inputs.LonDeg);
    rec.LonMin = static_cast<std::int16_t>(inputs.LonMin);
    rec.LatDeg = static_cast<std::int16_t>(inputs.LatDeg);
    rec.LatMin = static_cast<std::int16_t>(inputs.LatMin);
    rec.LonEast = ToFlag(inputs.LonEast);
    rec.LatSouth = ToFlag(inputs.LatSouth);
    rec.DstFlag = ToFlag(inputs.Dst);
    PrepareMoment(rec);
}

double SignedLatitude(const CalculationRecord& rec) {
    const double latitude = rec.LatDeg + rec.LatMin / 60.0;
    return rec.LatSouth != FlagFalse ? -latitude : latitude;
}

Place PlaceOfRecord(const CalculationRecord& rec) {
    return PlaceOfRecordValues(rec.Longitude, SignedLatitude(rec));
}

double ClockOffsetHours(const CalculationRecord& rec) {
    return ClockOffsetHours(rec.ZoneHours, rec.Longitude);
}

FixedOffsetClock ClockOfRecord(const CalculationRecord& rec) {
    return FixedOffsetClock(ClockOffsetHours(rec), rec.DstFlag != FlagFalse);
}
