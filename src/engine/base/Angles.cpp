// SPDX-License-Identifier: MIT
// Reductions of angles in degrees.
#include "engine/base/Angles.h"

#include <cstdint>

double Normalize360(double angle) {
    if (angle >= 0 && angle <= 360) {
        return angle; // also keeps -0.0, as the repeated steps would
    }
    if (!std::isfinite(angle)) {
        return std::nan("");
    }
    // Below 2^53 every addition or subtraction of 360 is exact, so the repeated steps land on the
    // exact remainder; only the last addition to a negative angle rounds. rest is that remainder,
    // with the sign of angle and below 360 in size.
    double rest = 0;
    if (std::fabs(angle) < 0x1p52) {
        // Whole turns, perhaps one too many when the quotient rounds up to a whole number; the
        // product and the differences below are exact.
        const double turns = static_cast<double>(static_cast<std::int64_t>(angle / 360));
        rest = angle - turns * 360;
        if (angle > 0 && rest < 0) {
            rest = rest + 360;
        } else if (angle < 0 && rest > 0) {
            rest = rest - 360;
        }
    } else {
        rest = std::fmod(angle, 360.0); // exact
    }
    if (angle > 360) {
        return rest == 0 ? 360.0 : rest;
    }
    return rest == 0 ? 0.0 : rest + 360;
}

double Normalize0To360(double degrees) {
    const double x = std::fmod(degrees, 360.0);
    return x < 0 ? x + 360 : x;
}

double Signed180(double degrees) {
    double x = std::fmod(degrees, 360.0);
    if (x > 180) {
        x -= 360;
    } else if (x <= -180) {
        x += 360;
    }
    return x;
}
