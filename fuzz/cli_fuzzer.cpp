// SPDX-License-Identifier: MIT
// Fuzzes the argument and batch-line parser of kestrava-tithi: a line is parsed, and what is
// accepted runs through the engine, the almanac and every output format.
#include "TithiCli.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

namespace {

void Exercise(const tithi_cli::MomentArguments& moment) {
    const auto computed = tithi_cli::ComputeResult(moment);
    const auto* result = std::get_if<tithi_cli::TithiResult>(&computed);
    if (!result)
        return;
    if (result->Index < 0 || result->Index > 29 || !std::isfinite(result->Elongation))
        std::abort(); // a moment the parser accepted must have a tithi
    const Record record = tithi_cli::MomentRecord(*result);
    (void)tithi_cli::Written(record, tithi_cli::OutputFormat::Text);
    (void)tithi_cli::Written(record, tithi_cli::OutputFormat::Json);
    (void)tithi_cli::Written(record, tithi_cli::OutputFormat::Csv);
}

// An almanac of a few weeks at most, so that one input stays quick; its entries must follow
// each other, each ending where the next begins.
void ExerciseAlmanac(const tithi_cli::Invocation& almanac) {
    const int from = almanac.From.Year * 372 + almanac.From.Month * 31 + almanac.From.Day;
    const int to = almanac.To.Year * 372 + almanac.To.Month * 31 + almanac.To.Day;
    if (to - from > 40)
        return;
    const std::vector<tithi_cli::AlmanacEntry> entries = tithi_cli::ComputeAlmanac(almanac);
    for (std::size_t k = 0; k < entries.size(); ++k) {
        if (entries[k].Index < 0 || entries[k].Index > 29)
            std::abort();
        if (k > 0 && entries[k].Begins != entries[k - 1].Ends)
            std::abort();
        const Record record = tithi_cli::AlmanacRecord(entries[k]);
        (void)tithi_cli::Written(record, tithi_cli::OutputFormat::Text, "  ");
        (void)tithi_cli::Written(record, tithi_cli::OutputFormat::Json);
        (void)tithi_cli::Written(record, tithi_cli::OutputFormat::Csv);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);

    // As one line of a batch.
    const auto line = tithi_cli::ParseBatchLine(text, SkyChoice{});
    if (const auto* moment = std::get_if<tithi_cli::MomentArguments>(&line))
        Exercise(*moment);

    // As a command line, the arguments separated by NUL characters.
    std::vector<std::string> args;
    std::string_view rest = text;
    while (!rest.empty()) {
        const auto end = rest.find('\0');
        args.emplace_back(rest.substr(0, end));
        rest = end == std::string_view::npos ? std::string_view{} : rest.substr(end + 1);
    }
    const auto invocation = tithi_cli::ParseCommandLine(args);
    if (const auto* parsed = std::get_if<tithi_cli::Invocation>(&invocation)) {
        if (parsed->Kind == tithi_cli::Mode::Single)
            Exercise(parsed->Moment);
        else if (parsed->Kind == tithi_cli::Mode::Almanac)
            ExerciseAlmanac(*parsed);
    }
    return 0;
}
