// Sunrise at a place on a civil date, from the solar theory of the tithi: the instant at which
// the Sun's upper limb, lifted by the standard refraction, meets the horizon.
#pragma once

// The altitude of the Sun's centre at the moment its upper limb appears: a radius of 16' below
// the horizon and 34' of refraction, -0 degrees 50'.
inline constexpr double SunriseAltitude = -50.0 / 60;

// The Sun's place on the sky, referred to the true equator and equinox of date.
struct SunEquatorial {
    double RightAscension{}; // degrees, 0 ... 360
    double Declination{};    // degrees
};

// SunEquatorialOf: the Sun's right ascension and declination.
//   jde  Julian day, Terrestrial Time
// Returns the apparent longitude of the solar theory (latitude taken as 0) turned onto the
// equator with the true obliquity of the ecliptic (the mean obliquity and the nutation in
// obliquity, both of the IAU 1980 theory, short series).
SunEquatorial SunEquatorialOf(double jde);

// ApparentSiderealTime: the hour angle of the true equinox at Greenwich.
//   jd  Julian day, Universal Time
// Returns degrees, 0 ... 360: the mean sidereal time of the IAU 1982 expression plus the equation
// of the equinoxes.
double ApparentSiderealTime(double jd);

// SunAltitude: the altitude of the Sun's centre above the horizon of a place, without
// refraction.
//   jd         Julian day, Universal Time
//   longitude  degrees, west positive (as in the calculation record)
//   latitude   degrees, north positive
// Returns degrees.
double SunAltitude(double jd, double longitude, double latitude);

enum class SunriseKind {
    Rises,      // the Sun rises on that date
    PolarDay,   // the Sun stays above the horizon all day
    PolarNight, // the Sun stays below the horizon all day
    NotOnDate,  // it sets that day but rises only after midnight; or the latitude is no latitude
};

struct Sunrise {
    SunriseKind Kind{SunriseKind::NotOnDate};
    double JulianDayUT{}; // when it rises: Julian day, Universal Time
};

// SunriseOnDate: when the Sun rises on a civil date at a place.
//   month, day, year  the civil date on the place's clock
//   clockOffsetHours  how far the place's clock runs ahead of Universal Time, hours (east
//                     positive; see ClockOffsetHours)
//   longitude         degrees, west positive
//   latitude          degrees, north positive, -90 ... 90
// Returns the instant at which the Sun's centre reaches SunriseAltitude, rising, between the
// midnight that begins the date and the next, by the place's clock; or why there is none. Within
// a hundredth of a second of the solar theory's own instant, and within a few seconds of a
// high-precision ephemeris up to 60 degrees of latitude.
Sunrise SunriseOnDate(int month, int day, int year, double clockOffsetHours, double longitude,
                      double latitude);
