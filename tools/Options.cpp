// SPDX-License-Identifier: MIT
// Reading kestrava-tithi's arguments through the options table: which mode the command line
// asks for, then the arguments of that mode, or of one line of a batch.
#include "Options.h"

#include "OptionTable.h"
#include "Values.h"

#include <algorithm>
#include <string>
#include <variant>
#include <vector>

namespace tithi_cli {

namespace {

// An option of the form --name VALUE or --name=VALUE.
struct OptionValue {
    std::string_view Name;
    std::optional<std::string_view> Inline; // the part after '='
};

OptionValue SplitOption(std::string_view arg) {
    const auto at = arg.find('=');
    if (at == std::string_view::npos) {
        return {arg, std::nullopt};
    }
    return {arg.substr(0, at), arg.substr(at + 1)};
}

bool LooksLikeOption(std::string_view arg) {
    return arg.size() > 1 && arg.front() == '-';
}

// The row of a table by name or alias; nothing for an unknown option.
const Option* Find(std::span<const Option> table, std::string_view name) {
    for (const Option& option : table) {
        if (option.Name == name || (!option.Alias.empty() && option.Alias == name)) {
            return &option;
        }
    }
    return nullptr;
}

// The mode that an argument chooses, if it is an option that chooses one as it is given.
std::optional<Mode> ChosenBy(std::string_view arg) {
    const OptionValue option = SplitOption(arg);
    const Option* row = Find(Options(), option.Name);
    if (!row || !row->Chooses || (!row->TakesValue && option.Inline)) {
        return std::nullopt;
    }
    return row->Chooses;
}

// The first name of a list "--a|--b" for which `test` holds, if any.
template <class Test> std::optional<std::string_view> FirstName(std::string_view names, Test test) {
    while (!names.empty()) {
        const auto bar = names.find('|');
        const std::string_view name = names.substr(0, bar);
        if (test(name)) {
            return name;
        }
        names = bar == std::string_view::npos ? std::string_view{} : names.substr(bar + 1);
    }
    return std::nullopt;
}

// The options read so far, by their row of the table.
class SeenOptions {
public:
    explicit SeenOptions(std::span<const Option> table) : table_(table), seen_(table.size()) {}
    bool Has(const Option& option) const {
        return seen_[static_cast<std::size_t>(&option - table_.data())];
    }
    bool Has(std::string_view name) const {
        const Option* option = Find(table_, name);
        return option && Has(*option);
    }
    void Add(const Option& option) {
        seen_[static_cast<std::size_t>(&option - table_.data())] = true;
    }

private:
    std::span<const Option> table_;
    std::vector<bool> seen_;
};

// The value of an option at args[at], moving `at` past it when it is the next argument. A
// repeated option is named before its value is looked for on the batch's command line, after
// it elsewhere.
std::variant<std::string_view, ParseError> ValueOf(const Option& option, const OptionValue& given,
                                                   const ModeRules& rules,
                                                   const std::vector<std::string_view>& args,
                                                   std::size_t& at, const SeenOptions& seen) {
    const std::string name(given.Name);
    const bool repeated = seen.Has(option);
    if (!option.TakesValue) {
        if (given.Inline) {
            // A mode's own switch with a value is not that switch: it chose no mode.
            return ParseError{option.Chooses ? "unknown option " + Quoted(name)
                                             : name + " takes no value"};
        }
    } else if (rules.ValueIsNextArgument && repeated) {
        return ParseError{name + " is given twice"};
    } else if (!given.Inline && (at + 1 >= args.size() ||
                                 (!rules.ValueIsNextArgument && args[at + 1].starts_with("--")))) {
        // Elsewhere a value never starts with "--": "--zone --lon 77E" lacks the zone.
        return ParseError{name + " needs a value"};
    }
    if (repeated) {
        return ParseError{name + " is given twice"};
    }
    if (!option.TakesValue) {
        return std::string_view{};
    }
    return given.Inline ? *given.Inline : args[++at];
}

// After the arguments: options given beside one they may not be, then what is missing, then
// the mode's own check.
std::optional<ParseError> CheckWhole(std::span<const Option> table, const ModeRules& rules,
                                     const SeenOptions& seen, std::size_t positionals,
                                     const Invocation& into) {
    for (const Option& option : table) {
        const auto isSeen = [&](std::string_view name) { return seen.Has(name); };
        if (const auto other =
                seen.Has(option) ? FirstName(option.NotWith, isSeen) : std::nullopt) {
            return ParseError{std::string(*other) + ": not together with " +
                              std::string(option.Name)};
        }
    }
    if (positionals < rules.Positionals.size()) {
        const Positional& missing = rules.Positionals[positionals];
        return ParseError{std::string(missing.Name) + " is missing (" +
                          std::string(missing.Missing) + ")"};
    }
    for (std::string_view required : rules.Required) {
        if (!FirstName(required, [&](std::string_view name) { return seen.Has(name); })) {
            const Option& first = *Find(table, required.substr(0, required.find('|')));
            return ParseError{std::string(first.Name) + " is missing (" +
                              std::string(first.Missing) + ")"};
        }
    }
    return rules.Check ? rules.Check(into) : std::nullopt;
}

// A batch line's words as a POSIX shell reads them: blanks part words; within double quotes a
// backslash escapes only ", $, ` and itself (before anything else it stays); within single
// quotes nothing is special; elsewhere a backslash keeps the next character. So
// --place "New York", --place 'New York' and --place New\ York give one value. A quote left open
// is an error, not a word that runs to the end of the line.
std::variant<std::vector<std::string>, ParseError> ShellWords(std::string_view line) {
    std::vector<std::string> words;
    std::string word;
    bool inWord = false;
    std::size_t at = 0;
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    while (at < line.size()) {
        const char c = line[at];
        if (blank(c)) {
            if (inWord) {
                words.push_back(std::move(word));
                word.clear();
                inWord = false;
            }
            ++at;
            continue;
        }
        inWord = true;
        if (c == '\'') {
            const std::size_t close = line.find('\'', at + 1);
            if (close == std::string_view::npos) {
                return ParseError{"a quote (') is not closed"};
            }
            word.append(line.substr(at + 1, close - at - 1));
            at = close + 1;
        } else if (c == '"') {
            for (++at;; ++at) {
                if (at >= line.size()) {
                    return ParseError{"a quote (\") is not closed"};
                }
                if (line[at] == '"') {
                    ++at;
                    break;
                }
                if (line[at] == '\\' && at + 1 < line.size() &&
                    std::string_view("\"\\$`").find(line[at + 1]) != std::string_view::npos) {
                    ++at;
                }
                word += line[at];
            }
        } else if (c == '\\') {
            // A backslash at the end of the line has nothing to keep: it stands for itself.
            if (at + 1 < line.size()) {
                ++at;
            }
            word += line[at++];
        } else {
            word += c;
            ++at;
        }
    }
    if (inWord) {
        words.push_back(std::move(word));
    }
    return words;
}

} // namespace

std::optional<ParseError> ReadArguments(std::span<const Option> table, const ModeRules& rules,
                                        const std::vector<std::string_view>& args,
                                        Invocation& into) {
    into.Format = rules.DefaultFormat;
    SeenOptions seen(table);
    std::size_t positionals = 0;
    for (std::size_t at = 0; at < args.size(); ++at) {
        const std::string_view arg = args[at];
        if (!LooksLikeOption(arg)) {
            if (positionals == rules.Positionals.size()) {
                return ParseError{"unexpected argument " + Quoted(arg) +
                                  std::string(rules.Surplus)};
            }
            if (auto error = rules.Positionals[positionals++].Store(arg, rules.Where, into)) {
                return error;
            }
            continue;
        }
        const OptionValue given = SplitOption(arg);
        const Option* option = Find(table, given.Name);
        if (!option) {
            return ParseError{"unknown option " + Quoted(given.Name)};
        }
        if (!(option->AcceptedOn & rules.Where)) {
            return ParseError{rules.Refuse(*option, given.Name)};
        }
        const auto value = ValueOf(*option, given, rules, args, at, seen);
        if (const auto* error = std::get_if<ParseError>(&value)) {
            return *error;
        }
        seen.Add(*option);
        if (option->Store) {
            if (auto error = option->Store(std::get<std::string_view>(value), rules.Where, into)) {
                return error;
            }
        }
    }
    return CheckWhole(table, rules, seen, positionals, into);
}

std::variant<MomentArguments, ParseError>
ParseMomentArguments(const std::vector<std::string_view>& args) {
    Invocation invocation;
    if (auto error = ReadArguments(Options(), RulesOf(OnMomentLine), args, invocation)) {
        return *error;
    }
    return invocation.Moment;
}

std::variant<Invocation, ParseError>
ParseAlmanacArguments(const std::vector<std::string_view>& args) {
    Invocation invocation;
    invocation.Kind = Mode::Almanac;
    if (auto error = ReadArguments(Options(), RulesOf(OnAlmanacLine), args, invocation)) {
        return *error;
    }
    return invocation;
}

std::variant<std::monostate, MomentArguments, ParseError> ParseBatchLine(std::string_view line,
                                                                         const SkyChoice& sky) {
    if (!line.empty() && line.back() == '\r') {
        line.remove_suffix(1);
    }
    const auto split = ShellWords(line);
    if (const auto* error = std::get_if<ParseError>(&split)) {
        return *error;
    }
    const auto& owned = std::get<std::vector<std::string>>(split);
    const std::vector<std::string_view> words(owned.begin(), owned.end());
    if (words.empty()) {
        return std::monostate{};
    }
    Invocation invocation;
    invocation.Moment.Sky = sky;
    if (auto error = ReadArguments(Options(), RulesOf(OnBatchLine), words, invocation)) {
        return *error;
    }
    return invocation.Moment;
}

std::variant<Invocation, ParseError> ParseCommandLine(const std::vector<std::string>& args) {
    const std::vector<std::string_view> views(args.begin(), args.end());
    // The mode that wins among those the options ask for, and the first argument that asks.
    Invocation invocation;
    std::string_view chooser;
    for (Mode mode : ModePrecedence()) {
        const auto at = std::find_if(views.begin(), views.end(),
                                     [&](std::string_view arg) { return ChosenBy(arg) == mode; });
        if (at != views.end()) {
            invocation.Kind = mode;
            chooser = SplitOption(*at).Name;
            break;
        }
    }
    if (invocation.Kind == Mode::Help) {
        return invocation;
    }
    if (args.empty()) {
        return ParseError{"DATE is missing; see --help"};
    }
    const ModeRules& rules = RulesOf(CommandLineOf(invocation.Kind));
    // An option that asks for another mode, whose arguments this one does not read.
    for (std::string_view arg : views) {
        const std::optional<Mode> other = ChosenBy(arg);
        const std::string_view name = SplitOption(arg).Name;
        if (other && *other != invocation.Kind &&
            !(Find(Options(), name)->AcceptedOn & rules.Where)) {
            return ParseError{std::string(name) + ": not together with " + std::string(chooser)};
        }
    }
    if (auto error = ReadArguments(Options(), rules, views, invocation)) {
        return *error;
    }
    return invocation;
}

} // namespace tithi_cli
