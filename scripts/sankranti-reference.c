// SPDX-License-Identifier: MIT
// The sankranti instants (the Sun's entry into each sidereal sign, Lahiri ayanamsa) from the
// Swiss Ephemeris, as the reference figures of the sankranti tests. A yardstick only: nothing
// that ships links it.
//   cc -O2 scripts/sankranti-reference.c -lswe -lm -o /tmp/sankranti-reference
//   /tmp/sankranti-reference 2024 2025
#include <stdio.h>
#include <stdlib.h>
#include <swephexp.h>

int main(int argc, char** argv) {
    const int first = argc > 1 ? atoi(argv[1]) : 2024;
    const int last = argc > 2 ? atoi(argv[2]) : first;
    char error[AS_MAXCH];
    swe_set_ephe_path("/usr/share/libswe/ephe");
    swe_set_sid_mode(SE_SIDM_LAHIRI, 0, 0);
    const int flags = SEFLG_SWIEPH | SEFLG_SIDEREAL;
    double jd = swe_julday(first, 1, 1, 0, SE_GREG_CAL);
    const double end = swe_julday(last + 1, 1, 1, 0, SE_GREG_CAL);
    double sun[6];
    swe_calc_ut(jd, SE_SUN, flags, sun, error);
    int sign = ((int)(sun[0] / 30) + 1) % 12;
    for (;;) {
        const double when = swe_solcross_ut(30.0 * sign, jd, flags, error);
        if (when >= end || when < jd) {
            break;
        }
        int y, m, d, h, mi;
        double s;
        swe_jdut1_to_utc(when, SE_GREG_CAL, &y, &m, &d, &h, &mi, &s);
        printf("{%d, %.6f}, // %04d-%02d-%02dT%02d:%02d:%02.0fZ\n", sign, when, y, m, d, h, mi, s);
        jd = when + 25;
        sign = (sign + 1) % 12;
    }
    return 0;
}
