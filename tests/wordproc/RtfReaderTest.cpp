#include "wordproc/EngineInterface.h"
#include "wordproc/FormatDispatch.h"
#include "wordproc/rtf/RtfReader.h"

#include <gtest/gtest.h>

#include <chrono>
#include <string>

namespace harvelux::wordproc {
namespace {

std::string rtf(const std::string& body) { return readRtfText("{\\rtf1\\ansi " + body + "}"); }

TEST(RtfReader, BreaksAndSpecialCharactersTakeTheirMainStoryForm) {
    EXPECT_EQ(rtf(R"(a\par b\line c\page d\sect e\column f\tab g\par)"),
              "a\rb\vc\fd\fe\x0E"
              "f\tg\r");
    EXPECT_EQ(rtf(R"(no\~break non\_breaking op\-tional \{x\} back\\slash\par)"),
              "no\u00A0break non\x1E"
              "breaking op\x1Ftional {x} back\\slash\r");
    EXPECT_EQ(rtf(R"(\emdash\endash\bullet\lquote\rquote\ldblquote\rdblquote\par)"),
              "\u2014\u2013\u2022\u2018\u2019\u201C\u201D\r");
    // Line ends in the source are not text; "\<LF>" is a paragraph.
    EXPECT_EQ(rtf("one\r\ntwo\\\nthree\\par"), "onetwo\rthree\r");
}

TEST(RtfReader, TablesGiveCellAndRowMarks) {
    EXPECT_EQ(rtf(R"(\trowd\cellx1000\cellx2000\pard\intbl A\cell B\par C\cell\row\pard after\par)"),
              "A\r\aB\rC\r\a\r\aafter\r");
    // Nested tables: the nesting properties hold the row end, the fallback
    // for old readers repeats the text and is skipped.
    EXPECT_EQ(rtf(R"(\pard\intbl\itap2 x\nestcell y\nestcell{\*\nesttableprops\trowd\nestrow}{\nonesttables x y\par})"
                  R"(\pard\intbl outer\cell\row)"),
              "x\r\ay\r\a\r\aouter\r\a\r\a\r");
}

TEST(RtfReader, FieldsGiveTheirResultNeverTheirCode) {
    EXPECT_EQ(
        rtf(R"(Mail {\field{\*\fldinst{HYPERLINK "mailto:hidden@example.com"}}{\fldrslt{shown@example.com}}}\par)"),
        "Mail shown@example.com\r");
    EXPECT_EQ(rtf(R"(Page {\field{\*\fldinst PAGE}}.\par)"), "Page .\r");
    EXPECT_EQ(rtf(R"({\field{\*\fldinst {\field{\*\fldinst inner}{\fldrslt x}}}{\fldrslt outer}}\par)"), "outer\r");
}

TEST(RtfReader, DestinationsOutsideTheMainStoryAreSkipped) {
    const std::string document =
        R"({\rtf1\ansi{\fonttbl{\f0\fswiss Arial;}}{\colortbl;\red0\green0\blue0;}{\stylesheet{\s1 Heading;}})"
        R"({\info{\title Title}{\author Author}}{\header head}{\footerl foot}{\*\generator Gen;})"
        R"({\*\listtable{\list{\listlevel{\leveltext bullet;}}}}{\listtext 1.\tab}Body{\super\chftn})"
        R"({\footnote {\super\chftn} note@example.com}{\*\annotation comment}{\*\atnid ID})"
        R"({\pict\pngblip 89504e47}{\object{\*\objdata 0102}{\result res}}{\shp{\*\shpinst{\shptxt box}}})"
        R"({\*\bkmkstart mark}{\*\unknowndestination secret} text\par})";
    EXPECT_EQ(readRtfText(document), "Body\x02 text\r");  // the note leaves its mark
}

// Every destination that holds no main-story text, with and without "\*":
// its group is dropped whole, the text around it stays.
TEST(RtfReader, EverySkippedDestinationDropsItsGroup) {
    // In alphabetical order.
    static constexpr const char* kSkipped[] = {"aftncn",
                                               "aftnsep",
                                               "aftnsepc",
                                               "annotation",
                                               "atnauthor",
                                               "atndate",
                                               "atnicn",
                                               "atnid",
                                               "atnparent",
                                               "atnref",
                                               "atntime",
                                               "atrfend",
                                               "atrfstart",
                                               "author",
                                               "bkmkend",
                                               "bkmkstart",
                                               "blipuid",
                                               "category",
                                               "colorschememapping",
                                               "colortbl",
                                               "comment",
                                               "company",
                                               "datafield",
                                               "datastore",
                                               "defchp",
                                               "defpap",
                                               "do",
                                               "doccomm",
                                               "docvar",
                                               "dptxbxtext",
                                               "factoidname",
                                               "fchars",
                                               "filetbl",
                                               "fldinst",
                                               "footer",
                                               "footerf",
                                               "footerl",
                                               "footerr",
                                               "footnote",
                                               "formfield",
                                               "ftncn",
                                               "ftnsep",
                                               "ftnsepc",
                                               "generator",
                                               "header",
                                               "headerf",
                                               "headerl",
                                               "headerr",
                                               "hlinkbase",
                                               "htmltag",
                                               "info",
                                               "keycode",
                                               "keywords",
                                               "latentstyles",
                                               "lchars",
                                               "listoverridetable",
                                               "listpicture",
                                               "listtable",
                                               "listtext",
                                               "manager",
                                               "mhtmltag",
                                               "mmathPr",
                                               "nonesttables",
                                               "nonshppict",
                                               "objclass",
                                               "objdata",
                                               "object",
                                               "objname",
                                               "oldcprops",
                                               "oldpprops",
                                               "oldsprops",
                                               "oldtprops",
                                               "operator",
                                               "passwordhash",
                                               "pgdsctbl",
                                               "picprop",
                                               "pict",
                                               "pn",
                                               "pntext",
                                               "pntxta",
                                               "pntxtb",
                                               "protusertbl",
                                               "revtbl",
                                               "rsidtbl",
                                               "rxe",
                                               "shp",
                                               "shpinst",
                                               "shppict",
                                               "shprslt",
                                               "shptxt",
                                               "sn",
                                               "sp",
                                               "stylesheet",
                                               "subject",
                                               "sv",
                                               "tc",
                                               "tcn",
                                               "template",
                                               "themedata",
                                               "title",
                                               "txe",
                                               "userprops",
                                               "wgrffmtfilter",
                                               "xe",
                                               "xmlnstbl"};
    for (const std::string word : kSkipped) {
        EXPECT_EQ(rtf("a{\\" + word + " hidden@example.com}b\\par"), "ab\r") << word;
    }
    // A group that is no destination keeps its text.
    EXPECT_EQ(rtf("a{\\b shown}b\\par"), "ashownb\r");
}

TEST(RtfReader, StarMarksADestinationOnlyAtTheStartOfItsGroup) {
    // A writer put \* in the middle of a group: the group's text stays.
    EXPECT_EQ(rtf(R"({\loch\f2\i0\*\cs7\cf0 The quick brown fox}\par)"), "The quick brown fox\r");
}

TEST(RtfReader, UnicodeEscapesSkipTheirFallback) {
    EXPECT_EQ(rtf(R"(\u8220\'93hi\u8221"\par)"), "\u201Chi\u201D\r");
    // \ucN sets the fallback's length, scoped to the group.
    EXPECT_EQ(rtf(R"({\uc2\u8364 EUR}\u955 ?\par)"), "\u20ACR\u03BB\r");
    EXPECT_EQ(rtf(R"({\uc0\u955}x\par)"), "\u03BBx\r");
    // A control word or \'hh counts as one fallback character; a brace ends it.
    EXPECT_EQ(rtf(R"(\u960\'70i \u960{\b i}\par)"), "\u03C0i \u03C0i\r");
    // Negative values are the upper half of the 16-bit range.
    EXPECT_EQ(rtf(R"(\u-3913?\par)"), "\uF0B7\r");
}

TEST(RtfReader, SurrogatePairsJoinAndLoneHalvesAreReplaced) {
    EXPECT_EQ(rtf(R"(\u-10179?\u-8704?\par)"), "\U0001F600\r");
    EXPECT_EQ(rtf(R"(\u-10179? x\u-8704?\par)"), "\uFFFD x\uFFFD\r");
}

TEST(RtfReader, HexEscapesFollowTheDocumentAndFontCodePages) {
    EXPECT_EQ(rtf(R"(caf\'e9 \'80\par)"), "caf\u00E9 \u20AC\r");
    EXPECT_EQ(readRtfText(R"({\rtf1\ansi\ansicpg1251 \'cf\'f0\'e8\par})"), "\u041F\u0440\u0438\r");
    EXPECT_EQ(readRtfText(R"({\rtf1\ansi\ansicpg1250 \'9a\'e8\par})"), "\u0161\u010D\r");
    // A font's character set beats the document's code page.
    EXPECT_EQ(readRtfText(R"({\rtf1\ansi{\fonttbl{\f0 Arial;}{\f1\fcharset161 Greek;}}\'e1{\f1\'e1}\'e1\par})"),
              "\u00E1\u03B1\u00E1\r");
    // Double-byte pages pair their bytes; a lead byte without its trail is replaced.
    EXPECT_EQ(readRtfText(R"({\rtf1\ansi\ansicpg932 \'82\'a0\'82\par})"), "\u3042\uFFFD\r");
    EXPECT_EQ(readRtfText(R"({\rtf1\ansi{\fonttbl{\f3\fcharset128 MS Mincho;}}{\f3 \'93\'fa\'96\'7b}\par})"),
              "\u65E5\u672C\r");
    // UTF-8 documents keep well-formed sequences; pages we do not know are
    // read as Windows-1252.
    EXPECT_EQ(readRtfText(R"({\rtf1\ansi\ansicpg65001 \'c3\'a9\'ff\par})"), "\u00E9\uFFFD\r");
    EXPECT_EQ(readRtfText(R"({\rtf1\ansi\ansicpg12345 \'80\par})"), "\u20AC\r");
}

TEST(RtfReader, UprKeepsOnlyTheUnicodeTwin) {
    EXPECT_EQ(rtf(R"({\upr{ansi text}{\*\ud{unicode text}}}\par)"), "unicode text\r");
}

TEST(RtfReader, BinaryDataIsSkippedWhateverItContains) {
    EXPECT_EQ(rtf("a\\bin4 {}\\}b\\par"), "ab\r");
    EXPECT_EQ(rtf("{\\*\\blob\\bin3 }}}kept}\\par"), "\r");
    EXPECT_EQ(rtf("{\\pict\\bin999999 }"), "");  // a length past the end stops at the end
}

TEST(RtfReader, TheLastParagraphHasItsMark) {
    EXPECT_EQ(readRtfText(R"({\rtf1 Hello})"), "Hello\r");
    EXPECT_EQ(readRtfText(R"({\rtf1 \trowd A\cell\row})"), "A\r\a\r\a\r");
    EXPECT_EQ(readRtfText(R"({\rtf1 {\fonttbl{\f0 Arial;}}})"), "");
}

TEST(RtfReader, DamagedAndTruncatedDocumentsGiveWhatWasRead) {
    EXPECT_EQ(readRtfText(R"({\rtf1 Hello wor)"), "Hello wor\r");
    EXPECT_EQ(readRtfText(R"({\rtf1 a\'8)"), "a\r");
    EXPECT_EQ(readRtfText(R"({\rtf1 a\'zz b\u)"), "azz b\r");
    EXPECT_EQ(readRtfText(R"({\rtf1 a\par99999999999999999999 b\u99999999999 c})"), "a\rb\r");
    // Text after the document's closing brace is not the document's.
    EXPECT_EQ(readRtfText(R"({\rtf1 in}out{more})"), "in\r");
    EXPECT_EQ(readRtfText("{\\rtf1 }}}}"), "");
    EXPECT_EQ(readRtfText(std::string("{\\rtf1 a\0b\x01"
                                      "c}",
                                      13)),
              "abc\r");
}

TEST(RtfReader, DeepNestingFailsQuicklyWithoutRecursion) {
    const auto started = std::chrono::steady_clock::now();
    EXPECT_THROW(readRtfText("{\\rtf1" + std::string(10000, '{') + "x" + std::string(10000, '}') + "}"), EngineError);
    EXPECT_THROW(readRtfText("{\\rtf1" + std::string(5'000'000, '{')), EngineError);
    EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(10));
    // Deep but within the cap is fine.
    EXPECT_EQ(readRtfText("{\\rtf1" + std::string(900, '{') + "x" + std::string(900, '}') + "}"), "x\r");
}

TEST(RtfReader, IsRecognisedByContent) {
    EXPECT_EQ(detectFormat("{\\rtf1\\ansi x}"), Format::Rtf);
    EXPECT_EQ(detectFormat("{\\rtf"), Format::Rtf);
    EXPECT_NE(detectFormat(" {\\rtf1 x}"), Format::Rtf);
    EXPECT_EQ(readDocumentText("{\\rtf1 Mail: a@example.com\\par}"), "Mail: a@example.com\r");
}

}  // namespace
}  // namespace harvelux::wordproc
