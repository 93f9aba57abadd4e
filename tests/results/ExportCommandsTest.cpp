// The export commands of the results window: the exact bytes of each
// format, the dialog and the overwrite question, failures that keep the
// results, and the guard against commands given while an export runs.
#include "OutOfMemoryList.h"
#include "ResultsTestSupport.h"

#include "results/CsvExport.h"
#include "results/InMemoryListView.h"
#include "results/ListViewWriters.h"

#include <QDir>

#include <filesystem>

namespace harvelux::results::testing {
namespace {

using platform::Answer;
using platform::Buttons;
using platform::Icon;

const std::string kClipboardText =
    "Results have been copied to the clipboard.\r\rClick a text area where you normally type and press Ctrl+V to "
    "paste the clipboard.";

class ExportTest : public ResultsWindowTest {
protected:
    // Runs a file command that saves to `file` (replacing a file left by an
    // earlier save) and returns what it wrote.
    std::string saveAgain(void (Form2::*command)(), const std::string& file) {
        if (std::filesystem::exists(file)) platform.answers.push_back(Answer::Yes);
        return save(command, file);
    }
    std::string save(void (Form2::*command)(), const std::string& file) {
        platform.saveAnswers.push_back(file);
        (form.get()->*command)();
        return readFile(file);
    }
    std::string saveText() { return saveAgain(&Form2::SaveResults, path("out.txt")); }
    std::string saveComma() { return saveAgain(&Form2::SaveComma, path("out-comma.txt")); }
};

TEST_F(ExportTest, EmptyListGivesTheHeaderOnlyAndLeavesTheClipboardAlone) {
    fill(false, {});
    EXPECT_EQ(saveText(), "Email Results\t\r\n\r\n");
    EXPECT_EQ(saveComma(), "Email Results\r\n\r\n");
    form->CopyResultsToClipboard();
    EXPECT_TRUE(platform.clipboardWrites.empty());
    EXPECT_EQ(platform.messageTexts(), (std::vector<std::string>{"Done.", "Done.", kClipboardText}));
    EXPECT_EQ(platform.messages.back().buttons, Buttons::Ok);
    EXPECT_EQ(platform.dialogTitles, (std::vector<std::string>{"Save", "Save"}));

    fill(true, {});
    EXPECT_EQ(saveText(), "Filename\tEmails\t\r\n\r\n");
    EXPECT_EQ(saveComma(), "Filename, Emails\r\n\r\n");
}

TEST_F(ExportTest, UntickedRowsAreLeftOutButStillMeasured) {
    fill(false, {{"a@bcd.com"}, {"abcde@ghijk.com"}});
    form->list().setChecked(1, false);
    form->list().setChecked(2, false);
    EXPECT_EQ(saveText(), "Email Results  \t\r\n\r\n");
    EXPECT_EQ(saveComma(), "Email Results\r\n\r\n");
    form->CopyResultsToClipboard();
    EXPECT_EQ(platform.clipboardWrites, (std::vector<std::string>{""}));
}

TEST_F(ExportTest, AddressesOfNineAndFifteenCharacters) {
    fill(false, {{"a@bcd.com"}, {"abcde@ghijk.com"}});
    EXPECT_EQ(saveText(),
              "Email Results  \t\r\n"
              "a@bcd.com      \t\r\n"
              "abcde@ghijk.com\t\r\n"
              "\r\n");
    EXPECT_EQ(saveComma(), "Email Results\r\na@bcd.com, \r\nabcde@ghijk.com, \r\n\r\n");
    form->CopyResultsToClipboard();
    EXPECT_EQ(platform.clipboard(), "a@bcd.com\r\nabcde@ghijk.com\r\n");
}

TEST_F(ExportTest, ShortAddressesArePaddedToTheCaption) {
    fill(false, {{"a@b.cc"}, {"xy@ab.com"}});
    EXPECT_EQ(saveText(), "Email Results\t\r\na@b.cc       \t\r\nxy@ab.com    \t\r\n\r\n");
}

TEST_F(ExportTest, TwoColumnsPadAllButTheLastCellOnTheClipboard) {
    fill(true, {{"/d/long-name.docx", "a@b.cc"}, {"/d/x.doc", "longer@b.com"}});
    form->CopyResultsToClipboard();
    EXPECT_EQ(platform.clipboard(), "/d/long-name.docx\ta@b.cc\r\n/d/x.doc         \tlonger@b.com\r\n");
    EXPECT_EQ(saveText(),
              "Filename         \tEmails      \t\r\n"
              "/d/long-name.docx\ta@b.cc      \t\r\n"
              "/d/x.doc         \tlonger@b.com\t\r\n"
              "\r\n");
}

TEST_F(ExportTest, PathContainingCommaSpaceIsWrittenAsItIs) {
    fill(true, {{"/d/Smith, John/cv.doc", "john@smith.org"}});
    EXPECT_EQ(saveComma(), "Filename, Emails\r\n/d/Smith, John/cv.doc, john@smith.org\r\n\r\n");
}

TEST_F(ExportTest, WritesTheSameBytesAsTheCommandLineWriters) {
    for (const bool withFilename : {false, true}) {
        const std::vector<std::vector<std::string>> rows{
            {"/home/jörg/Brief an Müller.docx", "joerg@example.de"},
            {"/home/x/a.doc", "x@y.org"},
            {"/home/x/b.doc", "longer.address@sub.example.com"},
        };
        fill(withFilename, {});
        InMemoryListView table = InMemoryListView::forOption(withFilename);
        for (const auto& cells : rows) {
            const std::vector<std::string> used = withFilename ? cells : std::vector<std::string>{cells[1]};
            const auto id = form->resultRows().addRow(used[0]);
            const auto tableId = table.addRow(used[0]);
            if (withFilename) {
                form->resultRows().setSecondColumn(id, used[1]);
                table.setSecondColumn(tableId, used[1]);
            }
        }
        form->list().setChecked(2, false);
        table.rows()[1].checked = false;

        EXPECT_EQ(saveText(), buildTextFile(table)) << withFilename;
        EXPECT_EQ(saveComma(), buildCommaFile(table)) << withFilename;
        form->CopyResultsToClipboard();
        EXPECT_EQ(platform.clipboard(), buildClipboardText(table).value()) << withFilename;
    }
}

TEST_F(ExportTest, OverwriteYesReplacesTheFileWhole) {
    fill(false, {{"a@b.cc"}});
    const std::string file = path("existing.txt");
    writeFile(file, std::string(5000, 'x'));
    platform.answers.push_back(Answer::Yes);
    EXPECT_EQ(save(&Form2::SaveResults, file), "Email Results\t\r\na@b.cc       \t\r\n\r\n");
    ASSERT_EQ(platform.messages.size(), 2u);
    EXPECT_EQ(platform.messages[0].text, "Are you sure you wish to overwrite " + file + " ?");
    EXPECT_EQ(platform.messages[0].buttons, Buttons::YesNo);
    EXPECT_EQ(platform.messages[0].icon, Icon::None);
    EXPECT_EQ(platform.messages[0].title, "Harvelux");
    EXPECT_EQ(platform.messages[1].text, "Done.");
    EXPECT_EQ(platform.messages[1].buttons, Buttons::Ok);
}

TEST_F(ExportTest, OverwriteNoAndCancelTouchNothing) {
    fill(false, {{"a@b.cc"}});
    const std::string file = path("existing.txt");
    writeFile(file, "keep me");
    platform.answers.push_back(Answer::No);
    EXPECT_EQ(save(&Form2::SaveComma, file), "keep me");
    EXPECT_EQ(platform.messages.size(), 1u);

    platform.messages.clear();
    form->SaveResults();  // no prepared answer: the dialog is cancelled
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"existing.txt"});
}

TEST_F(ExportTest, NameWithoutExtensionIsUsedAsTyped) {
    fill(false, {{"a@b.cc"}});
    EXPECT_FALSE(save(&Form2::SaveComma, path("results")).empty());
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"results"});
}

TEST_F(ExportTest, UnwritableTargetIsReportedAndTheResultsAreKept) {
    fill(false, {{"a@b.cc"}, {"c@d.ee"}});
    writeFile(path("plain"), "a file, not a folder");
    ASSERT_TRUE(std::filesystem::create_directory(path("folder")));
    int pumps = 0;
    platform.onPump = [&] { ++pumps; };

    // A folder below a regular file cannot exist.
    save(&Form2::SaveResults, path("plain/out.txt"));
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_NE(platform.messages[0].text.find(path("plain/out.txt")), std::string::npos);
    EXPECT_EQ(platform.messages[0].text.find("Done."), std::string::npos);

    // A folder in place of the file: asked about, then refused, left as it is.
    platform.messages.clear();
    platform.answers.push_back(Answer::Yes);
    save(&Form2::SaveComma, path("folder"));
    ASSERT_EQ(platform.messages.size(), 2u);
    EXPECT_NE(platform.messages[1].text.find(path("folder")), std::string::npos);
    EXPECT_NE(platform.messages[1].text, "Done.");
    EXPECT_TRUE(std::filesystem::is_directory(path("folder")));
    EXPECT_TRUE(std::filesystem::is_empty(path("folder")));

    EXPECT_GT(pumps, 0);
    EXPECT_EQ(form->list().rowCount(), 2);
    EXPECT_EQ(form->cursor().shape(), Qt::ArrowCursor);
    EXPECT_FALSE(form->isBusy());
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"plain"});  // no temporary left behind
}

TEST_F(ExportTest, AClipboardTextTooLargeForMemoryIsReportedAndTheClipboardLeftAlone) {
    const OutOfMemoryList list;
    copyListToClipboard(list, platform);
    EXPECT_TRUE(platform.clipboardWrites.empty());
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].text, kClipboardTooLargeMessage);
}

TEST_F(ExportTest, FileCommandsShowTheHourglassWhileWritingButTheClipboardDoesNot) {
    fill(false, {{"a@b.cc"}});
    int hourglassPumps = 0;
    int pumps = 0;
    platform.onPump = [&] {
        ++pumps;
        if (form->cursor().shape() == Qt::WaitCursor) ++hourglassPumps;
    };
    saveText();
    EXPECT_GT(pumps, 0);
    EXPECT_EQ(hourglassPumps, pumps);
    EXPECT_EQ(form->cursor().shape(), Qt::ArrowCursor);

    pumps = hourglassPumps = 0;
    form->CopyResultsToClipboard();
    EXPECT_GT(pumps, 0);
    EXPECT_EQ(hourglassPumps, 0);
}

TEST_F(ExportTest, CommandsGivenWhileAnExportRunsAreIgnored) {
    fill(false, {{"a@bcd.com"}, {"abcde@ghijk.com"}});
    form->showResults();
    bool busyDuringPump = true;
    platform.onPump = [&] {
        busyDuringPump = busyDuringPump && form->isBusy();
        form->CommandBars_Execute(kCommandBack);
        form->ClearResults();
        form->SaveComma();
        form->CopyResultsToClipboard();
        form->setFilenameColumns(true);  // waits until the export is over
    };
    const std::string expected = "Email Results  \t\r\na@bcd.com      \t\r\nabcde@ghijk.com\t\r\n\r\n";
    EXPECT_EQ(saveText(), expected);
    EXPECT_TRUE(busyDuringPump);
    EXPECT_EQ(mainShown, 0);
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(platform.dialogTitles.size(), 1u);  // the nested SaveComma never asked
    EXPECT_TRUE(platform.clipboardWrites.empty());
    EXPECT_EQ(platform.messageTexts(), std::vector<std::string>{"Done."});

    // Afterwards the option change has taken effect and the window obeys again.
    platform.onPump = nullptr;
    EXPECT_FALSE(form->isBusy());
    EXPECT_EQ(form->list().columnCount(), 2);
    EXPECT_EQ(form->list().rowCount(), 0);
    form->Back();
    EXPECT_EQ(mainShown, 1);
}

}  // namespace
}  // namespace harvelux::results::testing

namespace harvelux::results::testing {
namespace {

// Save Results As CSV: the ticked rows in the order shown, by address from
// the run's index; ".csv" is added to a name typed without extension.
TEST_F(ExportTest, SaveAsCsvWritesTheTickedRowsByAddress) {
    fill(true, {{"a.doc", "ann@example.com"}, {"a.doc", "bob@example.org"}, {"b.doc", "cy@example.net"}});
    extract::AddressIndex& index = *form->addressIndex();
    index.beginDocument("a.doc", 1);
    index.add("ann@example.com", wordproc::StoryKind::Main, "Ann");
    index.add("bob@example.org", wordproc::StoryKind::Main);
    index.beginDocument("b.doc", 2);
    index.add("cy@example.net", wordproc::StoryKind::Footnotes);
    index.add("ANN@example.com", wordproc::StoryKind::HeadersFooters);
    form->list().setChecked(2, false);
    platform.saveAnswers.push_back(path("out"));
    form->CommandBars_Execute(kCommandSaveCsv);
    EXPECT_EQ(readFile(path("out.csv")),
              "\xEF\xBB\xBF"
              "address,name,documents,times,first_document,all_documents,where\r\n"
              "ann@example.com,Ann,2,2,a.doc,\"a.doc\nb.doc\",\"main text\nheader or footer\"\r\n"
              "cy@example.net,,1,1,b.doc,b.doc,footnote\r\n");
    EXPECT_EQ(platform.messageTexts(), (std::vector<std::string>{"Done."}));
    EXPECT_EQ(withCsvExtension("/d.x/list"), "/d.x/list.csv");
    EXPECT_EQ(withCsvExtension("/d/list.txt"), "/d/list.txt");
}

}  // namespace
}  // namespace harvelux::results::testing
