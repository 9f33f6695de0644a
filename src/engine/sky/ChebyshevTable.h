// SPDX-License-Identifier: MIT
// A long run of Chebyshev pieces of equal length: the modern ephemeris' table of one quantity,
// fitted at build time to the series and read at run time with one sum.
#pragma once

#include <cmath>

// ChebyshevSum: sum of c[0] T_0(x) + ... + c[count-1] T_count-1(x) by Clenshaw's recurrence.
//   x  -1 ... 1
inline double ChebyshevSum(const double* c, int count, double x) {
    double b1 = 0, b2 = 0;
    const double twoX = 2 * x;
    for (int n = count - 1; n >= 1; --n) {
        const double b0 = c[n] + twoX * b1 - b2;
        b2 = b1;
        b1 = b0;
    }
    return c[0] + x * b1 - b2;
}

struct ChebyshevTable {
    double FromJde;             // the first piece begins here, Julian day (TT)
    double PieceDays;           // each piece's length
    int Pieces;                 // how many follow one another
    int Terms;                  // coefficients per piece
    const double* Coefficients; // Pieces x Terms

    double ToJde() const { return FromJde + PieceDays * Pieces; }
    bool Holds(double jde) const { return jde >= FromJde && jde < ToJde(); }

    // The value at a Julian day (TT) that the table holds.
    double ValueAt(double jde) const {
        const double days = jde - FromJde;
        const int piece = static_cast<int>(days / PieceDays);
        const double x = 2 * (days - piece * PieceDays) / PieceDays - 1;
        return ChebyshevSum(Coefficients + piece * Terms, Terms, x);
    }
};
