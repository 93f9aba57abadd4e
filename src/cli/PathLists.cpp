#include "cli/PathLists.h"

#include <cerrno>
#include <cstring>
#include <fstream>
#include <iterator>

namespace harvelux::cli {

std::vector<std::string> splitPathList(std::string_view text, bool nulSeparated) {
    const char end = nulSeparated ? '\0' : '\n';
    std::vector<std::string> paths;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t stop = text.find(end, start);
        if (stop == std::string_view::npos) stop = text.size();
        std::size_t last = stop;
        // A list written on Windows ends its lines in CR LF: the CR is no part of the name.
        if (!nulSeparated && last > start && text[last - 1] == '\r') --last;
        if (last > start) paths.emplace_back(text.substr(start, last - start));
        start = stop + 1;
    }
    return paths;
}

namespace {

bool readWhole(std::istream& in, std::string& text) {
    text.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return !in.bad();
}

}  // namespace

bool readPathLists(CliOptions& options, std::istream& standardInput, std::string& error) {
    std::vector<std::string> paths;
    std::size_t taken = 0;  // path arguments already moved over
    const auto takeArgumentsUpTo = [&](std::size_t position) {
        for (; taken < position && taken < options.paths.size(); ++taken)
            paths.push_back(std::move(options.paths[taken]));
    };
    for (const PathListFile& list : options.pathLists) {
        takeArgumentsUpTo(list.position);
        std::string text;
        if (list.file == "-") {
            if (!readWhole(standardInput, text)) {
                error = "cannot read the list of paths from standard input";
                return false;
            }
        } else {
            std::ifstream in(list.file, std::ios::binary);
            if (!in || !readWhole(in, text)) {
                error = "cannot read the list of paths '" + list.file + "': " + std::strerror(errno);
                return false;
            }
        }
        for (std::string& path : splitPathList(text, options.nulSeparated)) paths.push_back(std::move(path));
    }
    takeArgumentsUpTo(options.paths.size());
    options.paths = std::move(paths);
    options.pathLists.clear();
    return true;
}

}  // namespace harvelux::cli
