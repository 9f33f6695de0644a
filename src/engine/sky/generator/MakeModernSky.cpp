// SPDX-License-Identifier: MIT
// Writes the modern ephemeris' Chebyshev table (ModernSkyTable.h) as a C++ source: each piece
// fitted at its Chebyshev nodes to the ELP/MPP02 Moon and the ERFA Sun and nutation.
#include "engine/sky/ChebyshevTable.h"
#include "engine/sky/ElpMpp02.h"
#include "engine/sky/ModernPlaces.h"

#include <cmath>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

constexpr double Pi = 3.14159265358979323846;
constexpr double J2000 = 2451545.0;
constexpr double DaysPerCentury = 36525.0;
// 1900 January 1.0 to 2052 January 1.0, Terrestrial Time.
constexpr double FirstJde = 2415020.5;
constexpr double LastJde = 2470172.5;

struct Quantity {
    const char* Name;
    double PieceDays;
    int Terms;
    std::vector<double> Coefficients;
    int Pieces = 0;
};

// The coefficients of the series through values at the nodes x_k = cos(pi (k + 1/2) / n).
void FitAtNodes(const double* values, int n, double* out) {
    for (int j = 0; j < n; ++j) {
        double sum = 0;
        for (int k = 0; k < n; ++k) {
            sum += values[k] * std::cos(Pi * j * (k + 0.5) / n);
        }
        out[j] = sum * (j == 0 ? 1.0 : 2.0) / n;
    }
}

double NodeOf(int k, int n) {
    return std::cos(Pi * (k + 0.5) / n);
}

// Pieces of a quantity computed by `at` at each node.
void FitQuantity(Quantity& q, const std::function<double(double)>& at, bool turns) {
    q.Pieces = static_cast<int>(std::ceil((LastJde - FirstJde) / q.PieceDays - 1e-9));
    std::vector<double> values(static_cast<std::size_t>(q.Terms));
    q.Coefficients.resize(static_cast<std::size_t>(q.Pieces * q.Terms));
    for (int piece = 0; piece < q.Pieces; ++piece) {
        const double center = FirstJde + (piece + 0.5) * q.PieceDays;
        for (int k = 0; k < q.Terms; ++k) {
            values[k] = at(center + 0.5 * q.PieceDays * NodeOf(k, q.Terms));
        }
        if (turns) { // counted on through the turns, from the node nearest the piece's end
            for (int k = q.Terms - 2; k >= 0; --k) {
                values[k] += 360 * std::round((values[k + 1] - values[k]) / 360);
            }
        }
        FitAtNodes(values.data(), q.Terms, &q.Coefficients[piece * q.Terms]);
    }
}

// The Moon: each piece's lunar series as Chebyshev coefficients in one pass over the terms, the
// light time, then the place on the mean ecliptic and equinox of date at each node.
void FitMoon(Quantity& longitude, Quantity& latitude, Quantity& distance) {
    constexpr int Geometric = 28;
    const int n = longitude.Terms;
    const double pieceDays = longitude.PieceDays;
    const int pieces = static_cast<int>(std::ceil((LastJde - FirstJde) / pieceDays - 1e-9));
    for (Quantity* q : {&longitude, &latitude, &distance}) {
        q->Pieces = pieces;
        q->Coefficients.resize(static_cast<std::size_t>(pieces * n));
    }
    std::vector<double> lon(n), lat(n), dist(n);
    double v[Geometric], u[Geometric], r[Geometric];
    for (int piece = 0; piece < pieces; ++piece) {
        const double centerJde = FirstJde + (piece + 0.5) * pieceDays;
        const double center = (centerJde - J2000) / DaysPerCentury;
        const double half = 0.5 * pieceDays / DaysPerCentury;
        ElpChebyshevPiece(center, half, Geometric, v, u, r);
        for (int k = 0; k < n; ++k) {
            const double x = NodeOf(k, n);
            const double light = MoonLightTimeDays(ChebyshevSum(r, Geometric, x));
            const double xEmitted = x - light / (0.5 * pieceDays);
            const double t = center + half * xEmitted;
            const double V = ElpMeanLongitude(t) + ChebyshevSum(v, Geometric, xEmitted);
            const double U = ChebyshevSum(u, Geometric, xEmitted);
            const double R = ChebyshevSum(r, Geometric, xEmitted);
            const std::array<double, 3> ofDate = {R * std::cos(U) * std::cos(V),
                                                  R * std::cos(U) * std::sin(V), R * std::sin(U)};
            const ModernMoonPlace place = MoonOfDateFromJ2000(centerJde + 0.5 * pieceDays * x,
                                                              ElpEclipticOfDateToJ2000(t, ofDate));
            lon[k] = place.Longitude;
            lat[k] = place.Latitude;
            dist[k] = place.DistanceKm;
        }
        for (int k = n - 2; k >= 0; --k) {
            lon[k] += 360 * std::round((lon[k + 1] - lon[k]) / 360);
        }
        FitAtNodes(lon.data(), n, &longitude.Coefficients[piece * n]);
        FitAtNodes(lat.data(), n, &latitude.Coefficients[piece * n]);
        FitAtNodes(dist.data(), n, &distance.Coefficients[piece * n]);
    }
}

void Write(std::FILE* out, const Quantity& q) {
    std::fprintf(out, "constexpr double %sCoefficients[] = {\n", q.Name);
    for (int piece = 0; piece < q.Pieces; ++piece) {
        for (int j = 0; j < q.Terms; ++j) {
            std::fprintf(out, "%a,", q.Coefficients[piece * q.Terms + j]);
        }
        std::fputc('\n', out);
    }
    std::fprintf(out, "};\n");
}

void WriteTable(std::FILE* out, const Quantity& q) {
    std::fprintf(out, "const ChebyshevTable Modern%sTable = {%a, %a, %d, %d, %sCoefficients};\n",
                 q.Name, FirstJde, q.PieceDays, q.Pieces, q.Terms, q.Name);
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s ModernSkyTable.cpp\n", argv[0]);
        return 2;
    }
    Quantity moonLongitude{"MoonLongitude", 16, 20, {}};
    Quantity moonLatitude{"MoonLatitude", 16, 20, {}};
    Quantity moonDistance{"MoonDistance", 16, 20, {}};
    Quantity sun{"SunLongitude", 32, 16, {}};
    Quantity nutation{"Nutation", 32, 24, {}};
    FitMoon(moonLongitude, moonLatitude, moonDistance);
    FitQuantity(sun, ModernSunMeanBySeries, true);
    FitQuantity(nutation, ModernNutationBySeries, false);

    std::FILE* out = std::fopen(argv[1], "w");
    if (out == nullptr) {
        std::perror(argv[1]);
        return 1;
    }
    std::fprintf(out, "// Written by MakeModernSky when Kestrava is built: do not edit.\n"
                      "#include \"engine/sky/ModernSkyTable.h\"\n\nnamespace {\n");
    for (const Quantity* q : {&moonLongitude, &moonLatitude, &moonDistance, &sun, &nutation}) {
        Write(out, *q);
    }
    std::fprintf(out, "} // namespace\n\n");
    for (const Quantity* q : {&moonLongitude, &moonLatitude, &moonDistance, &sun, &nutation}) {
        WriteTable(out, *q);
    }
    return std::fclose(out) == 0 ? 0 : 1;
}
