// The longitude of the Moon.
#pragma once

// MoonLongitude: apparent geocentric ecliptic longitude of the Moon, referred to the mean
// equinox of date plus nutation.
//   jde  Julian day, Terrestrial Time
// Returns degrees, 0 ... 360 inclusive (360 is not folded to 0).
// Mean elements reckoned from 1900 January 0.5 (JD 2415020), long-period corrections of the
// elements, the main series of 93 terms with eccentricity and inclination factors, the minor
// series of 27 terms, eight planetary terms and the nutation in longitude (see LunarSeries.h).
double MoonLongitude(double jde);

// MoonLongitude with the nutation in longitude at jde already known (NutationInLongitude(jde),
// degrees), so that the Moon and the Sun at one instant can share it. Same result.
double MoonLongitude(double jde, double nutationInLongitude);
