// SPDX-License-Identifier: MIT
// The home place as the settings store keeps it: one key to a field, read back only when every
// field is one the form can take.
#include "ui/HomePlace.h"

#include <QMap>
#include <QRegularExpression>

#include <charconv>
#include <cmath>
#include <iterator>

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

// The keys of a place of the directory: its coordinates to full precision and its named zone.
const QString ExactLongitudeKey = QStringLiteral("Longitude");
const QString ExactLatitudeKey = QStringLiteral("Latitude");
const QString ZoneKey = QStringLiteral("Zone");
constexpr qsizetype LongestZoneName = 64;

// The shortest text that reads back as the same number ("40.71427", not 40.714269999999999).
QString ShortestText(double value) {
    char text[32];
    const auto written = std::to_chars(std::begin(text), std::end(text), value);
    return QString::fromLatin1(text, written.ptr - text);
}

// The degrees and minutes of the boxes, as a coordinate, east and north positive.
double BoxesCoordinate(const QString& degrees, const QString& minutes, bool westOrSouth) {
    const double value = degrees.toDouble() + minutes.toDouble() / 60;
    return westOrSouth ? -value : value;
}

// A coordinate to full precision, where it is a number within its range and the boxes beside it
// hold it to the nearest minute.
std::optional<double> ExactCoordinate(const QString& text, double most, double boxes) {
    bool number = false;
    const double value = text.toDouble(&number);
    if (!number || !(std::fabs(value) <= most) || std::fabs(value - boxes) > 0.5 / 60 + 1e-9)
        return std::nullopt;
    return value;
}

std::optional<Place> ExactPlaceOf(const PlaceFields& place,
                                  const std::function<QString(const QString&)>& value) {
    const auto longitude = ExactCoordinate(
        value(ExactLongitudeKey), 180, BoxesCoordinate(place.lonDeg, place.lonMin, place.lonWest));
    const auto latitude = ExactCoordinate(
        value(ExactLatitudeKey), 90, BoxesCoordinate(place.latDeg, place.latMin, place.latSouth));
    if (!longitude || !latitude)
        return std::nullopt;
    return Place{*longitude, *latitude};
}

// A zone's name as the time-zone database writes them ("America/New_York", "Etc/GMT+5").
bool ZoneNameFits(const QString& name) {
    static const QRegularExpression zone(QStringLiteral("^[A-Za-z0-9_+./-]+$"));
    return name.size() <= LongestZoneName && zone.match(name).hasMatch();
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
    if (place.exact) {
        values.insert(ExactLongitudeKey, ShortestText(place.exact->Longitude));
        values.insert(ExactLatitudeKey, ShortestText(place.exact->Latitude));
    }
    if (!place.zoneName.isEmpty())
        values.insert(ZoneKey, place.zoneName);
    return values;
}

std::optional<PlaceFields>
HomePlaceFromValues(const std::function<QString(const QString&)>& value) {
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
    place.exact = ExactPlaceOf(place, value);
    const QString zone = value(ZoneKey);
    if (ZoneNameFits(zone))
        place.zoneName = zone;
    return place;
}
