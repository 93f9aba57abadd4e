#include "wordproc/DocumentFile.h"
#include "wordproc/EngineInterface.h"
#include "wordproc/FormatDispatch.h"
#include "wordproc/pdf/PdfReader.h"

#include "TestFiles.h"

#include <gtest/gtest.h>

#include <string>

namespace harvelux::wordproc {
namespace {

std::string dataFile(const std::string& name) { return readDocumentFile(HARVELUX_TEST_DATA_DIR "/pdf/" + name); }

TEST(PdfReader, PagesAreSeparatedByPageBreaks) {
    EXPECT_EQ(readDocumentText(testfiles::makePdf({"first page a@example.com", "second page"})),
              "first page a@example.com\r\fsecond page\r");
    EXPECT_EQ(readPdfText(testfiles::makePdf({"one", "", "three"})), "one\r\f\fthree\r");
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
    EXPECT_EQ(detectFormat(testfiles::makePdf({"x"})), Format::Pdf);
}

}  // namespace
}  // namespace harvelux::wordproc
