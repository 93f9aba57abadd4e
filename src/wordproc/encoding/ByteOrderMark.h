// The byte-order mark a text file may start with, which tells its encoding:
// UTF-8, or UTF-16 in either byte order.
#pragma once

#include <cstddef>
#include <string_view>

namespace harvelux::wordproc {

enum class ByteOrderMark { None, Utf8, Utf16Le, Utf16Be };

inline constexpr std::string_view kUtf8ByteOrderMark = "\xEF\xBB\xBF";

// The mark `data` starts with.
ByteOrderMark byteOrderMarkOf(std::string_view data);

// How many bytes the mark takes: 3 for UTF-8, 2 for UTF-16, 0 for none.
std::size_t byteOrderMarkLength(ByteOrderMark mark);

}  // namespace harvelux::wordproc
