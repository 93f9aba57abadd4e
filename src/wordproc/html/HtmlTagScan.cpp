#include "wordproc/html/HtmlTagScan.h"

#include "wordproc/text/AsciiText.h"

#include <algorithm>

namespace harvelux::wordproc {

namespace {

bool isSpace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f'; }

// Where the raw text of a script or style element that starts at `from`
// ends: at its end tag, or at the end of the markup.
std::size_t endOfRawText(std::string_view markup, std::size_t from, std::string_view endTag) {
    for (std::size_t at = markup.find("</", from); at != std::string_view::npos; at = markup.find("</", at + 2))
        if (startsWithNoCase(markup.substr(at), endTag)) return at;
    return markup.size();
}

}  // namespace

std::size_t mostAttributesOnATag(std::string_view markup, std::size_t stopAt) {
    std::size_t most = 0;
    std::size_t i = 0;
    const std::size_t n = markup.size();
    while ((i = markup.find('<', i)) != std::string_view::npos) {
        if (markup.compare(i, 4, "<!--") == 0) {
            const std::size_t end = markup.find("-->", i + 4);
            if (end == std::string_view::npos) break;
            i = end + 3;
            continue;
        }
        ++i;
        if (i >= n || !isAsciiLetter(markup[i])) continue;
        const std::size_t nameStart = i;
        while (i < n && !isSpace(markup[i]) && markup[i] != '>' && markup[i] != '/') ++i;
        const std::string_view name = markup.substr(nameStart, i - nameStart);
        std::size_t attributes = 0;
        while (i < n && markup[i] != '>') {
            if (isSpace(markup[i]) || markup[i] == '/') {
                ++i;
                continue;
            }
            // A name, then perhaps "=" and a quoted or bare value.
            while (i < n && !isSpace(markup[i]) && markup[i] != '=' && markup[i] != '>' && markup[i] != '/') ++i;
            ++attributes;
            while (i < n && isSpace(markup[i])) ++i;
            if (i < n && markup[i] == '=') {
                ++i;
                while (i < n && isSpace(markup[i])) ++i;
                if (i < n && (markup[i] == '"' || markup[i] == '\'')) {
                    const std::size_t close = markup.find(markup[i], i + 1);
                    i = close == std::string_view::npos ? n : close + 1;
                } else {
                    while (i < n && !isSpace(markup[i]) && markup[i] != '>') ++i;
                }
            }
            if (attributes >= stopAt) return attributes;
        }
        most = std::max(most, attributes);
        if (startsWithNoCase(name, "script") && name.size() == 6)
            i = endOfRawText(markup, i, "</script");
        else if (startsWithNoCase(name, "style") && name.size() == 5)
            i = endOfRawText(markup, i, "</style");
    }
    return most;
}

}  // namespace harvelux::wordproc
