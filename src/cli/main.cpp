// harvelux-extract: the extraction of the desktop program, without a window.
#include "cli/CliOptions.h"
#include "cli/ExtractCommand.h"
#include "cli/PathLists.h"
#include "cli/TerminalText.h"
#include "common/HeapTuning.h"
#include "common/LocalTimeZone.h"

#include <iostream>
#include <new>

#ifndef HARVELUX_VERSION
#define HARVELUX_VERSION "0"
#endif

int main(int argc, char** argv) {
    harvelux::keepFreedBlocksForReuse();
    harvelux::pinLocalTimeZone();
    std::ios::sync_with_stdio(false);
    const std::vector<std::string> args(argv + 1, argv + argc);
    std::string error;
    auto options = harvelux::cli::parseOptions(args, error);
    if (!options) {
        std::cerr << "harvelux-extract: " << harvelux::cli::escapeControls(error)
                  << "\nTry 'harvelux-extract --help' for more information.\n";
        return 2;
    }
    if (options->help) {
        std::cout << harvelux::cli::usageText();
        return 0;
    }
    if (options->version) {
        std::cout << "harvelux-extract (Harvelux) " HARVELUX_VERSION
                     "\n"
                     "Copyright (C) 2026 Quenbrook.\n"
                     "Report documents that are read wrongly to support@quenbrook.com.\n";
        return 0;
    }
    if (!harvelux::cli::readPathLists(*options, std::cin, error)) {
        std::cerr << "harvelux-extract: " << error << '\n';
        return 2;
    }
    try {
        return harvelux::cli::runExtractor(*options, std::cout, std::cerr);
    } catch (const std::bad_alloc&) {
        std::cerr << "harvelux-extract: out of memory\n";
        return 1;
    }
}
