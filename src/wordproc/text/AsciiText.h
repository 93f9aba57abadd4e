// ASCII helpers for the names, keywords and numbers that documents spell in
// ASCII: digits, letters in either case, white space. Bytes beyond ASCII are
// never letters here, whatever the locale.
#pragma once

#include <cstddef>
#include <string_view>

namespace harvelux::wordproc {

// Space, tab and the line ends: the white space of XML, MIME headers and
// most markup.
inline constexpr std::string_view kWhiteSpace = " \t\r\n";

// All of ASCII's white space: kWhiteSpace with VT and FF.
inline constexpr std::string_view kAsciiWhiteSpace = " \t\r\n\v\f";

inline bool isAsciiLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
inline bool isAsciiDigit(char c) { return c >= '0' && c <= '9'; }

// The value of a hexadecimal digit, or -1.
inline int hexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// An ASCII capital in lower case; any other byte as it is.
inline char asciiLower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

// Whether `text` starts with `lowerPrefix` (written in lower case), its
// ASCII letters in either case.
inline bool startsWithNoCase(std::string_view text, std::string_view lowerPrefix) {
    if (text.size() < lowerPrefix.size()) return false;
    for (std::size_t i = 0; i < lowerPrefix.size(); ++i)
        if (asciiLower(text[i]) != lowerPrefix[i]) return false;
    return true;
}

// `text` without the characters of `space` at either end.
inline std::string_view trimmed(std::string_view text, std::string_view space = kWhiteSpace) {
    const std::size_t first = text.find_first_not_of(space);
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(space) - first + 1);
}

}  // namespace harvelux::wordproc
