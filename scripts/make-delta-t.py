#!/usr/bin/python3
# SPDX-License-Identifier: MIT
# Writes data/delta-t.inc, the observed Delta T (TT - UT1) of the modern ephemeris: one row a
# year for 1800-1961 from the Stephenson-Morrison-Hohenkerk 2016 spline (as Debian's
# python3-skyfield bundles their Table S15), one row a month from 1962 from the IERS EOP C04
# series of UT1 - UTC (as Debian's python3-astropy bundles it) with TAI - UTC from tzdata's
# leap-seconds.list (1972 on; the drifting UTC of 1962-1971 from ERFA's table, python3-erfa):
#   Delta T = 32.184 s + (TAI - UTC) - (UT1 - UTC).
# Usage: scripts/make-delta-t.py > data/delta-t.inc   (needs python3-astropy, python3-skyfield)
import os
import sys

import erfa
import numpy as np
import astropy.utils.iers
import skyfield

NTP_EPOCH_MJD = 15020  # 1900 January 1, the epoch of leap-seconds.list
C04 = os.path.join(os.path.dirname(astropy.utils.iers.__file__), "data", "eopc04_IAU2000.62-now")
S15 = os.path.join(os.path.dirname(skyfield.__file__), "data", "delta_t.npz")
LEAP = "/usr/share/zoneinfo/leap-seconds.list"


def leap_seconds():
    rows = []
    for line in open(LEAP):
        if line.startswith("#") or not line.strip():
            continue
        seconds, offset = line.split()[:2]
        rows.append((NTP_EPOCH_MJD + int(seconds) // 86400, int(offset)))
    return rows


def tai_minus_utc(year, month, day, mjd, leaps):
    if mjd >= leaps[0][0]:
        return float([offset for start, offset in leaps if start <= mjd][-1])
    return float(erfa.dat(year, month, day, 0.0))


def decimal_year(mjd):
    return 2000.0 + (mjd - 51544.0) / 365.2425


def main():
    out = sys.stdout
    leaps = leap_seconds()
    table = np.load(S15)["Table-S15.2020.txt"]
    rows = []
    for year in range(1800, 1962):
        for i in range(table.shape[1]):
            start, end, a3, a2, a1, a0 = table[:, i]  # highest power first
            if start <= year < end:
                x = (year - start) / (end - start)
                rows.append((float(year), a0 + x * (a1 + x * (a2 + x * a3)), "SMH 2016"))
    last = None
    for line in open(C04):
        parts = line.split()
        if len(parts) < 7 or not parts[0].isdigit():
            continue
        year, month, day, mjd = (int(p) for p in parts[:4])
        ut1_utc = float(parts[6])
        if day == 1:
            delta_t = 32.184 + tai_minus_utc(year, month, day, mjd, leaps) - ut1_utc
            rows.append((decimal_year(mjd), delta_t, "IERS C04"))
            last = (decimal_year(mjd), delta_t)
    # The rate of the last ten observed years carries Delta T on past the last value.
    ten_years_before = [r for r in rows if r[0] <= last[0] - 10][-1]
    rate = (last[1] - ten_years_before[1]) / (last[0] - ten_years_before[0])
    out.write("// SPDX-License-Identifier: MIT\n")
    out.write("// Delta T = TT - UT1, seconds, observed: 1800-1961 yearly from the spline of\n")
    out.write("// Stephenson, Morrison and Hohenkerk (Proc. R. Soc. A 472, 2016, Table S15, as\n")
    out.write("// python3-skyfield bundles it); from 1962 monthly from the IERS EOP C04 series of\n")
    out.write("// UT1 - UTC (as python3-astropy bundles it) with TAI - UTC from tzdata's\n")
    out.write("// leap-seconds.list. Written by scripts/make-delta-t.py, do not edit.\n")
    out.write("// Each row: {decimal year (2000 + (MJD - 51544) / 365.2425), Delta T in seconds}.\n")
    out.write(f"#define KESTRAVA_DELTA_T_RATE {rate!r} // seconds a year, the last ten years'\n")
    out.write("#define KESTRAVA_DELTA_T_ROWS \\\n")
    for n, (year, delta_t, source) in enumerate(rows):
        if n % 10 == 0:
            out.write(f"    /* {n}: {source} */ \\\n")
        out.write(f"    {{{year:.6f}, {delta_t:.4f}}}, \\\n")
    out.write("\n")


if __name__ == "__main__":
    main()
