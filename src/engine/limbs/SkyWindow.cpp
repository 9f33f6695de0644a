// SPDX-License-Identifier: MIT
// The Sun and the Moon over a few days as Chebyshev series.
#include "engine/limbs/SkyWindow.h"

#include "engine/sky/Ayanamsa.h"
#include "engine/sky/Moon.h"
#include "engine/sky/Nutation.h"
#include "engine/sky/Sun.h"

#include <array>
#include <cmath>

namespace {

// A longitude of 0 ... 360 continued from the previous one, so that it keeps growing.
double ContinuedFrom(double previous, double longitude) {
    return longitude + 360 * std::round((previous - longitude) / 360);
}

} // namespace

SkyWindow::SkyWindow(double fromJde, double toJde, const SkyChoice& choice)
    : ephemeris_(&EphemerisOf(choice.Ephemeris)), from_(fromJde), to_(toJde), choice_(choice) {
    std::array<double, Nodes> moon{}, sun{}, nutation{};
    // In the order of time (the last node first), so that each longitude continues the one
    // before it: the nodes lie under half a day apart, the Moon moves under 8 degrees.
    for (int k = Nodes - 1; k >= 0; --k) {
        const auto i = static_cast<std::size_t>(k);
        const double jde = ChebyshevSeries::NodeOf(k, Nodes, from_, to_);
        const SkyLongitudes sky = ephemeris_->LongitudesAt(jde);
        nutation[i] = sky.Nutation;
        moon[i] = sky.Moon;
        sun[i] = sky.Sun;
        if (k < Nodes - 1) {
            moon[i] = ContinuedFrom(moon[i + 1], moon[i]);
            sun[i] = ContinuedFrom(sun[i + 1], sun[i]);
        }
    }
    moon_ = ChebyshevSeries(moon.data(), Nodes, from_, to_);
    sun_ = ChebyshevSeries(sun.data(), Nodes, from_, to_);
    nutation_ = ChebyshevSeries(nutation.data(), Nodes, from_, to_);
}

void SkyWindow::AddMoonPlace(double fromJde, double toJde) {
    std::array<double, MoonPlaceNodes> latitude{}, distance{};
    for (int k = 0; k < MoonPlaceNodes; ++k) {
        const MoonLatitudeDistance place =
            ephemeris_->MoonPlace(ChebyshevSeries::NodeOf(k, MoonPlaceNodes, fromJde, toJde));
        latitude[static_cast<std::size_t>(k)] = place.Latitude;
        distance[static_cast<std::size_t>(k)] = place.DistanceKm;
    }
    latitude_ = ChebyshevSeries(latitude.data(), MoonPlaceNodes, fromJde, toJde);
    distance_ = ChebyshevSeries(distance.data(), MoonPlaceNodes, fromJde, toJde);
    withMoonPlace_ = true;
    placeFrom_ = fromJde;
    placeTo_ = toJde;
}

MoonLatitudeDistance SkyWindow::MoonPlace(double jde) const {
    if (!withMoonPlace_) {
        return {};
    }
    return {latitude_.ValueAt(jde), distance_.ValueAt(jde)};
}

double SkyWindow::LimbAngle(Limb limb, double jde) const {
    switch (limb) {
    case Limb::Tithi:
    case Limb::Karana:
        return moon_.ValueAt(jde) - sun_.ValueAt(jde);
    case Limb::Nakshatra:
        return moon_.ValueAt(jde) - (MeanAyanamsa(choice_, jde) + nutation_.ValueAt(jde));
    case Limb::Yoga:
        return moon_.ValueAt(jde) + sun_.ValueAt(jde) -
               2 * (MeanAyanamsa(choice_, jde) + nutation_.ValueAt(jde));
    }
    return 0;
}

double SkyWindow::LimbRate(Limb limb, double jde) const {
    // The ayanamsa's own growth, under a millionth of the Moon's, is left out: the rate only
    // steers the searches.
    switch (limb) {
    case Limb::Tithi:
    case Limb::Karana:
        return moon_.SlopeAt(jde) - sun_.SlopeAt(jde);
    case Limb::Nakshatra:
        return moon_.SlopeAt(jde) - nutation_.SlopeAt(jde);
    case Limb::Yoga:
        return moon_.SlopeAt(jde) + sun_.SlopeAt(jde) - 2 * nutation_.SlopeAt(jde);
    }
    return 0;
}

double SkyWindow::WhenLimbReaches(Limb limb, double value, double guess) const {
    // The series are cheap: a few Newton steps bring the instant to well under a microsecond of
    // the series' own.
    double jde = guess;
    for (int step = 0; step < 8; ++step) {
        const double rate = LimbRate(limb, jde);
        if (!(rate > 0)) {
            break;
        }
        const double move = (value - LimbAngle(limb, jde)) / rate;
        // The series hold only within the window; beyond it the caller searches on the theories.
        jde = std::fmin(std::fmax(jde + move, from_), to_);
        if (!(std::fabs(move) > 1e-11)) {
            break;
        }
    }
    return jde;
}
