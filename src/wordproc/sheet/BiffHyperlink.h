// The target of a BIFF8 hyperlink record (HLINK): the URL its URL moniker
// names, or the moniker it keeps as a string.
#pragma once

#include <string>
#include <string_view>

namespace harvelux::wordproc::biff {

// The URL as UTF-8; empty when the record links to a file, a place in the
// workbook, or is damaged.
std::string hyperlinkTarget(std::string_view body);

}  // namespace harvelux::wordproc::biff
