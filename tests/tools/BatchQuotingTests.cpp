// SPDX-License-Identifier: MIT
// Tests of a batch line's words: quotes and backslashes keep blanks within one value, as a shell
// reads the same line on the command line.
#include "ToolRuns.h"

#include <gtest/gtest.h>

namespace {

// Each line beside the words a POSIX shell makes of it (checked with `sh -c 'set -- LINE;
// printf "[%s]" "$@"'` on dash): the batch's result must be the command line's.
TEST(BatchQuoting, ALineIsSplitAsAShellSplitsIt) {
    const struct {
        std::string Line;
        std::vector<std::string> Args;
    } cases[] = {
        {R"(2024-07-04 18:00 --place "New York")", {"2024-07-04", "18:00", "--place", "New York"}},
        {R"(2024-07-04 18:00 --place 'New York')", {"2024-07-04", "18:00", "--place", "New York"}},
        {R"(2024-07-04 18:00 --place New\ York)", {"2024-07-04", "18:00", "--place", "New York"}},
        {R"(2024-07-04 18:00 --place "New"\ York)", {"2024-07-04", "18:00", "--place", "New York"}},
        {R"(2024-07-04 "18:00" --place=New" "York)", {"2024-07-04", "18:00", "--place=New York"}},
        {R"('2024-07-04' 18:00	--place "Madrid, Spain")",
         {"2024-07-04", "18:00", "--place", "Madrid, Spain"}},
        {R"(2024-03-10 "12:00" --zone '5' --lon "74"W)",
         {"2024-03-10", "12:00", "--zone", "5", "--lon", "74W"}},
    };
    for (const auto& c : cases) {
        std::vector<std::string> args = c.Args;
        args.insert(args.end(), {"--format", "json"});
        const ToolRun alone = RunArgs(args);
        ASSERT_EQ(alone.Status, 0) << c.Line << ": " << alone.Err;
        const ToolRun batch = RunInProcess("--batch --format json", c.Line + "\n");
        EXPECT_EQ(batch.Status, 0) << c.Line << ": " << batch.Err;
        EXPECT_EQ(batch.Out, alone.Out) << c.Line;
    }
}

// A quote left open is a fault of that line alone, named with its number, and quoted pieces
// that touch make one word; the other lines still run.
TEST(BatchQuoting, AnOpenQuoteIsTheLinesFault) {
    const ToolRun run =
        RunInProcess("--batch --format csv", "2024-07-04 18:00 --place \"New York\n"
                                             "2024-07-04 18:00 --place 'New York\n"
                                             "2024-07-04 18:00 --zone 5 --lon 74W 'a b'\"c\"\n"
                                             "2024-07-04 18:00 --place \"New York\"\n");
    EXPECT_EQ(run.Status, 2);
    EXPECT_EQ(run.Err, "kestrava-tithi: line 1: a quote (\") is not closed\n"
                       "kestrava-tithi: line 2: a quote (') is not closed\n"
                       "kestrava-tithi: line 3: unexpected argument 'a bc'\n")
        << run.Err;
    EXPECT_EQ(Lines(run.Out).size(), 2u) << run.Out; // the header and the last line
}

} // namespace
