#include "cli/TextDump.h"

#include <cstdio>

namespace harvelux::cli {

std::string escapeForDump(std::string_view text) {
    std::string out;
    out.reserve(text.size() + text.size() / 16);
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        const auto b = static_cast<unsigned char>(c);
        // The controls U+0080 to U+009F, C2 80 to C2 9F in UTF-8.
        const auto next = i + 1 < text.size() ? static_cast<unsigned char>(text[i + 1]) : 0u;
        if (b == 0xC2 && next >= 0x80 && next <= 0x9F) {
            char code[8];
            std::snprintf(code, sizeof code, "\\u%04X", next);
            out += code;
            ++i;
            continue;
        }
        switch (c) {
            case '\\':
                out += "\\\\";
                break;
            case '\r':
                out += "\\r\n";
                break;
            case '\a':
                out += "\\a";
                break;
            case '\v':
                out += "\\v";
                break;
            case '\f':
                out += "\\f";
                break;
            case '\t':
                out += "\\t";
                break;
            default:
                if (b < 0x20 || b == 0x7F) {
                    char code[8];
                    std::snprintf(code, sizeof code, "\\u%04X", b);
                    out += code;
                } else {
                    out += c;
                }
        }
    }
    return out;
}

}  // namespace harvelux::cli
