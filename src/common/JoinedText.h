// Texts joined by a separator: "a; b; c".
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace harvelux {

inline std::string joinedText(const std::vector<std::string_view>& parts, std::string_view separator) {
    std::string out;
    for (std::size_t i = 0; i < parts.size(); ++i) {
        if (i > 0) out += separator;
        out += parts[i];
    }
    return out;
}

}  // namespace harvelux
