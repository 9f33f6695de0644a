// SPDX-License-Identifier: MIT
// The values and fields of a result's record.
#include "engine/present/Record.h"

#include <utility>

Value Value::Null() {
    return {};
}

Value Value::Text(std::string text) {
    Value value;
    value.Is = Kind::Text;
    value.Words = std::move(text);
    return value;
}

Value Value::OptionalText(const std::optional<std::string>& text) {
    return text ? Text(*text) : Null();
}

Value Value::Number(double figure, int decimals) {
    Value value;
    value.Is = Kind::Number;
    value.Figure = figure;
    value.Decimals = decimals;
    return value;
}

Value Value::Integer(long long whole) {
    Value value;
    value.Is = Kind::Integer;
    value.Whole = whole;
    return value;
}

Value Value::Boolean(bool yes) {
    Value value;
    value.Is = Kind::Boolean;
    value.Yes = yes;
    return value;
}

Value Value::List(std::vector<Value> items) {
    Value value;
    value.Is = Kind::List;
    value.Items = std::move(items);
    return value;
}

Value Value::Object(std::vector<Field> members) {
    Value value;
    value.Is = Kind::Object;
    value.Members = std::move(members);
    return value;
}

Field::Field(std::string name, Value data, unsigned in)
    : Name(std::move(name)), Data(std::move(data)), In(in) {}

Field& Record::Add(std::string name, Value value, unsigned in) {
    return Fields.emplace_back(std::move(name), std::move(value), in);
}

void Record::Line(std::string caption, std::string shown) {
    if (!Wants(InText)) {
        return;
    }
    Field& field = Add({}, Value::Null(), InText);
    field.Caption = std::move(caption);
    field.Shown = std::move(shown);
}
