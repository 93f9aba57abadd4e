#include "wordproc/mail/MailSignature.h"

#include <algorithm>
#include <array>
#include <cctype>

namespace harvelux::wordproc {

namespace {

constexpr std::size_t kHeaderLook = 64u << 10;

// The fields nearly every message has; two of them at the start of a line
// of the header make the bytes a message.
constexpr std::array<std::string_view, 9> kFields = {
    "from:", "to:", "subject:", "date:", "message-id:", "received:", "return-path:", "mime-version:", "delivered-to:"};

char lower(char c) { return static_cast<char>(std::tolower(static_cast<unsigned char>(c))); }

bool startsWithField(std::string_view line, std::string_view field) {
    if (line.size() < field.size()) return false;
    for (std::size_t i = 0; i < field.size(); ++i)
        if (lower(line[i]) != field[i]) return false;
    return true;
}

// "Name: value": a field name of printable characters up to the colon.
bool isHeaderLine(std::string_view line) {
    const std::size_t colon = line.find(':');
    if (colon == 0 || colon == std::string_view::npos || colon > 76) return false;
    return std::all_of(line.begin(), line.begin() + static_cast<std::ptrdiff_t>(colon),
                       [](char c) { return c > ' ' && c < 127; });
}

bool headerLooksLikeMessage(std::string_view data) {
    data = data.substr(0, std::min(data.size(), kHeaderLook));
    int known = 0;
    bool first = true;
    for (std::size_t at = 0; at < data.size();) {
        const std::size_t end = std::min(data.find('\n', at), data.size());
        std::string_view line = data.substr(at, end - at);
        if (line.ends_with('\r')) line.remove_suffix(1);
        at = end + 1;
        if (line.empty()) break;  // the end of the header
        if (line.front() == ' ' || line.front() == '\t') {
            if (first) return false;
            continue;  // a folded field goes on
        }
        if (!isHeaderLine(line)) return false;
        first = false;
        for (const std::string_view field : kFields)
            if (startsWithField(line, field)) ++known;
        if (known >= 2) return true;
    }
    return false;
}

}  // namespace

bool looksLikeMailMessage(std::string_view data) { return headerLooksLikeMessage(data); }

bool looksLikeMailbox(std::string_view data) {
    if (!data.starts_with("From ")) return false;
    const std::size_t end = data.find('\n');
    return end != std::string_view::npos && end < 1000 && headerLooksLikeMessage(data.substr(end + 1));
}

}  // namespace harvelux::wordproc
