// The whole program on the sample documents beside it, as a user goes
// through it: load the samples, extract, save, copy, go back, tick the
// option, extract again, save with commas, close. The saved files hold what
// Samples/README lists, and harvelux-extract writes the same bytes.
//
// Only the samples whose format the engine reads with a reader of its own
// take part (the others are removed from the list first, as a user would);
// a format that gains a reader joins the comparison by itself.
#include "ApplicationFixture.h"
#include "SamplesReadme.h"
#include "shell/CommandIds.h"
#include "shell/Form1Settings.h"

#include "TestFiles.h"

#include <gmock/gmock.h>

#include <QCheckBox>
#include <QProcess>
#include <QTemporaryDir>

#include <algorithm>
#include <thread>

namespace harvelux::shell::testing {
namespace {

using platform::Answer;
using ::testing::IsEmpty;

// What harvelux-extract writes to standard output for these arguments.
std::string extractorOutput(const QStringList& arguments) {
    QProcess extractor;
    extractor.start(QStringLiteral(HARVELUX_EXTRACT_PROGRAM), arguments);
    if (!extractor.waitForFinished(60000)) return "(harvelux-extract did not finish)";
    return extractor.readAllStandardOutput().toStdString();
}

class EndToEnd : public ApplicationFixture {
protected:
    EndToEnd() {
        programFolder = HARVELUX_PROGRAM_DIR;
        readAheadJobs = std::max(1u, std::thread::hardware_concurrency());
    }

    // Removes from the list the samples whose format the engine does not
    // read with a reader of its own, with "Clear Selected Files".
    void keepSamplesReadByTheirOwnReader() {
        filelist::FileListView& view = main().ListView1();
        view.clearSelection();
        for (int i = 1; i <= main().fileList().count(); ++i)
            if (!readByItsOwnReader(main().fileList().itemText(i)))
                view.selectionModel()->select(view.itemIndex(i), QItemSelectionModel::Select);
        pickMain(command::kMenuClearSelected);
    }

    std::string saveWith(int command, const std::string& name) {
        const std::string path = dir.filePath(QString::fromStdString(name)).toStdString();
        platform.saveAnswers.push_back(path);
        pickResults(command);
        return path;
    }

    QTemporaryDir dir;
};

TEST_F(EndToEnd, SamplesExtractedSavedCopiedAndExtractedAgainWithFileNames) {
    ASSERT_TRUE(dir.isValid());
    const SampleAddresses readme = readmeAddresses();
    start();

    platform.answers.push_back(Answer::No);  // do not open the samples folder
    pickMain(command::kLoadSamples);
    ASSERT_EQ(main().fileList().count(), static_cast<int>(readme.size()));
    keepSamplesReadByTheirOwnReader();
    const std::vector<std::string> documents = main().fileList().items();
    ASSERT_GE(documents.size(), 4u) << "the engine reads too few of the samples";

    // The README's addresses in list order, alone and beside their document.
    std::vector<std::string> addresses;
    std::vector<std::pair<std::string, std::string>> withPaths;
    for (const std::string& path : documents) {
        const std::string name = std::filesystem::path(path).filename().string();
        ASSERT_TRUE(readme.count(name)) << name;
        for (const std::string& address : readme.at(name)) {
            addresses.push_back(address);
            withPaths.emplace_back(path, address);
        }
    }

    // First run: the address alone.
    pickMain(command::kStartExtracting);
    ASSERT_TRUE(resultsWindow().isVisible());
    ASSERT_FALSE(main().isVisible());

    std::size_t width = std::string("Email Results").size();
    for (const std::string& a : addresses) width = std::max(width, a.size());
    const auto padded = [width](const std::string& cell) { return cell + std::string(width - cell.size(), ' '); };
    std::string textFile = padded("Email Results") + "\t\r\n";
    std::string clipboard;
    for (const std::string& a : addresses) {
        textFile += padded(a) + "\t\r\n";
        clipboard += a + "\r\n";
    }
    textFile += "\r\n";

    const std::string saved = saveWith(results::kCommandSaveResults, "addresses.txt");
    EXPECT_EQ(testfiles::readFile(saved), textFile);
    pickResults(results::kCommandCopyToClipboard);
    EXPECT_EQ(platform.clipboard(), clipboard);

    // Back, tick the option, extract again.
    pickResults(results::kCommandBack);
    ASSERT_TRUE(main().isVisible());
    main().Check1().click();
    pickMain(command::kStartExtracting);
    ASSERT_TRUE(resultsWindow().isVisible());

    std::string commaFile = "Filename, Emails\r\n";
    for (const auto& [path, address] : withPaths) commaFile += path + ", " + address + "\r\n";
    commaFile += "\r\n";
    const std::string savedComma = saveWith(results::kCommandSaveComma, "with-names.txt");
    EXPECT_EQ(testfiles::readFile(savedComma), commaFile);

    EXPECT_EQ(platform.messageTexts(),
              (std::vector<std::string>{
                  std::string(kSamplesQuestion), "Done.",
                  "Results have been copied to the clipboard.\r\rClick a text area where you normally type and press "
                  "Ctrl+V to paste the clipboard.",
                  "Done."}));

    // The command-line extractor writes the same bytes for the same documents.
    QStringList paths;
    for (const std::string& path : documents) paths << QString::fromStdString(path);
    EXPECT_EQ(extractorOutput(QStringList{"--format", "text"} + paths), textFile);
    EXPECT_EQ(extractorOutput(QStringList{"-f", "--format", "comma"} + paths), commaFile);

    // Closing the results window ends the program and records no placement.
    resultsWindow().close();
    EXPECT_EQ(programEnded, 1);
    EXPECT_EQ(setting(kLeftKey), std::nullopt);
    EXPECT_EQ(setting("Check1"), "1");
}

}  // namespace
}  // namespace harvelux::shell::testing
