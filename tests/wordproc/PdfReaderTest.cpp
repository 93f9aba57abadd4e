#include "wordproc/DocumentFile.h"
#include "wordproc/Engine.h"
#include "wordproc/FormatDispatch.h"
#include "wordproc/PdfReader.h"

#include <gtest/gtest.h>

#include <string>

namespace harvelux::wordproc {
namespace {

// A minimal PDF: one page per text, Helvetica, no cross-reference table
// (readers rebuild it).
std::string makePdf(const std::vector<std::string>& pages) {
    std::string kids;
    for (std::size_t i = 0; i < pages.size(); ++i) kids += std::to_string(10 + 2 * i) + " 0 R ";
    std::string pdf = "%PDF-1.4\n1 0 obj<</Type/Catalog/Pages 2 0 R>>endobj\n"
                      "2 0 obj<</Type/Pages/Kids[" + kids + "]/Count " + std::to_string(pages.size()) + ">>endobj\n"
                      "3 0 obj<</Type/Font/Subtype/Type1/BaseFont/Helvetica>>endobj\n";
    for (std::size_t i = 0; i < pages.size(); ++i) {
        const std::string stream = "BT /F1 12 Tf 20 150 Td (" + pages[i] + ") Tj ET";
        pdf += std::to_string(10 + 2 * i) + " 0 obj<</Type/Page/Parent 2 0 R/MediaBox[0 0 300 200]" +
               "/Resources<</Font<</F1 3 0 R>>>>/Contents " + std::to_string(11 + 2 * i) + " 0 R>>endobj\n" +
               std::to_string(11 + 2 * i) + " 0 obj<</Length " + std::to_string(stream.size()) + ">>stream\n" +
               stream + "\nendstream endobj\n";
    }
    return pdf + "trailer<</Root 1 0 R>>\n%%EOF\n";
}

std::string dataFile(const std::string& name) { return readDocumentFile(HARVELUX_TEST_DATA_DIR "/pdf/" + name); }

TEST(PdfReader, PagesAreSeparatedByPageBreaks) {
    EXPECT_EQ(readDocumentText(makePdf({"first page a@example.com", "second page"})),
              "first page a@example.com\r\fsecond page\r");
    EXPECT_EQ(readPdfText(makePdf({"one", "", "three"})), "one\r\f\fthree\r");
}

TEST(PdfReader, OnlyAnOpenPasswordLocksTheDocument) {
    EXPECT_THROW(readDocumentText(dataFile("locked.pdf")), EngineError);
    // Permissions without an open password: readable, as in any viewer.
    EXPECT_EQ(readDocumentText(dataFile("restricted.pdf")), "Readable text with owner@example.com\r");
}

TEST(PdfReader, DamagedDocumentsFail) {
    EXPECT_THROW(readPdfText("%PDF-1.4\ngarbage"), EngineError);
    const std::string whole = dataFile("restricted.pdf");
    EXPECT_THROW(readPdfText(whole.substr(0, 400)), EngineError);
}

TEST(PdfReader, IsRecognisedByItsHeader) {
    EXPECT_TRUE(looksLikePdf("%PDF-1.7"));
    EXPECT_TRUE(looksLikePdf(std::string(500, ' ') + "%PDF-1.7"));
    EXPECT_FALSE(looksLikePdf(std::string(2000, ' ') + "%PDF-1.7"));
    EXPECT_EQ(detectFormat(makePdf({"x"})), Format::Pdf);
}

}  // namespace
}  // namespace harvelux::wordproc
