#include "wordproc/html/HtmlSignature.h"

#include <algorithm>

namespace harvelux::wordproc {

namespace html {

namespace {

char lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

}  // namespace

Bom bomOf(std::string_view data) {
    if (data.substr(0, 3) == "\xEF\xBB\xBF") return Bom::Utf8;
    if (data.substr(0, 2) == "\xFF\xFE") return Bom::Utf16Le;
    if (data.substr(0, 2) == "\xFE\xFF") return Bom::Utf16Be;
    return Bom::None;
}

std::size_t bomLength(Bom bom) { return bom == Bom::None ? 0 : bom == Bom::Utf8 ? 3 : 2; }

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
