// A quick pass over HTML markup before it is parsed: the most attributes
// any one start tag carries. The HTML parser compares each attribute of a
// tag with every one before it, so a tag with tens of thousands of them
// takes seconds to parse; a page that carries that many is refused instead.
#pragma once

#include <cstddef>
#include <string_view>

namespace harvelux::wordproc {

inline constexpr std::size_t kMaxHtmlAttributes = 2000;  // on one start tag

// The largest number of attributes on one start tag of `markup`, counted as
// the parser reads them (comments, and the text of scripts and style sheets,
// hold no tags). Stops counting past `stopAt`. Linear in the markup.
std::size_t mostAttributesOnATag(std::string_view markup, std::size_t stopAt = kMaxHtmlAttributes + 1);

}  // namespace harvelux::wordproc
