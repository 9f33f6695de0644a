// SPDX-License-Identifier: MIT
// kestrava-tithi's --lang: the catalogues of the windows installed for the run, and the names and
// texts of its results in that language. English is the tool's own text, which nothing here
// touches.
#pragma once

#include "CalendarModes.h"
#include "Compute.h"
#include "FestivalMode.h"

#include <memory>
#include <string>

class QCoreApplication;
class CalendarWording;

namespace tithi_cli {

// OutputLanguage: for the life of a run, the language of --lang: its catalogues installed and
// its locale Qt's default (the dates of an iCalendar file's descriptions), with an application
// object made for them where there is none. English installs nothing.
class OutputLanguage {
public:
    explicit OutputLanguage(const std::string& code);
    ~OutputLanguage();
    OutputLanguage(const OutputLanguage&) = delete;
    OutputLanguage& operator=(const OutputLanguage&) = delete;

    bool English() const { return english_; }

    // The words of an iCalendar file in the language; none for English (the engine's own).
    const CalendarWording* CalendarWords() const { return calendarWords_.get(); }

private:
    bool english_ = true;
    std::unique_ptr<QCoreApplication> application_;
    std::unique_ptr<CalendarWording> calendarWords_;
};

// Say: the names and texts of a result in the installed language, its figures and times as they
// were: the report's nine texts, the karana, vara, nakshatra, its lord, yoga, the months and the
// tithi at sunrise.
void Say(TithiResult& result);
void Say(AlmanacEntry& entry, Limb limb);
void Say(MonthDayEntry& day);
void Say(FindEntry& day);
void Say(FestivalEntry& day);

// FormatTextInLanguage: the text of a result with the windows' captions and phrases in the
// installed language; the captions of the figures (Moon, Sun, JDE ...) stay as they are.
std::string FormatTextInLanguage(const TithiResult& result);

} // namespace tithi_cli
