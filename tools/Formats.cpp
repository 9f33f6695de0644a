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
    return header + ",moon,sun,elongation,jde,begins,ends,sunrise,sunrise_tithi,karana";
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
    return row;
}

std::string FormatAlmanacText(const AlmanacEntry& entry) {
    char index[8];
    std::snprintf(index, sizeof index, "%2d", entry.Index);
    return entry.Begins + "  " + entry.Ends + "  " + index + "  " + entry.Tithi;
}

std::string FormatAlmanacJson(const AlmanacEntry& entry) {
    return "{\"index\":" + std::to_string(entry.Index) + ",\"tithi\":" + JsonString(entry.Tithi) +
           ",\"begins\":" + JsonString(entry.Begins) + ",\"ends\":" + JsonString(entry.Ends) + '}';
}

std::string AlmanacCsvHeader() {
    return "index,tithi,begins,ends";
}

std::string FormatAlmanacCsv(const AlmanacEntry& entry) {
    return std::to_string(entry.Index) + ',' + CsvField(entry.Tithi) + ',' + entry.Begins + ',' +
           entry.Ends;
}

} // namespace tithi_cli
