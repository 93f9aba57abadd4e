// An address found in three documents, in a different story of each (the
// text of a .docx, the footer of an RTF document whose name holds a comma,
// a quote and an accent, the From line of a real e-mail): the results window
// shows it in three documents with their stories, and so do the CSV it
// saves and the JSON Lines of harvelux-extract.
#include "ApplicationFixture.h"
#include "SharedFolders.h"
#include "TestFiles.h"
#include "results/CsvExport.h"
#include "results/IndexColumns.h"
#include "results/ResultsModel.h"
#include "results/ResultsViewControls.h"
#include "shell/CommandIds.h"

#include <QAbstractItemView>
#include <QProcess>

namespace harvelux::shell::testing {
namespace {

constexpr const char* kAddress = "Bugs.Bunny@acme.com";

class AddressesByDocument : public ApplicationFixture {
protected:
    AddressesByDocument() { programFolder = HARVELUX_PROGRAM_DIR; }

    std::vector<std::string> makeDocuments() {
        testfiles::writeFile(body, testfiles::makeDocxWithParagraphs({"Write to Bugs.Bunny@acme.com today."}));
        testfiles::writeFile(footer, "{\\rtf1{\\footer Bugs.Bunny@acme.com\\par}Body\\par}");
        return {body, footer, mail};
    }

    testfiles::TempDir dir;
    std::string body = dir.file("body.docx");
    std::string footer = dir.file("Smith, \"J\" \xC3\xA9.rtf");
    std::string mail = testfiles::containersDir() + "/testRFC822_multipart_attachments.eml";
};

TEST_F(AddressesByDocument, TheWindowTheCsvAndTheJsonLinesShowTheThreeDocumentsWithTheirStories) {
    HARVELUX_REQUIRE_SHARED_FOLDER(testfiles::containersDir());
    store("AllStories", "1");
    start();
    main().fileList().AppendItems(makeDocuments());
    pickMain(command::kStartExtracting);

    results::Form2& window = resultsWindow();
    for (const results::IndexColumn column :
         {results::IndexColumn::Documents, results::IndexColumn::FoundIn, results::IndexColumn::Where})
        window.viewControls().setColumnShown(column, true);
    EXPECT_EQ(columnCaptions(), (std::vector<std::string>{"Email Results", "Documents", "Found In", "Where"}));
    ASSERT_EQ(resultRows().size(), 1u);
    EXPECT_EQ(resultRows()[0],
              (std::vector<std::string>{kAddress, "3", body, "main text, e-mail header, header or footer"}));
    const QAbstractItemModel& model = *window.list().widget().model();
    EXPECT_EQ(model.data(model.index(0, 2), Qt::ToolTipRole).toString().toStdString(),
              body + " (main text)\n" + footer + " (header or footer)\n" + mail + " (e-mail header)");

    const std::string csvFile = dir.file("out.csv");
    platform.saveAnswers.push_back(csvFile);
    pickResults(results::kCommandSaveCsv);
    std::string footerInCsv;
    for (const char c : footer) footerInCsv += c == '"' ? std::string("\"\"") : std::string(1, c);
    EXPECT_EQ(testfiles::readFile(csvFile),
              "\xEF\xBB\xBF"
              "address,name,documents,times,first_document,all_documents,where\r\n"
              "Bugs.Bunny@acme.com,Bugs Bunny,3,4," +
                  body + ",\"" + body + "\n" + footerInCsv + "\n" + mail +
                  "\",\"main text\nheader or footer\ne-mail header\"\r\n");

    QProcess extractor;
    extractor.start(QStringLiteral(HARVELUX_EXTRACT_PROGRAM),
                    {"--all-stories", "--format", "jsonl", QString::fromStdString(body), QString::fromStdString(footer),
                     QString::fromStdString(mail)});
    ASSERT_TRUE(extractor.waitForFinished(60000));
    const std::string jsonl = extractor.readAllStandardOutput().toStdString();
    EXPECT_NE(jsonl.find("\"documents\":3,"), std::string::npos) << jsonl;
    for (const char* story : {"\"position\":1,\"member\":0,\"stories\":[\"main text\"]",
                              "\"position\":2,\"member\":0,\"stories\":[\"header or footer\"]",
                              "\"position\":3,\"member\":0,\"stories\":[\"e-mail header\"]"})
        EXPECT_NE(jsonl.find(story), std::string::npos) << story << "\n" << jsonl;
}

}  // namespace
}  // namespace harvelux::shell::testing
