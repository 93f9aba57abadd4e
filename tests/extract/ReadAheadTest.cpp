#include "extract/ExtractionRun.h"
#include "extract/ReadAhead.h"
#include "extract/Word1.h"
#include "platform/ScriptedPlatform.h"
#include "results/ResultTable.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <thread>

namespace {

using namespace harvelux;

// An engine whose documents are their own path's text, read slowly and
// unevenly, that counts how many documents are held at once.
class SlowEngine final : public wordproc::ApplicationFactory {
public:
    std::atomic<int> alive{0};
    std::atomic<int> mostAlive{0};
    std::atomic<int> created{0};
    bool failCreate = false;

    std::unique_ptr<wordproc::Application> create() override {
        ++created;
        if (failCreate) throw wordproc::EngineError("cannot start");
        return std::make_unique<Instance>(*this);
    }

private:
    struct Instance final : wordproc::Application {
        explicit Instance(SlowEngine& e) : engine(e) {}
        SlowEngine& engine;
        std::unique_ptr<wordproc::Document> open(const std::string& path) override {
            const int now = ++engine.alive;
            for (int most = engine.mostAlive; now > most && !engine.mostAlive.compare_exchange_weak(most, now);) {
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(path.size() % 3 == 0 ? 8 : 1));
            --engine.alive;
            if (path.find("bad") != std::string::npos) throw wordproc::EngineError("damaged");
            struct Doc final : wordproc::Document {
                std::string text;
                wordproc::Range content() override { return wordproc::Range(std::make_shared<const std::string>(text)); }
                void close() override {}
            };
            auto doc = std::make_unique<Doc>();
            doc->text = "mail " + path.substr(path.rfind('/') + 1) + "@example.com";
            return doc;
        }
        void quit() override {}
    };
};

std::vector<std::string> paths(int n) {
    std::vector<std::string> list;
    for (int i = 0; i < n; ++i) list.push_back("/docs/" + std::string(static_cast<std::size_t>(i % 5 + 1), 'd') + std::to_string(i));
    return list;
}

TEST(ReadAhead, TextsComeBackInListOrderWithABoundedWindow) {
    SlowEngine engine;
    extract::ReadAhead ahead(engine, 3);
    const std::vector<std::string> list = paths(60);
    ahead.start(list);
    for (const std::string& path : list) {
        const extract::DocumentReadout r = ahead.take(path, {});
        ASSERT_EQ(r.status, extract::DocumentReadout::Status::Read);
        EXPECT_EQ(r.text, "mail " + path.substr(6) + "@example.com");
        std::this_thread::sleep_for(std::chrono::microseconds(300));
    }
    EXPECT_LE(engine.mostAlive.load(), 3);
    EXPECT_GE(engine.mostAlive.load(), 2);  // it did read ahead
    EXPECT_EQ(engine.created.load(), 60);
}

TEST(ReadAhead, AChangedListIsReadDirectly) {
    SlowEngine engine;
    extract::ReadAhead ahead(engine, 2);
    ahead.start({"/a/one", "/a/two", "/a/three"});
    EXPECT_EQ(ahead.take("/a/one", {}).text, "mail one@example.com");
    EXPECT_EQ(ahead.take("/a/other", {}).text, "mail other@example.com");  // item two was replaced
    EXPECT_EQ(ahead.take("/a/three", {}).text, "mail three@example.com");
    EXPECT_EQ(ahead.take("/a/four", {}).text, "mail four@example.com");  // past the end
    ahead.stop();
}

// The run with read-ahead gives the same rows and the same messages as
// reading one by one, failures included.
TEST(ReadAhead, RunsAreIdenticalWithAndWithoutReadingAhead) {
    struct List final : extract::FileListSource {
        std::vector<std::string> items;
        int count() const override { return static_cast<int>(items.size()); }
        std::string itemText(int i) const override { return items.at(static_cast<std::size_t>(i - 1)); }
    } files;
    files.items = paths(40);
    files.items[7] = "/docs/bad7";
    files.items[20] = files.items[3];
    struct NoProgress final : extract::ProgressSink {
        void setValue(double) override {}
        void setText(const std::string&) override {}
    } progress;

    const auto runWith = [&](unsigned jobs, bool failCreate) {
        SlowEngine engine;
        engine.failCreate = failCreate;
        platform::ScriptedPlatform ui;
        platform::RememberedPointer pointer;
        extract::Word1 word(engine, ui, pointer, nullptr);
        word.setReadAhead(jobs);
        results::ResultTable rows = results::ResultTable::forOption(true);
        extract::Start({files, [] { return 1; }, rows, progress, pointer, ui, word, [] {}, [] {}});
        std::vector<std::string> all;
        for (const auto& row : rows.rows()) all.push_back(row.cells[0] + " " + row.cells[1]);
        for (const auto& m : ui.messages) all.push_back(m.text);
        return all;
    };
    const auto oneByOne = runWith(1, false);
    EXPECT_EQ(oneByOne.size(), 38u);
    EXPECT_EQ(runWith(2, false), oneByOne);
    EXPECT_EQ(runWith(8, false), oneByOne);
    const auto failing = runWith(1, true);
    EXPECT_EQ(failing.size(), 80u);  // two reports per document
    EXPECT_EQ(runWith(4, true), failing);
}

}  // namespace
