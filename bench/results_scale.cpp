// How the results window copes with large lists, offscreen: filling the
// list as a run does, showing it, scrolling to the end, the three exports
// through the window's own commands, and clearing it; with the longest time
// the window went without processing its messages, and the peak memory.
//
//     results_scale                       one process per size, a Markdown table
//     results_scale --sizes 10000,100000  the same for other sizes
//     results_scale --rows N              one size, one "name value" line per figure
//
// Every size runs in a process of its own, so that its peak memory is its own.
#include "platform/QtPlatform.h"
#include "results/Form2.h"
#include "results/ListViewWriters.h"
#include "common/AtomicFile.h"
#include "ScaleTable.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QClipboard>
#include <QGuiApplication>
#include <QCoreApplication>
#include <QDir>
#include <QTemporaryDir>

#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <map>
#include <memory>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

namespace {

using namespace harvelux;
using bench::Clock;
using bench::msSince;
using bench::put;

// The real platform, but dialogs answer at once: the save dialog with a
// file in a scratch folder, every question with Yes. It times the longest
// stretch between two turns of the message pump.
class BenchPlatform final : public platform::Platform {
public:
    explicit BenchPlatform(std::string savePath) : savePath_(std::move(savePath)) {}

    platform::Answer messageBox(const std::string&, platform::Buttons buttons, platform::Icon,
                                const std::string&) override {
        return buttons == platform::Buttons::YesNo ? platform::Answer::Yes : platform::Answer::Ok;
    }
    std::vector<std::string> openFilesDialog(const std::string&, const std::vector<platform::FileFilter>&) override {
        return {};
    }
    std::string folderDialog(const std::string&) override { return {}; }
    std::string saveDialog(const std::string&, const std::vector<platform::FileFilter>&) override { return savePath_; }
    void shellOpen(const std::string&) override {}
    void setClipboardText(const std::string& text) override { real_.setClipboardText(text); }
    void processEvents() override {
        const Clock::time_point now = Clock::now();
        if (lastPump_) longestPause_ = std::max(longestPause_, std::chrono::duration<double, std::milli>(now - *lastPump_).count());
        ++pumps_;
        QCoreApplication::processEvents();
        lastPump_ = Clock::now();
    }

    // Starts timing pauses afresh; the first pause counts from now.
    void startWatch() {
        lastPump_ = Clock::now();
        longestPause_ = 0;
        pumps_ = 0;
    }
    // The longest pause, including the one from the last pump to now.
    double stopWatch() {
        if (lastPump_) longestPause_ = std::max(longestPause_, msSince(*lastPump_));
        lastPump_.reset();
        return longestPause_;
    }
    long long pumps() const { return pumps_; }
    const std::string& savePath() const { return savePath_; }

private:
    std::string savePath_;
    platform::QtPlatform real_;
    std::optional<Clock::time_point> lastPump_;
    double longestPause_ = 0;
    long long pumps_ = 0;
};

// Ten addresses per document, each document in one of a hundred folders:
// paths of about 50 characters, addresses of about 30.
std::string documentPath(long long row) {
    const long long document = row / 10;
    return "/home/user/Archive/folder " + std::to_string(document % 100) + "/document " + std::to_string(document) +
           ".docx";
}

std::string address(long long row) {
    return "firstname.lastname" + std::to_string(row) + "@example" + std::to_string(row % 50) + ".com";
}

// Adds `rows` rows as the extraction run does, letting messages through
// every 200 rows as the extractor's pump would (it pumps far more often).
void fill(harvelux::extract::ResultRowSink& sink, long long rows, BenchPlatform& platform) {
    for (long long r = 0; r < rows; ++r) {
        sink.setSecondColumn(sink.addRow(documentPath(r)), address(r));
        if (r % 200 == 199) platform.processEvents();
    }
    platform.processEvents();
}

int runOneSize(long long rows, int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir scratch;
    qputenv("XDG_CONFIG_HOME", scratch.path().toLocal8Bit());
    QApplication app(argc, argv);
    BenchPlatform platform(QDir(scratch.path()).filePath(QStringLiteral("results.txt")).toStdString());
    results::Form2 form(platform);
    form.setEndProgram([] {});
    form.setShowMainWindow([] {});
    form.setFilenameColumns(true);
    form.resize(1000, 700);
    QCoreApplication::processEvents();
    put("rss_empty_kb", static_cast<double>(bench::residentKb()));

    // While a run fills the list the window is hidden.
    platform.startWatch();
    Clock::time_point start = Clock::now();
    fill(form.resultRows(), rows, platform);
    put("append_ms", msSince(start));
    put("append_pause_ms", platform.stopWatch());

    start = Clock::now();
    form.showResults();
    QCoreApplication::processEvents();
    form.list().widget().viewport()->repaint();
    put("show_ms", msSince(start));
    put("rss_filled_kb", static_cast<double>(bench::residentKb()));

    QAbstractItemView& view = form.list().widget();
    start = Clock::now();
    view.scrollToBottom();
    view.viewport()->repaint();
    put("scroll_end_ms", msSince(start));
    start = Clock::now();
    view.scrollToTop();
    view.viewport()->repaint();
    put("scroll_top_ms", msSince(start));

    // The texts alone, without pumping, then the window's commands, which
    // pump while they build and write the file or fill the clipboard.
    const results::ListViewSource& list = form.list();
    struct Export {
        const char* name;
        std::size_t (*build)(const results::ListViewSource&);
        void (results::Form2::*command)();
    };
    const std::array<Export, 3> exports{{
        {"text", [](const results::ListViewSource& l) { return results::buildTextFile(l).size(); },
         &results::Form2::SaveResults},
        {"comma", [](const results::ListViewSource& l) { return results::buildCommaFile(l).size(); },
         &results::Form2::SaveComma},
        {"clipboard", [](const results::ListViewSource& l) { return results::buildClipboardText(l)->size(); },
         &results::Form2::CopyResultsToClipboard},
    }};
    for (const Export& e : exports) {
        const std::string name = e.name;
        start = Clock::now();
        const std::size_t bytes = e.build(list);
        put((name + "_build_ms").c_str(), msSince(start));
        if (name == "text") {
            // The file commands write their text in one piece at the end.
            const std::string text = results::buildTextFile(list);
            std::string error;
            start = Clock::now();
            writeFileWholeOrNothing(platform.savePath(), text, error);
            put("text_write_ms", msSince(start));
        }
        put((name + "_mb").c_str(), static_cast<double>(bytes) / (1024 * 1024));
        platform.startWatch();
        start = Clock::now();
        (form.*e.command)();
        put((name + "_ms").c_str(), msSince(start));
        put((name + "_pause_ms").c_str(), platform.stopWatch());
        put((name + "_pumps").c_str(), static_cast<double>(platform.pumps()));
    }

    // The clipboard keeps its copy of the text (twice the bytes, in UTF-16)
    // until something else is copied; let it go before clearing the list.
    QGuiApplication::clipboard()->clear();
    start = Clock::now();
    form.ClearResults();
    QCoreApplication::processEvents();
    put("clear_ms", msSince(start));
    put("rss_cleared_kb", static_cast<double>(bench::residentKb()));

    // Filling while the window is shown: the view lays its rows out at every
    // announcement of new rows.
    form.showResults();
    platform.startWatch();
    start = Clock::now();
    fill(form.resultRows(), rows, platform);
    form.list().showPendingRows();
    QCoreApplication::processEvents();
    put("append_shown_ms", msSince(start));
    put("append_shown_pause_ms", platform.stopWatch());
    form.ClearResults();

    put("peak_kb", static_cast<double>(bench::peakKb()));
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    const std::vector<bench::TableLine> lines{
        {"append_ms", "fill, window hidden (as a run does)", "ms"},
        {"append_pause_ms", "  longest pause while filling", "ms"},
        {"show_ms", "show the window (lay out, paint)", "ms"},
        {"scroll_end_ms", "scroll to the end and repaint", "ms"},
        {"scroll_top_ms", "scroll to the top and repaint", "ms"},
        {"text_build_ms", "build the text file's text", "ms"},
        {"comma_build_ms", "build the comma file's text", "ms"},
        {"clipboard_build_ms", "build the clipboard text", "ms"},
        {"text_write_ms", "write the text file (one piece)", "ms"},
        {"text_ms", "\"Save Results\" (build, write the file)", "ms"},
        {"text_pause_ms", "  longest pause", "ms"},
        {"comma_ms", "\"Save Results With Commas\"", "ms"},
        {"comma_pause_ms", "  longest pause", "ms"},
        {"clipboard_ms", "\"Save Results To Clipboard\"", "ms"},
        {"clipboard_pause_ms", "  longest pause", "ms"},
        {"clear_ms", "ClearResults", "ms"},
        {"append_shown_ms", "fill, window shown", "ms"},
        {"append_shown_pause_ms", "  longest pause", "ms"},
        {"rss_empty_kb", "memory, empty window (RSS)", "MB"},
        {"rss_filled_kb", "memory, filled and shown (RSS)", "MB"},
        {"rss_cleared_kb", "memory, after ClearResults (RSS)", "MB"},
        {"peak_kb", "peak memory (ru_maxrss)", "MB"},
    };
    return bench::scaleMain(argc, argv, "rows", runOneSize, {10000, 100000, 1000000}, lines);
}
