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
class Wording;

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
    // The names and phrases of the results in the language: the engine's own for English.
    const Wording& Words() const;

private:
    bool english_ = true;
    std::unique_ptr<QCoreApplication> application_;
    std::unique_ptr<CalendarWording> calendarWords_;
};

// Say: the names and texts of a result in the words given (English words leave them as they
// are), its figures and times as they were: the report's nine texts (in the installed language),
// the karana, vara, nakshatra, its lord, yoga, the months and the tithi at sunrise.
void Say(TithiResult& result, const Wording& words);
void Say(AlmanacEntry& entry, Limb limb, const Wording& words);
void Say(MonthDayEntry& day, const Wording& words);
void Say(FindEntry& day, const Wording& words);
void Say(FestivalEntry& day, const Wording& words);

// FormatTextInLanguage: the text of a result with the windows' captions and phrases in the words
// given; the captions of the figures (Moon, Sun, JDE ...) stay as they are.
std::string FormatTextInLanguage(const TithiResult& result, const Wording& words);

} // namespace tithi_cli
