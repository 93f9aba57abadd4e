// "Add Folder" on a large tree, in the real main window: builds a tree of
// 10,000 documents in 1,000 folders (or uses the folder given), then times
// the command from the folder choice to the last item in the list, with the
// real message pump. A timer asks the window to repaint every 20 ms; the
// paints that happen during the scan show that the window stays live.
//
// Usage: bench_addfolder [FOLDER]    (QT_QPA_PLATFORM=offscreen or a display)
#include "BenchPlatform.h"
#include "WindowWatch.h"
#include "shell/CommandIds.h"
#include "shell/Form1.h"
#include "wordproc/BuiltInEngine.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPaintEvent>
#include <QTimer>

#include <filesystem>
#include <fstream>
#include <iostream>

namespace {

using namespace harvelux;

std::string buildTree() {
    const auto root = std::filesystem::temp_directory_path() / "harvelux-addfolder-bench";
    std::filesystem::remove_all(root);
    // 10 folders at the top, 99 below each: 1,000 folders, 10 documents each.
    int files = 0;
    for (int a = 0; a < 10; ++a) {
        const auto top = root / ("group" + std::to_string(a));
        std::vector<std::filesystem::path> folders{top};
        for (int b = 0; b < 99; ++b) folders.push_back(top / ("folder" + std::to_string(b)));
        for (const auto& folder : folders) {
            std::filesystem::create_directories(folder);
            for (int f = 0; f < 10; ++f) {
                std::ofstream(folder / ("letter" + std::to_string(f) + (f % 3 ? ".docx" : ".doc"))) << "x";
                ++files;
            }
        }
    }
    std::cout << "tree: " << root.string() << " (" << files << " documents in 1000 folders)\n";
    return root.string();
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    const std::string folder = argc > 1 ? argv[1] : buildTree();

    bench::BenchPlatform platform(folder, harvelux::platform::Answer::No);
    bench::RowsOnlyResults results;
    wordproc::BuiltInEngineFactory engine;
    shell::Form1 form({platform, results, "/nonexistent", engine, [] { return false; }, [] {}, 1});
    form.Form_Load();
    form.show();
    QApplication::processEvents();

    bench::PaintCounter counter;
    form.installEventFilter(&counter);
    QTimer repaint;
    QObject::connect(&repaint, &QTimer::timeout, &form, [&form] { form.update(); });
    repaint.start(20);

    for (int round = 1; round <= 3; ++round) {
        form.CommandBars_Execute(shell::command::kClearList);
        QApplication::processEvents();
        platform.pumps = 0;
        counter.paints = 0;
        QElapsedTimer timer;
        timer.start();
        form.CommandBars_Execute(shell::command::kAddFolder);
        const double seconds = static_cast<double>(timer.nsecsElapsed()) / 1e9;
        std::cout << "round " << round << ": " << form.fileList().count() << " items in " << seconds << " s, "
                  << platform.pumps << " message pumps, " << counter.paints << " repaints during the scan\n";
    }
    return 0;
}
