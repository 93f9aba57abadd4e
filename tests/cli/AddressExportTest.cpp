// The exports by address: an address in three documents, in a different
// story of each, with its names; CSV that Python's csv module and
// LibreOffice Calc read into the same cells; JSON Lines with the same.
#include "cli/CliOptions.h"
#include "cli/ExtractCommand.h"

#include "TestFiles.h"

#include <gtest/gtest.h>

#include <sys/wait.h>
#include <array>
#include <cstdio>
#include <sstream>

namespace {

using namespace harvelux;

std::string extract(const std::vector<std::string>& args) {
    std::string error;
    auto options = cli::parseOptions(args, error);
    EXPECT_TRUE(options) << error;
    std::ostringstream out;
    std::ostringstream err;
    cli::runExtractor(*options, out, err);
    return out.str();
}

// What the reader script prints for the file, and its exit status.
std::pair<std::string, int> readCells(const std::string& args) {
    const std::string command = "python3 " HARVELUX_CLI_TEST_DIR "/read_csv_cells.py " + args + " 2>/dev/null";
    FILE* pipe = ::popen(command.c_str(), "r");
    std::string out;
    std::array<char, 4096> buffer{};
    for (std::size_t n; (n = std::fread(buffer.data(), 1, buffer.size(), pipe)) > 0;) out.append(buffer.data(), n);
    const int status = ::pclose(pipe);
    return {out, WIFEXITED(status) ? WEXITSTATUS(status) : -1};
}

// body.docx has the address in its text with a name, the second document
// (a path with a comma, a quote and "é") in its footer, links.html as a
// mailto: link's target, its text a name.
struct ThreeDocuments {
    testfiles::TempDir dir;
    std::string body = dir.file("body.docx");
    std::string footer = dir.file("Smith, \"J\" é.rtf");
    std::string links = dir.file("links.html");
    ThreeDocuments() {
        testfiles::writeFile(
            body, testfiles::makeDocxWithParagraphs({"Jane Doe &lt;jane@example.org&gt; writes.",
                                                     "Or JANE@example.org, \"Doe, Jane\" "
                                                     "&lt;jane@example.org&gt;; Jane Doe &lt;jane@example.org&gt;"}));
        testfiles::writeFile(footer, "{\\rtf1{\\footer jane@example.org\\par}Body\\par}");
        testfiles::writeFile(links, "<html><body><a href=\"mailto:jane@example.org\">Jane  Doe</a></body></html>");
    }
    std::vector<std::string> args(const char* format) const {
        return {"--all-stories", "--format", format, body, footer, links};
    }
};

std::string jsonQuoted(const std::string& s) {
    std::string out;
    for (const char c : s) {
        if (c == '"' || c == '\\') out += '\\';
        out += c;
    }
    return out;
}

TEST(AddressExport, AnAddressInThreeDocumentsShowsEachWithItsStory) {
    const ThreeDocuments docs;
    const std::string csv = extract(docs.args("csv"));
    std::string footerInCsv;  // quotes doubled inside the quoted field
    for (const char c : docs.footer) footerInCsv += c == '"' ? std::string("\"\"") : std::string(1, c);
    EXPECT_EQ(csv,
              "\xEF\xBB\xBF"
              "address,name,documents,times,first_document,all_documents,where\r\n"
              "jane@example.org,Jane Doe,3,6," +
                  docs.body + ",\"" + docs.body + "\n" + footerInCsv + "\n" + docs.links +
                  "\",\"main text\nheader or footer\nlink target\"\r\n");

    const std::string jsonl = extract(docs.args("jsonl"));
    EXPECT_EQ(jsonl,
              "{\"address\":\"jane@example.org\",\"name\":\"Jane Doe\",\"names\":[{\"name\":\"Jane "
              "Doe\",\"times\":3},{\"name\":\"Doe, Jane\",\"times\":1}],\"documents\":3,\"times\":6,"
              "\"first_document\":\"" +
                  docs.body + "\",\"all_documents\":[{\"path\":\"" + docs.body +
                  "\",\"position\":1,\"member\":0,\"stories\":[\"main text\"]},{\"path\":\"" + jsonQuoted(docs.footer) +
                  "\",\"position\":2,\"member\":0,\"stories\":[\"header or footer\"]},{\"path\":\"" + docs.links +
                  "\",\"position\":3,\"member\":0,\"stories\":[\"link target\"]}]}\n");
}

TEST(AddressExport, PythonAndLibreOfficeReadTheSameCells) {
    const ThreeDocuments docs;
    const std::string file = docs.dir.file("out.csv");
    testfiles::writeFile(file, extract(docs.args("csv")));
    const std::string cells =
        "[[\"address\", \"name\", \"documents\", \"times\", \"first_document\", "
        "\"all_documents\", \"where\"], [\"jane@example.org\", \"Jane Doe\", \"3\", \"6\", \"" +
        docs.body + "\", \"" + docs.body + "\\n" + jsonQuoted(docs.footer) + "\\n" + docs.links +
        "\", \"main text\\nheader or footer\\nlink target\"]]\n";
    const auto [python, pythonStatus] = readCells("'" + file + "'");
    if (pythonStatus == 127) GTEST_SKIP() << "no python3";
    EXPECT_EQ(python, cells);
    const auto [calc, calcStatus] = readCells("--calc '" + file + "'");
    if (calcStatus == 77) GTEST_SKIP() << "LibreOffice is not installed";
    EXPECT_EQ(calc, cells);
}

}  // namespace
