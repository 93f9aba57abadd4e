// Plain text as a word processor opens it: UTF-8 or UTF-16 with a byte-order
// mark, UTF-16 when every other byte of its start is zero, UTF-8 when the
// bytes are well-formed UTF-8, else Windows-1252. Line ends (CR LF, LF, CR)
// become CR.
#pragma once

#include <string>
#include <string_view>

namespace harvelux::wordproc {

// Whether the bytes can be taken for text: a UTF-16 byte-order mark, or at
// most two, or at most 1%, control characters other than TAB, LF, VT, FF and
// CR (NUL counts).
bool looksLikePlainText(std::string_view data);

std::string readPlainText(std::string_view data);

}  // namespace harvelux::wordproc
