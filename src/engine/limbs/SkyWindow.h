// SPDX-License-Identifier: MIT
// A few days of the sky: the Moon's and the Sun's apparent longitudes, the nutation and the Moon's
// latitude and distance, each a Chebyshev series fitted to the theories at a handful of instants.
// Between them it stands in for the theories, so that a day's many crossings and risings cost a
// few evaluations instead of many; every crossing it predicts is then settled on the theories.
#pragma once

#include "engine/base/Chebyshev.h"
#include "engine/limbs/Limbs.h"
#include "engine/sky/MoonLatitude.h"

class SkyWindow {
public:
    // Instants at which the theories are evaluated. Over four days the longitudes come within
    // about 2e-8 degree of the theories (see SkyTests). The Moon's latitude and distance, which
    // only its risings need, are fitted over the date of the risings alone, where four instants
    // bring them within about 2e-5 degree (0.07") and 0.1 km.
    static constexpr int Nodes = 9;
    static constexpr int MoonPlaceNodes = 4;

    // The sky between two instants (Julian days, Terrestrial Time), no more than four days apart,
    // by a choice of ephemeris and ayanamsa.
    SkyWindow(double fromJde, double toJde, const SkyChoice& choice);

    // AddMoonPlace: the Moon's latitude and distance between two instants (TT) within the window,
    // no more than a day and a half apart.
    void AddMoonPlace(double fromJde, double toJde);
    bool HoldsMoonPlace(double fromJde, double toJde) const {
        return withMoonPlace_ && fromJde >= placeFrom_ && toJde <= placeTo_;
    }

    double FromJde() const { return from_; }
    double ToJde() const { return to_; }
    bool Holds(double jde) const { return jde >= from_ && jde <= to_; }
    const SkyChoice& Choice() const { return choice_; }
    const Ephemeris& Theories() const { return *ephemeris_; }

    // The apparent longitudes, degrees, counted on through the turns from the first instant (so
    // that they only grow), and the nutation in longitude, degrees.
    double MoonLongitude(double jde) const { return moon_.ValueAt(jde); }
    double SunLongitude(double jde) const { return sun_.ValueAt(jde); }
    double Nutation(double jde) const { return nutation_.ValueAt(jde); }

    // The Moon's latitude (degrees) and distance (km), within the interval of AddMoonPlace; zero
    // without it.
    MoonLatitudeDistance MoonPlace(double jde) const;

    // The angle of a limb counted on through the turns, degrees, and its rate, degrees a day.
    double LimbAngle(Limb limb, double jde) const;
    double LimbRate(Limb limb, double jde) const;

    // WhenLimbReaches: when a limb's counted angle reaches a value (as LimbAngle counts it),
    // by Newton's method on the series from a first guess.
    //   value  degrees; guess  Julian day, Terrestrial Time
    // Returns the Julian day (TT), held within the window: where the value lies beyond it, the
    // window's nearer end, from which a search on the theories goes on.
    double WhenLimbReaches(Limb limb, double value, double guess) const;

private:
    const Ephemeris* ephemeris_;
    double from_, to_;
    SkyChoice choice_;
    bool withMoonPlace_ = false;
    double placeFrom_ = 0, placeTo_ = 0;
    ChebyshevSeries moon_, sun_, nutation_, latitude_, distance_;
};
