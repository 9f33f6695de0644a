// SPDX-License-Identifier: MIT
// The lunar month and the era years: the amanta month (new moon to new moon) named for the
// sidereal sign the Sun is in at the new moon that begins it, with its adhika and kshaya months;
// the purnimanta month (full moon to full moon), whose dark fortnight takes the next month's
// name; and the years of the Vikram and Shaka eras, which change at the new moon that begins
// Chaitra.
#pragma once

#include "engine/sky/Ephemeris.h"
#include "engine/sky/SkyChoice.h"

#include <utility>
#include <vector>

// A lunation is counted from the one whose new moon fell on 2000 January 6 (lunation 0).

// PredictedNewMoon: the new moon that begins a lunation, from the mean lunation and the periodic
// terms of J. Meeus (Astronomical Algorithms, 2nd ed., 1998, chapter 49).
//   lunation  the lunation's number
// Returns the Julian day (TT); within about a minute of the instant the theories of the tithi
// give (see LunarMonthTests), and near enough to tell the sign the Sun is in, except within a
// hundredth of a degree of a sign's boundary, where the new moon is searched on the theories.
double PredictedNewMoon(int lunation);

// NewMoonOf: the new moon that begins a lunation by the theories of the tithi (the instant at
// which the elongation crosses 0, within a millisecond), found from the predicted one.
//   sky  the ephemeris the instant is found on
double NewMoonOf(int lunation, const SkyChoice& sky);

// LunationAt: the lunation in which an instant falls.
//   jde         Julian day, Terrestrial Time
//   elongation  the Moon's elongation from the Sun then, degrees (TithiAt(jde).Elongation): the
//               instant lies that far past the new moon, which settles the lunation exactly
int LunationAt(double jde, double elongation);

// The sidereal sign the Sun is in at the new moon that begins each lunation, remembered: a run
// over many days asks for the same few lunations again and again. The signs are those of the
// chosen ayanamsa.
class LunationSigns {
public:
    explicit LunationSigns(const SkyChoice& sky) : sky_(sky) {}
    const SkyChoice& Choice() const { return sky_; }

    // SunSignAtNewMoon: 0 Mesha ... 11 Mina.
    int SunSignAtNewMoon(int lunation);

private:
    SkyChoice sky_;
    std::vector<std::pair<int, int>> known_; // lunation, sign
};

// A lunar month.
struct LunarMonth {
    int Index{-1};       // 0 Chaitra ... 11 Phalguna (MasaName); -1 where there is none
    bool Adhika{};       // the first of two months begun with the Sun in one sign
    int KshayaIndex{-1}; // where the Sun passes through a whole sign within this lunation, the
                         // month named for that sign has no lunation of its own: kshaya, joined
                         // to this one (0 ... 11); -1 otherwise
};

// The month and the era years of an instant.
struct MonthAndYears {
    int Lunation{};        // as LunationAt counts it
    LunarMonth Amanta;     // the lunation's own month
    LunarMonth Purnimanta; // the same in the bright fortnight; in the dark fortnight the next
                           // month's name (an adhika month keeps its own name through its
                           // dark fortnight, as the adhika month runs new moon to new moon in
                           // both reckonings); a kshaya month is reckoned on the lunation, as
                           // in the amanta month
    int Vikram{};          // the year of the Vikram era
    int Shaka{};           // the year of the Shaka era
};

// LunarMonthAt: the month and the era years of an instant.
//   jde         Julian day, Terrestrial Time
//   elongation  TithiAt(jde).Elongation, degrees
//   signs       remembered signs, shared by the calls of a run (a fresh one will do)
// The era years are those of the Chaitra (the first, where Chaitra is adhika) that began the
// year in which the instant falls: Vikram = its Gregorian year + 57, Shaka = its year - 78.
MonthAndYears LunarMonthAt(double jde, double elongation, LunationSigns& signs);
