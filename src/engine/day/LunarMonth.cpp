// SPDX-License-Identifier: MIT
// The lunar months from the Sun's sidereal sign at each new moon.
#include "engine/day/LunarMonth.h"

#include "engine/base/Angles.h"
#include "engine/limbs/Elongation.h"
#include "engine/limbs/Limbs.h"
#include "engine/sky/Ayanamsa.h"
#include "engine/sky/Nutation.h"
#include "engine/sky/Sun.h"
#include "engine/time/TimeScales.h"

#include <cmath>
#include <iterator>

namespace {

// The mean new moon of lunation 0 and the mean synodic month, days.
constexpr double FirstMeanNewMoon = 2451550.09766;
constexpr double SynodicMonth = 29.530588861;

// One periodic term of the new moon: Coef x E^Eccentricity x sin(M M + Mp M' + F F + Om Omega),
// in days, with M the Sun's mean anomaly, M' the Moon's, F its argument of latitude and Omega the
// longitude of its ascending node at the mean new moon.
struct NewMoonTerm {
    double Coef;
    int Eccentricity;
    int M, Mp, F, Om;
};

// Meeus, Astronomical Algorithms, chapter 49: the new moon's corrections, in his order.
constexpr NewMoonTerm NewMoonTerms[] = {
    // {Coef (days), E power, M, M', F, Omega}
    // 0
    {-0.40720, 0, 0, 1, 0, 0},
    {0.17241, 1, 1, 0, 0, 0},
    {0.01608, 0, 0, 2, 0, 0},
    {0.01039, 0, 0, 0, 2, 0},
    {0.00739, 1, -1, 1, 0, 0},
    {-0.00514, 1, 1, 1, 0, 0},
    {0.00208, 2, 2, 0, 0, 0},
    {-0.00111, 0, 0, 1, -2, 0},
    {-0.00057, 0, 0, 1, 2, 0},
    {0.00056, 1, 1, 2, 0, 0},
    // 10
    {-0.00042, 0, 0, 3, 0, 0},
    {0.00042, 1, 1, 0, 2, 0},
    {0.00038, 1, 1, 0, -2, 0},
    {-0.00024, 1, -1, 2, 0, 0},
    {-0.00017, 0, 0, 0, 0, 1},
    {-0.00007, 0, 2, 1, 0, 0},
    {0.00004, 0, 0, 2, -2, 0},
    {0.00004, 0, 3, 0, 0, 0},
    {0.00003, 0, 1, 1, -2, 0},
    {0.00003, 0, 0, 2, 2, 0},
    // 20
    {-0.00003, 0, 1, 1, 2, 0},
    {0.00003, 0, -1, 1, 2, 0},
    {-0.00002, 0, -1, 1, -2, 0},
    {-0.00002, 0, 1, 3, 0, 0},
    {0.00002, 0, 0, 4, 0, 0},
};
static_assert(std::size(NewMoonTerms) == 25);

// The planetary arguments of the phases: Coef x sin(Phase + Rate k + Square T^2), days.
struct PlanetaryPhaseTerm {
    double Coef;
    double Phase, Rate, Square; // degrees
};

constexpr PlanetaryPhaseTerm PlanetaryPhaseTerms[] = {
    // 0
    {0.000325, 299.77, 0.107408, -0.009173},
    {0.000165, 251.88, 0.016321, 0},
    {0.000164, 251.83, 26.651886, 0},
    {0.000126, 349.42, 36.412478, 0},
    {0.000110, 84.66, 18.206239, 0},
    {0.000062, 141.74, 53.303771, 0},
    {0.000060, 207.14, 2.453732, 0},
    {0.000056, 154.84, 7.306860, 0},
    {0.000047, 34.52, 27.261239, 0},
    {0.000042, 207.19, 0.121824, 0},
    // 10
    {0.000040, 291.34, 1.844379, 0},
    {0.000037, 161.72, 24.198154, 0},
    {0.000035, 239.56, 25.513099, 0},
    {0.000023, 331.55, 3.592518, 0},
};
static_assert(std::size(PlanetaryPhaseTerms) == 14);

// Where the Sun's sidereal longitude at the predicted new moon lies this close to a sign's
// boundary (degrees: the Sun's motion in half an hour, many times the prediction's error), the
// new moon is searched on the theories instead.
constexpr double SignMargin = 0.02;

int SignOf(double siderealLongitude) {
    const int sign = static_cast<int>(std::floor(siderealLongitude / 30));
    return sign >= 0 && sign < 12 ? sign : 0;
}

// The month a lunation is named for, from the Sun's sign at its new moon: Mina names Chaitra,
// Mesha Vaishakha, ... Kumbha Phalguna.
int MonthOfSign(int sign) {
    return (sign + 1) % 12;
}

} // namespace

double PredictedNewMoon(int lunation) {
    const double k = lunation;
    const double t = k / 1236.85; // Julian centuries from J2000
    const double t2 = t * t, t3 = t2 * t, t4 = t3 * t;
    const double mean = FirstMeanNewMoon + SynodicMonth * k + 0.00015437 * t2 - 0.000000150 * t3 +
                        0.00000000073 * t4;
    const double e = 1 - 0.002516 * t - 0.0000074 * t2;
    const double m = 2.5534 + 29.10535670 * k - 0.0000014 * t2 - 0.00000011 * t3;
    const double mp =
        201.5643 + 385.81693528 * k + 0.0107582 * t2 + 0.00001238 * t3 - 0.000000058 * t4;
    const double f =
        160.7108 + 390.67050284 * k - 0.0016118 * t2 - 0.00000227 * t3 + 0.000000011 * t4;
    const double om = 124.7746 - 1.56375588 * k + 0.0020672 * t2 + 0.00000215 * t3;

    double correction = 0;
    for (const NewMoonTerm& term : NewMoonTerms) {
        const double factor = term.Eccentricity == 0 ? 1 : term.Eccentricity == 1 ? e : e * e;
        correction +=
            term.Coef * factor *
            SinDeg(Normalize0To360(term.M * m + term.Mp * mp + term.F * f + term.Om * om));
    }
    for (const PlanetaryPhaseTerm& term : PlanetaryPhaseTerms) {
        correction +=
            term.Coef * SinDeg(Normalize0To360(term.Phase + term.Rate * k + term.Square * t2));
    }
    return mean + correction;
}

double NewMoonOf(int lunation, const SkyChoice& sky) {
    const double predicted = PredictedNewMoon(lunation);
    const GrowingAngle& elongation = DefinitionOf(Limb::Tithi).Angle;
    return FindCrossing(elongation, 0, predicted, elongation.At(predicted, sky),
                        elongation.MeanRate, sky)
        .Jde;
}

int LunationAt(double jde, double elongation) {
    // The new moon lies about elongation / rate back; the lunations lie a month apart, so the
    // nearest predicted one is the one.
    const double newMoon = jde - elongation / MeanElongationRate;
    return static_cast<int>(std::lround((newMoon - FirstMeanNewMoon) / SynodicMonth));
}

int LunationSigns::SunSignAtNewMoon(int lunation) {
    for (const auto& [known, sign] : known_) {
        if (known == lunation) {
            return sign;
        }
    }
    const double predicted = PredictedNewMoon(lunation);
    double sun = SunSiderealLongitude(predicted, sky_);
    const double fromBoundary = sun - 30 * std::round(sun / 30);
    if (std::fabs(fromBoundary) < SignMargin) {
        sun = SunSiderealLongitude(NewMoonOf(lunation, sky_), sky_);
    }
    const int sign = SignOf(sun);
    known_.emplace_back(lunation, sign);
    return sign;
}

MonthAndYears LunarMonthAt(double jde, double elongation, LunationSigns& signs) {
    MonthAndYears result;
    if (!(elongation >= 0 && elongation < 360) || !std::isfinite(jde)) {
        return result;
    }
    const int k = LunationAt(jde, elongation);
    result.Lunation = k;
    const int sign = signs.SunSignAtNewMoon(k);
    const int nextSign = signs.SunSignAtNewMoon(k + 1);
    const int advance = (nextSign - sign + 12) % 12; // signs the Sun enters within the lunation

    LunarMonth& amanta = result.Amanta;
    amanta.Index = MonthOfSign(sign);
    amanta.Adhika = advance == 0;
    amanta.KshayaIndex = advance == 2 ? MonthOfSign(sign + 1) : -1;

    // The dark fortnight of a purnimanta month is the one before its new moon, named for the
    // month that follows; an adhika month is kept whole.
    if (elongation < 180 || amanta.Adhika) {
        result.Purnimanta = amanta;
    } else {
        result.Purnimanta.Index = MonthOfSign(nextSign);
        result.Purnimanta.KshayaIndex = amanta.KshayaIndex;
    }

    // Back to the Chaitra that began the year: a month of lunations a name, give or take the one
    // an adhika or kshaya month adds or takes, lands in February to May of its year.
    const double yearBegan = PredictedNewMoon(k) - amanta.Index * SynodicMonth;
    const int year = static_cast<int>(CalendarDateOfJulianDay(yearBegan).Year);
    result.Vikram = year + 57;
    result.Shaka = year - 78;
    return result;
}
