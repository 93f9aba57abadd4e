#include "cli/CliOptions.h"

#include <charconv>

namespace harvelux::cli {

const char* usageText() {
    return "Usage: harvelux-extract [OPTION]... PATH...\n"
           "Extract the distinct e-mail addresses (letter case ignored) from word-processor\n"
           "documents. A PATH that is a folder is scanned with all its sub-folders for\n"
           "documents whose extension starts with \"do\" (.doc, .docx, .dot, ...).\n"
           "\n"
           "  -f, --with-filename   write each address beside the document it came from\n"
           "      --format=FORMAT   lines (default, the clipboard text), text (the\n"
           "                        \"Save Results\" file) or comma (the \"Save Results With\n"
           "                        Commas\" file)\n"
           "  -o, --output=FILE     write to FILE (whole or not at all) instead of standard\n"
           "                        output\n"
           "      --all-files       scan folders for every file, not only documents\n"
           "      --all-stories     read whole documents: after the main text also\n"
           "                        footnotes, endnotes, comments, text boxes, headers,\n"
           "                        footers and the addresses of mailto: links\n"
           "      --raw             read each PATH as UTF-8 text, exactly as it is\n"
           "      --dump-text       print the text read from each document instead of\n"
           "                        addresses\n"
           "  -j, --jobs=N          read up to N documents at a time (default: the number\n"
           "                        of cores); the output is the same for every N\n"
           "      --stats           print a summary on standard error\n"
           "      --help            display this help and exit\n"
           "      --version         output version information and exit\n"
           "\n"
           "Exit status: 0 when every document was read, 1 when some could not be read\n"
           "(the addresses of the others are still written), 2 for a usage error.\n";
}

namespace {

bool parseFormat(const std::string& value, OutputFormat& format) {
    if (value == "lines") format = OutputFormat::Lines;
    else if (value == "text") format = OutputFormat::Text;
    else if (value == "comma") format = OutputFormat::Comma;
    else return false;
    return true;
}

bool parseJobs(const std::string& value, int& jobs) {
    const char* end = value.data() + value.size();
    const auto [ptr, ec] = std::from_chars(value.data(), end, jobs);
    return ec == std::errc() && ptr == end && jobs >= 1 && jobs <= 1024;
}

}  // namespace

std::optional<CliOptions> parseOptions(const std::vector<std::string>& args, std::string& error) {
    CliOptions options;
    bool onlyPaths = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (onlyPaths || arg.empty() || arg[0] != '-' || arg == "-") {
            options.paths.push_back(arg);
            continue;
        }
        // "--name=value", "--name value", "-o value", "-ovalue", "-j2".
        std::string name = arg;
        std::optional<std::string> inlineValue;
        if (arg.rfind("--", 0) == 0) {
            const std::size_t eq = arg.find('=');
            if (eq != std::string::npos) {
                name = arg.substr(0, eq);
                inlineValue = arg.substr(eq + 1);
            }
        } else if (arg.size() > 2 && (arg[1] == 'o' || arg[1] == 'j')) {
            name = arg.substr(0, 2);
            inlineValue = arg.substr(2);
        }
        const auto takeValue = [&](std::string& value) {
            if (inlineValue) {
                value = *inlineValue;
                return true;
            }
            if (i + 1 >= args.size()) {
                error = "option '" + name + "' requires an argument";
                return false;
            }
            value = args[++i];
            return true;
        };
        const auto noValue = [&] {
            if (!inlineValue) return true;
            error = "option '" + name + "' doesn't allow an argument";
            return false;
        };
        std::string value;
        if (name == "--") {
            onlyPaths = true;
        } else if (name == "-f" || name == "--with-filename") {
            if (!noValue()) return std::nullopt;
            options.withFilename = true;
        } else if (name == "--format") {
            if (!takeValue(value)) return std::nullopt;
            if (!parseFormat(value, options.format)) {
                error = "invalid format '" + value + "' (use lines, text or comma)";
                return std::nullopt;
            }
        } else if (name == "-o" || name == "--output") {
            if (!takeValue(value)) return std::nullopt;
            options.outputFile = value;
        } else if (name == "-j" || name == "--jobs") {
            if (!takeValue(value)) return std::nullopt;
            if (!parseJobs(value, options.jobs)) {
                error = "invalid number of jobs '" + value + "'";
                return std::nullopt;
            }
        } else if (name == "--raw" || name == "--dump-text" || name == "--all-files" || name == "--stats" ||
                   name == "--all-stories" ||
                   name == "--help" || name == "--version") {
            if (!noValue()) return std::nullopt;
            if (name == "--raw") options.raw = true;
            if (name == "--dump-text") options.dumpText = true;
            if (name == "--all-files") options.allFiles = true;
            if (name == "--all-stories") options.allStories = true;
            if (name == "--stats") options.stats = true;
            if (name == "--help") options.help = true;
            if (name == "--version") options.version = true;
        } else {
            error = "unrecognized option '" + arg + "'";
            return std::nullopt;
        }
    }
    if (options.paths.empty() && !options.help && !options.version) {
        error = "no PATH given";
        return std::nullopt;
    }
    return options;
}

}  // namespace harvelux::cli
