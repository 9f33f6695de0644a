// SPDX-License-Identifier: MIT
// kestrava-tithi: the tithi of a moment, from the command line.
#include "TithiCli.h"

#include <iostream>
#include <string>
#include <vector>

int main(int argc, char* argv[]) {
    std::ios::sync_with_stdio(false);
    const std::vector<std::string> args(argv + 1, argv + argc);
    return tithi_cli::RunCli(args, std::cin, std::cout, std::cerr);
}
