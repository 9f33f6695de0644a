// SPDX-License-Identifier: MIT
// Whose days the windows give where the traditions keep a festival on different days
// (Janmashtami, the Ekadashis): Smarta unless the user chose Vaishnava, remembered in the
// settings.
#pragma once

#include "engine/calendar/FestivalRules.h"

class Platform;

// RememberedTradition: the choice kept in the settings record ("smarta" or "vaishnava"); Smarta
// when none was kept.
Tradition RememberedTradition(Platform& platform);
void RememberTradition(Platform& platform, Tradition tradition);
