#include "common/FileExists.h"

#include "TestFiles.h"

#include <gtest/gtest.h>

namespace {

using namespace harvelux;

TEST(FileExists, FilesAndFoldersYesEverythingElseNo) {
    testfiles::TempDir dir;
    testfiles::writeFile(dir.file("a.txt"), "x");
    EXPECT_TRUE(FileExists(dir.file("a.txt")));
    EXPECT_TRUE(FileExists(dir.path()));
    EXPECT_FALSE(FileExists(""));
    EXPECT_FALSE(FileExists(dir.file("missing")));
    EXPECT_FALSE(FileExists(dir.file("a.txt/below")));
}

}  // namespace
