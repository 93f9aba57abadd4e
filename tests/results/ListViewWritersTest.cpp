#include "results/InMemoryListView.h"
#include "results/ListViewWriters.h"

#include "OutOfMemoryList.h"
#include "ScriptedPlatform.h"
#include "TestFiles.h"

#include <filesystem>

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <new>
#include <string>
#include <vector>

namespace {

using namespace harvelux;
using results::InMemoryListView;

InMemoryListView addresses(std::initializer_list<const char*> list) {
    InMemoryListView table = InMemoryListView::forOption(false);
    for (const char* a : list) table.appendRow({a});
    return table;
}

TEST(ListViewWriters, EmptyList) {
    const InMemoryListView one = InMemoryListView::forOption(false);
    EXPECT_EQ(results::buildTextFile(one), "Email Results\t\r\n\r\n");
    EXPECT_EQ(results::buildCommaFile(one), "Email Results\r\n\r\n");
    EXPECT_FALSE(results::buildClipboardText(one).has_value());
    platform::ScriptedPlatform ui;
    ui.setClipboardText("before");
    results::ListViewToClipboard(one, ui);
    EXPECT_EQ(ui.clipboard(), "before");
    const InMemoryListView two = InMemoryListView::forOption(true);
    EXPECT_EQ(results::buildTextFile(two), "Filename\tEmails\t\r\n\r\n");
    EXPECT_EQ(results::buildCommaFile(two), "Filename, Emails\r\n\r\n");
}

TEST(ListViewWriters, NineAndFifteenCharacterAddresses) {
    const InMemoryListView table = addresses({"a@b.co.uk", "abcdef@ghij.com"});
    EXPECT_EQ(results::buildTextFile(table),
              "Email Results  \t\r\n"
              "a@b.co.uk      \t\r\n"
              "abcdef@ghij.com\t\r\n"
              "\r\n");
    EXPECT_EQ(results::buildCommaFile(table), "Email Results\r\na@b.co.uk, \r\nabcdef@ghij.com, \r\n\r\n");
    EXPECT_EQ(results::buildClipboardText(table), "a@b.co.uk\r\nabcdef@ghij.com\r\n");
}

TEST(ListViewWriters, ShortAddressesArePaddedToTheCaption) {
    EXPECT_EQ(results::buildTextFile(addresses({"x@y.cc"})), "Email Results\t\r\nx@y.cc       \t\r\n\r\n");
}

TEST(ListViewWriters, UncheckedRowsAreMeasuredButNotWritten) {
    InMemoryListView table = addresses({"short@x.io", "much.longer.address@example.com"});
    for (auto& row : table.rows()) row.checked = false;
    EXPECT_EQ(results::buildTextFile(table), "Email Results" + std::string(18, ' ') + "\t\r\n\r\n");
    EXPECT_EQ(results::buildCommaFile(table), "Email Results\r\n\r\n");
    EXPECT_EQ(results::buildClipboardText(table), "");
    table.rows()[0].checked = true;
    EXPECT_EQ(results::buildClipboardText(table), "short@x.io\r\n");
}

TEST(ListViewWriters, TwoColumnsAndPathsWithCommas) {
    InMemoryListView table = InMemoryListView::forOption(true);
    table.appendRow({"/home/ann/a, b.docx", "x@example.com"});
    table.appendRow({"/c.doc", "longer.one@example.com"});
    EXPECT_EQ(results::buildClipboardText(table),
              "/home/ann/a, b.docx\tx@example.com\r\n"
              "/c.doc             \tlonger.one@example.com\r\n");
    EXPECT_EQ(results::buildCommaFile(table),
              "Filename, Emails\r\n/home/ann/a, b.docx, x@example.com\r\n/c.doc, longer.one@example.com\r\n\r\n");
    EXPECT_EQ(results::buildTextFile(table),
              "Filename           \tEmails                \t\r\n"
              "/home/ann/a, b.docx\tx@example.com         \t\r\n"
              "/c.doc             \tlonger.one@example.com\t\r\n\r\n");
}

// The last cell's padding goes, and only spaces go: an empty last cell
// leaves the separator after the padded first cell.
TEST(ListViewWriters, WidthsCountUtf16UnitsAndClipboardTrimsOnlySpaces) {
    InMemoryListView table = InMemoryListView::forOption(true);
    table.appendRow({"/caf\xC3\xA9.doc", "a@b.cc"});
    table.appendRow({"/x.doc", ""});
    EXPECT_EQ(results::buildClipboardText(table), "/caf\xC3\xA9.doc\ta@b.cc\r\n/x.doc   \t\r\n");
}

TEST(ListViewWriters, PumpsWhileMeasuringAndBuilding) {
    const InMemoryListView table = addresses({"a@b.cc", "c@d.ee"});
    int pumps = 0;
    results::buildTextFile(table, [&] { ++pumps; });
    EXPECT_EQ(pumps, 2 + 1 + 2 * 2);  // measuring rows, the caption, each row and cell
}

// With a pump the file is written on a worker thread: the same bytes, the
// same refusal of a path that cannot be written, and the existing file kept.
TEST(ListViewWriters, FilesWrittenWhilePumpingAreTheSameAndFailuresAreReported) {
    const testfiles::TempDir dir;
    const std::string& folder = dir.path();
    InMemoryListView table = InMemoryListView::forOption(true);
    for (int i = 0; i < 20000; ++i)
        table.appendRow({"/docs/file" + std::to_string(i / 10) + ".docx", "user" + std::to_string(i) + "@example.com"});
    table.rows()[7].checked = false;

    int pumps = 0;
    const results::ExportPump pump = [&] { ++pumps; };
    std::string error;
    ASSERT_TRUE(results::ListViewToTextFile(table, folder + "/text.txt", error, pump)) << error;
    ASSERT_TRUE(results::ListViewToCommaFile(table, folder + "/comma.txt", error, pump)) << error;
    EXPECT_EQ(testfiles::readFile(folder + "/text.txt"), results::buildTextFile(table));
    EXPECT_EQ(testfiles::readFile(folder + "/comma.txt"), results::buildCommaFile(table));
    EXPECT_GT(pumps, 0);

    testfiles::writeFile(folder + "/plain", "a file, not a folder");
    EXPECT_FALSE(results::ListViewToTextFile(table, folder + "/plain/out.txt", error, pump));
    EXPECT_NE(error.find(folder + "/plain/out.txt"), std::string::npos);
    error.clear();
    EXPECT_FALSE(results::ListViewToCommaFile(table, folder + "/plain/out.txt", error));
    EXPECT_NE(error.find(folder + "/plain/out.txt"), std::string::npos);
    EXPECT_EQ(testfiles::readFile(folder + "/plain"), "a file, not a folder");
}

// A wide cell makes every padded line as wide: the writers hand the bytes
// on in bounded pieces, and stop at the first piece the output refuses.
TEST(ListViewWriters, WritersStreamBoundedPiecesAndStopWhenRefused) {
    InMemoryListView table = InMemoryListView::forOption(true);
    const std::string wide = "/docs/" + std::string(256 << 10, 'w');
    table.appendRow({wide, "w@example.com"});
    for (int i = 0; i < 200; ++i) table.appendRow({"/docs/a.docx", "u" + std::to_string(i) + "@example.com"});
    const std::size_t line = wide.size() + 1 + 2;

    using Writer = bool (*)(const results::ListViewSource&, const results::ExportOutput&, const results::ExportPump&);
    for (const Writer writer : {Writer(&results::writeTextFile), Writer(&results::writeClipboardText)}) {
        std::size_t total = 0;
        std::size_t largest = 0;
        EXPECT_TRUE(writer(table,
                           [&](std::string_view piece) {
                               total += piece.size();
                               largest = std::max(largest, piece.size());
                               return true;
                           },
                           {}));
        EXPECT_GE(total, 200 * (line - 20));
        EXPECT_LE(largest, std::size_t(64) << 10);

        int pieces = 0;
        EXPECT_FALSE(writer(table, [&](std::string_view) { return ++pieces < 3; }, {}));
        EXPECT_EQ(pieces, 3);
    }
}

// Out of memory while writing a file is a message, never an abort: the file
// is left as it was.
TEST(ListViewWriters, OutOfMemoryIsReportedAndNothingIsWritten) {
    testfiles::TempDir dir;
    testfiles::writeFile(dir.file("out.txt"), "before");
    const results::testing::OutOfMemoryList list;
    std::string error;
    EXPECT_FALSE(results::ListViewToTextFile(list, dir.file("out.txt"), error, [] {}));
    EXPECT_EQ(error, "There is not enough memory to write " + dir.file("out.txt") + ".");
    EXPECT_FALSE(results::ListViewToCommaFile(list, dir.file("out.txt"), error));
    EXPECT_EQ(testfiles::readFile(dir.file("out.txt")), "before");
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(dir.path())) names.push_back(entry.path().filename());
    EXPECT_EQ(names, std::vector<std::string>{"out.txt"});
    EXPECT_THROW(results::ListViewToClipboard(list, *std::make_unique<platform::ScriptedPlatform>()), std::bad_alloc);
}

}  // namespace
