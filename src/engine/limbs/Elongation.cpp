// SPDX-License-Identifier: MIT
// The Moon's elongation from the Sun, from the two apparent longitudes of an ephemeris.
#include "engine/limbs/Elongation.h"

#include <cmath>

TithiStep TithiOfLongitudes(double moon, double sun) {
    if (moon < sun) {
        moon = moon + 360;
    }
    TithiStep step;
    step.Elongation = moon - sun;
    if (step.Elongation >= 360) {
        // Only 360 itself reaches here: a full turn is the conjunction, where the first tithi
        // of the bright fortnight begins.
        step.Elongation = 0;
    }
    const double steps = std::floor(step.Elongation / 12);
    // Longitudes outside 0 ... 360 (or not numbers) have no tithi: -1, which no report shows.
    step.Index = steps >= 0 && steps < 30 ? static_cast<int>(steps) : -1;
    return step;
}

TithiStep TithiAt(double jde, const Ephemeris& ephemeris) {
    // As the driver: the nutation once for both theories, the Moon first.
    const SkyLongitudes sky = ephemeris.LongitudesAt(jde);
    return TithiOfLongitudes(sky.Moon, sky.Sun);
}
