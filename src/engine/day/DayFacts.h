// SPDX-License-Identifier: MIT
// More facts of a day or a moment: the sidereal signs (rashis) of the Moon and the Sun with the
// instant the Moon leaves its sign, the Moon's illuminated share, the ritu, the ayana, the
// samvatsara of the sixty-year cycle and the year of the Kali era.
#pragma once

#include "engine/sky/SkyChoice.h"

#include <string_view>

// The Moon and the Sun at an instant.
struct SkyFacts {
    int MoonRashi{-1}, SunRashi{-1}; // 0 Mesha ... 11 Mina (RashiName); -1 where none
    double SunSidereal{};            // the Sun's sidereal longitude, degrees
    double MoonRashiEnds{};          // when the Moon enters the next sign: Julian day, TT
    double MoonIllumination{};       // the illuminated share of the Moon's disc, 0 ... 1
    bool Waxing{};                   // the Moon's elongation from the Sun is under 180 degrees
};

// SkyFactsAt: the signs, the Moon's next change of sign and its phase.
//   jde  Julian day, Terrestrial Time
// The signs are sidereal (the mean Lahiri ayanamsa); the change of sign is found by the limbs'
// crossing search, to about a millisecond of the theories' own instant. The illuminated share
// is (1 + cos i) / 2, i the phase angle at the Moon between the Sun and the Earth (J. Meeus,
// Astronomical Algorithms, 2nd ed., 1998, chapter 48), from the theories' longitudes, the Moon's
// latitude and distance and the Sun's mean distance of the year.
//   sky  the ephemeris and the ayanamsa (the signs are sidereal)
SkyFacts SkyFactsAt(double jde, const SkyChoice& sky);

// MoonIlluminatedShare: the illuminated share from the Moon's geocentric elongation from the Sun
// in longitude, its latitude (degrees), its distance and the Sun's (kilometres).
double MoonIlluminatedShare(double elongation, double latitude, double moonDistanceKm,
                            double sunDistanceKm);

// The six ritus by the lunar (amanta) month, two months each, as the almanacs of North India name
// the season of a date: 0 Vasanta (Chaitra, Vaishakha), 1 Grishma, 2 Varsha, 3 Sharad,
// 4 Hemanta, 5 Shishira (Magha, Phalguna). An adhika month takes its name's season.
int RituOfMonth(int masa); // -1 outside 0 ... 11
std::string_view RituName(int ritu);

// The ayana by the sidereal Sun: 0 Uttarayana from Makara sankranti (270 degrees) to Karka
// sankranti (90 degrees), 1 Dakshinayana the other half, as the traditional almanacs reckon it.
int AyanaOfSun(double sunSidereal); // -1 for a longitude outside 0 ... 360
std::string_view AyanaName(int ayana);

// The samvatsara: the sixty-year cycle counted as South India counts it, on the lunisolar year
// that begins with Chaitra, Prabhava the year of Shaka 1909 (1987-88): (Shaka + 11) mod 60.
int SamvatsaraOfShaka(int shaka);           // 0 Prabhava ... 59 Akshaya
std::string_view SamvatsaraName(int index); // empty outside 0 ... 59

// The year of the Kali era, which changes with the Shaka year: Shaka + 3179.
int KaliYearOfShaka(int shaka);

// The Moon's phase alone, for a calendar's cells: the illuminated share and whether it waxes,
// as SkyFactsAt gives them, without the search for the change of sign.
struct MoonPhase {
    double Illumination{}; // 0 ... 1
    bool Waxing{};
};
MoonPhase MoonPhaseAt(double jde, const SkyChoice& sky);
