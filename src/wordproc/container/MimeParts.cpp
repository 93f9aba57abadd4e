#include "wordproc/container/MimeParts.h"

#include "wordproc/text/AsciiText.h"

#include <algorithm>
#include <cctype>

namespace harvelux::wordproc::mime {

namespace {

constexpr std::size_t kMaxHeaderBytes = std::size_t{64} * 1024;  // a header block longer than this is not one

std::string lower(std::string_view text) {
    std::string out(text);
    std::transform(out.begin(), out.end(), out.begin(), [](unsigned char c) { return std::tolower(c); });
    return out;
}

// The value of parameter `name` in "type/sub; a=b; name="value"".
std::string parameter(std::string_view value, std::string_view name) {
    const std::string lowered = lower(value);
    for (std::size_t at = lowered.find(';'); at != std::string::npos; at = lowered.find(';', at + 1)) {
        const std::size_t key = lowered.find_first_not_of(" \t\r\n", at + 1);
        if (key == std::string::npos || lowered.compare(key, name.size(), name) != 0) continue;
        std::size_t i = lowered.find_first_not_of(" \t", key + name.size());
        if (i == std::string::npos || lowered[i] != '=') continue;
        i = lowered.find_first_not_of(" \t", i + 1);
        if (i == std::string::npos) return {};
        if (value[i] == '"') {
            const std::size_t close = value.find('"', i + 1);
            return std::string(value.substr(i + 1, close == std::string_view::npos ? close : close - i - 1));
        }
        const std::size_t end = value.find_first_of("; \t\r\n", i);
        return std::string(value.substr(i, end == std::string_view::npos ? end : end - i));
    }
    return {};
}

// The next line of `data` from `pos`, without its line end; `pos` moves
// past the line end.
std::string_view nextLine(std::string_view data, std::size_t& pos) {
    const std::size_t lf = data.find('\n', pos);
    const std::size_t end = lf == std::string_view::npos ? data.size() : lf;
    std::string_view line = data.substr(pos, end - pos);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    pos = lf == std::string_view::npos ? data.size() : lf + 1;
    return line;
}

int base64Value(char c) {
    if (c >= 'A' && c <= 'Z') return c - 'A';
    if (c >= 'a' && c <= 'z') return c - 'a' + 26;
    if (c >= '0' && c <= '9') return c - '0' + 52;
    if (c == '+') return 62;
    if (c == '/') return 63;
    return -1;
}

}  // namespace

Entity parseEntity(std::string_view data) {
    Entity entity;
    entity.contentType = "text/plain";
    std::size_t pos = 0;
    std::string header;  // the current header, folded lines joined
    const auto finishHeader = [&entity, &header] {
        const std::size_t colon = header.find(':');
        if (colon == std::string::npos) return;
        const std::string name = lower(trimmed(std::string_view(header).substr(0, colon)));
        const std::string_view value = trimmed(std::string_view(header).substr(colon + 1));
        if (name == "content-type") {
            entity.contentType = lower(trimmed(value.substr(0, value.find(';'))));
            entity.boundary = parameter(value, "boundary");
            entity.charset = lower(parameter(value, "charset"));
        } else if (name == "content-transfer-encoding") {
            entity.transferEncoding = lower(value);
        }
    };
    while (pos < data.size() && pos < kMaxHeaderBytes) {
        const std::string_view line = nextLine(data, pos);
        if (line.empty()) break;
        if (line.front() == ' ' || line.front() == '\t') {
            header += ' ';
            header += trimmed(line);
            continue;
        }
        finishHeader();
        header.assign(line);
    }
    finishHeader();
    entity.body = data.substr(std::min(pos, data.size()));
    return entity;
}

std::vector<std::string_view> splitMultipart(std::string_view body, std::string_view boundary) {
    std::vector<std::string_view> parts;
    if (boundary.empty()) return parts;
    const std::string delimiter = "--" + std::string(boundary);
    std::size_t pos = 0;
    std::size_t partStart = std::string_view::npos;
    while (pos < body.size()) {
        const std::size_t lineStart = pos;
        const std::string_view line = nextLine(body, pos);
        if (line.substr(0, delimiter.size()) != delimiter) continue;
        const std::string_view rest = trimmed(line.substr(delimiter.size()));
        if (!rest.empty() && rest != "--") continue;  // a longer boundary that starts with ours
        if (partStart != std::string_view::npos) {
            // The line end before the delimiter belongs to the delimiter.
            std::size_t end = lineStart;
            if (end > partStart && body[end - 1] == '\n') --end;
            if (end > partStart && body[end - 1] == '\r') --end;
            parts.push_back(body.substr(partStart, end - partStart));
        }
        if (rest == "--") return parts;
        partStart = pos;
    }
    // An archive cut off before its closing delimiter keeps its last part.
    if (partStart != std::string_view::npos && partStart < body.size()) parts.push_back(body.substr(partStart));
    return parts;
}

std::string decodeQuotedPrintable(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c != '=') {
            out += c;
            continue;
        }
        if (i + 1 < text.size() && (text[i + 1] == '\n' || text[i + 1] == '\r')) {  // soft line break
            i += text[i + 1] == '\r' && i + 2 < text.size() && text[i + 2] == '\n' ? std::size_t{2} : std::size_t{1};
            continue;
        }
        const int high = i + 2 < text.size() ? hexValue(text[i + 1]) : -1;
        const int low = high >= 0 ? hexValue(text[i + 2]) : -1;
        if (low < 0) {
            out += c;  // a stray "=" stays as it is
            continue;
        }
        out += static_cast<char>(high * 16 + low);
        i += 2;
    }
    return out;
}

std::string decodeBase64(std::string_view text) {
    std::string out;
    out.reserve(text.size() / 4 * 3);
    unsigned buffer = 0;
    int bits = 0;
    for (const char c : text) {
        if (c == '=') break;
        const int value = base64Value(c);
        if (value < 0) continue;  // line ends and other noise
        buffer = (buffer << 6) | static_cast<unsigned>(value);
        bits += 6;
        if (bits >= 8) {
            bits -= 8;
            out += static_cast<char>((buffer >> bits) & 0xFF);
        }
    }
    return out;
}

}  // namespace harvelux::wordproc::mime
