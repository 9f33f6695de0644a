// SPDX-License-Identifier: MIT
// The ayanamsas (Lahiri, Raman, Krishnamurti, the true Chitrapaksha from Spica's place) and
// sidereal longitudes.
#include "engine/sky/Ayanamsa.h"

#include "engine/base/Angles.h"
#include "engine/sky/Moon.h"
#include "engine/sky/Nutation.h"
#include "engine/sky/Sun.h"

#include <cmath>

namespace {

// The Committee's epoch, 1956 March 21.0, and its true ayanamsa less the nutation in longitude
// then: the mean ayanamsa of the epoch, in seconds of arc.
constexpr double CommitteeEpoch = 2435553.5;
constexpr double CommitteeTrueAyanamsa = (23 * 60 + 15) * 60.0; // 23 deg 15' 00"
constexpr double CommitteeNutation = 16.777;
constexpr double EpochMeanAyanamsa = CommitteeTrueAyanamsa - CommitteeNutation;

// The Lahiri ayanamsa as the almanacs reckon it today: the Indian Astronomical Ephemeris (1989)
// restated the Committee's value as 23 deg 15' 00.658" for the same epoch, and the Swiss
// Ephemeris 2.10 reads it as a mean ayanamsa of 23.245560955 deg there (SE_SIDM_LAHIRI without
// nutation), 0.80" above the Committee's round figure. The modern ephemeris takes this value; the
// classical one keeps the Committee's, so that its times stay as they have always been.
constexpr double RestatedEpochMeanAyanamsa = 23.245560955 * 3600;

// The general precession in longitude from J2000 (Capitaine et al. 2003, adopted by the IAU in
// 2006), seconds of arc.
//   t  Julian centuries from J2000, Terrestrial Time
double GeneralPrecession(double t) {
    return ((((-0.0000000383 * t - 0.000023857) * t + 0.00007964) * t + 1.1054348) * t +
            5028.796195) *
           t;
}

// Raman's and Krishnamurti's mean ayanamsas at 1900 January 0.5 (JD 2415020.0), degrees, as the
// Swiss Ephemeris 2.10 gives them (SE_SIDM_RAMAN, SE_SIDM_KRISHNAMURTI, without nutation): Raman
// about 1 deg 26' 47" below Lahiri, KP about 5' 49" below it, as their tables print them.
constexpr double Epoch1900 = 2415020.0;
constexpr double RamanAt1900 = 21.014210013;
constexpr double KrishnamurtiAt1900 = 22.363659013;

double CarriedFrom(double epoch, double degreesAtEpoch, double jde) {
    const double seconds =
        GeneralPrecession(CenturiesFromJ2000(jde)) - GeneralPrecession(CenturiesFromJ2000(epoch));
    return degreesAtEpoch + seconds / 3600;
}

// Spica, alpha Virginis: its place at J2000.0 (ICRS) and proper motion, from the Hipparcos new
// reduction (F. van Leeuwen, 2007, HIP 65474): RA 13h 25m 11.57937s, Dec -11 deg 09' 40.7501",
// 42.35 mas a year west (on the great circle) and 30.67 mas a year south.
constexpr double SpicaRightAscension = (13 + 25 / 60.0 + 11.57937 / 3600) * 15; // degrees
constexpr double SpicaDeclination = -(11 + 9 / 60.0 + 40.7501 / 3600);          // degrees
constexpr double SpicaMotionInRightAscension = -42.35; // mas a year, times cos(declination)
constexpr double SpicaMotionInDeclination = -30.67;    // mas a year
constexpr double MasPerDegree = 3600.0 * 1000;

// The obliquity of the ecliptic at J2000 (IAU 2006), degrees.
constexpr double ObliquityJ2000 = 84381.406 / 3600;

// The precession of the ecliptic from J2000 (Capitaine et al. 2003; IERS Conventions 2010,
// eq. 5.39): the inclination of the ecliptic of date on that of J2000 (pi_A) and the longitude
// of its ascending node (Pi_A), seconds of arc.
//   t  Julian centuries from J2000, Terrestrial Time
double EclipticInclination(double t) {
    return ((((-0.0000000022 * t + 0.000000113) * t - 0.00012559) * t - 0.0334926) * t +
            46.998973) *
           t;
}
double EclipticNode(double t) {
    return ((((0.000000072 * t - 0.00004797) * t - 0.0005371) * t + 0.157992) * t - 867.95758) * t +
           629546.7936;
}

constexpr double Radian = 3.14159265358979323846 / 180;

// The annual aberration in ecliptic longitude of a star (J. Meeus, Astronomical Algorithms, 2nd
// ed., eq. 23.2): the constant of aberration and the Earth's eccentricity and perihelion, with
// the Sun's true longitude to a hundredth of a degree (ch. 25), enough for a thousandth of a
// second of arc here.
//   t  Julian centuries from J2000; lambda, beta  the star's place, radians
// Returns radians.
double AberrationInLongitude(double t, double lambda, double beta) {
    constexpr double Kappa = 20.49552 / 3600 * Radian;
    const double e = 0.016708634 - 0.000042037 * t;
    const double perihelion = (102.93735 + 1.71946 * t) * Radian;
    const double anomaly = (357.52911 + 35999.05029 * t) * Radian;
    const double sun = (280.46646 + 36000.76983 * t + 1.914602 * std::sin(anomaly) +
                        0.019993 * std::sin(2 * anomaly)) *
                       Radian;
    return (-Kappa * std::cos(sun - lambda) + e * Kappa * std::cos(perihelion - lambda)) /
           std::cos(beta);
}

} // namespace

double LahiriAyanamsa(double jde) {
    const double seconds = EpochMeanAyanamsa + GeneralPrecession(CenturiesFromJ2000(jde)) -
                           GeneralPrecession(CenturiesFromJ2000(CommitteeEpoch));
    return seconds / 3600;
}

double RestatedLahiriAyanamsa(double jde) {
    return LahiriAyanamsa(jde) + (RestatedEpochMeanAyanamsa - EpochMeanAyanamsa) / 3600;
}

double RamanAyanamsa(double jde) {
    return CarriedFrom(Epoch1900, RamanAt1900, jde);
}

double KrishnamurtiAyanamsa(double jde) {
    return CarriedFrom(Epoch1900, KrishnamurtiAt1900, jde);
}

double SpicaLongitude(double jde) {
    // The catalogue place carried by the proper motion (straight on the sphere: over a century
    // and a half the curvature adds well under a thousandth of a second of arc).
    const double years = (jde - 2451545.0) / 365.25;
    const double dec0 = SpicaDeclination * Radian;
    const double ra = (SpicaRightAscension +
                       SpicaMotionInRightAscension * years / std::cos(dec0) / MasPerDegree) *
                      Radian;
    const double dec =
        (SpicaDeclination + SpicaMotionInDeclination * years / MasPerDegree) * Radian;
    // On the ecliptic and equinox of J2000.
    const double eps = ObliquityJ2000 * Radian;
    const double lambda0 =
        std::atan2(std::sin(ra) * std::cos(eps) + std::tan(dec) * std::sin(eps), std::cos(ra));
    const double beta0 =
        std::asin(std::sin(dec) * std::cos(eps) - std::cos(dec) * std::sin(eps) * std::sin(ra));
    // Onto the mean ecliptic and equinox of date (J. Meeus, Astronomical Algorithms, 2nd ed.,
    // eq. 21.7, with the IAU 2006 angles).
    const double t = CenturiesFromJ2000(jde);
    const double eta = EclipticInclination(t) / 3600 * Radian;
    const double node = EclipticNode(t) / 3600 * Radian;
    const double p = GeneralPrecession(t) / 3600 * Radian;
    const double a = std::cos(eta) * std::cos(beta0) * std::sin(node - lambda0) -
                     std::sin(eta) * std::sin(beta0);
    const double b = std::cos(beta0) * std::cos(node - lambda0);
    const double c = std::cos(eta) * std::sin(beta0) +
                     std::sin(eta) * std::cos(beta0) * std::sin(node - lambda0);
    const double lambda = p + node - std::atan2(a, b);
    return Normalize0To360((lambda + AberrationInLongitude(t, lambda, std::asin(c))) / Radian);
}

double MeanAyanamsa(const SkyChoice& sky, double jde) {
    switch (sky.Ayanamsa) {
    case AyanamsaKind::Lahiri:
        return sky.Ephemeris == EphemerisKind::Classical ? LahiriAyanamsa(jde)
                                                         : RestatedLahiriAyanamsa(jde);
    case AyanamsaKind::Raman:
        return RamanAyanamsa(jde);
    case AyanamsaKind::Krishnamurti:
        return KrishnamurtiAyanamsa(jde);
    case AyanamsaKind::TrueChitrapaksha:
        return SpicaLongitude(jde) - 180;
    }
    return LahiriAyanamsa(jde);
}

double ShownAyanamsa(AyanamsaKind kind, double meanAyanamsa, double nutationInLongitude) {
    return kind == AyanamsaKind::TrueChitrapaksha ? meanAyanamsa + nutationInLongitude
                                                  : meanAyanamsa;
}

double SiderealLongitude(double apparentLongitude, double ayanamsa, double nutationInLongitude) {
    const double sidereal = Normalize0To360(apparentLongitude - (ayanamsa + nutationInLongitude));
    return sidereal >= 360 ? 0 : sidereal; // a hair below 0 rounds up to a full turn
}

SiderealPlaces SiderealPlacesAt(double jde, const SkyChoice& choice) {
    const SkyLongitudes sky = EphemerisOf(choice.Ephemeris).LongitudesAt(jde);
    const double ayanamsa = MeanAyanamsa(choice, jde);
    return {SiderealLongitude(sky.Moon, ayanamsa, sky.Nutation),
            SiderealLongitude(sky.Sun, ayanamsa, sky.Nutation)};
}

double SunSiderealLongitude(double jde, const SkyChoice& choice) {
    const SkyLongitudes sky = EphemerisOf(choice.Ephemeris).SunAndNutationAt(jde);
    return SiderealLongitude(sky.Sun, MeanAyanamsa(choice, jde), sky.Nutation);
}
