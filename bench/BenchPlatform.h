// The platform for benchmarks of the real windows: the real message pump
// (counted, and on request timed), dialogs and questions answered at once,
// and a results window that only keeps the rows, for benchmarks of the main
// window alone.
#pragma once

#include "platform/QtPlatform.h"
#include "results/InMemoryListView.h"
#include "results/ResultsWindowInterface.h"

#include <algorithm>
#include <chrono>
#include <iostream>
#include <string>
#include <utility>
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
    std::string saveDialog(const std::string&, const std::vector<platform::FileFilter>&) override { return savePath_; }
    bool shellOpen(const std::string&) override { return false; }
    void setClipboardText(const std::string& text) override {
        if (realClipboard) real_.setClipboardText(text);
    }
    void processEvents() override {
        if (watching_) longestPause_ = std::max(longestPause_, msSince(lastPump_));
        ++pumps;
        real_.processEvents();
        if (watching_) lastPump_ = Clock::now();
    }

    // The file the save dialog answers (none unless set).
    void setSavePath(std::string path) { savePath_ = std::move(path); }
    const std::string& savePath() const { return savePath_; }

    // Times the stretches outside the message pump from now on: the first
    // counts from now, each later one from the end of the previous turn.
    void startWatch() {
        watching_ = true;
        lastPump_ = Clock::now();
        longestPause_ = 0;
        pumpsAtWatch_ = pumps;
    }
    // Stops timing; the longest stretch in ms, the one up to now included.
    double stopWatch() {
        if (watching_) longestPause_ = std::max(longestPause_, msSince(lastPump_));
        watching_ = false;
        return longestPause_;
    }
    // The turns of the pump since startWatch().
    long long watchedPumps() const { return pumps - pumpsAtWatch_; }

    long long pumps = 0;
    int messages = 0;
    // Whether copied text goes to the real clipboard (else it is dropped).
    bool realClipboard = false;

private:
    using Clock = std::chrono::steady_clock;
    static double msSince(Clock::time_point start) {
        return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
    }

    std::string folder_;
    platform::Answer answer_;
    std::string savePath_;
    platform::QtPlatform real_;
    bool watching_ = false;
    Clock::time_point lastPump_;
    double longestPause_ = 0;
    long long pumpsAtWatch_ = 0;
};

class RowsOnlyResults final : public results::ResultsWindowInterface {
public:
    extract::ResultRowSink& resultRows() override { return table_; }
    void setFilenameColumns(bool) override {}
    void setRunSummary(const extract::RunSummary&) override {}
    void showResults() override {}
    bool isBusy() const override { return false; }

private:
    results::InMemoryListView table_ = results::InMemoryListView::forOption(false);
};

}  // namespace harvelux::bench
