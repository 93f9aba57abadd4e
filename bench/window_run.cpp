// "Start Extracting" in the real program, offscreen: both windows built by
// createApplicationWindows over the real platform and document engine, the
// file list filled with the given documents, then the run, timed from the
// command to the results window. Reports the run's seconds, the longest time
// the main window did not answer during the run, how often its progress bar
// was repainted, and the memory; writes the rows as the clipboard text
// (harvelux-extract --format lines) for comparison with the command line.
//
//     window_run [--jobs N] [--with-filename] [--rows-out FILE] LIST-FILE
//
// LIST-FILE holds one document path per line. Prints one "name value" line
// per figure.
#include "BenchPlatform.h"
#include "ScaleTable.h"
#include "WindowWatch.h"
#include "common/LocalTimeZone.h"
#include "results/Form2.h"
#include "results/ListViewWriters.h"
#include "results/ResultsList.h"
#include "shell/ApplicationWindows.h"
#include "shell/CommandIds.h"
#include "shell/Form1.h"
#include "wordproc/BuiltInEngine.h"

#include <QApplication>
#include <QEvent>
#include <QTemporaryDir>

#include <cstdio>
#include <ctime>
#include <fstream>
#include <iostream>
#include <string>
#include <thread>
#include <vector>

namespace {

using namespace harvelux;
using bench::Clock;
using bench::put;

// CPU time of the calling thread.
double threadCpuSeconds() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) / 1e9;
}

struct Options {
    unsigned jobs = 2;
    bool withFilename = false;
    std::string rowsOut;
    std::string listFile;
};

bool parse(int argc, char** argv, Options& options) {
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--jobs" && i + 1 < argc) {
            options.jobs = static_cast<unsigned>(std::max(1, std::atoi(argv[++i])));
        } else if (arg == "--with-filename") {
            options.withFilename = true;
        } else if (arg == "--rows-out" && i + 1 < argc) {
            options.rowsOut = argv[++i];
        } else if (options.listFile.empty() && arg.rfind("--", 0) != 0) {
            options.listFile = arg;
        } else {
            return false;
        }
    }
    return !options.listFile.empty();
}

}  // namespace

int main(int argc, char** argv) {
    pinLocalTimeZone();  // as the desktop program does
    Options options;
    if (!parse(argc, argv, options)) {
        std::cerr << "usage: window_run [--jobs N] [--with-filename] [--rows-out FILE] LIST-FILE\n";
        return 2;
    }
    std::vector<std::string> paths;
    {
        std::ifstream in(options.listFile);
        for (std::string line; std::getline(in, line);)
            if (!line.empty()) paths.push_back(line);
    }

    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir scratch;
    qputenv("XDG_CONFIG_HOME", scratch.path().toLocal8Bit());
    QApplication app(argc, argv);
    bench::BenchPlatform platform;
    wordproc::BuiltInEngineFactory engine;
    const auto windows = shell::createApplicationWindows({
        platform,
        scratch.path().toStdString(),
        engine,
        [] { return false; },
        [] {},
        {},
        options.jobs,
    });
    shell::Form1& main = windows->main();
    main.setOptionValue(options.withFilename ? 1 : 0);
    QCoreApplication::processEvents();

    Clock::time_point start = Clock::now();
    for (const std::string& path : paths) main.fileList().AppendItem(path);
    QCoreApplication::processEvents();
    put("documents", static_cast<double>(main.fileList().count()));
    put("fill_ms", bench::msSince(start));
    put("rss_before_run_kb", static_cast<double>(bench::residentKb()));

    bench::PaintCounter progressPaints;
    main.ProgressBar1().installEventFilter(&progressPaints);
    bench::FreezeWatch freeze;
    freeze.start();
    platform.pumps = 0;
    const double cpuBefore = threadCpuSeconds();
    start = Clock::now();
    main.CommandBars_Execute(shell::command::kStartExtracting);
    const double seconds = bench::msSince(start) / 1000;
    put("run_s", seconds);
    put("window_thread_cpu_s", threadCpuSeconds() - cpuBefore);
    put("documents_per_s", static_cast<double>(paths.size()) / seconds);
    put("longest_unanswered_ms", freeze.stop());
    put("pumps", static_cast<double>(platform.pumps));
    put("progress_paints", static_cast<double>(progressPaints.paints));
    put("messages", platform.messages);
    put("results_shown", windows->results().isVisible() ? 1 : 0);

    const results::ResultsList& rows = windows->results().list();
    put("rows", rows.rowCount());
    if (!options.rowsOut.empty()) {
        std::ofstream out(options.rowsOut, std::ios::binary);
        out << results::buildClipboardText(rows).value_or(std::string());
    }
    put("peak_kb", static_cast<double>(bench::peakKb()));
    return 0;
}
