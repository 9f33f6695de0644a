// SPDX-License-Identifier: MIT
// The record writers: CSV quoting as RFC 4180 asks, JSON escapes as RFC 8259 asks, numbers that
// give back their double, nesting, and the text's alignment in characters of any script.
#include "engine/present/Writers.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <limits>
#include <string>

namespace {

// RFC 4180, section 2, rules 5 to 7: a field holding a comma, a double quote or a line break is
// enclosed in double quotes, and a double quote inside is doubled. Other fields stay bare.
TEST(Writers, CsvFieldsAreQuotedOnlyWhereRfc4180AsksAndQuotesAreDoubled) {
    const struct {
        const char* text;
        const char* expected;
    } cases[] = {
        {"Ashtami", "Ashtami"},
        {"", ""},
        {"a,b", "\"a,b\""},
        {"say \"yes\"", "\"say \"\"yes\"\"\""},
        {"two\nlines", "\"two\nlines\""},
        {"cr\rhere", "\"cr\rhere\""},
        {"2024-01-11T17:27:03+05:30", "2024-01-11T17:27:03+05:30"},
        {"\xe0\xa4\x85\xe0\xa4\xb7\xe0\xa5\x8d\xe0\xa4\x9f\xe0\xa4\xae\xe0\xa5\x80", // अष्टमी
         "\xe0\xa4\x85\xe0\xa4\xb7\xe0\xa5\x8d\xe0\xa4\x9f\xe0\xa4\xae\xe0\xa5\x80"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(CsvField(c.text), c.expected) << "text: " << c.text;
    }
}

// RFC 8259, section 7: the quotation mark, the reverse solidus and the control characters
// U+0000 to U+001F must be escaped; everything else, UTF-8 included, may stand as it is.
TEST(Writers, JsonStringsEscapeQuotesBackslashesAndEveryControlCharacter) {
    const struct {
        std::string text;
        const char* expected;
    } cases[] = {
        {"Purnima", "\"Purnima\""},
        {"a \"b\" c", "\"a \\\"b\\\" c\""},
        {"C:\\dir", "\"C:\\\\dir\""},
        {"line\nnext", "\"line\\nnext\""},
        {"tab\there", "\"tab\\u0009here\""},
        {std::string("nul\0x", 5), "\"nul\\u0000x\""},
        {"\x1f", "\"\\u001f\""},
        {"\xe0\xa4\xb9\xe0\xa4\xbf", "\"\xe0\xa4\xb9\xe0\xa4\xbf\""}, // हि
    };
    for (const auto& c : cases) {
        EXPECT_EQ(JsonString(c.text), c.expected);
    }
}

// A number carries 17 significant digits, enough that strtod gives back the very double; one
// that is not finite is written as JSON's null; fixed decimals round as printf does.
TEST(Writers, NumbersGiveBackTheirDoubleAndFixedDecimalsRound) {
    for (const double value : {0.1, 1.0 / 3, 2460320.9802430556, -123.456, 359.99999999999994,
                               5e-324, 1.7976931348623157e308}) {
        const std::string text = NumberText(value);
        EXPECT_EQ(std::strtod(text.c_str(), nullptr), value) << text;
        EXPECT_LE(text.size(), 24u) << text;
    }
    EXPECT_EQ(NumberText(0.5), "0.5");
    EXPECT_EQ(NumberText(std::numeric_limits<double>::quiet_NaN()), "null");
    EXPECT_EQ(NumberText(std::numeric_limits<double>::infinity()), "null");

    Record r;
    r.Add("lit", Value::Number(23.005, 2)); // 23.005 is 23.00499999... as a double
    r.Add("half", Value::Number(0.125, 2));
    r.Add("none", Value::Number(std::numeric_limits<double>::quiet_NaN(), 2));
    EXPECT_EQ(JsonOf(r), "{\"lit\":23.00,\"half\":0.12,\"none\":null}");
}

// One record, nested as JSON nests it: objects and lists inside, fields each format leaves out,
// an object's members as columns of their own in CSV, and a list's own cell where it has one.
TEST(Writers, OneRecordNestsInJsonAndFlattensInCsv) {
    Record r;
    r.Add("index", Value::Integer(7), InData);
    r.Add("name", Value::Text("Shukla Ashtami, the eighth"));
    r.Add("sunrise", Value::Null());
    r.Add("adhika", Value::Boolean(false));
    r.Add("samvat",
          Value::Object({{"vikram", Value::Integer(2080)}, {"shaka", Value::Integer(1945)}}),
          InData);
    r.Add("kshaya", Value::List({Value::Integer(3), Value::Integer(4)}), InData);
    r.Add("spans",
          Value::List(
              {Value::Object({{"begins", Value::Text("06:00")}, {"ends", Value::Text("07:30")}}),
               Value::List({})}),
          InData)
        .Cell = "06:00/07:30";
    r.Add("note", Value::Text("json only"), InJson);
    r.Add("column", Value::Text("csv only"), InCsv);
    r.Add("shown", Value::Text("text only"), InText);

    EXPECT_EQ(JsonOf(r),
              "{\"index\":7,\"name\":\"Shukla Ashtami, the eighth\",\"sunrise\":null,"
              "\"adhika\":false,\"samvat\":{\"vikram\":2080,\"shaka\":1945},\"kshaya\":[3,4],"
              "\"spans\":[{\"begins\":\"06:00\",\"ends\":\"07:30\"},[]],\"note\":\"json only\"}");
    EXPECT_EQ(CsvHeaderOf(r), "index,name,sunrise,adhika,vikram,shaka,kshaya,spans,column");
    EXPECT_EQ(CsvRowOf(r),
              "7,\"Shukla Ashtami, the eighth\",,false,2080,1945,3 4,06:00/07:30,csv only");
    EXPECT_EQ(JsonOf(Record{}), "{}");
    EXPECT_EQ(CsvRowOf(Record{}), "");
}

// The text's captioned lines: the caption padded to 16 characters with one blank at least, a
// field without a caption a line of its own; Devanagari counts in characters, not bytes.
TEST(Writers, TextLinesPadCaptionsToSixteenCharacters) {
    Record r;
    r.Add("moon", Value::Number(0.5)).Caption = "Moon";
    r.Line("Tithi Features", "none");
    r.Line("A Caption Of Twenty", "long");
    r.Line("\xe0\xa4\xa4\xe0\xa4\xbf\xe0\xa4\xa5\xe0\xa4\xbf", "x"); // तिथि: four characters
    r.Line({}, "A paragraph by itself.");
    r.Line({}, {});
    r.Add("hidden", Value::Text("data"), InData).Caption = "Hidden";
    r.Add("sunset", Value::Null()).Caption = "Sunset";
    r.Fields.back().Shown = "none this date";
    EXPECT_EQ(TextLinesOf(r), "Moon            0.5\n"
                              "Tithi Features  none\n"
                              "A Caption Of Twenty long\n"
                              "\xe0\xa4\xa4\xe0\xa4\xbf\xe0\xa4\xa5\xe0\xa4\xbf            x\n"
                              "A paragraph by itself.\n"
                              "\n"
                              "Sunset          none this date\n");
}

// A table's heading and rows: each column padded to its width in characters, to the right for a
// negative width, never cut; the last column unpadded; the columns joined by the separator.
TEST(Writers, TableColumnsAlignInCharactersWhateverTheScript) {
    const auto row = [](const std::string& name, long long index) {
        Record r;
        r.Add("date", Value::Text("2024-10-31")).Width = 10;
        r.Add("tithi", Value::Integer(index)).Width = -5;
        r.Add("tithi_name", Value::Text(name)).Width = 8;
        r.Add("rule", Value::Text("json"), InData);
        r.Add("adhika", Value::Boolean(true)).Shown = "yes";
        return r;
    };
    const struct {
        std::string name;
        long long index;
        const char* expected;
    } cases[] = {
        {"Amavasya", 29, "2024-10-31    29 Amavasya yes"},
        {"Navami", 8, "2024-10-31     8 Navami   yes"},
        {"Shukla Pratipada", 0, "2024-10-31     0 Shukla Pratipada yes"},
        // अमावस्या is eight characters (five letters and three signs) in 24 bytes
        {"\xe0\xa4\x85\xe0\xa4\xae\xe0\xa4\xbe\xe0\xa4\xb5\xe0\xa4\xb8\xe0\xa5\x8d\xe0\xa4\xaf"
         "\xe0\xa4\xbe",
         29,
         "2024-10-31    29 \xe0\xa4\x85\xe0\xa4\xae\xe0\xa4\xbe\xe0\xa4\xb5\xe0\xa4\xb8\xe0\xa5"
         "\x8d\xe0\xa4\xaf\xe0\xa4\xbe yes"},
        // पौष is three characters: five blanks follow
        {"\xe0\xa4\xaa\xe0\xa5\x8c\xe0\xa4\xb7", 14,
         "2024-10-31    14 \xe0\xa4\xaa\xe0\xa5\x8c\xe0\xa4\xb7      yes"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(TableRowOf(row(c.name, c.index)), c.expected);
    }
    EXPECT_EQ(TableHeaderOf(row("", 0)), "date       tithi tithi_name adhika");
    EXPECT_EQ(TableRowOf(row("Navami", 8), "  "), "2024-10-31      8  Navami    yes");
}

} // namespace
