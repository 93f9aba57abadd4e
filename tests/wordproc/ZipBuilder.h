// Builds ZIP archives in memory for the tests of the package readers.
#pragma once

#include <string>
#include <utility>
#include <vector>

namespace harvelux::wordproc::testing {

struct ZipEntry {
    std::string name;
    std::string data;
    bool compressed = true;  // deflate at the highest level, else stored
};

std::string makeZip(const std::vector<ZipEntry>& entries);

}  // namespace harvelux::wordproc::testing
