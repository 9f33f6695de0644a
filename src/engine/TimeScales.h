// Time scales of the panchanga: the Julian day of a civil date, the calendar date of a Julian
// day, and Delta T (Terrestrial Time minus Universal Time).
#pragma once

// A calendar date as the conversion from a Julian day gives it: whole numbers held as doubles.
struct CalendarDate {
    double Year{};
    double Month{}; // 1 ... 12
    double Day{};   // 1 ... 31
};

// JulianDayOfDate: Julian day of 0h of a civil date.
//   month, day, year  the civil date (whole numbers); dates up to 15 October 1582 are read in
//                     the Julian calendar, later ones in the Gregorian calendar
// Returns the Julian day in days, a value ending in .5 (2451544.5 for 1 January 2000).
double JulianDayOfDate(double month, double day, double year);

// CalendarDateOfJulianDay: calendar date of a Julian day.
//   jd  Julian day (any time scale)
// Returns the date on which jd falls, Julian calendar before JD 2299160.5, Gregorian after.
CalendarDate CalendarDateOfJulianDay(double jd);

// DeltaTForDate: Delta T = TT - UT, given the Julian day and its calendar date.
//   jd    Julian day, Universal Time
//   date  CalendarDateOfJulianDay(jd)
// Returns Delta T in hours: decade values interpolated 1620 ... 2009, 25.5 T^2 - 39 seconds from
// 2010 on, parabolas in T before 1620, with T in Julian centuries from 1800.
double DeltaTForDate(double jd, const CalendarDate& date);

// DeltaT: as DeltaTForDate, with the calendar date converted from jd.
//   jd  Julian day, Universal Time
// Returns TT - UT in hours.
double DeltaT(double jd);
