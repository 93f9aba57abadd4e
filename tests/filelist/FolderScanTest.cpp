// Folder scans over real trees: level order, what is entered and what is
// listed, and that links back up the tree end the walk.
#include "../support/TempTree.h"
#include "../support/Unprivileged.h"
#include "filelist/AddFolder.h"
#include "filelist/DropExpansion.h"
#include "filelist/FolderScan.h"
#include "wordproc/FormatTable.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <algorithm>
#include <cctype>
#include <filesystem>
#include <future>
#include <set>

namespace harvelux::filelist {
namespace {

using harvelux::testing::runUnprivileged;
using harvelux::testing::TempTree;
using ::testing::ElementsAre;
using ::testing::IsEmpty;
using ::testing::IsSupersetOf;
using ::testing::UnorderedElementsAre;

void makeTree(const TempTree& tree) {
    for (const char* folder : {"A", "B", "A/A1", "B/B1", "B/B1/deep", ".hidden"}) tree.folder(folder);
    for (const char* file : {"r.doc", "A/a.docx", "A/~$a.docx", "A/notes.docx.bak", "B/report.DOTM", "B/readme",
                             "A/A1/x.dot", "B/B1/deep/z.doc", ".hidden/secret.doc", ".visible.doc"})
        tree.file(file);
}

std::size_t indexOf(const std::vector<std::string>& list, const std::string& value) {
    return static_cast<std::size_t>(std::find(list.begin(), list.end(), value) - list.begin());
}

TEST(FolderScan, DocumentPatternLooksAtTheLastExtensionOnly) {
    for (const char* name : {"a.doc", "b.DOCX", "c.dotm", "report.DOTM", "x.Do", "x.y.Do", "archive.tar.docx"})
        EXPECT_TRUE(matchesPattern(name, "*.do*")) << name;
    for (const char* name : {"notes.docx.bak", "readme", "doc", "a.d", "a.odt", "a.doc.", ".docx.txt"})
        EXPECT_FALSE(matchesPattern(name, "*.do*")) << name;
    EXPECT_TRUE(matchesPattern("anything", "*"));
    EXPECT_TRUE(matchesPattern(".hidden", "*"));
    EXPECT_TRUE(matchesPattern("readme", "*"));
}

TEST(FolderScan, ReducesOnlyALeadingDoubledSeparator) {
    EXPECT_EQ(reduceRootSeparator("//a.doc"), "/a.doc");
    EXPECT_EQ(reduceRootSeparator("//Sub/b.doc"), "/Sub/b.doc");
    EXPECT_EQ(reduceRootSeparator("/home/u/a.doc"), "/home/u/a.doc");
    EXPECT_EQ(reduceRootSeparator("/home//a.doc"), "/home//a.doc");
}

TEST(FolderScan, CollectsFoldersLevelByLevelGroupedByParent) {
    TempTree tree;
    tree.folder("A/A1/A11");
    tree.folder("A/A2");
    tree.folder("B/B1");
    std::vector<std::string> list{tree.root() + "/"};
    CollectSubfolders(list, true);

    const std::string r = tree.root() + "/";
    ASSERT_EQ(list.size(), 7u);
    EXPECT_EQ(list[0], r);
    EXPECT_THAT(std::vector<std::string>(list.begin() + 1, list.begin() + 3), UnorderedElementsAre(r + "A/", r + "B/"));
    EXPECT_THAT(std::vector<std::string>(list.begin() + 3, list.begin() + 6),
                UnorderedElementsAre(r + "A/A1/", r + "A/A2/", r + "B/B1/"));
    EXPECT_EQ(list[6], r + "A/A1/A11/");
    // Children follow the order of their parents.
    const bool aFirst = indexOf(list, r + "A/") < indexOf(list, r + "B/");
    EXPECT_EQ(aFirst, indexOf(list, r + "A/A2/") < indexOf(list, r + "B/B1/"));
}

TEST(FolderScan, WithoutRecursionTakesOneLevel) {
    TempTree tree;
    tree.folder("A/A1");
    std::vector<std::string> list{tree.root() + "/"};
    CollectSubfolders(list, false);
    EXPECT_THAT(list, ElementsAre(tree.root() + "/", tree.root() + "/A/"));
}

TEST(FolderScan, HiddenAndSystemEntriesAreNotEnteredButHiddenFilesAreListed) {
    TempTree tree;
    tree.file(".hidden/inside.doc");
    tree.file(".secret.doc");
    tree.file("visible.doc");
    tree.fifo("pipe.doc");
    tree.fifo("sub/another-pipe");
    tree.file("sub/deep.docx");

    std::vector<std::string> list{tree.root() + "/"};
    CollectSubfolders(list, true);
    EXPECT_THAT(list, ElementsAre(tree.root() + "/", tree.root() + "/sub/"));

    // The FIFO is never listed (and never opened, so this cannot block).
    EXPECT_THAT(ListFiles(tree.root(), "*.do*"), UnorderedElementsAre(".secret.doc", "visible.doc"));
    EXPECT_THAT(ListFiles(tree.root() + "/sub/", "*"), ElementsAre("deep.docx"));
}

TEST(FolderScan, LinkBackUpTheTreeEndsTheWalk) {
    TempTree tree;
    tree.file("top.doc");
    tree.file("a/b/inner.doc");
    tree.link("a/b/up", tree.root());
    tree.link("a/loop", "../a");

    // Guard against a regression looping for ever: the scan runs elsewhere.
    auto scan = std::async(std::launch::async, [&] { return FolderDocuments(tree.root()); });
    ASSERT_EQ(scan.wait_for(std::chrono::seconds(20)), std::future_status::ready);
    EXPECT_THAT(scan.get(), ElementsAre(tree.path("top.doc"), tree.path("a/b/inner.doc")));
}

TEST(FolderScan, LinkedFolderElsewhereIsEnteredOnce) {
    TempTree outside;
    outside.file("shared.doc");
    TempTree tree;
    tree.link("one", outside.root());
    tree.link("two", outside.root());
    const auto docs = FolderDocuments(tree.root());
    ASSERT_EQ(docs.size(), 1u);
    EXPECT_TRUE(docs[0] == tree.path("one/shared.doc") || docs[0] == tree.path("two/shared.doc")) << docs[0];
}

TEST(FolderScan, AddFolderTakesDocumentsAndSkipsLockFiles) {
    TempTree tree;
    tree.file("Offer.docx");
    tree.file("~$Offer.docx");
    tree.file(".~lock.Offer.docx#");
    tree.file(".~lock.docx");  // not a lock file: no "#"
    tree.file("notes.docx.bak");
    tree.file("report.DOTM");
    tree.file("song.mp3");
    tree.file("sub/Offer.docx");
    tree.file("sub/~$Offer.docx");
    tree.file("sub/.~lock.Offer.docx#");

    const auto docs = FolderDocuments(tree.root());
    ASSERT_EQ(docs.size(), 4u);
    EXPECT_THAT(std::vector<std::string>(docs.begin(), docs.begin() + 3),
                UnorderedElementsAre(tree.path("Offer.docx"), tree.path(".~lock.docx"), tree.path("report.DOTM")));
    EXPECT_EQ(docs[3], tree.path("sub/Offer.docx"));
    // A dropped folder skips them too.
    EXPECT_EQ(ExpandDrop({tree.root()}).size(), 6u);  // and picture.png, notes.docx.bak
}

TEST(FolderScan, AddFolderTakesEveryUsualNameOfTheTableOfFormatsInAnyCase) {
    TempTree tree;
    std::set<std::string> names;
    bool upper = false;
    for (const wordproc::FormatEntry& entry : wordproc::formatTable()) {
        for (const std::string_view extension : entry.extensionList()) {
            std::string name = "a." + std::string(extension);
            if (upper)
                for (char& c : name) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
            upper = !upper;
            if (names.insert(tree.path(name)).second) tree.file(name);
        }
    }
    tree.file("song.mp3");
    tree.file("a.txt.bak");
    EXPECT_THAT(FolderDocuments(tree.root()), ::testing::UnorderedElementsAreArray(names));
}

TEST(FolderScan, AddFolderListsEverySample) { EXPECT_EQ(FolderDocuments(HARVELUX_SOURCE_DIR "/Samples").size(), 9u); }

TEST(FolderScan, DocumentsOfALevelComeBeforeTheNextLevel) {
    TempTree tree;
    tree.file("A/A1/deep.doc");
    tree.file("B/b.doc");
    tree.file("A/a.doc");
    tree.file("root.doc");
    const auto docs = FolderDocuments(tree.root());
    ASSERT_EQ(docs.size(), 4u);
    EXPECT_EQ(docs[0], tree.path("root.doc"));
    EXPECT_THAT(std::vector<std::string>(docs.begin() + 1, docs.begin() + 3),
                UnorderedElementsAre(tree.path("A/a.doc"), tree.path("B/b.doc")));
    EXPECT_EQ(docs[3], tree.path("A/A1/deep.doc"));
}

TEST(FolderScan, LevelOrderSkippingHiddenFoldersAndLockFiles) {
    TempTree tree;
    makeTree(tree);
    std::vector<std::string> folders{tree.root() + "/"};
    int pumps = 0;
    CollectSubfolders(folders, true, [&] { ++pumps; });
    ASSERT_EQ(folders.size(), 6u);
    EXPECT_EQ(folders[0], tree.root() + "/");
    // Level one (listing order), then level two, then three.
    EXPECT_THAT(std::vector<std::string>(folders.begin() + 1, folders.begin() + 3),
                UnorderedElementsAre(tree.path("A/"), tree.path("B/")));
    EXPECT_THAT(std::vector<std::string>(folders.begin() + 3, folders.begin() + 5),
                UnorderedElementsAre(tree.path("A/A1/"), tree.path("B/B1/")));
    EXPECT_EQ(folders[5], tree.path("B/B1/deep/"));
    EXPECT_GT(pumps, 10);

    const std::vector<std::string> paths = ScanTree(tree.root(), "*.do*");
    EXPECT_THAT(
        paths, UnorderedElementsAre(tree.path("r.doc"), tree.path(".visible.doc"), tree.path("A/a.docx"),
                                    tree.path("B/report.DOTM"), tree.path("A/A1/x.dot"), tree.path("B/B1/deep/z.doc")));
    // The chosen folder's documents come first, the deepest last.
    EXPECT_EQ(paths.back(), tree.path("B/B1/deep/z.doc"));
    EXPECT_LT(indexOf(paths, tree.path("r.doc")), indexOf(paths, tree.path("A/a.docx")));
    EXPECT_LT(indexOf(paths, tree.path("B/report.DOTM")), indexOf(paths, tree.path("A/A1/x.dot")));
}

TEST(FolderScan, FifosAreNeverListedAndLinkCyclesEnd) {
    TempTree tree;
    tree.file("top/sub/a.doc");
    tree.fifo("top/pipe.doc");
    tree.link("top/sub/back", tree.path("top"));
    std::filesystem::create_symlink(tree.path("top/sub/a.doc"), tree.path("top/link.doc"));
    const std::vector<std::string> paths = ScanTree(tree.path("top"), "*");
    EXPECT_THAT(paths, UnorderedElementsAre(tree.path("top/link.doc"), tree.path("top/sub/a.doc")));
}

TEST(FolderScan, NamesKeepTheirBytesAndSuchFoldersAreEntered) {
    TempTree tree;
    tree.file(
        "bad\xff"
        "folder/inside.doc");
    tree.file("caf\xe9.doc");
    tree.file("caf?.doc");
    tree.file("what?/inside.doc");  // a real "?" is an ordinary character
    EXPECT_THAT(FolderDocuments(tree.root()),
                UnorderedElementsAre(tree.path("bad\xff"
                                               "folder/inside.doc"),
                                     tree.path("caf\xe9.doc"), tree.path("caf?.doc"), tree.path("what?/inside.doc")));
}

TEST(FolderScan, NotesWhatItCannotListEnterOrOpen) {
    TempTree tree;
    tree.file("open/a.doc");
    tree.file("shut/b.doc");
    tree.file("no-entry/c.doc");
    ::chmod(tree.path("shut").c_str(), 0);
    ::chmod(tree.path("no-entry").c_str(), 0444);  // listed, but nothing in it can be looked at
    ::chmod(tree.root().c_str(), 0755);
    const std::string tooLong = testfiles::makeTooLongPath(tree.root(), "x");
    // Root may list and enter anything: the scan runs as another user.
    EXPECT_EQ(runUnprivileged([&] {
                  ScanProblems problems;
                  const auto docs = FolderDocuments(tree.root(), {}, &problems);
                  std::set<std::string> noted;
                  for (const ScanProblem& p : problems.items()) noted.insert(p.path + ": " + p.reason);
                  return docs == std::vector<std::string>{tree.path("open/a.doc")} &&
                                 noted == std::set<std::string>{tree.path("no-entry") + ": Permission denied",
                                                                tree.path("shut") + ": Permission denied",
                                                                tooLong + ": File name too long"}
                             ? 0
                             : 1;
              }),
              0);
    ::chmod(tree.path("shut").c_str(), 0755);
    ::chmod(tree.path("no-entry").c_str(), 0755);
}

TEST(FolderScan, PumpsWhileCollectingFolders) {
    TempTree tree;
    tree.file("a/x.doc");
    tree.file("b/y.doc");
    int pumps = 0;
    FolderDocuments(tree.root(), [&] { ++pumps; });
    // Once per folder listed and once per name seen, at least.
    EXPECT_GE(pumps, 5);
}

TEST(FolderScan, MissingFolderGivesNothing) {
    EXPECT_THAT(FolderDocuments("/nonexistent/harvelux/folder"), IsEmpty());
    EXPECT_THAT(ListFiles("/nonexistent/harvelux/folder", "*"), IsEmpty());
}

}  // namespace
}  // namespace harvelux::filelist
