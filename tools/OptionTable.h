// SPDX-License-Identifier: MIT
// The shape of kestrava-tithi's options table and of the rules each mode reads its arguments
// by. A new option is one more row of the table; a new mode is one more set of rules, a place in
// the order of precedence and a handler in the run.
#pragma once

#include "Options.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace tithi_cli {

// Where arguments are read: the command line of each mode, and a line of a batch. An option
// lists the places that accept it.
enum Reader : unsigned {
    OnMomentLine = 1u << 0,   // the command line of one moment
    OnBatchLine = 1u << 1,    // a line of a batch, read from standard input
    OnAlmanacLine = 1u << 2,  // the command line of an almanac
    OnBatchCommand = 1u << 3, // the command line of a batch
    OnHelpLine = 1u << 4,     // a command line that asks for the help
    OnPlacesLine = 1u << 5,   // the command line of a look-up in the place directory
    OnMonthLine = 1u << 6,    // the command line of a month's days (--month)
    OnFindLine = 1u << 7,     // the command line of a search for a tithi's days (--find)
    OnCalendarLine = 1u << 8, // the command line of an iCalendar file (--ics)
};
using Readers = unsigned;

// Reads an option's value (empty for a switch), or a positional argument, into the
// invocation; a rejected value gives the message that names it.
using StoreValue = std::optional<ParseError> (*)(std::string_view value, Reader where,
                                                 Invocation& into);

struct Option {
    std::string_view Name{};  // "--zone"
    std::string_view Alias{}; // another spelling ("-h"), or empty
    bool TakesValue{};        // --name VALUE or --name=VALUE; otherwise a switch
    Readers AcceptedOn{};
    // The mode that the option chooses when it is on the command line. A switch given a value
    // (--batch=1) chooses nothing.
    std::optional<Mode> Chooses{};
    StoreValue Store{};          // null: nothing to keep beyond having seen it
    std::string_view NotWith{};  // options that may not be given beside it, "--a|--b"
    std::string_view Missing{};  // what it gives, for "--zone is missing (...)"
    std::string_view Synopsis{}; // the help's left column, "--zone H[:MM]"
    std::string_view Help{};     // the help's right column, lines after the first indented; empty:
                                 // described with the row before
};

// The positional arguments of a mode (DATE, TIME), all of them required, in their order.
struct Positional {
    std::string_view Name;    // "DATE"
    std::string_view Missing; // its shape, for "DATE is missing (YYYY-MM-DD)"
    StoreValue Store;
    std::string_view Help;
};

// How one mode reads its arguments.
struct ModeRules {
    Reader Where{};
    OutputFormat DefaultFormat{OutputFormat::Text};
    std::span<const Positional> Positionals{};
    std::string_view Surplus{}; // added to "unexpected argument 'X'" past the positionals
    // The options it needs, in the order they are named when missing; "--a|--b" is either.
    std::span<const std::string_view> Required{};
    // The batch's command line takes the next argument as a value whatever it looks like, and
    // names a repeated option before looking for its value.
    bool ValueIsNextArgument{};
    // The message for an option of the table that this mode does not read, given as `given`.
    std::string (*Refuse)(const Option& option, std::string_view given){};
    // A last check across the values read, or null.
    std::optional<ParseError> (*Check)(const Invocation& invocation){};
};

// The options table, in the order of the help.
std::span<const Option> Options();

// ReadArguments: the arguments of one reader, read through a table of options into `into`;
// the message of the first one rejected, or of what is missing, or nothing.
std::optional<ParseError> ReadArguments(std::span<const Option> table, const ModeRules& rules,
                                        const std::vector<std::string_view>& args,
                                        Invocation& into);

// The rules by which a reader reads its arguments (OnHelpLine reads none).
const ModeRules& RulesOf(Reader where);

// The modes in the order in which they win when the options of more than one are given; one
// moment when none is.
std::span<const Mode> ModePrecedence();
Reader CommandLineOf(Mode mode);

} // namespace tithi_cli
