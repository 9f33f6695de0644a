// SPDX-License-Identifier: MIT
// The text, JSON and CSV writers of a record: the quoting, the numbers and the alignment kept in
// one place for every kind of result.
#include "engine/present/Writers.h"

#include <charconv>
#include <cmath>
#include <cstdio>

namespace {

std::string Decimal(double figure, int decimals) {
    if (decimals < 0 || !std::isfinite(figure)) {
        return NumberText(figure);
    }
    char text[64];
    std::snprintf(text, sizeof text, "%.*f", decimals, figure);
    return text;
}

// A value as the text shows it, and as a cell or a JSON member holds a scalar.
std::string Plain(const Value& value) {
    switch (value.Is) {
    case Value::Kind::Null:
    case Value::Kind::Object:
        return {};
    case Value::Kind::Text:
        return value.Words;
    case Value::Kind::Number:
        return Decimal(value.Figure, value.Decimals);
    case Value::Kind::Integer:
        return std::to_string(value.Whole);
    case Value::Kind::Boolean:
        return value.Yes ? "true" : "false";
    case Value::Kind::List:
        break;
    }
    std::string joined;
    for (std::size_t k = 0; k < value.Items.size(); ++k) {
        joined += (k ? " " : "") + Plain(value.Items[k]);
    }
    return joined;
}

// A JSON string at the end of `json`: the runs that need no escape copied whole.
void AppendJsonString(std::string& json, std::string_view text) {
    json += '"';
    std::size_t run = 0;
    for (std::size_t k = 0; k < text.size(); ++k) {
        const char c = text[k];
        if (c != '"' && c != '\\' && static_cast<unsigned char>(c) >= 0x20) {
            continue;
        }
        json.append(text, run, k - run);
        run = k + 1;
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
        default: {
            constexpr char hex[] = "0123456789abcdef";
            json += "\\u00";
            json += hex[(c >> 4) & 0xf];
            json += hex[c & 0xf];
        }
        }
    }
    json.append(text, run, text.size() - run);
    json += '"';
}

void AppendJson(std::string& json, const Value& value);

void AppendMembers(std::string& json, const std::vector<Field>& fields) {
    json += '{';
    bool first = true;
    for (const Field& field : fields) {
        if (!(field.In & InJson)) {
            continue;
        }
        if (!first) {
            json += ',';
        }
        AppendJsonString(json, field.Name);
        json += ':';
        AppendJson(json, field.Data);
        first = false;
    }
    json += '}';
}

void AppendJson(std::string& json, const Value& value) {
    switch (value.Is) {
    case Value::Kind::Null:
        json += "null";
        return;
    case Value::Kind::Text:
        AppendJsonString(json, value.Words);
        return;
    case Value::Kind::List:
        json += '[';
        for (std::size_t k = 0; k < value.Items.size(); ++k) {
            if (k) {
                json += ',';
            }
            AppendJson(json, value.Items[k]);
        }
        json += ']';
        return;
    case Value::Kind::Object:
        AppendMembers(json, value.Members);
        return;
    default:
        json += Plain(value);
    }
}

// Walks the CSV fields, an object's members in its place, calling `cell` with each field.
template <class Cell> void EachCsvField(const std::vector<Field>& fields, Cell cell) {
    for (const Field& field : fields) {
        if (!(field.In & InCsv)) {
            continue;
        }
        if (field.Data.Is == Value::Kind::Object && !field.Cell) {
            EachCsvField(field.Data.Members, cell);
        } else {
            cell(field);
        }
    }
}

void Pad(std::string& text, int width) {
    const std::size_t wide = static_cast<std::size_t>(width < 0 ? -width : width);
    const std::size_t count = CharacterCount(text);
    if (count >= wide) {
        return;
    }
    const std::string blanks(wide - count, ' ');
    text = width < 0 ? blanks + text : text + blanks;
}

std::string Shown(const Field& field) {
    return field.Shown ? *field.Shown : Plain(field.Data);
}

template <class Text>
std::string Table(const Record& record, std::string_view separator, Text text) {
    std::string row;
    bool first = true;
    for (const Field& field : record.Fields) {
        if (!(field.In & InText)) {
            continue;
        }
        if (!first) {
            row += separator;
        }
        std::string cell = text(field);
        Pad(cell, field.Width);
        row += cell;
        first = false;
    }
    return row;
}

} // namespace

std::size_t CharacterCount(std::string_view text) {
    std::size_t characters = 0;
    for (const char c : text) {
        characters += (static_cast<unsigned char>(c) & 0xc0) != 0x80; // not a continuation byte
    }
    return characters;
}

std::string NumberText(double value) {
    if (!std::isfinite(value)) {
        return "null";
    }
    char buffer[32];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 17);
    return std::string(buffer, result.ptr);
}

std::string JsonString(std::string_view text) {
    std::string json;
    json.reserve(text.size() + 2);
    AppendJsonString(json, text);
    return json;
}

std::string CsvField(std::string_view text) {
    bool plain = true;
    for (const char c : text) {
        plain = plain && c != ',' && c != '"' && c != '\r' && c != '\n';
    }
    if (plain) {
        return std::string(text);
    }
    std::string field = "\"";
    for (const char c : text) {
        if (c == '"') {
            field += '"';
        }
        field += c;
    }
    return field + '"';
}

std::string JsonOf(const Record& record) {
    std::string json;
    json.reserve(4096);
    AppendMembers(json, record.Fields);
    return json;
}

std::string CsvHeaderOf(const Record& record) {
    std::string header;
    bool first = true;
    EachCsvField(record.Fields, [&](const Field& field) {
        header += (first ? "" : ",") + CsvField(field.Name);
        first = false;
    });
    return header;
}

std::string CsvRowOf(const Record& record) {
    std::string row;
    bool first = true;
    EachCsvField(record.Fields, [&](const Field& field) {
        row += (first ? "" : ",") + CsvField(field.Cell ? *field.Cell : Plain(field.Data));
        first = false;
    });
    return row;
}

std::string TextLinesOf(const Record& record) {
    std::string text;
    for (const Field& field : record.Fields) {
        if (!(field.In & InText)) {
            continue;
        }
        if (!field.Caption.empty()) {
            const std::size_t count = CharacterCount(field.Caption);
            text += field.Caption + std::string(count < 16 ? 16 - count : 1, ' ');
        }
        text += Shown(field) + '\n';
    }
    return text;
}

std::string TableHeaderOf(const Record& record, std::string_view separator) {
    return Table(record, separator, [](const Field& field) { return field.Name; });
}

std::string TableRowOf(const Record& record, std::string_view separator) {
    return Table(record, separator, Shown);
}
