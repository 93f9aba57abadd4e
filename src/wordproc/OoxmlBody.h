#pragma once

#include <pugixml.hpp>

#include <string>

namespace harvelux::wordproc {

// The main-story text of a parsed WordprocessingML main part (w:document):
// paragraphs, tables, runs and field results of w:body, in document order.
// Throws EngineError when the part is not a WordprocessingML document or
// nests too deeply.
std::string readWordprocessingBody(const pugi::xml_document& document);

}  // namespace harvelux::wordproc
