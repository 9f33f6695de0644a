// SPDX-License-Identifier: MIT
// The observed Delta T table and its extrapolation.
#include "engine/time/ObservedDeltaT.h"

#include <algorithm>
#include <iterator>

namespace {

struct DeltaTRow {
    double Year;    // 2000 + (MJD - 51544) / 365.2425
    double Seconds; // TT - UT1
};

#include "delta-t.inc"

constexpr DeltaTRow Rows[] = {KESTRAVA_DELTA_T_ROWS};
constexpr double RateAfterLastRow = KESTRAVA_DELTA_T_RATE;

constexpr double JulianDayOf2000 = 2451544.5; // 2000 January 1.0, MJD 51544
constexpr double DaysPerYear = 365.2425;

} // namespace

double ObservedDeltaTSeconds(double jd) {
    const double year = 2000 + (jd - JulianDayOf2000) / DaysPerYear;
    const DeltaTRow& last = Rows[std::size(Rows) - 1];
    if (year >= last.Year) {
        return last.Seconds + (year - last.Year) * RateAfterLastRow;
    }
    if (!(year > Rows[0].Year)) {
        return Rows[0].Seconds;
    }
    const DeltaTRow* after =
        std::upper_bound(std::begin(Rows), std::end(Rows), year,
                         [](double y, const DeltaTRow& row) { return y < row.Year; });
    const DeltaTRow* before = after - 1;
    const double f = (year - before->Year) / (after->Year - before->Year);
    return before->Seconds + f * (after->Seconds - before->Seconds);
}

double ObservedDeltaTLastYear() {
    return Rows[std::size(Rows) - 1].Year;
}
