// Text shown on a terminal that comes from outside the program (file names,
// the reasons a document could not be read) may hold control characters:
// shown raw, an escape sequence in a file name would recolour or rewrite the
// user's terminal. Messages escape them; the data formats never do.
#pragma once

#include <string>
#include <string_view>

namespace harvelux::cli {

// `text` with every C0 control character and DEL written as "\xHH" and every
// C1 control character (U+0080 to U+009F) as "\uHHHH". Everything else,
// including bytes that are not UTF-8, is kept.
std::string escapeControls(std::string_view text);

}  // namespace harvelux::cli
