// What Samples/README says a run finds in the sample documents, and which
// of them the document engine reads with a reader of their own format (a
// format read as raw text would show header and footer text too).
#pragma once

#include "wordproc/DocumentFile.h"
#include "wordproc/FormatDispatch.h"

#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <vector>

namespace harvelux::shell::testing {

// Document name -> its addresses, in the README's order.
using SampleAddresses = std::map<std::string, std::vector<std::string>>;

// The README's lists: a document's name at the start of a line, then its
// addresses indented by four spaces.
inline SampleAddresses readmeAddresses() {
    std::ifstream readme(HARVELUX_SAMPLES_SOURCE "/README");
    SampleAddresses expected;
    std::string line;
    std::string document;
    while (std::getline(readme, line)) {
        if (line.empty()) {
            document.clear();
        } else if (line.rfind("    ", 0) == 0 && !document.empty()) {
            expected[document].push_back(line.substr(4));
        } else if (std::filesystem::exists(std::string(HARVELUX_SAMPLES_SOURCE "/") + line)) {
            document = line;
            expected[document];
        } else {
            document.clear();
        }
    }
    return expected;
}

inline bool readByItsOwnReader(const std::string& path) {
    const auto format = wordproc::detectFormat(wordproc::readDocumentFile(path));
    return format != wordproc::Format::Unknown && format != wordproc::Format::PlainText;
}

}  // namespace harvelux::shell::testing
