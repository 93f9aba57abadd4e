// The lists of paths that --files-from names, read into the PATH arguments.
#pragma once

#include "cli/CliOptions.h"

#include <iosfwd>
#include <string>
#include <string_view>
#include <vector>

namespace harvelux::cli {

// The paths of a list: one a line, or ended by NUL; empty entries are
// skipped, anything else is taken exactly as it is.
std::vector<std::string> splitPathList(std::string_view text, bool nulSeparated);

// Reads every list of `options.pathLists` ("-" from `standardInput`) into
// `options.paths` at its place, and empties `pathLists`. False, with
// `error` set, when a list cannot be read.
bool readPathLists(CliOptions& options, std::istream& standardInput, std::string& error);

}  // namespace harvelux::cli
