// Prints the name patterns of the documents a fuzzer is seeded with, one a
// line: "*.<extension>" for each usual extension of the formats that the
// engine's table of formats gives the fuzzer. scripts/fuzz.sh runs it.
// Usage: seed_patterns FUZZER
#include "wordproc/FormatTable.h"

#include <algorithm>
#include <iostream>
#include <string_view>
#include <vector>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: seed_patterns FUZZER\n";
        return 2;
    }
    const std::string_view fuzzer = argv[1];
    std::vector<std::string_view> printed;
    for (const harvelux::wordproc::FormatEntry& entry : harvelux::wordproc::formatTable()) {
        if (entry.fuzzer != fuzzer) continue;
        for (const std::string_view extension : entry.extensionList()) {
            if (std::find(printed.begin(), printed.end(), extension) != printed.end()) continue;
            printed.push_back(extension);
            std::cout << "*." << extension << '\n';
        }
    }
    return 0;
}
