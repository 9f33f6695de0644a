// SPDX-License-Identifier: MIT
// The words of an exported calendar file in the user's language: the engine's English wording,
// each text through the translation of the chosen language.
#pragma once

#include "engine/calendar/CalendarExport.h"

#include <QString>

// SkyDescription: "Computed with the modern ephemeris and the Lahiri ayanamsa.", in the windows'
// language: what a calendar file and a printed month say they were reckoned with.
QString SkyDescription(const SkyChoice& sky);

// The calendar file's words, and every name and phrase, through the installed catalogues.
class TranslatedCalendarWording final : public CalendarWording {
public:
    std::string Name(NameKind kind, std::string_view english) const override;
    std::string TithiTitleOf(int tithi) const override;
    std::string FestivalName(std::string_view english) const override;
    std::string Phrase(const char* context, const char* english,
                       const std::vector<std::string>& values = {}) const override;
    std::string PlaceText(const Place& place, const std::string& name) const override;
    std::string CalendarName(CalendarEventKind kind, const std::string& where) const override;
    std::string CalendarDescription(const SkyChoice& sky) const override;
    std::string DaySummary(const CalendarDay& day) const override;
    std::string DayDescription(const CalendarDay& day, const std::string& where,
                               const std::string& zone) const override;
    std::string SpanSummary(int tithi) const override;
    std::string SpanDescription(int tithi, const ClockInstant& begin, const ClockInstant& end,
                                const LunarMonth& named, const MonthAndYears& month,
                                const std::string& zone) const override;
    std::string VrataSummary(const TithiOccurrence& vrata, MonthReckoning reckoning) const override;
    std::string VrataDescription(const TithiOccurrence& vrata, const std::string& where,
                                 const std::string& zone) const override;
    std::string FestivalSummary(const FestivalDay& festival) const override;
    std::string Category(std::string_view english) const override;
};
