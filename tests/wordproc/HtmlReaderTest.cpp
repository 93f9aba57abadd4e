#include "wordproc/EngineInterface.h"
#include "wordproc/FormatDispatch.h"
#include "wordproc/html/HtmlReader.h"

#include <gtest/gtest.h>

#include <string>

namespace harvelux::wordproc {
namespace {

std::string html(const std::string& body) {
    return readHtmlText("<!DOCTYPE html><html><head><title>Title</title></head><body>" + body + "</body></html>");
}

TEST(HtmlReader, BlocksAreParagraphsAndBrIsALineBreak) {
    EXPECT_EQ(html("<h1>Head</h1><p>one</p><div><p>two</p>three</div><ul><li>a</li><li>b</li></ul>"),
              "Head\rone\rtwo\rthree\ra\rb\r");
    EXPECT_EQ(html("<p>first<br>second<br/></p>loose <b>text</b>"), "first\vsecond\v\rloose text\r");
    EXPECT_EQ(html("<p></p><div> </div><p>only</p>"), "only\r");
}

TEST(HtmlReader, WhiteSpaceCollapsesAsInABrowser) {
    EXPECT_EQ(html("<p>\n  a   b\t\tc \n</p><p> <i>x </i> y</p>"), "a b c\rx y\r");
    EXPECT_EQ(html("<p>a <br>  b</p>"), "a\vb\r");
    EXPECT_EQ(html("<pre>  line 1\n\n\tline 3\n</pre>after"), "  line 1\r\r\tline 3\rafter\r");
}

TEST(HtmlReader, EntitiesAreDecoded) {
    EXPECT_EQ(html("<p>a&amp;b &lt;x@example.com&gt; caf&eacute; &#233;&#x41; no&nbsp;break</p>"),
              "a&b <x@example.com> caf\u00E9 \u00E9A no\u00A0break\r");
}

TEST(HtmlReader, TablesGiveCellAndRowMarks) {
    EXPECT_EQ(html("<table><tr><th>A</th><td>B</td></tr><tr><td><p>C</p><p>D</p></td><td></td></tr></table>end"),
              "A\r\aB\r\a\r\aC\rD\r\a\r\a\r\aend\r");
    EXPECT_EQ(html("<table><tr><td><table><tr><td>in</td></tr></table></td></tr></table>"), "in\r\a\r\a\r\a\r\a");
}

TEST(HtmlReader, HiddenContentIsLeftOut) {
    EXPECT_EQ(readHtmlText("<html><head><title>T</title><style>p{}</style><script>var a='x@example.com';</script>"
                           "</head><body><p>shown</p><script>hidden()</script><!-- comment -->"
                           "<template>tpl</template></body></html>"),
              "shown\r");
}

// The parser compares each attribute of a tag with all before it: a tag
// with tens of thousands (seconds of parsing) is refused up front, while
// attribute-like text in comments and scripts counts for nothing.
TEST(HtmlReader, ATagWithTooManyAttributesIsRefused) {
    const auto attributes = [](int n) {
        std::string list;
        for (int i = 0; i < n; ++i) list += " a" + std::to_string(i) + "='1'";
        return list;
    };
    EXPECT_THROW(readHtmlText("<html><body" + attributes(40000) + ">x@example.com</body></html>"), EngineError);
    std::string utf16 = "\xFF\xFE";
    for (const char c : "<html><body" + attributes(40000) + ">x</body></html>") utf16 += std::string{c, '\0'};
    EXPECT_THROW(readHtmlText(utf16), EngineError);

    const std::string hidden =
        "<!--<p" + attributes(5000) + "-->" + "<script>if (a <b" + attributes(5000) + ") {}</script>";
    EXPECT_EQ(readHtmlText("<html><head>" + hidden + "</head><body" + attributes(1500) + ">x</body></html>"), "x\r");
}

TEST(HtmlReader, CharacterSetFromBomMetaOrContent) {
    EXPECT_EQ(readHtmlText("<html><head><meta charset=\"windows-1251\"></head><body>\xcf\xf0\xe8</body></html>"),
              "\u041F\u0440\u0438\r");
    EXPECT_EQ(readHtmlText("<html><head><meta http-equiv=\"Content-Type\" content=\"text/html; charset=ISO-8859-1\">"
                           "</head><body>\x80 caf\xe9</body></html>"),
              "\u20AC caf\u00E9\r");
    EXPECT_EQ(readHtmlText("<html><body>caf\xc3\xa9</body></html>"), "caf\u00E9\r");  // valid UTF-8
    EXPECT_EQ(readHtmlText("<html><body>caf\xe9</body></html>"), "caf\u00E9\r");      // else Windows-1252
    const std::string utf16le("\xFF\xFE<\0h\0t\0m\0l\0>\0\xE9\0<\0/\0h\0t\0m\0l\0>\0", 30);
    EXPECT_EQ(detectFormat(utf16le), Format::Html);
    EXPECT_EQ(readHtmlText(utf16le), "\u00E9\r");
    EXPECT_EQ(htmlEncoding("<meta charset=utf-16><p>x"), "UTF-8");
    EXPECT_EQ(htmlEncoding("<meta charset=\"no-such-charset\">\xff"), htmlEncoding("\xff"));
}

TEST(HtmlReader, IsRecognisedByItsOpeningMarkup) {
    EXPECT_EQ(detectFormat("<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.01//EN\"><p>x"), Format::Html);
    EXPECT_EQ(detectFormat("\n  <HTML><BODY>x</BODY></HTML>"), Format::Html);
    EXPECT_EQ(detectFormat("<!-- c --><head><title>t</title></head>"), Format::Html);
    EXPECT_NE(detectFormat("<header>not html</header>"), Format::Html);
    EXPECT_NE(detectFormat("A note about <html> tags"), Format::Html);
    EXPECT_EQ(readDocumentText("<html><body><p>Mail a@example.com</p></body></html>"), "Mail a@example.com\r");
}

TEST(HtmlReader, DamagedAndDeepDocuments) {
    EXPECT_EQ(readHtmlText("<html><body><p>cut <b>off"), "cut off\r");
    EXPECT_EQ(readHtmlText("<html><body><table><td>x</td></table></body>"), "x\r\a");  // a cell without a row
    std::string deep = "<html><body>";
    for (int i = 0; i < 10000; ++i) deep += "<div><span>";
    EXPECT_THROW(readHtmlText(deep + "x"), EngineError);
}

}  // namespace
}  // namespace harvelux::wordproc
