// SPDX-License-Identifier: MIT
// Delta T (TT - UT1) as observed: the modern ephemeris' way between Universal and Terrestrial
// Time.
//
// Source: data/delta-t.inc, from Stephenson, Morrison and Hohenkerk (2016) before 1962 and from
// the IERS's UT1 - UTC with the leap seconds after (scripts/make-delta-t.py), interpolated
// linearly between its rows (a month apart from 1962). Past its last row (late 2022) Delta T
// grows on at the mean rate of the ten years before, 0.24 s a year; the Earth's rotation is not
// predictable so far ahead: by 2030 the true value may lie a few seconds either side, by 2050
// some fifteen.
// Before its first row (1800) the first value holds.
#pragma once

// ObservedDeltaTSeconds: TT - UT1 at a Julian day.
//   jd  Julian day, Universal Time
// Returns seconds.
double ObservedDeltaTSeconds(double jd);

// The decimal year at which the observed values end and the extrapolation begins.
double ObservedDeltaTLastYear();
