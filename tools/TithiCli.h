// SPDX-License-Identifier: MIT
// The command-line tool kestrava-tithi: its arguments (Options.h), the computation of a result
// through the engine (Compute.h), the records of its results (Records.h) and the whole run. Free of Qt.
#pragma once

#include "Compute.h"
#include "Records.h"
#include "Options.h"

#include <iosfwd>
#include <string>
#include <vector>

namespace tithi_cli {

// RunCli: the whole tool. Returns the exit status: 0, 2 for bad input (in a batch, after all
// lines have run), 1 when standard input could not be read or the results could not be
// written (a batch stops at the line where either happened).
int RunCli(const std::vector<std::string>& args, std::istream& in, std::ostream& out,
           std::ostream& err);

} // namespace tithi_cli
