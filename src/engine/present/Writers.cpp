// SPDX-License-Identifier: MIT
// The text, JSON and CSV writers of a record: the quoting, the numbers and the alignment kept in
// one place for every kind of result.
#include "Writers.h"

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

std::string Json(const Value& value);

std::string JsonMembers(const std::vector<Field>& fields) {
    std::string json = "{";
    bool first = true;
    for (const Field& field : fields) {
        if (!(field.In & InJson)) {
            continue;
        }
        json += first ? "" : ",";
        json += JsonString(field.Name) + ':' + Json(field.Data);
        first = false;
    }
    return json + '}';
}

std::string Json(const Value& value) {
    switch (value.Is) {
    case Value::Kind::Null:
        return "null";
    case Value::Kind::Text:
        return JsonString(value.Words);
    case Value::Kind::List: {
        std::string json = "[";
        for (std::size_t k = 0; k < value.Items.size(); ++k) {
            json += (k ? "," : "") + Json(value.Items[k]);
        }
        return json + ']';
    }
    case Value::Kind::Object:
        return JsonMembers(value.Members);
    default:
        return Plain(value);
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
    std::string json = "\"";
    for (const char c : text) {
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
    return json + '"';
}

std::string CsvField(std::string_view text) {
    if (text.find_first_of(",\"\r\n") == std::string_view::npos) {
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
    return JsonMembers(record.Fields);
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
