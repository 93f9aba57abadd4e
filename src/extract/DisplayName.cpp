#include "extract/DisplayName.h"

namespace harvelux::extract {

namespace {

bool isSpace(char c) { return c == ' ' || c == '\t'; }

// Where a name cannot run on: line, cell and paragraph ends, list separators
// and the end of an earlier address in brackets.
bool endsName(char c) {
    return c == '\r' || c == '\n' || c == '\a' || c == '\v' || c == '\f' || c == ',' || c == ';' || c == '>' ||
           c == '<' || c == '\t';
}

std::string_view trimmed(std::string_view s) {
    while (!s.empty() && isSpace(s.front())) s.remove_prefix(1);
    while (!s.empty() && isSpace(s.back())) s.remove_suffix(1);
    return s;
}

// A leading "From:", "Reply-To:" and the like.
std::string_view withoutHeaderField(std::string_view s) {
    const std::size_t colon = s.find(':');
    if (colon == std::string_view::npos || colon == 0 || colon > 32) return s;
    for (std::size_t i = 0; i < colon; ++i) {
        const char c = s[i];
        const bool fieldChar = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-';
        if (!fieldChar) return s;
    }
    return trimmed(s.substr(colon + 1));
}

}  // namespace

std::string displayNameBefore(std::string_view text, std::size_t begin, std::size_t end) {
    const bool closed = (end < text.size() && text[end] == '>') || (end > begin && text[end - 1] == '>');
    if (!closed) return {};
    // The word of an address in brackets may start at the "<" or just after it.
    std::size_t at = begin;
    if (at < text.size() && text[at] == '<') {
    } else if (at > 0 && text[at - 1] == '<') {
        --at;
    } else {
        return {};
    }
    end = at;
    while (end > 0 && isSpace(text[end - 1])) --end;
    if (end == 0) return {};
    std::string_view name;
    if (text[end - 1] == '"') {
        // A quoted name may hold commas: it runs back to its opening quote.
        const std::size_t floor = end > kMaxDisplayNameBytes + 1 ? end - kMaxDisplayNameBytes - 1 : 0;
        std::size_t open = end - 1;
        while (open > floor && text[open - 1] != '"' && text[open - 1] != '\r' && text[open - 1] != '\n') --open;
        if (open == floor || text[open - 1] != '"') return {};
        name = text.substr(open, end - 1 - open);
    } else {
        std::size_t start = end;
        while (start > 0 && end - start < kMaxDisplayNameBytes + 1 && !endsName(text[start - 1])) --start;
        if (end - start > kMaxDisplayNameBytes) return {};
        name = withoutHeaderField(trimmed(text.substr(start, end - start)));
        // In running text only the last few words before the bracket can be
        // the name: "write to Jane Doe <...>" names Jane Doe.
        std::size_t words = 0;
        for (std::size_t i = name.size(); i > 0; --i) {
            if (!isSpace(name[i - 1]) || (i < name.size() && isSpace(name[i]))) continue;
            if (++words == kMaxDisplayNameWords) {
                name.remove_prefix(i);
                break;
            }
        }
    }
    name = trimmed(name);
    if (name.empty() || name.size() > kMaxDisplayNameBytes || name.find('@') != std::string_view::npos) return {};
    return std::string(name);
}

}  // namespace harvelux::extract
