#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
# Writes data/elpmpp02-terms.inc, the terms of the ELP/MPP02 lunar theory (Chapront and Francou
# 2003, the constants fitted to DE405) that the modern ephemeris sums, truncated for 1900-2100.
#
# The coefficients come from the data file elpMppDeFull.js of the npm package "astronomia" (MIT),
# which holds the theory's series as Poisson terms with their arguments already combined:
#   coordinate += t^k * A * sin(p0 + p1 t + p2 t^2 + p3 t^3 + p4 t^4)
# with t in Julian centuries from J2000 (TDB), A in seconds of arc (longitude, latitude) or
# kilometres (distance), the phases in radians; and the Moon's mean longitude W1 as a polynomial
# in t, radians. Usage:
#   cd /tmp && npm pack astronomia && tar xzf astronomia-*.tgz
#   scripts/extract-elpmpp02.py /tmp/package/data/elpMppDeFull.js > data/elpmpp02-terms.inc
#
# Truncation: the smallest terms of each coordinate are left out while the sum of their
# amplitudes (each at its largest over |t| <= 1, 1900-2100) stays within the budget below, so
# that what is left out can never add up to more than 0.1" in longitude or latitude or 0.2 km in
# distance (about 0.1" seen from the Earth).
import json
import re
import sys

BUDGET = {"L": 0.1, "B": 0.1, "R": 0.2}
NAMES = {"L": "longitude", "B": "latitude", "R": "distance"}


def read(path):
    text = open(path, encoding="utf-8").read()
    text = text[text.index("{"): text.rindex("}") + 1]
    text = re.sub(r'(\n\s*)([A-Za-z0-9]+):', r'\1"\2":', text)
    return json.loads(text)


def kept(series, budget):
    """The terms of one coordinate that stay, as (power, row), in the source's order."""
    terms = [(abs(row[0]), int(power), i) for power in series for i, row in enumerate(series[power])]
    terms.sort()
    dropped, left_out = 0.0, set()
    for amplitude, power, i in terms:
        if dropped + amplitude > budget:
            break
        dropped += amplitude
        left_out.add((power, i))
    rows = []
    for power in sorted(series, key=int):
        for i, row in enumerate(series[power]):
            if (int(power), i) not in left_out:
                rows.append((int(power), row))
    return rows, dropped


def main():
    data = read(sys.argv[1])
    out = sys.stdout
    out.write("// SPDX-License-Identifier: MIT\n")
    out.write("// The ELP/MPP02 lunar theory (M. Chapront-Touze, J. Chapront, G. Francou: ELP/MPP02,\n")
    out.write("// Chapront and Francou 2003, with its constants fitted to the DE405 ephemeris), truncated\n")
    out.write("// for 1900-2100. Source of the figures: the data file elpMppDeFull.js of the npm package\n")
    out.write("// astronomia 4.2.0 (MIT licence, (c) 2013 Sonia Keys, (c) 2016 commenthol); written by\n")
    out.write("// scripts/extract-elpmpp02.py, do not edit. Each row: {power k, A, p0, p1, p2, p3, p4}, the\n")
    out.write("// term t^k A sin(p0 + p1 t + p2 t^2 + p3 t^3 + p4 t^4), t in Julian centuries from J2000,\n")
    out.write("// A in seconds of arc (longitude, latitude) or km (distance), phases in radians.\n")
    w1 = ", ".join(repr(x) for x in data["W1"])
    out.write("// The Moon's mean longitude W1, radians, coefficients of t^0 ... t^4:\n")
    out.write(f"#define KESTRAVA_ELP_W1 {{{w1}}}\n")
    for coordinate in "LBR":
        rows, dropped = kept(data[coordinate], BUDGET[coordinate])
        macro = "KESTRAVA_ELP_" + NAMES[coordinate].upper()
        out.write(f"// The {NAMES[coordinate]}: {len(rows)} terms; those left out add up to at most "
                  f"{dropped:.4f} {'km' if coordinate == 'R' else 'arcsec'}.\n")
        out.write(f"#define {macro} \\\n")
        for n, (power, row) in enumerate(rows):
            if n % 10 == 0:
                out.write(f"    /* {n} */ \\\n")
            values = ", ".join(repr(float(x)) for x in row)
            out.write(f"    {{{power}, {values}}}, \\\n")
        out.write("\n")


if __name__ == "__main__":
    main()
