// SPDX-License-Identifier: MIT
// Runs of kestrava-tithi for its tests: the arguments of a line, and the whole tool in process
// with its standard input, output and error as strings.
#pragma once

#include "TithiCli.h"

#include <iterator>
#include <sstream>
#include <string>
#include <vector>

struct ToolRun {
    int Status;
    std::string Out, Err;
};

// The words of a line, split at blanks, as a shell would pass them.
inline std::vector<std::string> Words(const std::string& line) {
    std::istringstream in(line);
    return {std::istream_iterator<std::string>(in), std::istream_iterator<std::string>()};
}

inline std::vector<std::string> Lines(const std::string& text) {
    std::istringstream in(text);
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

// The whole tool in process, with arguments as a shell passes them (a value may hold blanks).
inline ToolRun RunArgs(const std::vector<std::string>& args) {
    std::istringstream in;
    std::ostringstream out, err;
    const int status = tithi_cli::RunCli(args, in, out, err);
    return {status, out.str(), err.str()};
}

inline ToolRun RunInProcess(const std::string& args, const std::string& input = "") {
    std::istringstream in(input);
    std::ostringstream out, err;
    const int status = tithi_cli::RunCli(Words(args), in, out, err);
    return {status, out.str(), err.str()};
}
