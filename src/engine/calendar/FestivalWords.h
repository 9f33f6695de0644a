// SPDX-License-Identifier: MIT
// A festival day's rule in words, in English: the month, tithi and period that decide it, the
// regional calendar's day of a sankranti, or the festival it follows.
#pragma once

#include "engine/calendar/Festivals.h"

#include <string>

// FestivalRuleWords: "Ashvin Amavasya (amanta) in force at pradosha (the first fifth of the
// night); on two such days the second; on none, its sunrise day".
std::string FestivalRuleWords(const FestivalDay& day);

// DecidingPeriodWords: the period in words: "pradosha (the first fifth of the night)".
std::string DecidingPeriodWords(DecidingPeriod period);
