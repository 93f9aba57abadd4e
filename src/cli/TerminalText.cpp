#include "cli/TerminalText.h"

#include <cstdio>

namespace harvelux::cli {

std::string escapeControls(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto b = static_cast<unsigned char>(text[i]);
        char code[8];
        if (b < 0x20 || b == 0x7F) {
            std::snprintf(code, sizeof code, "\\x%02X", b);
            out += code;
        } else if (b == 0xC2 && i + 1 < text.size() && (static_cast<unsigned char>(text[i + 1]) & 0xE0) == 0x80) {
            std::snprintf(code, sizeof code, "\\u%04X", static_cast<unsigned char>(text[++i]));
            out += code;
        } else {
            out += text[i];
        }
    }
    return out;
}

}  // namespace harvelux::cli
