// SPDX-License-Identifier: MIT
// Writes the reference table that the accuracy tests hold the engine to: the Swiss Ephemeris'
// apparent places of the Moon and the Sun at instants spread over 1901-2050, and its tithi,
// karana, nakshatra, yoga and sankranti transitions (Lahiri) in Terrestrial and Universal Time.
// A yardstick only, run once by hand where libswe-dev and swe-basic-data are installed; nothing
// that ships links the Swiss Ephemeris, the tests read the figures it wrote:
//   cc -O2 scripts/make-accuracy-reference.c -lswe -lm -o /tmp/make-accuracy-reference
//   /tmp/make-accuracy-reference tests/data
#include <math.h>
#include <stdint.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <swephexp.h>

enum { Positions = 240, TransitionsEach = 60 };
static const double FirstDay = 2415385.5; // 1901-01-01 0h TT
static const double LastDay = 2470172.5;  // 2051-01-01 0h TT
static const uint64_t Seed = 17;

// splitmix64: the same instants on every machine, whatever its C library.
static uint64_t state;
static double NextUniform(void) {
    uint64_t z = (state += 0x9E3779B97F4A7C15ULL);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    z ^= z >> 31;
    return (double)(z >> 11) / 9007199254740992.0; // [0, 1)
}

static double Longitude(double jde, int body, int flags, double* latitude, double* distance) {
    double x[6];
    char error[AS_MAXCH];
    const int used = swe_calc(jde, body, SEFLG_SWIEPH | flags, x, error);
    if (used < 0 || (used & SEFLG_SWIEPH) == 0) {
        fprintf(stderr, "the Swiss Ephemeris' data files were not found: %s\n", error);
        exit(1);
    }
    if (latitude) {
        *latitude = x[1];
    }
    if (distance) {
        *distance = x[2];
    }
    return x[0];
}

static double Turn(double degrees) {
    const double d = fmod(degrees, 360.0);
    return d < 0 ? d + 360 : d;
}

// The angles of the limbs, degrees; the sidereal ones on the Swiss Ephemeris' own Lahiri zodiac
// (SE_SIDM_LAHIRI: the true position less the true ayanamsa, so that the nutation cancels).
static double Elongation(double jde) {
    return Turn(Longitude(jde, SE_MOON, 0, NULL, NULL) - Longitude(jde, SE_SUN, 0, NULL, NULL));
}
static double MoonSidereal(double jde) {
    return Longitude(jde, SE_MOON, SEFLG_SIDEREAL, NULL, NULL);
}
static double YogaSum(double jde) {
    return Turn(MoonSidereal(jde) + Longitude(jde, SE_SUN, SEFLG_SIDEREAL, NULL, NULL));
}
static double SunSidereal(double jde) {
    return Longitude(jde, SE_SUN, SEFLG_SIDEREAL, NULL, NULL);
}

static double Signed180(double degrees) {
    double d = fmod(degrees, 360.0);
    if (d > 180) {
        d -= 360;
    } else if (d <= -180) {
        d += 360;
    }
    return d;
}

struct Kind {
    const char* Name;
    double (*Angle)(double);
    double Span; // degrees
    double Step; // days: less than the time the angle takes to cross a span at its fastest
    int OddOnly; // the karana: only the boundaries inside a tithi, so that none is a tithi's
};

// The first boundary after an instant: stepped to a bracket, then halved until the two sides are
// neighbouring doubles (some 40 microseconds at these Julian days).
static double NextBoundary(const struct Kind* kind, double from, int* index) {
    const double angle = kind->Angle(from);
    int k = (int)floor(angle / kind->Span) + 1;
    if (kind->OddOnly && k % 2 == 0) {
        ++k;
    }
    const double target = k * kind->Span;
    double before = from, after = from;
    while (Signed180(kind->Angle(after) - target) < 0) {
        before = after;
        after += kind->Step;
    }
    for (;;) {
        const double middle = 0.5 * (before + after);
        if (middle <= before || middle >= after) {
            break;
        }
        if (Signed180(kind->Angle(middle) - target) < 0) {
            before = middle;
        } else {
            after = middle;
        }
    }
    *index = k % (int)lround(360 / kind->Span);
    return 0.5 * (before + after);
}

// Universal Time of a Terrestrial Time by the Swiss Ephemeris' own Delta T.
static double Universal(double jde) {
    char error[AS_MAXCH];
    double jd = jde;
    for (int step = 0; step < 4; ++step) {
        jd = jde - swe_deltat_ex(jd, SEFLG_SWIEPH, error);
    }
    return jd;
}

static void Stamp(double jd, char* text) {
    int y, m, d;
    double hour;
    swe_revjul(jd, SE_GREG_CAL, &y, &m, &d, &hour);
    const int seconds = (int)floor(hour * 3600);
    sprintf(text, "%04d-%02d-%02dT%02d:%02d:%02d", y, m, d, seconds / 3600, seconds / 60 % 60,
            seconds % 60);
}

static FILE* Open(const char* folder, const char* name, const char* version, const char* what) {
    char path[1024];
    snprintf(path, sizeof path, "%s/%s", folder, name);
    FILE* file = fopen(path, "w");
    if (!file) {
        perror(path);
        exit(1);
    }
    fprintf(file,
            "// SPDX-License-Identifier: MIT\n"
            "// %s\n"
            "// The Swiss Ephemeris %s with its data files (SEFLG_SWIEPH, DE431), at instants\n"
            "// drawn uniformly over 1901-2050 (splitmix64, seed %llu). Written once by\n"
            "// scripts/make-accuracy-reference.c; do not edit, run it again.\n",
            what, version, (unsigned long long)Seed);
    return file;
}

int main(int argc, char** argv) {
    const char* folder = argc > 1 ? argv[1] : "tests/data";
    char version[AS_MAXCH];
    swe_set_ephe_path("/usr/share/libswe/ephe");
    swe_set_sid_mode(SE_SIDM_LAHIRI, 0, 0);
    swe_version(version);
    const double Au = 149597870.7;

    state = Seed;
    FILE* positions =
        Open(folder, "SwissPositions.inc", version,
             "Apparent geocentric places, true equinox of date. Each row: {Julian day (TT),\n"
             "// Moon longitude, Moon latitude (degrees), Moon distance (km), Sun longitude}.");
    for (int i = 0; i < Positions; ++i) {
        const double jde = FirstDay + NextUniform() * (LastDay - FirstDay);
        double latitude, distance;
        const double moon = Longitude(jde, SE_MOON, 0, &latitude, &distance);
        const double sun = Longitude(jde, SE_SUN, 0, NULL, NULL);
        char stamp[32];
        Stamp(jde, stamp);
        fprintf(positions, "{%.8f, %.9f, %.9f, %.4f, %.9f}, // %s TT\n", jde, moon, latitude,
                distance * Au, sun, stamp);
    }
    fclose(positions);

    const struct Kind kinds[] = {
        {"tithi", Elongation, 12, 0.25, 0},
        {"karana", Elongation, 6, 0.25, 1},
        {"nakshatra", MoonSidereal, 360.0 / 27, 0.25, 0},
        {"yoga", YogaSum, 360.0 / 27, 0.25, 0},
        {"sankranti", SunSidereal, 30, 2, 0},
    };
    FILE* transitions = Open(
        folder, "SwissTransitions.inc", version,
        "Transitions: the angle of a limb reaching a multiple of its span, the first after a\n"
        "// drawn instant; the sidereal ones on SE_SIDM_LAHIRI. Each row: {limb, index of the "
        "span\n"
        "// that begins, Julian day (TT), Julian day (UT, the Swiss Ephemeris' Delta T)}. The\n"
        "// karana rows are the boundaries inside a tithi (odd multiples of 6 degrees).");
    for (size_t k = 0; k < sizeof kinds / sizeof kinds[0]; ++k) {
        for (int i = 0; i < TransitionsEach; ++i) {
            const double from = FirstDay + NextUniform() * (LastDay - FirstDay - 35);
            int index;
            const double jde = NextBoundary(&kinds[k], from, &index);
            const double jd = Universal(jde);
            char stamp[32];
            Stamp(jd, stamp);
            fprintf(transitions, "{\"%s\", %d, %.8f, %.8f}, // %sZ\n", kinds[k].Name, index, jde,
                    jd, stamp);
        }
    }
    fclose(transitions);

    // A check of the search on the library's own: its sankranti of the last row's sign.
    char error[AS_MAXCH];
    const double swiss = swe_solcross(30.0 * 0, FirstDay, SEFLG_SWIEPH | SEFLG_SIDEREAL, error);
    int index;
    const struct Kind* sankranti = &kinds[4];
    double mine = FirstDay;
    do {
        mine = NextBoundary(sankranti, mine + 1e-6, &index);
    } while (index != 0);
    fprintf(stderr, "Mesha sankranti 1901: swe_solcross %.8f, this search %.8f (%.3f s apart)\n",
            swiss, mine, (mine - swiss) * 86400);
    swe_close();
    return 0;
}
