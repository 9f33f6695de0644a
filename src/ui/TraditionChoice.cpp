// SPDX-License-Identifier: MIT
// The remembered tradition, in the settings record.
#include "ui/TraditionChoice.h"

#include "ui/Settings.h"

Tradition RememberedTradition(Platform& platform) {
    return ReadSettings(platform).tradition == QLatin1String("vaishnava") ? Tradition::Vaishnava
                                                                         : Tradition::Smarta;
}

void RememberTradition(Platform& platform, Tradition tradition) {
    UpdateSettings(platform, [tradition](Settings& settings) {
        settings.tradition = tradition == Tradition::Vaishnava ? QStringLiteral("vaishnava")
                                                               : QStringLiteral("smarta");
    });
}
