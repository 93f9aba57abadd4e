#include "wordproc/EngineInterface.h"
#include "wordproc/FormatDispatch.h"

#include "SharedFolders.h"
#include "TestFiles.h"

#include <gtest/gtest.h>

#include <dirent.h>

namespace {

using namespace harvelux;
using wordproc::readDocumentText;

std::string bodyText(const std::string& bodyXml) { return readDocumentText(testfiles::makeDocx(bodyXml)); }

std::string run(const std::string& inner) { return "<w:r>" + inner + "</w:r>"; }
std::string t(const std::string& text) { return "<w:t xml:space=\"preserve\">" + text + "</w:t>"; }

TEST(OoxmlReader, ParagraphsRunsAndSpecialCharacters) {
    EXPECT_EQ(bodyText("<w:p>" + run(t("one ")) + run(t("two")) + "</w:p><w:p/>"), "one two\r\r");
    EXPECT_EQ(bodyText("<w:p>" +
                       run(t("a") + "<w:tab/>" + t("b") + "<w:br/>" + t("c") + "<w:br w:type=\"page\"/>" + t("d") +
                           "<w:br w:type=\"column\"/><w:noBreakHyphen/><w:softHyphen/>" +
                           "<w:sym w:font=\"Symbol\" w:char=\"00A0\"/>" + "<w:cr/>") +
                       "</w:p>"),
              "a\tb\vc\fd\x0E\x1E\x1F\xC2\xA0\v\r");
    EXPECT_EQ(bodyText("<w:p>" + run(t(" ")) + "</w:p>"), " \r");
    // Without xml:space="preserve" the white space around a run's text is markup.
    EXPECT_EQ(bodyText("<w:p><w:r><w:t>\n  a b  \n</w:t><w:t> </w:t><w:t>c</w:t></w:r></w:p>"), "a bc\r");
    EXPECT_EQ(bodyText("<w:p>" + run(t("x &amp; &lt;y&gt;")) + "</w:p>"), "x & <y>\r");
}

TEST(OoxmlReader, TablesEndCellsAndRowsWithCrBel) {
    const std::string cell1 = "<w:tc><w:tcPr/><w:p>" + run(t("a")) + "</w:p><w:p>" + run(t("b")) + "</w:p></w:tc>";
    const std::string cell2 = "<w:tc><w:p>" + run(t("c")) + "</w:p></w:tc>";
    const std::string empty = "<w:tc><w:p/></w:tc>";
    EXPECT_EQ(bodyText("<w:tbl><w:tblPr/><w:tr>" + cell1 + cell2 + "</w:tr><w:tr>" + empty + cell2 +
                       "</w:tr></w:tbl>"
                       "<w:p>" +
                       run(t("after")) + "</w:p>"),
              "a\rb\r\ac\r\a\r\a"
              "\r\a"
              "c\r\a\r\aafter\r");
    // A table nested in a cell, followed by the cell's closing paragraph.
    const std::string inner = "<w:tbl><w:tr>" + cell2 + "</w:tr></w:tbl>";
    EXPECT_EQ(bodyText("<w:tbl><w:tr><w:tc>" + inner + "<w:p/></w:tc></w:tr></w:tbl>"), "c\r\a\r\a\r\a\r\a");
}

TEST(OoxmlReader, FieldsGiveTheirResultHyperlinksTheirText) {
    const std::string complexField = "<w:p>" + run("<w:fldChar w:fldCharType=\"begin\"/>") +
                                     run("<w:instrText> HYPERLINK \"mailto:code@example.com\" </w:instrText>") +
                                     run("<w:fldChar w:fldCharType=\"separate\"/>") + run(t("shown@example.com")) +
                                     run("<w:fldChar w:fldCharType=\"end\"/>") + "</w:p>";
    EXPECT_EQ(bodyText(complexField), "shown@example.com\r");
    EXPECT_EQ(bodyText("<w:p><w:fldSimple w:instr=\"PAGE\">" + run(t("7")) +
                       "</w:fldSimple><w:hyperlink r:id=\"x\" "
                       "xmlns:r=\"urn:r\">" +
                       run(t("link")) + "</w:hyperlink></w:p>"),
              "7link\r");
    // Nested field inside the code of another: all of it is code.
    const std::string nested = "<w:p>" + run("<w:fldChar w:fldCharType=\"begin\"/>") +
                               run("<w:instrText>IF </w:instrText>") + run("<w:fldChar w:fldCharType=\"begin\"/>") +
                               run(t("inner")) + run("<w:fldChar w:fldCharType=\"separate\"/>") +
                               run(t("innerresult")) + run("<w:fldChar w:fldCharType=\"end\"/>") +
                               run("<w:fldChar w:fldCharType=\"separate\"/>") + run(t("outer")) +
                               run("<w:fldChar w:fldCharType=\"end\"/>") + "</w:p>";
    EXPECT_EQ(bodyText(nested), "outer\r");
}

TEST(OoxmlReader, OnlyTheMainStory) {
    const std::string textBox =
        "<w:p>" + run(t("before")) +
        run("<mc:AlternateContent xmlns:mc=\"http://schemas.openxmlformats.org/markup-compatibility/2006\"><mc:Choice "
            "Requires=\"wps\"><w:drawing><w:txbxContent><w:p>" +
            run(t("boxed")) +
            "</w:p></w:txbxContent></w:drawing></mc:Choice><mc:Fallback><w:pict><w:txbxContent><w:p>" +
            run(t("boxed")) + "</w:p></w:txbxContent></w:pict></mc:Fallback></mc:AlternateContent>") +
        run("<w:footnoteReference w:id=\"1\"/>") + run(t("after")) +
        run("<w:endnoteReference w:customMarkFollows=\"1\" w:id=\"2\"/>" + t("*")) + "</w:p>";
    // A note leaves its mark; one with a mark of its own leaves that mark.
    EXPECT_EQ(bodyText(textBox),
              "before\x02"
              "after*\r");
    // Extension symbols: the fallback's text; a lone choice is read too.
    const std::string mc =
        "xmlns:mc=\"http://schemas.openxmlformats.org/markup-compatibility/2006\" "
        "xmlns:w16se=\"http://schemas.microsoft.com/office/word/2015/wordml/symex\"";
    EXPECT_EQ(bodyText("<w:p>" +
                       run("<mc:AlternateContent " + mc +
                           "><mc:Choice Requires=\"w16se\"><w16se:symEx "
                           "w16se:char=\"1F60F\"/></mc:Choice><mc:Fallback>" +
                           t("\xF0\x9F\x98\x8F") + "</mc:Fallback></mc:AlternateContent>") +
                       run("<mc:AlternateContent " + mc +
                           "><mc:Choice Requires=\"w16se\"><w16se:symEx "
                           "w16se:char=\"2764\"/></mc:Choice></mc:AlternateContent>") +
                       "</w:p>"),
              "\xF0\x9F\x98\x8F\xE2\x9D\xA4\r");
    // Tracked changes, content controls, smart tags: text like any other.
    EXPECT_EQ(bodyText("<w:p><w:ins>" + run(t("in")) + "</w:ins><w:del>" + run("<w:delText>out</w:delText>") +
                       "</w:del><w:sdt><w:sdtPr/><w:sdtContent>" + run(t("sdt")) +
                       "</w:sdtContent></w:sdt></w:p>"
                       "<w:sectPr/>"),
              "inoutsdt\r");
}

TEST(OoxmlReader, MainPartFromTheRelationshipsAndStrictNamespace) {
    const std::string types = "<Types xmlns=\"http://schemas.openxmlformats.org/package/2006/content-types\"/>";
    const std::string rels =
        "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\"><Relationship Id=\"r\" "
        "Type=\"http://purl.oclc.org/ooxml/officeDocument/relationships/officeDocument\" Target=\"/story/main.xml\"/>"
        "</Relationships>";
    const std::string strict =
        "<x:document xmlns:x=\"http://purl.oclc.org/ooxml/wordprocessingml/main\"><x:body><x:p>"
        "<x:r><x:t>strict@example.com</x:t></x:r></x:p></x:body></x:document>";
    EXPECT_EQ(readDocumentText(testfiles::makeZip(
                  {{"[Content_Types].xml", types}, {"_rels/.rels", rels}, {"story/main.xml", strict}})),
              "strict@example.com\r");
}

TEST(OoxmlReader, WordXml2003DocumentsShareTheBodyReader) {
    const std::string xml =
        "<?xml version=\"1.0\"?>\n<?mso-application progid=\"Word.Document\"?>\n"
        "<w:wordDocument xmlns:w=\"http://schemas.microsoft.com/office/word/2003/wordml\" "
        "xmlns:wx=\"http://schemas.microsoft.com/office/word/2003/auxHint\" xml:space=\"preserve\">"
        "<w:body><wx:sect><w:p><w:r><w:t>Mail </w:t></w:r><w:r><w:t>old@example.com</w:t></w:r>"
        "<w:r><w:footnote><w:p><w:r><w:footnoteRef/></w:r><w:r><w:t>note</w:t></w:r></w:p></w:footnote></w:r>"
        "<w:r><w:t>next</w:t></w:r></w:p>"
        "<w:tbl><w:tr><w:tc><w:p><w:r><w:t>cell</w:t></w:r></w:p></w:tc></w:tr></w:tbl></wx:sect></w:body>"
        "</w:wordDocument>";
    EXPECT_EQ(wordproc::detectFormat(xml), wordproc::Format::WordXml);
    // A note stands where it is referenced; only its mark is main text.
    EXPECT_EQ(readDocumentText(xml), "Mail old@example.com\x02next\rcell\r\a\r\a");
    // Some other XML is not taken for one.
    EXPECT_NE(wordproc::detectFormat("<?xml version=\"1.0\"?><w:wordDocument/>"), wordproc::Format::WordXml);
}

TEST(OoxmlReader, DamagedAndHostilePackagesAreRefused) {
    const auto refused = [](const std::string& bytes) { EXPECT_THROW(readDocumentText(bytes), wordproc::EngineError); };
    refused(testfiles::makeZip({{"[Content_Types].xml", "<Types/>"}, {"_rels/.rels", "<Relationships/>"}}));
    refused(testfiles::makeZip({{"[Content_Types].xml", "<Types/>"}, {"word/document.xml", "<w:document"}}));
    refused(testfiles::makeZip({{"[Content_Types].xml", "<Types/>"}, {"word/document.xml", "<document/>"}}));
    // Deep nesting ends in a refusal, not a stack overflow.
    std::string deep;
    for (int i = 0; i < 10000; ++i) deep += "<w:sdt><w:sdtContent>";
    for (int i = 0; i < 10000; ++i) deep += "</w:sdtContent></w:sdt>";
    refused(testfiles::makeDocx("<w:p>" + deep + "</w:p>"));
    // A part that inflates more than 1,000 times its compressed size.
    const std::string bomb = "<w:p><w:r><w:t>" + std::string(64 << 20, ' ') + "</w:t></w:r></w:p>";
    refused(testfiles::makeDocx(bomb));
    // Truncated package.
    const std::string good = testfiles::makeDocxWithParagraphs({"a@example.com"});
    refused(good.substr(0, good.size() / 2));
}

// Look-ups that once walked every attribute of the root, or every sibling,
// for each element: at these sizes they took seconds.
TEST(OoxmlReader, ManyRootAttributesAndManyChoicesAreReadInOnePass) {
    std::string attributes;
    std::string runs;
    for (int i = 0; i < 20000; ++i) {
        attributes += " a" + std::to_string(i) + "=\"1\"";
        runs += "<w:t>x</w:t>";
    }
    const std::string withAttributes = testfiles::makeDocx("<w:p><w:r>" + runs + "<w:t> end </w:t></w:r></w:p>",
                                                           attributes + " xml:space=\"preserve\"");
    EXPECT_EQ(readDocumentText(withAttributes), std::string(20000, 'x') + " end \r");

    // Choices under distinct prefixes: none repeats an earlier one's name.
    std::string choices;
    for (int i = 0; i < 10000; ++i) {
        const std::string name = "p" + std::to_string(i) + ":Choice";
        choices += "<" + name + " xmlns:p" + std::to_string(i) + "=\"urn:x\">" + run(t("c")) + "</" + name + ">";
    }
    EXPECT_EQ(bodyText("<w:p><mc:AlternateContent xmlns:mc=\"urn:mc\">" + choices + "</mc:AlternateContent></w:p>"),
              std::string(10000, 'c') + "\r");
    EXPECT_EQ(bodyText("<w:p><mc:AlternateContent xmlns:mc=\"urn:mc\">" + choices + "<mc:Fallback>" + run(t("f")) +
                       "</mc:Fallback></mc:AlternateContent></w:p>"),
              "f\r");
}

TEST(OoxmlReader, PasswordProtectedPackagesAreRefusedAsEncrypted) {
    HARVELUX_REQUIRE_SHARED_FOLDER(testfiles::corpusDir());
    for (const char* name : {"protected_normal_case.docx", "testWORD_protected_passtika.docx"}) {
        const std::string bytes = testfiles::readFile(testfiles::corpusDir() + "/tika/" + name);
        EXPECT_EQ(wordproc::detectFormat(bytes), wordproc::Format::EncryptedPackage) << name;
        try {
            readDocumentText(bytes);
            ADD_FAILURE() << name << " was read";
        } catch (const wordproc::EngineError& e) {
            EXPECT_NE(std::string(e.what()).find("encrypted"), std::string::npos) << e.what();
        }
    }
}

TEST(OoxmlReader, EveryCorpusPackageIsReadOrRefused) {
    HARVELUX_REQUIRE_SHARED_FOLDER(testfiles::corpusDir());
    int read = 0;
    for (const char* folder : {"mammoth", "pandoc", "python-docx", "tika", "textract", "word-extractor"}) {
        const std::string dir = testfiles::corpusDir() + "/" + folder;
        DIR* listing = ::opendir(dir.c_str());
        if (!listing) continue;
        while (const dirent* entry = ::readdir(listing)) {
            const std::string name = entry->d_name;
            if (name.size() < 5 || name.substr(name.size() - 5, 3) != ".do") continue;
            try {
                const std::string bytes = testfiles::readFile(dir + "/" + name);
                if (wordproc::detectFormat(bytes) != wordproc::Format::Ooxml) continue;
                readDocumentText(bytes);
                ++read;
            } catch (const wordproc::EngineError&) {}
        }
        ::closedir(listing);
    }
    EXPECT_GT(read, 250);
}

}  // namespace
