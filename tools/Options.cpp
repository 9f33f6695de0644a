// SPDX-License-Identifier: MIT
// Reading kestrava-tithi's arguments through the options table: which mode the command line
// asks for, then the arguments of that mode, or of one line of a batch.
#include "Options.h"

#include "OptionTable.h"
#include "Values.h"

#include <algorithm>
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

std::vector<std::string_view> SplitAtBlanks(std::string_view line) {
    std::vector<std::string_view> words;
    std::size_t at = 0;
    while (at < line.size()) {
        while (at < line.size() && (line[at] == ' ' || line[at] == '\t')) {
            ++at;
        }
        const std::size_t start = at;
        while (at < line.size() && line[at] != ' ' && line[at] != '\t') {
            ++at;
        }
        if (at > start) {
            words.push_back(line.substr(start, at - start));
        }
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
    const std::vector<std::string_view> words = SplitAtBlanks(line);
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
