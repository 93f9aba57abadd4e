// Every command of the main window, picked on its toolbar button or menu
// item and carried out through the scripted platform.
#include "FormFixture.h"
#include "TestFiles.h"
#include "extract/EngineDocumentReader.h"
#include "extract/ExtractionRun.h"
#include "filelist/FileListView.h"
#include "shell/CommandIds.h"
#include "shell/HelpTargets.h"

#include <gmock/gmock.h>

#include <QApplication>
#include <QCheckBox>
#include <QTest>

namespace harvelux::shell::testing {
namespace {

using platform::Answer;
using platform::Buttons;
using platform::PointerShape;
using ::testing::ElementsAre;
using ::testing::IsEmpty;
using ::testing::UnorderedElementsAre;

using Commands = FormFixture;

// Commands on the toolbar and in the menu do the same: each test runs for both.
class AddFilesCommand : public FormFixture, public ::testing::WithParamInterface<int> {};

TEST_P(AddFilesCommand, AppendsTheChosenFilesInOrder) {
    platform.openFilesAnswers.push_back({"/work/b.docx", "/work/a.doc"});
    platform.openFilesAnswers.push_back({"/work/a.doc"});
    pick(GetParam());
    pick(GetParam());
    EXPECT_THAT(items(), ElementsAre("/work/b.docx", "/work/a.doc", "/work/a.doc"));
    EXPECT_THAT(platform.dialogTitles, ElementsAre("Add File(s) - Use Ctrl & Shift to select multiple files",
                                                   "Add File(s) - Use Ctrl & Shift to select multiple files"));
}
INSTANTIATE_TEST_SUITE_P(ToolbarAndMenu, AddFilesCommand,
                         ::testing::Values(command::kAddFiles, command::kMenuAddFiles));

TEST_F(Commands, AddFilesCancelledAddsNothingAndSaysNothing) {
    pick(command::kAddFiles);
    EXPECT_THAT(items(), IsEmpty());
    EXPECT_THAT(platform.messages, IsEmpty());
}

TEST_F(Commands, AddFilesTakesLockFilesAndMissingNames) {
    platform.openFilesAnswers.push_back({"/work/~$a.docx", "/work/typed-but-missing.doc"});
    pick(command::kMenuAddFiles);
    EXPECT_THAT(items(), ElementsAre("/work/~$a.docx", "/work/typed-but-missing.doc"));
}

// A file name that is not UTF-8 cannot be shown by a dialog: Qt's leaves
// it out and the user types it as the list shows it, "?" for each bad byte;
// others give U+FFFD in its place. The list gets the name on disk. A name
// that shows like two files is told, not guessed.
TEST_F(Commands, NamesTheDialogsCannotShowAreTheFilesOnDisk) {
    const std::string replacement = "\xEF\xBF\xBD";  // U+FFFD
    const std::string bad = docs.file(
        "bad\xFF"
        "folder/report\xFF.doc");
    const std::string real = docs.file("real?.doc");
    docs.file("twin\xFE.doc");
    docs.file("twin?.doc");
    platform.openFilesAnswers.push_back(
        {docs.path("bad?folder/report?.doc"), docs.path("twin?.doc"), real, docs.path("missing?.doc")});
    // Two bad bytes side by side, given as one U+FFFD each.
    const std::string pair = docs.file("pair\xFF\xFE.doc");
    platform.openFilesAnswers.push_back({docs.path("bad" + replacement + "folder/report" + replacement + ".doc"),
                                         docs.path("pair" + replacement + replacement + ".doc")});
    pick(command::kAddFiles);
    pick(command::kAddFiles);
    EXPECT_THAT(items(), ElementsAre(bad, real, docs.path("missing?.doc"), bad, pair));
    EXPECT_THAT(platform.messageTexts(),
                ElementsAre("More than one file shows under each of these names: their names differ only in "
                            "characters that cannot be shown. They were not added:\r\r" +
                            docs.path("twin?.doc") +
                            "\r\rDrag the files onto the list, or add their folder with \"Add Folder\"."));

    form->fileList().ClearList();
    platform.folderAnswers.push_back(docs.path("bad?folder"));
    pick(command::kAddFolder);
    EXPECT_THAT(items(), ElementsAre(bad));
}

class AddFolderCommand : public FormFixture, public ::testing::WithParamInterface<int> {};

TEST_P(AddFolderCommand, AddsTheTreesDocumentsUnderTheHourglass) {
    docs.file("top.doc");
    docs.file("~$top.doc");
    docs.file("notes.docx.bak");
    docs.file("sub/report.DOTM");
    docs.file(".hidden/never.doc");
    docs.fifo("sub/pipe.doc");
    docs.link("sub/up", docs.root());
    platform.folderAnswers.push_back(docs.root());
    std::vector<PointerShape> shapes;
    platform.onPump = [&] { shapes.push_back(form->pointer().current()); };

    pick(GetParam());

    EXPECT_THAT(items(), ElementsAre(docs.path("top.doc"), docs.path("sub/report.DOTM")));
    EXPECT_THAT(platform.dialogTitles, ElementsAre("Please select folder:"));
    ASSERT_FALSE(shapes.empty());  // the window was repainted during the scan
    EXPECT_THAT(shapes, ::testing::Each(PointerShape::Hourglass));
    EXPECT_EQ(form->pointer().current(), PointerShape::Default);
}
INSTANTIATE_TEST_SUITE_P(ToolbarAndMenu, AddFolderCommand,
                         ::testing::Values(command::kAddFolder, command::kMenuAddFolder));

TEST_F(Commands, AddFolderTwiceListsTwiceAndCancelChangesNothing) {
    docs.file("a.doc");
    platform.folderAnswers = {docs.root(), docs.root()};
    pick(command::kAddFolder);
    pick(command::kMenuAddFolder);
    EXPECT_THAT(items(), ElementsAre(docs.path("a.doc"), docs.path("a.doc")));

    pick(command::kAddFolder);  // cancelled
    EXPECT_EQ(items().size(), 2u);
    EXPECT_THAT(platform.messages, IsEmpty());
}

TEST_F(Commands, AddFolderTellsOnceWhatItCouldNotScan) {
    docs.file("top.doc");
    const std::string tooLong = testfiles::makeTooLongPath(docs.root(), "x");
    platform.folderAnswers.push_back(docs.root());
    pick(command::kAddFolder);
    EXPECT_THAT(items(), ElementsAre(docs.path("top.doc")));
    EXPECT_THAT(platform.messageTexts(),
                ElementsAre("These could not be scanned, so the documents in them are not in the list:\r\r" + tooLong +
                            ": File name too long"));
}

TEST_F(Commands, ClearListOnToolbarAndClearAllInMenu) {
    for (const int id : {command::kClearList, command::kMenuClearAll}) {
        form->fileList().AppendItems({"/a.doc", "/b.doc"});
        pick(id);
        EXPECT_THAT(items(), IsEmpty()) << id;
        EXPECT_EQ(form->ListView1().model()->headerData(0, Qt::Horizontal).toString(),
                  "Drag and drop Word files here. Double-click item to remove it.");
    }
}

TEST_F(Commands, ClearSelectedFilesRemovesItemsTwoAndFourOfFive) {
    form->fileList().AppendItems({"/1.doc", "/2.doc", "/3.doc", "/4.doc", "/5.doc"});
    filelist::FileListView& view = form->ListView1();
    for (const int index : {2, 4}) view.selectionModel()->select(view.itemIndex(index), QItemSelectionModel::Select);
    pick(command::kMenuClearSelected);
    EXPECT_THAT(items(), ElementsAre("/1.doc", "/3.doc", "/5.doc"));
}

class LoadSamplesCommand : public FormFixture, public ::testing::WithParamInterface<int> {};

TEST_P(LoadSamplesCommand, AppendsEverySampleAndOpensTheFolderOnYes) {
    program.file("Samples/a.doc");
    program.file("Samples/.thumbnails");
    program.file("Samples/~$b.docx");
    platform.answers.push_back(Answer::Yes);
    pick(GetParam());

    EXPECT_THAT(items(), UnorderedElementsAre(program.path("Samples/a.doc"), program.path("Samples/.thumbnails"),
                                              program.path("Samples/~$b.docx")));
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].text,
              "Would you like this software to open the folder where these sample files are stored (so that you can "
              "view them before working with them)?");
    EXPECT_EQ(platform.messages[0].buttons, Buttons::YesNo);
    EXPECT_EQ(platform.messages[0].title, "Harvelux");
    EXPECT_THAT(platform.shellTargets, ElementsAre(program.root() + "/Samples/"));
}
INSTANTIATE_TEST_SUITE_P(ToolbarAndMenu, LoadSamplesCommand,
                         ::testing::Values(command::kLoadSamples, command::kMenuLoadSamples));

TEST_F(Commands, LoadSamplesTwiceWithNoOpensNothing) {
    program.file("Samples/a.doc");
    pick(command::kLoadSamples);
    pick(command::kMenuLoadSamples);
    EXPECT_THAT(items(), ElementsAre(program.path("Samples/a.doc"), program.path("Samples/a.doc")));
    EXPECT_EQ(platform.messages.size(), 2u);
    EXPECT_THAT(platform.shellTargets, IsEmpty());
}

TEST_F(Commands, LoadSamplesWithoutSamplesStillAsks) {
    platform.answers.push_back(Answer::Yes);
    pick(command::kLoadSamples);
    EXPECT_THAT(items(), IsEmpty());
    EXPECT_EQ(platform.messages.size(), 1u);
    EXPECT_THAT(platform.shellTargets, ElementsAre(program.root() + "/Samples/"));
}

TEST_F(Commands, HelpPagesOpenInTheShell) {
    pick(command::kMenuHelp);
    pick(command::kMenuFaq);
    pick(command::kMenuHomePage);
    EXPECT_THAT(platform.shellTargets,
                ElementsAre("https://www.quenbrook.com/trelvane/help/", "https://www.quenbrook.com/question/",
                            "https://www.quenbrook.com/"));
}

TEST_F(Commands, VideoOpensTheFirstFileOfTheVideoFolderOrTheFolder) {
    pick(command::kMenuVideo);  // no Video folder: the folder path all the same
    program.folder("Video");
    pick(command::kMenuVideo);
    program.file("Video/.hidden");
    pick(command::kMenuVideo);
    program.file("Video/demo.mp4");
    program.file("Video/other.avi");
    program.folder("Video/clips");
    pick(command::kMenuVideo);

    ASSERT_EQ(platform.shellTargets.size(), 4u);
    EXPECT_EQ(platform.shellTargets[0], program.root() + "/Video/");
    EXPECT_EQ(platform.shellTargets[1], program.root() + "/Video/");
    EXPECT_EQ(platform.shellTargets[2], program.root() + "/Video/");
    // Whichever the listing returns first.
    EXPECT_EQ(platform.shellTargets[3], videoTarget(program.root()));
    EXPECT_THAT(platform.shellTargets[3],
                ::testing::AnyOf(program.path("Video/demo.mp4"), program.path("Video/other.avi")));
}

TEST_F(Commands, ExitEndsTheProgram) {
    form->show();
    pick(command::kMenuExit);
    EXPECT_EQ(programEnded, 1);
    EXPECT_FALSE(form->isVisible());
}

TEST_F(Commands, ClosingTheWindowEndsTheProgramOnce) {
    form->show();
    form->close();
    pick(command::kMenuExit);
    EXPECT_EQ(programEnded, 1);
}

TEST_F(Commands, IdsWithoutACommandDoNothing) {
    form->fileList().AppendItem("/a.doc");
    for (const int id : {0, 999, 1005, 2099, 3000, -1}) form->CommandBars_Execute(id);
    EXPECT_THAT(items(), ElementsAre("/a.doc"));
    EXPECT_THAT(platform.messages, IsEmpty());
    EXPECT_THAT(platform.dialogTitles, IsEmpty());
    EXPECT_THAT(platform.shellTargets, IsEmpty());
    EXPECT_EQ(results.shown, 0);
    EXPECT_EQ(programEnded, 0);
}

TEST_F(Commands, PopupMenusRaiseNoCommand) {
    form->commandMenuBar().actions()[0]->trigger();
    form->commandMenuBar().actions()[1]->trigger();
    EXPECT_THAT(platform.dialogTitles, IsEmpty());
    EXPECT_THAT(platform.messages, IsEmpty());
}

}  // namespace
}  // namespace harvelux::shell::testing

namespace harvelux::shell::testing {
namespace {

TEST_F(Commands, F5AndCtrlReturnStartARunAndTooltipsNameTheKeys) {
    listNumberedDocuments(1);
    // A run hides the window: it is shown again for the next key.
    for (const QKeyCombination key :
         {QKeyCombination(Qt::Key_F5), QKeyCombination(Qt::ControlModifier, Qt::Key_Return)}) {
        form->show();
        QApplication::setActiveWindow(form.get());
        QTest::keyClick(form.get(), key.key(), key.keyboardModifiers());
    }
    EXPECT_EQ(results.shown, 2);

    const std::pair<int, const char*> tips[] = {
        {command::kAddFiles, "Add Files (Ctrl+O)"},
        {command::kAddFolder, "Add Folder (Ctrl+Shift+O)"},
        {command::kStartExtracting, "Start Extracting (Ctrl+Return, Ctrl+Enter, F5)"},
        {command::kClearList, "Clear List"}};
    for (const auto& [id, tip] : tips) EXPECT_EQ(action(id)->toolTip().toStdString(), tip);
    EXPECT_EQ(action(command::kMenuExit)->shortcut(), QKeySequence(QStringLiteral("Ctrl+Q")));
    EXPECT_EQ(form->standardToolbar().widgetForAction(action(command::kAddFiles))->focusPolicy(), Qt::TabFocus);
}

// "Start Extracting" reads "Stop Extracting" during the run and asks what
// Escape asks; Yes ends the run with what was found.
TEST_F(Commands, StopOnTheToolbarAsksAndEndsTheRun) {
    listNumberedDocuments(4);
    platform.answers.push_back(Answer::Yes);
    std::string caption;
    platform.onPump = [this, &caption] {
        if (form->ProgressBar1().percent() != 50 || !caption.empty()) return;
        caption = action(command::kStartExtracting)->text().toStdString();
        pick(command::kStartExtracting);
    };
    pick(command::kStartExtracting);
    EXPECT_EQ(caption, "Stop Extracting");
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].text, kStopQuestion);
    EXPECT_EQ(results.rows().size(), 2u);
    EXPECT_TRUE(results.summary.stopped);
    EXPECT_EQ(action(command::kStartExtracting)->text(), "Start Extracting");
}

TEST_F(Commands, HelpSaysWhereWhenTheDesktopCannotOpenItAndAboutNamesTheVersion) {
    platform.shellOpens = false;
    pick(command::kMenuFaq);
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].text,
              "No web browser could be opened. The page's address is:\r\rhttps://www.quenbrook.com/question/");

    // The video is offered only when its folder is there.
    QMenu* help = form->commandMenuBar().actions()[1]->menu();
    emit help->aboutToShow();
    EXPECT_FALSE(action(command::kMenuVideo)->isVisible());
    program.folder("Video");
    emit help->aboutToShow();
    EXPECT_TRUE(action(command::kMenuVideo)->isVisible());

    pick(command::kMenuAbout);
    ASSERT_EQ(platform.messages.size(), 2u);
    EXPECT_EQ(platform.messages[1].title, "About Harvelux");
    EXPECT_THAT(platform.messages[1].text, ::testing::StartsWith("Harvelux 0."));
    EXPECT_THAT(platform.messages[1].text, ::testing::HasSubstr("Licence"));
    EXPECT_THAT(platform.messages[1].text, ::testing::HasSubstr("Qt 6"));
    EXPECT_THAT(platform.messages[1].text, ::testing::HasSubstr("Poppler "));
}

}  // namespace
}  // namespace harvelux::shell::testing
