// Command-line options of harvelux-extract.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace harvelux::cli {

enum class OutputFormat { Lines, Text, Comma };

struct CliOptions {
    std::vector<std::string> paths;
    bool withFilename = false;
    OutputFormat format = OutputFormat::Lines;
    std::optional<std::string> outputFile;
    bool raw = false;
    bool dumpText = false;
    bool allFiles = false;
    bool allStories = false;  // also headers, footers, notes, comments, text boxes, links
    bool stats = false;
    int jobs = 0;  // 0: the number of cores
    bool help = false;
    bool version = false;
};

// Parses argv; on a usage error returns nothing and sets `error`.
std::optional<CliOptions> parseOptions(const std::vector<std::string>& args, std::string& error);

const char* usageText();

}  // namespace harvelux::cli
