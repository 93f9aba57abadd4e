// Command-line options of harvelux-extract.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace harvelux::cli {

enum class OutputFormat { Lines, Text, Comma, Csv, JsonLines };

// --files-from FILE: a list of paths read from FILE ("-": standard input),
// which goes into `paths` before the path argument numbered `position`.
struct PathListFile {
    std::size_t position;
    std::string file;
};

struct CliOptions {
    std::vector<std::string> paths;
    std::vector<PathListFile> pathLists;
    bool nulSeparated = false;  // the lists are separated by NUL, not by line ends
    bool progress = false;      // a status line on standard error while documents are read
    bool withFilename = false;
    OutputFormat format = OutputFormat::Lines;
    std::optional<std::string> outputFile;
    bool raw = false;
    bool dumpText = false;
    bool allFiles = false;
    bool allStories = false;           // also headers, footers, notes, comments, text boxes, links
    bool ocr = false;                  // read pictures and scanned pages through OCR
    std::string ocrLanguages = "eng";  // Tesseract's language names joined by "+"
    bool international = false;        // addresses with letters of every script
    bool stats = false;
    bool crlf = false;              // the lines output ends its lines in CR LF, as the clipboard text does
    bool quiet = false;             // no warning for each document that cannot be read
    bool forceProgress = false;     // --progress=always: also when standard error is no terminal
    bool merge = false;             // the PATHs are parts' --format jsonl outputs to merge
    std::size_t firstPosition = 1;  // the list position of the first document
    int jobs = 0;                   // 0: the number of cores
    bool help = false;
    bool version = false;
};

// Parses argv; on a usage error returns nothing and sets `error`.
std::optional<CliOptions> parseOptions(const std::vector<std::string>& args, std::string& error);

const char* usageText();

}  // namespace harvelux::cli
