// SPDX-License-Identifier: MIT
// Time scales of the panchanga: the Julian day of a civil date, the calendar date of a Julian
// day, and Delta T (Terrestrial Time minus Universal Time), with the way between the two times.
//
// Sources: the Julian day number of a date by whole months counted from March of the year -4800
// in the Julian calendar, with the Gregorian correction after 1582; the calendar date of a Julian
// day by Meeus (Astronomical Algorithms, 1991, chapter 7); Delta T from the decade values of the
// historical tables for 1620-2010 (Stephenson and Morrison's, as Meeus tabulates them),
// interpolated linearly, and from 2010 on the parabola 25.5 T^2 - 39 seconds (T in centuries from
// 1800). Accuracy: the two date conversions are exact for every date 1901-2050. Delta T agrees with
// the observed values to about a second up to 2000; after 2010 the parabola runs ahead of the Swiss
// Ephemeris' Delta T by 21 s on average over 2001-2050 (up to 44 s by 2050), so that the civil
// times of those years come early by as much.
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

// TerrestrialOfUniversal: jd + Delta T, as the tithi driver converts.
//   jd  Julian day, Universal Time
// Returns the Julian day in Terrestrial Time.
double TerrestrialOfUniversal(double jd);

// UniversalOfTerrestrial: the inverse of TerrestrialOfUniversal, by iteration (Delta T depends
// on the Universal Time).
//   jde  Julian day, Terrestrial Time
// Returns the Julian day in Universal Time whose Delta T carries it to jde, within a few
// microseconds (the decade table steps by a few milliseconds from day to day).
double UniversalOfTerrestrial(double jde);
