#include "common/LocalTimeZone.h"
#include "extract/EngineDocumentReader.h"
#include "extract/ExtractionRun.h"
#include "extract/ReadAhead.h"
#include "results/InMemoryListView.h"

#include "wordproc/BuiltInEngine.h"

#include "ScriptedPlatform.h"
#include "TestFiles.h"

#include <gtest/gtest.h>

#include <sys/resource.h>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <future>
#include <mutex>
#include <set>
#include <thread>
#include <utility>

namespace {

using namespace harvelux;

// A document that holds the given text.
struct TextDocument final : wordproc::Document {
    explicit TextDocument(std::string t) : text(std::move(t)) {}
    std::string text;
    wordproc::Range content() override { return wordproc::Range(std::make_shared<const std::string>(text)); }
    void close() override {}
};

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
        std::unique_ptr<wordproc::Document> open(const std::string& path, const wordproc::ReadOptions&) override {
            const int now = ++engine.alive;
            for (int most = engine.mostAlive; now > most && !engine.mostAlive.compare_exchange_weak(most, now);) {}
            std::this_thread::sleep_for(std::chrono::milliseconds(path.size() % 3 == 0 ? 8 : 1));
            --engine.alive;
            if (path.find("bad") != std::string::npos) throw wordproc::EngineError("damaged");
            return std::make_unique<TextDocument>("mail " + path.substr(path.rfind('/') + 1) + "@example.com");
        }
        void quit() override {}
    };
};

// Documents are their path's text; a path listed in `held` is not read
// until released.
class GatedEngine final : public wordproc::ApplicationFactory {
public:
    std::atomic<int> created{0};
    std::mutex mutex;
    std::condition_variable released;
    std::set<std::string> held;

    void release(const std::string& path) {
        {
            const std::lock_guard lock(mutex);
            held.erase(path);
        }
        released.notify_all();
    }
    std::unique_ptr<wordproc::Application> create() override {
        ++created;
        return std::make_unique<Instance>(*this);
    }

private:
    struct Instance final : wordproc::Application {
        explicit Instance(GatedEngine& e) : engine(e) {}
        GatedEngine& engine;
        std::unique_ptr<wordproc::Document> open(const std::string& path, const wordproc::ReadOptions&) override {
            std::unique_lock lock(engine.mutex);
            engine.released.wait(lock, [&] { return engine.held.count(path) == 0; });
            return std::make_unique<TextDocument>(path);
        }
        void quit() override {}
    };
};

// Polls until `done` holds (at most two seconds).
template <typename Condition>
bool eventually(Condition done) {
    for (int i = 0; i < 400 && !done(); ++i) std::this_thread::sleep_for(std::chrono::milliseconds(5));
    return done();
}

std::vector<std::string> paths(int n) {
    std::vector<std::string> list;
    for (int i = 0; i < n; ++i)
        list.push_back("/docs/" + std::string(static_cast<std::size_t>(i % 5 + 1), 'd') + std::to_string(i));
    return list;
}

// A run's list of documents.
struct PathList final : extract::FileListSource {
    std::vector<std::string> items;
    int count() const override { return static_cast<int>(items.size()); }
    std::string itemText(int i) const override { return items.at(static_cast<std::size_t>(i - 1)); }
};

// A whole run over `files` with `jobs` workers reading ahead: each row as
// "PATH ADDRESS", then the text of each message the run showed.
std::vector<std::string> rowsAndMessagesOfRun(wordproc::ApplicationFactory& engine, const PathList& files,
                                              unsigned jobs) {
    struct NoProgress final : extract::ProgressSink {
        void setValue(double) override {}
        void setText(const std::string&) override {}
    } progress;
    platform::ScriptedPlatform ui;
    platform::RememberedPointer pointer;
    extract::Word1 word(engine, ui, pointer, nullptr);
    word.setReadAhead(jobs);
    results::InMemoryListView rows = results::InMemoryListView::forOption(true);
    extract::Start({files, [] { return 1; }, rows, progress, pointer, ui, word, [] {}, [] {}});
    std::vector<std::string> all;
    for (const auto& row : rows.rows()) all.push_back(row.cells[0] + " " + row.cells[1]);
    for (const auto& m : ui.messages) all.push_back(m.text);
    return all;
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

TEST(ReadAhead, WorkersStopAtTheWindowAndAtTheBudgetUntilTheRunTakes) {
    const std::vector<std::string> list = paths(20);
    {
        GatedEngine engine;
        extract::ReadAhead ahead(engine, 2, {.window = 4});
        ahead.start(list);
        ASSERT_TRUE(eventually([&] { return engine.created == 4; }));
        std::this_thread::sleep_for(std::chrono::milliseconds(30));
        EXPECT_EQ(engine.created, 4);  // nothing past the window
        EXPECT_EQ(ahead.take(list[0], {}).text, list[0]);
        EXPECT_TRUE(eventually([&] { return engine.created == 5; }));
        std::this_thread::sleep_for(std::chrono::milliseconds(30));
        EXPECT_EQ(engine.created, 5);
    }
    {
        // Every text is longer than the budget: once one waits, no worker
        // starts another (the other worker may have started before).
        GatedEngine engine;
        extract::ReadAhead ahead(engine, 2, {.window = 100, .budget = 4});
        ahead.start(list);
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
        EXPECT_LE(engine.created, 2);
        for (int i = 0; i < 20; ++i)
            EXPECT_EQ(ahead.take(list[static_cast<std::size_t>(i)], {}).text, list[static_cast<std::size_t>(i)]);
    }
}

// When the system refuses threads, the run reads with those it got rather
// than aborting. Address space is capped in a child process, so that a few
// dozen thread stacks fit and thousands do not.
TEST(ReadAhead, ReadsWithFewerWorkersWhenThreadsAreRefused) {
#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
    GTEST_SKIP() << "the sanitizers reserve more address space than the cap allows";
#else
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    const auto readUnderCap = [] {
        const rlimit cap{512u << 20, 512u << 20};
        setrlimit(RLIMIT_AS, &cap);
        SlowEngine engine;
        extract::ReadAhead ahead(engine, 100000);
        const std::vector<std::string> list = paths(30);
        ahead.start(list);
        bool allRead = true;
        for (const std::string& path : list)
            allRead = allRead && ahead.take(path, {}).text == "mail " + path.substr(6) + "@example.com";
        std::exit(allRead ? 0 : 3);
    };
    EXPECT_EXIT(readUnderCap(), testing::ExitedWithCode(0), "");
#endif
}

// A document the run passed over (its item was replaced) and that finishes
// late must not turn up as a later document sharing its place in the window.
TEST(ReadAhead, ALatePassedOverDocumentIsDropped) {
    GatedEngine engine;
    engine.held = {"/p1", "/p5"};
    extract::ReadAhead ahead(engine, 2, {.window = 4});
    const std::vector<std::string> list{"/p0", "/p1", "/p2", "/p3", "/p4", "/p5"};
    ahead.start(list);
    EXPECT_EQ(ahead.take("/p0", {}).text, "/p0");
    EXPECT_EQ(ahead.take("/other", {}).text, "/other");  // /p1 is still being read
    EXPECT_EQ(ahead.take("/p2", {}).text, "/p2");
    EXPECT_EQ(ahead.take("/p3", {}).text, "/p3");
    // The free worker has gone on to /p4 and waits on /p5, which shares its
    // place in the window with /p1.
    ASSERT_TRUE(eventually([&] { return engine.created == 7; }));
    engine.release("/p1");
    std::this_thread::sleep_for(std::chrono::milliseconds(30));
    engine.release("/p5");
    EXPECT_EQ(ahead.take("/p4", {}).text, "/p4");
    EXPECT_EQ(ahead.take("/p5", {}).text, "/p5");
}

// A ready document is handed over even when both workers are stuck on
// documents that take long to read and no batch of ready documents forms:
// a run without a pump must not wait for them.
TEST(ReadAhead, AReadyDocumentIsNotHeldUpBehindSlowReads) {
    GatedEngine engine;
    engine.held = {"/p0", "/p1", "/p3"};
    extract::ReadAhead ahead(engine, 2, {.window = 8});
    ahead.start({"/p0", "/p1", "/p2", "/p3", "/p4", "/p5", "/p6", "/p7", "/p8", "/p9"});
    auto taken = std::async(std::launch::async, [&] { return ahead.take("/p0", {}).text; });
    std::this_thread::sleep_for(std::chrono::milliseconds(30));  // the run waits for /p0
    engine.release("/p0");                                       // its worker goes on to /p2, then waits on /p3
    const bool handedOver = taken.wait_for(std::chrono::seconds(2)) == std::future_status::ready;
    for (const char* path : {"/p1", "/p3"}) engine.release(path);
    ASSERT_TRUE(handedOver);
    EXPECT_EQ(taken.get(), "/p0");
}

// The run with read-ahead gives the same rows and the same messages as
// reading one by one, failures included.
TEST(ReadAhead, RunsAreIdenticalWithAndWithoutReadingAhead) {
    PathList files;
    files.items = paths(40);
    files.items[7] = "/docs/bad7";
    files.items[20] = files.items[3];

    const auto runWith = [&](unsigned jobs, bool failCreate) {
        SlowEngine engine;
        engine.failCreate = failCreate;
        return rowsAndMessagesOfRun(engine, files, jobs);
    };
    const auto oneByOne = runWith(1, false);
    EXPECT_EQ(oneByOne.size(), 38u);
    EXPECT_EQ(runWith(2, false), oneByOne);
    EXPECT_EQ(runWith(8, false), oneByOne);
    const auto failing = runWith(1, true);
    EXPECT_EQ(failing.size(), 80u);  // two reports per document
    EXPECT_EQ(runWith(4, true), failing);
}

// The members of containers are read by every worker, and the rows come
// in the order of the list and of each container, depth first, as when one
// thread reads everything: two archives of many documents (one inside the
// other as well) keep several workers listing and reading at once.
TEST(ReadAhead, ContainerMembersKeepTheirOrderOnAnyNumberOfWorkers) {
    pinLocalTimeZone();  // as the programs do before their threads start
    testfiles::TempDir dir;
    // Numbers enough that each document is some kilobytes (a member of a
    // few is read at once by the thread that lists it).
    std::string filler;
    for (unsigned n = 1; filler.size() < 12000; n = n * 7919 % 100003) filler += std::to_string(n) + ' ';
    const auto archive = [&](const std::string& prefix, int count) {
        std::vector<testfiles::ZipEntry> members;
        for (int i = 0; i < count; ++i)
            members.push_back(
                {std::to_string(i) + ".docx",
                 testfiles::makeDocxWithParagraphs({filler, prefix + std::to_string(i) + "@example.com"})});
        return members;
    };
    std::vector<testfiles::ZipEntry> outer = archive("a", 30);
    outer.insert(outer.begin() + 10, {"inner.zip", testfiles::makeZip(archive("inner", 20))});
    PathList files;
    for (const char* name : {"one.zip", "two.zip"}) {
        testfiles::writeFile(dir.file(name), testfiles::makeZip(name[0] == 'o' ? outer : archive("b", 40)));
        files.items.push_back(dir.file(name));
    }
    const auto runWith = [&](unsigned jobs) {
        wordproc::BuiltInEngineFactory engine;
        return rowsAndMessagesOfRun(engine, files, jobs);
    };
    const auto alone = runWith(1);
    ASSERT_EQ(alone.size(), 90u);
    EXPECT_EQ(alone[10], dir.file("one.zip") + "::inner.zip::0.docx inner0@example.com");
    EXPECT_EQ(alone[30], dir.file("one.zip") + "::10.docx a10@example.com");
    EXPECT_EQ(runWith(2), alone);
    EXPECT_EQ(runWith(4), alone);
}

}  // namespace
