// A few days of the sky: the Moon's and the Sun's apparent longitudes, the nutation and the Moon's
// latitude and distance, each a Chebyshev series fitted to the theories at a handful of instants.
// Between them it stands in for the theories, so that a day's many crossings and risings cost a
// few evaluations instead of many; every crossing it predicts is then settled on the theories.
#pragma once

#include "engine/Chebyshev.h"
#include "engine/Limbs.h"
#include "engine/MoonLatitude.h"

class SkyWindow {
public:
    // Instants at which the theories are evaluated. Over four days the longitudes come within
    // about 1e-8 degree of the theories, the Moon's latitude within 1e-5 degree and its distance
    // within 0.1 km (see SkyWindowTests): the Moon's latitude and distance, which only the
    // risings need, change slowly enough for fewer.
    static constexpr int Nodes = 10;
    static constexpr int MoonPlaceNodes = 6;

    // The sky between two instants (Julian days, Terrestrial Time), no more than a few days
    // apart; withMoonPlace adds the Moon's latitude and distance (for its risings).
    SkyWindow(double fromJde, double toJde, bool withMoonPlace);

    double FromJde() const { return from_; }
    double ToJde() const { return to_; }
    bool Holds(double jde) const { return jde >= from_ && jde <= to_; }

    // The apparent longitudes, degrees, counted on through the turns from the first instant (so
    // that they only grow), and the nutation in longitude, degrees.
    double MoonLongitude(double jde) const { return moon_.ValueAt(jde); }
    double SunLongitude(double jde) const { return sun_.ValueAt(jde); }
    double Nutation(double jde) const { return nutation_.ValueAt(jde); }

    // The Moon's latitude (degrees) and distance (km); zero without withMoonPlace.
    MoonLatitudeDistance MoonPlace(double jde) const;

    // The angle of a limb counted on through the turns, degrees, and its rate, degrees a day.
    double LimbAngle(Limb limb, double jde) const;
    double LimbRate(Limb limb, double jde) const;

    // WhenLimbReaches: when a limb's counted angle reaches a value (as LimbAngle counts it),
    // by Newton's method on the series from a first guess.
    //   value  degrees; guess  Julian day, Terrestrial Time
    // Returns the Julian day (TT); it may lie outside the window where the value does.
    double WhenLimbReaches(Limb limb, double value, double guess) const;

private:
    double from_, to_;
    bool withMoonPlace_;
    ChebyshevSeries moon_, sun_, nutation_, latitude_, distance_;
};
