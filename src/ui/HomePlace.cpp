// SPDX-License-Identifier: MIT
// The home place as the settings store keeps it: one key to a field, read back only when every
// field is one the form can take.
#include "ui/HomePlace.h"

#include <QMap>
#include <QRegularExpression>

namespace {

enum class Kind {
    Digits,       // degrees and minutes
    SignedDigits, // the zone's hours and minutes
    Name,         // city, state, country: any text, or none
};

// One row to a text field: its key and what it may hold. A field that the form gains (the named
// zone) is one more row.
struct TextKey {
    const char* key;
    PlaceText field;
    Kind kind;
};
const TextKey TextKeys[] = {
    {"LonDeg", &PlaceFields::lonDeg, Kind::Digits},
    {"LonMin", &PlaceFields::lonMin, Kind::Digits},
    {"LatDeg", &PlaceFields::latDeg, Kind::Digits},
    {"LatMin", &PlaceFields::latMin, Kind::Digits},
    {"ZoneHour", &PlaceFields::zoneHour, Kind::SignedDigits},
    {"ZoneMinute", &PlaceFields::zoneMinute, Kind::SignedDigits},
    {"City", &PlaceFields::city, Kind::Name},
    {"State", &PlaceFields::state, Kind::Name},
    {"Country", &PlaceFields::country, Kind::Name},
};

// One row to a choice, kept as "true" or "false".
struct FlagKey {
    const char* key;
    bool PlaceFields::*field;
};
const FlagKey FlagKeys[] = {
    {"West", &PlaceFields::lonWest},
    {"South", &PlaceFields::latSouth},
    {"DST", &PlaceFields::dst},
};

constexpr qsizetype LongestNumber = 9; // digits; more is no degree, minute or hour
constexpr qsizetype LongestName = 1000;

bool Fits(const QString& text, Kind kind) {
    static const QRegularExpression digits(QStringLiteral("^[0-9]+$"));
    static const QRegularExpression signedDigits(QStringLiteral("^-?[0-9]+$"));
    switch (kind) {
    case Kind::Digits:
        return text.size() <= LongestNumber && digits.match(text).hasMatch();
    case Kind::SignedDigits:
        return text.size() <= LongestNumber + 1 && signedDigits.match(text).hasMatch();
    case Kind::Name:
        return text.size() <= LongestName;
    }
    return false;
}

QString FlagText(bool flag) {
    return flag ? QStringLiteral("true") : QStringLiteral("false");
}

} // namespace

std::optional<PlaceText> FirstFieldNotKept(const PlaceFields& place) {
    for (const TextKey& row : TextKeys) {
        if (!Fits(place.*row.field, row.kind))
            return row.field;
    }
    return std::nullopt;
}

QMap<QString, QString> HomePlaceValues(const PlaceFields& place) {
    QMap<QString, QString> values;
    for (const TextKey& row : TextKeys)
        values.insert(QLatin1String(row.key), place.*row.field);
    for (const FlagKey& row : FlagKeys)
        values.insert(QLatin1String(row.key), FlagText(place.*row.field));
    return values;
}

std::optional<PlaceFields> HomePlaceFromValues(const std::function<QString(const QString&)>& value) {
    PlaceFields place;
    for (const TextKey& row : TextKeys)
        place.*row.field = value(QLatin1String(row.key));
    for (const FlagKey& row : FlagKeys) {
        const QString flag = value(QLatin1String(row.key));
        if (flag != FlagText(true) && flag != FlagText(false))
            return std::nullopt; // absent, or not a choice
        place.*row.field = flag == FlagText(true);
    }
    if (FirstFieldNotKept(place))
        return std::nullopt;
    return place;
}
