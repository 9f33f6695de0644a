// SPDX-License-Identifier: MIT
// A Chebyshev series fitted to a smooth function over an interval: the stand-in for the theories
// between a few evaluations of them, over a few days.
#pragma once

#include <array>

class ChebyshevSeries {
public:
    static constexpr int MostTerms = 16;

    // NodeOf: the k-th of `count` Chebyshev nodes of [from, to] (k = 0 lies nearest to `to`,
    // k = count - 1 nearest to `from`). A series is fitted to the function's values there.
    static double NodeOf(int k, int count, double from, double to);

    ChebyshevSeries() = default;

    // values[k] is the function at NodeOf(k, count, from, to); count is 2 ... MostTerms.
    ChebyshevSeries(const double* values, int count, double from, double to);

    // The series and its slope (per unit of the argument) at t, within [from, to].
    double ValueAt(double t) const;
    double SlopeAt(double t) const;

    // The size of the last coefficient: what the series leaves out is of about that order.
    double LastTerm() const;

private:
    static double Sum(const std::array<double, MostTerms>& c, int count, double x);

    std::array<double, MostTerms> value_{};
    std::array<double, MostTerms> slope_{};
    int count_ = 0;
    double middle_ = 0;
    double half_ = 1;
};
