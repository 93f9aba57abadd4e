// Whole documents: with ReadOptions::allStories every story's addresses are
// read once, after the main story's; without it exactly the main story is.
// Each format has a document written by hand and one saved by LibreOffice.
#include "wordproc/EngineInterface.h"
#include "wordproc/FormatDispatch.h"
#include "wordproc/text/MailtoLinks.h"
#include "wordproc/text/OtherStories.h"

#include "TestFiles.h"

#include <gmock/gmock.h>

#include <regex>
#include <set>

namespace harvelux::wordproc {
namespace {

using ::testing::ElementsAreArray;
using Addresses = std::vector<std::string>;

const ReadOptions kAll{true};

// The addresses of a text in order; each must occur only once.
Addresses addressesOf(const std::string& text) {
    static const std::regex address(R"([A-Za-z0-9_.\-]+@[A-Za-z0-9\-]+(\.[A-Za-z0-9\-]+)*\.[a-z]{2,})");
    Addresses found;
    std::set<std::string> seen;
    for (std::sregex_iterator it(text.begin(), text.end(), address), end; it != end; ++it) {
        EXPECT_TRUE(seen.insert(it->str()).second) << it->str() << " read twice";
        found.push_back(it->str());
    }
    return found;
}

std::string storyFile(const std::string& name) {
    return testfiles::readFile(HARVELUX_TEST_DATA_DIR "/stories/" + name);
}

const Addresses kMain = {"main@example.com", "second@example.com"};
const Addresses kEveryStory = {"main@example.com",    "second@example.com",  "footnote@example.com",
                               "endnote@example.com", "comment@example.com", "textbox@example.com",
                               "header@example.com",  "footer@example.com",  "link@example.com"};

struct Case {
    const char* file;
    Addresses off;
    Addresses on;
};

TEST(AllStories, EveryStoryOnceAfterTheMainStoryAndOnlyTheMainStoryWithout) {
    // LibreOffice writes HTML with the notes, header and footer in the page.
    const Addresses htmlMain = {"header@example.com",  "main@example.com",     "second@example.com",
                                "textbox@example.com", "footnote@example.com", "endnote@example.com",
                                "footer@example.com"};
    Addresses htmlAll = htmlMain;
    htmlAll.push_back("link@example.com");
    const Case cases[] = {
        {"handmade.fodt", kMain, kEveryStory},
        {"libreoffice.odt", kMain, kEveryStory},
        {"libreoffice.docx", kMain, kEveryStory},
        {"libreoffice.doc", kMain, kEveryStory},
        {"libreoffice.rtf", kMain, kEveryStory},
        {"libreoffice.xml", kMain, kEveryStory},
        {"libreoffice.html", htmlMain, htmlAll},
        {"handmade.rtf",
         kMain,
         {"main@example.com", "second@example.com", "footnote@example.com", "endnote@example.com",
          "comment@example.com", "textbox@example.com", "drawn@example.com", "header@example.com",
          "first-footer@example.com", "footer@example.com", "link@example.com"}},
        {"handmade.xml",
         {"main@example.com"},
         {"main@example.com", "textbox@example.com", "header@example.com", "footer@example.com", "link@example.com",
          "field@example.com"}},
        {"handmade.html",
         {"main@example.com"},
         {"main@example.com", "link@example.com", "Two@example.com", "three@example.com"}},
    };
    for (const Case& c : cases) {
        const std::string data = storyFile(c.file);
        EXPECT_THAT(addressesOf(readDocumentText(data)), ElementsAreArray(c.off)) << c.file;
        const std::string whole = readDocumentText(data, kAll);
        EXPECT_THAT(addressesOf(whole), ElementsAreArray(c.on)) << c.file;
        // The main story comes first, unchanged.
        EXPECT_EQ(whole.substr(0, readDocumentText(data).size()), readDocumentText(data)) << c.file;
    }
}

// A package written by hand: two sections sharing a header, a first-page
// header, notes with Word's separators, a comment, a text box kept as a
// drawing with its VML fallback, a hyperlink relationship and a field.
std::string handmadeDocx(const std::string& commentsPart, bool withHeaderPart) {
    const std::string w = R"(xmlns:w="http://schemas.openxmlformats.org/wordprocessingml/2006/main" )"
                          R"(xmlns:r="http://schemas.openxmlformats.org/officeDocument/2006/relationships" )"
                          R"(xmlns:mc="http://schemas.openxmlformats.org/markup-compatibility/2006" )"
                          R"(xmlns:v="urn:schemas-microsoft-com:vml")";
    const auto p = [](const std::string& text) { return "<w:p><w:r><w:t>" + text + "</w:t></w:r></w:p>"; };
    const std::string box = "<w:txbxContent>" + p("Box textbox@example.com") + "</w:txbxContent>";
    const std::string section = R"(<w:headerReference w:type="default" r:id="rH"/>)"
                                R"(<w:footerReference w:type="default" r:id="rF"/>)";
    const std::string document =
        "<w:document " + w + "><w:body>" + p("Main text main@example.com") +
        "<w:p><w:r><mc:AlternateContent><mc:Choice Requires=\"wps\"><w:drawing>" + box +
        "</w:drawing></mc:Choice><mc:Fallback><w:pict><v:shape><v:textbox>" + box +
        "</v:textbox></v:shape></w:pict></mc:Fallback></mc:AlternateContent></w:r>"
        "<w:hyperlink r:id=\"rL\"><w:r><w:t>write to Lee</w:t></w:r></w:hyperlink>"
        "<w:r><w:fldChar w:fldCharType=\"begin\"/></w:r><w:r><w:instrText>HYPERLINK \"mailto:</w:instrText></w:r>"
        "<w:r><w:instrText>field@example.com\"</w:instrText></w:r><w:r><w:fldChar w:fldCharType=\"separate\"/></w:r>"
        "<w:r><w:t>the desk</w:t></w:r><w:r><w:fldChar w:fldCharType=\"end\"/></w:r>"
        "<w:pPr><w:sectPr>" +
        section + R"(<w:headerReference w:type="first" r:id="rH1"/></w:sectPr></w:pPr></w:p>)" +
        p("Second section second@example.com") + "<w:sectPr>" + section + "</w:sectPr></w:body></w:document>";
    const auto notes = [&](const char* kind, const char* address) {
        return std::string("<w:") + kind + "s " + w + "><w:" + kind + " w:type=\"separator\" w:id=\"-1\">" +
               p("separator@example.com") + "</w:" + kind + "><w:" + kind + " w:id=\"1\">" + p(address) +
               "</w:" + kind + "></w:" + kind + "s>";
    };
    const auto relationship = [](const std::string& id, const std::string& type, const std::string& target,
                                 bool external = false) {
        return "<Relationship Id=\"" + id +
               "\" Type=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships/" + type +
               "\" Target=\"" + target + "\"" + (external ? " TargetMode=\"External\"" : "") + "/>";
    };
    const std::string documentRels =
        "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">" +
        relationship("rH", "header", "header1.xml") + relationship("rH1", "header", "/word/header2.xml") +
        relationship("rF", "footer", "footer1.xml") + relationship("rN", "footnotes", "footnotes.xml") +
        relationship("rE", "endnotes", "endnotes.xml") + relationship("rC", "comments", "comments.xml") +
        relationship("rL", "hyperlink", "mailto:link@example.com?subject=Hi", true) + "</Relationships>";
    std::vector<testfiles::ZipEntry> entries = {
        {"[Content_Types].xml", R"(<Types xmlns="http://schemas.openxmlformats.org/package/2006/content-types"/>)"},
        {"_rels/.rels", "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">" +
                            relationship("r1", "officeDocument", "word/document.xml") + "</Relationships>"},
        {"word/document.xml", document},
        {"word/_rels/document.xml.rels", documentRels},
        {"word/footnotes.xml", notes("footnote", "Note footnote@example.com")},
        {"word/endnotes.xml", notes("endnote", "Note endnote@example.com")},
        {"word/comments.xml", commentsPart},
        {"word/header2.xml", "<w:hdr " + w + ">" + p("First first-header@example.com") + "</w:hdr>"},
        {"word/footer1.xml", "<w:ftr " + w + ">" + p("Footer footer@example.com") + "</w:ftr>"},
    };
    if (withHeaderPart)
        entries.push_back({"word/header1.xml", "<w:hdr " + w + ">" + p("Header header@example.com") + "</w:hdr>"});
    return testfiles::makeZip(entries);
}

TEST(AllStories, HandmadeDocxReadsEachStoryOnceAndSkipsWhatIsDamaged) {
    const std::string comments =
        "<w:comments xmlns:w=\"http://schemas.openxmlformats.org/wordprocessingml/2006/main\">"
        "<w:comment w:id=\"0\"><w:p><w:r><w:t>Ask comment@example.com</w:t></w:r></w:p>"
        "</w:comment></w:comments>";
    const std::string whole = handmadeDocx(comments, true);
    EXPECT_THAT(addressesOf(readDocumentText(whole)), ElementsAreArray({"main@example.com", "second@example.com"}));
    EXPECT_THAT(
        addressesOf(readDocumentText(whole, kAll)),
        ElementsAreArray({"main@example.com", "second@example.com", "footnote@example.com", "endnote@example.com",
                          "comment@example.com", "textbox@example.com", "first-header@example.com",
                          "header@example.com", "footer@example.com", "link@example.com", "field@example.com"}));
    // A header part that is missing and a comments part that is not XML
    // read as empty; the other stories are still read.
    EXPECT_THAT(addressesOf(readDocumentText(handmadeDocx("<w:comments><w:comment>", false), kAll)),
                ElementsAreArray({"main@example.com", "second@example.com", "footnote@example.com",
                                  "endnote@example.com", "textbox@example.com", "first-header@example.com",
                                  "footer@example.com", "link@example.com", "field@example.com"}));
}

TEST(AllStories, DamagedOpenDocumentStylesLeaveTheOtherStories) {
    // styles.xml that is not XML: the headers and footers read as empty.
    const std::string content =
        R"(<office:document-content xmlns:office="urn:oasis:names:tc:opendocument:xmlns:office:1.0" )"
        R"(xmlns:text="urn:oasis:names:tc:opendocument:xmlns:text:1.0"><office:body><office:text>)"
        R"(<text:p>Main main@example.com<text:note text:note-class="footnote"><text:note-body>)"
        R"(<text:p>Note footnote@example.com</text:p></text:note-body></text:note></text:p>)"
        R"(</office:text></office:body></office:document-content>)";
    const std::string package = testfiles::makeZip({{"mimetype", "application/vnd.oasis.opendocument.text", false},
                                                    {"content.xml", content},
                                                    {"styles.xml", "<office:document-styles><oops"}});
    EXPECT_THAT(addressesOf(readDocumentText(package, kAll)),
                ElementsAreArray({"main@example.com", "footnote@example.com"}));
}

TEST(AllStories, MailtoTargetsAndHyperlinkFields) {
    using TargetCase = std::pair<std::string, Addresses>;
    const TargetCase targets[] = {
        {"mailto:anna@example.org?subject=Hello%20there", {"anna@example.org"}},
        {"  MailTo:%61nna@example.org#top", {"anna@example.org"}},
        {"mailto:a@example.org, b@example.org;c@example.org", {"a@example.org", "b@example.org", "c@example.org"}},
        {"mailto:", {}},
        {"https://example.org/mailto:x@example.org", {}},
        {"mailto:%4", {"%4"}},
    };
    for (const auto& [uri, addresses] : targets) EXPECT_THAT(mailtoAddresses(uri), ElementsAreArray(addresses)) << uri;

    const std::pair<std::string, std::string> fields[] = {
        {R"( HYPERLINK "mailto:x@example.org" \o "Tip")", "mailto:x@example.org"},
        {R"(hyperlink \o "mailto:tip@example.org" mailto:y@example.org)", "mailto:y@example.org"},
        {"HYPERLINK \xE2\x80\x9Cmailto:q@example.org\xE2\x80\x9D", "mailto:q@example.org"},
        {R"(HYPERLINK \l "mailto:anchor")", ""},
        {R"(HYPERLINKS "mailto:x@example.org")", ""},
        {R"(PAGEREF "mailto:x@example.org")", ""},
        {R"(HYPERLINK "mailto:open@example.org)", "mailto:open@example.org"},
    };
    for (const auto& [code, target] : fields) EXPECT_EQ(hyperlinkFieldTarget(code), target) << code;
}

// A mailto: link's text is written before its address as a display name,
// in every format whose reader sees the link's text beside its target.
TEST(AllStories, AMailtoLinksTextNamesItsAddress) {
    for (const char* file :
         {"handmade.fodt", "handmade.html", "handmade.rtf", "handmade.xml", "libreoffice.doc", "libreoffice.docx",
          "libreoffice.html", "libreoffice.odt", "libreoffice.rtf", "libreoffice.xml"}) {
        const std::string text = readDocumentText(storyFile(file), kAll);
        EXPECT_NE(text.find("\"write to Lee\" <link@example.com>\r"), std::string::npos) << file;
    }
    // A HYPERLINK field's result is its text.
    EXPECT_NE(readDocumentText(storyFile("handmade.xml"), kAll).find("\"the desk\" <field@example.com>\r"),
              std::string::npos);
    const struct {
        std::vector<std::pair<std::string, std::string>> links;  // target, text
        std::string written;
    } cases[] = {
        {{{"mailto:jo@example.org", "  Jo \r\n \"Doe\"\t"}}, "\"Jo Doe\" <jo@example.org>\r"},
        {{{"mailto:jo@example.org", "jo@example.org"}}, "jo@example.org\r"},  // the address as its text
        {{{"mailto:jo@example.org", "<Jo>"}}, "jo@example.org\r"},
        {{{"mailto:jo@example.org", std::string(129, 'x')}}, "jo@example.org\r"},
        {{{"mailto:a@example.org,b@example.org", "Both"}}, "a@example.org\rb@example.org\r"},
        // The first link with a text names an address given twice.
        {{{"mailto:jo@example.org", ""}, {"mailto:jo@example.org", "Jo"}, {"mailto:jo@example.org", "Joe"}},
         "\"Jo\" <jo@example.org>\r"},
    };
    for (const auto& c : cases) {
        OtherStories stories;
        for (const auto& [target, text] : c.links) stories.addLink(target, text);
        EXPECT_EQ(stories.appendTo(""), c.written) << c.links.front().second;
    }
}

}  // namespace
}  // namespace harvelux::wordproc
