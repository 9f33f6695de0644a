// SPDX-License-Identifier: MIT
// The texts of a zone's offset.
#include "places/ZoneText.h"

#include "places/NamedZoneClock.h"

#include <QCoreApplication>

#include <cmath>
#include <cstdlib>

namespace {

QString OffsetText(int offsetSeconds, QChar minus) {
    const int magnitude = std::abs(offsetSeconds);
    QString text = offsetSeconds < 0 ? QString(minus) : QStringLiteral("+");
    auto twoDigits = [](int value) { return QStringLiteral("%1").arg(value, 2, 10, QChar(u'0')); };
    text += twoDigits(magnitude / 3600) + u':' + twoDigits(magnitude / 60 % 60);
    if (magnitude % 60 != 0) {
        text += u':' + twoDigits(magnitude % 60);
    }
    return text;
}

} // namespace

int OffsetSecondsOfHours(double offsetHours) {
    return int(std::lround(offsetHours * 3600));
}

QString IsoOffsetText(int offsetSeconds) {
    return OffsetText(offsetSeconds, u'-');
}

QString DisplayOffsetText(int offsetSeconds) {
    return QStringLiteral("UTC") + OffsetText(offsetSeconds, QChar(0x2212));
}

QString ZoneDescription(const NamedZoneClock& clock, double jd) {
    QString text =
        clock.Name() + QStringLiteral(" \u2014 ") + DisplayOffsetText(clock.OffsetSecondsAt(jd));
    const int saving = clock.DaylightSavingSecondsAt(jd);
    // The windows show it in the chosen language; the command line, which installs no
    // translation, in English.
    if (saving > 0) {
        text = QCoreApplication::translate("ZoneText", "%1, daylight saving").arg(text);
    } else if (saving < 0) {
        text = QCoreApplication::translate("ZoneText", "%1, negative daylight saving").arg(text);
    }
    return text;
}
