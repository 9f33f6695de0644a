// SPDX-License-Identifier: MIT
// kestrava-tithi's --lang: each language gives the panchanga's names in its script and as its
// almanacs print them, the keys of JSON and the header of CSV stay English, --lang en changes
// nothing, and a language the tool does not speak is refused with the choices.
#include "ToolRuns.h"
#include "support/ScriptLanguages.h"

#include <gtest/gtest.h>

#include <map>
#include <regex>
#include <vector>

namespace {

// Delhi (77°13′ E, 28°36′ N, zone 5:30), 11 January 2024 at 17:00: Amavasya (it ends at 17:27),
// the Moon in Purva Ashadha, a Thursday, the amanta month Margashirsha and the purnimanta Pausha
// (the new moon of 11 January closes Margashirsha, by any almanac of January 2024).
const std::string Delhi = "2024-01-11 17:00 --zone 5:30 --lon 77:13E --lat 28:36N";

// The string values of a JSON object by key, a nested object's keys after its own and a dot
// ("nakshatra.name"). Enough for the tool's one-line objects, whose strings hold no quote.
std::map<std::string, std::string> JsonStrings(const std::string& json) {
    std::map<std::string, std::string> values;
    std::vector<std::string> objects; // the keys of the nested objects we are in
    std::string key;
    for (std::size_t at = 0; at < json.size(); ++at) {
        if (json[at] == '{') {
            if (!key.empty())
                objects.push_back(key + ".");
            key.clear();
        } else if (json[at] == '}') {
            if (!objects.empty())
                objects.pop_back();
        } else if (json[at] == '"') {
            const std::size_t end = json.find('"', at + 1);
            const std::string text = json.substr(at + 1, end - at - 1);
            at = end;
            if (at + 1 < json.size() && json[at + 1] == ':') {
                key = text;
            } else {
                std::string path;
                for (const std::string& object : objects)
                    path += object;
                values.emplace(path + key, text); // the first: arrays of objects come later
                key.clear();
            }
        }
    }
    return values;
}

// The names of the moment as the almanacs of each language print them: the tithi, the
// nakshatra, the vara and the months. The lists they were checked against are named at the head
// of each language's catalogue of names (translations/kestrava_names_LANG.ts); the Kannada
// nakshatra is printed both as ಪೂರ್ವಾಷಾಢ and ಪೂರ್ವಾಷಾಢಾ, and is not checked.
// An empty name is not checked.
struct AlmanacNames {
    const char* code;
    const char *tithi, *nakshatra, *vara, *amanta, *purnimanta;
};
constexpr AlmanacNames Published[] = {
    {"hi", "अमावस्या", "पूर्वाषाढ़ा", "गुरुवार", "मार्गशीर्ष", "पौष"},
    {"mr", "अमावास्या", "पूर्वाषाढा", "गुरुवार", "मार्गशीर्ष", "पौष"},
    {"gu", "અમાસ", "પૂર્વાષાઢા", "ગુરુવાર", "માગશર", "પોષ"},
    {"bn", "অমাবস্যা", "পূর্বাষাঢ়া", "বৃহস্পতিবার", "অগ্রহায়ণ", "পৌষ"},
    {"ta", "அமாவாசை", "பூராடம்", "வியாழக்கிழமை", "", ""},
    {"te", "అమావాస్య", "పూర్వాషాఢ", "గురువారం", "మార్గశిర", "పుష్య"},
    {"kn", "ಅಮಾವಾಸ್ಯೆ", "", "ಗುರುವಾರ", "ಮಾರ್ಗಶಿರ", "ಪುಷ್ಯ"},
};

TEST(ToolLanguages, EachLanguageNamesTheMomentAsItsAlmanacsPrint) {
    for (const AlmanacNames& names : Published) {
        const ToolRun run = RunInProcess(Delhi + " --format json --lang " + names.code);
        ASSERT_EQ(run.Status, 0) << names.code << ": " << run.Err;
        const auto values = JsonStrings(run.Out);
        EXPECT_EQ(values.at("name"), names.tithi) << names.code;
        if (*names.nakshatra) {
            EXPECT_EQ(values.at("nakshatra.name"), names.nakshatra) << names.code;
        }
        EXPECT_EQ(values.at("vara"), names.vara) << names.code;
        if (*names.amanta) {
            EXPECT_EQ(values.at("masa.amanta"), names.amanta) << names.code;
            EXPECT_EQ(values.at("masa.purnimanta"), names.purnimanta) << names.code;
        }
    }
}

// In every language and format, each name and text is in the language's script while the JSON
// keys, the CSV header and the figures are the English run's.
TEST(ToolLanguages, NamesAreInTheLanguagesScriptAndKeysStayEnglish) {
    const ToolRun english = RunInProcess(Delhi + " --format json");
    const auto englishValues = JsonStrings(english.Out);
    const std::vector<std::string> csvEnglish = Lines(RunInProcess(Delhi + " --format csv").Out);
    ASSERT_EQ(csvEnglish.size(), 2u);
    for (const ScriptLanguage& language : ScriptLanguages) {
        const std::string lang = std::string(" --lang ") + language.code;
        const auto values = JsonStrings(RunInProcess(Delhi + " --format json" + lang).Out);
        for (const char* key : {"name", "phase", "lord", "group", "features", "nature", "type",
                                "description", "sunrise_tithi", "karana", "vara", "nakshatra.name",
                                "nakshatra.lord", "yoga.name", "masa.amanta", "masa.purnimanta"}) {
            ASSERT_TRUE(values.count(key)) << language.code << " " << key;
            EXPECT_TRUE(InScript(values.at(key), language))
                << language.code << " " << key << ": " << values.at(key);
        }
        for (const char* same : {"number", "begins", "ends", "sunrise", "utc_offset"})
            EXPECT_EQ(values.at(same), englishValues.at(same)) << language.code << " " << same;

        const std::vector<std::string> csv =
            Lines(RunInProcess(Delhi + " --format csv" + lang).Out);
        ASSERT_EQ(csv.size(), 2u) << language.code;
        EXPECT_EQ(csv[0], csvEnglish[0]) << language.code;

        // The text: the eight captions of the tithi in the script, and its name in upper case
        // where the script has case (none of these has).
        const std::vector<std::string> text = Lines(RunInProcess(Delhi + lang).Out);
        ASSERT_GT(text.size(), 8u) << language.code;
        for (std::size_t k = 0; k < 8; ++k)
            EXPECT_TRUE(InScript(text[k], language)) << language.code << ": " << text[k];

        // The spans of an almanac, a month's days and an iCalendar file's events.
        for (const std::string limb : {"tithi", "nakshatra", "yoga", "karana"}) {
            const ToolRun almanac = RunInProcess("--from 2024-01-01 --to 2024-01-02 --zone 5:30 "
                                                 "--lon 77E --format csv --limb " +
                                                 limb + lang);
            const std::vector<std::string> rows = Lines(almanac.Out);
            ASSERT_GT(rows.size(), 1u) << language.code << " " << limb;
            EXPECT_EQ(rows[0], "index," + limb + ",begins,ends");
            const std::string name = rows[1].substr(rows[1].find(',') + 1);
            EXPECT_TRUE(InScript(name.substr(0, name.find(',')), language))
                << language.code << " " << limb << ": " << rows[1];
        }
        const ToolRun month =
            RunInProcess("--month 2024-01 --zone 5:30 --lon 77E --lat 28N --format json" + lang);
        const auto day = JsonStrings(Lines(month.Out).at(0));
        for (const char* key : {"vara", "tithi_name", "paksha", "masa_amanta"})
            EXPECT_TRUE(InScript(day.at(key), language)) << language.code << " " << key;
        const ToolRun ics = RunInProcess("--ics - --from 2024-01-11 --to 2024-01-11 --zone 5:30 "
                                         "--lon 77E --lat 28N" +
                                         lang);
        static const std::regex summary("\r?\nSUMMARY:([^\r\n]*)");
        std::smatch m;
        ASSERT_TRUE(std::regex_search(ics.Out, m, summary)) << language.code;
        EXPECT_TRUE(InScript(m[1].str(), language)) << language.code << ": " << m[1];
        // The festivals by their names in the language: Makar Sankranti, Pongal and the day's
        // Ekadashi of January 2024.
        const ToolRun festivals = RunInProcess("--festivals --from 2024-01-14 --to 2024-01-21 "
                                               "--zone 5:30 --lon 77E --lat 28N --format json" +
                                               lang);
        ASSERT_EQ(festivals.Status, 0) << language.code << ": " << festivals.Err;
        ASSERT_FALSE(Lines(festivals.Out).empty()) << language.code;
        for (const std::string& line : Lines(festivals.Out)) {
            const auto festival = JsonStrings(line);
            for (const char* key : {"name", "masa_amanta"})
                EXPECT_TRUE(InScript(festival.at(key), language))
                    << language.code << " " << key << ": " << festival.at(key);
        }
    }
}

// --lang en is the tool's English exactly, in every mode, format and error.
TEST(ToolLanguages, EnglishIsTheToolsOwnOutput) {
    const std::string invocations[] = {
        Delhi,
        Delhi + " --format json",
        Delhi + " --format csv",
        "2024-06-21 06:00 --zone 1 --lon 10E --lat 70N",
        "2024-03-10 02:30 --tz America/New_York --lon 74W --lat 40N",
        "2024-11-03 01:30 --tz America/New_York --lon 74W --lat 40N --format json",
        "--from 2024-01-01 --to 2024-01-10 --zone 5:30 --lon 77E --limb yoga",
        "--month 2024-06 --zone 5:30 --lon 77E --lat 28N",
        "--find Purnima --from 2024-01-01 --count 3 --zone 5:30 --lon 77E --lat 28N --format csv",
        "--places Hyderabad",
    };
    for (const std::string& args : invocations) {
        const ToolRun plain = RunInProcess(args);
        const ToolRun english = RunInProcess(args + " --lang en");
        EXPECT_EQ(english.Status, plain.Status) << args;
        EXPECT_EQ(english.Out, plain.Out) << args;
        EXPECT_EQ(english.Err, plain.Err) << args;
    }
}

TEST(ToolLanguages, AnUnknownLanguageIsRefusedWithTheChoices) {
    for (const char* code : {"xx", "EN", "hindi", "hi_IN", ""}) {
        const ToolRun run =
            RunArgs({"2024-01-11", "17:00", "--zone", "5:30", "--lon", "77E", "--lang", code});
        EXPECT_EQ(run.Status, 2) << code;
        EXPECT_EQ(run.Out, "") << code;
        EXPECT_NE(run.Err.find("en, hi, mr, gu, bn, ta, te, kn"), std::string::npos) << run.Err;
    }
}

} // namespace
