// Recognising a PDF by its header, without the PDF library.
#pragma once

#include <cstddef>
#include <string_view>

namespace harvelux::wordproc {

// Whether the bytes carry a PDF header ("%PDF-" within the first KiB, as
// PDF readers accept it).
inline bool looksLikePdf(std::string_view data) {
    constexpr std::size_t kHeaderWindow = 1024;
    return data.substr(0, kHeaderWindow).find("%PDF-") != std::string_view::npos;
}

}  // namespace harvelux::wordproc
