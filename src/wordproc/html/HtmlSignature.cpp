#include "wordproc/html/HtmlSignature.h"

#include "wordproc/encoding/ByteOrderMark.h"
#include "wordproc/text/AsciiText.h"

#include <algorithm>

namespace harvelux::wordproc {

namespace html {

std::string asciiHead(std::string_view data, std::size_t limit) {
    const ByteOrderMark bom = byteOrderMarkOf(data);
    data.remove_prefix(byteOrderMarkLength(bom));
    std::string head;
    if (bom == ByteOrderMark::Utf16Le || bom == ByteOrderMark::Utf16Be) {
        for (std::size_t i = 0; i + 1 < data.size() && head.size() < limit; i += 2) {
            const char low = bom == ByteOrderMark::Utf16Le ? data[i] : data[i + 1];
            const char high = bom == ByteOrderMark::Utf16Le ? data[i + 1] : data[i];
            head += high == 0 && static_cast<unsigned char>(low) < 0x80 ? asciiLower(low) : '?';
        }
    } else {
        head.reserve(std::min(limit, data.size()));
        for (const char c : data.substr(0, limit)) head += asciiLower(c);
    }
    return head;
}

bool isLabelChar(char c) {
    return (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' || c == '_' || c == ':' || c == '.';
}

}  // namespace html

namespace {

constexpr std::size_t kSniffChars = 1024;  // where the opening tags must be

}  // namespace

bool looksLikeHtml(std::string_view data) {
    const std::string head = html::asciiHead(data, kSniffChars);
    const std::size_t first = head.find_first_not_of(" \t\r\n\f");
    if (first == std::string::npos || head[first] != '<') return false;
    for (const std::string_view tag : {"<!doctype html", "<html", "<head", "<body"}) {
        const std::size_t at = head.find(tag);
        if (at == std::string::npos) continue;
        const std::size_t after = at + tag.size();
        // "<header" or "<bodyx" are not the tags looked for.
        if (after >= head.size() || !html::isLabelChar(head[after]) || tag == "<!doctype html") return true;
    }
    return false;
}

}  // namespace harvelux::wordproc
