#include "extract/EngineDocumentReader.h"
#include "extract/ExtractionRun.h"
#include "results/InMemoryListView.h"
#include "wordproc/BuiltInEngine.h"

#include "ScriptedPlatform.h"
#include "TestFiles.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <chrono>
#include <map>
#include <stdexcept>

namespace {

using namespace harvelux;
using extract::RunOutcome;
using platform::Answer;
using platform::PointerShape;
using ::testing::ElementsAre;
using ::testing::HasSubstr;

class ListOf final : public extract::FileListSource {
public:
    std::vector<std::string> items;
    int count() const override { return static_cast<int>(items.size()); }
    std::string itemText(int index) const override { return items.at(static_cast<std::size_t>(index - 1)); }
};

class RecordingProgress final : public extract::ProgressSink {
public:
    std::vector<double> values;
    std::vector<std::string> texts;
    void setValue(double percent) override { values.push_back(percent); }
    void setText(const std::string& text) override { texts.push_back(text); }
};

// Texts by path; a path in `failing` throws from the reader itself.
class FakeReader final : public extract::DocumentTextReader {
public:
    std::map<std::string, std::string> texts;
    std::set<std::string> failing;
    bool abandon = false;
    std::vector<std::string> read;
    std::string ReturnDocumentString(const std::string& path) override {
        read.push_back(path);
        if (failing.count(path)) throw std::runtime_error("Automation error");
        const auto it = texts.find(path);
        return it == texts.end() ? std::string() : it->second;
    }
    bool WarnIfWordOpen() override { return abandon; }
};

struct RunFixture {
    ListOf files;
    int option = 0;
    results::InMemoryListView rows = results::InMemoryListView::forOption(false);
    RecordingProgress progress;
    platform::RememberedPointer pointer;
    platform::ScriptedPlatform platform;
    FakeReader reader;
    int shown = 0;
    int hidden = 0;
    // The run's clock stands still unless a test moves it.
    std::chrono::steady_clock::time_point now{std::chrono::hours(1)};
    std::chrono::milliseconds tick{0};  // added at every reading

    RunOutcome run(extract::DocumentTextReader* other = nullptr, extract::RunSummary* summary = nullptr,
                   std::function<bool()> stopRequested = {}) {
        return extract::Start({files, [this] { return option; }, rows, progress, pointer, platform,
                               other ? *other : reader, [this] { ++shown; }, [this] { ++hidden; },
                               [this] { return now += tick; }, summary, std::move(stopRequested)});
    }
    std::vector<std::vector<std::string>> cells() {
        std::vector<std::vector<std::string>> all;
        for (const auto& row : rows.rows()) all.push_back(row.cells);
        return all;
    }
};

TEST(ExtractionRun, EmptyListSaysSoAndChangesNothingElse) {
    RunFixture f;
    EXPECT_EQ(f.run(), RunOutcome::NoFiles);
    ASSERT_EQ(f.platform.messages.size(), 1u);
    EXPECT_EQ(f.platform.messages[0].text, "No files added.");
    EXPECT_EQ(f.platform.messages[0].title, "Harvelux");
    EXPECT_EQ(f.platform.messages[0].icon, platform::Icon::None);
    EXPECT_EQ(f.shown + f.hidden, 0);
    EXPECT_TRUE(f.progress.values.empty());
    EXPECT_EQ(f.pointer.current(), PointerShape::Default);
}

TEST(ExtractionRun, ProgressRowsAndWindowsForFourDocuments) {
    RunFixture f;
    f.files.items = {"/d/1.doc", "/d/2.doc", "/d/3.doc", "/d/4.doc"};
    f.reader.texts = {{"/d/1.doc", "a@example.com b@example.com"},
                      {"/d/2.doc", "B@EXAMPLE.COM c@example.com"},
                      {"/d/4.doc", "no address"}};
    EXPECT_EQ(f.run(), RunOutcome::Completed);
    EXPECT_THAT(f.progress.values, ElementsAre(25, 50, 75, 100, 0));
    EXPECT_THAT(f.progress.texts, ElementsAre(extract::kProgressWorking, "Progress Bar"));
    EXPECT_EQ(f.cells(),
              (std::vector<std::vector<std::string>>{{"a@example.com"}, {"b@example.com"}, {"c@example.com"}}));
    EXPECT_EQ(f.shown, 1);
    EXPECT_EQ(f.hidden, 1);
    EXPECT_TRUE(f.platform.messages.empty());
    EXPECT_EQ(f.pointer.current(), PointerShape::Default);
    EXPECT_EQ(f.platform.pumpCount, 1 + 4);  // once before the check, once per document
}

// A stop asked for during the second of four documents ends the run after
// it: the first two documents' rows, the results shown, the bar at rest.
TEST(ExtractionRun, StopEndsTheRunAfterTheCurrentDocument) {
    RunFixture f;
    f.files.items = {"/d/1.doc", "/d/2.doc", "/d/3.doc", "/d/4.doc"};
    f.reader.texts = {{"/d/1.doc", "a@example.com"}, {"/d/2.doc", "b@example.com"}, {"/d/3.doc", "c@example.com"}};
    extract::RunSummary summary;
    EXPECT_EQ(f.run(nullptr, &summary, [&f] { return f.reader.read.size() == 2; }), RunOutcome::Completed);
    EXPECT_EQ(f.reader.read, (std::vector<std::string>{"/d/1.doc", "/d/2.doc"}));
    EXPECT_EQ(f.cells(), (std::vector<std::vector<std::string>>{{"a@example.com"}, {"b@example.com"}}));
    EXPECT_THAT(f.progress.values, ElementsAre(25, 50, 0));
    EXPECT_THAT(f.progress.texts, ElementsAre(extract::kProgressWorking, "Progress Bar"));
    EXPECT_EQ(f.shown, 1);
    EXPECT_EQ(f.hidden, 1);
    EXPECT_TRUE(summary.stopped);
    EXPECT_EQ(summary.documentsDone, 2);
    EXPECT_EQ(summary.documents, 4);
    EXPECT_EQ(summary.addresses, 2u);
}

// Documents full of candidate words let messages through at most every
// 20 ms, and every document at least once, with its progress value shown.
TEST(ExtractionRun, MessagesGoThroughOncePerDocumentAndThenAtMostEvery20ms) {
    RunFixture f;
    std::string many;
    for (int i = 0; i < 1000; ++i) many += "w" + std::to_string(i) + "@example.com ";
    f.files.items = {"/d/many.doc", "/d/none.doc", "/d/few.doc", "/d/unreadable.doc"};
    f.reader.texts = {{"/d/many.doc", many}, {"/d/none.doc", "no address here"}, {"/d/few.doc", "a@b.cc c@d.ee"}};
    std::map<double, int> pumpsAt;  // progress value -> pumps while it showed
    f.platform.onPump = [&f, &pumpsAt] { ++pumpsAt[f.progress.values.empty() ? -1 : f.progress.values.back()]; };

    // The clock stands still: one pump before the check, one per document.
    f.run();
    EXPECT_EQ(pumpsAt, (std::map<double, int>{{-1, 1}, {25, 1}, {50, 1}, {75, 1}, {100, 1}}));

    // Each reading of the clock takes 1 ms: the thousand candidate words of
    // the first document let messages through about every twentieth word.
    pumpsAt.clear();
    f.rows = results::InMemoryListView::forOption(false);
    f.tick = std::chrono::milliseconds(1);
    f.run();
    EXPECT_NEAR(pumpsAt[25], 1000 / 20, 3);
    EXPECT_EQ(pumpsAt[50], 1);
    EXPECT_EQ(pumpsAt[75], 1);
    EXPECT_EQ(pumpsAt[100], 1);
    EXPECT_EQ(f.rows.rows().size(), 1002u);
}

TEST(ExtractionRun, FilenameRowsNameTheFirstDocumentAndReadTheOptionPerRow) {
    RunFixture f;
    f.rows = results::InMemoryListView::forOption(true);
    f.option = 1;
    f.files.items = {"/d/a.docx", "/d/b.docx"};
    f.reader.texts = {{"/d/a.docx", "x@example.com"}, {"/d/b.docx", "X@example.com y@example.com z@example.com"}};
    f.run();
    EXPECT_EQ(f.cells(),
              (std::vector<std::vector<std::string>>{
                  {"/d/a.docx", "x@example.com"}, {"/d/b.docx", "y@example.com"}, {"/d/b.docx", "z@example.com"}}));

    RunFixture g;
    g.files.items = {"/d/a.docx"};
    g.reader.texts = {{"/d/a.docx", "p@example.com q@example.com"}};
    g.option = 1;
    struct Toggle final : extract::ResultRowSink {
        results::InMemoryListView table = results::InMemoryListView::forOption(true);
        int* option;
        RowId addRow(const std::string& text) override {
            *option = 0;  // whatever the row, the next one is read with the option cleared
            return table.addRow(text);
        }
        void setSecondColumn(RowId row, const std::string& text) override { table.setSecondColumn(row, text); }
    } toggle;
    toggle.option = &g.option;
    extract::Start(
        {g.files, [&g] { return g.option; }, toggle, g.progress, g.pointer, g.platform, g.reader, [] {}, [] {}});
    ASSERT_EQ(toggle.table.rows().size(), 2u);
    EXPECT_EQ(toggle.table.rows()[0].cells, (std::vector<std::string>{"/d/a.docx", "p@example.com"}));
    EXPECT_EQ(toggle.table.rows()[1].cells, (std::vector<std::string>{"q@example.com"}));
}

TEST(ExtractionRun, RunningWordProcessorAsksAndNoEndsTheRun) {
    RunFixture f;
    f.files.items = {"/d/a.docx"};
    f.reader.abandon = true;
    EXPECT_EQ(f.run(), RunOutcome::Declined);
    EXPECT_TRUE(f.reader.read.empty());
    EXPECT_EQ(f.shown, 0);
    EXPECT_EQ(f.pointer.current(), PointerShape::Default);
}

TEST(ExtractionRun, WarningTextAndAnswersThroughTheReader) {
    platform::ScriptedPlatform ui;
    platform::RememberedPointer pointer;
    wordproc::BuiltInEngineFactory engine;
    bool running = true;
    extract::Word1 word(engine, ui, pointer, [&running] { return running; });

    ui.answers = {Answer::Yes};
    EXPECT_FALSE(word.WarnIfWordOpen());
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text,
              "Word may be open. It is recommended that you close Word first. Use Ctrl+Alt+Del > Task Manager > "
              "WINWORD.EXE if necessary.\r\n\r\nWould you like to proceed anyway?");
    EXPECT_EQ(ui.messages[0].buttons, platform::Buttons::YesNo);

    ui.answers = {Answer::No};
    EXPECT_TRUE(word.WarnIfWordOpen());

    running = false;
    EXPECT_FALSE(word.WarnIfWordOpen());
    extract::Word1 throwing(engine, ui, pointer, []() -> bool { throw std::runtime_error("no /proc"); });
    EXPECT_FALSE(throwing.WarnIfWordOpen());
    EXPECT_EQ(ui.messages.size(), 2u);
}

TEST(ExtractionRun, AFailingStepIsReportedWithItsLineAndTheRunGoesOn) {
    RunFixture f;
    f.files.items = {"/d/1.doc", "/d/2.doc", "/d/3.doc"};
    f.reader.texts = {{"/d/1.doc", "a@example.com"}, {"/d/3.doc", "c@example.com"}};
    f.reader.failing = {"/d/2.doc"};
    EXPECT_EQ(f.run(), RunOutcome::Completed);
    ASSERT_EQ(f.platform.messages.size(), 1u);
    const auto& report = f.platform.messages[0];
    EXPECT_EQ(report.text,
              "Automation error\r\nin Harvelux5/20/2014.Form1.Start at line 124\r\r"
              "Please email screenshot of this message to support@quenbrook.com");
    EXPECT_EQ(report.title, "Application Error");
    EXPECT_EQ(report.icon, platform::Icon::Warning);
    EXPECT_EQ(f.cells(), (std::vector<std::vector<std::string>>{{"a@example.com"}, {"c@example.com"}}));
    EXPECT_EQ(f.shown, 1);

    // With a report of its own (the command-line extractor's), the same
    // failure goes there and no message box is shown.
    RunFixture g;
    g.files.items = f.files.items;
    g.reader = f.reader;
    std::vector<std::pair<int, std::string>> reported;
    extract::RunWiring wiring{g.files,    [] { return 0; }, g.rows, g.progress, g.pointer,
                              g.platform, g.reader,         [] {},  [] {}};
    wiring.reportFailure = [&](int line, const std::string& description) { reported.emplace_back(line, description); };
    EXPECT_EQ(extract::Start(wiring), RunOutcome::Completed);
    EXPECT_THAT(reported, ElementsAre(std::pair<int, std::string>(124, "Automation error")));
    EXPECT_TRUE(g.platform.messages.empty());
    EXPECT_EQ(g.cells(), f.cells());
}

TEST(ExtractionRun, ItemsRemovedDuringTheRunAreReportedNotFatal) {
    RunFixture f;
    f.files.items = {"/d/1.doc", "/d/2.doc"};
    f.reader.texts = {{"/d/1.doc", "a@example.com"}};
    // While the first document's candidates are examined, the list is cleared.
    f.platform.onPump = [&f] {
        if (f.platform.pumpCount == 2) f.files.items.clear();
    };
    EXPECT_EQ(f.run(), RunOutcome::Completed);
    // Line 116 divides by the count of now (zero), line 120 finds no item 2.
    std::vector<std::string> lines;
    for (const auto& m : f.platform.messages) lines.push_back(m.text.substr(m.text.find("at line"), 11));
    EXPECT_THAT(lines, ElementsAre("at line 116", "at line 120"));
    EXPECT_EQ(f.cells(), (std::vector<std::vector<std::string>>{{"a@example.com"}}));
}

TEST(ExtractionRun, EngineThatCannotStartGivesTwoReportsPerDocument) {
    struct NoEngine final : wordproc::ApplicationFactory {
        std::unique_ptr<wordproc::Application> create() override {
            throw wordproc::EngineError("ActiveX component can't create object");
        }
    } engine;
    RunFixture f;
    f.files.items = {"/d/1.doc", "/d/2.doc"};
    extract::Word1 word(engine, f.platform, f.pointer, nullptr);
    EXPECT_EQ(f.run(&word), RunOutcome::Completed);
    ASSERT_EQ(f.platform.messages.size(), 4u);
    EXPECT_THAT(f.platform.messages[0].text,
                HasSubstr("ActiveX component can't create object\r\n"
                          "in Harvelux5/20/2014.Word1.ReturnDocumentString at line 102\r\r"));
    EXPECT_THAT(f.platform.messages[1].text, HasSubstr("in Harvelux5/20/2014.Form1.Start at line 124\r\r"));
    EXPECT_EQ(f.platform.messages[2].text, f.platform.messages[0].text);
    EXPECT_TRUE(f.rows.rows().empty());
}

// Unreadable inputs through the real engine: no rows, no message, the run goes on.
TEST(ExtractionRun, UnreadableDocumentsGiveNoRowsAndNoMessages) {
    testfiles::TempDir dir;
    testfiles::writeFile(dir.file("empty.docx"), "");
    testfiles::writeFile(dir.file("random.docx"), std::string("PK\x03\x04\x01\x02\xff\x00garbage\x00\x9c", 16));
    std::string noise;
    for (int i = 0; i < 4096; ++i) noise += static_cast<char>((i * 7919) % 251);
    testfiles::writeFile(dir.file("noise.docx"), noise);
    ASSERT_EQ(::mkfifo(dir.file("pipe.docx").c_str(), 0600), 0);
    testfiles::writeFile(dir.file("good.docx"), testfiles::makeDocxWithParagraphs({"mail ok@example.com"}));

    RunFixture f;
    f.files.items = {dir.file("missing.docx"), dir.path(),
                     dir.file("empty.docx"),   dir.file("pipe.docx"),
                     dir.file("random.docx"),  dir.file("noise.docx"),
                     dir.file("good.docx")};
    wordproc::BuiltInEngineFactory engine;
    extract::Word1 word(engine, f.platform, f.pointer, nullptr);
    std::vector<std::string> unreadable;
    word.setUnreadableObserver(
        [&](const std::string& path, const std::string&, wordproc::UnreadableReason) { unreadable.push_back(path); });
    extract::RunSummary summary;
    EXPECT_EQ(f.run(&word, &summary), RunOutcome::Completed);
    EXPECT_TRUE(f.platform.messages.empty());
    EXPECT_EQ(f.cells(), (std::vector<std::vector<std::string>>{{"ok@example.com"}}));
    EXPECT_EQ(unreadable, (std::vector<std::string>{dir.file("missing.docx"), dir.path(), dir.file("pipe.docx"),
                                                    dir.file("random.docx"), dir.file("noise.docx")}));
    // The run keeps each one with its cause in the engine's words (as
    // harvelux-extract gives it), in list order.
    std::vector<std::pair<std::string, std::string>> unread;
    for (const auto& entry : summary.unread) unread.emplace_back(entry.path, entry.reason);
    const auto cannotOpen = [](const std::string& path, const char* why) { return "Cannot open " + path + ": " + why; };
    EXPECT_EQ(unread, (std::vector<std::pair<std::string, std::string>>{
                          {dir.file("missing.docx"), cannotOpen(dir.file("missing.docx"), "No such file or directory")},
                          {dir.path(), cannotOpen(dir.path(), "not a regular file")},
                          {dir.file("pipe.docx"), cannotOpen(dir.file("pipe.docx"), "not a regular file")},
                          {dir.file("random.docx"), "not a readable ZIP archive"},
                          {dir.file("noise.docx"), "unknown document format"}}));
    EXPECT_EQ(summary.documents, 7);
    EXPECT_EQ(summary.documentsDone, 7);
    EXPECT_EQ(summary.addresses, 1u);
    EXPECT_FALSE(summary.stopped);
}

}  // namespace
