// What a drop of files and folders adds.
#include "../support/TempTree.h"
#include "filelist/AddFiles.h"
#include "filelist/DropExpansion.h"
#include "filelist/SampleFiles.h"
#include "wordproc/FormatTable.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace harvelux::filelist {
namespace {

using harvelux::testing::TempTree;
using ::testing::ElementsAre;
using ::testing::IsEmpty;
using ::testing::StartsWith;
using ::testing::UnorderedElementsAre;

TEST(DropExpansion, FilesAreTakenAsTheyAreInTheDroppedOrder) {
    TempTree tree;
    const auto b = tree.file("b.pdf");
    const auto a = tree.file("~$a.docx");
    const auto missing = tree.path("gone.doc");
    EXPECT_THAT(ExpandDrop({b, a, missing, b}), ElementsAre(b, a, missing, b));
}

TEST(DropExpansion, FolderGivesEveryFileButLockFiles) {
    TempTree tree;
    tree.file("docs/a.doc");
    tree.file("docs/b.pdf");
    tree.file("docs/.desktop.ini");
    tree.file("docs/~$a.doc");
    tree.fifo("docs/pipe");
    tree.file("docs/sub/c.txt");
    tree.file("docs/.hidden/never.doc");

    const auto paths = ExpandDrop({tree.path("docs")});
    ASSERT_EQ(paths.size(), 4u);
    EXPECT_THAT(std::vector<std::string>(paths.begin(), paths.begin() + 3),
                UnorderedElementsAre(tree.path("docs/a.doc"), tree.path("docs/b.pdf"), tree.path("docs/.desktop.ini")));
    EXPECT_EQ(paths[3], tree.path("docs/sub/c.txt"));
}

TEST(DropExpansion, FoldersAndFilesInDroppedOrder) {
    TempTree tree;
    tree.file("A/a1.doc");
    tree.file("A/deeper/a2.doc");
    tree.file("B/b1.doc");
    const auto single = tree.file("single.doc");
    EXPECT_THAT(ExpandDrop({tree.path("B"), single, tree.path("A")}),
                ElementsAre(tree.path("B/b1.doc"), single, tree.path("A/a1.doc"), tree.path("A/deeper/a2.doc")));
}

TEST(DropExpansion, TrailingSeparatorOfAFolderIsDropped) {
    TempTree tree;
    tree.file("A/a.doc");
    EXPECT_THAT(ExpandDrop({tree.path("A/")}), ElementsAre(tree.path("A/a.doc")));
}

TEST(DropExpansion, HiddenFolderDroppedOnItsOwnIsScanned) {
    TempTree tree;
    tree.file(".config/kept.doc");
    EXPECT_THAT(ExpandDrop({tree.path(".config")}), ElementsAre(tree.path(".config/kept.doc")));
}

TEST(DropExpansion, SystemEntriesAndEmptyFoldersAddNothing) {
    TempTree tree;
    const auto pipe = tree.fifo("pipe");
    tree.folder("empty");
    const auto after = tree.file("after.doc");
    EXPECT_THAT(ExpandDrop({pipe, tree.path("empty"), after}), ElementsAre(after));
}

TEST(DropExpansion, LinkCycleInADroppedFolderEnds) {
    TempTree tree;
    tree.file("top/a.doc");
    tree.link("top/sub", tree.path("top"));
    EXPECT_THAT(ExpandDrop({tree.path("top")}), ElementsAre(tree.path("top/a.doc")));
}

TEST(AddFilesChoice, SingleFileIsTakenUnchanged) {
    EXPECT_THAT(chosenFilesToAdd({"/work/a.doc"}), ElementsAre("/work/a.doc"));
    EXPECT_THAT(chosenFilesToAdd({"//a.doc"}), ElementsAre("//a.doc"));
}

TEST(AddFilesChoice, SeveralFilesKeepTheirOrderWithRootReduced) {
    EXPECT_THAT(chosenFilesToAdd({"/work/b.docx", "/work/a.doc"}), ElementsAre("/work/b.docx", "/work/a.doc"));
    EXPECT_THAT(chosenFilesToAdd({"//a.doc", "//b.doc"}), ElementsAre("/a.doc", "/b.doc"));
    EXPECT_THAT(chosenFilesToAdd({}), IsEmpty());
}

TEST(AddFilesChoice, DialogOffersAllDocumentsWordDocumentsEachFamilyThenAllFiles) {
    const auto filters = addFilesFilters();
    ASSERT_EQ(filters.size(), 3 + wordproc::formatFamilies().size());
    EXPECT_EQ(filters[0].label, "All Documents (" + std::string(wordproc::folderScanPattern()) + ")");
    EXPECT_EQ(filters[0].patterns, wordproc::folderScanPattern());
    EXPECT_EQ(filters[1].label, "Word Documents (*.do*)");
    EXPECT_EQ(filters[1].patterns, "*.do*");
    const std::pair<std::size_t, const char*> families[] = {
        {2, "Text Documents (*.rtf *.docx *.docm *.dotx *.dotm *.odt *.ott *.doc *.dot"},
        {3, "PDF Documents (*.pdf)"},
        {4, "Web Pages (*.mht *.mhtml *.htm *.html *.xhtml)"},
        {5, "Plain Text (*.txt *.md *.csv *.tsv)"},
        {6, "Spreadsheets (*.xlsx"},
        {7, "Presentations (*.pptx"},
        {8, "E-mail (*.dat *.pst *.ost *.msg *.mbox *.mbx *.eml"},
        {9, "Archives (*.zip"}};
    for (const auto& [index, label] : families) EXPECT_THAT(filters[index].label, StartsWith(label));
    EXPECT_EQ(filters.back().label, "All Files (*)");
    EXPECT_EQ(filters.back().patterns, "*");
}

TEST(SampleFiles, EveryFileDirectlyInSamples) {
    TempTree program;
    program.file("Samples/a.doc");
    program.file("Samples/~$lock.docx");
    program.file("Samples/.thumbs");
    program.file("Samples/nested/ignored.doc");
    EXPECT_EQ(samplesFolder(program.root()), program.root() + "/Samples/");
    EXPECT_THAT(samplePaths(program.root()),
                UnorderedElementsAre(program.path("Samples/a.doc"), program.path("Samples/~$lock.docx"),
                                     program.path("Samples/.thumbs")));
    TempTree empty;
    EXPECT_THAT(samplePaths(empty.root()), IsEmpty());
}

}  // namespace
}  // namespace harvelux::filelist
