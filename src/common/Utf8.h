// Small UTF-8 helpers for code that keeps text as UTF-8 std::string.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace harvelux {

// The number of UTF-16 code units the text takes (what QString::size()
// reports), so column widths agree with the desktop program's.
std::size_t utf16Length(std::string_view utf8);

// Appends the UTF-8 form of a code point (lone surrogates and values past
// U+10FFFF become U+FFFD).
void appendUtf8(std::string& out, char32_t codePoint);

// True when the bytes are well-formed UTF-8.
bool isValidUtf8(std::string_view bytes);

// The bytes with "?" in place of every byte that is not part of well-formed
// UTF-8: how a file name the file system gave is shown, while the name
// itself keeps its bytes.
std::string withQuestionMarks(std::string_view bytes);

}  // namespace harvelux
