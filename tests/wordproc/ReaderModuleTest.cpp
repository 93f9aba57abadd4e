#include "wordproc/EngineInterface.h"
#include "wordproc/FormatDispatch.h"
#include "wordproc/WorkBudget.h"
#include "wordproc/module/LinkedPdfHtmlReaders.h"
#include "wordproc/module/PdfHtmlModule.h"
#include "wordproc/text/TextBuilder.h"

#include "TestFiles.h"

#include <gtest/gtest.h>

#include <chrono>
#include <new>
#include <stdexcept>
#include <string>

namespace harvelux::wordproc {
namespace {

// The programs of the build tree load the real module through their run
// path: HTML and PDF read through the dispatch exactly as when linked in.
TEST(ReaderModule, LoadedModuleReadsHtmlAndPdfLikeTheLinkedReaders) {
    useLinkedPdfHtmlReaders(nullptr);
    const std::string html =
        "<html><body><p>one</p><p>two a@example.com <a href='mailto:b@example.com'>B</a></p></body></html>";
    std::string linked;
    ASSERT_EQ(linkedPdfHtmlReaders().readHtml(html.data(), html.size(), 0, nullptr, &linked), kReaderRead);
    EXPECT_EQ(readDocumentText(html), linked);
    EXPECT_NE(linked.find("a@example.com"), std::string::npos);
    // The read options cross the module's edge.
    ASSERT_EQ(linkedPdfHtmlReaders().readHtml(html.data(), html.size(), kReadAllStories, nullptr, &linked),
              kReaderRead);
    EXPECT_EQ(readDocumentText(html, ReadOptions{true}), linked);
    EXPECT_NE(linked.find("b@example.com"), std::string::npos);

    // A PDF header with nothing readable behind it is the reader's error,
    // carried across the module's edge as an EngineError with its message.
    try {
        readDocumentText("%PDF-1.4\nnot really");
        ADD_FAILURE() << "a damaged PDF was read";
    } catch (const EngineError& error) {
        EXPECT_STREQ(error.what(), "the PDF cannot be read");
    }
}

// The module keeps its own copy of the engine's thread state; the reading
// thread's work budget and text cap still hold inside it. The budget's clock
// moves a second each time it is read: the HTML walk reads it every few
// thousand nodes, the PDF reader before every page.
TEST(ReaderModule, LoadedModuleKeepsTheThreadsWorkBudgetAndTextCap) {
    useLinkedPdfHtmlReaders(nullptr);
    std::string manyNodes = "<html><body>";
    for (int i = 0; i < 100000; ++i) manyNodes += "<i>x</i>";
    manyNodes += "</body></html>";
    const struct {
        const char* name;
        std::string document;
        bool tooSlow;
    } cases[] = {
        {"small HTML", "<html><body><p>a@example.com</p></body></html>", false},
        {"HTML of 200,000 nodes", manyNodes, true},
        {"PDF of 3 pages", testfiles::makePdf({"one", "two", "three"}), false},
        {"PDF of 40 pages", testfiles::makePdf(std::vector<std::string>(40, "page")), true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        std::chrono::steady_clock::time_point now{};
        const WorkBudget budget({std::chrono::seconds(30), [&now] { return now += std::chrono::seconds(1); }});
        try {
            EXPECT_FALSE(readDocumentText(c.document).empty());
            EXPECT_FALSE(c.tooSlow) << "read in "
                                    << std::chrono::duration_cast<std::chrono::seconds>(now.time_since_epoch()).count()
                                    << " s";
        } catch (const EngineError& error) {
            EXPECT_TRUE(c.tooSlow) << error.what();
            EXPECT_STREQ(error.what(), "too slow to read");
        }
    }

    const TextLimitScope cap(100);
    try {
        readDocumentText("<html><body><p>" + std::string(1000, 'x') + "</p></body></html>");
        ADD_FAILURE() << "text past the cap was read";
    } catch (const EngineError& error) {
        EXPECT_EQ(error.reason(), UnreadableReason::TooLarge);
    }
}

int g_outcome = kReaderRead;
int scripted(const char*, std::size_t, unsigned, const ReaderLimits*, std::string* text) {
    *text = "scripted message";
    return g_outcome;
}
int scriptedPdf(const char* data, std::size_t size, unsigned options, const ReaderLimits* limits, const PageOcrHook*,
                std::string* text) {
    return scripted(data, size, options, limits, text);
}

// What the readers report becomes what the rest of the engine expects:
// text, an EngineError, out of memory, or another failure with its message.
TEST(ReaderModule, OutcomesBecomeTextOrTheMatchingException) {
    static const PdfHtmlModuleTable table{kPdfHtmlModuleAbi, &scripted, &scriptedPdf};
    useLinkedPdfHtmlReaders(&table);
    const std::string pdf = "%PDF-1.4\n";
    const std::string html = "<!DOCTYPE html><p>x</p>";

    g_outcome = kReaderRead;
    EXPECT_EQ(readDocumentText(pdf), "scripted message");
    EXPECT_EQ(readDocumentText(html), "scripted message");
    g_outcome = kReaderEngineError;
    EXPECT_THROW(readDocumentText(pdf), EngineError);
    g_outcome = kReaderOutOfMemory;
    EXPECT_THROW(readDocumentText(html), std::bad_alloc);
    g_outcome = kReaderFailed;
    try {
        readDocumentText(pdf);
        ADD_FAILURE() << "a failed read gave text";
    } catch (const EngineError&) {
        ADD_FAILURE() << "another failure was taken for a damaged document";
    } catch (const std::runtime_error& error) {
        EXPECT_STREQ(error.what(), "scripted message");
    }
    useLinkedPdfHtmlReaders(nullptr);
}

}  // namespace
}  // namespace harvelux::wordproc
