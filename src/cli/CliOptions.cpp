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
           "      --format=FORMAT   lines (default, the clipboard text with LF line ends),\n"
           "                        text (the \"Save Results\" file), comma (the \"Save\n"
           "                        Results With Commas\" file), csv (RFC 4180, one row\n"
           "                        per address with its names, counts and documents) or\n"
           "                        jsonl (the same as JSON Lines)\n"
           "      --crlf            end the lines output's lines with CR LF\n"
           "  -q, --quiet           no warning on standard error for each document that\n"
           "                        cannot be read\n"
           "  -o, --output=FILE     write to FILE (whole or not at all) instead of standard\n"
           "                        output\n"
           "      --all-files       scan folders for every file, not only documents\n"
           "      --all-stories     read whole documents: after the main text also\n"
           "                        footnotes, endnotes, comments, text boxes, headers,\n"
           "                        footers and the addresses of mailto: links\n"
           "      --international   also find addresses with letters outside ASCII\n"
           "                        (\"jürgen@bücher.de\", RFC 6531)\n"
           "      --ocr             read scanned pages and pictures (PNG, JPEG, TIFF, BMP,\n"
           "                        GIF, WebP, PNM; PDF pages without text) by optical\n"
           "                        character recognition; without it they are reported as\n"
           "                        scanned pages not read\n"
           "      --ocr-lang=LANGS  the languages of --ocr, Tesseract's names joined by \"+\"\n"
           "                        (default eng; for example eng+deu)\n"
           "      --raw             read each PATH as UTF-8 text, exactly as it is\n"
           "      --dump-text       print the text read from each document instead of\n"
           "                        addresses\n"
           "  -j, --jobs=N          read up to N documents at a time, N from 1 to 1024,\n"
           "                        at most 4 per core (default: the number of cores);\n"
           "                        the output is the same for every N\n"
           "      --files-from=FILE read more PATHs from FILE, one a line (\"-\": standard\n"
           "                        input); they join the PATH arguments in order\n"
           "  -0, --null            the PATHs in --files-from lists end with NUL, not with\n"
           "                        a line end\n"
           "      --progress[=always] show documents read, addresses and unread documents\n"
           "                        on standard error while the run goes on, when it is a\n"
           "                        terminal (always: also when it is not)\n"
           "      --first-position=N the first document is number N of a longer list that\n"
           "                        was split into parts (the positions --format jsonl\n"
           "                        writes)\n"
           "      --merge           the PATHs are the --format jsonl outputs of runs over\n"
           "                        the parts of one list: write what one run over the\n"
           "                        whole list writes, in any --format, with or without -f\n"
           "      --stats           print a summary on standard error\n"
           "      --help            display this help and exit\n"
           "      --version         output version information and exit\n"
           "\n"
           "Exit status: 0 when every document was read, 1 when some could not be read\n"
           "(the addresses of the others are still written) or no document was found,\n"
           "2 for a usage error.\n";
}

namespace {

// An option argument cut into its name and the value written into it:
// "--name=value", "-ovalue", "-j2". The value of "--name value" and "-o
// value" is the next argument.
struct OptionArgument {
    std::string name;
    std::optional<std::string> inlineValue;
};

OptionArgument splitOption(const std::string& arg) {
    if (arg.rfind("--", 0) == 0) {
        const std::size_t eq = arg.find('=');
        if (eq != std::string::npos) return {arg.substr(0, eq), arg.substr(eq + 1)};
    } else if (arg.size() > 2 && (arg[1] == 'o' || arg[1] == 'j')) {
        return {arg.substr(0, 2), arg.substr(2)};
    }
    return {arg, std::nullopt};
}

// A path, not an option: "-" is standard input's list or a file of that name.
bool isPath(const std::string& arg) { return arg.empty() || arg[0] != '-' || arg == "-"; }

// The options that take no value, and what each one turns on.
struct Flag {
    const char* shortName;  // may be null
    const char* longName;
    bool CliOptions::*member;
};

constexpr Flag kFlags[] = {
    {"-f", "--with-filename", &CliOptions::withFilename},
    {"-0", "--null", &CliOptions::nulSeparated},
    {nullptr, "--raw", &CliOptions::raw},
    {nullptr, "--dump-text", &CliOptions::dumpText},
    {nullptr, "--all-files", &CliOptions::allFiles},
    {nullptr, "--stats", &CliOptions::stats},
    {nullptr, "--all-stories", &CliOptions::allStories},
    {nullptr, "--international", &CliOptions::international},
    {nullptr, "--ocr", &CliOptions::ocr},
    {nullptr, "--progress", &CliOptions::progress},
    {nullptr, "--crlf", &CliOptions::crlf},
    {nullptr, "--merge", &CliOptions::merge},
    {"-q", "--quiet", &CliOptions::quiet},
    {nullptr, "--help", &CliOptions::help},
    {nullptr, "--version", &CliOptions::version},
};

bool setFormat(CliOptions& options, const std::string& value, std::string& error) {
    if (value == "lines")
        options.format = OutputFormat::Lines;
    else if (value == "text")
        options.format = OutputFormat::Text;
    else if (value == "comma")
        options.format = OutputFormat::Comma;
    else if (value == "csv")
        options.format = OutputFormat::Csv;
    else if (value == "jsonl")
        options.format = OutputFormat::JsonLines;
    else {
        error = "invalid format '" + value + "' (use lines, text, comma, csv or jsonl)";
        return false;
    }
    return true;
}

bool setOutput(CliOptions& options, const std::string& value, std::string&) {
    options.outputFile = value;
    return true;
}

bool setJobs(CliOptions& options, const std::string& value, std::string& error) {
    const char* end = value.data() + value.size();
    const auto [ptr, ec] = std::from_chars(value.data(), end, options.jobs);
    if (ec == std::errc() && ptr == end && options.jobs >= 1 && options.jobs <= 1024) return true;
    error = "invalid number of jobs '" + value + "'";
    return false;
}

// Tesseract's language names (letters, digits, "_" and "-"), joined by "+".
bool setOcrLanguages(CliOptions& options, const std::string& value, std::string& error) {
    bool valid = !value.empty() && value.front() != '+' && value.back() != '+' && value.find("++") == std::string::npos;
    for (const char c : value)
        valid = valid && ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_' ||
                          c == '-' || c == '+');
    if (!valid) {
        error = "invalid OCR languages '" + value + "' (use names such as eng or eng+deu)";
        return false;
    }
    options.ocrLanguages = value;
    return true;
}

bool setFirstPosition(CliOptions& options, const std::string& value, std::string& error) {
    const char* end = value.data() + value.size();
    const auto [ptr, ec] = std::from_chars(value.data(), end, options.firstPosition);
    if (ec == std::errc() && ptr == end && options.firstPosition >= 1) return true;
    error = "invalid first position '" + value + "'";
    return false;
}

// The list joins the paths before the next path argument.
bool addPathList(CliOptions& options, const std::string& value, std::string&) {
    options.pathLists.push_back({options.paths.size(), value});
    return true;
}

// The options that take a value, and what each one does with it.
struct ValueOption {
    const char* shortName;  // may be null
    const char* longName;
    bool (*set)(CliOptions& options, const std::string& value, std::string& error);
};

constexpr ValueOption kValueOptions[] = {
    {nullptr, "--format", &setFormat},
    {"-o", "--output", &setOutput},
    {"-j", "--jobs", &setJobs},
    {nullptr, "--files-from", &addPathList},
    {nullptr, "--ocr-lang", &setOcrLanguages},
    {nullptr, "--first-position", &setFirstPosition},
};

template <typename Option, std::size_t N>
const Option* named(const Option (&table)[N], const std::string& name) {
    for (const Option& option : table)
        if ((option.shortName && name == option.shortName) || name == option.longName) return &option;
    return nullptr;
}

// Reads the arguments in order into the options; stops at the first usage
// error, with its sentence in `error`.
class OptionParser {
public:
    OptionParser(const std::vector<std::string>& args, std::string& error) : args_(args), error_(error) {}

    std::optional<CliOptions> parse() {
        while (next_ < args_.size()) {
            const std::string& arg = args_[next_++];
            if (onlyPaths_ || isPath(arg))
                options_.paths.push_back(arg);
            else if (!takeOption(arg))
                return std::nullopt;
        }
        if (options_.paths.empty() && options_.pathLists.empty() && !options_.help && !options_.version) {
            error_ = "no PATH given";
            return std::nullopt;
        }
        return options_;
    }

private:
    bool takeOption(const std::string& arg) {
        const OptionArgument option = splitOption(arg);
        if (option.name == "--") {
            onlyPaths_ = true;
            return true;
        }
        if (option.name == "--progress" && option.inlineValue == std::optional<std::string>("always")) {
            options_.progress = options_.forceProgress = true;
            return true;
        }
        if (const Flag* flag = named(kFlags, option.name)) {
            if (!noValue(option)) return false;
            options_.*(flag->member) = true;
            return true;
        }
        if (const ValueOption* valueOption = named(kValueOptions, option.name)) {
            std::string value;
            return takeValue(option, value) && valueOption->set(options_, value, error_);
        }
        error_ = "unrecognized option '" + arg + "'";
        return false;
    }

    bool takeValue(const OptionArgument& option, std::string& value) {
        if (option.inlineValue) {
            value = *option.inlineValue;
            return true;
        }
        if (next_ >= args_.size()) {
            error_ = "option '" + option.name + "' requires an argument";
            return false;
        }
        value = args_[next_++];
        return true;
    }

    bool noValue(const OptionArgument& option) {
        if (!option.inlineValue) return true;
        error_ = "option '" + option.name + "' doesn't allow an argument";
        return false;
    }

    const std::vector<std::string>& args_;
    std::string& error_;
    std::size_t next_ = 0;
    bool onlyPaths_ = false;
    CliOptions options_;
};

}  // namespace

std::optional<CliOptions> parseOptions(const std::vector<std::string>& args, std::string& error) {
    return OptionParser(args, error).parse();
}

}  // namespace harvelux::cli
