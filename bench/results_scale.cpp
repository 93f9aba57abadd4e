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
#include "BenchPlatform.h"
#include "ScaleTable.h"
#include "common/AtomicFile.h"
#include "results/Form2.h"
#include "results/ListViewWriters.h"
#include "results/ResultsViewControls.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QClipboard>
#include <QCoreApplication>
#include <QDir>
#include <QGuiApplication>
#include <QTemporaryDir>

#include <array>
#include <string>
#include <vector>

namespace {

using namespace harvelux;
using bench::Clock;
using bench::msSince;
using bench::put;

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
void fill(harvelux::extract::ResultRowSink& sink, long long rows, bench::BenchPlatform& platform) {
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
    // Dialogs answer at once, the save dialog with a file in the scratch
    // folder; copied text goes to the real clipboard.
    bench::BenchPlatform platform;
    platform.setSavePath(QDir(scratch.path()).filePath(QStringLiteral("results.txt")).toStdString());
    platform.realClipboard = true;
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

    // A filter keeping one domain in fifty, the filter taken off, a sort by
    // address backwards and the order found again.
    start = Clock::now();
    form.viewControls().setFilterText(QStringLiteral("@example7.com"));
    view.viewport()->repaint();
    put("filter_ms", msSince(start));
    start = Clock::now();
    form.viewControls().setFilterText(QString());
    view.viewport()->repaint();
    put("unfilter_ms", msSince(start));
    start = Clock::now();
    form.list().sortBy(2, true);
    view.viewport()->repaint();
    put("sort_ms", msSince(start));
    form.list().sortBy(0, false);

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
        put((name + "_pumps").c_str(), static_cast<double>(platform.watchedPumps()));
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
        {"filter_ms", "filter to one domain in 50 and repaint", "ms"},
        {"unfilter_ms", "take the filter off and repaint", "ms"},
        {"sort_ms", "sort by address, backwards, and repaint", "ms"},
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
