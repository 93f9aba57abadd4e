#pragma once

#include <string>
#include <string_view>

namespace harvelux::cli {

// The text as --dump-text shows it: "\" as "\\", CR as "\r" and a line end,
// BEL, VT, FF and TAB as "\a", "\v", "\f" and "\t", other control
// characters (note marks U+0002 among them, and U+007F to U+009F) as
// "\uXXXX". Everything else is kept.
std::string escapeForDump(std::string_view text);

}  // namespace harvelux::cli
