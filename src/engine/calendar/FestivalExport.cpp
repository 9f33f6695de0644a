// SPDX-License-Identifier: MIT
// The festivals as iCalendar events: one all-day event a festival day, its identifier the
// festival's id, its year and the place, so that a file exported again updates its events.
#include "engine/calendar/CalendarExport.h"

#include "engine/calendar/FestivalWords.h"
#include "engine/present/PanchangaNames.h"
#include "engine/time/TimeScales.h"

#include <cmath>
#include <cstdio>

namespace {

const CalendarWording EnglishWording;

std::string Offset(double hours) {
    const long minutes = std::lround(std::fabs(hours) * 60);
    char text[48];
    std::snprintf(text, sizeof text, "%c%02ld:%02ld", hours < 0 ? '-' : '+', minutes / 60,
                  minutes % 60);
    return text;
}

std::string Zone(const CivilClock& clock, double jd) {
    const std::string offset = "UTC" + Offset(clock.OffsetHoursAt(jd));
    return clock.ZoneName().empty() ? offset : clock.ZoneName() + " (" + offset + ')';
}

} // namespace

std::string CalendarWording::FestivalSummary(const FestivalDay& festival) const {
    return festival.Rule->NameEn;
}

std::string CalendarWording::FestivalDescription(const FestivalDay& festival,
                                                 const std::string& where,
                                                 const std::string& zone) const {
    std::string text = FestivalRuleWords(festival) + '.';
    if (festival.Sankranti) {
        text += "\nThe Sun enters " + std::string(RashiName(festival.Rule->Rashi)) + " at " +
                DateText(DateOfInstant(*festival.Sankranti)) + ' ' +
                ClockText(*festival.Sankranti, ClockRounding::NearestMinute) + '.';
    }
    if (festival.Month.Amanta.Index >= 0) {
        text += "\nMonth: " + MonthTitle(festival.Month.Amanta) + " (amanta), " +
                MonthTitle(festival.Month.Purnimanta) + " (purnimanta).";
    }
    if (festival.Rule->Region != "all") {
        text += "\nKept in: " + festival.Rule->Region + '.';
    }
    text += "\nAt " + where + ", times " + zone + '.';
    return text;
}

std::vector<CalendarEvent> FestivalEvents(const CalendarExportRequest& request, const Place& place,
                                          const CivilClock& clock) {
    const CalendarWording& words = request.Wording ? *request.Wording : EnglishWording;
    const std::string where = words.PlaceText(place, request.PlaceName);
    std::vector<CalendarEvent> events;
    for (const FestivalDay& festival : FestivalsBetween(request.First, request.Last, place, clock,
                                                        BuiltInFestivalTable(),
                                                        {request.Keeper, request.Sky})) {
        CalendarEvent event;
        event.Uid = "festival-" + festival.Rule->Id + '-' + std::to_string(festival.Date.Year) +
                    '-' + PlaceKey(place) + "@kestrava";
        event.AllDay = true;
        event.Date = festival.Date;
        event.Summary = words.FestivalSummary(festival);
        const double midnight = UniversalOfCivil(clock, CivilJulianDayOfDate(festival.Date));
        event.Description = words.FestivalDescription(festival, where, Zone(clock, midnight));
        event.Categories = {words.Category("Festival")};
        if (festival.Rule->Kind != FestivalKind::Festival) {
            std::string kind(FestivalKindName(festival.Rule->Kind));
            kind[0] = static_cast<char>(kind[0] - 'a' + 'A');
            event.Categories.push_back(words.Category(kind));
        }
        events.push_back(std::move(event));
    }
    return events;
}
