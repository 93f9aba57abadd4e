#include "wordproc/HtmlReader.h"

#include "common/Utf8.h"
#include "wordproc/Engine.h"
#include "wordproc/HtmlBody.h"
#include "wordproc/Limits.h"

#include <libxml/HTMLparser.h>
#include <libxml/encoding.h>
#include <libxml/parser.h>

#include <algorithm>
#include <memory>
#include <mutex>
#include <optional>

namespace harvelux::wordproc {

namespace {

constexpr std::size_t kSniffChars = 1024;      // where the opening tags must be
constexpr std::size_t kMetaScanChars = 4096;   // where a <meta> charset is looked for

enum class Bom { None, Utf8, Utf16Le, Utf16Be };

Bom bomOf(std::string_view data) {
    if (data.substr(0, 3) == "\xEF\xBB\xBF") return Bom::Utf8;
    if (data.substr(0, 2) == "\xFF\xFE") return Bom::Utf16Le;
    if (data.substr(0, 2) == "\xFE\xFF") return Bom::Utf16Be;
    return Bom::None;
}

std::size_t bomLength(Bom bom) { return bom == Bom::None ? 0 : bom == Bom::Utf8 ? 3 : 2; }

char lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

// The document's first characters as lower-case ASCII; UTF-16 (with a
// byte-order mark) is narrowed, characters beyond ASCII become '?'.
std::string asciiHead(std::string_view data, std::size_t limit) {
    const Bom bom = bomOf(data);
    data.remove_prefix(bomLength(bom));
    std::string head;
    if (bom == Bom::Utf16Le || bom == Bom::Utf16Be) {
        for (std::size_t i = 0; i + 1 < data.size() && head.size() < limit; i += 2) {
            const char low = bom == Bom::Utf16Le ? data[i] : data[i + 1];
            const char high = bom == Bom::Utf16Le ? data[i + 1] : data[i];
            head += high == 0 && static_cast<unsigned char>(low) < 0x80 ? lower(low) : '?';
        }
    } else {
        head.reserve(std::min(limit, data.size()));
        for (const char c : data.substr(0, limit)) head += lower(c);
    }
    return head;
}

bool isLabelChar(char c) {
    return (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' || c == '_' || c == ':' || c == '.';
}

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
    static constexpr std::string_view kLatin1[] = {"iso-8859-1", "iso8859-1", "iso_8859-1", "latin1", "l1",
                                                   "us-ascii", "ascii", "cp1252", "x-cp1252", "windows-1252"};
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
    return libxmlKnows("windows-1252") ? "windows-1252" : "ISO-8859-1";
}

void ignoreMessage(void*, const char*, ...) {}
void ignoreError(void*, xmlErrorPtr) {}

}  // namespace

bool looksLikeHtml(std::string_view data) {
    const std::string head = asciiHead(data, kSniffChars);
    const std::size_t first = head.find_first_not_of(" \t\r\n\f");
    if (first == std::string::npos || head[first] != '<') return false;
    for (const std::string_view tag : {"<!doctype html", "<html", "<head", "<body"}) {
        const std::size_t at = head.find(tag);
        if (at == std::string::npos) continue;
        const std::size_t after = at + tag.size();
        // "<header" or "<bodyx" are not the tags looked for.
        if (after >= head.size() || !isLabelChar(head[after]) || tag == "<!doctype html") return true;
    }
    return false;
}

std::string htmlEncoding(std::string_view data) {
    switch (bomOf(data)) {
        case Bom::Utf8: return "UTF-8";
        case Bom::Utf16Le: return "UTF-16LE";
        case Bom::Utf16Be: return "UTF-16BE";
        case Bom::None: break;
    }
    if (const auto label = metaCharset(asciiHead(data, kMetaScanChars))) {
        const std::string encoding = browserLabel(*label);
        if (encoding == "UTF-8" || libxmlKnows(encoding)) return encoding;
    }
    return fallbackEncoding(data);
}

std::string readHtmlText(std::string_view data) {
    static std::once_flag initialised;
    std::call_once(initialised, [] { xmlInitParser(); });
    // Parse errors are expected in real pages and not worth a message.
    xmlSetGenericErrorFunc(nullptr, ignoreMessage);
    xmlSetStructuredErrorFunc(nullptr, ignoreError);

    const std::string encoding = htmlEncoding(data);
    data.remove_prefix(bomLength(bomOf(data)));
    if (data.size() > kMaxMarkupBytes) throw EngineError("the HTML document is too large");
    const int options = HTML_PARSE_RECOVER | HTML_PARSE_NOERROR | HTML_PARSE_NOWARNING | HTML_PARSE_NONET |
                        HTML_PARSE_IGNORE_ENC | HTML_PARSE_COMPACT | XML_PARSE_HUGE;
    const std::unique_ptr<xmlDoc, decltype(&xmlFreeDoc)> document(
        htmlReadMemory(data.data(), static_cast<int>(data.size()), nullptr, encoding.c_str(), options), &xmlFreeDoc);
    if (!document) throw EngineError("the HTML document cannot be parsed");
    return readHtmlBody(document->children);
}

}  // namespace harvelux::wordproc
