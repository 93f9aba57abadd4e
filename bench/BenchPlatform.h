// The platform for benchmarks of the real windows: the real message pump
// (counted), dialogs and questions answered at once, and a results window
// that only keeps the rows, for benchmarks of the main window alone.
#pragma once

#include "platform/QtPlatform.h"
#include "results/ResultTable.h"
#include "shell/ResultsView.h"

#include <iostream>
#include <string>
#include <vector>

namespace harvelux::bench {

class BenchPlatform final : public platform::Platform {
public:
    // The folder dialog answers `folder`; questions are answered `answer`.
    explicit BenchPlatform(std::string folder = {}, platform::Answer answer = platform::Answer::Yes)
        : folder_(std::move(folder)), answer_(answer) {}

    platform::Answer messageBox(const std::string& text, platform::Buttons buttons, platform::Icon,
                                const std::string&) override {
        ++messages;
        std::cerr << "message: " << text << '\n';
        return buttons == platform::Buttons::YesNo ? answer_ : platform::Answer::Ok;
    }
    std::vector<std::string> openFilesDialog(const std::string&, const std::vector<platform::FileFilter>&) override {
        return {};
    }
    std::string folderDialog(const std::string&) override { return folder_; }
    std::string saveDialog(const std::string&, const std::vector<platform::FileFilter>&) override { return {}; }
    void shellOpen(const std::string&) override {}
    void setClipboardText(const std::string&) override {}
    void processEvents() override {
        ++pumps;
        real_.processEvents();
    }

    long long pumps = 0;
    int messages = 0;

private:
    std::string folder_;
    platform::Answer answer_;
    platform::QtPlatform real_;
};

class RowsOnlyResults final : public shell::ResultsView {
public:
    extract::ResultRowSink& resultRows() override { return table_; }
    void setFilenameColumns(bool) override {}
    void showResults() override {}
    bool isBusy() const override { return false; }

private:
    results::ResultTable table_ = results::ResultTable::forOption(false);
};

}  // namespace harvelux::bench
