// SPDX-License-Identifier: MIT
// The Lahiri ayanamsa and sidereal longitudes.
#include "engine/sky/Ayanamsa.h"

#include "engine/base/Angles.h"
#include "engine/sky/Moon.h"
#include "engine/sky/Nutation.h"
#include "engine/sky/Sun.h"

namespace {

// The Committee's epoch, 1956 March 21.0, and its true ayanamsa less the nutation in longitude
// then: the mean ayanamsa of the epoch, in seconds of arc.
constexpr double CommitteeEpoch = 2435553.5;
constexpr double CommitteeTrueAyanamsa = (23 * 60 + 15) * 60.0; // 23 deg 15' 00"
constexpr double CommitteeNutation = 16.777;
constexpr double EpochMeanAyanamsa = CommitteeTrueAyanamsa - CommitteeNutation;

// The general precession in longitude from J2000 (Capitaine et al. 2003, adopted by the IAU in
// 2006), seconds of arc.
//   t  Julian centuries from J2000, Terrestrial Time
double GeneralPrecession(double t) {
    return ((((-0.0000000383 * t - 0.000023857) * t + 0.00007964) * t + 1.1054348) * t +
            5028.796195) *
           t;
}

} // namespace

double LahiriAyanamsa(double jde) {
    const double seconds = EpochMeanAyanamsa + GeneralPrecession(CenturiesFromJ2000(jde)) -
                           GeneralPrecession(CenturiesFromJ2000(CommitteeEpoch));
    return seconds / 3600;
}

double SiderealLongitude(double apparentLongitude, double ayanamsa, double nutationInLongitude) {
    const double sidereal = Normalize0To360(apparentLongitude - (ayanamsa + nutationInLongitude));
    return sidereal >= 360 ? 0 : sidereal; // a hair below 0 rounds up to a full turn
}

SiderealPlaces SiderealPlacesAt(double jde, const Ephemeris& ephemeris) {
    const SkyLongitudes sky = ephemeris.LongitudesAt(jde);
    const double ayanamsa = LahiriAyanamsa(jde);
    return {SiderealLongitude(sky.Moon, ayanamsa, sky.Nutation),
            SiderealLongitude(sky.Sun, ayanamsa, sky.Nutation)};
}
