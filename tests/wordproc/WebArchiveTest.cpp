// Web archives: the page is found in the MIME message, decoded and read by
// the HTML reader.
#include "wordproc/DocumentFile.h"
#include "wordproc/EngineInterface.h"
#include "wordproc/FormatDispatch.h"
#include "wordproc/container/MimeParts.h"
#include "wordproc/html/WebArchive.h"

#include <gtest/gtest.h>

#include <string>

namespace harvelux::wordproc {
namespace {

std::string archive(const std::string& partHeaders, const std::string& body) {
    return "MIME-Version: 1.0\r\nContent-Type: multipart/related;\r\n\tboundary=\"==b\"; type=\"text/html\"\r\n\r\n"
           "preamble\r\n--==b\r\n" +
           partHeaders + "\r\n\r\n" + body +
           "\r\n--==b\r\nContent-Type: image/png\r\nContent-Transfer-Encoding: "
           "base64\r\n\r\niVBORw0KGgo=\r\n--==b--\r\n";
}

TEST(WebArchive, PageIsDecodedInItsCharsetAndRead) {
    const struct {
        std::string headers;
        std::string body;
        std::string expected;
    } cases[] = {
        {"Content-Type: text/html; charset=\"windows-1251\"\r\nContent-Transfer-Encoding: quoted-printable",
         "<html><body><p>=CF=F0=E8=E2=E5=F2 ivan@example.ru</p><p>soft=\r\nbreak</p></body></html>",
         "\u041f\u0440\u0438\u0432\u0435\u0442 ivan@example.ru\rsoftbreak\r"},
        {"Content-Type: text/html; charset=utf-8\r\nContent-Transfer-Encoding: base64",
         "PGh0bWw+PGJvZHk+PHA+\r\nwqA=\r\n",  // "<html><body><p>" NBSP, padded and split
         "\u00a0\r"},
        // Latin-1 labels are read as browsers read them: 0x93 0x94 are quotes.
        {"Content-Type: text/html; charset=iso-8859-1", "<html><body><p>\x93q\x94</p></body></html>",
         "\u201cq\u201d\r"},
    };
    for (const auto& page : cases) {
        SCOPED_TRACE(page.headers);
        const std::string bytes = archive(page.headers, page.body);
        ASSERT_EQ(detectFormat(bytes), Format::WebArchive);
        EXPECT_EQ(readDocumentText(bytes), page.expected);
    }
}

// The page may sit inside a multipart/alternative; the first HTML part is
// the page. An archive cut off before its closing delimiter keeps it.
TEST(WebArchive, FirstHtmlPartIsFoundInNestedPartsAndCutArchives) {
    const std::string nested =
        "Content-Type: multipart/related; boundary=outer\n\n--outer\nContent-Type: multipart/alternative; "
        "boundary=inner\n\n--inner\nContent-Type: text/plain\n\nplain\n--inner\nContent-Type: text/html\n\n"
        "<p>first@example.org</p>\n--inner--\n--outer\nContent-Type: text/html\n\n<p>second</p>\n--outer--\n";
    EXPECT_EQ(readDocumentText(nested), "first@example.org\r");
    EXPECT_EQ(readDocumentText(nested.substr(0, nested.find("--inner--"))), "first@example.org\r");
    EXPECT_EQ(readDocumentText(archive("Content-Type: text/html", "")), "");
}

TEST(WebArchive, HostileArchivesAreRefusedOrRead) {
    std::string deep = "Content-Type: multipart/related; boundary=b0\n\n";
    for (int i = 1; i < 200; ++i)
        deep +=
            "--b" + std::to_string(i - 1) + "\nContent-Type: multipart/mixed; boundary=b" + std::to_string(i) + "\n\n";
    EXPECT_THROW(readDocumentText(deep), EngineError);
    EXPECT_THROW(readDocumentText("Content-Type: multipart/related\n\nno boundary"), EngineError);
    EXPECT_EQ(mime::decodeQuotedPrintable("a=\r\nb=3D=zz=4"), "ab==zz=4");
    EXPECT_EQ(mime::decodeBase64("Zm9v\r\nYmFy!!=junk"), "foobar");
}

TEST(WebArchive, RealArchiveIsRead) {
    const std::string text = readDocumentText(readDocumentFile(HARVELUX_TEST_DATA_DIR "/legacy/firefox.mhtml"));
    EXPECT_EQ(text.rfind("Aperture\ra Java framework for getting data and metadata\r", 0), 0u) << text.substr(0, 80);
    EXPECT_NE(text.find("ap\u00b7er\u00b7ture"), std::string::npos);
}

// A mail message is not a web archive: it stays plain text.
TEST(WebArchive, MailIsNotTakenForAnArchive) {
    EXPECT_EQ(detectFormat("From: a@example.org\r\nContent-Type: multipart/mixed; boundary=x\r\n\r\n--x\r\n"),
              Format::PlainText);
}

}  // namespace
}  // namespace harvelux::wordproc
