// SPDX-License-Identifier: MIT
// A moment's result and an almanac's span as records: which field each format shows, under
// which caption, in which order.
#include "Records.h"

#include "engine/present/Writers.h"

#include <iterator>

namespace tithi_cli {

namespace {

constexpr const char* TextFieldNames[] = {"number",   "name",   "phase", "lord",       "group",
                                          "features", "nature", "type",  "description"};
constexpr const char* Captions[] = {"Tithi Number", "Tithi Name",     "Tithi Phase",  "Tithi Lord",
                                    "Tithi Group",  "Tithi Features", "Tithi Nature", "Tithi Type"};

Field& Captioned(Field& field, const char* caption) {
    field.Caption = caption;
    return field;
}

std::string Span(const std::string& begins, const std::string& ends) {
    return begins + " to " + ends;
}

std::string Adhika(bool adhika) {
    return adhika ? "Adhika " : "";
}

} // namespace

Record MomentRecord(const TithiResult& result, unsigned formats) {
    Record r;
    r.For = formats;
    r.Fields.reserve(128); // a moment with its day's fields: about a hundred
    r.Add("index", Value::Integer(result.Index), InData);
    for (std::size_t k = 0; k < std::size(Captions); ++k) {
        Captioned(r.Add(TextFieldNames[k], Value::Text(result.Texts[k])), Captions[k]);
    }
    r.Add(TextFieldNames[8], Value::Text(result.Texts[8]), InData);
    r.Line({}, {});
    r.Line({}, result.Texts[8]);
    r.Line({}, {});
    r.Line("Tithi Index", std::to_string(result.Index));
    Captioned(r.Add("moon", Value::Number(result.Moon)), "Moon");
    Captioned(r.Add("sun", Value::Number(result.Sun)), "Sun");
    Captioned(r.Add("elongation", Value::Number(result.Elongation)), "Elongation");
    Captioned(r.Add("jde", Value::Number(result.Jde)), "JDE");
    Captioned(r.Add("begins", Value::Text(result.Begins)), "Begins");
    Captioned(r.Add("ends", Value::Text(result.Ends)), "Ends");
    Captioned(r.Add("sunrise", Value::OptionalText(result.Sunrise)), "Sunrise").Shown =
        result.Sunrise.value_or(result.SunriseNote);
    Captioned(r.Add("sunrise_tithi", Value::OptionalText(result.SunriseTithi),
                    result.SunriseTithi ? InAll : InData),
              "Sunrise Tithi");
    Captioned(r.Add("karana", Value::Text(result.Karana)), "Karana");
    r.Add("karana_begins", Value::Text(result.KaranaBegins), InData);
    r.Add("karana_ends", Value::Text(result.KaranaEnds), InData);
    r.Line("Karana Span", Span(result.KaranaBegins, result.KaranaEnds));
    Captioned(r.Add("vara", Value::Text(result.Vara)), "Vara").Shown =
        result.Vara +
        (result.VaraBeforeSunrise ? " (before sunrise: the previous day's vara)" : "");

    const auto& nakshatra = result.Nakshatra;
    r.Add("nakshatra",
          Value::Object({{"index", Value::Integer(nakshatra.Index)},
                         {"name", Value::Text(nakshatra.Name)},
                         {"pada", Value::Integer(result.NakshatraPada)},
                         {"lord", Value::Text(result.NakshatraLord)},
                         {"begins", Value::Text(nakshatra.Begins)},
                         {"ends", Value::Text(nakshatra.Ends)}}),
          InJson);
    r.Add("nakshatra", Value::Text(nakshatra.Name), InCsv);
    r.Add("nakshatra_pada", Value::Integer(result.NakshatraPada), InCsv);
    r.Add("nakshatra_lord", Value::Text(result.NakshatraLord), InCsv);
    r.Add("nakshatra_begins", Value::Text(nakshatra.Begins), InCsv);
    r.Add("nakshatra_ends", Value::Text(nakshatra.Ends), InCsv);
    r.Line("Nakshatra", nakshatra.Name + ", pada " + std::to_string(result.NakshatraPada) +
                            ", lord " + result.NakshatraLord);
    r.Line("Nakshatra Span", Span(nakshatra.Begins, nakshatra.Ends));

    const auto& yoga = result.Yoga;
    r.Add("yoga",
          Value::Object({{"index", Value::Integer(yoga.Index)},
                         {"name", Value::Text(yoga.Name)},
                         {"begins", Value::Text(yoga.Begins)},
                         {"ends", Value::Text(yoga.Ends)}}),
          InJson);
    Captioned(r.Add("yoga", Value::Text(yoga.Name), InText | InCsv), "Yoga");
    r.Add("yoga_begins", Value::Text(yoga.Begins), InCsv);
    r.Add("yoga_ends", Value::Text(yoga.Ends), InCsv);
    r.Line("Yoga Span", Span(yoga.Begins, yoga.Ends));

    Captioned(r.Add("sunset", Value::OptionalText(result.Sunset)), "Sunset").Shown =
        result.Sunset.value_or("none this date");
    Captioned(r.Add("moonrise", Value::OptionalText(result.Moonrise)), "Moonrise").Shown =
        result.Moonrise.value_or("none this date");
    Captioned(r.Add("moonset", Value::OptionalText(result.Moonset)), "Moonset").Shown =
        result.Moonset.value_or("none this date");

    r.Add("masa",
          Value::Object({{"amanta", Value::Text(result.MasaAmanta)},
                         {"purnimanta", Value::Text(result.MasaPurnimanta)},
                         {"adhika", Value::Boolean(result.Adhika)}}),
          InJson);
    r.Add("masa_amanta", Value::Text(result.MasaAmanta), InCsv);
    r.Add("masa_purnimanta", Value::Text(result.MasaPurnimanta), InCsv);
    r.Add("adhika", Value::Boolean(result.Adhika), InCsv);
    r.Line("Masa", Adhika(result.Adhika) + result.MasaAmanta + " (amanta), " +
                       Adhika(result.Adhika) + result.MasaPurnimanta + " (purnimanta)");
    // The era years: an object in JSON, a column each in CSV.
    r.Add("samvat",
          Value::Object(
              {{"vikram", Value::Integer(result.Vikram)}, {"shaka", Value::Integer(result.Shaka)}}),
          InData);
    r.Line("Samvat",
           "Vikram " + std::to_string(result.Vikram) + ", Shaka " + std::to_string(result.Shaka));
    Captioned(r.Add("ayanamsa", Value::Number(result.Ayanamsa)), "Ayanamsa");
    r.Add("ephemeris", Value::Text(result.Ephemeris), InJson);
    r.Add("delta_t", Value::Number(result.DeltaT), InJson);
    // CSV gives the clock before the day's columns, JSON and the text after them.
    r.Add("zone", Value::OptionalText(result.Zone), InCsv);
    r.Add("utc_offset", Value::Text(result.UtcOffset), InCsv);
    AddDayFields(r, result.Day);
    Captioned(
        r.Add("zone", Value::OptionalText(result.Zone), result.Zone ? InText | InJson : InJson),
        "Zone");
    Captioned(r.Add("utc_offset", Value::Text(result.UtcOffset), InText | InJson), "UTC Offset");
    return r;
}

Record AlmanacRecord(const AlmanacEntry& entry) {
    Record r;
    r.Add("begins", Value::Text(entry.Begins), InText);
    r.Add("ends", Value::Text(entry.Ends), InText);
    r.Add("index", Value::Integer(entry.Index)).Width = -2;
    r.Add(entry.Limb, Value::Text(entry.Tithi));
    r.Add("begins", Value::Text(entry.Begins), InData);
    r.Add("ends", Value::Text(entry.Ends), InData);
    return r;
}

unsigned FormatsOf(OutputFormat format) {
    switch (format) {
    case OutputFormat::Json:
        return InJson;
    case OutputFormat::Csv:
        return InCsv;
    case OutputFormat::Text:
        break;
    }
    return InText;
}

std::string Written(const Record& record, OutputFormat format, std::string_view separator) {
    switch (format) {
    case OutputFormat::Json:
        return JsonOf(record);
    case OutputFormat::Csv:
        return CsvRowOf(record);
    case OutputFormat::Text:
        break;
    }
    return separator.empty() ? TextLinesOf(record) : TableRowOf(record, separator);
}

std::string Heading(const Record& record, OutputFormat format, std::string_view separator) {
    switch (format) {
    case OutputFormat::Csv:
        return CsvHeaderOf(record);
    case OutputFormat::Text:
        return separator.empty() ? std::string() : TableHeaderOf(record, separator);
    case OutputFormat::Json:
        break;
    }
    return {};
}

} // namespace tithi_cli
