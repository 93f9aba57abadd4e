#include "TestFiles.h"
#include "wordproc/BuiltInEngine.h"
#include "wordproc/EngineInterface.h"
#include "wordproc/FormatDispatch.h"
#include "wordproc/container/ZipArchive.h"
#include "wordproc/odf/OdfReader.h"

#include <gtest/gtest.h>

#include <string>

namespace harvelux::wordproc {
namespace {

using testfiles::makeZip;

constexpr const char* kTextType = "application/vnd.oasis.opendocument.text";

// content.xml with the given office:text content. The prefixes are not
// the usual ones: elements are matched by namespace URI.
std::string content(const std::string& body) {
    return R"(<?xml version="1.0" encoding="UTF-8"?>)"
           R"(<o:document-content xmlns:o="urn:oasis:names:tc:opendocument:xmlns:office:1.0")"
           R"( xmlns:t="urn:oasis:names:tc:opendocument:xmlns:text:1.0")"
           R"( xmlns:tb="urn:oasis:names:tc:opendocument:xmlns:table:1.0")"
           R"( xmlns:d="urn:oasis:names:tc:opendocument:xmlns:drawing:1.0">)"
           R"(<o:automatic-styles><t:p>not body</t:p></o:automatic-styles>)"
           R"(<o:body><o:text>)" +
           body + R"(</o:text></o:body></o:document-content>)";
}

std::string package(const std::string& contentXml, const std::string& mimetype = kTextType) {
    return makeZip({{"mimetype", mimetype, false}, {"content.xml", contentXml}});
}

std::string odt(const std::string& body) { return readDocumentText(package(content(body))); }

TEST(OdfReader, ParagraphsBreaksAndSpaces) {
    EXPECT_EQ(odt("<t:h>Title</t:h><t:p>a<t:tab/>b<t:line-break/>c</t:p><t:p/>"), "Title\ra\tb\vc\r\r");
    EXPECT_EQ(odt(R"(<t:p>x<t:s/>y<t:s t:c="3"/>z</t:p>)"), "x y   z\r");
    // Character data collapses as the format prescribes: runs of white
    // space are one space, none at the paragraph's start or end; the space
    // between two spans is text.
    EXPECT_EQ(odt("<t:p>\n   one \n\t two   <t:span>three</t:span> <t:span>four</t:span>\n</t:p>"),
              "one two three four\r");
    EXPECT_EQ(odt("<t:p>no\u00A0break</t:p>"), "no\u00A0break\r");
}

TEST(OdfReader, SpaceCountsAreCapped) {
    const std::string text = odt(R"(<t:p><t:s t:c="2000000000"/>x<t:s t:c="-5"/><t:s t:c="junk"/></t:p>)");
    EXPECT_EQ(text, std::string(10000, ' ') + "x  \r");
}

// A few kilobytes that repeat a run of spaces may not give more than 1,000
// times their size in text; a document within that proportion is read.
TEST(OdfReader, TextIsHeldInProportionToTheFile) {
    testfiles::TempDir dir;
    const auto runs = [](int n) {
        std::string xml;
        for (int i = 0; i < n; ++i) xml += R"(<t:s t:c="10000"/>)";
        return xml;
    };
    const struct {
        std::string body;
        bool read;
    } cases[] = {{"<t:p>" + runs(300) + "x@example.com</t:p>", false}, {"<t:p>" + runs(20) + "x</t:p>", true}};
    for (const auto& c : cases) {
        testfiles::writeFile(dir.file("doc.odt"), package(content(c.body)));
        BuiltInEngineFactory engine;
        const auto instance = engine.create();
        if (c.read) {
            EXPECT_EQ(instance->open(dir.file("doc.odt"))->content().text(), std::string(10000 * 20, ' ') + "x\r");
        } else {
            EXPECT_THROW(instance->open(dir.file("doc.odt")), EngineError);
        }
    }
}

TEST(OdfReader, TablesGiveCellAndRowMarks) {
    const std::string table =
        "<tb:table><tb:table-column/><tb:table-row>"
        "<tb:table-cell><t:p>A</t:p><t:p>B</t:p></tb:table-cell>"
        "<tb:table-cell/>"
        "<tb:covered-table-cell><t:p>hidden</t:p></tb:covered-table-cell>"
        "</tb:table-row></tb:table><t:p>after</t:p>";
    EXPECT_EQ(odt(table), "A\rB\r\a\r\a\r\aafter\r");
    const std::string nested =
        "<tb:table><tb:table-row><tb:table-cell>"
        "<tb:table><tb:table-row><tb:table-cell><t:p>in</t:p></tb:table-cell></tb:table-row></tb:table>"
        "</tb:table-cell></tb:table-row></tb:table>";
    EXPECT_EQ(odt(nested), "in\r\a\r\a\r\a\r\a");
}

TEST(OdfReader, ListsSectionsSpansLinksAndFieldsAreText) {
    const std::string body =
        "<t:list><t:list-item><t:number>1.</t:number><t:p>item</t:p></t:list-item></t:list>"
        "<t:section><t:p><t:span>span</t:span> <t:a xlink:href=\"mailto:hidden@example.com\">shown@example.com</t:a>"
        "</t:p></t:section>"
        "<t:p>on <t:date t:date-value=\"2020-01-01\">1 January</t:date></t:p>";
    EXPECT_EQ(odt(body), "item\rspan shown@example.com\ron 1 January\r");
}

TEST(OdfReader, NotesLeaveTheirMarkAnnotationsFramesAndUnmarkedChangesNothing) {
    const std::string body =
        "<t:tracked-changes><t:changed-region><t:deletion><t:p>deleted</t:p></t:deletion></t:changed-region>"
        "</t:tracked-changes>"
        "<t:p>a<t:note><t:note-citation>1</t:note-citation><t:note-body><t:p>note</t:p></t:note-body></t:note>"
        "<o:annotation><t:p>comment</t:p></o:annotation>b"
        "<d:frame><d:text-box><t:p>box</t:p></d:text-box></d:frame>c<t:change t:change-id=\"x\"/></t:p>"
        "<t:table-of-content><t:table-of-content-source><t:index-title-template>Contents</t:index-title-template>"
        "</t:table-of-content-source><t:index-body><t:p>Entry</t:p></t:index-body></t:table-of-content>";
    EXPECT_EQ(odt(body),
              "a\x02"
              "bc\rEntry\r");
}

// A deletion is read where its text:change mark stands, as OOXML deletions
// are: its first paragraph runs on from the mark's, its last into the text
// after the mark.
TEST(OdfReader, TrackedDeletionsAreReadWhereTheyWereMade) {
    const std::string changes =
        "<t:tracked-changes>"
        R"(<t:changed-region t:id="c1"><t:deletion><o:change-info><t:p>author</t:p></o:change-info>)"
        "<t:p>gone@example.com</t:p></t:deletion></t:changed-region>"
        R"(<t:changed-region t:id="c2"><t:deletion><t:p>one</t:p><t:p>two</t:p></t:deletion></t:changed-region>)"
        R"(<t:changed-region xml:id="c3"><t:deletion><t:p>whole</t:p></t:deletion></t:changed-region>)"
        R"(<t:changed-region t:id="c4"><t:deletion><t:p>x<t:change t:change-id="c4"/></t:p></t:deletion>)"
        "</t:changed-region></t:tracked-changes>";
    const std::pair<std::string, std::string> cases[] = {
        {R"(<t:p>Mail <t:change t:change-id="c1"/> now</t:p>)", "Mail gone@example.com now\r"},
        {R"(<t:p>A<t:change t:change-id="c2"/>B</t:p>)", "Aone\rtwoB\r"},
        {R"(<t:change t:change-id="c3"/><t:p>next</t:p>)", "whole\rnext\r"},
        {R"(<t:p><t:change t:change-id="c4"/>y</t:p>)", "xy\r"},  // marks itself: read once
        {R"(<t:p>a<t:change t:change-id="c1"/><t:change t:change-id="c1"/>b</t:p>)", "agone@example.comb\r"},
    };
    for (const auto& [body, text] : cases) EXPECT_EQ(odt(changes + body), text) << body;

    // A deletion inside a note is read in the note, from the body's record.
    const std::string note = R"(<t:p>Main<t:note t:note-class="footnote"><t:note-body><t:p>Note )"
                             R"(<t:change t:change-id="c1"/>end</t:p></t:note-body></t:note></t:p>)";
    EXPECT_EQ(readDocumentText(package(content(changes + note)), ReadOptions{true}),
              "Main\x02\rNote gone@example.comend\r");

    // Many deletions are matched to their marks in linear time (the
    // quadratic matching took seconds here).
    std::string many = "<t:tracked-changes>", marks = "<t:p>";
    for (int i = 0; i < 50000; ++i) {
        const std::string id = "d" + std::to_string(i);
        many += R"(<t:changed-region t:id=")" + id + R"("><t:deletion><t:p>x</t:p></t:deletion></t:changed-region>)";
        marks += R"(<t:change t:change-id=")" + id + R"("/>)";
    }
    EXPECT_EQ(odt(many + "</t:tracked-changes>" + marks + "</t:p>"), std::string(50000, 'x') + "\r");
}

TEST(OdfReader, NamespacesAreResolvedByUriInScope) {
    // The text prefix is rebound to another URI inside the paragraph: the
    // inner "t:tab" is not a tab, and its text is still paragraph text.
    const std::string body = R"(<t:p>a<t:span xmlns:t="urn:example:other"><t:tab/>b</t:span>)"
                             R"(<x:tab xmlns:x="urn:oasis:names:tc:opendocument:xmlns:text:1.0"/>c</t:p>)";
    EXPECT_EQ(odt(body), "ab\tc\r");
    // Elements of the right names in the wrong namespace are no document.
    const std::string wrong = R"(<document-content xmlns="urn:example:other"><body><text><p>x</p></text></body>)"
                              R"(</document-content>)";
    EXPECT_THROW(readDocumentText(package(wrong)), EngineError);
}

TEST(OdfReader, PackagesAreRecognisedByMimetypeOrManifest) {
    EXPECT_EQ(detectFormat(package(content("<t:p>x</t:p>"))), Format::OpenDocument);
    EXPECT_EQ(detectFormat(package(content("<t:p>x</t:p>"), std::string(kTextType) + "-template")),
              Format::OpenDocument);
    // A spreadsheet package is a spreadsheet, not a text.
    EXPECT_EQ(detectFormat(package(content(""), "application/vnd.oasis.opendocument.spreadsheet")),
              Format::OpenDocumentSpreadsheet);
    EXPECT_EQ(detectFormat(package(content(""), "application/vnd.oasis.opendocument.graphics")), Format::Archive);
    EXPECT_EQ(detectFormat(package(content(""), std::string(100000, 'x'))), Format::Unknown);

    const std::string manifest =
        R"(<m:manifest xmlns:m="urn:oasis:names:tc:opendocument:xmlns:manifest:1.0">)"
        R"(<m:file-entry m:full-path="/" m:media-type="application/vnd.oasis.opendocument.text"/>)"
        R"(<m:file-entry m:full-path="content.xml" m:media-type="text/xml"/></m:manifest>)";
    const std::string noMimetype =
        makeZip({{"META-INF/manifest.xml", manifest}, {"content.xml", content("<t:p>found</t:p>")}});
    EXPECT_EQ(detectFormat(noMimetype), Format::OpenDocument);
    EXPECT_EQ(readDocumentText(noMimetype), "found\r");
    // A package of no format we read is an archive: its members are read.
    EXPECT_EQ(detectFormat(makeZip({{"mimetype", kTextType, false}})), Format::Archive);
}

TEST(OdfReader, EncryptedDamagedAndBombedPackagesFail) {
    const std::string manifest =
        R"(<manifest:manifest xmlns:manifest="urn:oasis:names:tc:opendocument:xmlns:manifest:1.0">)"
        R"(<manifest:file-entry manifest:full-path="content.xml" manifest:media-type="text/xml">)"
        R"(<manifest:encryption-data manifest:checksum="x"/></manifest:file-entry></manifest:manifest>)";
    EXPECT_THROW(
        readDocumentText(makeZip(
            {{"mimetype", kTextType, false}, {"META-INF/manifest.xml", manifest}, {"content.xml", "\x13\x88garbage"}})),
        EngineError);
    EXPECT_THROW(odt("<t:p>unclosed"), EngineError);

    // Truncated: the central directory is gone.
    const std::string whole = package(content("<t:p>x</t:p>"));
    EXPECT_THROW(readDocumentText(whole.substr(0, whole.size() / 2)), EngineError);

    // content.xml inflates past 1,000 times its compressed size.
    const std::string bomb = content("<t:p>" + std::string(64u << 20, ' ') + "</t:p>");
    const std::string bombed = package(bomb);
    ASSERT_LT(bombed.size() * 1000, bomb.size());
    EXPECT_THROW(readDocumentText(bombed), EngineError);
}

TEST(OdfReader, DeepNestingFailsWithoutRecursion) {
    std::string deep;
    for (int i = 0; i < 10000; ++i) deep += "<t:section>";
    deep += "<t:p>x</t:p>";
    for (int i = 0; i < 10000; ++i) deep += "</t:section>";
    EXPECT_THROW(odt(deep), EngineError);
    // Deep nesting inside skipped content does not matter.
    std::string skipped = "<t:p>a<t:note>";
    for (int i = 0; i < 10000; ++i) skipped += "<t:span>";
    for (int i = 0; i < 10000; ++i) skipped += "</t:span>";
    EXPECT_EQ(odt(skipped + "</t:note>b</t:p>"),
              "a\x02"
              "b\r");
}

TEST(OdfReader, FlatDocuments) {
    const std::string flat =
        R"(<?xml version="1.0"?><office:document xmlns:office="urn:oasis:names:tc:opendocument:xmlns:office:1.0")"
        R"( xmlns:text="urn:oasis:names:tc:opendocument:xmlns:text:1.0")"
        R"( office:mimetype="application/vnd.oasis.opendocument.text">)"
        R"(<office:body><office:text><text:p>flat@example.com</text:p></office:text></office:body></office:document>)";
    EXPECT_EQ(detectFormat(flat), Format::FlatOpenDocument);
    EXPECT_EQ(readDocumentText(flat), "flat@example.com\r");

    std::string sheet = flat;
    sheet.replace(sheet.find("opendocument.text\""), 17, "opendocument.spreadsheet");
    EXPECT_NE(detectFormat(sheet), Format::FlatOpenDocument);
    EXPECT_THROW(readFlatOpenDocumentText(sheet), EngineError);
}

}  // namespace
}  // namespace harvelux::wordproc
