// The whole program in the test: both windows built by
// createApplicationWindows exactly as the desktop program builds them, on
// the scripted platform, the real document engine and the real settings
// (kept by the test program in a folder of its own), with a program folder
// the test fills.
#pragma once

#include "../support/TempTree.h"
#include "FormFixture.h"
#include "results/Form2.h"
#include "shell/ApplicationWindows.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QSettings>
#include <QToolBar>

#include <optional>

namespace harvelux::shell::testing {

// The settings as the program stores them: absent keys as nullopt.
inline std::optional<std::string> setting(const char* key) {
    const QSettings store(QStringLiteral("Quenbrook"), QStringLiteral("Harvelux"));
    const QVariant value = store.value(QString::fromUtf8(key));
    if (!value.isValid()) return std::nullopt;
    return value.toString().toStdString();
}

inline void store(const char* key, const std::string& value) {
    QSettings settings(QStringLiteral("Quenbrook"), QStringLiteral("Harvelux"));
    settings.setValue(QString::fromUtf8(key), QString::fromStdString(value));
    settings.sync();
}

class ApplicationFixture : public ::testing::Test {
protected:
    void SetUp() override { clearSettings(); }

    // Starts the program: the main window loads and is shown.
    void start() {
        windows = createApplicationWindows({
            platform,
            programFolder,
            engine,
            [] { return false; },
            [this] { ++programEnded; },
            [this](QWidget& window) { shownWindows.push_back(&window); },
            readAheadJobs,
            startWith,
        });
    }

    Form1& main() { return windows->main(); }
    results::Form2& resultsWindow() { return windows->results(); }
    const results::ListViewSource& resultsList() { return windows->results().list(); }

    // A command of the main window's toolbar or menu, picked as a user would.
    void pickMain(int id) {
        QList<QAction*> actions = main().standardToolbar().actions();
        for (QAction* top : main().commandMenuBar().actions())
            if (top->menu()) actions += top->menu()->actions();
        for (QAction* a : actions)
            if (!a->isSeparator() && a->data().toInt() == id) {
                a->trigger();
                return;
            }
        ADD_FAILURE() << "no main window command " << id;
    }

    // A toolbar command of the results window, picked as a user would.
    void pickResults(int id) {
        for (QAction* a : resultsWindow().toolBar().actions())
            if (a->data().toInt() == id) {
                a->trigger();
                return;
            }
        ADD_FAILURE() << "no results command " << id;
    }

    std::vector<std::string> columnCaptions() {
        std::vector<std::string> captions;
        for (int k = 1; k <= resultsList().columnCount(); ++k) captions.push_back(resultsList().columnCaption(k));
        return captions;
    }
    std::vector<std::vector<std::string>> resultRows() {
        std::vector<std::vector<std::string>> rows;
        const auto& list = resultsList();
        for (int r = 1; r <= list.rowCount(); ++r) {
            std::vector<std::string> cells;
            for (int c = 1; c <= list.columnCount(); ++c) cells.push_back(list.cell(r, c));
            rows.push_back(cells);
        }
        return rows;
    }

    harvelux::testing::TempTree program;
    harvelux::testing::TempTree docs;
    std::string programFolder = program.root();
    platform::ScriptedPlatform platform;
    CountingEngine engine;
    int programEnded = 0;
    std::vector<QWidget*> shownWindows;
    unsigned readAheadJobs = 4;
    std::vector<std::string> startWith;  // paths on the command line
    std::unique_ptr<ApplicationWindows> windows;
};

}  // namespace harvelux::shell::testing
