#include "filelist/FolderScan.h"

#include "TestFiles.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

namespace {

using namespace harvelux;
using filelist::CollectSubfolders;
using filelist::ListFiles;
using filelist::matchesPattern;
using filelist::ScanTree;
using ::testing::UnorderedElementsAre;

void makeTree(const testfiles::TempDir& dir) {
    namespace fs = std::filesystem;
    for (const char* folder : {"A", "B", "A/A1", "B/B1", "B/B1/deep", ".hidden"}) fs::create_directories(dir.file(folder));
    for (const char* file : {"r.doc", "A/a.docx", "A/~$a.docx", "A/notes.docx.bak", "B/report.DOTM", "B/readme",
                             "A/A1/x.dot", "B/B1/deep/z.doc", ".hidden/secret.doc", ".visible.doc"})
        testfiles::writeFile(dir.file(file), "x");
}

TEST(FolderScan, PatternTakesExtensionsStartingWithDo) {
    EXPECT_TRUE(matchesPattern("a.doc", "*.do*"));
    EXPECT_TRUE(matchesPattern("b.DOCX", "*.do*"));
    EXPECT_TRUE(matchesPattern("c.dotm", "*.do*"));
    EXPECT_TRUE(matchesPattern("x.y.Do", "*.do*"));
    EXPECT_FALSE(matchesPattern("notes.docx.bak", "*.do*"));
    EXPECT_FALSE(matchesPattern("readme", "*.do*"));
    EXPECT_FALSE(matchesPattern("a.d", "*.do*"));
    EXPECT_TRUE(matchesPattern("readme", "*"));
}

TEST(FolderScan, LevelOrderSkippingHiddenFoldersAndLockFiles) {
    testfiles::TempDir dir;
    makeTree(dir);
    std::vector<std::string> folders{dir.path() + "/"};
    int pumps = 0;
    CollectSubfolders(folders, true, [&] { ++pumps; });
    ASSERT_EQ(folders.size(), 6u);
    EXPECT_EQ(folders[0], dir.path() + "/");
    // Level one (listing order), then level two, then three.
    EXPECT_THAT(std::vector<std::string>(folders.begin() + 1, folders.begin() + 3),
                UnorderedElementsAre(dir.file("A/"), dir.file("B/")));
    EXPECT_THAT(std::vector<std::string>(folders.begin() + 3, folders.begin() + 5),
                UnorderedElementsAre(dir.file("A/A1/"), dir.file("B/B1/")));
    EXPECT_EQ(folders[5], dir.file("B/B1/deep/"));
    EXPECT_GT(pumps, 10);

    const std::vector<std::string> paths = ScanTree(dir.path(), "*.do*");
    EXPECT_THAT(paths, UnorderedElementsAre(dir.file("r.doc"), dir.file(".visible.doc"), dir.file("A/a.docx"),
                                            dir.file("B/report.DOTM"), dir.file("A/A1/x.dot"),
                                            dir.file("B/B1/deep/z.doc")));
    // The chosen folder's documents come first, the deepest last.
    EXPECT_EQ(paths.back(), dir.file("B/B1/deep/z.doc"));
    const auto position = [&](const std::string& p) { return std::find(paths.begin(), paths.end(), p) - paths.begin(); };
    EXPECT_LT(position(dir.file("r.doc")), position(dir.file("A/a.docx")));
    EXPECT_LT(position(dir.file("B/report.DOTM")), position(dir.file("A/A1/x.dot")));
}

TEST(FolderScan, FifosAreNeverListedAndLinkCyclesEnd) {
    testfiles::TempDir dir;
    std::filesystem::create_directories(dir.file("top/sub"));
    testfiles::writeFile(dir.file("top/sub/a.doc"), "x");
    ASSERT_EQ(::mkfifo(dir.file("top/pipe.doc").c_str(), 0600), 0);
    std::filesystem::create_directory_symlink(dir.file("top"), dir.file("top/sub/back"));
    std::filesystem::create_symlink(dir.file("top/sub/a.doc"), dir.file("top/link.doc"));
    const std::vector<std::string> paths = ScanTree(dir.file("top"), "*");
    EXPECT_THAT(paths, UnorderedElementsAre(dir.file("top/link.doc"), dir.file("top/sub/a.doc")));
}

TEST(FolderScan, BadlyEncodedNamesAndUnreadableFolders) {
    testfiles::TempDir dir;
    std::filesystem::create_directories(dir.file("ok"));
    std::filesystem::create_directories(dir.path() + "/bad\xff");
    testfiles::writeFile(dir.path() + "/bad\xff/inside.doc", "x");
    testfiles::writeFile(dir.path() + "/ok/caf\xe9.doc", "x");
    testfiles::writeFile(dir.file("ok/real?.doc"), "x");
    EXPECT_THAT(ListFiles(dir.file("ok"), "*.do*"), UnorderedElementsAre("caf?.doc", "real?.doc"));
    std::vector<std::string> folders{dir.path() + "/", dir.file("missing/")};
    CollectSubfolders(folders, true);
    EXPECT_THAT(folders, UnorderedElementsAre(dir.path() + "/", dir.file("missing/"), dir.file("ok/")));
}

TEST(FolderScan, RootSeparatorReduction) {
    EXPECT_EQ(filelist::reduceRootSeparator("//a.doc"), "/a.doc");
    EXPECT_EQ(filelist::reduceRootSeparator("//sub/b.doc"), "/sub/b.doc");
    EXPECT_EQ(filelist::reduceRootSeparator("/x//y.doc"), "/x//y.doc");
}

}  // namespace
