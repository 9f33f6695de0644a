// SPDX-License-Identifier: MIT
// Writes tests/engine/ModernReference.inc, the Swiss Ephemeris' apparent places of the Moon and
// the Sun (DE431 through its data files) at 60 instants of 1901-2050, against which the modern
// ephemeris is held. Build and run where libswe-dev and swe-basic-data are installed:
//   g++ -std=c++20 scripts/make-modern-reference.cpp -lswe -o /tmp/make-modern-reference
//   /tmp/make-modern-reference > tests/engine/ModernReference.inc
// Nothing that ships links the Swiss Ephemeris; this program only writes figures.
#include <swephexp.h>

#include <cstdio>

int main() {
    char error[AS_MAXCH] = "";
    char version[AS_MAXCH] = "";
    swe_set_ephe_path(nullptr);
    std::printf("// SPDX-License-Identifier: MIT\n"
                "// The Swiss Ephemeris %s (SEFLG_SWIEPH, its DE431 files): apparent geocentric\n"
                "// places, true equinox of date, at instants (Julian days, TT) spread over\n"
                "// 1901-2050. Written by scripts/make-modern-reference.cpp, do not edit.\n"
                "// Each row: {jde, Moon longitude, Moon latitude (degrees), Moon distance (km),\n"
                "// Sun longitude (degrees)}.\n",
                swe_version(version));
    constexpr double Au = 149597870.7;
    for (int i = 0; i < 60; ++i) {
        // A step of 912.7 days that is no whole number of lunar or solar cycles.
        const double jde = 2415385.5 + 0.371 + i * 912.71;
        double moon[6], sun[6];
        const int moonFlags = swe_calc(jde, SE_MOON, SEFLG_SWIEPH, moon, error);
        const int sunFlags = swe_calc(jde, SE_SUN, SEFLG_SWIEPH, sun, error);
        if (moonFlags < 0 || sunFlags < 0 || (moonFlags & sunFlags & SEFLG_SWIEPH) == 0) {
            std::fprintf(stderr, "no Swiss Ephemeris data files: %s\n", error);
            return 1;
        }
        std::printf("{%.6f, %.9f, %.9f, %.4f, %.9f},\n", jde, moon[0], moon[1], moon[2] * Au,
                    sun[0]);
    }
    swe_close();
    return 0;
}
