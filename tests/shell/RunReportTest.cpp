// What a run tells after it: the results window's status line and the list
// of documents that could not be read; stopping a run with Escape; documents
// named on the command line.
#include "ApplicationFixture.h"
#include "extract/ExtractionRun.h"
#include "results/UnreadDialog.h"
#include "shell/CommandIds.h"
#include "shell/StartPaths.h"

#include "TestFiles.h"

#include <gmock/gmock.h>

#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTextDocumentFragment>
#include <QTreeWidget>

namespace harvelux::shell::testing {
namespace {

using platform::Answer;
using Row = std::vector<std::string>;
using ::testing::ElementsAre;
using ::testing::ElementsAreArray;

class RunReport : public ApplicationFixture {
protected:
    std::string statusLine() {
        return QTextDocumentFragment::fromHtml(resultsWindow().statusLine().text()).toPlainText().toStdString();
    }
    void openUnreadList() { emit resultsWindow().statusLine().linkActivated(QStringLiteral("unread")); }
    std::vector<Row> unreadRows() {
        std::vector<Row> rows;
        const QTreeWidget& list = resultsWindow().unreadDialog()->list();
        for (int i = 0; i < list.topLevelItemCount(); ++i)
            rows.push_back({list.topLevelItem(i)->text(0).toStdString(), list.topLevelItem(i)->text(1).toStdString()});
        return rows;
    }
    void clickInDialog(const char* button) {
        auto* b = resultsWindow().unreadDialog()->findChild<QPushButton*>(QString::fromUtf8(button));
        ASSERT_NE(b, nullptr) << button;
        b->click();
    }
};

TEST_F(RunReport, CountsAndTheListOfDocumentsThatCouldNotBeRead) {
    const std::string good = docs.file("good.txt", "a@example.com and b@example.com");
    const std::string encrypted = docs.file(
        "secret.odt",
        testfiles::makeZip({{"mimetype", "application/vnd.oasis.opendocument.text", false},
                            {"content.xml", "<x/>"},
                            {"META-INF/manifest.xml",
                             "<manifest:manifest xmlns:manifest=\"urn:oasis:names:tc:opendocument:xmlns:manifest:1.0\">"
                             "<manifest:file-entry manifest:full-path=\"content.xml\">"
                             "<manifest:encryption-data/></manifest:file-entry></manifest:manifest>"}}));
    const std::string damaged = docs.file("cut.docx", testfiles::makeDocx("<w:p>").substr(0, 200));
    const std::string broken = docs.file("broken.docx", testfiles::makeDocx("<w:p><w:r><w:t>unclosed"));
    const std::string missing = docs.path("gone.doc");
    std::string noise(4096, '\0');
    for (std::size_t i = 0; i < noise.size(); ++i) noise[i] = static_cast<char>((i * 7919) % 251);
    const std::string unknown = docs.file("noise.doc", noise);
    start();
    main().fileList().AppendItems({good, encrypted, damaged, broken, missing, unknown});
    pickMain(command::kStartExtracting);

    EXPECT_THAT(resultRows(), ElementsAre(Row{"a@example.com"}, Row{"b@example.com"}));
    EXPECT_EQ(statusLine(), "2 addresses from 6 documents \u00B7 5 could not be read");
    EXPECT_TRUE(platform.messages.empty()) << "unreadable documents still raise no message";

    openUnreadList();
    ASSERT_NE(resultsWindow().unreadDialog(), nullptr);
    EXPECT_TRUE(resultsWindow().unreadDialog()->isVisible());
    // Each with its cause, as harvelux-extract words it.
    const Row expected[] = {{encrypted, "the document is encrypted"},
                            {damaged, "not a readable ZIP archive"},
                            {broken, "the main document is not well-formed XML"},
                            {missing, "Cannot open " + missing + ": No such file or directory"},
                            {unknown, "unknown document format"}};
    EXPECT_THAT(unreadRows(), ElementsAreArray(expected));
    clickInDialog("CopyList");
    std::string copied;
    for (const Row& row : expected) copied += row[0] + "\t" + row[1] + "\n";
    EXPECT_EQ(platform.clipboard(), copied);
    clickInDialog("Close");
    QCoreApplication::processEvents();
    EXPECT_EQ(resultsWindow().unreadDialog(), nullptr);

    // Unticking leaves the count of addresses found as it was.
    resultsWindow().list().setChecked(1, false);
    EXPECT_EQ(statusLine(), "2 addresses (1 ticked) from 6 documents \u00B7 5 could not be read");
}

// A dropped folder's pictures and programs are no failures: counted apart,
// listed after the real ones in a collapsed group.
TEST_F(RunReport, OtherFilesAreCountedApartAndListedLast) {
    const std::string tool = docs.file("tool", testfiles::readFile("/bin/true"));
    const std::string sound = docs.file("song.mp3", std::string("ID3\x03\0\0\0\0\0\0", 10) + std::string(64, '\0'));
    const std::string missing = docs.path("gone.doc");
    start();
    main().fileList().AppendItems({tool, docs.file("a.txt", "a@example.com"), sound, missing});
    pickMain(command::kStartExtracting);
    EXPECT_EQ(statusLine(), "1 address from 4 documents \u00B7 1 could not be read \u00B7 2 other files skipped");

    openUnreadList();
    ASSERT_NE(resultsWindow().unreadDialog(), nullptr);
    // A failure gives the engine's cause, as harvelux-extract does.
    const std::string cause = "Cannot open " + missing + ": No such file or directory";
    EXPECT_THAT(unreadRows(), ElementsAre(Row{missing, cause}, Row{"Other files skipped (2): not documents", ""}));
    const QTreeWidgetItem* others = resultsWindow().unreadDialog()->list().topLevelItem(1);
    EXPECT_FALSE(others->isExpanded());
    ASSERT_EQ(others->childCount(), 2);
    EXPECT_EQ(others->child(0)->text(1).toStdString(), "program");
    EXPECT_EQ(others->child(1)->text(1).toStdString(), "sound");
    clickInDialog("CopyList");
    EXPECT_EQ(platform.clipboard(), missing + "\t" + cause + "\n" + tool + "\tprogram\n" + sound + "\tsound\n");
}

TEST_F(RunReport, BackAndASecondRunShowTheSecondRun) {
    start();
    main().fileList().AppendItems({docs.file("one.txt", "a@example.com"), docs.path("gone.doc")});
    pickMain(command::kStartExtracting);
    EXPECT_EQ(statusLine(), "1 address from 2 documents \u00B7 1 could not be read");
    openUnreadList();

    pickResults(results::kCommandBack);
    QCoreApplication::processEvents();
    EXPECT_EQ(resultsWindow().unreadDialog(), nullptr) << "the list of the old run does not stay open";
    pickMain(command::kClearList);
    main().fileList().AppendItems(
        {docs.file("two.txt", "b@example.com c@example.com"), docs.file("three.txt", "nothing")});
    pickMain(command::kStartExtracting);
    EXPECT_THAT(resultRows(), ElementsAre(Row{"b@example.com"}, Row{"c@example.com"}));
    EXPECT_EQ(statusLine(), "2 addresses from 2 documents");
    openUnreadList();
    EXPECT_EQ(resultsWindow().unreadDialog(), nullptr) << "nothing to list";
}

// Escape while the second of four documents is read asks whether to stop;
// Yes ends the run after that document, No lets it go on.
TEST_F(RunReport, EscapeAsksAndStopsAfterTheCurrentDocument) {
    for (const Answer answer : {Answer::Yes, Answer::No}) {
        SCOPED_TRACE(answer == Answer::Yes ? "Yes" : "No");
        SetUp();
        platform.messages.clear();
        platform.answers = {answer};
        start();
        for (int i = 1; i <= 4; ++i)
            main().fileList().AppendItem(
                docs.file(std::to_string(i) + ".txt", "a" + std::to_string(i) + "@example.com"));
        bool pressed = false;
        std::vector<std::string> barTexts;
        platform.onPump = [&] {
            barTexts.push_back(main().ProgressBar1().text().toStdString());
            if (!pressed && main().ProgressBar1().percent() == 50) {
                pressed = true;
                QTest::keyClick(&main().ListView1(), Qt::Key_Escape);
            }
        };
        pickMain(command::kStartExtracting);
        platform.onPump = nullptr;

        ASSERT_EQ(platform.messages.size(), 1u);
        EXPECT_EQ(platform.messages[0].text, kStopQuestion);
        EXPECT_EQ(platform.messages[0].buttons, platform::Buttons::YesNoDefaultNo);
        // The bar's text is that of any run: at rest before the first document.
        ASSERT_GT(barTexts.size(), 2u);
        EXPECT_EQ(barTexts.front(), extract::kProgressIdle);
        for (std::size_t i = 1; i < barTexts.size(); ++i)
            EXPECT_THAT(barTexts[i], ::testing::StartsWith("Extracting emails.. ")) << i;
        if (answer == Answer::Yes) {
            EXPECT_THAT(resultRows(), ElementsAre(Row{"a1@example.com"}, Row{"a2@example.com"}));
            EXPECT_EQ(statusLine(), "2 addresses, stopped after 2 of 4 documents");
        } else {
            EXPECT_EQ(resultRows().size(), 4u);
            EXPECT_EQ(statusLine(), "4 addresses from 4 documents");
        }
        EXPECT_TRUE(resultsWindow().isVisible());
        EXPECT_FALSE(main().isVisible());
        windows.reset();
    }
    // Outside a run Escape asks nothing.
    platform.messages.clear();
    start();
    QTest::keyClick(&main().ListView1(), Qt::Key_Escape);
    EXPECT_TRUE(platform.messages.empty());
}

// `harvelux a.txt Folder` lists the document and the folder's documents as a
// drop would, once the program runs.
TEST_F(RunReport, PathsOnTheCommandLineAreAddedAsADropAddsThem) {
    const std::string one = docs.file("a.txt", "x");
    const std::string inside = docs.file("Folder/b.docx", "x");
    docs.file("Folder/~lock.docx", "x");
    EXPECT_EQ(startPaths({"a.txt", "--", "/abs/c.doc", "Folder"}, docs.root() + "/"),
              (std::vector<std::string>{one, "/abs/c.doc", docs.path("Folder")}));
    startWith = {one, docs.path("Folder")};
    start();
    EXPECT_TRUE(main().fileList().items().empty()) << "added once the event loop runs";
    QCoreApplication::processEvents();
    EXPECT_EQ(main().fileList().items(), (std::vector<std::string>{one, inside}));
}

}  // namespace
}  // namespace harvelux::shell::testing
