// Runs over containers: their members are read by every worker, and what a
// run writes is the same on one worker and on several, and the same for a
// folder of documents as for the same documents in a ZIP archive.
#include "cli/CliOptions.h"
#include "cli/ExtractCommand.h"
#include "cli/PathLists.h"
#include "filelist/FolderScan.h"

#include "SharedFolders.h"
#include "TestFiles.h"

#include <gtest/gtest.h>

#include <sstream>

namespace {

using namespace harvelux;

struct Outcome {
    std::string out;
    std::string err;  // the --stats summary, without its timing
};

Outcome run(const std::vector<std::string>& args) {
    std::string error;
    auto options = cli::parseOptions(args, error);
    std::istringstream in;
    if (!options || !cli::readPathLists(*options, in, error)) return {"", error};
    std::ostringstream out;
    std::ostringstream err;
    cli::runExtractor(*options, out, err);
    std::istringstream lines(err.str());
    std::string kept;
    for (std::string line; std::getline(lines, line);)
        if (line.rfind("seconds:", 0) != 0) kept += line + '\n';
    return {out.str(), kept};
}

std::string containersDir() { return testfiles::corpusDir() + "/../containers"; }

TEST(ContainerRun, OneWorkerAndFourWriteTheSameBytes) {
    HARVELUX_REQUIRE_SHARED_FOLDER(containersDir());
    testfiles::TempDir dir;
    // Archives and e-mails of the shared folder, and a ZIP holding many
    // documents, a damaged one, the shared ZIP of a ZIP and an e-mail.
    // Numbers enough that each letter is some kilobytes: a member of a few
    // is read at once by the worker that lists it.
    std::string filler;
    for (unsigned n = 1; filler.size() < 12000; n = n * 7919 % 100003) filler += std::to_string(n) + ' ';
    std::vector<testfiles::ZipEntry> members;
    for (int i = 0; i < 40; ++i)
        members.push_back(
            {"letters/" + std::to_string(i) + ".docx",
             testfiles::makeDocxWithParagraphs({filler, "Write to member" + std::to_string(i) + "@example.com"})});
    members.push_back({"letters/cut.docx", members[0].data.substr(0, 200)});
    members.push_back({"old/zip-of-zip.zip", testfiles::readFile(containersDir() + "/test-zip-of-zip.zip")});
    members.push_back(
        {"mail/note.eml", testfiles::readFile(containersDir() + "/testRFC822_multipart_attachments.eml")});
    testfiles::writeFile(dir.file("nested.zip"), testfiles::makeZip(members));
    for (const char* name : {"test-documents.7z", "complex.mbox", "test-documents.zip", "testMSG_att_doc.msg"})
        testfiles::writeFile(dir.file(name), testfiles::readFile(containersDir() + "/" + name));

    for (const char* format : {"lines", "text", "comma", "csv", "jsonl"}) {
        const std::vector<std::string> args = {"--all-files", "--stats", "-f", "--format", format, dir.path()};
        std::vector<std::string> one = args;
        one.insert(one.begin(), "-j1");
        std::vector<std::string> four = args;
        four.insert(four.begin(), "-j4");
        const Outcome alone = run(one);
        const Outcome spread = run(four);
        EXPECT_NE(alone.out.find("member39@example.com"), std::string::npos) << format;
        EXPECT_NE(alone.err.find("nested.zip::letters/cut.docx"), std::string::npos) << alone.err;
        EXPECT_EQ(spread.out, alone.out) << format;
        EXPECT_EQ(spread.err, alone.err) << format;
    }
}

TEST(ContainerRun, AFolderAndItsFilesZippedGiveTheSameAddressesInTheSameOrder) {
    const std::string corpus = testfiles::corpusDir();
    HARVELUX_REQUIRE_SHARED_FOLDER(corpus);
    // The members in the order the folder is scanned, stored as they are.
    std::vector<testfiles::ZipEntry> members;
    for (const std::string& path : filelist::ScanTree(corpus, "*"))
        members.push_back({path.substr(corpus.size() + 1), testfiles::readFile(path), false});
    ASSERT_GE(members.size(), 500u);
    testfiles::TempDir dir;
    testfiles::writeFile(dir.file("corpus.zip"), testfiles::makeZip(members));

    const std::string loose = run({"-j4", "--all-files", corpus}).out;
    EXPECT_GT(std::count(loose.begin(), loose.end(), '\n'), 5);
    EXPECT_EQ(run({"-j4", dir.file("corpus.zip")}).out, loose);
}

}  // namespace

// A message inside a mail box keeps its own stories: its From line is an
// e-mail header there, as it is in the message read on its own.
TEST(ContainerRun, InnerDocumentsKeepTheirOwnStories) {
    HARVELUX_REQUIRE_SHARED_FOLDER(containersDir());
    const Outcome outcome = run({"--format", "jsonl", containersDir() + "/complex.mbox"});
    const std::string member = "complex.mbox::message 1\",\"position\":1,\"member\":";
    const std::size_t at = outcome.out.find(member);
    ASSERT_NE(at, std::string::npos) << outcome.out;
    EXPECT_NE(outcome.out.find("\"stories\":[\"e-mail header\"]", at), std::string::npos) << outcome.out;
}
