// How the main window's file list copes with many items, offscreen, in the
// real window: appending items one at a time with the window shown, showing
// them, scrolling, "&Clear Selected Files" on half the items (every other
// one, and one block), the Delete key and "Clear List"; with the longest
// time the window did not answer, and the memory.
//
//     filelist_scale                        10,000 / 100,000 / 1,000,000 items, a Markdown table
//     filelist_scale --sizes 1000,10000     other sizes
//     filelist_scale --items N              one size, one "name value" line per figure
//
// Every size runs in a process of its own, so that its peak memory is its own.
#include "BenchPlatform.h"
#include "ScaleTable.h"
#include "WindowWatch.h"
#include "filelist/FileListModel.h"
#include "filelist/FileListView.h"
#include "shell/CommandIds.h"
#include "shell/Form1.h"
#include "wordproc/BuiltInEngine.h"

#include <QApplication>
#include <QItemSelection>
#include <QScrollBar>
#include <QTemporaryDir>

#include <string>
#include <vector>

namespace {

using namespace harvelux;
using bench::Clock;
using bench::msSince;
using bench::put;

// Paths of about 50 characters, a hundred documents per folder.
std::string documentPath(long long item) {
    return "/home/user/Archive/folder " + std::to_string(item / 100) + "/document " + std::to_string(item) + ".docx";
}

std::vector<std::string> allPaths(long long items) {
    std::vector<std::string> paths;
    paths.reserve(static_cast<std::size_t>(items));
    for (long long i = 0; i < items; ++i) paths.push_back(documentPath(i));
    return paths;
}

void settle(filelist::FileListView& view) {
    view.listModel().announcePendingRows();
    QCoreApplication::processEvents();
    view.viewport()->repaint();
}

int runOneSize(long long items, int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir scratch;
    qputenv("XDG_CONFIG_HOME", scratch.path().toLocal8Bit());
    QApplication app(argc, argv);
    bench::BenchPlatform platform;
    bench::RowsOnlyResults results;
    wordproc::BuiltInEngineFactory engine;
    shell::Form1 form({platform, results, scratch.path().toStdString(), engine, [] { return false; }, [] {}, 1});
    form.Form_Load();
    form.resize(1000, 700);
    form.show();
    QCoreApplication::processEvents();
    filelist::FileListView& view = form.ListView1();
    filelist::FileList& list = form.fileList();
    put("rss_empty_kb", static_cast<double>(bench::residentKb()));

    // One at a time, as the adding commands append, with the window shown
    // and the event loop running every 200 items, as during a folder scan.
    bench::FreezeWatch freeze;
    freeze.start();
    Clock::time_point start = Clock::now();
    for (long long i = 0; i < items; ++i) {
        list.AppendItem(documentPath(i));
        if (i % 200 == 199) QCoreApplication::processEvents();
    }
    put("append_ms", msSince(start));
    put("append_freeze_ms", freeze.stop());

    start = Clock::now();
    settle(view);
    put("show_ms", msSince(start));
    put("rss_filled_kb", static_cast<double>(bench::residentKb()));

    start = Clock::now();
    view.scrollToBottom();
    view.viewport()->repaint();
    put("scroll_end_ms", msSince(start));
    start = Clock::now();
    view.scrollToTop();
    view.viewport()->repaint();
    put("scroll_top_ms", msSince(start));

    // Every other item selected: as many selection ranges as selected items.
    QItemSelection alternate;
    for (long long i = 1; i <= items; i += 2)
        alternate.select(view.itemIndex(static_cast<int>(i)), view.itemIndex(static_cast<int>(i)));
    start = Clock::now();
    view.selectionModel()->select(alternate, QItemSelectionModel::Select);
    put("select_alternate_ms", msSince(start));
    freeze.start();
    start = Clock::now();
    form.CommandBars_Execute(shell::command::kMenuClearSelected);
    settle(view);
    put("clear_alternate_ms", msSince(start));
    put("clear_alternate_freeze_ms", freeze.stop());
    put("left_after_alternate", static_cast<double>(list.count()));

    // The first half selected as one block (a click and a Shift+click).
    list.ClearList();
    list.AppendItems(allPaths(items));
    settle(view);
    start = Clock::now();
    view.selectionModel()->select(QItemSelection(view.itemIndex(1), view.itemIndex(static_cast<int>(items / 2))),
                                  QItemSelectionModel::Select);
    put("select_block_ms", msSince(start));
    start = Clock::now();
    form.CommandBars_Execute(shell::command::kMenuClearSelected);
    settle(view);
    put("clear_block_ms", msSince(start));

    // Adding the whole list in one go, as "Add Folder" does.
    list.ClearList();
    QCoreApplication::processEvents();
    std::vector<std::string> found = allPaths(items);  // what a folder scan hands over
    freeze.start();
    start = Clock::now();
    list.AppendItems(found);
    settle(view);
    put("append_batch_ms", msSince(start));
    put("append_batch_freeze_ms", freeze.stop());
    std::vector<std::string>().swap(found);

    // The Delete key on an item in the middle.
    view.setCurrentIndex(view.itemIndex(static_cast<int>(items / 2)));
    start = Clock::now();
    form.fileList().RemoveCurrentItem();
    settle(view);
    put("delete_key_ms", msSince(start));

    start = Clock::now();
    form.CommandBars_Execute(shell::command::kClearList);
    settle(view);
    put("clear_list_ms", msSince(start));
    put("rss_cleared_kb", static_cast<double>(bench::residentKb()));
    put("peak_kb", static_cast<double>(bench::peakKb()));
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    const std::vector<bench::TableLine> lines{
        {"append_ms", "AppendItem one at a time, window shown", "ms"},
        {"append_freeze_ms", "  longest time without answering", "ms", false},
        {"show_ms", "show the items (lay out, paint)", "ms"},
        {"scroll_end_ms", "scroll to the end and repaint", "ms"},
        {"scroll_top_ms", "scroll to the top and repaint", "ms"},
        {"select_alternate_ms", "select every other item (Qt's selection model)", "ms"},
        {"clear_alternate_ms", "ClearSelected of every other item, repaint", "ms"},
        {"clear_alternate_freeze_ms", "  longest time without answering", "ms", false},
        {"select_block_ms", "select the first half as one block", "ms"},
        {"clear_block_ms", "ClearSelected of the first half, repaint", "ms"},
        {"append_batch_ms", "append all in one go (Add Folder), lay out, paint", "ms"},
        {"append_batch_freeze_ms", "  longest time without answering", "ms", false},
        {"delete_key_ms", "Delete key on one item, lay out, paint", "ms"},
        {"clear_list_ms", "ClearList, repaint", "ms"},
        {"rss_empty_kb", "memory, empty list (RSS)", "MB"},
        {"rss_filled_kb", "memory, filled and shown (RSS)", "MB"},
        {"rss_cleared_kb", "memory, after ClearList (RSS)", "MB"},
        {"peak_kb", "peak memory (ru_maxrss)", "MB"},
    };
    return bench::scaleMain(argc, argv, "items", runOneSize, {10000, 100000, 1000000}, lines);
}
