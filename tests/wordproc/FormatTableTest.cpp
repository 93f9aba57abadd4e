// What must follow the engine's table of formats outside the engine: the
// table in docs/formats.md and a fuzzer for every format; and what the
// compiler cannot check of the rows.
#include "wordproc/FormatTable.h"

#include "TestFiles.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

namespace harvelux::wordproc {
namespace {

const std::string kSource = HARVELUX_SOURCE_DIR;
constexpr std::string_view kBegin = "<!-- format table: begin -->\n";
constexpr std::string_view kEnd = "<!-- format table: end -->\n";

std::string moduleColumn(FormatModule module) {
    switch (module) {
        case FormatModule::None:
            return "the engine";
        case FormatModule::PdfHtml:
            return "the PDF and HTML module";
        case FormatModule::Legacy:
            return "the legacy module";
        case FormatModule::Ocr:
            return "the OCR module";
        case FormatModule::PstProcess:
            return "the mail store reader process";
    }
    return {};
}

// The table as docs/formats.md shows it.
std::string tableAsMarkdown() {
    std::string markdown = "| format | usual names | read by | whole documents read more |\n|---|---|---|---|\n";
    for (const FormatEntry& entry : formatTable()) {
        std::string names;
        for (const std::string_view extension : entry.extensionList())
            names += (names.empty() ? "." : ", .") + std::string(extension);
        markdown += "| " + std::string(entry.name) + " | " + names + " | " + moduleColumn(entry.module) + " | " +
                    (entry.otherStories ? "yes" : "no") + " |\n";
    }
    return markdown;
}

TEST(FormatTable, DocsShowTheTable) {
    const std::string docs = testfiles::readFile(kSource + "/docs/formats.md");
    const std::size_t begin = docs.find(kBegin);
    const std::size_t end = docs.find(kEnd);
    ASSERT_TRUE(begin != std::string::npos && end != std::string::npos && begin < end)
        << "docs/formats.md has no section between \"" << kBegin << "\" and \"" << kEnd << "\"";
    const std::string shown = docs.substr(begin + kBegin.size(), end - begin - kBegin.size());
    EXPECT_TRUE(shown == tableAsMarkdown()) << "docs/formats.md does not show the table of formats of "
                                               "src/wordproc/FormatTable.cpp; between its markers it should read:\n"
                                            << tableAsMarkdown();
}

TEST(FormatTable, EveryFormatHasAReaderAndASignature) {
    for (const FormatEntry& entry : formatTable()) {
        EXPECT_NE(entry.read, nullptr) << entry.name;
        EXPECT_NE(entry.signatures[0].matches, nullptr) << entry.name;
        EXPECT_EQ(&formatEntry(entry.format), &entry) << entry.name;
    }
}

TEST(FormatTable, EveryFormatHasAFuzzer) {
    const std::string fuzzers = testfiles::readFile(kSource + "/fuzz/CMakeLists.txt");
    for (const FormatEntry& entry : formatTable()) {
        const std::string fuzzer(entry.fuzzer);
        EXPECT_TRUE(std::filesystem::exists(kSource + "/fuzz/" + fuzzer + ".cpp")) << entry.name << ": " << fuzzer;
        EXPECT_NE(fuzzers.find("add_harvelux_fuzzer(" + fuzzer + " "), std::string::npos)
            << entry.name << ": fuzz/CMakeLists.txt builds no " << fuzzer;
    }
}

}  // namespace
}  // namespace harvelux::wordproc
