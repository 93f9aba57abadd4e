// The command-line extractor's work, apart from argument parsing, so tests
// can run it in-process.
#pragma once

#include "cli/CliOptions.h"
#include "filelist/ScanProblems.h"

#include <iosfwd>

namespace harvelux::cli {

// Runs the extractor; writes results to `out` (unless -o), diagnostics to
// `err`. Returns the exit status.
int runExtractor(const CliOptions& options, std::ostream& out, std::ostream& err);

// Expands the PATH arguments: folders become the documents of their trees.
// What a scan could not look into goes to `problems`, if given.
std::vector<std::string> expandPaths(const CliOptions& options, filelist::ScanProblems* problems = nullptr);

}  // namespace harvelux::cli
