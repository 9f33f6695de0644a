// SPDX-License-Identifier: MIT
// kestrava-tithi's output formats. Numbers carry 17 significant digits, so that a reader gets
// back the very double the engine computed; texts are escaped for JSON and quoted for CSV.
#include "Formats.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <iterator>
#include <sstream>
#include <string_view>

namespace tithi_cli {

std::string Number(double value) {
    if (!std::isfinite(value)) {
        return "null";
    }
    char buffer[32];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 17);
    return std::string(buffer, result.ptr);
}

std::string JsonString(std::string_view text) {
    std::string json = "\"";
    for (char c : text) {
        switch (c) {
        case '"':
            json += "\\\"";
            break;
        case '\\':
            json += "\\\\";
            break;
        case '\n':
            json += "\\n";
            break;
        default:
            if (static_cast<unsigned char>(c) < 0x20) {
                constexpr char hex[] = "0123456789abcdef";
                json += "\\u00";
                json += hex[(c >> 4) & 0xf];
                json += hex[c & 0xf];
            } else {
                json += c;
            }
        }
    }
    json += '"';
    return json;
}

std::string CsvField(std::string_view text) {
    if (text.find_first_of(",\"\r\n") == std::string_view::npos) {
        return std::string(text);
    }
    std::string field = "\"";
    for (char c : text) {
        if (c == '"') {
            field += '"';
        }
        field += c;
    }
    field += '"';
    return field;
}

namespace {

constexpr const char* TextFieldNames[] = {"number",   "name",   "phase", "lord",       "group",
                                          "features", "nature", "type",  "description"};
constexpr const char* Captions[] = {"Tithi Number", "Tithi Name",     "Tithi Phase",  "Tithi Lord",
                                    "Tithi Group",  "Tithi Features", "Tithi Nature", "Tithi Type"};

std::string JsonStringOrNull(const std::optional<std::string>& text) {
    return text ? JsonString(*text) : "null";
}

} // namespace

std::string FormatText(const TithiResult& result) {
    std::ostringstream text;
    for (std::size_t k = 0; k < std::size(Captions); ++k) {
        text << Captions[k] << std::string(16 - std::string_view(Captions[k]).size(), ' ')
             << result.Texts[k] << '\n';
    }
    text << '\n' << result.Texts[8] << "\n\n";
    text << "Tithi Index     " << result.Index << '\n'
         << "Moon            " << Number(result.Moon) << '\n'
         << "Sun             " << Number(result.Sun) << '\n'
         << "Elongation      " << Number(result.Elongation) << '\n'
         << "JDE             " << Number(result.Jde) << '\n'
         << "Begins          " << result.Begins << '\n'
         << "Ends            " << result.Ends << '\n'
         << "Sunrise         " << result.Sunrise.value_or(result.SunriseNote) << '\n';
    if (result.SunriseTithi) {
        text << "Sunrise Tithi   " << *result.SunriseTithi << '\n';
    }
    text << "Karana          " << result.Karana << '\n';
    text << "Karana Span     " << result.KaranaBegins << " to " << result.KaranaEnds << '\n'
         << "Vara            " << result.Vara
         << (result.VaraBeforeSunrise ? " (before sunrise: the previous day's vara)" : "") << '\n'
         << "Nakshatra       " << result.Nakshatra.Name << ", pada " << result.NakshatraPada
         << ", lord " << result.NakshatraLord << '\n'
         << "Nakshatra Span  " << result.Nakshatra.Begins << " to " << result.Nakshatra.Ends << '\n'
         << "Yoga            " << result.Yoga.Name << '\n'
         << "Yoga Span       " << result.Yoga.Begins << " to " << result.Yoga.Ends << '\n'
         << "Sunset          " << result.Sunset.value_or("none this date") << '\n'
         << "Moonrise        " << result.Moonrise.value_or("none this date") << '\n'
         << "Moonset         " << result.Moonset.value_or("none this date") << '\n'
         << "Masa            " << (result.Adhika ? "Adhika " : "") << result.MasaAmanta
         << " (amanta), " << (result.Adhika ? "Adhika " : "") << result.MasaPurnimanta
         << " (purnimanta)\n"
         << "Samvat          Vikram " << result.Vikram << ", Shaka " << result.Shaka << '\n'
         << "Ayanamsa        " << Number(result.Ayanamsa) << '\n';
    text << DayText(result.Day);
    if (result.Zone) {
        text << "Zone            " << *result.Zone << '\n';
    }
    text << "UTC Offset      " << result.UtcOffset << '\n';
    return text.str();
}

std::string FormatJson(const TithiResult& result) {
    std::string json = "{\"index\":" + std::to_string(result.Index);
    for (std::size_t k = 0; k < std::size(TextFieldNames); ++k) {
        json += ",\"";
        json += TextFieldNames[k];
        json += "\":";
        json += JsonString(result.Texts[k]);
    }
    json += ",\"moon\":" + Number(result.Moon);
    json += ",\"sun\":" + Number(result.Sun);
    json += ",\"elongation\":" + Number(result.Elongation);
    json += ",\"jde\":" + Number(result.Jde);
    json += ",\"begins\":" + JsonString(result.Begins);
    json += ",\"ends\":" + JsonString(result.Ends);
    json += ",\"sunrise\":" + JsonStringOrNull(result.Sunrise);
    json += ",\"sunrise_tithi\":" + JsonStringOrNull(result.SunriseTithi);
    json += ",\"karana\":" + JsonString(result.Karana);
    json += ",\"karana_begins\":" + JsonString(result.KaranaBegins);
    json += ",\"karana_ends\":" + JsonString(result.KaranaEnds);
    json += ",\"vara\":" + JsonString(result.Vara);
    json += ",\"nakshatra\":{\"index\":" + std::to_string(result.Nakshatra.Index) +
            ",\"name\":" + JsonString(result.Nakshatra.Name) +
            ",\"pada\":" + std::to_string(result.NakshatraPada) +
            ",\"lord\":" + JsonString(result.NakshatraLord) +
            ",\"begins\":" + JsonString(result.Nakshatra.Begins) +
            ",\"ends\":" + JsonString(result.Nakshatra.Ends) + '}';
    json += ",\"yoga\":{\"index\":" + std::to_string(result.Yoga.Index) +
            ",\"name\":" + JsonString(result.Yoga.Name) +
            ",\"begins\":" + JsonString(result.Yoga.Begins) +
            ",\"ends\":" + JsonString(result.Yoga.Ends) + '}';
    json += ",\"sunset\":" + JsonStringOrNull(result.Sunset);
    json += ",\"moonrise\":" + JsonStringOrNull(result.Moonrise);
    json += ",\"moonset\":" + JsonStringOrNull(result.Moonset);
    json += ",\"masa\":{\"amanta\":" + JsonString(result.MasaAmanta) +
            ",\"purnimanta\":" + JsonString(result.MasaPurnimanta) +
            ",\"adhika\":" + (result.Adhika ? "true" : "false") + '}';
    json += ",\"samvat\":{\"vikram\":" + std::to_string(result.Vikram) +
            ",\"shaka\":" + std::to_string(result.Shaka) + '}';
    json += ",\"ayanamsa\":" + Number(result.Ayanamsa);
    json += ",\"ephemeris\":" + JsonString(result.Ephemeris);
    json += ",\"delta_t\":" + Number(result.DeltaT);
    json += DayJson(result.Day);
    json += ",\"zone\":" + JsonStringOrNull(result.Zone);
    json += ",\"utc_offset\":" + JsonString(result.UtcOffset);
    json += '}';
    return json;
}

std::string CsvHeader() {
    std::string header = "index";
    for (const char* name : TextFieldNames) {
        header += ',';
        header += name;
    }
    return header +
           ",moon,sun,elongation,jde,begins,ends,sunrise,sunrise_tithi,karana"
           ",karana_begins,karana_ends,vara,nakshatra,nakshatra_pada,nakshatra_lord"
           ",nakshatra_begins,nakshatra_ends,yoga,yoga_begins,yoga_ends,sunset,moonrise"
           ",moonset,masa_amanta,masa_purnimanta,adhika,vikram,shaka,ayanamsa,zone"
           ",utc_offset" +
           DayCsvHeader();
}

std::string FormatCsv(const TithiResult& result) {
    std::string row = std::to_string(result.Index);
    for (const std::string& text : result.Texts) {
        row += ',';
        row += CsvField(text);
    }
    row += ',' + Number(result.Moon) + ',' + Number(result.Sun) + ',' + Number(result.Elongation) +
           ',' + Number(result.Jde);
    row += ',' + result.Begins + ',' + result.Ends + ',' + result.Sunrise.value_or("") + ',' +
           CsvField(result.SunriseTithi.value_or("")) + ',' + CsvField(result.Karana);
    row += ',' + result.KaranaBegins + ',' + result.KaranaEnds + ',' + CsvField(result.Vara) + ',' +
           CsvField(result.Nakshatra.Name) + ',' + std::to_string(result.NakshatraPada) + ',' +
           CsvField(result.NakshatraLord) + ',' + result.Nakshatra.Begins + ',' +
           result.Nakshatra.Ends + ',' + CsvField(result.Yoga.Name) + ',' + result.Yoga.Begins +
           ',' + result.Yoga.Ends + ',' + result.Sunset.value_or("") + ',' +
           result.Moonrise.value_or("") + ',' + result.Moonset.value_or("") + ',' +
           CsvField(result.MasaAmanta) + ',' + CsvField(result.MasaPurnimanta) + ',' +
           (result.Adhika ? "true" : "false") + ',' + std::to_string(result.Vikram) + ',' +
           std::to_string(result.Shaka) + ',' + Number(result.Ayanamsa) + ',' +
           CsvField(result.Zone.value_or("")) + ',' + result.UtcOffset + DayCsv(result.Day);
    return row;
}

std::string FormatAlmanacText(const AlmanacEntry& entry) {
    char index[8];
    std::snprintf(index, sizeof index, "%2d", entry.Index);
    return entry.Begins + "  " + entry.Ends + "  " + index + "  " + entry.Tithi;
}

std::string FormatAlmanacJson(const AlmanacEntry& entry) {
    return "{\"index\":" + std::to_string(entry.Index) + ",\"" + entry.Limb +
           "\":" + JsonString(entry.Tithi) + ",\"begins\":" + JsonString(entry.Begins) +
           ",\"ends\":" + JsonString(entry.Ends) + '}';
}

std::string AlmanacCsvHeader(std::string_view limb) {
    return "index," + std::string(limb) + ",begins,ends";
}

std::string FormatAlmanacCsv(const AlmanacEntry& entry) {
    return std::to_string(entry.Index) + ',' + CsvField(entry.Tithi) + ',' + entry.Begins + ',' +
           entry.Ends;
}

} // namespace tithi_cli
