#include "wordproc/encoding/ByteOrderMark.h"

namespace harvelux::wordproc {

ByteOrderMark byteOrderMarkOf(std::string_view data) {
    if (data.substr(0, 3) == kUtf8ByteOrderMark) return ByteOrderMark::Utf8;
    if (data.substr(0, 2) == "\xFF\xFE") return ByteOrderMark::Utf16Le;
    if (data.substr(0, 2) == "\xFE\xFF") return ByteOrderMark::Utf16Be;
    return ByteOrderMark::None;
}

std::size_t byteOrderMarkLength(ByteOrderMark mark) {
    return mark == ByteOrderMark::None ? 0 : mark == ByteOrderMark::Utf8 ? 3 : 2;
}

}  // namespace harvelux::wordproc
