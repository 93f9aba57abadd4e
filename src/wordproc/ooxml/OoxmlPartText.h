// The text of the XML parts of spreadsheet and presentation packages, which
// keep their words in runs (<t>, <a:t>) of paragraphs (<a:p>) rather than in
// a WordprocessingML body. Elements are matched by local name.
#pragma once

#include <pugixml.hpp>

#include <string>
#include <string_view>

namespace harvelux::wordproc {

class ZipArchive;

// The concatenated text of every element named `run` below `node`, in
// document order; an element named `paragraph` ends with CR, one named
// "br" gives a line break (VT). Subtrees named `skip` (phonetic runs) are
// passed over. Walks without recursion, under the nesting cap.
std::string runText(const pugi::xml_node& node, std::string_view run, std::string_view paragraph = {},
                    std::string_view skip = {});

// The first child element with this local name, or a null node.
pugi::xml_node childNamed(const pugi::xml_node& parent, std::string_view name);

// The value of the attribute whose name ends in ":id" (r:id, whatever the
// prefix).
std::string_view relationshipIdOf(const pugi::xml_node& element);

// Parses a part of the package; false when it is missing. Throws
// EngineError when it is damaged or not XML.
bool parsePart(const ZipArchive& zip, const std::string& name, pugi::xml_document& document);

}  // namespace harvelux::wordproc
