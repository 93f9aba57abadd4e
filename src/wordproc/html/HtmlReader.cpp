#include "wordproc/html/HtmlReader.h"

#include "common/Utf8.h"
#include "wordproc/EngineInterface.h"
#include "wordproc/encoding/ByteOrderMark.h"
#include "wordproc/html/HtmlBody.h"
#include "wordproc/html/HtmlSignature.h"
#include "wordproc/html/HtmlTagScan.h"
#include "wordproc/text/OtherStories.h"
#include "wordproc/text/ReaderCaps.h"

#include <libxml/HTMLparser.h>
#include <libxml/encoding.h>
#include <libxml/parser.h>

#include <algorithm>
#include <iterator>
#include <memory>
#include <mutex>
#include <optional>

namespace harvelux::wordproc {

namespace {

using html::asciiHead;
using html::isLabelChar;

constexpr std::size_t kMetaScanChars = 4096;  // where a <meta> charset is looked for

// The charset named by a <meta charset=...> or a <meta http-equiv
// content="...; charset=..."> tag.
std::optional<std::string> metaCharset(std::string_view head) {
    for (std::size_t pos = head.find("<meta"); pos != std::string_view::npos; pos = head.find("<meta", pos + 5)) {
        std::string_view tag = head.substr(pos, head.find('>', pos) - pos);
        for (std::size_t at = tag.find("charset"); at != std::string_view::npos; at = tag.find("charset", at + 7)) {
            std::size_t i = tag.find_first_not_of(" \t\r\n", at + 7);
            if (i == std::string_view::npos || tag[i] != '=') continue;
            i = tag.find_first_not_of(" \t\r\n\"'", i + 1);
            if (i == std::string_view::npos) continue;
            std::size_t end = i;
            while (end < tag.size() && isLabelChar(tag[end])) ++end;
            if (end > i) return std::string(tag.substr(i, end - i));
        }
    }
    return std::nullopt;
}

// Labels browsers read differently from their names: ISO-8859-1 and ASCII
// are read as Windows-1252, and a UTF-16 label without a byte-order mark
// cannot be right (the tag itself was readable as ASCII).
std::string browserLabel(const std::string& label) {
    static constexpr std::string_view kLatin1[] = {"iso-8859-1", "iso8859-1", "iso_8859-1", "latin1",   "l1",
                                                   "us-ascii",   "ascii",     "cp1252",     "x-cp1252", "windows-1252"};
    if (std::find(std::begin(kLatin1), std::end(kLatin1), label) != std::end(kLatin1)) return "windows-1252";
    if (label == "utf8" || label.substr(0, 6) == "utf-16" || label == "unicode") return "UTF-8";
    return label;
}

bool libxmlKnows(const std::string& encoding) {
    xmlCharEncodingHandlerPtr handler = xmlFindCharEncodingHandler(encoding.c_str());
    if (!handler) return false;
    xmlCharEncCloseFunc(handler);
    return true;
}

std::string fallbackEncoding(std::string_view data) {
    if (isValidUtf8(data)) return "UTF-8";
    // Whether libxml2 has windows-1252 cannot change while the program runs.
    static const bool hasWindows1252 = libxmlKnows("windows-1252");
    return hasWindows1252 ? "windows-1252" : "ISO-8859-1";
}

void ignoreMessage(void*, const char*, ...) {}
void ignoreError(void*, xmlErrorPtr) {}

}  // namespace

std::string htmlEncoding(std::string_view data) {
    switch (byteOrderMarkOf(data)) {
        case ByteOrderMark::Utf8:
            return "UTF-8";
        case ByteOrderMark::Utf16Le:
            return "UTF-16LE";
        case ByteOrderMark::Utf16Be:
            return "UTF-16BE";
        case ByteOrderMark::None:
            break;
    }
    if (const auto label = metaCharset(asciiHead(data, kMetaScanChars))) {
        std::string encoding = browserLabel(*label);
        if (encoding == "UTF-8" || libxmlKnows(encoding)) return encoding;
    }
    return fallbackEncoding(data);
}

std::string readHtmlText(std::string_view data, const ReadOptions& readOptions) {
    static std::once_flag initialised;
    std::call_once(initialised, [] { xmlInitParser(); });
    // Parse errors are expected in real pages and not worth a message.
    xmlSetGenericErrorFunc(nullptr, ignoreMessage);
    xmlSetStructuredErrorFunc(nullptr, ignoreError);

    const std::string encoding = htmlEncoding(data);
    data.remove_prefix(byteOrderMarkLength(byteOrderMarkOf(data)));
    if (data.size() > kMaxMarkupBytes) throw EngineError("the HTML document is too large", UnreadableReason::TooLarge);
    // UTF-16 markup is scanned as its ASCII characters.
    std::string ascii;
    if (encoding.rfind("UTF-16", 0) == 0)
        std::copy_if(data.begin(), data.end(), std::back_inserter(ascii), [](char c) { return c != 0; });
    if (mostAttributesOnATag(ascii.empty() ? data : std::string_view(ascii)) > kMaxHtmlAttributes)
        throw EngineError("an HTML tag carries too many attributes");
    const int options = HTML_PARSE_RECOVER | HTML_PARSE_NOERROR | HTML_PARSE_NOWARNING | HTML_PARSE_NONET |
                        HTML_PARSE_IGNORE_ENC | HTML_PARSE_COMPACT | XML_PARSE_HUGE;
    const std::unique_ptr<xmlDoc, decltype(&xmlFreeDoc)> document(
        htmlReadMemory(data.data(), static_cast<int>(data.size()), nullptr, encoding.c_str(), options), &xmlFreeDoc);
    if (!document) throw EngineError("the HTML document cannot be parsed");
    if (!readOptions.allStories) return readHtmlBody(document->children);
    // A page has one story; only its mailto: links follow it.
    OtherStories stories;
    std::string main = readHtmlBody(document->children, &stories);
    return stories.appendTo(std::move(main));
}

}  // namespace harvelux::wordproc
