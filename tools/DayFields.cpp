// SPDX-License-Identifier: MIT
// The periods and facts of a moment's day, from the engine, and their fields in a moment's record.
#include "DayFields.h"

#include "Compute.h"

#include "engine/day/DayFacts.h"
#include "engine/day/DayPeriods.h"
#include "engine/present/PanchangaNames.h"
#include "engine/time/TimeScales.h"

#include <cmath>
#include <cstdio>
#include <iterator>

namespace tithi_cli {

namespace {

// Each instant of a period to the nearest second, so that it lies within half a second of its
// rule applied to the sunrise and sunset shown (themselves to the nearest second).
std::string Iso(const CivilClock& clock, double jd) {
    const ClockInstant instant = InstantOfUniversal(clock, jd);
    return IsoTime(instant.Civil(), ClockRounding::NearestSecond, instant.OffsetHours);
}

PeriodTimes TimesOf(const CivilClock& clock, const TimeSpan& span) {
    return {Iso(clock, span.Begins), Iso(clock, span.Ends)};
}

std::vector<PeriodTimes> TimesOf(const CivilClock& clock, const std::vector<TimeSpan>& spans) {
    std::vector<PeriodTimes> times;
    for (const TimeSpan& span : spans) {
        times.push_back(TimesOf(clock, span));
    }
    return times;
}

std::string WhyNoPeriods(const HorizonCrossing& sunrise, const HorizonCrossing& sunset,
                         bool hasLatitude) {
    if (!hasLatitude) {
        return "not defined: give --lat";
    }
    if (sunrise.State == HorizonState::AboveAllDate || sunset.State == HorizonState::AboveAllDate) {
        return "not defined: the Sun does not set this date (polar day)";
    }
    if (sunrise.State == HorizonState::BelowAllDate || sunset.State == HorizonState::BelowAllDate) {
        return "not defined: the Sun does not rise this date (polar night)";
    }
    return "not defined: the Sun does not both rise and set this date and rise the next";
}

Value TimesValue(const PeriodTimes& t) {
    return Value::Object({{"begins", Value::Text(t.Begins)}, {"ends", Value::Text(t.Ends)}});
}

Value TimesList(const std::vector<PeriodTimes>& list) {
    std::vector<Value> items;
    for (const PeriodTimes& t : list) {
        items.push_back(TimesValue(t));
    }
    return Value::List(std::move(items));
}

Value NamedList(const std::vector<NamedPeriod>& list, const char* nameKey) {
    std::vector<Value> items;
    for (const NamedPeriod& p : list) {
        std::vector<Field> members{{nameKey, Value::Text(p.Name)}};
        if (!p.Quality.empty()) {
            members.emplace_back("quality", Value::Text(p.Quality));
        }
        members.emplace_back("begins", Value::Text(p.Times.Begins));
        members.emplace_back("ends", Value::Text(p.Times.Ends));
        items.push_back(Value::Object(std::move(members)));
    }
    return Value::List(std::move(items));
}

// An ISO 8601 interval, "begins/ends".
std::string Interval(const PeriodTimes& t) {
    return t.Begins + '/' + t.Ends;
}

std::string Intervals(const std::vector<PeriodTimes>& list) {
    std::string text;
    for (std::size_t k = 0; k < list.size(); ++k) {
        text += (k ? ";" : "") + Interval(list[k]);
    }
    return text;
}

std::string NamedIntervals(const std::vector<NamedPeriod>& list) {
    std::string text;
    for (std::size_t k = 0; k < list.size(); ++k) {
        text += (k ? ";" : "") + list[k].Name + (list[k].Quality.empty() ? "" : " ") +
                list[k].Quality + ' ' + Interval(list[k].Times);
    }
    return text;
}

constexpr const char* MuhurtaKeys[] = {"rahu_kalam",     "yamaganda", "gulika_kalam", "abhijit",
                                       "brahma_muhurta", "pradosha",  "nishita",      "godhuli"};

} // namespace

DayFields DayFieldsOf(const PanchangaMoment& moment, const Place& place, const CivilClock& clock,
                      bool hasLatitude, const SkyChoice& choice) {
    DayFields day;
    const DayPeriodsOfDate found =
        hasLatitude ? PeriodsOfDate(moment.Date, place, clock, choice) : DayPeriodsOfDate{};
    if (!found.Defined) {
        day.PeriodsNote = WhyNoPeriods(moment.Sunrise, moment.Sunset, hasLatitude);
    } else {
        const DayPeriods& p = found.Periods;
        const TimeSpan* singles[] = {&p.RahuKalam,     &p.Yamaganda, &p.GulikaKalam, &p.Abhijit,
                                     &p.BrahmaMuhurta, &p.Pradosha,  &p.Nishita,     &p.Godhuli};
        for (std::size_t k = 0; k < std::size(singles); ++k) {
            day.Muhurtas.emplace_back(MuhurtaKeys[k], TimesOf(clock, *singles[k]));
        }
        day.AbhijitLeftOut = p.AbhijitLeftOut;
        day.Durmuhurta = TimesOf(clock, p.Durmuhurtas);
        day.AmritKalam = TimesOf(clock, found.AmritKalam);
        day.Varjyam = TimesOf(clock, found.Varjyam);
        for (const ChoghadiyaPeriod& c : p.Choghadiyas) {
            day.Choghadiya.push_back({std::string(ChoghadiyaName(c.Kind)),
                                      std::string(QualityName(ChoghadiyaQuality(c.Kind))),
                                      TimesOf(clock, c.Span)});
        }
        for (const HoraPeriod& h : p.Horas) {
            day.Hora.push_back({std::string(WeekdayLordName(h.Lord)), {}, TimesOf(clock, h.Span)});
        }
    }
    const SkyFacts sky = SkyFactsAt(moment.Moment.Jde, choice);
    day.MoonIllumination = sky.MoonIllumination * 100;
    day.Waxing = sky.Waxing;
    day.MoonRashi = RashiName(sky.MoonRashi);
    day.MoonRashiEnds =
        Iso(clock, EphemerisOf(choice.Ephemeris).UniversalOfTerrestrial(sky.MoonRashiEnds));
    day.SunRashi = RashiName(sky.SunRashi);
    day.Ritu = RituName(RituOfMonth(moment.Month.Amanta.Index));
    day.Ayana = AyanaName(AyanaOfSun(moment.SunSidereal));
    day.Samvatsara = SamvatsaraName(SamvatsaraOfShaka(moment.Month.Shaka));
    day.KaliYear = KaliYearOfShaka(moment.Month.Shaka);
    return day;
}

namespace {

// The day's lines of the text.
void AddDayLines(Record& r, const DayFields& day) {
    char percent[32];
    std::snprintf(percent, sizeof percent, "%.1f %% lit, %s", day.MoonIllumination,
                  day.Waxing ? "waxing" : "waning");
    r.Line("Moon Phase", percent);
    r.Line("Moon Rashi", day.MoonRashi + " until " + day.MoonRashiEnds);
    r.Line("Sun Rashi", day.SunRashi);
    r.Line("Ritu", day.Ritu + " (by the lunar month)");
    r.Line("Ayana", day.Ayana + " (by the sidereal Sun)");
    r.Line("Samvatsara", day.Samvatsara + " (the southern cycle, from Chaitra)");
    r.Line("Kali Year", std::to_string(day.KaliYear));
    if (day.PeriodsNote) {
        r.Line("Periods", *day.PeriodsNote);
    } else {
        const char* const captions[] = {"Rahu Kalam",     "Yamaganda", "Gulika Kalam", "Abhijit",
                                        "Brahma Muhurta", "Pradosha",  "Nishita",      "Godhuli"};
        for (std::size_t k = 0; k < day.Muhurtas.size(); ++k) {
            const PeriodTimes& t = day.Muhurtas[k].second;
            r.Line(captions[k],
                   t.Begins + " to " + t.Ends +
                       (k == 3 && day.AbhijitLeftOut ? " (left out on Wednesdays)" : ""));
        }
        auto list = [&r](const char* caption, const std::vector<PeriodTimes>& spans) {
            std::string value;
            for (std::size_t k = 0; k < spans.size(); ++k) {
                value += (k ? ", " : "") + spans[k].Begins + " to " + spans[k].Ends;
            }
            r.Line(caption, value.empty() ? "none this day" : value);
        };
        list("Durmuhurta", day.Durmuhurta);
        list("Amrit Kalam", day.AmritKalam);
        list("Varjyam", day.Varjyam);
        for (std::size_t k = 0; k < day.Choghadiya.size(); ++k) {
            const NamedPeriod& c = day.Choghadiya[k];
            r.Line(std::string(k < 8 ? "Choghadiya D" : "Choghadiya N") + std::to_string(k % 8 + 1),
                   c.Name + " (" + c.Quality + ") " + c.Times.Begins + " to " + c.Times.Ends);
        }
        for (std::size_t k = 0; k < day.Hora.size(); ++k) {
            const NamedPeriod& h = day.Hora[k];
            r.Line("Hora " + std::to_string(k + 1),
                   h.Name + ' ' + h.Times.Begins + " to " + h.Times.Ends);
        }
    }
}

} // namespace

void AddDayFields(Record& r, const DayFields& day) {
    if (r.Wants(InText)) {
        AddDayLines(r, day);
    }
    // JSON: the muhurtas in one object; CSV: a column for each end of each, whether or not the
    // periods are defined, and the lists as ISO 8601 intervals.
    if (day.PeriodsNote) {
        r.Add("muhurta", Value::Null(), InJson);
    } else if (r.Wants(InJson)) {
        std::vector<Field> muhurtas;
        for (const auto& [key, times] : day.Muhurtas) {
            muhurtas.emplace_back(key, TimesValue(times));
        }
        muhurtas.emplace_back("durmuhurta", TimesList(day.Durmuhurta));
        muhurtas.emplace_back("amrit_kalam", TimesList(day.AmritKalam));
        muhurtas.emplace_back("varjyam", TimesList(day.Varjyam));
        r.Add("muhurta", Value::Object(std::move(muhurtas)), InJson);
        r.Add("abhijit_left_out", Value::Boolean(day.AbhijitLeftOut), InJson);
    }
    if (r.Wants(InCsv)) {
        for (std::size_t k = 0; k < std::size(MuhurtaKeys); ++k) {
            const bool known = k < day.Muhurtas.size();
            r.Add(std::string(MuhurtaKeys[k]) + "_begins",
                  known ? Value::Text(day.Muhurtas[k].second.Begins) : Value::Null(), InCsv);
            r.Add(std::string(MuhurtaKeys[k]) + "_ends",
                  known ? Value::Text(day.Muhurtas[k].second.Ends) : Value::Null(), InCsv);
        }
        r.Add("durmuhurta", Value::Text(Intervals(day.Durmuhurta)), InCsv);
        r.Add("amrit_kalam", Value::Text(Intervals(day.AmritKalam)), InCsv);
        r.Add("varjyam", Value::Text(Intervals(day.Varjyam)), InCsv);
    }
    if (day.PeriodsNote) {
        r.Add("choghadiya", Value::Null(), InData);
        r.Add("hora", Value::Null(), InData);
        r.Add("periods_note", Value::Text(*day.PeriodsNote), InJson);
    } else {
        // A list of objects in JSON, a cell of intervals in CSV.
        const bool json = r.Wants(InJson), csv = r.Wants(InCsv);
        Field& choghadiya =
            r.Add("choghadiya", json ? NamedList(day.Choghadiya, "name") : Value::Null(), InData);
        if (csv) {
            choghadiya.Cell = NamedIntervals(day.Choghadiya);
        }
        Field& hora = r.Add("hora", json ? NamedList(day.Hora, "lord") : Value::Null(), InData);
        if (csv) {
            hora.Cell = NamedIntervals(day.Hora);
        }
    }
    r.Add("moon_illumination", Value::Number(day.MoonIllumination, 2), InData);
    r.Add("moon_waxing", Value::Boolean(day.Waxing), InJson);
    r.Add("moon_rashi", Value::Text(day.MoonRashi), InData);
    r.Add("moon_rashi_ends", Value::Text(day.MoonRashiEnds), InData);
    r.Add("sun_rashi", Value::Text(day.SunRashi), InData);
    r.Add("ritu", Value::Text(day.Ritu), InData);
    r.Add("ayana", Value::Text(day.Ayana), InData);
    r.Add("samvatsara", Value::Text(day.Samvatsara), InData);
    r.Add("kali_year", Value::Integer(day.KaliYear), InData);
}

} // namespace tithi_cli
