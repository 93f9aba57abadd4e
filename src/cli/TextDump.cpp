#include "cli/TextDump.h"

#include <cstdio>

namespace harvelux::cli {

std::string escapeForDump(std::string_view text) {
    std::string out;
    out.reserve(text.size() + text.size() / 16);
    for (const char c : text) {
        const auto b = static_cast<unsigned char>(c);
        switch (c) {
            case '\\': out += "\\\\"; break;
            case '\r': out += "\\r\n"; break;
            case '\a': out += "\\a"; break;
            case '\v': out += "\\v"; break;
            case '\f': out += "\\f"; break;
            case '\t': out += "\\t"; break;
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
