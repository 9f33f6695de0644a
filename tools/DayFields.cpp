// SPDX-License-Identifier: MIT
// The periods and facts of a moment's day, from the engine, and their JSON, text and CSV.
#include "DayFields.h"

#include "Compute.h"
#include "Formats.h"

#include "engine/day/DayFacts.h"
#include "engine/day/DayPeriods.h"
#include "engine/present/PanchangaNames.h"
#include "engine/time/TimeScales.h"

#include <cmath>
#include <cstdio>
#include <iterator>
#include <sstream>

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

std::string JsonTimes(const PeriodTimes& t) {
    return "{\"begins\":" + JsonString(t.Begins) + ",\"ends\":" + JsonString(t.Ends) + '}';
}

std::string JsonList(const std::vector<PeriodTimes>& list) {
    std::string json = "[";
    for (std::size_t k = 0; k < list.size(); ++k) {
        json += (k ? "," : "") + JsonTimes(list[k]);
    }
    return json + ']';
}

std::string JsonNamed(const std::vector<NamedPeriod>& list, const char* nameKey) {
    std::string json = "[";
    for (std::size_t k = 0; k < list.size(); ++k) {
        const NamedPeriod& p = list[k];
        json += k ? ",{\"" : "{\"";
        json += nameKey;
        json += "\":" + JsonString(p.Name);
        if (!p.Quality.empty()) {
            json += ",\"quality\":" + JsonString(p.Quality);
        }
        json += ",\"begins\":" + JsonString(p.Times.Begins) +
                ",\"ends\":" + JsonString(p.Times.Ends) + '}';
    }
    return json + ']';
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

// A percentage to a hundredth, "23.01".
std::string Percent(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.2f", value);
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

std::string DayJson(const DayFields& day) {
    std::string json;
    if (day.PeriodsNote) {
        json += ",\"muhurta\":null,\"choghadiya\":null,\"hora\":null,\"periods_note\":" +
                JsonString(*day.PeriodsNote);
    } else {
        json += ",\"muhurta\":{";
        for (std::size_t k = 0; k < day.Muhurtas.size(); ++k) {
            json += (k ? ",\"" : "\"") + day.Muhurtas[k].first +
                    "\":" + JsonTimes(day.Muhurtas[k].second);
        }
        json += ",\"durmuhurta\":" + JsonList(day.Durmuhurta);
        json += ",\"amrit_kalam\":" + JsonList(day.AmritKalam);
        json += ",\"varjyam\":" + JsonList(day.Varjyam) + '}';
        json += ",\"abhijit_left_out\":";
        json += day.AbhijitLeftOut ? "true" : "false";
        json += ",\"choghadiya\":" + JsonNamed(day.Choghadiya, "name");
        json += ",\"hora\":" + JsonNamed(day.Hora, "lord");
    }
    json += ",\"moon_illumination\":" + Percent(day.MoonIllumination);
    json += ",\"moon_waxing\":";
    json += day.Waxing ? "true" : "false";
    json += ",\"moon_rashi\":" + JsonString(day.MoonRashi);
    json += ",\"moon_rashi_ends\":" + JsonString(day.MoonRashiEnds);
    json += ",\"sun_rashi\":" + JsonString(day.SunRashi);
    json += ",\"ritu\":" + JsonString(day.Ritu);
    json += ",\"ayana\":" + JsonString(day.Ayana);
    json += ",\"samvatsara\":" + JsonString(day.Samvatsara);
    json += ",\"kali_year\":" + std::to_string(day.KaliYear);
    return json;
}

std::string DayText(const DayFields& day) {
    std::ostringstream text;
    auto line = [&text](const std::string& caption, const std::string& value) {
        text << caption << std::string(caption.size() < 16 ? 16 - caption.size() : 1, ' ') << value
             << '\n';
    };
    char percent[32];
    std::snprintf(percent, sizeof percent, "%.1f %% lit, %s", day.MoonIllumination,
                  day.Waxing ? "waxing" : "waning");
    line("Moon Phase", percent);
    line("Moon Rashi", day.MoonRashi + " until " + day.MoonRashiEnds);
    line("Sun Rashi", day.SunRashi);
    line("Ritu", day.Ritu + " (by the lunar month)");
    line("Ayana", day.Ayana + " (by the sidereal Sun)");
    line("Samvatsara", day.Samvatsara + " (the southern cycle, from Chaitra)");
    line("Kali Year", std::to_string(day.KaliYear));
    if (day.PeriodsNote) {
        line("Periods", *day.PeriodsNote);
        return text.str();
    }
    const char* const captions[] = {"Rahu Kalam",     "Yamaganda", "Gulika Kalam", "Abhijit",
                                    "Brahma Muhurta", "Pradosha",  "Nishita",      "Godhuli"};
    for (std::size_t k = 0; k < day.Muhurtas.size(); ++k) {
        const PeriodTimes& t = day.Muhurtas[k].second;
        std::string value = t.Begins + " to " + t.Ends;
        if (k == 3 && day.AbhijitLeftOut) {
            value += " (left out on Wednesdays)";
        }
        line(captions[k], value);
    }
    auto list = [&line](const char* caption, const std::vector<PeriodTimes>& spans) {
        std::string value;
        for (std::size_t k = 0; k < spans.size(); ++k) {
            value += (k ? ", " : "") + spans[k].Begins + " to " + spans[k].Ends;
        }
        line(caption, value.empty() ? "none this day" : value);
    };
    list("Durmuhurta", day.Durmuhurta);
    list("Amrit Kalam", day.AmritKalam);
    list("Varjyam", day.Varjyam);
    for (std::size_t k = 0; k < day.Choghadiya.size(); ++k) {
        const NamedPeriod& c = day.Choghadiya[k];
        line(std::string(k < 8 ? "Choghadiya D" : "Choghadiya N") + std::to_string(k % 8 + 1),
             c.Name + " (" + c.Quality + ") " + c.Times.Begins + " to " + c.Times.Ends);
    }
    for (std::size_t k = 0; k < day.Hora.size(); ++k) {
        const NamedPeriod& h = day.Hora[k];
        line("Hora " + std::to_string(k + 1),
             h.Name + ' ' + h.Times.Begins + " to " + h.Times.Ends);
    }
    return text.str();
}

std::string DayCsvHeader() {
    std::string header;
    for (const char* key : MuhurtaKeys) {
        header += std::string(",") + key + "_begins," + key + "_ends";
    }
    return header + ",durmuhurta,amrit_kalam,varjyam,choghadiya,hora,moon_illumination"
                    ",moon_rashi,moon_rashi_ends,sun_rashi,ritu,ayana,samvatsara,kali_year";
}

std::string DayCsv(const DayFields& day) {
    std::string row;
    for (std::size_t k = 0; k < std::size(MuhurtaKeys); ++k) {
        if (k < day.Muhurtas.size()) {
            row += ',' + day.Muhurtas[k].second.Begins + ',' + day.Muhurtas[k].second.Ends;
        } else {
            row += ",,";
        }
    }
    row += ',' + Intervals(day.Durmuhurta) + ',' + Intervals(day.AmritKalam) + ',' +
           Intervals(day.Varjyam) + ',' + NamedIntervals(day.Choghadiya) + ',' +
           NamedIntervals(day.Hora);
    row += ',' + Percent(day.MoonIllumination) + ',' + CsvField(day.MoonRashi) + ',' +
           day.MoonRashiEnds + ',' + CsvField(day.SunRashi) + ',' + CsvField(day.Ritu) + ',' +
           CsvField(day.Ayana) + ',' + CsvField(day.Samvatsara) + ',' +
           std::to_string(day.KaliYear);
    return row;
}

} // namespace tithi_cli
