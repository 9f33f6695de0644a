// SPDX-License-Identifier: MIT
// The readers of kestrava-tithi's option values, each with the message that names a value it
// rejects.
#include "OptionStores.h"

#include "Places.h"
#include "Values.h"

#include "engine/input/PlaceReading.h"
#include "places/NamedZoneClock.h"
#include "places/PlaceDirectory.h"
#include "ui/Languages.h"

namespace tithi_cli {

namespace {

// Keeps a parsed value through `keep`, or passes on the parser's message.
template <class T, class Keeper>
std::optional<ParseError> Keep(ValueOrError<T> parsed, Keeper keep) {
    if (auto* error = std::get_if<ParseError>(&parsed)) {
        return std::move(*error);
    }
    keep(std::get<T>(parsed));
    return std::nullopt;
}

} // namespace

std::optional<ParseError> StoreDate(std::string_view value, Reader, Invocation& into) {
    return Keep(ParseDate(value, "DATE"), [&](const DateArgument& date) {
        into.Moment.Year = date.Year;
        into.Moment.Month = date.Month;
        into.Moment.Day = date.Day;
    });
}

std::optional<ParseError> StoreTime(std::string_view value, Reader, Invocation& into) {
    return Keep(ParseTime(value), [&](const ClockTime& time) {
        into.Moment.Hour = time.Hour;
        into.Moment.Minute = time.Minute;
    });
}

std::optional<ParseError> StoreZone(std::string_view value, Reader, Invocation& into) {
    return Keep(ParseZone(value), [&](const ZoneOffset& zone) {
        into.Moment.ZoneHour = zone.Hours;
        into.Moment.ZoneMinute = zone.Minutes;
    });
}

std::optional<ParseError> StoreZoneMagnitude(std::string_view value, Reader where,
                                             Invocation& into) {
    into.Moment.HasZone = true;
    return StoreZone(value, where, into);
}

// A named zone of the system's database; old names ("Asia/Calcutta") come by their present one.
std::optional<ParseError> StoreZoneName(std::string_view value, Reader, Invocation& into) {
    const QString name = ResolveZoneName(QString::fromUtf8(value.data(), qsizetype(value.size())));
    if (name.isEmpty() || !NamedZoneClock::Open(name)) {
        return ParseError{"--tz " + Quoted(value) +
                          ": not a time zone of the system's database, e.g. Asia/Kolkata or "
                          "America/New_York"};
    }
    into.Moment.ZoneName = name.toStdString();
    return std::nullopt;
}

// "Pune", "Hyderabad, Pakistan", "Springfield, IL, United States": one place of the directory,
// or the candidates to choose from.
std::optional<ParseError> StorePlace(std::string_view value, Reader, Invocation& into) {
    const std::vector<DirectoryPlace> found = PlaceDirectory::BuiltIn().FindByPlaceText(
        QString::fromUtf8(value.data(), qsizetype(value.size())));
    if (found.empty()) {
        return ParseError{"--place " + Quoted(value) +
                          ": no such place in the directory (places of 15,000 or more "
                          "inhabitants); give --lon, --lat and the zone instead, or look with "
                          "--places"};
    }
    if (found.size() > 1) {
        std::string message = "--place " + Quoted(value) + ": " + std::to_string(found.size()) +
                              " places have that name; add the division or the country:";
        constexpr std::size_t Listed = 12;
        for (std::size_t k = 0; k < found.size() && k < Listed; ++k) {
            message += "\n  " + PlaceLine(found[k]);
        }
        if (found.size() > Listed) {
            message += "\n  ... and " + std::to_string(found.size() - Listed) + " more";
        }
        return ParseError{message};
    }
    const DirectoryPlace& place = found.front();
    into.Moment.Place = NamedPlace{place.DisplayText().toStdString(), place.Longitude,
                                   place.Latitude, place.ZoneName.toStdString()};
    into.Moment.HasLat = true;
    return std::nullopt;
}

std::optional<ParseError> StoreLimb(std::string_view value, Reader, Invocation& into) {
    const std::optional<Limb> limb = LimbNamed(value);
    if (!limb) {
        return ParseError{"--limb " + Quoted(value) +
                          ": expected tithi, nakshatra, yoga or karana"};
    }
    into.AlmanacLimb = *limb;
    return std::nullopt;
}

std::optional<ParseError> StoreLater(std::string_view, Reader, Invocation& into) {
    into.Moment.Later = true;
    return std::nullopt;
}

std::optional<ParseError> StorePlacesQuery(std::string_view value, Reader, Invocation& into) {
    if (value.empty()) {
        return ParseError{"--places needs a name to look up"};
    }
    into.PlacesQuery = std::string(value);
    return std::nullopt;
}

std::optional<ParseError> StoreLongitude(std::string_view value, Reader, Invocation& into) {
    const int most = MostOf(PlaceInput::LonDeg);
    return Keep(ParseAngle("--lon", value, 'E', 'W', most), [&](const Angle& lon) {
        into.Moment.LonDeg = lon.Degrees;
        into.Moment.LonMin = lon.Minutes;
        into.Moment.LonEast = !lon.Second;
        into.Moment.ExactLongitude = lon.Exact;
    });
}

std::optional<ParseError> StoreLatitude(std::string_view value, Reader, Invocation& into) {
    const int most = MostOf(PlaceInput::LatDeg);
    return Keep(ParseAngle("--lat", value, 'N', 'S', most), [&](const Angle& lat) {
        into.Moment.LatDeg = lat.Degrees;
        into.Moment.LatMin = lat.Minutes;
        into.Moment.LatSouth = lat.Second;
        into.Moment.ExactLatitude = lat.Exact;
        into.Moment.HasLat = true;
    });
}

// "modern" or "classical"; an unknown name is refused with the choices.
std::optional<ParseError> StoreEphemeris(std::string_view value, Reader, Invocation& into) {
    const std::optional<EphemerisKind> kind = EphemerisNamed(value);
    if (!kind) {
        return ParseError{"--ephemeris " + Quoted(value) + ": expected modern or classical"};
    }
    into.Moment.Sky.Ephemeris = *kind;
    return std::nullopt;
}

std::optional<ParseError> StoreAyanamsa(std::string_view value, Reader, Invocation& into) {
    const std::optional<AyanamsaKind> kind = AyanamsaNamed(value);
    if (!kind) {
        return ParseError{"--ayanamsa " + Quoted(value) +
                          ": expected lahiri, raman, kp or true-chitra"};
    }
    into.Moment.Sky.Ayanamsa = *kind;
    return std::nullopt;
}

std::optional<ParseError> StoreDst(std::string_view, Reader, Invocation& into) {
    into.Moment.Dst = true;
    return std::nullopt;
}

// A moment or an almanac is written in any format; a batch writes lines, so JSON or CSV, and
// its lines may repeat the format but not change it.
std::optional<ParseError> StoreLanguage(std::string_view value, Reader, Invocation& into) {
    const QString code = QString::fromUtf8(value.data(), static_cast<qsizetype>(value.size()));
    if (!LanguageOfCode(code)) {
        return ParseError{"--lang " + Quoted(value) + ": expected one of " +
                          LanguageCodes(QStringLiteral(", ")).toStdString()};
    }
    into.Language = std::string(value);
    return std::nullopt;
}

std::optional<ParseError> StoreFormat(std::string_view value, Reader where, Invocation& into) {
    const std::optional<OutputFormat> format = FormatNamed(value);
    if (where == OnBatchCommand) {
        if (!format) {
            return ParseError{"--format " + Quoted(value) + ": expected json or csv"};
        }
        if (*format == OutputFormat::Text) {
            return ParseError{"--format 'text': a batch writes json or csv"};
        }
    } else {
        if (!format) {
            return ParseError{"--format " + Quoted(value) + ": expected text, json or csv"};
        }
        into.Moment.Format = format;
    }
    into.Format = *format;
    return std::nullopt;
}

std::optional<ParseError> StoreFrom(std::string_view value, Reader, Invocation& into) {
    return Keep(ParseDate(value, "--from"), [&](const DateArgument& date) {
        into.From = date;
        into.HasFrom = true;
    });
}

std::optional<ParseError> StoreTo(std::string_view value, Reader, Invocation& into) {
    return Keep(ParseDate(value, "--to"), [&](const DateArgument& date) { into.To = date; });
}

std::optional<ParseError> StoreMonth(std::string_view value, Reader, Invocation& into) {
    return Keep(ParseMonth(value), [&](const MonthArgument& month) {
        into.MonthYear = month.Year;
        into.MonthNumber = month.Month;
    });
}

// "Krishna Ashtami", "Shukla Ekadashi", "Purnima": the fortnight, then the tithi.
std::optional<ParseError> StoreFind(std::string_view value, Reader, Invocation& into) {
    const std::optional<int> tithi = TithiNamed(value);
    if (!tithi) {
        return ParseError{"--find " + Quoted(value) +
                          ": not a tithi; give the fortnight and the name, e.g. \"Krishna "
                          "Ashtami\" or \"Shukla Ekadashi\", or Purnima or Amavasya"};
    }
    into.Find.Tithi = *tithi;
    return std::nullopt;
}

std::optional<ParseError> StoreMasa(std::string_view value, Reader, Invocation& into) {
    const std::optional<int> masa = MasaNamed(value);
    if (!masa) {
        return ParseError{"--masa " + Quoted(value) +
                          ": not a lunar month; one of Chaitra, Vaishakha, Jyeshtha, Ashadha, "
                          "Shravana, Bhadrapada, Ashvin, Kartika, Margashirsha, Pausha, Magha, "
                          "Phalguna"};
    }
    into.Find.Masa = *masa;
    return std::nullopt;
}

std::optional<ParseError> StorePurnimanta(std::string_view, Reader, Invocation& into) {
    into.Find.Reckoning = MonthReckoning::Purnimanta;
    return std::nullopt;
}

std::optional<ParseError> StoreAdhika(std::string_view, Reader, Invocation& into) {
    into.Find.WithAdhika = true;
    return std::nullopt;
}

std::optional<ParseError> StorePrevious(std::string_view, Reader, Invocation& into) {
    into.Previous = true;
    return std::nullopt;
}

std::optional<ParseError> StoreCount(std::string_view value, Reader, Invocation& into) {
    return Keep(ParseCount("--count", value, 1000), [&](int count) { into.Count = count; });
}

std::optional<ParseError> StoreCalendarFile(std::string_view value, Reader, Invocation& into) {
    if (value.empty()) {
        return ParseError{"--ics needs a file name, or - for standard output"};
    }
    into.CalendarFile = std::string(value);
    return std::nullopt;
}

std::optional<ParseError> StoreEvents(std::string_view value, Reader, Invocation& into) {
    const std::optional<CalendarEventKind> kind = CalendarEventKindNamed(value);
    if (!kind) {
        return ParseError{"--events " + Quoted(value) +
                          ": expected days, spans, vrata or festivals"};
    }
    into.Events = *kind;
    return std::nullopt;
}

std::optional<ParseError> StoreTradition(std::string_view value, Reader, Invocation& into) {
    if (value == "smarta") {
        into.Keeper = Tradition::Smarta;
    } else if (value == "vaishnava") {
        into.Keeper = Tradition::Vaishnava;
    } else {
        return ParseError{"--tradition " + Quoted(value) + ": expected smarta or vaishnava"};
    }
    return std::nullopt;
}

// The calendar's modes reckon their days at a place, as an almanac does.

} // namespace tithi_cli
