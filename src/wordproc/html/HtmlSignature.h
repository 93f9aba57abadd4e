// Recognising HTML by its first bytes, and the ASCII head the HTML reader
// also looks at. Kept apart from the reader itself so that recognising a
// document never needs the HTML parser's library.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace harvelux::wordproc {

// Whether the bytes start like an HTML document: markup first, and a
// doctype, <html>, <head> or <body> tag near the start (any case).
bool looksLikeHtml(std::string_view data);

namespace html {

// The document's first `limit` characters as lower-case ASCII; UTF-16 (with
// a byte-order mark) is narrowed, characters beyond ASCII become '?'.
std::string asciiHead(std::string_view data, std::size_t limit);

// A character of a tag's or an encoding label's name.
bool isLabelChar(char c);

}  // namespace html

}  // namespace harvelux::wordproc
