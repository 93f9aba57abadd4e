// What the scale benchmarks share: timing, memory figures, and running the
// benchmark once per size in a process of its own (so each size's peak
// memory is its own), then printing a Markdown table with the sizes side by
// side and the ratio of each size to the one before.
//
// A child process prints one "name value" line per figure; the parent turns
// them into the table's rows.
#pragma once

#include <sys/resource.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace harvelux::bench {

using Clock = std::chrono::steady_clock;

inline double msSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

inline long residentKb() {
    std::ifstream statm("/proc/self/statm");
    long pages = 0, resident = 0;
    statm >> pages >> resident;
    return resident * (sysconf(_SC_PAGESIZE) / 1024);
}

inline long peakKb() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

// One figure of a child process.
inline void put(const char* name, double value) { std::printf("%s %.3f\n", name, value); }

// This program's own path (popen's shell would make /proc/self/exe its own).
inline std::string selfPath() {
    char path[4096];
    const ssize_t length = readlink("/proc/self/exe", path, sizeof path - 1);
    if (length <= 0) return {};
    path[length] = '\0';
    return path;
}

// Runs `self` with `arguments` and collects its figures; empty on failure.
inline std::map<std::string, double> measure(const std::string& self, const std::string& arguments) {
    const std::string command = "'" + self + "' " + arguments + " 2>/dev/null";
    std::map<std::string, double> figures;
    FILE* child = popen(command.c_str(), "r");
    if (!child) return figures;
    char line[256];
    while (std::fgets(line, sizeof line, child)) {
        std::istringstream in(line);
        std::string name;
        double value = 0;
        if (in >> name >> value) figures[name] = value;
    }
    if (pclose(child) != 0) figures.clear();
    return figures;
}

inline std::string withSeparators(long long n) {
    const std::string digits = std::to_string(n);
    std::string out;
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0) out += ',';
        out += digits[i];
    }
    return out;
}

// Units: "ms", "MB" (the figure is in kB) or "n" (a plain count).
inline std::string format(double value, const std::string& unit) {
    char text[64];
    if (unit == "MB")
        std::snprintf(text, sizeof text, "%.0f MB", value / 1024);
    else if (unit == "n")
        std::snprintf(text, sizeof text, "%.0f", value);
    else if (value < 10)
        std::snprintf(text, sizeof text, "%.2f ms", value);
    else
        std::snprintf(text, sizeof text, "%.0f ms", value);
    return text;
}

struct TableLine {
    const char* key;
    const char* label;
    const char* unit;
    // Whether to show how the figure grows from size to size (not for
    // figures that sit below the resolution of their clock at small sizes).
    bool ratio = true;
};

// Runs `self --<sizeOption> N` for every size and prints the table.
inline int runTable(const std::string& sizeOption, const char* what, const std::vector<long long>& sizes,
                    const std::vector<TableLine>& lines) {
    const std::string self = selfPath();
    std::vector<std::map<std::string, double>> results;
    for (const long long size : sizes) {
        std::fprintf(stderr, "%s %s...\n", withSeparators(size).c_str(), what);
        results.push_back(measure(self, "--" + sizeOption + " " + std::to_string(size)));
        if (results.back().empty()) {
            std::fprintf(stderr, "the run with %lld %s failed\n", size, what);
            return 1;
        }
    }
    std::printf("| step |");
    for (const long long size : sizes) std::printf(" %s %s |", withSeparators(size).c_str(), what);
    for (std::size_t i = 1; i < sizes.size(); ++i)
        std::printf(" %s / %s |", withSeparators(sizes[i]).c_str(), withSeparators(sizes[i - 1]).c_str());
    std::printf("\n|---|");
    for (std::size_t i = 0; i < 2 * sizes.size() - 1; ++i) std::printf("---:|");
    std::printf("\n");
    for (const TableLine& line : lines) {
        std::printf("| %s |", line.label);
        for (const auto& figures : results) {
            const auto found = figures.find(line.key);
            std::printf(" %s |", found == figures.end() ? "" : format(found->second, line.unit).c_str());
        }
        for (std::size_t i = 1; i < results.size(); ++i) {
            const auto before = results[i - 1].find(line.key);
            const auto after = results[i].find(line.key);
            if (line.ratio && before != results[i - 1].end() && after != results[i].end() && before->second > 0)
                std::printf(" %.1f× |", after->second / before->second);
            else
                std::printf(" |");
        }
        std::printf("\n");
    }
    return 0;
}

// "--sizes 10000,100000" among the arguments, or the defaults.
inline std::vector<long long> sizesFrom(int argc, char** argv, std::vector<long long> defaults) {
    for (int i = 1; i + 1 < argc; ++i) {
        if (std::string(argv[i]) != "--sizes") continue;
        defaults.clear();
        std::stringstream list(argv[i + 1]);
        for (std::string size; std::getline(list, size, ',');) defaults.push_back(std::atoll(size.c_str()));
    }
    return defaults;
}

// The main of a scale benchmark: "--<option> N" measures size N in this
// process; otherwise every size ("--sizes", or `defaults`) is measured in a
// process of its own and the table printed.
inline int scaleMain(int argc, char** argv, const std::string& option, int (*runOneSize)(long long, int, char**),
                     const std::vector<long long>& defaults, const std::vector<TableLine>& lines) {
    for (int i = 1; i + 1 < argc; ++i)
        if (argv[i] == "--" + option) return runOneSize(std::atoll(argv[i + 1]), argc, argv);
    return runTable(option, option.c_str(), sizesFrom(argc, argv, defaults), lines);
}

}  // namespace harvelux::bench
