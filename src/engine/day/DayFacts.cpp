// SPDX-License-Identifier: MIT
// The signs, the phase, the season and the years of the cycles.
#include "engine/day/DayFacts.h"

#include "engine/base/Angles.h"
#include "engine/limbs/Crossing.h"
#include "engine/limbs/Limbs.h"
#include "engine/sky/MoonLatitude.h"

#include <cmath>
#include <iterator>

namespace {

constexpr double Degree = 3.14159265358979323846 / 180;
constexpr double AstronomicalUnitKm = 149597870.7;

// The Sun's distance in astronomical units from its mean anomaly: the two terms of the
// equation of the centre's radius (J. Meeus, Astronomical Algorithms, chapter 25), within
// a few millionths, which moves the phase angle by less than a second of arc.
double SunDistanceKm(double jde) {
    const double t = (jde - 2451545.0) / 36525;
    const double m = (357.52911 + 35999.05029 * t) * Degree;
    const double e = 0.016708634 - 0.000042037 * t;
    const double centre = (1.914602 - 0.004817 * t) * std::sin(m) + 0.019993 * std::sin(2 * m);
    const double v = m + centre * Degree;
    return AstronomicalUnitKm * 1.000001018 * (1 - e * e) / (1 + e * std::cos(v));
}

constexpr std::string_view Ritus[] = {"Vasanta", "Grishma", "Varsha",
                                      "Sharad",  "Hemanta", "Shishira"};

constexpr std::string_view Ayanas[] = {"Uttarayana", "Dakshinayana"};

// The sixty samvatsaras, from Prabhava.
constexpr std::string_view Samvatsaras[] = {
    // 0
    "Prabhava",
    "Vibhava",
    "Shukla",
    "Pramoda",
    "Prajapati",
    "Angirasa",
    "Shrimukha",
    "Bhava",
    "Yuva",
    "Dhatri",
    // 10
    "Ishvara",
    "Bahudhanya",
    "Pramathi",
    "Vikrama",
    "Vrisha",
    "Chitrabhanu",
    "Subhanu",
    "Tarana",
    "Parthiva",
    "Vyaya",
    // 20
    "Sarvajit",
    "Sarvadhari",
    "Virodhi",
    "Vikriti",
    "Khara",
    "Nandana",
    "Vijaya",
    "Jaya",
    "Manmatha",
    "Durmukhi",
    // 30
    "Hevilambi",
    "Vilambi",
    "Vikari",
    "Sharvari",
    "Plava",
    "Shubhakrit",
    "Shobhakrit",
    "Krodhi",
    "Vishvavasu",
    "Parabhava",
    // 40
    "Plavanga",
    "Kilaka",
    "Saumya",
    "Sadharana",
    "Virodhikrit",
    "Paridhavi",
    "Pramadi",
    "Ananda",
    "Rakshasa",
    "Nala",
    // 50
    "Pingala",
    "Kalayukta",
    "Siddharthi",
    "Raudra",
    "Durmati",
    "Dundubhi",
    "Rudhirodgari",
    "Raktakshi",
    "Krodhana",
    "Akshaya",
};
static_assert(std::size(Samvatsaras) == 60);

// The Shaka year of Prabhava's years, less a multiple of 60.
constexpr int SamvatsaraShift = 11;
constexpr int KaliOverShaka = 3179;

template <std::size_t N> std::string_view Entry(const std::string_view (&names)[N], int index) {
    return index >= 0 && static_cast<std::size_t>(index) < N ? names[index] : std::string_view{};
}

} // namespace

double MoonIlluminatedShare(double elongation, double latitude, double moonDistanceKm,
                            double sunDistanceKm) {
    const double cosPsi = std::cos(latitude * Degree) * std::cos(elongation * Degree);
    const double psi = std::acos(std::fmax(-1.0, std::fmin(1.0, cosPsi)));
    const double phaseAngle =
        std::atan2(sunDistanceKm * std::sin(psi), moonDistanceKm - sunDistanceKm * cosPsi);
    return (1 + std::cos(phaseAngle)) / 2;
}

SkyFacts SkyFactsAt(double jde, const SkyChoice& sky) {
    SkyFacts facts;
    if (!std::isfinite(jde)) {
        return facts;
    }
    const Ephemeris& ephemeris = EphemerisOf(sky.Ephemeris);
    const LimbAngles angles = LimbAnglesAt(jde, sky);
    facts.MoonRashi = static_cast<int>(std::floor(angles.MoonSidereal / 30)) % 12;
    facts.SunRashi = static_cast<int>(std::floor(angles.SunSidereal / 30)) % 12;
    facts.SunSidereal = angles.SunSidereal;
    const LimbDefinition& moon = DefinitionOf(Limb::Nakshatra); // the Moon's sidereal longitude
    facts.MoonRashiEnds = FindCrossing(moon.Angle, 30.0 * (facts.MoonRashi + 1), jde,
                                       angles.MoonSidereal, moon.Angle.MeanRate, sky)
                              .Jde;
    const MoonLatitudeDistance m = ephemeris.MoonPlace(jde);
    facts.MoonIllumination =
        MoonIlluminatedShare(angles.Elongation, m.Latitude, m.DistanceKm, SunDistanceKm(jde));
    facts.Waxing = angles.Elongation < 180;
    return facts;
}

MoonPhase MoonPhaseAt(double jde, const SkyChoice& sky) {
    if (!std::isfinite(jde)) {
        return {};
    }
    const LimbAngles angles = LimbAnglesAt(jde, sky);
    const MoonLatitudeDistance m = EphemerisOf(sky.Ephemeris).MoonPlace(jde);
    return {MoonIlluminatedShare(angles.Elongation, m.Latitude, m.DistanceKm, SunDistanceKm(jde)),
            angles.Elongation < 180};
}

int RituOfMonth(int masa) {
    return masa >= 0 && masa < 12 ? masa / 2 : -1;
}

std::string_view RituName(int ritu) {
    return Entry(Ritus, ritu);
}

int AyanaOfSun(double sunSidereal) {
    if (!(sunSidereal >= 0 && sunSidereal <= 360)) {
        return -1;
    }
    return sunSidereal >= 270 || sunSidereal < 90 ? 0 : 1;
}

std::string_view AyanaName(int ayana) {
    return Entry(Ayanas, ayana);
}

int SamvatsaraOfShaka(int shaka) {
    const int k = (shaka + SamvatsaraShift) % 60;
    return k < 0 ? k + 60 : k;
}

std::string_view SamvatsaraName(int index) {
    return Entry(Samvatsaras, index);
}

int KaliYearOfShaka(int shaka) {
    return shaka + KaliOverShaka;
}
