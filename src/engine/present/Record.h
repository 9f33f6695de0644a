// SPDX-License-Identifier: MIT
// The record of a result as the writers see it: an ordered list of named fields, each a text, a
// number, an integer, a yes or no, nothing, or a nested list or object, with how each format shows
// it.
#pragma once

#include <optional>
#include <string>
#include <vector>

struct Field;

// Value: one datum of a record. A number keeps the double the engine computed; written with
// Decimals < 0 it carries 17 significant digits (the very double comes back), else that many
// decimals.
struct Value {
    enum class Kind { Null, Text, Number, Integer, Boolean, List, Object };
    Kind Is{Kind::Null};
    std::string Words;
    double Figure{};
    int Decimals{-1};
    long long Whole{};
    bool Yes{};
    std::vector<Value> Items;   // a list
    std::vector<Field> Members; // an object

    static Value Null();
    static Value Text(std::string text);
    static Value OptionalText(const std::optional<std::string>& text); // nothing as null
    static Value Number(double figure, int decimals = -1);
    static Value Integer(long long whole);
    static Value Boolean(bool yes);
    static Value List(std::vector<Value> items);
    static Value Object(std::vector<Field> members);
};

// Which formats write a field: the text, JSON, CSV, or any mix.
enum FieldFormats : unsigned {
    InText = 1,
    InJson = 2,
    InCsv = 4,
    InData = InJson | InCsv,
    InAll = InText | InJson | InCsv
};

// Field: a named value. The name is the JSON key, the CSV column and the text table's heading.
struct Field {
    Field(std::string name, Value data, unsigned in = InAll);

    std::string Name;
    Value Data;
    unsigned In{InAll};
    // The text's caption for a line of its own ("Tithi Number"); a field without one is a line
    // by itself (a paragraph, or an empty line).
    std::string Caption;
    // How the text shows the value, and how a CSV cell holds a list or an object, where not as
    // the value itself.
    std::optional<std::string> Shown, Cell;
    // A text table's column: pad to this many characters; a negative width aligns to the right.
    int Width{};
};

// Record: the fields of one result in their order. `For` names the formats it is built for, so
// that a builder can leave out the fields that no writer of them shows.
struct Record {
    std::vector<Field> Fields;
    unsigned For{InAll};

    bool Wants(unsigned in) const { return (For & in) != 0; }

    // Add: a field at the end, written in the formats given; returns it, for a caption or a width.
    Field& Add(std::string name, Value value, unsigned in = InAll);
    // Line: a line of the text alone: a caption and what follows it; nothing for a record not
    // built for the text.
    void Line(std::string caption, std::string shown);
};
