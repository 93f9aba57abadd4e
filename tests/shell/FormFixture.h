// A real main window offscreen, wired to the scripted platform, a results
// list held in memory and the real document engine, in a temporary program
// folder.
#pragma once

#include "../support/TempTree.h"
#include "ScriptedPlatform.h"
#include "filelist/FileListView.h"
#include "results/InMemoryListView.h"
#include "shell/CommandIds.h"
#include "shell/Form1.h"
#include "wordproc/BuiltInEngine.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QSettings>
#include <QToolBar>

#include <atomic>
#include <memory>
#include <thread>

namespace harvelux::shell::testing {

class FakeResultsWindow final : public results::ResultsWindowInterface {
public:
    results::InMemoryListView table = results::InMemoryListView::forOption(false);
    int shown = 0;
    bool busy = false;
    extract::RunSummary summary;

    extract::ResultRowSink& resultRows() override { return table; }
    void setFilenameColumns(bool withFilename) override { table = results::InMemoryListView::forOption(withFilename); }
    void setRunSummary(const extract::RunSummary& s) override { summary = s; }
    void showResults() override { ++shown; }
    bool isBusy() const override { return busy; }

    std::vector<std::vector<std::string>> rows() {
        std::vector<std::vector<std::string>> cells;
        for (const auto& row : table.rows()) cells.push_back(row.cells);
        return cells;
    }
};

// Counts engine instances (one per document read), so tests can tell
// whether a run went on, and which of them a worker thread started.
class CountingEngine final : public wordproc::ApplicationFactory {
public:
    std::unique_ptr<wordproc::Application> create() override {
        ++created;
        if (std::this_thread::get_id() != owner) ++createdOnWorkers;
        return real.create();
    }
    std::atomic<int> created = 0;
    std::atomic<int> createdOnWorkers = 0;

private:
    const std::thread::id owner = std::this_thread::get_id();
    wordproc::BuiltInEngineFactory real;
};

// Every test starts without stored settings (the test program keeps them in
// a folder of its own).
inline void clearSettings() {
    QSettings store(QStringLiteral("Quenbrook"), QStringLiteral("Harvelux"));
    store.clear();
    store.sync();
}

class FormFixture : public ::testing::Test {
protected:
    void SetUp() override {
        clearSettings();
        startForm();
        // Start-up tried the engine once; the tests count documents read.
        engine.created = 0;
    }

    // A window started afresh on the stored settings, as after a restart.
    void restart() {
        form.reset();
        startForm();
    }

    void startForm() {
        form = std::make_unique<Form1>(Form1Services{
            platform,
            results,
            program.root(),
            engine,
            [this] { return wordProcessorRunning; },
            [this] { ++programEnded; },
            readAheadJobs,
        });
        form->Form_Load();
    }

    QAction* action(int id) {
        for (QAction* a : form->standardToolbar().actions())
            if (a->data().toInt() == id && !a->isSeparator()) return a;
        for (QAction* top : form->commandMenuBar().actions())
            if (top->menu())
                for (QAction* a : top->menu()->actions())
                    if (a->data().toInt() == id && !a->isSeparator()) return a;
        return nullptr;
    }

    // Picks the command on the toolbar or in the menu, as a user would.
    void pick(int id) {
        QAction* a = action(id);
        ASSERT_NE(a, nullptr) << "no control with ID " << id;
        a->trigger();
    }

    std::vector<std::string> items() { return form->fileList().items(); }

    // The addresses of the last run's rows, in their order.
    std::vector<std::string> foundAddresses() {
        std::vector<std::string> found;
        for (const auto& row : results.rows()) found.push_back(row.at(0));
        return found;
    }

    // A setting as the window stored it.
    static QString storedSetting(const char* key) {
        return QSettings(QStringLiteral("Quenbrook"), QStringLiteral("Harvelux")).value(key).toString();
    }

    // Lists `count` documents 1.txt, 2.txt, ... holding a1@example.com,
    // a2@example.com, ... one each.
    void listNumberedDocuments(int count) {
        for (int i = 1; i <= count; ++i)
            form->fileList().AppendItem(document(std::to_string(i) + ".txt", "a" + std::to_string(i) + "@example.com"));
    }

    // Picks "&Exit" at the first pump that finds `rows` result rows.
    void exitOnceRowsReach(std::size_t rows) {
        platform.onPump = [this, rows] {
            if (results.rows().size() == rows && programEnded == 0) pick(command::kMenuExit);
        };
    }

    // A document the engine reads as plain text.
    std::string document(const std::string& name, const std::string& text) { return docs.file(name, text); }

    harvelux::testing::TempTree program;
    harvelux::testing::TempTree docs;
    platform::ScriptedPlatform platform;
    FakeResultsWindow results;
    CountingEngine engine;
    bool wordProcessorRunning = false;
    int programEnded = 0;
    // One document at a time on the window's thread, so tests can count
    // pumps and engine instances exactly.
    unsigned readAheadJobs = 1;
    std::unique_ptr<Form1> form;
};

}  // namespace harvelux::shell::testing
