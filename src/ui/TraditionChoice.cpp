// SPDX-License-Identifier: MIT
// The remembered tradition, through the platform's settings store.
#include "ui/TraditionChoice.h"

#include "platform/Platform.h"
#include "ui/modHelp.h"

Tradition RememberedTradition(Platform& platform) {
    const QString kept = platform.readSetting(ReminderApplicationName(),
                                              QLatin1String(ReminderSection),
                                              QLatin1String(TraditionKey));
    return kept == QLatin1String("vaishnava") ? Tradition::Vaishnava : Tradition::Smarta;
}

void RememberTradition(Platform& platform, Tradition tradition) {
    platform.writeSetting(ReminderApplicationName(), QLatin1String(ReminderSection),
                          QLatin1String(TraditionKey),
                          QString::fromLatin1(TraditionName(tradition).data(),
                                              static_cast<qsizetype>(TraditionName(tradition).size())));
}
