// SPDX-License-Identifier: MIT
// The series of the lunar theory as data: the main series of 93 terms, the minor series of 27
// terms and the eight planetary terms, row for row in the order of the theory.
#pragma once

#include <iterator>

// One term of a lunar series: Coef x sin(L l + Ls l' + F F + D D), with l and l' the mean
// anomalies of the Moon and the Sun, F the Moon's argument of latitude and D its mean
// elongation. Coef is in seconds of arc.
// The multipliers are whole numbers, held as doubles as the record holds them.
struct LunarTerm {
    double L;
    double Ls;
    double F;
    double D;
    double Coef;
};

// One planetary term: Coef x sin(a turn x (Phase + Rate d)), with d in days from 1900 January 0.5
// and Phase and Rate in revolutions. Coef is in seconds of arc.
struct PlanetaryTerm {
    double Coef;
    double Phase;
    double Rate;
};

// The main series. Terms with l' are multiplied by the eccentricity factor E (twice when the
// multiplier is 2 or -2), terms with F by the square of the inclination factor K.
inline constexpr LunarTerm MainLunarSeries[] = {
    // {l, l', F, D, Coef (")}
    // 0
    {0, 0, 0, 4, 13.902},
    {0, 0, 0, 2, 2369.912},
    {1, 0, 0, 4, 1.979},
    {1, 0, 0, 2, 191.953},
    {1, 0, 0, 0, 22639.5},
    {1, 0, 0, -2, -4586.465},
    {1, 0, 0, -4, -38.428},
    {1, 0, 0, -6, -0.393},
    {0, 1, 0, 4, -0.289},
    {0, 1, 0, 2, -24.42},
    // 10
    {0, 1, 0, 0, -668.146},
    {0, 1, 0, -2, -165.145},
    {0, 1, 0, -4, -1.877},
    {0, 0, 0, 3, 0.403},
    {0, 0, 0, 1, -125.154},
    {2, 0, 0, 4, 0.213},
    {2, 0, 0, 2, 14.387},
    {2, 0, 0, 0, 769.016},
    {2, 0, 0, -2, -211.656},
    {2, 0, 0, -4, -30.773},
    // 20
    {2, 0, 0, -6, -0.57},
    {1, 1, 0, 2, -2.921},
    {1, 1, 0, 0, -109.673},
    {1, 1, 0, -2, -205.962},
    {1, 1, 0, -4, -4.391},
    {1, -1, 0, 4, 0.283},
    {1, -1, 0, 2, 14.577},
    {1, -1, 0, 0, 147.687},
    {1, -1, 0, -2, 28.475},
    {1, -1, 0, -4, 0.636},
    // 30
    {0, 2, 0, 2, -0.189},
    {0, 2, 0, 0, -7.486},
    {0, 2, 0, -2, -8.096},
    {0, 0, 2, 2, -5.741},
    {0, 0, 2, 0, -411.608},
    {0, 0, 2, -2, -55.173},
    {0, 0, 2, -4, 0.025},
    {1, 0, 0, 1, -8.466},
    {1, 0, 0, -1, 18.609},
    {1, 0, 0, -3, 3.215},
    // 40
    {0, 1, 0, 1, 18.023},
    {0, 1, 0, -1, 0.56},
    {3, 0, 0, 2, 1.06},
    {3, 0, 0, 0, 36.124},
    {3, 0, 0, -2, -13.193},
    {3, 0, 0, -4, -1.187},
    {3, 0, 0, -6, -0.293},
    {2, 1, 0, 2, -0.29},
    {2, 1, 0, 0, -7.649},
    {2, 1, 0, -2, -8.627},
    // 50
    {2, 1, 0, -4, -2.74},
    {2, -1, 0, 2, 1.181},
    {2, -1, 0, 0, 9.703},
    {2, -1, 0, -2, -2.494},
    {2, -1, 0, -4, 0.36},
    {1, 2, 0, 0, -1.167},
    {1, 2, 0, -2, -7.412},
    {1, 2, 0, -4, -0.311},
    {1, -2, 0, 2, 0.757},
    {1, -2, 0, 0, 2.58},
    // 60
    {1, -2, 0, -2, 2.533},
    {0, 3, 0, -2, -0.344},
    {1, 0, 2, 2, -0.992},
    {1, 0, 2, 0, -45.099},
    {1, 0, 2, -2, -0.179},
    {1, 0, -2, 2, -6.382},
    {1, 0, -2, 0, 39.528},
    {1, 0, -2, -2, 9.366},
    {0, 1, 2, 0, 0.415},
    {0, 1, 2, -2, -2.152},
    // 70
    {0, 1, -2, 2, -1.44},
    {0, 1, -2, -2, 0.384},
    {2, 0, 0, 1, -0.586},
    {2, 0, 0, -1, 1.75},
    {2, 0, 0, -3, 1.225},
    {1, 1, 0, 1, 1.267},
    {1, -1, 0, -1, -1.089},
    {0, 0, 2, -1, 0.584},
    {4, 0, 0, 0, 1.938},
    {4, 0, 0, -2, -0.952},
    // 80
    {3, 1, 0, 0, -0.551},
    {3, 1, 0, -2, -0.482},
    {3, -1, 0, 0, 0.681},
    {2, 0, 2, 0, -3.996},
    {2, 0, 2, -2, 0.557},
    {2, 0, -2, 2, -0.459},
    {2, 0, -2, 0, -1.298},
    {2, 0, -2, -2, 0.538},
    {1, 1, -2, -2, 0.426},
    {1, -1, 2, 0, -0.304},
    // 90
    {1, -1, -2, 2, -0.372},
    {0, 0, 4, 0, 0.418},
    {2, -1, 0, -1, -0.352},
};
static_assert(std::size(MainLunarSeries) == 93, "the main series has 93 terms");

// The minor series: plain terms, without factors. Term 4 carries an F multiplier of 1.
inline constexpr LunarTerm MinorLunarSeries[] = {
    // {l, l', F, D, Coef (")}
    // 0
    {0, 0, 0, 6, 0.127},
    {0, 2, 0, -4, -0.151},
    {0, 0, 2, 4, -0.085},
    {0, 1, 0, 3, 0.15},
    {2, 1, 1, -6, -0.091},
    {0, 3, 0, 0, -0.103},
    {1, 0, 2, -4, -0.301},
    {1, 0, -2, -4, 0.202},
    {1, 1, 0, -1, 0.137},
    {1, 1, 0, -3, 0.233},
    // 10
    {1, -1, 0, 1, -0.122},
    {1, -1, 0, -3, -0.276},
    {0, 0, 2, 1, 0.255},
    {0, 0, 2, -3, 0.254},
    {3, 1, 0, -4, -0.1},
    {3, -1, 0, -2, -0.183},
    {2, 2, 0, -2, -0.297},
    {2, 2, 0, -4, -0.161},
    {2, -2, 0, 0, 0.197},
    {2, -2, 0, -2, 0.254},
    // 20
    {1, 3, 0, -2, -0.25},
    {2, 0, 2, 2, -0.123},
    {2, 0, -2, -4, 0.173},
    {1, 1, 2, 0, 0.263},
    {3, 0, 0, -1, 0.13},
    {5, 0, 0, 0, 0.113},
    {3, 0, 2, -2, 0.092},
};
static_assert(std::size(MinorLunarSeries) == 27, "the minor series has 27 terms");

// The planetary terms, summed in this order.
inline constexpr PlanetaryTerm PlanetaryLunarTerms[] = {
    // Coef (")  Phase     Rate (revolutions a day)
    {0.822, 0.3248, -0.0017125594},  {0.307, 0.14905, -0.0034251187},
    {0.348, 0.68266, -0.0006873156}, {0.662, 0.65162, 0.0365724168},
    {0.643, 0.88098, -0.0025069941}, {1.137, 0.85823, 0.036448727},
    {0.436, 0.71892, 0.036217918},   {0.327, 0.97639, 0.000173491},
};
static_assert(std::size(PlanetaryLunarTerms) == 8, "eight planetary terms");
