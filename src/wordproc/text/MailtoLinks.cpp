#include "wordproc/text/MailtoLinks.h"

#include "wordproc/text/AsciiText.h"

#include <algorithm>

namespace harvelux::wordproc {

namespace {

constexpr std::size_t kMaxTargetBytes = 2048;

std::string percentDecoded(std::string_view text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '%' && i + 2 < text.size() && hexValue(text[i + 1]) >= 0 && hexValue(text[i + 2]) >= 0) {
            out += static_cast<char>(hexValue(text[i + 1]) * 16 + hexValue(text[i + 2]));
            i += 2;
        } else {
            out += text[i];
        }
    }
    return out;
}

// The instruction's next argument: a quoted string or a word. Empty at the
// end.
std::string_view nextArgument(std::string_view& rest, bool& quoted) {
    rest = trimmed(rest, kAsciiWhiteSpace);
    quoted = false;
    if (rest.empty()) return {};
    if (rest.front() == '"' || rest.front() == '\xE2') {
        // Straight quotes, or the curly ones U+201C/U+201D in UTF-8.
        const bool curly = rest.front() == '\xE2';
        const std::size_t open = curly ? 3 : 1;
        const std::size_t close = curly ? rest.find("\xE2\x80\x9D", open) : rest.find('"', open);
        if (!curly || rest.substr(0, 3) == "\xE2\x80\x9C") {
            quoted = true;
            const std::string_view argument = rest.substr(open, close == std::string_view::npos ? close : close - open);
            rest = close == std::string_view::npos ? std::string_view() : rest.substr(close + (curly ? 3 : 1));
            return argument;
        }
    }
    const std::size_t end = rest.find_first_of(" \t\r\n");
    const std::string_view argument = rest.substr(0, end);
    rest = end == std::string_view::npos ? std::string_view() : rest.substr(end);
    return argument;
}

}  // namespace

std::vector<std::string> mailtoAddresses(std::string_view uri) {
    std::vector<std::string> addresses;
    uri = trimmed(uri, kAsciiWhiteSpace);
    if (!startsWithNoCase(uri, "mailto:")) return addresses;
    uri.remove_prefix(7);
    uri = uri.substr(0, std::min(uri.find_first_of("?#"), kMaxTargetBytes));
    const std::string decoded = percentDecoded(uri);
    std::string_view rest = decoded;
    while (!rest.empty()) {
        const std::size_t end = rest.find_first_of(",;");
        const std::string_view address = trimmed(rest.substr(0, end), kAsciiWhiteSpace);
        if (!address.empty()) addresses.emplace_back(address);
        if (end == std::string_view::npos) break;
        rest.remove_prefix(end + 1);
    }
    return addresses;
}

std::string hyperlinkFieldTarget(std::string_view instruction) {
    std::string_view rest = trimmed(instruction.substr(0, kMaxTargetBytes), kAsciiWhiteSpace);
    bool quoted = false;
    const std::string_view keyword = nextArgument(rest, quoted);
    if (quoted || keyword.size() != 9 || !startsWithNoCase(keyword, "hyperlink")) return {};
    std::string target;
    while (!rest.empty()) {
        const std::string_view argument = nextArgument(rest, quoted);
        if (!quoted && argument.size() >= 2 && argument.front() == '\\') {
            const char which = asciiLower(argument[1]);
            if (which == 'l') return {};  // a place in this document
            if (which == 'o' || which == 't') nextArgument(rest, quoted);
            continue;
        }
        if (target.empty()) target = argument;
    }
    // Word writes a quoted path's backslashes doubled.
    std::string unescaped;
    for (std::size_t i = 0; i < target.size(); ++i) {
        if (target[i] == '\\' && i + 1 < target.size() && target[i + 1] == '\\') ++i;
        unescaped += target[i];
    }
    return unescaped;
}

}  // namespace harvelux::wordproc
