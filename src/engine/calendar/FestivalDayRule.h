// SPDX-License-Identifier: MIT
// The day a festival's tithi is kept on: the sunrises and sunsets of the days around it, the
// periods of those days, and the rules for two days or none, bhadra and a companion nakshatra.
#pragma once

#include "engine/calendar/Calendar.h"
#include "engine/calendar/FestivalRules.h"
#include "engine/day/Risings.h"
#include "engine/time/TimeScales.h"

#include <map>

struct DayWindow {
    double From{}, To{}; // Terrestrial Time; equal for an instant
    bool Valid{};
};

// The sunrises and sunsets of the dates the rules ask about, remembered.
class FestivalDayClock {
public:
    FestivalDayClock(const Place& place, const CivilClock& clock, const SkyChoice& sky)
        : place_(place), clock_(clock), sky_(sky), ephemeris_(EphemerisOf(sky.Ephemeris)) {}

    const SkyChoice& Sky() const { return sky_; }

    struct Light {
        double Sunrise{}, Sunset{};
    };

    const Light& Of(const CivilDate& date) {
        const int key = DateKey(date);
        auto found = light_.find(key);
        if (found == light_.end()) {
            const double midnight = Midnight(date);
            const double next = Midnight(AddDays(date, 1));
            const HorizonCrossing rise = SunriseCrossing(date, place_, clock_, ephemeris_);
            const HorizonCrossing set = SunsetOnDate(date, place_, clock_, ephemeris_);
            // Where the Sun does not rise or set, the midnights stand in.
            Light light{rise.State == HorizonState::Crosses ? rise.At.Jde : midnight,
                        set.State == HorizonState::Crosses ? set.At.Jde : next};
            if (!(light.Sunset > light.Sunrise)) {
                light.Sunset = next;
            }
            found = light_.emplace(key, light).first;
        }
        return found->second;
    }

    double Midnight(const CivilDate& date) const {
        return ephemeris_.TerrestrialOfUniversal(
            UniversalOfCivil(clock_, CivilJulianDayOfDate(date)));
    }

    // The day's period: from the date's sunrise to the next.
    DayWindow PeriodOf(const CivilDate& date, DecidingPeriod period) {
        const Light today = Of(date);
        const double nextSunrise = Of(AddDays(date, 1)).Sunrise;
        const double sr = today.Sunrise, ss = today.Sunset;
        const double daytime = ss - sr, night = nextSunrise - ss;
        switch (period) {
        case DecidingPeriod::Sunrise:
            return {sr, sr, true};
        case DecidingPeriod::Purvahna:
            return {sr, sr + daytime / 2, true};
        case DecidingPeriod::Madhyahna:
            return {sr + daytime * 2 / 5, sr + daytime * 3 / 5, true};
        case DecidingPeriod::Aparahna:
            return {sr + daytime * 3 / 5, sr + daytime * 4 / 5, true};
        case DecidingPeriod::Pradosha:
            return {ss, ss + night / 5, true};
        case DecidingPeriod::Nishita:
            return {ss + night * 7 / 15, ss + night * 8 / 15, true};
        case DecidingPeriod::Arunodaya: {
            const double previousNight = sr - Of(AddDays(date, -1)).Sunset;
            return {sr - previousNight * 2 / 15, sr, true};
        }
        case DecidingPeriod::Moonrise:
            break;
        }
        // The first moonrise after the day's sunrise and before the next.
        for (int k = 0; k <= 1; ++k) {
            const MoonCrossings moon = MoonCrossingsOnDate(AddDays(date, k), place_, clock_, sky_);
            if (moon.Rise.State == HorizonState::Crosses && moon.Rise.At.Jde >= sr &&
                moon.Rise.At.Jde < nextSunrise) {
                return {moon.Rise.At.Jde, moon.Rise.At.Jde, true};
            }
        }
        return {};
    }

    // The day of a span by the sunrise rule: the first whose sunrise it holds, or the one in
    // which it runs.
    CivilDate SunriseDay(double begin, double end) {
        const CalendarDate civil = CalendarDateOfJulianDay(InstantOfTerrestrial(clock_, begin, ephemeris_).Civil());
        CivilDate date{static_cast<int>(civil.Year), static_cast<int>(civil.Month),
                       static_cast<int>(civil.Day)};
        if (Of(date).Sunrise < begin) {
            date = AddDays(date, 1);
        }
        return Of(date).Sunrise < end ? date : AddDays(date, -1);
    }

    const CivilClock& Clock() const { return clock_; }

private:
    const Place& place_;
    const CivilClock& clock_;
    SkyChoice sky_;
    const Ephemeris& ephemeris_;
    std::map<int, Light> light_;
};

// DecideDay: the civil date a rule keeps the tithi that runs from begin to end (Terrestrial
// Time) on.
CivilDate DecideDay(const FestivalRule& rule, double begin, double end, FestivalDayClock& days);
