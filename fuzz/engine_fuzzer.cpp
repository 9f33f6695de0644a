// Fuzzes the engine with record values the form would never give it: any 16-bit date, time,
// zone and longitude, any flag values, and any finite Julian day for the two theories. The
// engine must answer in bounded time with a tithi index of 0 ... 29, or -1 where the moment
// lies beyond its theories, and a longitude in 0 ... 360 or not a number.
#include "FuzzInput.h"
#include "engine/CalculationRecord.h"
#include "engine/PrepareMoment.h"
#include "engine/Moon.h"
#include "engine/Sun.h"
#include "engine/Tithi.h"
#include "engine/TithiReport.h"

#include <cmath>
#include <cstdlib>

namespace {

bool IsLongitude(double degrees) {
    return std::isnan(degrees) || (degrees >= 0 && degrees <= 360);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzInput input(data, size);

    CalculationRecord record;
    record.BirthMonth = input.Take<std::int16_t>();
    record.BirthDay = input.Take<std::int16_t>();
    record.BirthYear = input.Take<std::int16_t>();
    record.BirthHour = input.Take<std::int16_t>();
    record.BirthMinute = input.Take<std::int16_t>();
    record.ZoneHour = input.Take<std::int16_t>();
    record.ZoneMinute = input.Take<std::int16_t>();
    record.LonDeg = input.Take<std::int16_t>();
    record.LonMin = input.Take<std::int16_t>();
    record.LonEast = input.Take<std::int16_t>();
    record.DstFlag = input.Take<std::int16_t>();
    PrepareMoment(record);
    ComputeTithi(record);
    if (!(record.TithiIndex == -1 || (record.TithiIndex >= 0 && record.TithiIndex <= 29)))
        std::abort();
    (void)MakeTithiReport(record);

    const double jde = input.Take<double>();
    if (std::isfinite(jde)) {
        if (!IsLongitude(MoonLongitude(jde)) || !IsLongitude(SunApparentLongitude(jde)))
            std::abort();
    }
    const double angle = input.Take<double>();
    if (!IsLongitude(Normalize360(angle)))
        std::abort();
    return 0;
}
