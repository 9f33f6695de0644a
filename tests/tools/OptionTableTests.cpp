// SPDX-License-Identifier: MIT
// Tests of kestrava-tithi's options table: the exact messages where the modes read their
// arguments by different rules, the help made from the rows, and rows of the kind the next
// options need, read by the same walker.
#include "OptionTable.h"
#include "ToolRuns.h"

#include <gtest/gtest.h>

namespace {

using namespace tithi_cli;

// Each a whole line of standard error, exit status 2 and nothing written.
TEST(OptionTable, NamesEachRejectedArgumentAsItsModeReadsIt) {
    const std::pair<const char*, const char*> cases[] = {
        {"", "DATE is missing; see --help"},
        {"--lon 7E --zone 5", "DATE is missing (YYYY-MM-DD)"},
        {"--zone 5 --to 2024-01-02", "--from is missing (the first date, YYYY-MM-DD)"},
        {"--from 2024-01-01 --to 2024-01-02 --lon 7E",
         "--zone is missing (hours[:minutes] from Greenwich)"},
        // A value never starts with "--", and is looked for before a repeat is named...
        {"2024-01-11 12:00 --zone --lon 77E", "--zone needs a value"},
        {"2024-01-11 12:00 --zone 5 --lon 77E --format json --format", "--format needs a value"},
        // ...but on the batch's command line the next argument is the value, whatever it is,
        // and a repeat is named first.
        {"--batch --format --batch", "--format '--batch': expected json or csv"},
        {"--batch --format json --format", "--format is given twice"},
        {"--batch --format text", "--format 'text': a batch writes json or csv"},
        // A switch with a value, and an option of another mode.
        {"2024-01-11 12:00 --zone 5 --lon 77E --dst=1", "--dst takes no value"},
        {"--batch=1", "--batch: not together with a moment"},
        {"--batch --batch=1", "unknown option '--batch'"},
        {"--batch -h=1", "unknown option '-h'"},
        {"2024-01-11 12:00 --zone 5 --lon 77E -h=1", "-h: not together with a moment"},
        {"--from 2024-01-01 --to 2024-01-02 --zone 5 --lon 7E --help=1",
         "--help: not together with a moment"},
        {"--batch --dst=1", "--dst: with --batch, give it on each line of standard input"},
        {"--to 2024-01-02 --batch --from 2024-01-01", "--to: not together with --batch"},
        {"--batch x",
         "unexpected argument 'x': with --batch, the moments come from standard input"},
        {"--from 2024-01-01 --to 2024-01-02 2024-01-11",
         "unexpected argument '2024-01-11': an almanac takes --from and --to, not DATE and TIME"},
        {"2024-01-11 12:00 --zone=-5 --lon 77E",
         "--zone '-5': give the zone without a sign; its direction follows --lon"},
    };
    for (const auto& [args, message] : cases) {
        const ToolRun run = RunInProcess(args);
        EXPECT_EQ(run.Status, 2) << args;
        EXPECT_EQ(run.Err, std::string("kestrava-tithi: ") + message + '\n') << args;
        EXPECT_EQ(run.Out, "") << args;
    }
    // The help wins over everything, even an unknown option.
    EXPECT_EQ(RunInProcess("--bogus 2024-01-11 -h").Out, HelpText());

    const auto moment = ParseMomentArguments({"2024-01-11", "12:00", "--from", "2024-01-01"});
    ASSERT_TRUE(std::holds_alternative<ParseError>(moment));
    EXPECT_EQ(std::get<ParseError>(moment).Message, "--from: an almanac takes no DATE and TIME");
}

// Every option of the table is described in the help, in an entry of its own or with the row
// before (--from DATE, --to DATE).
TEST(OptionTable, EveryOptionIsInTheHelp) {
    const std::string help = HelpText();
    std::string_view entry;
    for (const Option& option : Options()) {
        if (!option.Help.empty()) {
            entry = option.Synopsis;
        }
        EXPECT_NE(entry.find(option.Name), std::string_view::npos) << option.Name;
        EXPECT_NE(entry.find(option.Alias), std::string_view::npos) << option.Alias;
        EXPECT_NE(help.find("\n  " + std::string(entry)), std::string::npos) << entry;
    }
    for (const std::string_view line : {"\n  DATE              the civil date",
                                        "\n  TIME              the civil (zone) clock time"})
        EXPECT_NE(help.find(line), std::string::npos) << line;
}

// A named zone that stands in for --zone and refuses --dst beside it, and a switch: each one
// more row of the table, read by the same rules.
TEST(OptionTable, TakesOptionsOfTheNextKindAsRows) {
    std::vector<Option> table(Options().begin(), Options().end());
    table.push_back({.Name = "--tz",
                     .TakesValue = true,
                     .AcceptedOn = OnMomentLine,
                     .NotWith = "--zone|--dst",
                     .Missing = "AREA/CITY"});
    table.push_back({.Name = "--later", .AcceptedOn = OnMomentLine});
    constexpr std::string_view required[] = {"--zone|--tz", "--lon"};
    ModeRules rules = RulesOf(OnMomentLine);
    rules.Required = required;

    const std::pair<const char*, const char*> cases[] = {
        {"2024-01-11 12:00 --tz Asia/Kolkata --lon 77E --later", ""},
        {"2024-01-11 12:00 --zone 5:30 --lon 77E", ""},
        {"2024-01-11 12:00 --tz Asia/Kolkata --lon 77E --dst", "--dst: not together with --tz"},
        {"2024-01-11 12:00 --zone 5 --tz Asia/Kolkata --lon 77E", "--zone: not together with --tz"},
        {"2024-01-11 12:00 --lon 77E", "--zone is missing (hours[:minutes] from Greenwich)"},
        {"2024-01-11 12:00 --tz Asia/Kolkata", "--lon is missing (degrees[:minutes] E or W)"},
        {"2024-01-11 12:00 --tz", "--tz needs a value"},
        {"2024-01-11 12:00 --zone 5 --lon 77E --later=1", "--later takes no value"},
        {"2024-01-11 12:00 --zone 5 --lon 77E --later --later", "--later is given twice"},
    };
    for (const auto& [line, message] : cases) {
        const std::vector<std::string> words = Words(line);
        Invocation into;
        const auto error = ReadArguments(table, rules, {words.begin(), words.end()}, into);
        EXPECT_EQ(error ? error->Message : "", message) << line;
    }
}

} // namespace
