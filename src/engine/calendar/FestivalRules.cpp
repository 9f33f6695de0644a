// SPDX-License-Identifier: MIT
// Reading the festival table: its columns by the header's names, each cell's words, and the
// table built into the program.
#include "engine/calendar/FestivalRules.h"

#include "engine/present/PanchangaNames.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <map>
#include <optional>

// The data file's text, generated at build time from data/festivals.tsv.
extern const char* const KestravaFestivalTableText;

namespace {

std::string Lower(std::string_view text) {
    std::string lower(text);
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return lower;
}

std::string_view Trim(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\r')) {
        text.remove_prefix(1);
    }
    while (!text.empty() && (text.back() == ' ' || text.back() == '\r')) {
        text.remove_suffix(1);
    }
    return text;
}

std::vector<std::string_view> Split(std::string_view line, char separator) {
    std::vector<std::string_view> cells;
    std::size_t start = 0;
    for (;;) {
        const std::size_t at = line.find(separator, start);
        cells.push_back(Trim(line.substr(start, at == std::string_view::npos ? line.npos : at - start)));
        if (at == std::string_view::npos) {
            return cells;
        }
        start = at + 1;
    }
}

bool Empty(std::string_view cell) {
    return cell.empty() || cell == "-";
}

// The index of a name among a list of names (case-insensitive); -1 if none.
int IndexAmong(std::string_view (*name)(int), int count, std::string_view cell) {
    const std::string wanted = Lower(cell);
    for (int k = 0; k < count; ++k) {
        if (Lower(name(k)) == wanted) {
            return k;
        }
    }
    return -1;
}

std::optional<int> Number(std::string_view text) {
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size()) {
        return std::nullopt;
    }
    return value;
}

// "shukla-5" 4, "krishna-14" 28, "purnima" 14, "amavasya" 29.
std::optional<int> TithiOfCell(std::string_view cell) {
    const std::string word = Lower(cell);
    if (word == "purnima") {
        return 14;
    }
    if (word == "amavasya") {
        return 29;
    }
    for (const auto& [prefix, base] : {std::pair{std::string_view("shukla-"), 0},
                                       std::pair{std::string_view("krishna-"), 15}}) {
        if (word.rfind(prefix, 0) == 0) {
            const auto day = Number(std::string_view(word).substr(prefix.size()));
            if (day && *day >= 1 && *day <= 15) {
                return base + *day - 1;
            }
        }
    }
    return std::nullopt;
}

template <typename Enum> struct Word {
    std::string_view Text;
    Enum Value;
};

constexpr Word<FestivalKind> KindWords[] = {
    {"festival", FestivalKind::Festival}, {"vrata", FestivalKind::Vrata},
    {"jayanti", FestivalKind::Jayanti},   {"sankranti", FestivalKind::Sankranti},
    {"ekadashi", FestivalKind::Ekadashi}};
constexpr Word<DecidingPeriod> PeriodWords[] = {
    {"sunrise", DecidingPeriod::Sunrise},     {"purvahna", DecidingPeriod::Purvahna},
    {"madhyahna", DecidingPeriod::Madhyahna}, {"aparahna", DecidingPeriod::Aparahna},
    {"pradosha", DecidingPeriod::Pradosha},   {"nishita", DecidingPeriod::Nishita},
    {"moonrise", DecidingPeriod::Moonrise},   {"arunodaya", DecidingPeriod::Arunodaya}};
constexpr Word<PeriodHold> HoldWords[] = {{"touch", PeriodHold::Touch},
                                          {"whole", PeriodHold::Whole}};
constexpr Word<TwoDaysRule> TwoDaysWords[] = {{"first", TwoDaysRule::First},
                                              {"second", TwoDaysRule::Second},
                                              {"longer", TwoDaysRule::Longer}};
constexpr Word<NoDayRule> NoDayWords[] = {{"sunrise", NoDayRule::Sunrise},
                                          {"next", NoDayRule::Next}};
constexpr Word<Tradition> TraditionWords[] = {{"all", Tradition::All},
                                              {"smarta", Tradition::Smarta},
                                              {"vaishnava", Tradition::Vaishnava}};
constexpr Word<SolarCalendar> SolarWords[] = {{"tamil", SolarCalendar::Tamil},
                                              {"malayalam", SolarCalendar::Malayalam},
                                              {"bengali", SolarCalendar::Bengali},
                                              {"odia", SolarCalendar::Odia}};

template <typename Enum, std::size_t N>
std::optional<Enum> WordOf(const Word<Enum> (&words)[N], std::string_view cell) {
    const std::string wanted = Lower(cell);
    for (const auto& word : words) {
        if (word.Text == wanted) {
            return word.Value;
        }
    }
    return std::nullopt;
}

template <typename Enum, std::size_t N>
std::string_view TextOf(const Word<Enum> (&words)[N], Enum value) {
    for (const auto& word : words) {
        if (word.Value == value) {
            return word.Text;
        }
    }
    return {};
}

// The columns a table must name in its header.
constexpr std::string_view Columns[] = {"id",        "name_en",  "name_hi",   "kind",
                                        "month",     "reckoning", "tithi",    "nakshatra",
                                        "sankranti", "period",   "hold",      "two_days",
                                        "no_day",    "offset",   "region",    "tradition"};

bool IdIsPlain(std::string_view id) {
    return !id.empty() && std::all_of(id.begin(), id.end(), [](char c) {
        return (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-';
    });
}

// One row; the text of its fault, or nothing.
std::optional<std::string> ReadRow(const std::map<std::string_view, std::string_view>& cell,
                                   FestivalRule& rule) {
    auto at = [&](std::string_view column) { return cell.at(column); };
    rule.Id = std::string(at("id"));
    if (!IdIsPlain(rule.Id)) {
        return "the id '" + rule.Id + "' is not lower-case ASCII letters, digits and hyphens";
    }
    rule.NameEn = std::string(at("name_en"));
    rule.NameHi = std::string(at("name_hi"));
    if (Empty(rule.NameEn) || Empty(rule.NameHi)) {
        return "a name is missing";
    }
    const auto kind = WordOf(KindWords, at("kind"));
    if (!kind) {
        return "unknown kind '" + std::string(at("kind")) + "'";
    }
    rule.Kind = *kind;

    const std::string_view reckoning = at("reckoning");
    const auto solar = WordOf(SolarWords, reckoning);
    if (solar) {
        rule.DayReckoning = *solar;
    } else if (Lower(reckoning) == "purnimanta") {
        rule.Reckoning = MonthReckoning::Purnimanta;
    } else if (!Empty(reckoning) && Lower(reckoning) != "amanta") {
        return "unknown reckoning '" + std::string(reckoning) + "'";
    }

    const std::string_view month = at("month");
    if (solar && !Empty(month)) {
        rule.Rashi = IndexAmong(RashiName, 12, month);
        if (rule.Rashi < 0) {
            return "unknown solar month '" + std::string(month) + "' (a sign's name)";
        }
    } else if (!Empty(month)) {
        std::string_view name = month;
        if (Lower(name).rfind("adhika", 0) == 0) {
            rule.AdhikaOnly = true;
            name.remove_prefix(std::min<std::size_t>(name.size(), 7)); // "adhika-"
        }
        if (!name.empty()) {
            rule.Masa = IndexAmong(MasaName, 12, name);
            if (rule.Masa < 0) {
                return "unknown month '" + std::string(month) + "'";
            }
        }
    }

    if (!Empty(at("tithi"))) {
        const auto tithi = TithiOfCell(at("tithi"));
        if (!tithi) {
            return "unknown tithi '" + std::string(at("tithi")) + "'";
        }
        rule.Tithi = *tithi;
    }
    if (!Empty(at("nakshatra"))) {
        // "shravana after hasta": the Shravana whose Hasta before it falls in the month too.
        std::string_view nakshatra = at("nakshatra");
        const std::size_t after = nakshatra.find(" after ");
        if (after != nakshatra.npos) {
            rule.LeadNakshatra = IndexAmong(NakshatraName, 27, Trim(nakshatra.substr(after + 7)));
            nakshatra = nakshatra.substr(0, after);
            if (rule.LeadNakshatra < 0) {
                return "unknown nakshatra in '" + std::string(at("nakshatra")) + "'";
            }
        }
        rule.Nakshatra = IndexAmong(NakshatraName, 27, nakshatra);
        if (rule.Nakshatra < 0) {
            return "unknown nakshatra '" + std::string(at("nakshatra")) + "'";
        }
    }
    if (!Empty(at("sankranti"))) {
        rule.Rashi = IndexAmong(RashiName, 12, at("sankranti"));
        if (rule.Rashi < 0 || !solar) {
            return "a sankranti needs a sign and a solar calendar's day rule";
        }
    }
    if (!Empty(at("period"))) {
        const auto period = WordOf(PeriodWords, at("period"));
        if (!period) {
            return "unknown period '" + std::string(at("period")) + "'";
        }
        rule.Period = *period;
    }
    const auto hold = Empty(at("hold")) ? PeriodHold::Touch : WordOf(HoldWords, at("hold"));
    const auto two =
        Empty(at("two_days")) ? TwoDaysRule::First : WordOf(TwoDaysWords, at("two_days"));
    const auto none = Empty(at("no_day")) ? NoDayRule::Sunrise : WordOf(NoDayWords, at("no_day"));
    const auto keeper =
        Empty(at("tradition")) ? Tradition::All : WordOf(TraditionWords, at("tradition"));
    if (!hold || !two || !none || !keeper) {
        return "unknown word in hold, two_days, no_day or tradition";
    }
    rule.Hold = *hold;
    rule.TwoDays = *two;
    rule.NoDay = *none;
    rule.Keeper = *keeper;
    rule.Region = Empty(at("region")) ? "all" : Lower(at("region"));

    // The optional bhadra column: "-", or "avoid:P/Q" (the share of the next day's daytime the
    // tithi must hold after sunrise for the festival to move there when bhadra fills the period).
    const auto bhadraCell = cell.find("bhadra");
    if (bhadraCell != cell.end() && !Empty(bhadraCell->second)) {
        const std::string_view bhadra = Trim(bhadraCell->second);
        const std::size_t slash = bhadra.find('/');
        constexpr std::string_view avoid = "avoid:";
        const auto over = bhadra.rfind(avoid, 0) == 0 && slash != bhadra.npos
                              ? Number(bhadra.substr(avoid.size(), slash - avoid.size()))
                              : std::nullopt;
        const auto under = slash != bhadra.npos ? Number(bhadra.substr(slash + 1)) : std::nullopt;
        if (!over || !under || *under <= 0 || *over > *under) {
            return "the bhadra cell '" + std::string(bhadra) + "' is not - or avoid:P/Q";
        }
        rule.AvoidBhadra = true;
        rule.NextDayShare = static_cast<double>(*over) / *under;
    }

    const std::string_view offset = at("offset");
    if (!Empty(offset)) {
        const std::size_t sign = offset.find_last_of("+-");
        const auto days = sign == offset.npos || sign == 0
                              ? std::nullopt
                              : Number(offset.substr(sign + 1));
        if (!days) {
            return "the offset '" + std::string(offset) + "' is not id+days or id-days";
        }
        rule.OffsetFrom = std::string(offset.substr(0, sign));
        rule.OffsetDays = offset[sign] == '-' ? -*days : *days;
        rule.Basis = FestivalBasis::Offset;
    } else if (!Empty(at("sankranti"))) {
        rule.Basis = FestivalBasis::Sankranti;
    } else if (rule.Nakshatra >= 0 && solar && rule.Rashi >= 0) {
        rule.Basis = FestivalBasis::SolarNakshatra;
    } else if (rule.Tithi >= 0 && (rule.Masa >= 0 || rule.AdhikaOnly) && !solar) {
        rule.Basis = FestivalBasis::Tithi;
    } else {
        return "neither a tithi of a lunar month, a sankranti, a nakshatra in a solar month nor "
               "an offset";
    }
    return std::nullopt;
}

} // namespace

FestivalTable ParseFestivalTable(std::string_view text) {
    FestivalTable table;
    std::vector<std::string_view> header;
    std::vector<int> lines; // each rule's line
    int lineNumber = 0;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        const std::string_view line = text.substr(0, end);
        text.remove_prefix(end == text.npos ? text.size() : end + 1);
        ++lineNumber;
        if (Trim(line).empty() || Trim(line).front() == '#') {
            continue;
        }
        const std::vector<std::string_view> cells = Split(line, '\t');
        const std::string where = "line " + std::to_string(lineNumber) + ": ";
        if (header.empty()) {
            header = cells;
            for (const std::string_view column : Columns) {
                if (std::find(header.begin(), header.end(), column) == header.end()) {
                    table.Errors.push_back(where + "the header has no column '" +
                                           std::string(column) + "'");
                }
            }
            if (!table.Errors.empty()) {
                return table;
            }
            continue;
        }
        if (cells.size() != header.size()) {
            table.Errors.push_back(where + std::to_string(cells.size()) + " cells where the header has " +
                                   std::to_string(header.size()));
            continue;
        }
        std::map<std::string_view, std::string_view> cell;
        for (std::size_t k = 0; k < cells.size(); ++k) {
            cell[header[k]] = cells[k];
        }
        FestivalRule rule;
        if (const auto fault = ReadRow(cell, rule)) {
            table.Errors.push_back(where + *fault);
            continue;
        }
        // An id comes twice only as the Smarta and the Vaishnava rows of one festival.
        const bool repeated =
            std::any_of(table.Rules.begin(), table.Rules.end(), [&](const FestivalRule& r) {
                return r.Id == rule.Id && (r.Keeper == Tradition::All ||
                                           rule.Keeper == Tradition::All || r.Keeper == rule.Keeper);
            });
        if (repeated) {
            table.Errors.push_back(where + "the id '" + rule.Id + "' comes twice");
            continue;
        }
        table.Rules.push_back(std::move(rule));
        lines.push_back(lineNumber);
    }
    // An offset needs a festival fixed by its own rule.
    std::vector<std::string> fixed;
    for (const FestivalRule& rule : table.Rules) {
        if (rule.Basis != FestivalBasis::Offset) {
            fixed.push_back(rule.Id);
        }
    }
    std::vector<FestivalRule> kept;
    for (std::size_t k = 0; k < table.Rules.size(); ++k) {
        FestivalRule& rule = table.Rules[k];
        if (rule.Basis == FestivalBasis::Offset &&
            std::find(fixed.begin(), fixed.end(), rule.OffsetFrom) == fixed.end()) {
            table.Errors.push_back("line " + std::to_string(lines[k]) + ": the offset's festival '" +
                                   rule.OffsetFrom + "' is not a row fixed by its own rule");
            continue;
        }
        kept.push_back(std::move(rule));
    }
    table.Rules = std::move(kept);
    return table;
}

std::string_view BuiltInFestivalText() {
    return KestravaFestivalTableText;
}

const FestivalTable& BuiltInFestivalTable() {
    static const FestivalTable table = ParseFestivalTable(BuiltInFestivalText());
    return table;
}

std::string_view FestivalKindName(FestivalKind kind) {
    return TextOf(KindWords, kind);
}

std::string_view DecidingPeriodName(DecidingPeriod period) {
    return TextOf(PeriodWords, period);
}

std::string_view TraditionName(Tradition tradition) {
    return TextOf(TraditionWords, tradition);
}
