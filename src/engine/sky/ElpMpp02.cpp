// SPDX-License-Identifier: MIT
// The sums of the ELP/MPP02 series and the theory's precession of the ecliptic.
#include "engine/sky/ElpMpp02.h"

#include <algorithm>
#include <cmath>
#include <iterator>

namespace {

// One Poisson term: t^Power * Amplitude * sin(P0 + P1 t + P2 t^2 + P3 t^3 + P4 t^4).
struct ElpTerm {
    int Power;
    double Amplitude; // seconds of arc, or km for the distance
    double P0, P1, P2, P3, P4;
};

#include "elpmpp02-terms.inc"

constexpr double MeanLongitudeW1[] = KESTRAVA_ELP_W1;
constexpr ElpTerm LongitudeTerms[] = {KESTRAVA_ELP_LONGITUDE};
constexpr ElpTerm LatitudeTerms[] = {KESTRAVA_ELP_LATITUDE};
constexpr ElpTerm DistanceTerms[] = {KESTRAVA_ELP_DISTANCE};

constexpr double ArcsecondToRadian = 3.14159265358979323846 / (180.0 * 3600.0);

// The sum of a series at t: the terms of t^0 and of t^1 (the truncated series keeps no higher
// powers; any that came would be summed the same way).
template <std::size_t N> double Sum(const ElpTerm (&terms)[N], double t) {
    double byPower[4] = {0, 0, 0, 0};
    for (const ElpTerm& term : terms) {
        const double phase = term.P0 + t * (term.P1 + t * (term.P2 + t * (term.P3 + t * term.P4)));
        byPower[term.Power] += term.Amplitude * std::sin(phase);
    }
    return byPower[0] + t * (byPower[1] + t * (byPower[2] + t * byPower[3]));
}

// Laskar's precession of the ecliptic as the theory takes it: P = sin(pi/2) sin(Pi) and
// Q = sin(pi/2) cos(Pi), polynomials in t without a constant term.
constexpr double LaskarP[] = {0.10180391e-4, 0.47020439e-6, -0.5417367e-9, -0.2507948e-11,
                              0.463486e-14};
constexpr double LaskarQ[] = {-0.113469002e-3, 0.12372674e-6, 0.12654170e-8, -0.1371808e-11,
                              -0.320334e-14};

double LaskarPolynomial(const double (&c)[5], double t) {
    return t * (c[0] + t * (c[1] + t * (c[2] + t * (c[3] + t * c[4]))));
}

} // namespace

ElpSpherical ElpMoonSpherical(double t) {
    const double* w = MeanLongitudeW1;
    const double meanLongitude = w[0] + t * (w[1] + t * (w[2] + t * (w[3] + t * w[4])));
    ElpSpherical moon;
    moon.Longitude = meanLongitude + Sum(LongitudeTerms, t) * ArcsecondToRadian;
    moon.Latitude = Sum(LatitudeTerms, t) * ArcsecondToRadian;
    moon.DistanceKm = Sum(DistanceTerms, t);
    return moon;
}

std::array<double, 3> ElpEclipticOfDateToJ2000(double t, const std::array<double, 3>& v) {
    const double p = LaskarPolynomial(LaskarP, t);
    const double q = LaskarPolynomial(LaskarQ, t);
    const double root = 2 * std::sqrt(1 - p * p - q * q);
    const double pq = 2 * p * q;
    const double p2 = 1 - 2 * p * p;
    const double q2 = 1 - 2 * q * q;
    return {p2 * v[0] + pq * v[1] + p * root * v[2], pq * v[0] + q2 * v[1] - q * root * v[2],
            -p * root * v[0] + q * root * v[1] + (p2 + q2 - 1) * v[2]};
}

std::array<double, 3> ElpMoonJ2000(double t) {
    const ElpSpherical moon = ElpMoonSpherical(t);
    const double inPlane = moon.DistanceKm * std::cos(moon.Latitude);
    return ElpEclipticOfDateToJ2000(t, {inPlane * std::cos(moon.Longitude),
                                        inPlane * std::sin(moon.Longitude),
                                        moon.DistanceKm * std::sin(moon.Latitude)});
}

double ElpMoonDistanceKm(double t, double smallestAmplitudeKm) {
    double sum = 0;
    for (const ElpTerm& term : DistanceTerms) {
        if (term.Power == 0 && std::fabs(term.Amplitude) >= smallestAmplitudeKm) {
            sum += term.Amplitude *
                   std::sin(term.P0 + t * (term.P1 + t * (term.P2 + t * (term.P3 + t * term.P4))));
        }
    }
    return sum;
}

namespace {

// The Bessel functions J_0(z) ... J_{count-1}(z) by Miller's backward recurrence, normalised by
// J_0 + 2 (J_2 + J_4 + ...) = 1.
void BesselJ(double z, int count, double* j) {
    if (std::fabs(z) < 1e-15) {
        for (int n = 0; n < count; ++n) {
            j[n] = n == 0 ? 1 : 0;
        }
        return;
    }
    const int start = count + 20 + static_cast<int>(std::fabs(z));
    double above = 0, here = 1e-30, norm = 0;
    for (int k = start; k >= 1; --k) {
        const double below = 2 * k / z * here - above; // J_{k-1}
        above = here;
        here = below;
        if (k - 1 < count) {
            j[k - 1] = here;
        }
        if ((k - 1) % 2 == 0) {
            norm += (k - 1 == 0 ? 1 : 2) * here;
        }
        if (std::fabs(here) > 1e250) { // rescale on the way down
            for (int n = std::max(0, k - 1); n < count; ++n) {
                j[n] *= 1e-250;
            }
            above *= 1e-250;
            here *= 1e-250;
            norm *= 1e-250;
        }
    }
    for (int n = 0; n < count; ++n) {
        j[n] /= norm;
    }
}

// Adds a series' Chebyshev coefficients over t = center + half x, x in [-1, 1]: each term is a
// sinusoid whose phase is linear in x there (the square of x adds 1e-11 radian at most over
// eight days), and sin(a + z x) = sin a cos(z x) + cos a sin(z x) with the Jacobi-Anger
// expansions cos(z x) = J0(z) + 2 sum (-1)^k J_2k(z) T_2k(x) and
// sin(z x) = 2 sum (-1)^k J_2k+1(z) T_2k+1(x). The terms of t^1 are multiplied by
// t = center + half x afterwards (x T_n = (T_n+1 + T_n-1) / 2).
template <std::size_t N>
void AddChebyshev(const ElpTerm (&terms)[N], double center, double half, int count, double scale,
                  double* out) {
    constexpr int Most = 64;
    constexpr int Powers = 4;
    const int length = count + Powers; // room for the products by t below
    double byPower[Powers][Most + Powers] = {};
    double j[Most + Powers];
    for (const ElpTerm& term : terms) {
        const double t = center;
        const double phase = term.P0 + t * (term.P1 + t * (term.P2 + t * (term.P3 + t * term.P4)));
        const double rate = term.P1 + t * (2 * term.P2 + t * (3 * term.P3 + t * 4 * term.P4));
        BesselJ(rate * half, length, j);
        const double s = term.Amplitude * std::sin(phase);
        const double c = term.Amplitude * std::cos(phase);
        double* sum = byPower[term.Power];
        sum[0] += s * j[0];
        for (int n = 1; n < length; ++n) {
            const double sign = ((n / 2) % 2 == 0) ? 2 : -2;
            sum[n] += (n % 2 == 0 ? s : c) * sign * j[n];
        }
    }
    // S_0 + t (S_1 + t (S_2 + t S_3)), each product by t = center + half x taken on the
    // coefficients: x T_0 = T_1, x T_n = (T_n+1 + T_n-1) / 2.
    double result[Most + Powers];
    for (int n = 0; n < length; ++n) {
        result[n] = byPower[Powers - 1][n];
    }
    for (int power = Powers - 2; power >= 0; --power) {
        double product[Most + Powers];
        for (int n = 0; n < length; ++n) {
            const double fromBelow = n >= 1 ? result[n - 1] * (n == 1 ? 1.0 : 0.5) : 0.0;
            const double fromAbove = n + 1 < length ? 0.5 * result[n + 1] : 0.0;
            product[n] = byPower[power][n] + center * result[n] + half * (fromBelow + fromAbove);
        }
        for (int n = 0; n < length; ++n) {
            result[n] = product[n];
        }
    }
    for (int n = 0; n < count; ++n) {
        out[n] += result[n] * scale;
    }
}

} // namespace

void ElpChebyshevPiece(double center, double half, int count, double* longitude, double* latitude,
                       double* distance) {
    for (int n = 0; n < count; ++n) {
        longitude[n] = latitude[n] = distance[n] = 0;
    }
    AddChebyshev(LongitudeTerms, center, half, count, ArcsecondToRadian, longitude);
    AddChebyshev(LatitudeTerms, center, half, count, ArcsecondToRadian, latitude);
    AddChebyshev(DistanceTerms, center, half, count, 1.0, distance);
}

double ElpMeanLongitude(double t) {
    const double* w = MeanLongitudeW1;
    return w[0] + t * (w[1] + t * (w[2] + t * (w[3] + t * w[4])));
}

int ElpTermCount(int coordinate) {
    switch (coordinate) {
    case 0:
        return static_cast<int>(std::size(LongitudeTerms));
    case 1:
        return static_cast<int>(std::size(LatitudeTerms));
    default:
        return static_cast<int>(std::size(DistanceTerms));
    }
}
