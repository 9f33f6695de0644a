// SPDX-License-Identifier: MIT
// kestrava_accuracy: the engine's Moon, Sun and elongation over 1901 ... 2050, the instants of
// its tithi, nakshatra and yoga transitions and its sankrantis, the Lahiri ayanamsa, its sunrises,
// sunsets, moonrises and moonsets, its lunar months with their adhika and kshaya months, and the
// calendar's days (the tithi at each sunrise, the kshaya and vriddhi tithis), against the Swiss
// Ephemeris, with the time each side takes: the modern ephemeris, the classical one or both. The
// Swiss Ephemeris is linked into this program alone.
// Usage: kestrava_accuracy [DATA-FOLDER [modern|classical|both [quick]]]; "quick" leaves out the
// lunar months, the Moon's risings and the calendar's days.
#include "AccuracyCommon.h"

#include <swephexp.h>

#include <cstdio>
#include <string>

using namespace accuracy;

int main(int argc, char* argv[]) {
    // The data files are looked for where the library was told to look when it was built (where
    // Debian's swe-basic-data installs them), or in the folder given as the one argument.
    swe_set_ephe_path(argc > 1 ? argv[1] : nullptr);
    char version[AS_MAXCH];
    // Without its data files the library falls back on its analytic theory; say which was used.
    double probe[6];
    char error[AS_MAXCH];
    const int used = swe_calc(2451545.0, SE_MOON, SEFLG_SWIEPH, probe, error);
    const bool files = used >= 0 && (used & SEFLG_SWIEPH) != 0;
    if (!files) {
        EphemerisFlags = SEFLG_MOSEPH;
    }
    std::printf("Kestrava against the Swiss Ephemeris %s (%s)\n", swe_version(version),
                files ? "its data files" : "no data files found: its analytic Moshier theory");

    swe_set_sid_mode(SE_SIDM_LAHIRI, 0, 0);
    const std::string which = argc > 2 ? argv[2] : "both";
    const bool quick = argc > 3 && std::string(argv[3]) == "quick";
    for (const Ephemeris* theories : {&ModernEphemeris(), &ClassicalEphemeris()}) {
        if (which != "both" && which != theories->Name()) {
            continue;
        }
        Theories = theories;
        std::printf("\n=== Kestrava's %s ephemeris ===\n", std::string(theories->Name()).c_str());
        ComparePositions();
        CompareSiderealPlaces();
        CompareTransitions();
        CompareSiderealTransitions(Limb::Nakshatra, SwissNakshatraAngle,
                                   "Nakshatra transitions (the Moon's sidereal longitude crossing "
                                   "a multiple of 13 deg 20'), Kestrava minus Swiss Ephemeris:");
        CompareSiderealTransitions(
            Limb::Yoga, SwissYogaAngle,
            "Yoga transitions (the sum of the sidereal longitudes crossing a "
            "multiple of 13 deg 20'), Kestrava minus Swiss Ephemeris:");
        CompareSankrantis();
        CompareSunrises();
        if (!quick) {
            CompareLunarMonths();
            CompareMoonRisings();
            CompareCalendarDays();
        }
    }
    swe_close();
    return 0;
}
